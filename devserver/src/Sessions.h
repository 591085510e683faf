#pragma once

#include "Caller.h"
#include "Database.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>

class Params;

// Access and refresh tokens: random opaque strings kept in the database. A sign-in opens one
// session per device; refreshing adds access tokens to it and never replaces the refresh token,
// because the client keeps the first one for good.
class Sessions {
public:
    struct Device {
        std::string platform;
        std::string os;
        std::string deviceId;
        std::string osVersion;
        std::string appVersion;
        static Device fromParams(const Params &params);
    };

    explicit Sessions(std::int64_t accessLifetimeSeconds);

    // Opens a session for `userId` on `device`; refuses with DEVICE_LIMIT_REACHED when the user
    // already uses as many devices of that platform as the plan allows. Returns {token, refreshToken}.
    nlohmann::json signIn(Connection &connection, const std::string &userId, const Device &device) const;
    // A new access token for the session of `refreshToken`.
    std::string refresh(Connection &connection, const std::string &refreshToken, const Device &device) const;
    // Resolves an "Authorization" header value; throws ApiError for missing, expired or unknown tokens.
    Caller authenticate(Connection &connection, const std::string &authorization) const;

    static int maxLogins(Connection &connection, const std::string &userId, const std::string &platform);

private:
    std::string issueAccessToken(Connection &connection, const std::string &sessionId) const;
    std::int64_t m_lifetimeMs;
};
