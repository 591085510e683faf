#pragma once

#include <cstdint>
#include <string>

// Time and identifiers as the service records them.
namespace Clock {

std::int64_t nowMs();
// ISO 8601 UTC with milliseconds, e.g. "2024-05-01T10:20:30.000Z".
std::string isoTime(std::int64_t ms);
std::string isoNow();
// "YYYY-MM-DD" in UTC.
std::string day(std::int64_t ms);

} // namespace Clock

namespace Ids {

// A new record id: 24 lowercase hex digits.
std::string newId();
// A random opaque token of `bytes` random bytes, hex encoded.
std::string randomToken(int bytes);
// A uniformly distributed integer in [low, high].
std::int64_t randomInt(std::int64_t low, std::int64_t high);

} // namespace Ids
