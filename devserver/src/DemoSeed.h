#pragma once

class ServiceContext;

// Fills a new, empty database: always the service's reference data, and with --seed demo a
// demo agency in Mashhad (or with --seed large:N the demo agency with N generated listings).
// With --plan-days-left, on every start, moves the end of every office's plan (test support).
namespace DemoSeed {
void prepare(ServiceContext &context);
}
