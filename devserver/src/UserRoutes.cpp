#include "UserRoutes.h"

#include "ApiError.h"
#include "ApiRouter.h"
#include "Clock.h"
#include "Passwords.h"
#include "Records.h"
#include "TextRules.h"

namespace UserRoutes {

namespace {

void checkUsername(const std::string &text) {
    // A mobile number is how a manager signs in (and up); an adviser taking one would shut its
    // owner out.
    if (TextRules::isMobile(text))
        throw ApiError::refused("نام کاربری نمی‌تواند شماره موبایل باشد");
    bool valid = text.size() >= 3 && text.size() <= 30;
    for (char c : text) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
              c == '.'))
            valid = false;
    }
    if (!valid)
        throw ApiError::refused("نام کاربری باید ۳ تا ۳۰ حرف انگلیسی، عدد، نقطه یا زیرخط باشد");
}

void checkPassword(const std::string &password) {
    if (password.size() < 4 || password.size() > 64)
        throw ApiError::refused("رمز عبور باید بین ۴ تا ۶۴ کاراکتر باشد");
}

// Refuses when the office already has as many active users as its plan allows.
void checkUserLimit(Connection &db, const std::string &officeId) {
    Statement plan = db.prepare("SELECT p.max_users_count + o.extra_users FROM offices o JOIN plans p ON "
                                "p.id = o.current_plan_id WHERE o.id = ?");
    plan.bind(1, officeId);
    const std::int64_t allowed = plan.step() ? plan.integer(0) + 1 : 1;
    const std::int64_t active =
        db.scalarInt("SELECT COUNT(*) FROM users WHERE office_id = ? AND status > 0", {officeId});
    if (active >= allowed)
        throw ApiError::refused(
            "سقف تعداد کاربران پلن دفتر شما تکمیل شده است؛ برای افزودن کاربر، کاربر اضافه خریداری کنید",
            "USER_LIMIT_REACHED");
}

void checkUniqueUsername(Connection &db, const std::string &username, const std::string &exceptUserId) {
    if (db.scalarInt("SELECT COUNT(*) FROM users WHERE username = ? AND id <> ?", {username, exceptUserId}) >
        0)
        throw ApiError::refused("این نام کاربری قبلا ثبت شده است؛ نام دیگری انتخاب کنید");
}

std::string officeUser(Call &call, const std::string &userId) {
    const std::string role =
        call.db.scalarText("SELECT system_role FROM users WHERE id = ? AND office_id = ? AND "
                           "status <> -2",
                           {userId, call.caller.officeId});
    if (role.empty())
        throw ApiError::notFound("کاربر مورد نظر یافت نشد");
    return role;
}

void dropSessions(Connection &db, const std::string &userId) {
    db.prepare("DELETE FROM access_tokens WHERE session_id IN (SELECT id FROM sessions WHERE user_id = ?)")
        .bind(1, userId)
        .run();
    db.prepare("DELETE FROM sessions WHERE user_id = ?").bind(1, userId).run();
}

nlohmann::json createEmployee(Call &call) {
    const std::string fname = TextRules::required(call.params, "fname", 60);
    const std::string lname = TextRules::required(call.params, "lname", 60);
    const std::string email = TextRules::limited(call.params, "email", 120);
    const std::string username = TextRules::trimmed(call.params.text("username"));
    const std::string password = call.params.text("password");
    const std::string mobile = TextRules::limited(call.params, "mobile", 20);
    checkUsername(username);
    checkPassword(password);
    if (!mobile.empty() && !TextRules::isMobile(mobile))
        throw ApiError::refused("شماره همراه وارد شده معتبر نیست");
    if (!email.empty() && !TextRules::isEmail(email))
        throw ApiError::refused("ایمیل وارد شده معتبر نیست");
    Transaction transaction(call.db);
    checkUniqueUsername(call.db, username, "");
    checkUserLimit(call.db, call.caller.officeId);
    const auto hashed = Passwords::hash(password);
    const std::string id = Ids::newId();
    call.db
        .prepare("INSERT INTO users(id, office_id, system_role, fname, lname, username, mobile, email, "
                 "password_hash, "
                 "password_salt, status, created_at) VALUES(?, ?, 'employee', ?, ?, ?, ?, ?, ?, ?, 2, ?)")
        .bind(1, id)
        .bind(2, call.caller.officeId)
        .bind(3, fname)
        .bind(4, lname)
        .bind(5, username)
        .bind(6, mobile)
        .bind(7, email)
        .bind(8, hashed.hash)
        .bind(9, hashed.salt)
        .bind(10, Clock::isoNow())
        .run();
    transaction.commit();
    call.messages.push_back("مشاور جدید ثبت شد");
    return {{"user", Records::user(call.db, id)}};
}

nlohmann::json createManager(Call &call) {
    const std::string fname = TextRules::required(call.params, "fname", 60);
    const std::string lname = TextRules::required(call.params, "lname", 60);
    const std::string email = TextRules::limited(call.params, "email", 120);
    const std::string phone = TextRules::trimmed(call.params.text("phone"));
    if (!TextRules::isMobile(phone))
        throw ApiError::refused("شماره همراه مدیر باید با ۰۹ شروع شود و ۱۱ رقم باشد");
    if (!email.empty() && !TextRules::isEmail(email))
        throw ApiError::refused("ایمیل وارد شده معتبر نیست");
    Transaction transaction(call.db);
    if (call.db.scalarInt("SELECT COUNT(*) FROM users WHERE username = ?", {phone}) > 0)
        throw ApiError::refused("این شماره همراه قبلا در سامانه ثبت شده است");
    checkUserLimit(call.db, call.caller.officeId);
    const std::string id = Ids::newId();
    call.db
        .prepare("INSERT INTO users(id, office_id, system_role, fname, lname, username, mobile, phone, "
                 "email, status, "
                 "created_at) VALUES(?, ?, 'officeMan', ?, ?, ?, ?, ?, ?, 2, ?)")
        .bind(1, id)
        .bind(2, call.caller.officeId)
        .bind(3, fname)
        .bind(4, lname)
        .bind(5, phone)
        .bind(6, phone)
        .bind(7, phone)
        .bind(8, email)
        .bind(9, Clock::isoNow())
        .run();
    transaction.commit();
    call.messages.push_back("مدیر جدید ثبت شد");
    return {{"user", Records::user(call.db, id)}};
}

nlohmann::json searchUsers(Call &call) {
    const std::int64_t page = call.params.page();
    const std::int64_t count = call.params.count(20, 1000);
    std::string sql = std::string(Records::kUserSelect) + "WHERE office_id = ?";
    std::vector<SqlValue> values{call.caller.officeId};
    const std::string name = TextRules::trimmed(call.params.textOr("fname", call.params.textOr("lname", "")));
    if (!name.empty()) {
        sql += " AND (instr(fname, ?) > 0 OR instr(lname, ?) > 0 OR instr(username, ?) > 0)";
        values.insert(values.end(), {name, name, name});
    }
    if (auto status = call.params.optInteger("status")) {
        sql += " AND status = ?";
        values.emplace_back(*status);
    } else {
        sql += " AND status <> -2";
    }
    sql += " ORDER BY created_at LIMIT ? OFFSET ?";
    values.emplace_back(count);
    values.emplace_back((page - 1) * count);
    Statement statement = call.db.prepare(sql);
    statement.bindAll(values);
    const nlohmann::json office = {
        {"_id", call.caller.officeId},
        {"title", call.db.scalarText("SELECT title FROM offices WHERE id = ?", {call.caller.officeId})}};
    nlohmann::json data = nlohmann::json::array();
    while (statement.step()) {
        nlohmann::json user = Records::userFromRow(statement.rowObject());
        user["office"] = office;
        data.push_back(std::move(user));
    }
    return {{"users", {{"data", data}, {"page", page}, {"count", count}}}};
}

nlohmann::json updateUser(Call &call) {
    const std::string userId = call.params.text("userId");
    const std::string role = officeUser(call, userId);
    const std::string fname = TextRules::required(call.params, "fname", 60);
    const std::string lname = TextRules::required(call.params, "lname", 60);
    const std::string email = TextRules::limited(call.params, "email", 120);
    if (!email.empty() && !TextRules::isEmail(email))
        throw ApiError::refused("ایمیل وارد شده معتبر نیست");
    Transaction transaction(call.db);
    call.db.prepare("UPDATE users SET fname = ?, lname = ?, email = ? WHERE id = ?")
        .bind(1, fname)
        .bind(2, lname)
        .bind(3, email)
        .bind(4, userId)
        .run();
    if (role == "employee") {
        if (call.params.has("username")) {
            const std::string username = TextRules::trimmed(call.params.text("username"));
            checkUsername(username);
            checkUniqueUsername(call.db, username, userId);
            call.db.prepare("UPDATE users SET username = ? WHERE id = ?")
                .bind(1, username)
                .bind(2, userId)
                .run();
        }
        const std::string mobile = TextRules::limited(call.params, "mobile", 20);
        if (!mobile.empty() && !TextRules::isMobile(mobile))
            throw ApiError::refused("شماره همراه وارد شده معتبر نیست");
        call.db.prepare("UPDATE users SET mobile = ? WHERE id = ?").bind(1, mobile).bind(2, userId).run();
    } else {
        const std::string phone = TextRules::limited(call.params, "phone", 20);
        if (!phone.empty()) {
            if (!TextRules::isPhone(phone))
                throw ApiError::refused("شماره تلفن وارد شده معتبر نیست");
            call.db.prepare("UPDATE users SET phone = ? WHERE id = ?").bind(1, phone).bind(2, userId).run();
        }
    }
    transaction.commit();
    call.messages.push_back("اطلاعات کاربر ذخیره شد");
    return {{"user", Records::user(call.db, userId)}};
}

nlohmann::json updateStatus(Call &call) {
    const std::vector<std::string> userIds = call.params.textList("userIds");
    if (userIds.empty())
        throw ApiError::missingValue("userIds");
    const std::int64_t status = call.params.integer("newStatus");
    if (status < -1 || status > 2)
        throw ApiError::invalidValue("newStatus");
    Transaction transaction(call.db);
    for (const auto &userId : userIds) {
        officeUser(call, userId);
        if (userId == call.caller.userId)
            throw ApiError::refused(
                "نمی‌توانید وضعیت حساب خودتان را تغییر دهید");
        const std::int64_t current = call.db.scalarInt("SELECT status FROM users WHERE id = ?", {userId});
        if (status > 0 && current <= 0)
            checkUserLimit(call.db, call.caller.officeId);
        call.db.prepare("UPDATE users SET status = ? WHERE id = ?").bind(1, status).bind(2, userId).run();
        if (status <= 0)
            dropSessions(call.db, userId);
    }
    transaction.commit();
    call.messages.push_back(status > 0 ? "کاربر فعال شد" : "کاربر غیرفعال شد");
    return nlohmann::json::object();
}

nlohmann::json deleteUsers(Call &call) {
    const std::vector<std::string> userIds = call.params.textList("userIds");
    if (userIds.empty())
        throw ApiError::missingValue("userIds");
    Transaction transaction(call.db);
    for (const auto &userId : userIds) {
        officeUser(call, userId);
        if (userId == call.caller.userId)
            throw ApiError::refused("نمی‌توانید حساب خودتان را حذف کنید");
        call.db.prepare("UPDATE users SET status = -2 WHERE id = ?").bind(1, userId).run();
        dropSessions(call.db, userId);
        // A deleted adviser loses his folder access.
        call.db
            .prepare("UPDATE folders SET users = (SELECT json_group_array(value) FROM "
                     "json_each(folders.users) WHERE "
                     "value <> ?) WHERE office_id = ?")
            .bind(1, userId)
            .bind(2, call.caller.officeId)
            .run();
    }
    transaction.commit();
    call.messages.push_back("کاربر حذف شد");
    return nlohmann::json::object();
}

nlohmann::json resetPassword(Call &call) {
    const std::string userId = call.params.text("userId");
    // A manager signs in with the code sent to his mobile; a password set here would let anyone
    // who knows it in without that code.
    if (officeUser(call, userId) != "employee")
        throw ApiError::forbidden("رمز عبور فقط برای مشاوران تعیین می‌شود");
    const std::string password = call.params.text("newPassword");
    const std::string again = call.params.text("rePassword");
    if (password != again)
        throw ApiError::refused("رمز عبور و تکرار آن یکسان نیستند");
    checkPassword(password);
    const auto hashed = Passwords::hash(password);
    Transaction transaction(call.db);
    call.db.prepare("UPDATE users SET password_hash = ?, password_salt = ? WHERE id = ?")
        .bind(1, hashed.hash)
        .bind(2, hashed.salt)
        .bind(3, userId)
        .run();
    transaction.commit();
    call.messages.push_back("رمز عبور کاربر تغییر کرد");
    return nlohmann::json::object();
}

} // namespace

void install(ApiRouter &router) {
    using Access = ApiRouter::Access;
    router.role("users/createUser/employee", Access::Manager, createEmployee);
    router.role("users/createUser/officeMan", Access::Manager, createManager);
    router.role("users/searchUsers", Access::Manager, searchUsers);
    router.role("users/updateUser", Access::Manager, updateUser);
    router.role("users/updateUsersStatus", Access::Manager, updateStatus);
    router.role("users/deleteUsers", Access::Manager, deleteUsers);
    router.role("users/resetUserPassword", Access::Manager, resetPassword);
}

} // namespace UserRoutes
