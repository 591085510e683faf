// Listings: every search criterion the client sends, changes, visibility between users and
// offices, bookmarks, reports and pool hand-outs, and the made-up listings the service starts with.

#include "JsonCompare.h"
#include "ServiceClient.h"
#include "TestDevServer.h"

#include <QDir>
#include <QFile>
#include <QJSEngine>
#include <QTest>

#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

nlohmann::json listBody(nlohmann::json extra = nlohmann::json::object()) {
    nlohmann::json body = {{"page", 1},
                           {"count", 20},
                           {"condition", true},
                           {"searchOperator", "and"},
                           {"sortBy", "fileDateUnix"},
                           {"sortDirection", -1}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        body[it.key()] = it.value();
    return body;
}

double number(const nlohmann::json &attrs, const std::string &key) {
    return attrs.contains(key) && attrs[key].is_string() ? std::stod(attrs[key].get<std::string>()) : -1;
}

using PairKey = std::pair<int, int>;

// Rows of a query on an open database, each as its columns' text.
std::vector<std::vector<std::string>> rows(sqlite3 *db, const char *sql) {
    std::vector<std::vector<std::string>> result;
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) {
        qWarning("%s: %s", sql, sqlite3_errmsg(db));
        return result;
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
        std::vector<std::string> row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            const auto *text = sqlite3_column_text(statement, i);
            row.emplace_back(text ? reinterpret_cast<const char *>(text) : "");
        }
        result.push_back(std::move(row));
    }
    sqlite3_finalize(statement);
    return result;
}

// What the program's own form database says about every deal/property pair, read from the seed
// script it loads: the keys the pair's form submits (its fields, those of rows an option reveals
// included, its steppers' fields and the description) and, for the fields of a revealed row,
// the options that reveal it.
struct ProgramForms {
    std::map<PairKey, std::set<std::string>> keys;
    std::map<std::string, std::set<std::string>> revealedBy;

    bool load() {
        QFile file(QStringLiteral(NORVELA_FORM_SEED));
        if (!file.open(QIODevice::ReadOnly))
            return false;
        // ".pragma library" is for the QML engine only.
        const QString source =
            QString::fromUtf8(file.readAll()).replace(QStringLiteral(".pragma library"), QString());
        QJSEngine engine;
        const QJSValue result = engine.evaluate(source);
        const QString script = engine.globalObject().property(QStringLiteral("script")).toString();
        sqlite3 *db = nullptr;
        sqlite3_open(":memory:", &db);
        const bool built = !result.isError() && sqlite3_exec(db, script.toUtf8().constData(), nullptr,
                                                             nullptr, nullptr) == SQLITE_OK;
        if (built) {
            for (const auto &row : rows(db, "SELECT DISTINCT DEAL_TYPE, PROPERTY_TYPE, FIELD_NAME FROM Field "
                                            "JOIN Relations ON Field._id = Relations.FIELD_ID "
                                            "WHERE DEAL_TYPE BETWEEN 1 AND 8 AND PROPERTY_TYPE >= 50"))
                keys[{std::stoi(row[0]), std::stoi(row[1])}].insert(row[2]);
            for (const auto &row :
                 rows(db, "SELECT DISTINCT DEAL_TYPE, PROPERTY_TYPE, Field.FIELD_NAME FROM Card "
                          "JOIN Relations ON Card._id = Relations.CARD_ID "
                          "JOIN Field ON Field._id = Card.STEPPER_ID WHERE Card.STEPPER = 1 "
                          "AND DEAL_TYPE BETWEEN 1 AND 8 AND PROPERTY_TYPE >= 50"))
                keys[{std::stoi(row[0]), std::stoi(row[1])}].insert(row[2]);
            for (const auto &row : rows(db, "SELECT shown.FIELD_NAME, owner.FIELD_NAME FROM Field shown "
                                            "JOIN Field owner ON owner.HAS_ATTACHED = 1 "
                                            "AND owner.ATTACHED_ROW = shown.ROW_ID "
                                            "JOIN Row ON Row._id = shown.ROW_ID WHERE Row.CARD_ID = -1"))
                revealedBy[row[0]].insert(row[1]);
        }
        sqlite3_close(db);
        for (auto &pair : keys)
            pair.second.insert("fileDetail");
        return built && !keys.empty() && !revealedBy.empty();
    }
};

// Every listing a stopped service holds: office, deal type, property type, attributes.
std::vector<std::tuple<std::string, PairKey, nlohmann::json>> storedListings(const DevServerProcess &server) {
    std::vector<std::tuple<std::string, PairKey, nlohmann::json>> listings;
    sqlite3 *db = nullptr;
    const QByteArray path = QDir(server.dataDir()).filePath(QStringLiteral("norvela.sqlite")).toUtf8();
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        for (const auto &row :
             rows(db, "SELECT office_id, deal_type, property_type, attrs FROM property_files"))
            listings.emplace_back(row[0], PairKey{std::stoi(row[1]), std::stoi(row[2])},
                                  nlohmann::json::parse(row[3]));
    }
    sqlite3_close(db);
    return listings;
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void pagingAndTotals();
    void pagesPutTogetherAreTheWholeList_data();
    void pagesPutTogetherAreTheWholeList();
    void typeStatusAndSortFilters();
    void rangeAndTextFilters();
    void lookupsByIdAndTrackingId();
    void createUpdateAndStatusChanges();
    void totalsFollowEveryChange();
    void visibilityBetweenUsersAndOffices();
    void bookmarksReportsAndPoolFiles();
    void madeUpListingsHoldOnlyTheirFormsKeys();
    void cleanupTestCase();

private:
    nlohmann::json search(ServiceClient &client, const nlohmann::json &body,
                          const std::string &role = "officeMan");
    std::unique_ptr<DevServerProcess> m_server;
    std::unique_ptr<ServiceClient> m_manager;
};

nlohmann::json TestFiles::search(ServiceClient &client, const nlohmann::json &body, const std::string &role) {
    const auto reply = client.postJson(role + "/propertyFiles/searchMyPropertyFiles", body, "v2");
    if (!reply.ok())
        qWarning("search failed: %s", reply.body.c_str());
    return reply.ok() ? reply.result() : nlohmann::json();
}

void TestFiles::initTestCase() {
    m_server = std::make_unique<DevServerProcess>(
        devServerProgram(), QStringList{QStringLiteral("--seed"), QStringLiteral("demo")});
    QVERIFY2(m_server->start(), qPrintable(m_server->errorOutput()));
    m_manager = std::make_unique<ServiceClient>(m_server->port());
    QVERIFY(m_manager->signInManager("09151234567").value("ok", false));
}

void TestFiles::cleanupTestCase() {
    QCOMPARE(m_server->stop(), 0);
}

void TestFiles::pagingAndTotals() {
    const auto first = search(*m_manager, listBody());
    JCOMPARE(first["propertyFiles"]["data"].size(), 20u);
    const std::int64_t total = first["propertyFiles"]["total"];
    QVERIFY(total >= 450);
    QVERIFY(first["bookmarks"].is_array());

    auto second = search(*m_manager, listBody({{"page", 2}}));
    JCOMPARE(second["propertyFiles"]["total"], total);
    std::set<std::string> ids;
    for (const auto &page : {first, second}) {
        for (const auto &file : page["propertyFiles"]["data"])
            ids.insert(file["_id"].get<std::string>());
    }
    JCOMPARE(ids.size(), 40u);

    // A page past the end is empty, not the last page again.
    const auto past = search(*m_manager, listBody({{"page", total / 20 + 2}}));
    QVERIFY(past["propertyFiles"]["data"].empty());
    JCOMPARE(past["propertyFiles"]["total"], total);

    // Records carry what the list reads.
    const auto &file = first["propertyFiles"]["data"][0];
    for (const char *key : {"_id", "trackingId", "dealType", "propertyType", "status", "attrs", "images",
                            "fileDateUnix", "createdById", "creator", "officeId", "area"})
        QVERIFY2(file.contains(key), key);
    // The office's own listings name the office; its contacts are for cooperation files only.
    JCOMPARE(file["office"]["title"], "مشاور املاک آفتاب مشهد");
    QVERIFY(!file["office"].contains("mobileArray"));
    QVERIFY(!file["office"].contains("address"));
    // Newest first by registration date.
    for (std::size_t i = 1; i < first["propertyFiles"]["data"].size(); ++i)
        QVERIFY(first["propertyFiles"]["data"][i - 1]["fileDateUnix"] >=
                first["propertyFiles"]["data"][i]["fileDateUnix"]);
}

void TestFiles::pagesPutTogetherAreTheWholeList_data() {
    QTest::addColumn<QString>("sortBy");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("extra");
    QTest::newRow("registration date, newest first") << "fileDateUnix" << -1 << "{}";
    QTest::newRow("registration date, oldest first") << "fileDateUnix" << 1 << "{}";
    QTest::newRow("creation, newest first") << "created_at" << -1 << "{}";
    QTest::newRow("price, a stored column") << "attrs.price" << 1 << R"({"dealType": 1})";
    QTest::newRow("floor, read from the attributes") << "floor" << -1 << R"({"dealType": 1})";
    QTest::newRow("one deal type, a status") << "fileDateUnix" << -1 << R"({"dealType": 2, "status": 2})";
}

// However a search is cut into pages, the pages side by side are the whole list in the same
// order: nothing repeated, nothing left out, also far down the list.
void TestFiles::pagesPutTogetherAreTheWholeList() {
    QFETCH(QString, sortBy);
    QFETCH(int, direction);
    QFETCH(QString, extra);
    nlohmann::json criteria = nlohmann::json::parse(extra.toStdString());
    criteria["sortBy"] = sortBy.toStdString();
    criteria["sortDirection"] = direction;

    nlohmann::json whole = criteria;
    whole["count"] = 1000;
    const auto all = search(*m_manager, listBody(whole))["propertyFiles"];
    const std::size_t total = all["total"].get<std::size_t>();
    QCOMPARE(all["data"].size(), total);
    QVERIFY(total > 40);

    std::vector<std::string> paged;
    for (int page = 1;; ++page) {
        nlohmann::json part = criteria;
        part["page"] = page;
        part["count"] = 37;
        const auto result = search(*m_manager, listBody(part))["propertyFiles"];
        JCOMPARE(result["total"], total);
        if (result["data"].empty())
            break;
        for (const auto &file : result["data"])
            paged.push_back(file["_id"].get<std::string>());
        QVERIFY(page < 100);
    }
    QCOMPARE(paged.size(), total);
    for (std::size_t i = 0; i < total; ++i)
        QCOMPARE(paged[i], all["data"][i]["_id"].get<std::string>());
}

void TestFiles::typeStatusAndSortFilters() {
    for (int direction : {1, -1}) {
        const auto result = search(*m_manager, listBody({{"dealType", 1},
                                                         {"propertyType", 50},
                                                         {"sortBy", "attrs.price"},
                                                         {"sortDirection", direction},
                                                         {"count", 100}}));
        const auto &data = result["propertyFiles"]["data"];
        QVERIFY(data.size() >= 5);
        for (std::size_t i = 0; i < data.size(); ++i) {
            JCOMPARE(data[i]["dealType"], 1);
            JCOMPARE(data[i]["propertyType"], 50);
            QVERIFY(data[i]["status"] != -2);
            if (i > 0) {
                const double before = number(data[i - 1]["attrs"], "price"),
                             now = number(data[i]["attrs"], "price");
                QVERIFY2(direction == 1 ? before <= now : before >= now, "price order");
            }
        }
    }
    // "mortgage" without prefix sorts by the attribute.
    const auto rents = search(
        *m_manager, listBody({{"dealType", 2}, {"sortBy", "mortgage"}, {"sortDirection", 1}, {"count", 50}}));
    const auto &rentData = rents["propertyFiles"]["data"];
    for (std::size_t i = 1; i < rentData.size(); ++i) {
        if (rentData[i]["attrs"].contains("mortgage"))
            QVERIFY(number(rentData[i - 1]["attrs"], "mortgage") <= number(rentData[i]["attrs"], "mortgage"));
    }

    for (int status : {-1, -2, 2}) {
        const auto result = search(*m_manager, listBody({{"status", status}, {"count", 100}}));
        QVERIFY(!result["propertyFiles"]["data"].empty());
        for (const auto &file : result["propertyFiles"]["data"])
            JCOMPARE(file["status"], status);
    }
    const auto done = search(*m_manager, listBody({{"dealStatus", "done"}, {"count", 100}}));
    QVERIFY(!done["propertyFiles"]["data"].empty());
    for (const auto &file : done["propertyFiles"]["data"])
        JCOMPARE(file["dealStatus"], "done");
    const auto own = search(*m_manager, listBody({{"systemFile", false}, {"count", 100}}));
    for (const auto &file : own["propertyFiles"]["data"])
        JCOMPARE(file["systemFile"], false);
    // Rent reminders: leases of a year that end within a month either side of today.
    const std::int64_t day = 24LL * 3600 * 1000;
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    const auto reminders =
        search(*m_manager,
               listBody({{"reminderMode", true}, {"condition", false}, {"dealType", 2}, {"count", 100}}));
    QVERIFY(!reminders["propertyFiles"]["data"].empty());
    for (const auto &file : reminders["propertyFiles"]["data"]) {
        JCOMPARE(file["dealType"], 2);
        const std::int64_t date = file["fileDateUnix"];
        QVERIFY(date >= now - 396 * day && date <= now - 334 * day);
    }
    const auto hidden = search(*m_manager, listBody({{"justOwnerAccess", true}, {"count", 100}}));
    QVERIFY(!hidden["propertyFiles"]["data"].empty());
    for (const auto &file : hidden["propertyFiles"]["data"])
        JCOMPARE(file["justOwnerAccess"], true);
}

void TestFiles::rangeAndTextFilters() {
    const auto ranged =
        search(*m_manager, listBody({{"dealType", 1},
                                     {"count", 100},
                                     {"range",
                                      {{"attrs.price", {{"min", 5000000000LL}, {"max", 15000000000LL}}},
                                       {"attrs.room", nlohmann::json::object()}}}}));
    QVERIFY(!ranged["propertyFiles"]["data"].empty());
    for (const auto &file : ranged["propertyFiles"]["data"]) {
        const double price = number(file["attrs"], "price");
        QVERIFY(price >= 5e9 && price <= 1.5e10);
    }
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    const std::int64_t monthAgo = now - 30LL * 24 * 3600 * 1000;
    const auto recent =
        search(*m_manager, listBody({{"count", 100}, {"range", {{"fileDateUnix", {{"min", monthAgo}}}}}}));
    for (const auto &file : recent["propertyFiles"]["data"])
        QVERIFY(file["fileDateUnix"].get<std::int64_t>() >= monthAgo);

    // The search bar: one text over five keys, any of which may match.
    const std::string district = "احمدآباد";
    const auto bar =
        search(*m_manager,
               listBody({{"count", 100},
                         {"attrs",
                          {{"name_family", district},
                           {"mobile", district},
                           {"address", district},
                           {"district", district},
                           {"fileDetails", district}}},
                         {"stringAttrKeys", {"name_family", "mobile", "address", "district", "fileDetails"}},
                         {"stringAttrKeysOperator", "or"}}));
    QVERIFY(!bar["propertyFiles"]["data"].empty());
    for (const auto &file : bar["propertyFiles"]["data"]) {
        const std::string text = file["attrs"].dump();
        QVERIFY(text.find(district) != std::string::npos);
    }
    // The same keys combined with "and" need every key to match: a name never contains the district.
    const auto all =
        search(*m_manager, listBody({{"attrs", {{"name_family", district}, {"district", district}}},
                                     {"stringAttrKeys", {"name_family", "district"}}}));
    JCOMPARE(all["propertyFiles"]["total"], 0);

    // Option toggles and the parking count match exactly.
    const auto lifts =
        search(*m_manager, listBody({{"count", 100}, {"attrs", {{"asansor", true}, {"parking_lot", "2"}}}}));
    QVERIFY(!lifts["propertyFiles"]["data"].empty());
    for (const auto &file : lifts["propertyFiles"]["data"]) {
        JCOMPARE(file["attrs"]["asansor"], true);
        JCOMPARE(file["attrs"]["parking_lot"], "2");
    }
}

void TestFiles::lookupsByIdAndTrackingId() {
    const auto page = search(*m_manager, listBody({{"count", 1}}));
    const auto &file = page["propertyFiles"]["data"][0];
    const auto byId =
        search(*m_manager, {{"_id", file["_id"]}, {"page", 1}, {"count", 100}, {"condition", true}});
    JCOMPARE(byId["propertyFiles"]["data"].size(), 1u);
    JCOMPARE(byId["propertyFiles"]["data"][0]["_id"], file["_id"]);

    const auto byTracking = search(*m_manager, {{"trackingId", std::to_string(file["trackingId"].get<int>())},
                                                {"page", 1},
                                                {"count", 100},
                                                {"condition", true}});
    JCOMPARE(byTracking["propertyFiles"]["data"].size(), 1u);
    JCOMPARE(byTracking["propertyFiles"]["data"][0]["_id"], file["_id"]);

    const std::string mobile = file["attrs"]["mobile"];
    const auto byMobile = search(*m_manager, {{"page", 1},
                                              {"count", 100},
                                              {"condition", true},
                                              {"attrs", {{"mobile", mobile.substr(0, 8)}}},
                                              {"stringAttrKeys", {"mobile"}}});
    QVERIFY(!byMobile["propertyFiles"]["data"].empty());

    // A quick search without any body finds nothing.
    const auto empty =
        m_manager->postRaw("/api/v2/officeMan/propertyFiles/searchMyPropertyFiles", "", "application/json");
    QVERIFY(empty.ok());
    QVERIFY(empty.result()["propertyFiles"]["data"].empty());
}

void TestFiles::createUpdateAndStatusChanges() {
    const auto areas =
        m_manager->postJson("areas/searchAreas", {{"page", 1}, {"count", 100000000}, {"status", 1}});
    const std::string areaId = areas.result()["areas"]["data"][3]["_id"];
    const auto created =
        m_manager->postJson("officeMan/propertyFiles/createPropertyFile", {{"dealType", 1},
                                                                           {"propertyType", 50},
                                                                           {"fileDateUnix", 1714550400000LL},
                                                                           {"areaId", areaId},
                                                                           {"attrs",
                                                                            {{"name_family", "آزمون"},
                                                                             {"price", "9000000000"},
                                                                             {"home", "120"},
                                                                             {"asansor", true},
                                                                             {"fileDetail", "نورگیر"}}},
                                                                           {"latitude", 36.31},
                                                                           {"longitude", 59.55}});
    QVERIFY2(created.ok(), created.body.c_str());
    const std::string id = created.result()["propertyFile"]["_id"];

    auto fetch = [&]() {
        return search(
            *m_manager,
            {{"_id", id}, {"page", 1}, {"count", 100}, {"condition", true}})["propertyFiles"]["data"][0];
    };
    // What the search bar and the option filters find, as the listing is now.
    auto found = [&](const nlohmann::json &filters) {
        nlohmann::json body = listBody({{"count", 1000}});
        body.update(filters);
        std::set<std::string> ids;
        // Kept in a variable: a loop over a part of a temporary would read freed memory.
        const auto result = search(*m_manager, body);
        for (const auto &row : result["propertyFiles"]["data"])
            ids.insert(row["_id"].get<std::string>());
        return ids;
    };
    auto byName = [](const std::string &name, bool lift = false) {
        nlohmann::json filters = {{"attrs", {{"name_family", name}}}, {"stringAttrKeys", {"name_family"}}};
        if (lift)
            filters["attrs"]["asansor"] = true;
        return filters;
    };
    QVERIFY(found(byName("آزمون", true)).count(id));
    auto file = fetch();
    JCOMPARE(file["attrs"]["name_family"], "آزمون");
    JCOMPARE(file["status"], 2);
    JCOMPARE(file["area"]["_id"], areaId);
    QVERIFY(file["trackingId"].is_number());

    // attrs are replaced as a whole; the archive switch sends status -1.
    auto updated = m_manager->postJson("officeMan/propertyFiles/updatePropertyFile",
                                       {{"dealType", 1},
                                        {"propertyType", 50},
                                        {"fileDateUnix", 1714550400000LL},
                                        {"areaId", areaId},
                                        {"attrs", {{"name_family", "آزمون دوم"}, {"price", "9500000000"}}},
                                        {"propertyFileId", id},
                                        {"latitude", 36.31},
                                        {"longitude", 59.55},
                                        {"status", -1},
                                        {"dealStatus", "available"}});
    QVERIFY2(updated.ok(), updated.body.c_str());
    file = fetch();
    JCOMPARE(file["attrs"]["name_family"], "آزمون دوم");
    QVERIFY(!file["attrs"].contains("asansor"));
    QVERIFY(found(byName("آزمون دوم")).count(id));
    QVERIFY(!found(byName("آزمون", true)).count(id));
    JCOMPARE(file["status"], -1);
    JCOMPARE(file["dealStatus"], "available");
    // Without status the listing leaves the archive.
    updated = m_manager->postJson("officeMan/propertyFiles/updatePropertyFile",
                                  {{"dealType", 1},
                                   {"propertyType", 50},
                                   {"fileDateUnix", 1714550400000LL},
                                   {"areaId", areaId},
                                   {"attrs", {{"price", "9500000000"}}},
                                   {"propertyFileId", id},
                                   {"latitude", 36.31},
                                   {"longitude", 59.55}});
    QVERIFY(updated.ok());
    JCOMPARE(fetch()["status"], 2);
    QVERIFY(!found(byName("آزمون")).count(id));

    QVERIFY(m_manager
                ->postJson("officeMan/propertyFiles/updatePropertyFileDealStatus",
                           {{"propertyFileId", id}, {"dealStatus", "done"}})
                .ok());
    JCOMPARE(fetch()["dealStatus"], "done");
    QVERIFY(!m_manager
                 ->postJson("officeMan/propertyFiles/updatePropertyFileDealStatus",
                            {{"propertyFileId", id}, {"dealStatus", "sold"}})
                 .ok());

    QVERIFY(m_manager
                ->postJson("officeMan/propertyFiles/deletePropertyFiles",
                           {{"propertyFileIds", {id}}, {"logical", true}})
                .ok());
    JCOMPARE(fetch()["status"], -2);
    const auto listed = search(*m_manager, listBody({{"count", 1000}}));
    for (const auto &row : listed["propertyFiles"]["data"])
        QVERIFY(row["_id"] != id);
    QVERIFY(m_manager
                ->postJson("officeMan/propertyFiles/updatePropertyFileStatus",
                           {{"propertyFileId", id}, {"status", 2}})
                .ok());
    JCOMPARE(fetch()["status"], 2);

    // A listing that takes a removed one's place is not found by the removed one's texts.
    auto createNamed = [&](const std::string &name) {
        const auto reply = m_manager->postJson(
            "officeMan/propertyFiles/createPropertyFile",
            {{"dealType", 1}, {"propertyType", 50}, {"attrs", {{"name_family", name}, {"asansor", true}}}});
        return reply.ok() ? reply.result()["propertyFile"]["_id"].get<std::string>() : std::string();
    };
    const std::string removed = createNamed("یکتای حذف‌شده");
    QVERIFY(found(byName("یکتای حذف‌شده")).count(removed));
    QVERIFY(m_manager
                ->postJson("officeMan/propertyFiles/deletePropertyFiles",
                           {{"propertyFileIds", {removed}}, {"logical", false}})
                .ok());
    const std::string successor = createNamed("جانشین");
    QVERIFY(found(byName("یکتای حذف‌شده")).empty());
    QVERIFY(found(byName("جانشین")).count(successor));

    // Pairs that the form does not have are refused.
    const auto invalid =
        m_manager->postJson("officeMan/propertyFiles/createPropertyFile",
                            {{"dealType", 3}, {"propertyType", 50}, {"attrs", nlohmann::json::object()}});
    QVERIFY(!invalid.ok());
    QVERIFY(!invalid.firstMessage().empty());
}

// The same search asked again, as an export asks it for every page, after each kind of change.
void TestFiles::totalsFollowEveryChange() {
    const nlohmann::json body = listBody({{"dealType", 1}, {"propertyType", 52}, {"count", 5}});
    auto total = [&]() {
        return search(*m_manager, body)["propertyFiles"]["total"].get<std::int64_t>();
    };
    const std::int64_t before = total();
    JCOMPARE(total(), before);

    const auto created = m_manager->postJson("officeMan/propertyFiles/createPropertyFile",
                                             {{"dealType", 1},
                                              {"propertyType", 52},
                                              {"fileDateUnix", 1714550400000LL},
                                              {"attrs", {{"price", "7000000000"}}}});
    QVERIFY2(created.ok(), created.body.c_str());
    const std::string id = created.result()["propertyFile"]["_id"];
    JCOMPARE(total(), before + 1);

    QVERIFY(m_manager
                ->postJson("officeMan/propertyFiles/deletePropertyFiles",
                           {{"propertyFileIds", {id}}, {"logical", true}})
                .ok());
    JCOMPARE(total(), before);
    QVERIFY(m_manager
                ->postJson("officeMan/propertyFiles/updatePropertyFileStatus",
                           {{"propertyFileId", id}, {"status", 2}})
                .ok());
    JCOMPARE(total(), before + 1);
    // Moved to another property type by an edit, and back.
    auto moveTo = [&](int propertyType) {
        return m_manager
            ->postJson("officeMan/propertyFiles/updatePropertyFile", {{"dealType", 1},
                                                                      {"propertyType", propertyType},
                                                                      {"fileDateUnix", 1714550400000LL},
                                                                      {"attrs", {{"price", "7000000000"}}},
                                                                      {"propertyFileId", id}})
            .ok();
    };
    QVERIFY(moveTo(50));
    JCOMPARE(total(), before);
    QVERIFY(moveTo(52));
    JCOMPARE(total(), before + 1);

    // Bookmarks change without the listings changing.
    const nlohmann::json marked = listBody({{"bookmarkedOnly", true}});
    const std::int64_t bookmarked = search(*m_manager, marked)["propertyFiles"]["total"];
    QVERIFY(m_manager->postJson("bookmarks/bookmark", {{"type", "PropertyFile"}, {"id", id}}).ok());
    JCOMPARE(search(*m_manager, marked)["propertyFiles"]["total"], bookmarked + 1);
    QVERIFY(m_manager->postJson("bookmarks/unBookmark", {{"type", "PropertyFile"}, {"id", id}}).ok());
    JCOMPARE(search(*m_manager, marked)["propertyFiles"]["total"], bookmarked);

    QVERIFY(m_manager
                ->postJson("officeMan/propertyFiles/deletePropertyFiles",
                           {{"propertyFileIds", {id}}, {"logical", false}})
                .ok());
    JCOMPARE(total(), before);
}

void TestFiles::visibilityBetweenUsersAndOffices() {
    // mina was granted the rent folders only.
    ServiceClient mina(m_server->port());
    QVERIFY(mina.signInAdviser("mina", "123456").value("ok", false));
    const std::string minaId = mina.postForm("getMe", "").result()["user"]["_id"];
    const auto seen = search(mina, listBody({{"count", 1000}}), "employee");
    QVERIFY(!seen["propertyFiles"]["data"].empty());
    for (const auto &file : seen["propertyFiles"]["data"]) {
        const int deal = file["dealType"];
        QVERIFY(deal == 2 || deal == 6 || file["createdById"] == minaId);
        QVERIFY(!file["justOwnerAccess"].get<bool>() || file["createdById"] == minaId);
    }

    // A file the manager hides disappears for advisers and comes back when unhidden.
    const auto rent = search(*m_manager, listBody({{"dealType", 2}, {"count", 1}, {"status", 2}}));
    const auto file = rent["propertyFiles"]["data"][0];
    const std::string id = file["_id"];
    QVERIFY(m_manager->postJson("officeMan/propertyFiles/hideMyPropertyFile", {{"propertyFileId", id}}).ok());
    const bool minaOwns = file["createdById"] == minaId;
    const auto hiddenLookup =
        search(mina, {{"_id", id}, {"page", 1}, {"count", 100}, {"condition", true}}, "employee");
    JCOMPARE(hiddenLookup["propertyFiles"]["data"].empty(), !minaOwns);
    QVERIFY(
        m_manager->postJson("officeMan/propertyFiles/unHideMyPropertyFile", {{"propertyFileId", id}}).ok());
    JCOMPARE(search(mina, {{"_id", id}, {"page", 1}, {"count", 100}, {"condition", true}},
                    "employee")["propertyFiles"]["data"]
                 .size(),
             1u);

    // Another office sees shared files only, with the owner's office instead of his contacts.
    ServiceClient other(m_server->port());
    QVERIFY(other.signInManager("09157654321").value("ok", false));
    QVERIFY(
        m_manager->postJson("officeMan/propertyFiles/requestShareMyPropertyFile", {{"propertyFileId", id}})
            .ok());
    const auto pool = search(other, listBody({{"sharedOnly", true}, {"count", 1000}}));
    bool found = false;
    for (const auto &row : pool["propertyFiles"]["data"]) {
        QVERIFY(row["sharingSettings"]["shared"] == true);
        QVERIFY(row["office"]["title"].is_string());
        if (row["_id"] == id) {
            found = true;
            QVERIFY(!row["attrs"].contains("mobile"));
            QVERIFY(!row["attrs"].contains("name_family"));
            JCOMPARE(row["office"]["title"], "مشاور املاک آفتاب مشهد");
            QVERIFY(row["office"]["address"].is_string());
            JCOMPARE(row["office"]["mobileArray"], nlohmann::json::array({"09151234567"}));
        }
    }
    QVERIFY(found);
    // Nor does a search on them find the file for the other office, whichever way it asks
    // (the search bar, a short text, an exact value, a range), while its own office still does.
    const std::string mobile = file["attrs"]["mobile"];
    const std::string owner = file["attrs"]["name_family"];
    const std::vector<nlohmann::json> probes = {
        {{"attrs",
          {{"mobile", mobile},
           {"name_family", mobile},
           {"address", mobile},
           {"district", mobile},
           {"fileDetails", mobile}}},
         {"stringAttrKeys", {"mobile", "name_family", "address", "district", "fileDetails"}},
         {"stringAttrKeysOperator", "or"}},
        {{"attrs", {{"name_family", owner}}}, {"stringAttrKeys", {"name_family"}}},
        {{"attrs", {{"mobile", mobile.substr(9)}}}, {"stringAttrKeys", {"mobile"}}},
        {{"attrs", {{"mobile", mobile}}}},
        {{"range", {{"attrs.mobile", {{"min", std::stod(mobile) - 1}, {"max", std::stod(mobile) + 1}}}}}}};
    for (const auto &probe : probes) {
        nlohmann::json body = listBody({{"sharedOnly", true}, {"count", 1000}, {"sortBy", "attrs.mobile"}});
        body.update(probe);
        const auto theirs = search(other, body);
        for (const auto &row : theirs["propertyFiles"]["data"])
            QVERIFY2(row["_id"] != id, probe.dump().c_str());
        bool ownFound = false;
        const auto mine = search(*m_manager, body);
        for (const auto &row : mine["propertyFiles"]["data"])
            ownFound = ownFound || row["_id"] == id;
        QVERIFY2(ownFound, probe.dump().c_str());
    }
    // Read-only for the other office; its own list never holds foreign files.
    QVERIFY(!other
                 .postJson("officeMan/propertyFiles/updatePropertyFileStatus",
                           {{"propertyFileId", id}, {"status", -1}})
                 .ok());
    QVERIFY(!other
                 .postJson("officeMan/propertyFiles/deletePropertyFiles",
                           {{"propertyFileIds", {id}}, {"logical", true}})
                 .ok());
    const auto otherList = search(other, listBody({{"count", 1000}}));
    for (const auto &row : otherList["propertyFiles"]["data"])
        QVERIFY(row["officeId"] != file["officeId"]);
    QVERIFY(m_manager
                ->postJson("officeMan/propertyFiles/deletePropertyFileShareRequest", {{"propertyFileId", id}})
                .ok());
    QVERIFY(search(other,
                   {{"_id", id}, {"page", 1}, {"count", 100}, {"condition", true}})["propertyFiles"]["data"]
                .empty());
    QVERIFY(!other.postJson("bookmarks/bookmark", {{"type", "PropertyFile"}, {"id", id}}).ok());
}

void TestFiles::bookmarksReportsAndPoolFiles() {
    const auto page = search(*m_manager, listBody({{"count", 3}, {"dealType", 5}}));
    const std::string id = page["propertyFiles"]["data"][2]["_id"];
    QVERIFY(m_manager->postJson("bookmarks/bookmark", {{"type", "PropertyFile"}, {"id", id}}).ok());
    auto marked = search(*m_manager, listBody({{"bookmarkedOnly", true}, {"count", 100}}));
    bool found = false;
    for (const auto &row : marked["propertyFiles"]["data"])
        found = found || row["_id"] == id;
    QVERIFY(found);
    const auto &bookmarks = marked["bookmarks"];
    QVERIFY(std::find(bookmarks.begin(), bookmarks.end(), id) != bookmarks.end());
    QVERIFY(m_manager->postJson("bookmarks/unBookmark", {{"type", "PropertyFile"}, {"id", id}}).ok());
    marked = search(*m_manager, listBody({{"bookmarkedOnly", true}, {"count", 100}}));
    for (const auto &row : marked["propertyFiles"]["data"])
        QVERIFY(row["_id"] != id);

    QVERIFY(m_manager
                ->postJson("reportFlags/createReportFlag", {{"id", id},
                                                            {"type", "PropertyFile"},
                                                            {"flagType", "fileWrongPrice"},
                                                            {"description", "قیمت اشتباه"}})
                .ok());
    QVERIFY(!m_manager
                 ->postJson("reportFlags/createReportFlag",
                            {{"id", id}, {"type", "PropertyFile"}, {"flagType", "spam"}})
                 .ok());

    const auto before =
        search(*m_manager, listBody({{"systemFile", true}}))["propertyFiles"]["total"].get<int>();
    const auto handOut = m_manager->postJson("officeMan/propertyFiles/requestNewSystemPropertyFiles",
                                             nlohmann::json::object());
    QVERIFY2(handOut.ok(), handOut.body.c_str());
    QVERIFY(!handOut.firstMessage().empty());
    JCOMPARE(handOut.result()["messages"][0], handOut.json["messages"][0]);
    const auto after = search(*m_manager, listBody({{"systemFile", true}}));
    JCOMPARE(after["propertyFiles"]["total"].get<int>(), before + handOut.result()["count"].get<int>());
    for (const auto &row : after["propertyFiles"]["data"])
        JCOMPARE(row["systemFile"], true);
    // Today's share is used up (the plan gives 20 a day).
    const auto again = m_manager->postJson("officeMan/propertyFiles/requestNewSystemPropertyFiles",
                                           nlohmann::json::object());
    QVERIFY(!again.ok());
    QVERIFY(!again.firstMessage().empty());
}

// The demo and bulk listings hold exactly what the program's form for their pair can show and
// send back: editing one in the program loses nothing.
void TestFiles::madeUpListingsHoldOnlyTheirFormsKeys() {
    ProgramForms forms;
    QVERIFY(forms.load());
    for (const std::string seed : {"demo", "large:1500"}) {
        DevServerProcess server(devServerProgram(), {QStringLiteral("--seed"), QString::fromStdString(seed)});
        QVERIFY2(server.start(), qPrintable(server.errorOutput()));
        QCOMPARE(server.stop(), 0);
        std::map<std::string, std::map<PairKey, int>> perOffice;
        std::set<std::string> seen, offered;
        for (const auto &[office, pair, attrs] : storedListings(server)) {
            const std::string what =
                seed + ", " + std::to_string(pair.first) + "/" + std::to_string(pair.second);
            const auto form = forms.keys.find(pair);
            QVERIFY2(form != forms.keys.end(), (what + ": no such form").c_str());
            ++perOffice[office][pair];
            offered.insert(form->second.begin(), form->second.end());
            QVERIFY2(attrs.contains("fileDetail"), what.c_str());
            for (const auto &item : attrs.items()) {
                seen.insert(item.key());
                QVERIFY2(form->second.count(item.key()), (what + " holds " + item.key()).c_str());
                const auto owners = forms.revealedBy.find(item.key());
                if (owners != forms.revealedBy.end())
                    QVERIFY2(std::any_of(owners->second.begin(), owners->second.end(),
                                         [&](const std::string &owner) { return attrs.contains(owner); }),
                             (what + " holds " + item.key() + " without the option that reveals it").c_str());
            }
        }
        // Still varied: nearly every key some form offers turns up somewhere.
        QVERIFY2(
            seen.size() * 10 >= offered.size() * 9,
            (seed + ": " + std::to_string(seen.size()) + " of " + std::to_string(offered.size())).c_str());
        if (seed == "demo") {
            // The demo office, the one with the most listings: twelve of each of the 44 pairs the
            // program offers.
            const auto total = [](const std::map<PairKey, int> &counts) {
                int sum = 0;
                for (const auto &count : counts)
                    sum += count.second;
                return sum;
            };
            std::map<PairKey, int> demoOffice;
            for (const auto &office : perOffice) {
                if (total(office.second) > total(demoOffice))
                    demoOffice = office.second;
            }
            QCOMPARE(demoOffice.size(), 44u);
            for (const auto &count : demoOffice)
                QCOMPARE(count.second, 12);
        }
    }
}

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
