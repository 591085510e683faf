// Everything survives a restart on the same data folder; seeding never touches a database that
// already holds data.

#include "JsonCompare.h"
#include "ServiceClient.h"
#include "TestDevServer.h"

#include <QTest>

class TestRestart : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dataSurvivesRestart();
};

void TestRestart::dataSurvivesRestart() {
    DevServerProcess server(devServerProgram(),
                            QStringList{QStringLiteral("--seed"), QStringLiteral("demo")});
    QVERIFY2(server.start(), qPrintable(server.errorOutput()));
    ServiceClient client(server.port());
    const auto signIn = client.signInManager("09151234567");
    QVERIFY(signIn.value("ok", false));
    const std::string refreshToken = signIn["result"]["token"]["refreshToken"];

    const auto created = client.postJson("officeMan/propertyFiles/createPropertyFile",
                                         {{"dealType", 2},
                                          {"propertyType", 50},
                                          {"attrs", {{"mortgage", "500000000"}, {"rent", "12000000"}}}});
    QVERIFY(created.ok());
    const std::string fileId = created.result()["propertyFile"]["_id"];
    QVERIFY(client
                .postJson("contacts/createContact",
                          {{"fullName", "پس از راه‌اندازی"}, {"mobileArray", {"09150000000"}}})
                .ok());
    const auto total =
        client.postJson("officeMan/propertyFiles/searchMyPropertyFiles", {{"page", 1}, {"count", 1}}, "v2")
            .result()["propertyFiles"]["total"];

    // A clean stop on SIGTERM, then the same folder again; --seed is ignored on existing data.
    QCOMPARE(server.stop(), 0);
    QVERIFY2(server.start(), qPrintable(server.errorOutput()));
    ServiceClient again(server.port());
    again.setToken(client.token());
    QVERIFY(again.postForm("getMe", "").ok());
    const auto file = again.postJson("officeMan/propertyFiles/searchMyPropertyFiles",
                                     {{"_id", fileId}, {"page", 1}, {"count", 100}}, "v2");
    JCOMPARE(file.result()["propertyFiles"]["data"][0]["attrs"]["rent"], "12000000");
    JCOMPARE(
        again.postJson("officeMan/propertyFiles/searchMyPropertyFiles", {{"page", 1}, {"count", 1}}, "v2")
            .result()["propertyFiles"]["total"],
        total);
    const auto contacts =
        again.postJson("contacts/searchMyContacts", {{"page", 1}, {"count", 100}, {"status", 1}});
    JCOMPARE(contacts.result()["contacts"]["data"][0]["fullName"], "پس از راه‌اندازی");
    const auto refreshed = again.postForm("login/officeMan", ServiceClient::deviceForm("device-1"),
                                          {{"refreshtoken", refreshToken}}, false);
    QVERIFY(refreshed.ok());
    QCOMPARE(server.stop(), 0);
    QVERIFY(server.errorOutput().contains(QStringLiteral("--seed is ignored")));
}

QTEST_GUILESS_MAIN(TestRestart)
#include "tst_restart.moc"
