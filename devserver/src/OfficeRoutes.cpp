#include "OfficeRoutes.h"

#include "ApiError.h"
#include "ApiRouter.h"
#include "Clock.h"
#include "JsonNesting.h"
#include "Records.h"
#include "ServiceContext.h"
#include "TextRules.h"

namespace OfficeRoutes {

namespace {

constexpr double kMashhadLatitude = 36.29864;
constexpr double kMashhadLongitude = 59.60666;

nlohmann::json textArray(const Params &params, const std::string &key) {
    nlohmann::json list = nlohmann::json::array();
    for (const std::string &item : params.textList(key)) {
        const std::string value = TextRules::trimmed(item);
        if (TextRules::characterCount(value) > 20)
            throw ApiError::invalidValue(key);
        if (!value.empty())
            list.push_back(value);
    }
    return list;
}

struct OfficeFields {
    std::string title, areaId, address, website;
    double latitude = kMashhadLatitude, longitude = kMashhadLongitude;
    nlohmann::json phones, mobiles;
};

OfficeFields readOffice(Call &call) {
    OfficeFields fields;
    fields.title = TextRules::required(call.params, "title", 100);
    fields.areaId = call.params.text("areaId");
    if (Records::area(call.db, fields.areaId).is_null())
        throw ApiError::refused("منطقه انتخاب شده وجود ندارد");
    fields.address = TextRules::limited(call.params, "address", 300);
    fields.website = TextRules::limited(call.params, "website", 200);
    const nlohmann::json location = call.params.object("location");
    if (!location.empty()) {
        const auto latitude = ValueRead::asNumber(location.value("latitude", nlohmann::json()));
        const auto longitude = ValueRead::asNumber(location.value("longitude", nlohmann::json()));
        if (!latitude || !longitude || *latitude < -90 || *latitude > 90 || *longitude < -180 ||
            *longitude > 180)
            throw ApiError::invalidValue("location");
        fields.latitude = *latitude;
        fields.longitude = *longitude;
    }
    fields.phones = textArray(call.params, "phoneArray");
    fields.mobiles = textArray(call.params, "mobileArray");
    return fields;
}

nlohmann::json getMyOffice(Call &call) {
    return {{"office", Records::office(call.db, call.caller.officeId)}};
}

nlohmann::json createOffice(Call &call) {
    if (!call.caller.officeId.empty())
        throw ApiError::refused("شما قبلا دفتر املاک خود را ثبت کرده‌اید");
    const OfficeFields fields = readOffice(call);
    Transaction transaction(call.db);
    // A new office starts on the service's trial plan.
    Statement trial = call.db.prepare("SELECT id, expdays FROM plans WHERE system_plan = 1 AND status = 1 "
                                      "ORDER BY price LIMIT 1");
    std::string planId;
    std::int64_t expires = 0;
    if (trial.step()) {
        planId = trial.text(0);
        expires = Clock::nowMs() + trial.integer(1) * 24 * 3600 * 1000;
    }
    const std::string officeId = Ids::newId();
    Statement insert = call.db.prepare(
        "INSERT INTO offices(id, title, area_id, address, website, latitude, longitude, phones, mobiles, "
        "current_plan_id, plan_expires_ms, created_at) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    insert.bind(1, officeId)
        .bind(2, fields.title)
        .bind(3, fields.areaId)
        .bind(4, fields.address)
        .bind(5, fields.website)
        .bind(6, fields.latitude)
        .bind(7, fields.longitude)
        .bind(8, fields.phones.dump())
        .bind(9, fields.mobiles.dump());
    insert.bindTextOrNull(10, planId);
    insert.bind(11, expires).bind(12, Clock::isoNow()).run();
    call.db.prepare("UPDATE users SET office_id = ? WHERE id = ?")
        .bind(1, officeId)
        .bind(2, call.caller.userId)
        .run();
    transaction.commit();
    call.messages.push_back("دفتر املاک شما با موفقیت ثبت شد");
    return {{"office", Records::office(call.db, officeId)}};
}

nlohmann::json updateOffice(Call &call) {
    const std::string officeId = call.params.textOr("officeId", call.caller.officeId);
    if (officeId != call.caller.officeId)
        throw ApiError::notFound("دفتر مورد نظر یافت نشد");
    const OfficeFields fields = readOffice(call);
    Transaction transaction(call.db);
    call.db
        .prepare("UPDATE offices SET title = ?, area_id = ?, address = ?, website = ?, latitude = ?, "
                 "longitude = ?, "
                 "phones = ?, mobiles = ? WHERE id = ?")
        .bind(1, fields.title)
        .bind(2, fields.areaId)
        .bind(3, fields.address)
        .bind(4, fields.website)
        .bind(5, fields.latitude)
        .bind(6, fields.longitude)
        .bind(7, fields.phones.dump())
        .bind(8, fields.mobiles.dump())
        .bind(9, officeId)
        .run();
    transaction.commit();
    call.messages.push_back("اطلاعات دفتر ذخیره شد");
    return {{"office", Records::office(call.db, officeId)}};
}

// Stores the office's extra areas, commits and answers with the office.
nlohmann::json saveExtraAreas(Call &call, Transaction &transaction, const nlohmann::json &areas,
                              const std::string &message) {
    call.db.prepare("UPDATE offices SET extra_area_ids = ? WHERE id = ?")
        .bind(1, areas.dump())
        .bind(2, call.caller.officeId)
        .run();
    transaction.commit();
    call.messages.push_back(message);
    return {{"office", Records::office(call.db, call.caller.officeId)}};
}

nlohmann::json addExtraArea(Call &call) {
    const std::string areaId = call.params.text("areaId");
    if (Records::area(call.db, areaId).is_null())
        throw ApiError::refused("منطقه انتخاب شده وجود ندارد");
    Transaction transaction(call.db);
    nlohmann::json office = Records::office(call.db, call.caller.officeId);
    if (!office.contains("currentPlan"))
        throw ApiError::refused("دفتر شما پلن فعالی ندارد");
    nlohmann::json areas = office["currentPlan"]["extraAreaIds"];
    for (const auto &id : areas) {
        if (id == areaId)
            throw ApiError::refused("این منطقه قبلا به پلن شما اضافه شده است");
    }
    if (office["currentPlan"]["remainingAreas"]["remaining"].get<std::int64_t>() <= 0)
        throw ApiError::refused("سقف مناطق اضافه پلن شما تکمیل شده است");
    areas.push_back(areaId);
    return saveExtraAreas(call, transaction, areas, "منطقه به پلن شما اضافه شد");
}

nlohmann::json deleteExtraAreas(Call &call) {
    std::vector<std::string> removed = call.params.textList("areaIds");
    if (call.params.has("areaId"))
        removed.push_back(call.params.text("areaId"));
    if (removed.empty())
        throw ApiError::missingValue("areaIds");
    Transaction transaction(call.db);
    nlohmann::json areas = nlohmann::json::parse(
        call.db.scalarText("SELECT extra_area_ids FROM offices WHERE id = ?", {call.caller.officeId}, "[]"));
    nlohmann::json kept = nlohmann::json::array();
    for (const auto &id : areas) {
        if (std::find(removed.begin(), removed.end(), id.get<std::string>()) == removed.end())
            kept.push_back(id);
    }
    return saveExtraAreas(call, transaction, kept, "مناطق انتخاب شده از پلن حذف شد");
}

nlohmann::json getMyFolders(Call &call) {
    return {{"folders", Records::folders(call.db, call.caller.officeId,
                                         call.caller.isManager() ? std::string() : call.caller.userId)}};
}

nlohmann::json createFolder(Call &call) {
    const std::string title = TextRules::required(call.params, "title", 100);
    std::string query;
    const nlohmann::json &raw = call.params.raw();
    if (raw.contains("query") && raw["query"].is_object()) {
        query = raw["query"].dump();
    } else {
        query = call.params.text("query");
        if (!JsonNesting::within(query))
            throw ApiError::badRequest("ساختار متن درخواست بیش از حد تودرتو است");
        const nlohmann::json parsed = nlohmann::json::parse(query, nullptr, false);
        if (parsed.is_discarded() || !parsed.is_object())
            throw ApiError::invalidValue("query");
    }
    const bool systemFolder = call.params.flag("systemFolder", false);
    const nlohmann::json options = call.params.object("options");
    const std::int64_t existing =
        call.db.scalarInt("SELECT COUNT(*) FROM folders WHERE office_id = ?", {call.caller.officeId});
    if (existing >= 100)
        throw ApiError::refused(
            "تعداد پوشه‌های دفتر به سقف مجاز رسیده است");
    const std::string id = Ids::newId();
    Transaction transaction(call.db);
    call.db
        .prepare(
            "INSERT INTO folders(id, office_id, title, query, system_folder, options, users, created_at) "
            "VALUES(?, ?, ?, ?, ?, ?, '[]', ?)")
        .bind(1, id)
        .bind(2, call.caller.officeId)
        .bind(3, title)
        .bind(4, query)
        .bind(5, systemFolder ? 1 : 0)
        .bind(6, options.dump())
        .bind(7, Clock::isoNow())
        .run();
    transaction.commit();
    return {{"folder", {{"_id", id}, {"id", id}, {"title", title}, {"query", query}}}};
}

nlohmann::json changeFolderUsers(Call &call, bool add) {
    const std::vector<std::string> folderIds = call.params.textList("folderIds");
    const std::string userId = call.params.text("userId");
    if (call.db.scalarInt("SELECT COUNT(*) FROM users WHERE id = ? AND office_id = ?",
                          {userId, call.caller.officeId}) == 0)
        throw ApiError::notFound("کاربر مورد نظر یافت نشد");
    Transaction transaction(call.db);
    for (const std::string &folderId : folderIds) {
        const std::string usersText = call.db.scalarText(
            "SELECT users FROM folders WHERE id = ? AND office_id = ?", {folderId, call.caller.officeId});
        if (usersText.empty())
            throw ApiError::notFound("پوشه مورد نظر یافت نشد");
        nlohmann::json users = nlohmann::json::parse(usersText, nullptr, false);
        if (!users.is_array())
            users = nlohmann::json::array();
        nlohmann::json changed = nlohmann::json::array();
        for (const auto &id : users) {
            if (id != userId)
                changed.push_back(id);
        }
        if (add)
            changed.push_back(userId);
        call.db.prepare("UPDATE folders SET users = ? WHERE id = ?")
            .bind(1, changed.dump())
            .bind(2, folderId)
            .run();
    }
    transaction.commit();
    call.messages.push_back(add ? "دسترسی کاربر به پوشه‌ها ثبت شد"
                                : "دسترسی کاربر از پوشه‌ها برداشته شد");
    return nlohmann::json::object();
}

nlohmann::json searchAreas(Call &call) {
    const std::int64_t page = call.params.page();
    const std::int64_t count = call.params.count(100000, 100000);
    std::string sql =
        "SELECT id AS \"_id\", title, description, status, latitude, longitude, created_at FROM areas";
    std::vector<SqlValue> values;
    if (auto status = call.params.optInteger("status")) {
        sql += " WHERE status = ?";
        values.emplace_back(*status);
    }
    sql += " ORDER BY sort, title LIMIT ? OFFSET ?";
    values.emplace_back(count);
    values.emplace_back((page - 1) * count);
    Statement statement = call.db.prepare(sql);
    statement.bindAll(values);
    nlohmann::json data = nlohmann::json::array();
    while (statement.step())
        data.push_back(statement.rowObject());
    return {{"areas", {{"data", data}, {"page", page}, {"count", count}}}};
}

} // namespace

void install(ApiRouter &router) {
    using Access = ApiRouter::Access;
    router.role("office/getMyOffice", Access::Office, getMyOffice);
    router.role("office/createOffice", Access::Founder, createOffice);
    router.role("office/updateOffice", Access::Manager, updateOffice);
    router.role("office/addExtraArea", Access::Manager, addExtraArea);
    router.role("office/deleteExtraAreas", Access::Manager, deleteExtraAreas);
    router.role("folders/getMyFolders", Access::Office, getMyFolders);
    router.role("folders/createFolder", Access::Manager, createFolder);
    router.role("folders/addFoldersUser", Access::Manager,
                [](Call &call) { return changeFolderUsers(call, true); });
    router.role("folders/removeFoldersUser", Access::Manager,
                [](Call &call) { return changeFolderUsers(call, false); });
    router.plain("areas/searchAreas", Access::SignedIn, searchAreas);
}

} // namespace OfficeRoutes
