// Staff management, contacts, notes, posts, notifications, contact messages, areas.

#include "JsonCompare.h"
#include "ServiceClient.h"
#include "TestDevServer.h"

#include <QTest>

class TestPeople : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void staffLifecycle();
    void contactsAndNotes();
    void postsNotificationsAndMessages();
    void areasAndExtraAreas();
    void cleanupTestCase();

private:
    std::unique_ptr<DevServerProcess> m_server;
    std::unique_ptr<ServiceClient> m_client;
};

void TestPeople::initTestCase() {
    m_server = std::make_unique<DevServerProcess>(
        devServerProgram(), QStringList{QStringLiteral("--seed"), QStringLiteral("demo")});
    QVERIFY2(m_server->start(), qPrintable(m_server->errorOutput()));
    m_client = std::make_unique<ServiceClient>(m_server->port());
    QVERIFY(m_client->signInManager("09151234567").value("ok", false));
}

void TestPeople::cleanupTestCase() {
    QCOMPARE(m_server->stop(), 0);
}

void TestPeople::staffLifecycle() {
    auto users = m_client->postForm("officeMan/users/searchUsers", "page=1&count=20&condition=true");
    QVERIFY(users.ok());
    JCOMPARE(users.result()["users"]["data"].size(), 4u); // the manager and three advisers
    users = m_client->postForm(
        "officeMan/users/searchUsers",
        "lname=%D8%B3%D8%A7%D8%B1%D8%A7&fname=%D8%B3%D8%A7%D8%B1%D8%A7&page=1&count=20&condition=true");
    JCOMPARE(users.result()["users"]["data"].size(), 1u);
    JCOMPARE(users.result()["users"]["data"][0]["username"], "sara");

    const auto created =
        m_client->postJson("officeMan/users/createUser/employee", {{"fname", "نیما"},
                                                                   {"lname", "یزدانی"},
                                                                   {"email", "nima@example.ir"},
                                                                   {"username", "nima"},
                                                                   {"password", "pass1"},
                                                                   {"mobile", "09350001122"}});
    QVERIFY2(created.ok(), created.body.c_str());
    const std::string id = created.result()["user"]["_id"];
    QVERIFY(!m_client
                 ->postJson("officeMan/users/createUser/employee", {{"fname", "x"},
                                                                    {"lname", "y"},
                                                                    {"email", ""},
                                                                    {"username", "nima"},
                                                                    {"password", "pass1"},
                                                                    {"mobile", ""}})
                 .ok());

    ServiceClient nima(m_server->port());
    QVERIFY(nima.signInAdviser("nima", "pass1").value("ok", false));
    QVERIFY(m_client
                ->postJson("officeMan/users/updateUser", {{"userId", id},
                                                          {"fname", "نیما"},
                                                          {"lname", "رضوی"},
                                                          {"email", ""},
                                                          {"username", "nima.r"},
                                                          {"mobile", "09350001122"}})
                .ok());
    QVERIFY(m_client
                ->postJson("officeMan/users/resetUserPassword",
                           {{"userId", id}, {"newPassword", "new12"}, {"rePassword", "new12"}})
                .ok());
    QVERIFY(!m_client
                 ->postJson("officeMan/users/resetUserPassword",
                            {{"userId", id}, {"newPassword", "a1234"}, {"rePassword", "b1234"}})
                 .ok());
    QVERIFY(!nima.signInAdviser("nima.r", "pass1").value("ok", true));
    QVERIFY(nima.signInAdviser("nima.r", "new12").value("ok", false));

    // Deactivation signs the adviser out and keeps him out.
    QVERIFY(
        m_client->postJson("officeMan/users/updateUsersStatus", {{"userIds", {id}}, {"newStatus", 0}}).ok());
    QVERIFY(!nima.postForm("getMe", "").ok());
    QVERIFY(!nima.signInAdviser("nima.r", "new12").value("ok", true));
    users = m_client->postForm("officeMan/users/searchUsers", "page=1&count=20&condition=true&status=0");
    JCOMPARE(users.result()["users"]["data"].size(), 1u);
    QVERIFY(
        m_client->postJson("officeMan/users/updateUsersStatus", {{"userIds", {id}}, {"newStatus", 2}}).ok());

    // Folder access: what the adviser's list is scoped by.
    const auto folders = m_client->postJson("officeMan/folders/getMyFolders", nlohmann::json::object());
    const std::string rentFolder = folders.result()["folders"][1]["id"];
    QVERIFY(
        m_client->postJson("officeMan/folders/addFoldersUser", {{"folderIds", {rentFolder}}, {"userId", id}})
            .ok());
    QVERIFY(nima.signInAdviser("nima.r", "new12").value("ok", false));
    auto mine = nima.postJson("employee/folders/getMyFolders", nlohmann::json::object(), "v2");
    JCOMPARE(mine.result()["folders"].size(), 1u);
    QVERIFY(
        m_client
            ->postJson("officeMan/folders/removeFoldersUser", {{"folderIds", {rentFolder}}, {"userId", id}})
            .ok());
    mine = nima.postJson("employee/folders/getMyFolders", nlohmann::json::object(), "v2");
    QVERIFY(mine.result()["folders"].empty());

    QVERIFY(m_client->postJson("officeMan/users/deleteUsers", {{"userIds", {id}}, {"logical", true}}).ok());
    users = m_client->postForm("officeMan/users/searchUsers", "page=1&count=20&condition=true");
    for (const auto &user : users.result()["users"]["data"])
        QVERIFY(user["_id"] != id);
    // The manager cannot delete himself, nor touch another office's users.
    const std::string self = m_client->postForm("getMe", "").result()["user"]["_id"];
    QVERIFY(
        !m_client->postJson("officeMan/users/deleteUsers", {{"userIds", {self}}, {"logical", true}}).ok());
    ServiceClient other(m_server->port());
    QVERIFY(other.signInManager("09157654321").value("ok", false));
    QVERIFY(!other
                 .postJson("officeMan/users/resetUserPassword",
                           {{"userId", self}, {"newPassword", "1111"}, {"rePassword", "1111"}})
                 .ok());
}

void TestPeople::contactsAndNotes() {
    const nlohmann::json list = {
        {"page", 1},   {"count", 100},           {"condition", true},  {"searchOperator", "and"},
        {"status", 1}, {"sortBy", "created_at"}, {"sortDirection", -1}};
    const auto before =
        m_client->postJson("contacts/searchMyContacts", list).result()["contacts"]["data"].size();
    QVERIFY(before > 0);
    QVERIFY(m_client
                ->postJson("contacts/createContact",
                           {{"fullName", "مریم کاظمی"}, {"mobileArray", {"09151112233"}}})
                .ok());
    auto contacts = m_client->postJson("contacts/searchMyContacts", list).result()["contacts"]["data"];
    JCOMPARE(contacts.size(), before + 1);
    JCOMPARE(contacts[0]["fullName"], "مریم کاظمی");
    const std::string id = contacts[0]["_id"];
    // The search bar's name filter: a part of the name, blanks around it ignored.
    nlohmann::json byName = list;
    byName["fullName"] = " ریم کاظ ";
    auto found = m_client->postJson("contacts/searchMyContacts", byName).result()["contacts"];
    JCOMPARE(found["total"], found["data"].size());
    QVERIFY(found["total"] < before + 1);
    JCOMPARE(found["data"][0]["_id"], id);
    for (const auto &contact : found["data"])
        QVERIFY(contact["fullName"].get<std::string>().find("ریم کاظ") != std::string::npos);
    byName["fullName"] = "کاظمی نیست";
    JCOMPARE(m_client->postJson("contacts/searchMyContacts", byName).result()["contacts"]["total"], 0);
    QVERIFY(m_client
                ->postJson(
                    "contacts/updateMyContact",
                    {{"contactId", id}, {"fullName", "مریم کاظمی"}, {"mobileArray", nlohmann::json::array()}})
                .ok());
    QVERIFY(m_client->postJson("contacts/searchMyContacts", list)
                .result()["contacts"]["data"][0]["mobileArray"]
                .empty());
    QVERIFY(
        !m_client->postJson("contacts/createContact", {{"fullName", "x"}, {"mobileArray", {"not a number"}}})
             .ok());

    // Another user's contact cannot be changed.
    ServiceClient sara(m_server->port());
    QVERIFY(sara.signInAdviser("sara", "123456").value("ok", false));
    QVERIFY(!sara.postJson("contacts/updateMyContact",
                           {{"contactId", id}, {"fullName", "دزد"}, {"mobileArray", nlohmann::json::array()}})
                 .ok());
    QVERIFY(!sara.postJson("contacts/deleteMyContacts", {{"contactIds", {id}}, {"logical", true}}).ok());

    QVERIFY(m_client->postJson("contacts/deleteMyContacts", {{"contactIds", {id}}, {"logical", true}}).ok());
    JCOMPARE(m_client->postJson("contacts/searchMyContacts", list).result()["contacts"]["data"].size(),
             before);

    QVERIFY(m_client->postJson("notes/createNote", {{"title", "بازدید"}, {"body", "ساعت ۵"}}).ok());
    auto notes = m_client->postJson("notes/searchMyNotes", list).result()["notes"]["data"];
    JCOMPARE(notes[0]["title"], "بازدید");
    const std::string noteId = notes[0]["_id"];
    QVERIFY(
        m_client
            ->postJson("notes/updateMyNote", {{"noteId", noteId}, {"title", "بازدید"}, {"body", "ساعت ۶"}})
            .ok());
    JCOMPARE(m_client->postJson("notes/searchMyNotes", list).result()["notes"]["data"][0]["body"], "ساعت ۶");
    QVERIFY(m_client->postJson("notes/deleteMyNotes", {{"noteIds", {noteId}}, {"logical", true}}).ok());
    const auto remaining = m_client->postJson("notes/searchMyNotes", list);
    for (const auto &note : remaining.result()["notes"]["data"])
        QVERIFY(note["_id"] != noteId);
    // Past the end: an empty page.
    QVERIFY(m_client->postJson("notes/searchMyNotes", {{"page", 50}, {"count", 100}, {"status", 1}})
                .result()["notes"]["data"]
                .empty());
}

void TestPeople::postsNotificationsAndMessages() {
    const auto posts = m_client->postJson(
        "blog/searchPosts",
        {{"page", 1}, {"count", 100}, {"condition", false}, {"sortBy", "created_at"}, {"sortDirection", -1}});
    const auto &data = posts.result()["blogPosts"]["data"];
    QVERIFY(data.size() >= 5);
    QVERIFY(data[0]["tags"].is_array());
    QVERIFY(!data[0]["images"].empty());

    const nlohmann::json badge = {{"page", 1},
                                  {"count", 1000},
                                  {"condition", false},
                                  {"searchOperator", "and"},
                                  {"sortBy", "created_at"},
                                  {"sortDirection", -1},
                                  {"unreadOnly", true}};
    const auto unread = m_client->postJson("notifications/getMyNotifications", badge);
    const int count = unread.result()["notifications"]["total"];
    QVERIFY(count > 0);
    nlohmann::json ids = nlohmann::json::array();
    for (const auto &item : unread.result()["notifications"]["data"])
        ids.push_back(item["_id"]);
    QVERIFY(m_client->postJson("notifications/readMyNotifications", {{"notificationIds", ids}}).ok());
    JCOMPARE(m_client->postJson("notifications/getMyNotifications", badge).result()["notifications"]["total"],
             0);
    const auto all = m_client->postJson("notifications/getMyNotifications", {{"page", 1}, {"count", 1000}});
    QVERIFY(all.result()["notifications"]["total"].get<int>() >= count);

    QVERIFY(m_client
                ->postJson("contactMessages/createContactMessage",
                           {{"type", "suggestion"}, {"description", "عالی است"}})
                .ok());
    QVERIFY(
        !m_client->postJson("contactMessages/createContactMessage", {{"type", "spam"}, {"description", "x"}})
             .ok());
    QVERIFY(
        !m_client
             ->postJson("contactMessages/createContactMessage", {{"type", "bug_report"}, {"description", ""}})
             .ok());
}

void TestPeople::areasAndExtraAreas() {
    const auto json = m_client->postJson(
        "areas/searchAreas", {{"page", 1}, {"count", 100000000}, {"condition", true}, {"status", 1}});
    const auto &areas = json.result()["areas"]["data"];
    QVERIFY(areas.size() >= 45);
    QVERIFY(areas[0]["description"].is_string());
    const auto form = m_client->postForm("areas/searchAreas", "page=1&count=10000000");
    JCOMPARE(form.result()["areas"]["data"].size(), areas.size());

    auto office = m_client->postForm("officeMan/office/getMyOffice", "").result()["office"];
    const auto before = office["currentPlan"]["extraAreaIds"].size();
    const std::string area = areas[10]["_id"];
    QVERIFY(m_client->postJson("officeMan/office/addExtraArea", {{"areaId", area}}).ok());
    QVERIFY(!m_client->postJson("officeMan/office/addExtraArea", {{"areaId", area}}).ok());
    office = m_client->postForm("officeMan/office/getMyOffice", "").result()["office"];
    JCOMPARE(office["currentPlan"]["extraAreaIds"].size(), before + 1);
    QVERIFY(m_client->postJson("officeMan/office/deleteExtraAreas", {{"areaIds", {area}}}).ok());
    office = m_client->postForm("officeMan/office/getMyOffice", "").result()["office"];
    JCOMPARE(office["currentPlan"]["extraAreaIds"].size(), before);
    QVERIFY(!m_client->postJson("officeMan/office/addExtraArea", {{"areaId", "unknown"}}).ok());

    // updateOffice keeps the caller's own office only.
    const auto updated = m_client->postJson("officeMan/office/updateOffice",
                                            {{"title", "مشاور املاک آفتاب"},
                                             {"areaId", office["areaId"]},
                                             {"address", "مشهد"},
                                             {"location", {{"latitude", 36.3}, {"longitude", 59.58}}},
                                             {"phoneArray", {"05138412345"}},
                                             {"mobileArray", {"09151234567"}},
                                             {"website", ""},
                                             {"officeId", office["_id"]},
                                             {"userId", "x"}});
    QVERIFY2(updated.ok(), updated.body.c_str());
    JCOMPARE(updated.result()["office"]["title"], "مشاور املاک آفتاب");
    QVERIFY(!m_client
                 ->postJson(
                     "officeMan/office/updateOffice",
                     {{"title", "x"}, {"areaId", office["areaId"]}, {"officeId", "000000000000000000000001"}})
                 .ok());
}

QTEST_GUILESS_MAIN(TestPeople)
#include "tst_people.moc"
