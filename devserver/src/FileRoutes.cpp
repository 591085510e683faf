#include "FileRoutes.h"

#include "ApiError.h"
#include "ApiRouter.h"
#include "Clock.h"
#include "FileAccess.h"
#include "FileSearch.h"
#include "FormSchema.h"
#include "ListingStore.h"
#include "Records.h"
#include "SearchColumns.h"
#include "ServiceContext.h"
#include "TextRules.h"

#include <filesystem>

namespace FileRoutes {

namespace {

nlohmann::json readAttrs(const Params &params) {
    const nlohmann::json raw = params.object("attrs");
    if (raw.size() > 250)
        throw ApiError::badRequest(
            "تعداد ویژگی‌های فایل بیش از حد مجاز است");
    nlohmann::json attrs = nlohmann::json::object();
    for (auto it = raw.begin(); it != raw.end(); ++it) {
        if (!TextRules::isAttrKey(it.key()))
            throw ApiError::badRequest("نام ویژگی «" + it.key() + "» معتبر نیست");
        const nlohmann::json &value = it.value();
        if (value.is_boolean()) {
            if (value.get<bool>())
                attrs[it.key()] = true;
        } else if (value.is_string()) {
            const std::string text = TextRules::trimmed(value.get<std::string>());
            if (TextRules::characterCount(text) > 2000)
                throw ApiError::badRequest("مقدار «" + it.key() + "» بیش از حد طولانی است");
            if (!text.empty())
                attrs[it.key()] = text;
        } else if (value.is_number()) {
            attrs[it.key()] =
                value.is_number_integer() ? std::to_string(value.get<std::int64_t>()) : value.dump();
        } else if (!value.is_null()) {
            throw ApiError::invalidValue("attrs." + it.key());
        }
    }
    return attrs;
}

struct FileFields {
    int dealType = 0;
    int propertyType = 0;
    std::int64_t fileDateMs = 0;
    std::string areaId;
    nlohmann::json attrs;
    std::optional<double> latitude, longitude;
    std::optional<std::int64_t> status;
    std::optional<std::string> dealStatus;
};

FileFields readFile(Call &call) {
    FileFields fields;
    fields.dealType = static_cast<int>(call.params.integer("dealType"));
    fields.propertyType = static_cast<int>(call.params.integer("propertyType"));
    if (!FormSchema::find(fields.dealType, fields.propertyType))
        throw ApiError::refused("نوع معامله و نوع ملک انتخاب شده با هم سازگار نیستند");
    fields.fileDateMs = call.params.integerOr("fileDateUnix", Clock::nowMs());
    if (fields.fileDateMs < 0 || fields.fileDateMs > 4102444800000LL)
        throw ApiError::invalidValue("fileDateUnix");
    if (call.params.has("areaId")) {
        fields.areaId = call.params.text("areaId");
        if (!fields.areaId.empty() && Records::area(call.db, fields.areaId).is_null())
            throw ApiError::refused("منطقه انتخاب شده وجود ندارد");
    }
    fields.attrs = readAttrs(call.params);
    fields.latitude = call.params.optNumber("latitude");
    fields.longitude = call.params.optNumber("longitude");
    if ((fields.latitude && (*fields.latitude < -90 || *fields.latitude > 90)) ||
        (fields.longitude && (*fields.longitude < -180 || *fields.longitude > 180)))
        throw ApiError::invalidValue("location");
    fields.status = call.params.optInteger("status");
    if (fields.status && *fields.status != -1 && *fields.status != 1 && *fields.status != 2)
        throw ApiError::invalidValue("status");
    if (call.params.has("dealStatus")) {
        fields.dealStatus = call.params.text("dealStatus");
        if (*fields.dealStatus != "available" && *fields.dealStatus != "done" &&
            *fields.dealStatus != "cancelled")
            throw ApiError::invalidValue("dealStatus");
    }
    return fields;
}

void bindPosition(Statement &statement, int index, const std::optional<double> &value) {
    if (value)
        statement.bind(index, *value);
    else
        statement.bindNull(index);
}

nlohmann::json search(Call &call) {
    FileSearch search(call.db, call.caller);
    return search.run(call.params);
}

nlohmann::json create(Call &call) {
    const FileFields fields = readFile(call);
    Transaction transaction(call.db);
    const std::int64_t trackingId = ListingStore::nextTrackingId(call.db, call.caller.officeId);
    const std::string id = Ids::newId();
    const std::string now = Clock::isoNow();
    Statement insert = call.db.prepare(
        "INSERT INTO property_files(id, office_id, tracking_id, deal_type, property_type, status, "
        "deal_status, "
        "system_file, just_owner_access, shared, created_by, file_date_ms, area_id, attrs, images, latitude, "
        "longitude, "
        "created_at, updated_at, " +
        SearchColumns::names() + ") VALUES(?, ?, ?, ?, ?, ?, ?, 0, 0, NULL, ?, ?, ?, ?, '[]', ?, ?, ?, ?, " +
        SearchColumns::placeholders() + ")");
    insert.bind(1, id)
        .bind(2, call.caller.officeId)
        .bind(3, trackingId)
        .bind(4, fields.dealType)
        .bind(5, fields.propertyType)
        .bind(6, fields.status ? *fields.status : 2);
    if (fields.dealStatus)
        insert.bind(7, *fields.dealStatus);
    else
        insert.bindNull(7);
    insert.bind(8, call.caller.userId).bind(9, fields.fileDateMs);
    insert.bindTextOrNull(10, fields.areaId);
    insert.bind(11, fields.attrs.dump());
    bindPosition(insert, 12, fields.latitude);
    bindPosition(insert, 13, fields.longitude);
    insert.bind(14, now).bind(15, now);
    SearchColumns::bind(insert, 16, fields.attrs);
    insert.run();
    transaction.commit();
    call.messages.push_back("فایل با شماره " + std::to_string(trackingId) + " ثبت شد");
    return {{"propertyFile", ListingStore::record(call.db, id, call.caller.officeId)}};
}

nlohmann::json update(Call &call) {
    const std::string id = call.params.text("propertyFileId");
    const FileAccess::FileRef file = FileAccess::ownFile(call.db, call.caller, id);
    const FileFields fields = readFile(call);
    // Turning the archive switch off sends no status: the listing comes back as a normal one.
    std::int64_t status = file.status;
    if (fields.status)
        status = *fields.status;
    else if (file.status == -1)
        status = 2;
    Transaction transaction(call.db);
    Statement statement = call.db.prepare("UPDATE property_files SET deal_type = ?, property_type = ?, "
                                          "file_date_ms = ?, area_id = ?, attrs = ?, "
                                          "latitude = ?, longitude = ?, status = ?, deal_status = IFNULL(?, "
                                          "deal_status), updated_at = ?, " +
                                          SearchColumns::assignments() + " WHERE id = ?");
    statement.bind(1, fields.dealType).bind(2, fields.propertyType).bind(3, fields.fileDateMs);
    statement.bindTextOrNull(4, fields.areaId);
    statement.bind(5, fields.attrs.dump());
    bindPosition(statement, 6, fields.latitude);
    bindPosition(statement, 7, fields.longitude);
    statement.bind(8, status);
    if (fields.dealStatus)
        statement.bind(9, *fields.dealStatus);
    else
        statement.bindNull(9);
    statement.bind(10, Clock::isoNow());
    SearchColumns::bind(statement, 11, fields.attrs);
    statement.bind(11 + SearchColumns::count(), id).run();
    transaction.commit();
    call.messages.push_back("تغییرات فایل ذخیره شد");
    return {{"propertyFile", ListingStore::record(call.db, id, call.caller.officeId)}};
}

// Sets one column of a listing of the caller's office.
nlohmann::json setColumn(Call &call, const std::string &assignment, const SqlValue &value,
                         const std::string &message) {
    const std::string id = call.params.text("propertyFileId");
    FileAccess::ownFile(call.db, call.caller, id);
    Transaction transaction(call.db);
    Statement statement =
        call.db.prepare("UPDATE property_files SET " + assignment + ", updated_at = ? WHERE id = ?");
    statement.bindValue(1, value).bind(2, Clock::isoNow()).bind(3, id).run();
    transaction.commit();
    call.messages.push_back(message);
    return nlohmann::json::object();
}

nlohmann::json updateStatus(Call &call) {
    const std::int64_t status = call.params.integer("status");
    if (status != -1 && status != 2 && status != 1 && status != 0)
        throw ApiError::invalidValue("status");
    return setColumn(call, "status = ?", status, status == -1 ? "فایل بایگانی شد" : "وضعیت فایل تغییر کرد");
}

nlohmann::json updateDealStatus(Call &call) {
    const std::string dealStatus = call.params.text("dealStatus");
    if (dealStatus != "available" && dealStatus != "done" && dealStatus != "cancelled")
        throw ApiError::invalidValue("dealStatus");
    return setColumn(call, "deal_status = ?", dealStatus, "وضعیت معامله فایل تغییر کرد");
}

nlohmann::json deleteFiles(Call &call) {
    const std::vector<std::string> ids = call.params.textList("propertyFileIds");
    if (ids.empty())
        throw ApiError::missingValue("propertyFileIds");
    const bool logical = call.params.flag("logical", true);
    for (const auto &id : ids)
        FileAccess::ownFile(call.db, call.caller, id);
    Transaction transaction(call.db);
    for (const auto &id : ids) {
        if (logical) {
            call.db
                .prepare("UPDATE property_files SET status = -2, shared = CASE WHEN shared IS NULL THEN NULL "
                         "ELSE 0 END, "
                         "updated_at = ? WHERE id = ?")
                .bind(1, Clock::isoNow())
                .bind(2, id)
                .run();
        } else {
            if (!call.caller.isManager())
                throw ApiError::forbidden("حذف کامل فایل فقط برای مدیر دفتر مجاز است");
            call.db.prepare("DELETE FROM bookmarks WHERE file_id = ?").bind(1, id).run();
            call.db.prepare("DELETE FROM property_files WHERE id = ?").bind(1, id).run();
        }
    }
    transaction.commit();
    call.messages.push_back("فایل حذف شد");
    return nlohmann::json::object();
}

nlohmann::json hide(Call &call, bool hidden) {
    const std::string id = call.params.text("propertyFileId");
    const FileAccess::FileRef file = FileAccess::ownFile(call.db, call.caller, id);
    if (!call.caller.isManager() && file.createdBy != call.caller.userId)
        throw ApiError::forbidden(
            "فقط ثبت‌کننده فایل یا مدیر دفتر می‌تواند آن را مخفی "
            "کند");
    return setColumn(call, "just_owner_access = ?", static_cast<std::int64_t>(hidden ? 1 : 0),
                     hidden ? "فایل مخفی شد" : "فایل از حالت مخفی خارج شد");
}

nlohmann::json share(Call &call, bool shared) {
    const std::string id = call.params.text("propertyFileId");
    const FileAccess::FileRef file = FileAccess::ownFile(call.db, call.caller, id);
    if (shared) {
        if (file.systemFile)
            throw ApiError::refused(
                "فایل‌های سیستمی را نمی‌توان به اشتراک گذاشت");
        if (file.status == -2)
            throw ApiError::refused(
                "فایل حذف شده را نمی‌توان به اشتراک گذاشت");
        const std::int64_t enabled = call.db.scalarInt(
            "SELECT p.sharing_enabled FROM offices o JOIN plans p ON p.id = o.current_plan_id WHERE o.id = ?",
            {call.caller.officeId});
        if (!enabled)
            throw ApiError::refused("پلن فعلی دفتر شما امکان همکاری در فایل را ندارد");
    }
    return setColumn(call, "shared = ?", static_cast<std::int64_t>(shared ? 1 : 0),
                     shared ? "فایل برای همکاری با دفاتر دیگر منتشر شد" : "فایل از همکاری خارج شد");
}

nlohmann::json deleteImages(Call &call) {
    const std::string id = call.params.text("propertyFileId");
    const std::vector<std::string> names = call.params.textList("propertyImages");
    FileAccess::ownFile(call.db, call.caller, id);
    std::vector<std::string> removed;
    {
        Transaction transaction(call.db);
        nlohmann::json images = nlohmann::json::parse(
            call.db.scalarText("SELECT images FROM property_files WHERE id = ?", {id}, "[]"), nullptr, false);
        nlohmann::json kept = nlohmann::json::array();
        for (const auto &image : images) {
            if (std::find(names.begin(), names.end(), image.get<std::string>()) == names.end())
                kept.push_back(image);
            else
                removed.push_back(image.get<std::string>());
        }
        call.db.prepare("UPDATE property_files SET images = ?, updated_at = ? WHERE id = ?")
            .bind(1, kept.dump())
            .bind(2, Clock::isoNow())
            .bind(3, id)
            .run();
        transaction.commit();
    }
    // A picture file goes when no listing shows it any more (pool copies share their pictures).
    for (const auto &name : removed) {
        if (!TextRules::isStoredFileName(name))
            continue;
        const std::int64_t users = call.db.scalarInt(
            "SELECT COUNT(*) FROM property_files WHERE instr(images, ?) > 0", {"\"" + name + "\""});
        if (users == 0) {
            std::error_code ignored;
            std::filesystem::remove(call.context.mediaDir("properties") + "/" + name, ignored);
        }
    }
    call.messages.push_back("تصاویر انتخاب شده حذف شد");
    return nlohmann::json::object();
}

nlohmann::json requestSystemFiles(Call &call) {
    Transaction transaction(call.db);
    const std::int64_t delivered = ListingStore::handOutPoolFiles(call.db, call.caller.officeId);
    transaction.commit();
    call.messages.push_back(std::to_string(delivered) +
                            " فایل سیستمی جدید به فایل‌های شما اضافه شد");
    return {{"count", delivered}};
}

nlohmann::json bookmark(Call &call, bool add) {
    const std::string type = call.params.textOr("type", "PropertyFile");
    if (type != "PropertyFile")
        throw ApiError::invalidValue("type");
    const std::string id = call.params.text("id");
    Transaction transaction(call.db);
    if (add) {
        FileAccess::visibleFile(call.db, call.caller, id);
        call.db.prepare("INSERT OR IGNORE INTO bookmarks(user_id, file_id, created_at) VALUES(?, ?, ?)")
            .bind(1, call.caller.userId)
            .bind(2, id)
            .bind(3, Clock::isoNow())
            .run();
    } else {
        call.db.prepare("DELETE FROM bookmarks WHERE user_id = ? AND file_id = ?")
            .bind(1, call.caller.userId)
            .bind(2, id)
            .run();
    }
    transaction.commit();
    call.messages.push_back(add ? "فایل نشان شد" : "نشان فایل برداشته شد");
    return nlohmann::json::object();
}

nlohmann::json report(Call &call) {
    const std::string type = call.params.textOr("type", "PropertyFile");
    if (type != "PropertyFile")
        throw ApiError::invalidValue("type");
    const std::string id = call.params.text("id");
    const std::string flagType = call.params.text("flagType");
    if (flagType != "fileDealt" && flagType != "fileWrongPrice" && flagType != "fileWrongInfo")
        throw ApiError::invalidValue("flagType");
    const std::string description = TextRules::limited(call.params, "description", 1000);
    FileAccess::visibleFile(call.db, call.caller, id);
    Transaction transaction(call.db);
    call.db
        .prepare("INSERT INTO report_flags(id, user_id, file_id, flag_type, description, created_at) "
                 "VALUES(?, ?, ?, ?, ?, ?)")
        .bind(1, Ids::newId())
        .bind(2, call.caller.userId)
        .bind(3, id)
        .bind(4, flagType)
        .bind(5, description)
        .bind(6, Clock::isoNow())
        .run();
    transaction.commit();
    call.messages.push_back("گزارش شما ثبت شد؛ سپاس از همراهی شما");
    return nlohmann::json::object();
}

} // namespace

void install(ApiRouter &router) {
    using Access = ApiRouter::Access;
    router.role("propertyFiles/searchMyPropertyFiles", Access::Office, search);
    router.role("propertyFiles/createPropertyFile", Access::Office, create);
    router.role("propertyFiles/updatePropertyFile", Access::Office, update);
    router.role("propertyFiles/updatePropertyFileStatus", Access::Office, updateStatus);
    router.role("propertyFiles/updatePropertyFileDealStatus", Access::Office, updateDealStatus);
    router.role("propertyFiles/deletePropertyFiles", Access::Office, deleteFiles);
    router.role("propertyFiles/hideMyPropertyFile", Access::Office,
                [](Call &call) { return hide(call, true); });
    router.role("propertyFiles/unHideMyPropertyFile", Access::Office,
                [](Call &call) { return hide(call, false); });
    router.role("propertyFiles/requestShareMyPropertyFile", Access::Office,
                [](Call &call) { return share(call, true); });
    router.role("propertyFiles/deletePropertyFileShareRequest", Access::Office,
                [](Call &call) { return share(call, false); });
    router.role("propertyFiles/deletePropertyFileImages", Access::Office, deleteImages);
    router.role("propertyFiles/requestNewSystemPropertyFiles", Access::Office, requestSystemFiles);
    router.plain("bookmarks/bookmark", Access::Office, [](Call &call) { return bookmark(call, true); });
    router.plain("bookmarks/unBookmark", Access::Office, [](Call &call) { return bookmark(call, false); });
    router.plain("reportFlags/createReportFlag", Access::Office, report);
}

} // namespace FileRoutes
