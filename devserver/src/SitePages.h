#pragma once

#include <httplib.h>

#include <string>

class ServiceContext;

// The service's small web site: home page and terms, and the page frame the payment pages use.
namespace SitePages {
void install(httplib::Server &server, ServiceContext &context);
void html(httplib::Response &response, int status, const std::string &title, const std::string &body);
} // namespace SitePages
