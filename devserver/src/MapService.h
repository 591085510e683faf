#pragma once

#include <httplib.h>

// Map tiles, reverse geocoding, search and place search in the shapes Qt Location's osm plugin reads.
namespace MapService {
void install(httplib::Server &server);
}
