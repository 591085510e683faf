#pragma once

class ApiRouter;

// Sign-in (code and password), token refresh, the caller's own record and the service options.
namespace AccountRoutes {
void install(ApiRouter &router);
}
