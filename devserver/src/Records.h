#pragma once

#include "Database.h"

#include <nlohmann/json.hpp>

#include <string>

// The record shapes the client reads, built from the database.
namespace Records {

// SELECT list and joins for listings read from `from`, which names the listing table "f"; used
// with rowObject() and then file().
std::string fileSelect(const std::string &from = "property_files f");
// Shapes one listing row read with fileSelect(). `viewerOfficeId` decides whether the owner's
// contact attributes are shown (own office; the office is then only named) or blanked and the
// owning office's contacts given instead (a cooperation file of another office).
nlohmann::json file(nlohmann::json row, const std::string &viewerOfficeId);

nlohmann::json user(Connection &connection, const std::string &userId);
nlohmann::json userFromRow(nlohmann::json row);
extern const char *const kUserSelect;

nlohmann::json office(Connection &connection, const std::string &officeId);
nlohmann::json folders(Connection &connection, const std::string &officeId, const std::string &onlyForUserId);
nlohmann::json plan(Connection &connection, const std::string &planId);
extern const char *const kPlanSelect;
nlohmann::json area(Connection &connection, const std::string &areaId);

// Price of one extra area added to a plan, counted in the renewal fee.
constexpr std::int64_t kExtraAreaFee = 250000;

} // namespace Records
