#pragma once

class ServiceContext;

// Fills a new, empty database: always the service's reference data, and with --seed demo a
// demo agency in Mashhad (or with --seed large:N the demo agency with N generated listings).
namespace DemoSeed {
void prepare(ServiceContext &context);
}
