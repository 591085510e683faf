#pragma once

#include "Database.h"

#include <cstdint>
#include <string>

// What keeps sign-in secrets from being guessed: how often a code may be sent to one mobile
// number, how many wrong codes a number may take across all its codes, and how fast and how long
// a user name may be tried with wrong passwords. Refusals are Persian texts the client shows.
// Every function runs inside the caller's write transaction and throws ApiError to refuse.
namespace SignInGuard {

// Pacing of the codes sent to one number; 0 lifts a limit.
struct CodePacing {
    std::int64_t intervalSeconds = 60; // the least time between two codes
    std::int64_t perHour = 5;          // the most codes within an hour
};

// A new code for `mobile`: refused while the number is locked, sooner than the pacing allows or
// beyond its hourly count; otherwise counted as sent.
void codeRequested(Connection &db, const std::string &mobile, const CodePacing &pacing, std::int64_t nowMs);
// Refuses while the number is locked after too many wrong codes.
void checkCodeLock(Connection &db, const std::string &mobile, std::int64_t nowMs);
// A wrong code for `mobile`; enough of them, across codes, lock the number for a while.
void wrongCode(Connection &db, const std::string &mobile, std::int64_t nowMs);
// A password attempt for `username`: refused while locked or sooner than the slow-down allows,
// otherwise counted as a failure until passwordAccepted() clears it (so that attempts sent at
// once are all counted).
void passwordAttempt(Connection &db, const std::string &username, std::int64_t nowMs);
void passwordAccepted(Connection &db, const std::string &username);
// A successful code sign-in forgets the number's wrong codes.
void codeAccepted(Connection &db, const std::string &mobile);

// The limits, for documentation and tests.
constexpr int kWrongCodesPerNumber = 10;
constexpr std::int64_t kCodeLockMinutes = 60;
constexpr int kFreePasswordFailures = 3;
constexpr std::int64_t kPasswordPauseSeconds = 1;
constexpr int kPasswordFailuresBeforeLock = 10;
constexpr std::int64_t kPasswordLockMinutes = 15;

} // namespace SignInGuard
