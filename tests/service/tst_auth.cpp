// Sign-in by code and by password, token expiry and renewal, device limits and bad tokens.

#include "JsonCompare.h"
#include "ServiceClient.h"
#include "TestDevServer.h"

#include <QTest>
#include <QThread>

class TestAuth : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void codeSignIn();
    void unknownNumberSignsUpAndCreatesOffice();
    void adviserPasswordSignIn();
    void deviceLimit();
    void missingAndForgedTokens();
    void expiredTokenIsRenewedWithoutRotation();
    void cleanupTestCase();

private:
    std::unique_ptr<DevServerProcess> m_server;
};

void TestAuth::initTestCase() {
    m_server = std::make_unique<DevServerProcess>(
        devServerProgram(), QStringList{QStringLiteral("--seed"), QStringLiteral("demo")});
    QVERIFY2(m_server->start(), qPrintable(m_server->errorOutput()));
}

void TestAuth::cleanupTestCase() {
    QCOMPARE(m_server->stop(), 0);
}

void TestAuth::codeSignIn() {
    ServiceClient client(m_server->port());
    const std::string device = "platform=desktop&os=windows&deviceId=pc-1&osVersion=10";
    const auto request =
        client.postForm("login/officeMan", device + "&username=09151234567&appVersion=2.1.0.0");
    QVERIFY2(request.ok(), request.body.c_str());
    // The client shows the first message of the code request.
    QVERIFY(!request.firstMessage().empty());
    JCOMPARE(request.json["result"]["messages"][0], request.json["messages"][0]);

    const auto wrong = client.postForm(
        "login/officeMan", device + "&appVersion=2.1.0.0&username=09151234567&verificationCode=9999");
    QVERIFY(!wrong.ok());
    QVERIFY(!wrong.firstMessage().empty());
    JCOMPARE(wrong.json["message"], wrong.json["messages"][0]);

    const auto right = client.postForm(
        "login/officeMan", device + "&appVersion=2.1.0.0&username=09151234567&verificationCode=1234");
    QVERIFY2(right.ok(), right.body.c_str());
    const std::string token = right.json["result"]["token"]["token"];
    QVERIFY(!token.empty());
    QVERIFY(!right.json["result"]["token"]["refreshToken"].get<std::string>().empty());

    // A used code cannot be used twice.
    const auto again = client.postForm(
        "login/officeMan", device + "&appVersion=2.1.0.0&username=09151234567&verificationCode=1234");
    QVERIFY(!again.ok());

    client.setToken(token);
    const auto me = client.postForm("getMe", "");
    QVERIFY2(me.ok(), me.body.c_str());
    JCOMPARE(me.result()["user"]["systemRole"], "officeMan");
    JCOMPARE(me.result()["user"]["username"], "09151234567");
    QVERIFY(me.result()["user"]["officeId"].is_string());
    QVERIFY(me.result()["user"]["wallet"]["balance"].is_number());

    // Malformed mobile numbers are refused with a message.
    const auto bad =
        client.postForm("login/officeMan", device + "&username=12345&appVersion=2.1.0.0", {}, false);
    QVERIFY(!bad.ok());
    QVERIFY(!bad.firstMessage().empty());
}

void TestAuth::unknownNumberSignsUpAndCreatesOffice() {
    ServiceClient client(m_server->port());
    QVERIFY(client.signInManager("09120000001").value("ok", false));
    const auto me = client.postForm("getMe", "");
    QVERIFY(me.ok());
    QVERIFY(!me.result()["user"].contains("officeId"));
    JCOMPARE(client.postForm("officeMan/office/getMyOffice", "").ok(), false);

    const auto areas = client.postJson(
        "areas/searchAreas", {{"page", 1}, {"count", 100000000}, {"condition", true}, {"status", 1}});
    QVERIFY(areas.ok());
    const std::string areaId = areas.result()["areas"]["data"][0]["_id"];
    const auto created = client.postJson("officeMan/office/createOffice",
                                         {{"title", "املاک نمونه"},
                                          {"areaId", areaId},
                                          {"address", "مشهد، سجاد"},
                                          {"location", {{"latitude", 36.3}, {"longitude", 59.6}}},
                                          {"phoneArray", {"05131234567"}},
                                          {"mobileArray", {"09120000001"}},
                                          {"website", ""}});
    QVERIFY2(created.ok(), created.body.c_str());
    const auto office = created.result()["office"];
    JCOMPARE(office["title"], "املاک نمونه");
    QVERIFY(office["currentPlan"]["expires_in"].is_number());
    QVERIFY(office["folders"].empty());
    JCOMPARE(client.postForm("getMe", "").result()["user"]["officeId"], office["_id"]);

    // The client's folder chain: eight system folders, one per deal type.
    for (int deal = 1; deal <= 8; ++deal) {
        const nlohmann::json query = {{"page", 1},
                                      {"count", 100},
                                      {"condition", true},
                                      {"searchOperator", "and"},
                                      {"sortBy", "created_at"},
                                      {"sortDirection", -1},
                                      {"dealType", deal}};
        const auto folder = client.postJson("officeMan/folders/createFolder",
                                            {{"title", "پوشه " + std::to_string(deal)},
                                             {"query", query.dump()},
                                             {"systemFolder", true},
                                             {"options", {{"color", deal < 5 ? 1 : 2}, {"order", deal}}}});
        QVERIFY2(folder.ok(), folder.body.c_str());
    }
    for (const std::string version : {"v1", "v2"}) {
        const auto folders =
            client.postJson("officeMan/folders/getMyFolders", nlohmann::json::object(), version);
        QVERIFY(folders.ok());
        JCOMPARE(folders.result()["folders"].size(), 8u);
        for (const auto &folder : folders.result()["folders"]) {
            JCOMPARE(folder["_id"], folder["id"]);
            QVERIFY(folder["query"].is_string());
        }
    }
    JCOMPARE(client.postForm("officeMan/office/getMyOffice", "").result()["office"]["folders"].size(), 8u);
}

void TestAuth::adviserPasswordSignIn() {
    ServiceClient client(m_server->port());
    QVERIFY(!client.signInAdviser("sara", "wrong").value("ok", true));
    QVERIFY(!client.signInAdviser("nobody", "123456").value("ok", true));
    const auto reply = client.signInAdviser("sara", "123456");
    QVERIFY(reply.value("ok", false));
    const auto me = client.postForm("getMe", "");
    JCOMPARE(me.result()["user"]["systemRole"], "employee");
    // Advisers answer under the "employee" prefix and are refused manager routes.
    QVERIFY(client.postForm("employee/office/getMyOffice", "").ok());
    const auto users = client.postForm("employee/users/searchUsers", "page=1&count=20&condition=true");
    QVERIFY(!users.ok());
    QVERIFY(!users.firstMessage().empty());
}

void TestAuth::deviceLimit() {
    // The demo agency's plan allows two desktop devices per user.
    ServiceClient client(m_server->port());
    QVERIFY(client.signInAdviser("hamid", "123456", "device-a").value("ok", false));
    QVERIFY(client.signInAdviser("hamid", "123456", "device-b").value("ok", false));
    const auto third = client.signInAdviser("hamid", "123456", "device-c");
    JCOMPARE(third.value("ok", true), false);
    JCOMPARE(third["codeKey"], "DEVICE_LIMIT_REACHED");
    QVERIFY(!third["messages"][0].get<std::string>().empty());
    // The same device may sign in again.
    QVERIFY(client.signInAdviser("hamid", "123456", "device-a").value("ok", false));
}

void TestAuth::missingAndForgedTokens() {
    ServiceClient client(m_server->port());
    auto reply = client.postForm("getMe", "");
    QVERIFY(!reply.ok());
    QVERIFY(!reply.firstMessage().empty());
    JCOMPARE(reply.status, 401);

    client.setToken("at_forged0000000000000000000000000000");
    reply =
        client.postJson("officeMan/propertyFiles/searchMyPropertyFiles", {{"page", 1}, {"count", 20}}, "v2");
    QVERIFY(!reply.ok());
    QVERIFY(reply.json["error"].get<std::string>().find("E_JWT_TOKEN_EXPIRED") == std::string::npos);
    QVERIFY(!reply.firstMessage().empty());

    reply = client.postRaw("/api/v1/getMe", "", "application/x-www-form-urlencoded",
                           {{"Authorization", "Basic abc"}});
    QVERIFY(!reply.ok());

    // A forged refresh token does not renew anything.
    reply = client.postForm("login/officeMan", ServiceClient::deviceForm("pc"),
                            {{"refreshtoken", "rt_forged"}}, false);
    QVERIFY(!reply.ok());
    QVERIFY(!reply.firstMessage().empty());
}

void TestAuth::expiredTokenIsRenewedWithoutRotation() {
    DevServerProcess shortLived(devServerProgram(),
                                QStringList{QStringLiteral("--token-lifetime"), QStringLiteral("3")});
    QVERIFY2(shortLived.start(), qPrintable(shortLived.errorOutput()));
    ServiceClient client(shortLived.port());
    const auto signIn = client.signInManager("09129999999");
    QVERIFY(signIn.value("ok", false));
    const std::string refreshToken = signIn["result"]["token"]["refreshToken"];

    // Wait past the three-second lifetime (the server checks expiry, not this test's clock); a
    // renewed token then lives three seconds again, ample for the requests below.
    QThread::msleep(3300);
    const auto expired = client.postForm("getMe", "");
    QVERIFY(!expired.ok());
    QVERIFY(expired.json["error"].get<std::string>().find("E_JWT_TOKEN_EXPIRED") != std::string::npos);

    // Several refreshes with the same refresh token all succeed: it is never rotated.
    std::string lastToken;
    for (int i = 0; i < 3; ++i) {
        const auto refreshed = client.postForm("login/officeMan", ServiceClient::deviceForm("device-1"),
                                               {{"refreshtoken", refreshToken}}, false);
        QVERIFY2(refreshed.ok(), refreshed.body.c_str());
        lastToken = refreshed.result()["token"]["token"];
        QVERIFY(!lastToken.empty());
    }
    client.setToken(lastToken);
    QVERIFY(client.postForm("getMe", "").ok());
    QCOMPARE(shortLived.stop(), 0);
}

QTEST_GUILESS_MAIN(TestAuth)
#include "tst_auth.moc"
