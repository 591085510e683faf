#pragma once

class ApiRouter;

// The agency's office record, its extra areas, folders and folder access, and the area list.
namespace OfficeRoutes {
void install(ApiRouter &router);
}
