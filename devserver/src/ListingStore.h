#pragma once

#include "Database.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>

// Listing operations shared by several route groups and the seeding.
namespace ListingStore {

// The service's own listings (the pool), from which agencies receive system files and archives.
extern const char *const kPoolOfficeId;

// The office's next file number; call inside a write transaction.
std::int64_t nextTrackingId(Connection &connection, const std::string &officeId);
nlohmann::json record(Connection &connection, const std::string &fileId, const std::string &viewerOfficeId);
// Copies a pool listing into an office as a system file; returns the new id.
std::string copyFromPool(Connection &connection, const std::string &officeId, const std::string &poolFileId,
                         int status);
// Hands the office today's share of new pool listings (the plan's maxFilesPerPeriod per day);
// refuses when the share is used up or the pool has nothing new. Returns how many were given.
std::int64_t handOutPoolFiles(Connection &connection, const std::string &officeId);

} // namespace ListingStore
