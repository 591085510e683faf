#pragma once

#include "Database.h"

#include <string>

class ServiceContext;

// What the service itself offers every agency: areas, plans, archive packages, gift codes, posts
// and the pool of system listings. Written once into a new, empty database.
namespace ReferenceData {

void insert(Connection &connection, ServiceContext &context);
// Id of the plan with that title, for the demo agency.
std::string planId(Connection &connection, const std::string &title);

} // namespace ReferenceData
