#pragma once

#include <httplib.h>

class ServiceContext;

// The payment page a purchase's `url` opens in the browser: shows the order and pays or cancels it.
namespace PaymentPages {
void install(httplib::Server &server, ServiceContext &context);
}
