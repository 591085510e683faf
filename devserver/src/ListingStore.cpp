#include "ListingStore.h"

#include "ApiError.h"
#include "Clock.h"
#include "Records.h"
#include "SearchColumns.h"

#include <vector>

namespace ListingStore {

const char *const kPoolOfficeId = "000000000000000000000001";

std::int64_t nextTrackingId(Connection &connection, const std::string &officeId) {
    const std::int64_t next =
        connection.scalarInt("SELECT next_tracking_id FROM offices WHERE id = ?", {officeId}, 1001);
    connection.prepare("UPDATE offices SET next_tracking_id = ? WHERE id = ?")
        .bind(1, next + 1)
        .bind(2, officeId)
        .run();
    return next;
}

nlohmann::json record(Connection &connection, const std::string &fileId, const std::string &viewerOfficeId) {
    Statement statement = connection.prepare(Records::fileSelect() + "WHERE f.id = ?");
    statement.bind(1, fileId);
    if (!statement.step())
        return nullptr;
    return Records::file(statement.rowObject(), viewerOfficeId);
}

std::string copyFromPool(Connection &connection, const std::string &officeId, const std::string &poolFileId,
                         int status) {
    const std::string id = Ids::newId();
    const std::string now = Clock::isoNow();
    connection
        .prepare("INSERT INTO property_files(id, office_id, tracking_id, deal_type, property_type, status, "
                 "deal_status, "
                 "system_file, just_owner_access, shared, created_by, file_date_ms, area_id, attrs, images, "
                 "latitude, "
                 "longitude, source_id, created_at, updated_at, " +
                 SearchColumns::names() +
                 ") "
                 "SELECT ?, ?, ?, deal_type, property_type, ?, deal_status, 1, 0, NULL, created_by, "
                 "file_date_ms, area_id, "
                 "attrs, images, latitude, longitude, id, ?, ?, " +
                 SearchColumns::names() + " FROM property_files WHERE id = ?")
        .bind(1, id)
        .bind(2, officeId)
        .bind(3, nextTrackingId(connection, officeId))
        .bind(4, status)
        .bind(5, now)
        .bind(6, now)
        .bind(7, poolFileId)
        .run();
    return id;
}

std::int64_t handOutPoolFiles(Connection &connection, const std::string &officeId) {
    const std::int64_t now = Clock::nowMs();
    Statement plan = connection.prepare("SELECT p.max_files_per_period, o.plan_expires_ms FROM offices o "
                                        "JOIN plans p ON p.id = o.current_plan_id "
                                        "WHERE o.id = ?");
    plan.bind(1, officeId);
    if (!plan.step())
        throw ApiError::refused("دفتر شما پلن فعالی ندارد");
    const std::int64_t perDay = plan.integer(0);
    if (plan.integer(1) < now)
        throw ApiError::refused("پلن دفتر شما منقضی شده است؛ برای دریافت فایل سیستمی پلن را تمدید کنید");
    const std::string day = Clock::day(now);
    const std::int64_t today = connection.scalarInt(
        "SELECT count FROM system_handouts WHERE office_id = ? AND day = ?", {officeId, day});
    if (today >= perDay)
        throw ApiError::refused(
            "سهمیه فایل‌های سیستمی امروز شما دریافت شده است؛ فردا دوباره تلاش کنید");

    Statement candidates = connection.prepare("SELECT id FROM property_files p WHERE p.office_id = ? AND "
                                              "p.status <> -2 AND NOT EXISTS (SELECT 1 FROM "
                                              "property_files c WHERE c.office_id = ? AND c.source_id = "
                                              "p.id) ORDER BY p.file_date_ms DESC LIMIT ?");
    candidates.bind(1, kPoolOfficeId).bind(2, officeId).bind(3, perDay - today);
    std::vector<std::string> ids;
    while (candidates.step())
        ids.push_back(candidates.text(0));
    if (ids.empty())
        throw ApiError::refused("در حال حاضر فایل سیستمی جدیدی برای دفتر شما موجود نیست");
    for (const auto &id : ids)
        copyFromPool(connection, officeId, id, 2);
    connection
        .prepare("INSERT INTO system_handouts(office_id, day, count) VALUES(?, ?, ?) ON CONFLICT(office_id, "
                 "day) DO "
                 "UPDATE SET count = count + excluded.count")
        .bind(1, officeId)
        .bind(2, day)
        .bind(3, static_cast<std::int64_t>(ids.size()))
        .run();
    return static_cast<std::int64_t>(ids.size());
}

} // namespace ListingStore
