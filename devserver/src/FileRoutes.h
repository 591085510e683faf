#pragma once

class ApiRouter;

// Listings: search, create, update, status changes, hiding, sharing, images, bookmarks, reports
// and the hand-out of pool listings.
namespace FileRoutes {
void install(ApiRouter &router);
}
