// Bad input never crashes the service nor changes stored data: each gets ok false, a Persian
// message and a fitting status.

#include "JsonCompare.h"
#include "ServiceClient.h"
#include "TestDevServer.h"

#include <QTest>

namespace {

// True when the text holds at least one Arabic-script letter (all refusals are Persian).
bool persian(const std::string &text) {
    return text.find("\xd8") != std::string::npos || text.find("\xdb") != std::string::npos;
}

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void malformedBodies();
    void wrongTypesAndMissingKeys();
    void oversizedBody();
    void unknownRoutesAndMethods();
    void formDecoding();
    void otherOfficesIds();
    void serviceStillConsistent();
    void cleanupTestCase();

private:
    void expectRefusal(const ServiceClient::Reply &reply, int status);
    std::unique_ptr<DevServerProcess> m_server;
    std::unique_ptr<ServiceClient> m_client;
    std::int64_t m_total = 0;
};

void TestBadInput::expectRefusal(const ServiceClient::Reply &reply, int status) {
    JCOMPARE(reply.status, status);
    QVERIFY2(reply.json.is_object(), reply.body.c_str());
    JCOMPARE(reply.json["ok"], false);
    QVERIFY2(persian(reply.json["messages"][0].get<std::string>()), reply.body.c_str());
    JCOMPARE(reply.json["message"], reply.json["messages"][0]);
}

void TestBadInput::initTestCase() {
    m_server = std::make_unique<DevServerProcess>(
        devServerProgram(), QStringList{QStringLiteral("--seed"), QStringLiteral("demo")});
    QVERIFY2(m_server->start(), qPrintable(m_server->errorOutput()));
    m_client = std::make_unique<ServiceClient>(m_server->port());
    QVERIFY(m_client->signInManager("09151234567").value("ok", false));
    m_total =
        m_client->postJson("officeMan/propertyFiles/searchMyPropertyFiles", {{"page", 1}, {"count", 1}}, "v2")
            .result()["propertyFiles"]["total"];
}

void TestBadInput::cleanupTestCase() {
    QCOMPARE(m_server->stop(), 0);
}

void TestBadInput::malformedBodies() {
    const std::string route = "/api/v1/officeMan/propertyFiles/createPropertyFile";
    expectRefusal(m_client->postRaw(route, "{\"dealType\": 1,", "application/json"), 400);
    expectRefusal(m_client->postRaw(route, "[1, 2, 3]", "application/json"), 400);
    expectRefusal(m_client->postRaw(route, "\"text\"", "application/json"), 400);
    expectRefusal(
        m_client->postRaw(route, std::string("{\"attrs\": {\"disc\": \"\xff\xfe\"}}"), "application/json"),
        400);
    expectRefusal(m_client->postRaw(route,
                                    "--x\r\nContent-Disposition: form-data; name=\"a\"\r\n\r\nb\r\n--x--\r\n",
                                    "multipart/form-data; boundary=x"),
                  415);
    // A broken form and a broken multipart body.
    expectRefusal(m_client->postRaw("/api/v1/login/officeMan", "username=%E2%28%A1&platform=desktop",
                                    "application/x-www-form-urlencoded"),
                  400);
    const auto upload = m_client->postRaw("/api/v1/officeMan/propertyFiles/addPropertyFileImage",
                                          "garbage without boundary", "multipart/form-data; boundary=zzz");
    QVERIFY(upload.json.is_object());
    JCOMPARE(upload.json["ok"], false);
}

void TestBadInput::wrongTypesAndMissingKeys() {
    const std::string search = "officeMan/propertyFiles/searchMyPropertyFiles";
    expectRefusal(m_client->postJson(search, {{"page", "first"}, {"count", 20}}, "v2"), 400);
    expectRefusal(m_client->postJson(search, {{"page", 0}, {"count", 20}}, "v2"), 400);
    expectRefusal(m_client->postJson(search, {{"page", 1}, {"range", "cheap"}}, "v2"), 400);
    expectRefusal(
        m_client->postJson(search, {{"page", 1}, {"range", {{"attrs.price", {{"min", "a lot"}}}}}}, "v2"),
        400);
    expectRefusal(
        m_client->postJson(search, {{"page", 1}, {"sortBy", "attrs.price'); DROP TABLE users;--"}}, "v2"),
        400);
    expectRefusal(m_client->postJson(search, {{"page", 1}, {"attrs", {{"price", {{"$gt", 1}}}}}}, "v2"), 400);
    expectRefusal(m_client->postJson("officeMan/propertyFiles/createPropertyFile",
                                     {{"dealType", "sale"}, {"propertyType", 50}}),
                  400);
    expectRefusal(m_client->postJson("officeMan/propertyFiles/createPropertyFile", {{"propertyType", 50}}),
                  400);
    expectRefusal(m_client->postJson("officeMan/propertyFiles/createPropertyFile",
                                     {{"dealType", 1}, {"propertyType", 50}, {"attrs", {{"a b", true}}}}),
                  400);
    expectRefusal(m_client->postJson("contacts/createContact", {{"mobileArray", nlohmann::json::array()}}),
                  400);
    expectRefusal(
        m_client->postJson("contacts/createContact", {{"fullName", "x"}, {"mobileArray", {{{"nested", 1}}}}}),
        400);
    expectRefusal(m_client->postJson("notes/createNote", {{"title", nlohmann::json::array()}}), 400);
    expectRefusal(
        m_client->postJson("officeMan/users/updateUsersStatus", {{"userIds", {"x"}}, {"newStatus", 7}}), 400);
}

void TestBadInput::oversizedBody() {
    const std::string huge(26 * 1024 * 1024, 'a');
    const auto reply =
        m_client->postRaw("/api/v1/notes/createNote", "{\"title\":\"" + huge + "\"}", "application/json");
    expectRefusal(reply, 413);
}

void TestBadInput::unknownRoutesAndMethods() {
    expectRefusal(m_client->postJson("officeMan/propertyFiles/stealEverything", nlohmann::json::object()),
                  404);
    expectRefusal(
        m_client->postJson("admin/propertyFiles/searchMyPropertyFiles", nlohmann::json::object(), "v2"), 404);
    expectRefusal(m_client->postJson("getMe", nlohmann::json::object(), "v3"), 404);
    expectRefusal(m_client->get("/api/v1/getMe"), 404);
    // Role routes need their role prefix; plain routes do not take one.
    expectRefusal(m_client->postJson("propertyFiles/searchMyPropertyFiles", nlohmann::json::object(), "v2"),
                  404);
}

void TestBadInput::formDecoding() {
    // %XX is decoded; a literal '+' stays a '+'.
    const auto reply =
        m_client->postForm("updateMe", "fname=%D8%B1%D8%B6%D8%A7+%2B&lname=a+b&email=&phone=09151234567");
    QVERIFY2(reply.ok(), reply.body.c_str());
    const auto user = m_client->postForm("getMe", "").result()["user"];
    JCOMPARE(user["fname"], "رضا++");
    JCOMPARE(user["lname"], "a+b");
    expectRefusal(m_client->postForm("updateMe", "fname=x&email=not-an-address&phone="), 200);
}

void TestBadInput::otherOfficesIds() {
    ServiceClient other(m_server->port());
    QVERIFY(other.signInManager("09157654321").value("ok", false));
    const auto mine = m_client->postJson("officeMan/propertyFiles/searchMyPropertyFiles",
                                         {{"page", 1}, {"count", 1}, {"status", 2}}, "v2");
    const auto file = mine.result()["propertyFiles"]["data"][0];
    const std::string id = file["_id"];
    expectRefusal(
        other.postJson("officeMan/propertyFiles/updatePropertyFile", {{"propertyFileId", id},
                                                                      {"dealType", 1},
                                                                      {"propertyType", 50},
                                                                      {"attrs", nlohmann::json::object()}}),
        file.value("/sharingSettings/shared"_json_pointer, false) ? 403 : 404);
    expectRefusal(other.postJson("officeMan/propertyFiles/hideMyPropertyFile",
                                 {{"propertyFileId", "ffffffffffffffffffffffff"}}),
                  404);
    const auto folders = m_client->postJson("officeMan/folders/getMyFolders", nlohmann::json::object());
    const std::string otherId = other.postForm("getMe", "").result()["user"]["_id"];
    expectRefusal(
        other.postJson("officeMan/folders/addFoldersUser",
                       {{"folderIds", {folders.result()["folders"][0]["id"]}}, {"userId", otherId}}),
        404);
    const auto note = m_client->postJson("notes/searchMyNotes", {{"page", 1}, {"count", 1}, {"status", 1}});
    expectRefusal(
        other.postJson("notes/updateMyNote",
                       {{"noteId", note.result()["notes"]["data"][0]["_id"]}, {"title", "x"}, {"body", "y"}}),
        404);
    // The listing is unchanged.
    const auto again = m_client->postJson("officeMan/propertyFiles/searchMyPropertyFiles",
                                          {{"_id", id}, {"page", 1}, {"count", 100}}, "v2");
    JCOMPARE(again.result()["propertyFiles"]["data"][0]["attrs"], file["attrs"]);
}

void TestBadInput::serviceStillConsistent() {
    QVERIFY(m_client->postForm("getMe", "").ok());
    const auto total =
        m_client->postJson("officeMan/propertyFiles/searchMyPropertyFiles", {{"page", 1}, {"count", 1}}, "v2")
            .result()["propertyFiles"]["total"];
    JCOMPARE(total.get<std::int64_t>(), m_total);
    // Still valid JSON everywhere, even on a body of NUL bytes.
    const auto reply = m_client->postRaw("/api/v1/getMe", std::string(64, '\0'), "application/json");
    QVERIFY(reply.json.is_object());
}

QTEST_GUILESS_MAIN(TestBadInput)
#include "tst_bad_input.moc"
