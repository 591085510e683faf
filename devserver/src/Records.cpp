#include "Records.h"

#include "Clock.h"
#include "FileAccess.h"
#include "JsonNesting.h"

namespace Records {

namespace {

// A listing's columns with its creator, area and office; the listing table is "f".
const char *const kFileColumns =
    "SELECT f.id AS \"_id\", f.tracking_id AS trackingId, f.deal_type AS dealType, "
    "f.property_type AS propertyType, f.status AS status, f.deal_status AS dealStatus, "
    "f.system_file AS \"b:systemFile\", f.just_owner_access AS \"b:justOwnerAccess\", f.shared AS shared, "
    "f.created_by AS createdById, f.office_id AS officeId, f.file_date_ms AS fileDateUnix, "
    "f.area_id AS areaId, f.attrs AS \"j:attrs\", f.images AS \"j:images\", f.latitude AS latitude, "
    "f.longitude AS longitude, f.created_at AS created_at, f.updated_at AS updated_at, "
    "u.fname AS creatorFname, u.lname AS creatorLname, a.title AS areaTitle, o.title AS officeTitle, "
    "o.address AS officeAddress, o.mobiles AS \"j:officeMobiles\", o.phones AS \"j:officePhones\" ";
const char *const kFileJoins =
    " LEFT JOIN users u ON u.id = f.created_by LEFT JOIN areas a ON a.id = f.area_id "
    "LEFT JOIN offices o ON o.id = f.office_id ";

} // namespace

std::string fileSelect(const std::string &from) {
    return std::string(kFileColumns) + "FROM " + from + kFileJoins;
}

nlohmann::json file(nlohmann::json row, const std::string &viewerOfficeId) {
    // The joined columns leave the row; what stays becomes the record itself, without a copy.
    auto take = [&row](const char *key) {
        nlohmann::json value;
        const auto found = row.find(key);
        if (found != row.end()) {
            value = std::move(*found);
            row.erase(found);
        }
        return value;
    };
    auto textOrEmpty = [](nlohmann::json value) {
        return value.is_null() ? nlohmann::json("") : std::move(value);
    };
    nlohmann::json creatorFname = take("creatorFname");
    nlohmann::json creatorLname = take("creatorLname");
    nlohmann::json areaTitle = take("areaTitle");
    nlohmann::json officeTitle = take("officeTitle");
    nlohmann::json officeAddress = take("officeAddress");
    nlohmann::json officeMobiles = take("officeMobiles");
    nlohmann::json officePhones = take("officePhones");
    const nlohmann::json shared = take("shared");

    nlohmann::json record = std::move(row);
    record["creator"] = {{"_id", record["createdById"]},
                         {"fname", textOrEmpty(std::move(creatorFname))},
                         {"lname", textOrEmpty(std::move(creatorLname))}};
    if (!record["areaId"].is_null())
        record["area"] = {{"_id", record["areaId"]}, {"title", textOrEmpty(std::move(areaTitle))}};
    const bool ownOffice =
        record["officeId"].is_string() && record["officeId"].get<std::string>() == viewerOfficeId;
    nlohmann::json office = {{"_id", record["officeId"]}, {"title", textOrEmpty(std::move(officeTitle))}};
    if (!ownOffice) {
        // A cooperation file shows its office's contacts in place of the owner's.
        office["address"] = textOrEmpty(std::move(officeAddress));
        office["mobileArray"] = officeMobiles.is_array() ? std::move(officeMobiles) : nlohmann::json::array();
        office["phoneArray"] = officePhones.is_array() ? std::move(officePhones) : nlohmann::json::array();
    }
    record["office"] = std::move(office);
    if (!shared.is_null())
        record["sharingSettings"] = {{"shared", shared.get<std::int64_t>() != 0}};
    for (const char *key : {"dealStatus", "latitude", "longitude"}) {
        if (record[key].is_null())
            record.erase(key);
    }
    if (!record["attrs"].is_object())
        record["attrs"] = nlohmann::json::object();
    if (!record["images"].is_array())
        record["images"] = nlohmann::json::array();
    record["fileDate"] = Clock::isoTime(record["fileDateUnix"].get<std::int64_t>());
    if (!ownOffice) {
        // Another office's listing reached through the cooperation pool: its owner's contacts stay private.
        for (const auto &key : FileAccess::ownerContactKeys())
            record["attrs"].erase(key);
    }
    return record;
}

const char *const kUserSelect =
    "SELECT id AS \"_id\", fname, lname, username, mobile, phone, email, system_role AS systemRole, status, "
    "avatar, office_id AS officeId, balance, gift_balance AS giftBalance, created_at FROM users ";

nlohmann::json userFromRow(nlohmann::json row) {
    if (row["avatar"].is_null() || row["avatar"] == "")
        row["avatar"] = false;
    if (row["officeId"].is_null())
        row.erase("officeId");
    row["wallet"] = {{"balance", row["balance"]}, {"giftBalance", row["giftBalance"]}};
    row.erase("balance");
    row.erase("giftBalance");
    return row;
}

nlohmann::json user(Connection &connection, const std::string &userId) {
    Statement statement = connection.prepare(std::string(kUserSelect) + "WHERE id = ?");
    statement.bind(1, userId);
    if (!statement.step())
        return nullptr;
    return userFromRow(statement.rowObject());
}

const char *const kPlanSelect =
    "SELECT id AS \"_id\", title, expdays, price, renew_price AS renewPrice, "
    "pre_discount_price AS preDiscountPrice, max_users_count AS maxUsersCount, max_logins_desktop, "
    "max_logins_mobile, price_per_extra_user AS pricePerExtraUser, max_areas_count AS maxAreasCount, "
    "max_files_per_period AS maxFilesPerPeriod, sharing_enabled AS \"b:propertyFileSharingEnabled\", "
    "system_plan AS \"b:systemPlan\", status, created_at FROM plans ";

nlohmann::json plan(Connection &connection, const std::string &planId) {
    Statement statement = connection.prepare(std::string(kPlanSelect) + "WHERE id = ?");
    statement.bind(1, planId);
    if (!statement.step())
        return nullptr;
    nlohmann::json row = statement.rowObject();
    row["maxLogins"] = {{"desktop", row["max_logins_desktop"]}, {"mobile", row["max_logins_mobile"]}};
    row.erase("max_logins_desktop");
    row.erase("max_logins_mobile");
    return row;
}

nlohmann::json area(Connection &connection, const std::string &areaId) {
    Statement statement = connection.prepare("SELECT id AS \"_id\", title FROM areas WHERE id = ?");
    statement.bind(1, areaId);
    if (!statement.step())
        return nullptr;
    return statement.rowObject();
}

nlohmann::json folders(Connection &connection, const std::string &officeId,
                       const std::string &onlyForUserId) {
    std::string sql =
        "SELECT id AS \"_id\", id, office_id AS officeId, title, query, system_folder AS "
        "\"b:systemFolder\", options AS \"j:options\", users AS \"j:users\", created_at FROM folders "
        "WHERE office_id = ?";
    if (!onlyForUserId.empty())
        sql += " AND EXISTS (SELECT 1 FROM json_each(folders.users) WHERE value = ?)";
    // A folder stored with options SQLite cannot read (nested too deeply) sorts first instead of
    // failing the whole list.
    sql += " ORDER BY CASE WHEN json_valid(options) THEN json_extract(options, '$.order') END, created_at";
    Statement statement = connection.prepare(sql);
    statement.bind(1, officeId);
    if (!onlyForUserId.empty())
        statement.bind(2, onlyForUserId);
    nlohmann::json list = nlohmann::json::array();
    while (statement.step()) {
        nlohmann::json folder = statement.rowObject();
        if (!folder["options"].is_object())
            folder["options"] = nlohmann::json::object();
        if (!folder["query"].is_string() || !JsonNesting::within(folder["query"].get<std::string>()))
            folder["query"] = "{}";
        list.push_back(std::move(folder));
    }
    return list;
}

nlohmann::json office(Connection &connection, const std::string &officeId) {
    Statement statement = connection.prepare(
        "SELECT id AS \"_id\", title, area_id AS areaId, address, website, latitude, longitude, "
        "phones AS \"j:phoneArray\", mobiles AS \"j:mobileArray\", current_plan_id AS currentPlanId, "
        "plan_expires_ms, extra_users, extra_area_ids AS \"j:extraAreaIds\", created_at FROM offices WHERE "
        "id = ?");
    statement.bind(1, officeId);
    if (!statement.step())
        return nullptr;
    nlohmann::json row = statement.rowObject();
    nlohmann::json record = row;
    for (const char *key : {"latitude", "longitude", "plan_expires_ms", "extra_users", "extraAreaIds"})
        record.erase(key);
    record["location"] = {{"latitude", row["latitude"].is_null() ? 0.0 : row["latitude"].get<double>()},
                          {"longitude", row["longitude"].is_null() ? 0.0 : row["longitude"].get<double>()}};
    if (!row["areaId"].is_null())
        record["area"] = area(connection, row["areaId"].get<std::string>());
    record["folders"] = folders(connection, officeId, std::string());

    nlohmann::json original = row["currentPlanId"].is_string()
                                  ? plan(connection, row["currentPlanId"].get<std::string>())
                                  : nlohmann::json();
    if (original.is_object()) {
        const std::int64_t extraUsers = row["extra_users"].get<std::int64_t>();
        const nlohmann::json extraAreas =
            row["extraAreaIds"].is_array() ? row["extraAreaIds"] : nlohmann::json::array();
        const std::int64_t extraFee = extraUsers * original["pricePerExtraUser"].get<std::int64_t>() +
                                      static_cast<std::int64_t>(extraAreas.size()) * kExtraAreaFee;
        const std::int64_t maxAreas = original["maxAreasCount"].get<std::int64_t>();
        const std::int64_t listed = static_cast<std::int64_t>(extraAreas.size());
        record["currentPlan"] = {
            {"_id", original["_id"]},
            {"planId", original["_id"]},
            {"title", original["title"]},
            {"expires_in", row["plan_expires_ms"]},
            {"extraAreaIds", extraAreas},
            {"extraUsers", extraUsers},
            {"extraFee", extraFee},
            {"maxUsersCount", original["maxUsersCount"].get<std::int64_t>() + extraUsers},
            {"maxLogins", original["maxLogins"]},
            {"maxFilesPerPeriod", original["maxFilesPerPeriod"]},
            {"maxAreasCount", maxAreas},
            {"propertyFileSharingEnabled", original["propertyFileSharingEnabled"]},
            {"remainingAreas",
             {{"original", maxAreas}, {"remaining", maxAreas > listed ? maxAreas - listed : 0}}}};
        record["originalPlan"] = original;
    }
    return record;
}

} // namespace Records
