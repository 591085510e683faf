#pragma once

#include <httplib.h>

class ServiceContext;

// Multipart uploads (listing photos, avatars), streamed to disk, and the public image URLs.
namespace MediaRoutes {
void install(httplib::Server &server, ServiceContext &context);
}
