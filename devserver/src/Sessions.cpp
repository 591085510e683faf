#include "Sessions.h"

#include "ApiError.h"
#include "Clock.h"
#include "Params.h"

namespace {

constexpr std::int64_t kSessionIdleMs = 30LL * 24 * 3600 * 1000;

const char *const kDeviceLimitText =
    "تعداد دستگاه‌های مجاز برای ورود به این حساب تکمیل شده است. برای ورود از این دستگاه، پلن دفتر را ارتقا دهید یا با پشتیبانی تماس بگیرید";

} // namespace

Sessions::Device Sessions::Device::fromParams(const Params &params) {
    Device device;
    device.platform = params.textOr("platform", "desktop");
    if (device.platform != "desktop" && device.platform != "mobile")
        device.platform = "mobile";
    device.os = params.textOr("os", "");
    device.deviceId = params.textOr("deviceId", "");
    device.osVersion = params.textOr("osVersion", "");
    device.appVersion = params.textOr("appVersion", "");
    if (device.deviceId.size() > 200 || device.os.size() > 100 || device.osVersion.size() > 200 ||
        device.appVersion.size() > 50)
        throw ApiError::badRequest("مشخصات دستگاه معتبر نیست");
    return device;
}

Sessions::Sessions(std::int64_t accessLifetimeSeconds)
    : m_lifetimeMs(accessLifetimeSeconds * 1000) {}

int Sessions::maxLogins(Connection &connection, const std::string &userId, const std::string &platform) {
    Statement statement = connection.prepare(
        "SELECT p.max_logins_desktop, p.max_logins_mobile FROM users u JOIN offices o ON o.id = u.office_id "
        "JOIN plans p ON p.id = o.current_plan_id WHERE u.id = ?");
    statement.bind(1, userId);
    if (statement.step())
        return static_cast<int>(platform == "desktop" ? statement.integer(0) : statement.integer(1));
    return 2; // a manager without an office yet
}

std::string Sessions::issueAccessToken(Connection &connection, const std::string &sessionId) const {
    const std::int64_t now = Clock::nowMs();
    connection.prepare("DELETE FROM access_tokens WHERE session_id = ? AND expires_ms < ?")
        .bind(1, sessionId)
        .bind(2, now - 3600 * 1000)
        .run();
    const std::string token = "at_" + Ids::randomToken(24);
    connection.prepare("INSERT INTO access_tokens(token, session_id, expires_ms) VALUES(?, ?, ?)")
        .bind(1, token)
        .bind(2, sessionId)
        .bind(3, now + m_lifetimeMs)
        .run();
    connection.prepare("UPDATE sessions SET last_used_ms = ? WHERE id = ?")
        .bind(1, now)
        .bind(2, sessionId)
        .run();
    return token;
}

nlohmann::json Sessions::signIn(Connection &connection, const std::string &userId,
                                const Device &device) const {
    const std::int64_t now = Clock::nowMs();
    // Sessions unused for a month no longer hold a device slot.
    connection
        .prepare(
            "DELETE FROM access_tokens WHERE session_id IN (SELECT id FROM sessions WHERE user_id = ? AND "
            "last_used_ms < ?)")
        .bind(1, userId)
        .bind(2, now - kSessionIdleMs)
        .run();
    connection.prepare("DELETE FROM sessions WHERE user_id = ? AND last_used_ms < ?")
        .bind(1, userId)
        .bind(2, now - kSessionIdleMs)
        .run();

    // Signing in again on a known device replaces that device's session.
    connection
        .prepare(
            "DELETE FROM access_tokens WHERE session_id IN (SELECT id FROM sessions WHERE user_id = ? AND "
            "platform = ? AND device_id = ?)")
        .bind(1, userId)
        .bind(2, device.platform)
        .bind(3, device.deviceId)
        .run();
    connection.prepare("DELETE FROM sessions WHERE user_id = ? AND platform = ? AND device_id = ?")
        .bind(1, userId)
        .bind(2, device.platform)
        .bind(3, device.deviceId)
        .run();

    const std::int64_t devices = connection.scalarInt(
        "SELECT COUNT(DISTINCT device_id) FROM sessions WHERE user_id = ? AND platform = ?",
        {userId, device.platform});
    if (devices >= maxLogins(connection, userId, device.platform))
        throw ApiError::refused(kDeviceLimitText, "DEVICE_LIMIT_REACHED");

    const std::string sessionId = Ids::newId();
    const std::string refreshToken = "rt_" + Ids::randomToken(32);
    connection
        .prepare("INSERT INTO sessions(id, user_id, platform, device_id, os, os_version, app_version, "
                 "refresh_token, "
                 "created_ms, last_used_ms) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .bind(1, sessionId)
        .bind(2, userId)
        .bind(3, device.platform)
        .bind(4, device.deviceId)
        .bind(5, device.os)
        .bind(6, device.osVersion)
        .bind(7, device.appVersion)
        .bind(8, refreshToken)
        .bind(9, now)
        .bind(10, now)
        .run();
    return {{"token", issueAccessToken(connection, sessionId)}, {"refreshToken", refreshToken}};
}

std::string Sessions::refresh(Connection &connection, const std::string &refreshToken,
                              const Device &device) const {
    Statement statement = connection.prepare("SELECT s.id, s.user_id, s.platform, s.created_ms, u.status "
                                             "FROM sessions s JOIN users u ON u.id = s.user_id "
                                             "WHERE s.refresh_token = ?");
    statement.bind(1, refreshToken);
    if (!statement.step())
        throw ApiError(401, "نشست شما معتبر نیست؛ لطفا دوباره وارد حساب کاربری شوید", {},
                       "E_INVALID_REFRESH_TOKEN");
    const std::string sessionId = statement.text(0);
    const std::string userId = statement.text(1);
    const std::string platform = statement.text(2);
    const std::int64_t createdMs = statement.integer(3);
    const std::int64_t status = statement.integer(4);
    if (status <= 0)
        throw ApiError::forbidden("حساب کاربری شما غیرفعال است");
    (void)device;

    // Devices keep their slots in sign-in order; when the plan now allows fewer, the latest
    // devices are the ones signed out.
    const std::int64_t earlierDevices =
        connection.scalarInt("SELECT COUNT(DISTINCT device_id) FROM sessions WHERE user_id = ? AND platform "
                             "= ? AND created_ms < ?",
                             {userId, platform, createdMs});
    if (earlierDevices >= maxLogins(connection, userId, platform)) {
        connection.prepare("DELETE FROM access_tokens WHERE session_id = ?").bind(1, sessionId).run();
        connection.prepare("DELETE FROM sessions WHERE id = ?").bind(1, sessionId).run();
        throw ApiError::refused(kDeviceLimitText, "DEVICE_LIMIT_REACHED");
    }
    return issueAccessToken(connection, sessionId);
}

Caller Sessions::authenticate(Connection &connection, const std::string &authorization) const {
    const std::string prefix = "Bearer ";
    if (authorization.empty())
        throw ApiError::unauthorized("برای استفاده از این بخش ابتدا وارد حساب کاربری خود شوید", "E_NO_TOKEN");
    if (authorization.rfind(prefix, 0) != 0 || authorization.size() <= prefix.size())
        throw ApiError::unauthorized("توکن دسترسی معتبر نیست؛ لطفا دوباره وارد شوید", "E_JWT_INVALID");
    const std::string token = authorization.substr(prefix.size());
    Statement statement = connection.prepare(
        "SELECT t.expires_ms, u.id, IFNULL(u.office_id, ''), u.system_role, u.fname, u.lname, u.status "
        "FROM access_tokens t JOIN sessions s ON s.id = t.session_id JOIN users u ON u.id = s.user_id "
        "WHERE t.token = ?");
    statement.bind(1, token);
    if (!statement.step())
        throw ApiError::unauthorized("توکن دسترسی معتبر نیست؛ لطفا دوباره وارد شوید", "E_JWT_INVALID");
    if (statement.integer(0) < Clock::nowMs())
        throw ApiError::unauthorized("اعتبار نشست شما به پایان رسیده است", "E_JWT_TOKEN_EXPIRED");
    Caller caller;
    caller.userId = statement.text(1);
    caller.officeId = statement.text(2);
    caller.role = statement.text(3);
    caller.fname = statement.text(4);
    caller.lname = statement.text(5);
    caller.status = static_cast<int>(statement.integer(6));
    if (caller.status <= 0)
        throw ApiError::forbidden("حساب کاربری شما غیرفعال است");
    return caller;
}
