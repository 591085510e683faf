#include "AccountRoutes.h"

#include "ApiError.h"
#include "ApiRouter.h"
#include "Clock.h"
#include "Passwords.h"
#include "Records.h"
#include "ServiceContext.h"
#include "SignInGuard.h"
#include "TextRules.h"

#include <filesystem>
#include <iostream>

namespace AccountRoutes {

namespace {

constexpr std::int64_t kCodeLifetimeMs = 5 * 60 * 1000;
constexpr int kCodeAttempts = 5;

nlohmann::json refresh(Call &call) {
    const std::string refreshToken = call.request.get_header_value("refreshtoken");
    const auto device = Sessions::Device::fromParams(call.params);
    Transaction transaction(call.db);
    const std::string token = call.context.sessions().refresh(call.db, refreshToken, device);
    transaction.commit();
    return {{"token", {{"token", token}}}};
}

bool isRefresh(const Call &call) {
    return call.request.has_header("refreshtoken") && !call.params.has("username");
}

nlohmann::json signInUser(Call &call, const std::string &userId) {
    const auto device = Sessions::Device::fromParams(call.params);
    Transaction transaction(call.db);
    nlohmann::json token = call.context.sessions().signIn(call.db, userId, device);
    transaction.commit();
    return {{"token", token}, {"user", Records::user(call.db, userId)}};
}

nlohmann::json managerLogin(Call &call) {
    if (isRefresh(call))
        return refresh(call);
    const std::string mobile = call.params.text("username");
    if (!TextRules::isMobile(mobile))
        throw ApiError::refused("شماره موبایل وارد شده معتبر نیست");

    if (!call.params.has("verificationCode")) {
        const std::string code = call.context.options().fixedCode.empty()
                                     ? std::to_string(Ids::randomInt(1000, 9999))
                                     : call.context.options().fixedCode;
        Transaction transaction(call.db);
        const ServiceOptions &options = call.context.options();
        SignInGuard::codeRequested(call.db, mobile, {options.codeIntervalSeconds, options.codesPerHour},
                                   Clock::nowMs());
        call.db
            .prepare(
                "INSERT INTO login_codes(mobile, code, expires_ms, attempts) VALUES(?, ?, ?, 0) "
                "ON CONFLICT(mobile) DO UPDATE SET code = excluded.code, expires_ms = excluded.expires_ms, "
                "attempts = 0")
            .bind(1, mobile)
            .bind(2, code)
            .bind(3, Clock::nowMs() + kCodeLifetimeMs)
            .run();
        transaction.commit();
        std::cerr << "sms to " << mobile << ": verification code " << code << std::endl;
        call.messages.push_back("کد تایید به شماره " + mobile + " ارسال شد");
        return nlohmann::json::object();
    }

    const std::string code = call.params.text("verificationCode");
    {
        Transaction transaction(call.db);
        const std::int64_t now = Clock::nowMs();
        // A locked number is refused before its code is even looked at, the right one included.
        SignInGuard::checkCodeLock(call.db, mobile, now);
        Statement statement =
            call.db.prepare("SELECT code, expires_ms, attempts FROM login_codes WHERE mobile = ?");
        statement.bind(1, mobile);
        if (!statement.step() || statement.integer(1) < now)
            throw ApiError::refused("کد تایید منقضی شده است؛ لطفا دوباره کد دریافت کنید");
        if (statement.integer(2) >= kCodeAttempts)
            throw ApiError::refused(
                "تعداد تلاش‌های ناموفق زیاد است؛ لطفا دوباره کد دریافت کنید");
        const bool matches = statement.text(0) == code;
        if (!matches) {
            call.db.prepare("UPDATE login_codes SET attempts = attempts + 1 WHERE mobile = ?")
                .bind(1, mobile)
                .run();
            SignInGuard::wrongCode(call.db, mobile, now);
            transaction.commit();
            throw ApiError::refused("کد تایید وارد شده اشتباه است");
        }
        call.db.prepare("DELETE FROM login_codes WHERE mobile = ?").bind(1, mobile).run();
        SignInGuard::codeAccepted(call.db, mobile);

        Statement existing = call.db.prepare("SELECT id, system_role, status FROM users WHERE username = ?");
        existing.bind(1, mobile);
        std::string userId;
        if (existing.step()) {
            if (existing.text(1) != "officeMan")
                throw ApiError::refused("این شماره برای ورود مدیر دفتر ثبت نشده است");
            if (existing.integer(2) <= 0)
                throw ApiError::refused("حساب کاربری شما غیرفعال است؛ با مدیر سامانه تماس بگیرید");
            userId = existing.text(0);
        } else {
            // An unknown number signs up as a manager who still has to register his office.
            userId = Ids::newId();
            call.db
                .prepare("INSERT INTO users(id, office_id, system_role, username, mobile, phone, status, "
                         "created_at) "
                         "VALUES(?, NULL, 'officeMan', ?, ?, ?, 2, ?)")
                .bind(1, userId)
                .bind(2, mobile)
                .bind(3, mobile)
                .bind(4, mobile)
                .bind(5, Clock::isoNow())
                .run();
        }
        transaction.commit();
        return signInUser(call, userId);
    }
}

nlohmann::json employeeLogin(Call &call) {
    if (isRefresh(call))
        return refresh(call);
    const std::string username = call.params.text("username");
    const std::string password = call.params.text("password");
    {
        // Counted as a failure before the password is checked, so that attempts sent at once
        // cannot slip past the limit together.
        Transaction transaction(call.db);
        SignInGuard::passwordAttempt(call.db, username, Clock::nowMs());
        transaction.commit();
    }
    // Only advisers sign in by password; a manager's account is entered with the code sent to
    // his mobile, whatever password it may have been given.
    Statement statement =
        call.db.prepare("SELECT id, password_hash, password_salt, status FROM users WHERE username = ? AND "
                        "password_hash IS NOT NULL AND system_role = 'employee'");
    statement.bind(1, username);
    if (!statement.step() || !Passwords::verify(password, statement.text(1), statement.text(2)))
        throw ApiError::refused("نام کاربری یا رمز عبور اشتباه است");
    const std::string userId = statement.text(0);
    const bool active = statement.integer(3) > 0;
    statement.reset();
    {
        Transaction transaction(call.db);
        SignInGuard::passwordAccepted(call.db, username);
        transaction.commit();
    }
    if (!active)
        throw ApiError::refused("حساب کاربری شما غیرفعال است؛ با مدیر دفتر تماس بگیرید");
    return signInUser(call, userId);
}

nlohmann::json getMe(Call &call) {
    return {{"user", Records::user(call.db, call.caller.userId)}};
}

nlohmann::json updateMe(Call &call) {
    const std::string fname = TextRules::limited(call.params, "fname", 60);
    const std::string lname = TextRules::limited(call.params, "lname", 60);
    const std::string email = TextRules::limited(call.params, "email", 120);
    if (!email.empty() && !TextRules::isEmail(email))
        throw ApiError::refused("ایمیل وارد شده معتبر نیست");
    const std::string phone = TextRules::limited(call.params, "phone", 20);
    Transaction transaction(call.db);
    call.db.prepare("UPDATE users SET fname = ?, lname = ?, email = ? WHERE id = ?")
        .bind(1, fname)
        .bind(2, lname)
        .bind(3, email)
        .bind(4, call.caller.userId)
        .run();
    // Advisers send their user name in this key; only a number is a telephone.
    if (TextRules::isPhone(phone))
        call.db.prepare("UPDATE users SET phone = ? WHERE id = ?")
            .bind(1, phone)
            .bind(2, call.caller.userId)
            .run();
    transaction.commit();
    call.messages.push_back("اطلاعات حساب کاربری ذخیره شد");
    return {{"user", Records::user(call.db, call.caller.userId)}};
}

nlohmann::json searchOptions(Call &call) {
    const ServiceContext &context = call.context;
    nlohmann::json data = nlohmann::json::array();
    data.push_back({{"key", "URLS"},
                    {"value",
                     {{"userAvatarImagesBaseUrl", context.mediaUrl("avatars")},
                      {"propertyImagesBaseUrl", context.mediaUrl("properties")},
                      {"blogImagesBaseUrl", context.mediaUrl("blog")},
                      {"siteUrl", context.siteUrl()},
                      {"termsUrl", context.siteUrl() + "terms"}}}});
    data.push_back({{"key", "SUPPORT"}, {"value", {{"phone", "05138001234"}, {"mobile", "09150001234"}}}});
    data.push_back({{"key", "APP_VERSION"}, {"value", {{"desktop", NORVELA_DEVSERVER_VERSION}}}});
    return {{"sysOpt", {{"data", data}}}};
}

nlohmann::json deleteMyAvatar(Call &call) {
    Transaction transaction(call.db);
    const std::string avatar =
        call.db.scalarText("SELECT avatar FROM users WHERE id = ?", {call.caller.userId});
    call.db.prepare("UPDATE users SET avatar = NULL WHERE id = ?").bind(1, call.caller.userId).run();
    transaction.commit();
    if (TextRules::isStoredFileName(avatar)) {
        std::error_code ignored;
        std::filesystem::remove(call.context.mediaDir("avatars") + "/" + avatar, ignored);
    }
    call.messages.push_back("تصویر پروفایل حذف شد");
    return {{"user", Records::user(call.db, call.caller.userId)}};
}

} // namespace

void install(ApiRouter &router) {
    using Access = ApiRouter::Access;
    router.plain("login/officeMan", Access::Public, managerLogin);
    router.plain("login/employee", Access::Public, employeeLogin);
    router.plain("getMe", Access::SignedIn, getMe);
    router.plain("updateMe", Access::SignedIn, updateMe);
    router.plain("options/searchOptions", Access::Public, searchOptions);
    router.plain("deleteMyAvatar", Access::SignedIn, deleteMyAvatar);
}

} // namespace AccountRoutes
