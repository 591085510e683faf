#pragma once

class ApiRouter;

// The agency's staff: create, search, update, activate, delete, reset passwords.
namespace UserRoutes {
void install(ApiRouter &router);
}
