#pragma once

class ApiRouter;

// The caller's contacts and notes, the service's posts, notifications and contact messages.
namespace PersonalRoutes {
void install(ApiRouter &router);
}
