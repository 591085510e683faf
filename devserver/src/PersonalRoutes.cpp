#include "PersonalRoutes.h"

#include "ApiError.h"
#include "ApiRouter.h"
#include "Clock.h"
#include "TextRules.h"

namespace PersonalRoutes {

namespace {

// A page of the caller's rows of `table`, newest first unless asked otherwise.
nlohmann::json page(Call &call, const std::string &select, const std::string &table, const std::string &key,
                    bool ownRows) {
    const std::int64_t pageNumber = call.params.page();
    const std::int64_t count = call.params.count(100, 100000);
    std::string where = ownRows ? " WHERE user_id = ?" : " WHERE 1";
    std::vector<SqlValue> values;
    if (ownRows)
        values.emplace_back(call.caller.userId);
    if (ownRows && table != "notifications") {
        where += " AND status = ?";
        values.emplace_back(call.params.integerOr("status", 1));
    }
    if (table == "notifications" && call.params.flag("unreadOnly"))
        where += " AND is_read = 0";
    // The address book's search bar: contacts whose name holds the typed text.
    const std::string name =
        table == "contacts" ? TextRules::trimmed(call.params.textOr("fullName", "")) : "";
    if (!name.empty()) {
        where += " AND instr(full_name, ?) > 0";
        values.emplace_back(name);
    }
    const std::int64_t direction = call.params.integerOr("sortDirection", -1);
    const std::string order =
        std::string(" ORDER BY created_at ") + (direction == 1 ? "ASC" : "DESC") + ", id";
    const std::int64_t total = [&] {
        Statement statement = call.db.prepare("SELECT COUNT(*) FROM " + table + where);
        statement.bindAll(values);
        statement.step();
        return statement.integer(0);
    }();
    std::vector<SqlValue> pageValues = values;
    pageValues.emplace_back(count);
    pageValues.emplace_back((pageNumber - 1) * count);
    Statement statement = call.db.prepare(select + " FROM " + table + where + order + " LIMIT ? OFFSET ?");
    statement.bindAll(pageValues);
    nlohmann::json data = nlohmann::json::array();
    while (statement.step())
        data.push_back(statement.rowObject());
    return {{key, {{"data", data}, {"total", total}, {"page", pageNumber}, {"count", count}}}};
}

nlohmann::json mobiles(const Params &params) {
    nlohmann::json list = nlohmann::json::array();
    for (const auto &item : params.textList("mobileArray")) {
        const std::string mobile = TextRules::trimmed(item);
        if (mobile.empty())
            continue;
        if (!TextRules::isPhone(mobile))
            throw ApiError::refused("شماره «" + mobile + "» معتبر نیست");
        list.push_back(mobile);
    }
    if (list.size() > 10)
        throw ApiError::refused("حداکثر ده شماره برای هر مخاطب ثبت می‌شود");
    return list;
}

std::string ownRow(Call &call, const std::string &table, const std::string &key) {
    const std::string id = call.params.text(key);
    if (call.db.scalarInt("SELECT COUNT(*) FROM " + table + " WHERE id = ? AND user_id = ? AND status <> -2",
                          {id, call.caller.userId}) == 0)
        throw ApiError::notFound(table == "contacts" ? "مخاطب مورد نظر یافت نشد"
                                                     : "یادداشت مورد نظر یافت نشد");
    return id;
}

nlohmann::json removeRows(Call &call, const std::string &table, const std::string &key,
                          const std::string &message) {
    const std::vector<std::string> ids = call.params.textList(key);
    if (ids.empty())
        throw ApiError::missingValue(key);
    const bool logical = call.params.flag("logical", true);
    Transaction transaction(call.db);
    for (const auto &id : ids) {
        if (call.db.scalarInt("SELECT COUNT(*) FROM " + table + " WHERE id = ? AND user_id = ?",
                              {id, call.caller.userId}) == 0)
            throw ApiError::notFound("مورد انتخاب شده یافت نشد");
        call.db
            .prepare(logical ? "UPDATE " + table + " SET status = -2 WHERE id = ?"
                             : "DELETE FROM " + table + " WHERE id = ?")
            .bind(1, id)
            .run();
    }
    transaction.commit();
    call.messages.push_back(message);
    return nlohmann::json::object();
}

nlohmann::json createContact(Call &call) {
    const std::string name = TextRules::required(call.params, "fullName", 100);
    const nlohmann::json numbers = mobiles(call.params);
    const std::string id = Ids::newId();
    Transaction transaction(call.db);
    call.db
        .prepare("INSERT INTO contacts(id, user_id, full_name, mobiles, status, created_at) VALUES(?, ?, ?, "
                 "?, 1, ?)")
        .bind(1, id)
        .bind(2, call.caller.userId)
        .bind(3, name)
        .bind(4, numbers.dump())
        .bind(5, Clock::isoNow())
        .run();
    transaction.commit();
    call.messages.push_back("مخاطب ذخیره شد");
    return {{"contact", {{"_id", id}, {"fullName", name}, {"mobileArray", numbers}}}};
}

nlohmann::json updateContact(Call &call) {
    const std::string id = ownRow(call, "contacts", "contactId");
    const std::string name = TextRules::required(call.params, "fullName", 100);
    const nlohmann::json numbers = mobiles(call.params);
    Transaction transaction(call.db);
    call.db.prepare("UPDATE contacts SET full_name = ?, mobiles = ? WHERE id = ?")
        .bind(1, name)
        .bind(2, numbers.dump())
        .bind(3, id)
        .run();
    transaction.commit();
    call.messages.push_back("مخاطب ویرایش شد");
    return nlohmann::json::object();
}

nlohmann::json createNote(Call &call) {
    const std::string title = TextRules::required(call.params, "title", 200);
    const std::string body = TextRules::limited(call.params, "body", 5000);
    const std::string id = Ids::newId();
    Transaction transaction(call.db);
    call.db
        .prepare("INSERT INTO notes(id, user_id, title, body, status, created_at) VALUES(?, ?, ?, ?, 1, ?)")
        .bind(1, id)
        .bind(2, call.caller.userId)
        .bind(3, title)
        .bind(4, body)
        .bind(5, Clock::isoNow())
        .run();
    transaction.commit();
    call.messages.push_back("یادداشت ذخیره شد");
    return {{"note", {{"_id", id}, {"title", title}, {"body", body}}}};
}

nlohmann::json updateNote(Call &call) {
    const std::string id = ownRow(call, "notes", "noteId");
    const std::string title = TextRules::required(call.params, "title", 200);
    const std::string body = TextRules::limited(call.params, "body", 5000);
    Transaction transaction(call.db);
    call.db.prepare("UPDATE notes SET title = ?, body = ? WHERE id = ?")
        .bind(1, title)
        .bind(2, body)
        .bind(3, id)
        .run();
    transaction.commit();
    call.messages.push_back("یادداشت ویرایش شد");
    return nlohmann::json::object();
}

nlohmann::json readNotifications(Call &call) {
    const std::vector<std::string> ids = call.params.textList("notificationIds");
    Transaction transaction(call.db);
    for (const auto &id : ids)
        call.db.prepare("UPDATE notifications SET is_read = 1 WHERE id = ? AND user_id = ?")
            .bind(1, id)
            .bind(2, call.caller.userId)
            .run();
    transaction.commit();
    return nlohmann::json::object();
}

nlohmann::json createContactMessage(Call &call) {
    const std::string type = call.params.text("type");
    if (type != "suggestion" && type != "criticism" && type != "bug_report" && type != "request_option")
        throw ApiError::invalidValue("type");
    const std::string description = TextRules::required(call.params, "description", 3000);
    Transaction transaction(call.db);
    call.db
        .prepare(
            "INSERT INTO contact_messages(id, user_id, type, description, created_at) VALUES(?, ?, ?, ?, ?)")
        .bind(1, Ids::newId())
        .bind(2, call.caller.userId)
        .bind(3, type)
        .bind(4, description)
        .bind(5, Clock::isoNow())
        .run();
    transaction.commit();
    call.messages.push_back("پیام شما ثبت شد؛ سپاس از همراهی شما");
    return nlohmann::json::object();
}

} // namespace

void install(ApiRouter &router) {
    using Access = ApiRouter::Access;
    router.plain("contacts/searchMyContacts", Access::SignedIn, [](Call &call) {
        return page(
            call,
            "SELECT id AS \"_id\", full_name AS fullName, mobiles AS \"j:mobileArray\", status, created_at",
            "contacts", "contacts", true);
    });
    router.plain("contacts/createContact", Access::SignedIn, createContact);
    router.plain("contacts/updateMyContact", Access::SignedIn, updateContact);
    router.plain("contacts/deleteMyContacts", Access::SignedIn,
                 [](Call &call) { return removeRows(call, "contacts", "contactIds", "مخاطب حذف شد"); });
    router.plain("notes/searchMyNotes", Access::SignedIn, [](Call &call) {
        return page(call, "SELECT id AS \"_id\", title, body, status, created_at", "notes", "notes", true);
    });
    router.plain("notes/createNote", Access::SignedIn, createNote);
    router.plain("notes/updateMyNote", Access::SignedIn, updateNote);
    router.plain("notes/deleteMyNotes", Access::SignedIn,
                 [](Call &call) { return removeRows(call, "notes", "noteIds", "یادداشت حذف شد"); });
    router.plain("blog/searchPosts", Access::SignedIn, [](Call &call) {
        return page(
            call,
            "SELECT id AS \"_id\", title, body, url, tags AS \"j:tags\", images AS \"j:images\", created_at",
            "posts", "blogPosts", false);
    });
    router.plain("notifications/getMyNotifications", Access::SignedIn, [](Call &call) {
        return page(call, "SELECT id AS \"_id\", title, body, is_read AS \"b:read\", created_at",
                    "notifications", "notifications", true);
    });
    router.plain("notifications/readMyNotifications", Access::SignedIn, readNotifications);
    router.plain("contactMessages/createContactMessage", Access::SignedIn, createContactMessage);
}

} // namespace PersonalRoutes
