// Wallet, gift codes, payments on the service's payment page, plans, orders, transactions and
// archive packages.

#include "JsonCompare.h"
#include "ServiceClient.h"
#include "TestDevServer.h"

#include <QTest>

namespace {

std::string pathOf(const std::string &url) {
    return url.substr(url.find('/', std::string("https://").size()));
}

std::int64_t total(const nlohmann::json &wallet) {
    return wallet["balance"].get<std::int64_t>() + wallet["giftBalance"].get<std::int64_t>();
}

} // namespace

class TestFinance : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void giftCodes();
    void chargeThroughPaymentPage();
    void cancelledPayment();
    void plansFromWalletAndGateway();
    void extraUsersAndUserLimit();
    void archivePackages();
    void cleanupTestCase();

private:
    nlohmann::json wallet() {
        return m_client->postForm("officeMan/finance/getMyWallet", "").result()["wallet"];
    }
    nlohmann::json office() {
        return m_client->postForm("officeMan/office/getMyOffice", "").result()["office"];
    }
    std::unique_ptr<DevServerProcess> m_server;
    std::unique_ptr<ServiceClient> m_client;
};

void TestFinance::initTestCase() {
    m_server = std::make_unique<DevServerProcess>(
        devServerProgram(), QStringList{QStringLiteral("--seed"), QStringLiteral("demo")});
    QVERIFY2(m_server->start(), qPrintable(m_server->errorOutput()));
    m_client = std::make_unique<ServiceClient>(m_server->port());
    QVERIFY(m_client->signInManager("09151234567").value("ok", false));
}

void TestFinance::cleanupTestCase() {
    QCOMPARE(m_server->stop(), 0);
}

void TestFinance::giftCodes() {
    const auto before = wallet();
    QVERIFY(before["balance"].is_number_integer());
    const auto redeemed = m_client->postJson("officeMan/finance/redeemGiftCode", {{"code", "norvela100"}});
    QVERIFY2(redeemed.ok(), redeemed.body.c_str());
    JCOMPARE(redeemed.result()["amount"], 100000);
    JCOMPARE(wallet()["giftBalance"].get<std::int64_t>(), before["giftBalance"].get<std::int64_t>() + 100000);
    const auto reused = m_client->postJson("officeMan/finance/redeemGiftCode", {{"code", "NORVELA100"}});
    QVERIFY(!reused.ok());
    QVERIFY(!reused.firstMessage().empty());
    QVERIFY(!m_client->postJson("officeMan/finance/redeemGiftCode", {{"code", "NO-SUCH-CODE"}}).ok());
    const auto transactions =
        m_client->postJson("officeMan/orders/searchTransactions", {{"page", 1}, {"count", 100}});
    JCOMPARE(transactions.result()["transactions"]["data"][0]["paymentGateway"], "GIFTCODE");
}

void TestFinance::chargeThroughPaymentPage() {
    const auto before = wallet();
    const auto charge = m_client->postJson("officeMan/finance/chargeMyWallet", {{"amount", 150000}});
    QVERIFY2(charge.ok(), charge.body.c_str());
    const std::string url = charge.result()["url"];
    QVERIFY(url.rfind("https://127.0.0.1:" + std::to_string(m_server->port()) + "/pay/", 0) == 0);

    ServiceClient browser(m_server->port());
    const auto page = browser.get(pathOf(url));
    JCOMPARE(page.status, 200);
    QVERIFY(page.contentType.find("text/html") == 0);
    QVERIFY(page.body.find("150,000") != std::string::npos);
    QVERIFY(page.body.find("شارژ کیف پول") != std::string::npos);

    auto orders =
        m_client->postJson("officeMan/orders/searchOrders",
                           {{"page", 1}, {"count", 100}, {"sortBy", "created_at"}, {"sortDirection", -1}});
    JCOMPARE(orders.result()["orders"]["data"][0]["status"], "pendingPayment");

    const auto paid = browser.postRaw(pathOf(url), "action=pay", "application/x-www-form-urlencoded");
    JCOMPARE(paid.status, 200);
    QVERIFY(paid.body.find("پرداخت با موفقیت انجام شد") != std::string::npos);
    JCOMPARE(wallet()["balance"].get<std::int64_t>(), before["balance"].get<std::int64_t>() + 150000);

    orders = m_client->postJson("officeMan/orders/searchOrders", {{"page", 1}, {"count", 100}});
    const auto &order = orders.result()["orders"]["data"][0];
    JCOMPARE(order["orderType"], "CHARGE_WALLET");
    JCOMPARE(order["status"], "completed");
    QVERIFY(order["gatewayAuth"].is_string());
    QVERIFY(order["created_at"].is_string());
    // Paying twice changes nothing.
    browser.postRaw(pathOf(url), "action=pay", "application/x-www-form-urlencoded");
    JCOMPARE(wallet()["balance"].get<std::int64_t>(), before["balance"].get<std::int64_t>() + 150000);
    const auto transactions =
        m_client->postJson("officeMan/orders/searchTransactions", {{"page", 1}, {"count", 100}});
    JCOMPARE(transactions.result()["transactions"]["data"][0]["status"], 1);
    QVERIFY(!m_client->postJson("officeMan/finance/chargeMyWallet", {{"amount", 5}}).ok());
}

void TestFinance::cancelledPayment() {
    const auto before = wallet();
    const auto charge = m_client->postJson("officeMan/finance/chargeMyWallet", {{"amount", 200000}});
    ServiceClient browser(m_server->port());
    const auto cancelled =
        browser.postRaw(pathOf(charge.result()["url"]), "action=cancel", "application/x-www-form-urlencoded");
    QVERIFY(cancelled.body.find("لغو") != std::string::npos);
    JCOMPARE(wallet(), before);
    const auto orders = m_client->postJson("officeMan/orders/searchOrders", {{"page", 1}, {"count", 100}});
    JCOMPARE(orders.result()["orders"]["data"][0]["status"], "canceled");
    JCOMPARE(browser.get("/pay/00000000000000000000000000000000").status, 404);
}

void TestFinance::plansFromWalletAndGateway() {
    const auto plans = m_client->postJson("officeMan/plans/searchPlans", {{"page", 1},
                                                                          {"count", 100},
                                                                          {"condition", true},
                                                                          {"searchOperator", "and"},
                                                                          {"status", 1},
                                                                          {"sortBy", "price"},
                                                                          {"sortDirection", -1},
                                                                          {"systemPlan", false}});
    const auto &list = plans.result()["plans"]["data"];
    QVERIFY(list.size() >= 3);
    for (std::size_t i = 1; i < list.size(); ++i)
        QVERIFY(list[i - 1]["price"] >= list[i]["price"]);
    for (const auto &plan : list) {
        JCOMPARE(plan["systemPlan"], false);
        QVERIFY(plan["maxLogins"]["desktop"].is_number());
    }
    const auto current =
        m_client->postJson("officeMan/plans/searchPlans",
                           {{"_id", office()["currentPlanId"]}, {"page", 1}, {"count", 100}, {"status", 1}});
    JCOMPARE(current.result()["plans"]["data"][0]["_id"], office()["currentPlanId"]);

    // The cheapest plan is covered by the wallet: bought at once.
    const auto cheapest = list.back();
    const auto before = wallet();
    const auto bought = m_client->postJson("officeMan/plans/buyPlan",
                                           {{"planId", cheapest["_id"]}, {"currentPlanId", cheapest["_id"]}});
    QVERIFY2(bought.ok(), bought.body.c_str());
    JCOMPARE(bought.result()["requirePayment"], false);
    JCOMPARE(office()["currentPlanId"], cheapest["_id"]);
    JCOMPARE(total(wallet()), total(before) - cheapest["price"].get<std::int64_t>());

    // The dearest is not: a payment page, and the plan changes only once paid.
    const auto dearest = list.front();
    const auto pending = m_client->postJson("officeMan/plans/buyPlan",
                                            {{"planId", dearest["_id"]}, {"currentPlanId", dearest["_id"]}});
    QVERIFY(pending.ok());
    JCOMPARE(pending.result()["requirePayment"], true);
    JCOMPARE(office()["currentPlanId"], cheapest["_id"]);
    ServiceClient browser(m_server->port());
    browser.postRaw(pathOf(pending.result()["url"]), "action=pay", "application/x-www-form-urlencoded");
    const auto changed = office();
    JCOMPARE(changed["currentPlanId"], dearest["_id"]);
    QVERIFY(changed["currentPlan"]["expires_in"].get<std::int64_t>() > QDateTime::currentMSecsSinceEpoch());

    // Renewal extends the current plan.
    const std::int64_t expires = changed["currentPlan"]["expires_in"];
    const auto renewed = m_client->postJson("officeMan/plans/renewPlan",
                                            {{"planId", dearest["_id"]}, {"currentPlanId", dearest["_id"]}});
    QVERIFY(renewed.ok());
    if (renewed.result()["requirePayment"] == true)
        browser.postRaw(pathOf(renewed.result()["url"]), "action=pay", "application/x-www-form-urlencoded");
    QVERIFY(office()["currentPlan"]["expires_in"].get<std::int64_t>() > expires);
    const auto orders = m_client->postJson("officeMan/orders/searchOrders", {{"page", 1}, {"count", 100}});
    JCOMPARE(orders.result()["orders"]["data"][0]["orderType"], "RENEW_PLAN");
}

void TestFinance::extraUsersAndUserLimit() {
    // Fill the plan's user allowance, then one more is refused with USER_LIMIT_REACHED.
    nlohmann::json refusal;
    for (int i = 0; i < 30 && refusal.is_null(); ++i) {
        const auto created = m_client->postJson("officeMan/users/createUser/employee",
                                                {{"fname", "مشاور"},
                                                 {"lname", std::to_string(i)},
                                                 {"email", ""},
                                                 {"username", "adviser" + std::to_string(i)},
                                                 {"password", "1234"},
                                                 {"mobile", ""}});
        if (!created.ok())
            refusal = created.json;
    }
    JCOMPARE(refusal["codeKey"], "USER_LIMIT_REACHED");
    QVERIFY(!refusal["messages"][0].get<std::string>().empty());

    const std::int64_t allowed = office()["currentPlan"]["maxUsersCount"];
    const auto upgrade =
        m_client->postJson("officeMan/plans/upgradePlan", {{"features", {{"extraUser", 2}}}});
    QVERIFY2(upgrade.ok(), upgrade.body.c_str());
    if (upgrade.result()["requirePayment"] == true) {
        ServiceClient browser(m_server->port());
        browser.postRaw(pathOf(upgrade.result()["url"]), "action=pay", "application/x-www-form-urlencoded");
    }
    JCOMPARE(office()["currentPlan"]["maxUsersCount"].get<std::int64_t>(), allowed + 2);
    QVERIFY(m_client
                ->postJson("officeMan/users/createUser/employee", {{"fname", "مشاور"},
                                                                   {"lname", "جدید"},
                                                                   {"email", ""},
                                                                   {"username", "adviser_new"},
                                                                   {"password", "1234"},
                                                                   {"mobile", ""}})
                .ok());
}

void TestFinance::archivePackages() {
    const auto packages = m_client->postJson(
        "officeMan/propertyFilePackages/searchPropertyFilePackages",
        {{"page", 1}, {"count", 100}, {"status", 1}, {"sortBy", "price"}, {"sortDirection", -1}});
    const auto &list = packages.result()["propertyFilePackages"]["data"];
    QVERIFY(list.size() >= 3);
    // The biggest package asks for a confirmation first: it holds fewer files than its ceiling.
    nlohmann::json package = list.front();
    auto reply = m_client->postJson("officeMan/propertyFilePackages/buyPropertyFilePackage",
                                    {{"propertyFilePackageId", package["_id"]},
                                     {"buyConfirmation", false},
                                     {"packageLimitConfirmation", false}});
    QVERIFY(!reply.ok());
    JCOMPARE(reply.json["codeKey"], "PACKAGE_LIMIT_LESS");
    QVERIFY(!reply.json["messages2"][0].get<std::string>().empty());

    const auto archivedBefore =
        m_client->postJson("officeMan/propertyFiles/searchMyPropertyFiles",
                           {{"page", 1}, {"count", 20}, {"status", -1}, {"systemFile", true}}, "v2");
    reply = m_client->postJson("officeMan/propertyFilePackages/buyPropertyFilePackage",
                               {{"propertyFilePackageId", package["_id"]},
                                {"buyConfirmation", false},
                                {"packageLimitConfirmation", true}});
    QVERIFY2(reply.ok(), reply.body.c_str());
    if (reply.result()["requirePayment"] == true) {
        ServiceClient browser(m_server->port());
        browser.postRaw(pathOf(reply.result()["url"]), "action=pay", "application/x-www-form-urlencoded");
    }
    const auto archivedAfter =
        m_client->postJson("officeMan/propertyFiles/searchMyPropertyFiles",
                           {{"page", 1}, {"count", 20}, {"status", -1}, {"systemFile", true}}, "v2");
    QVERIFY(archivedAfter.result()["propertyFiles"]["total"] >
            archivedBefore.result()["propertyFiles"]["total"]);

    // Buying it again needs the "already bought" confirmation; every refusal carries messages2.
    reply = m_client->postJson("officeMan/propertyFilePackages/buyPropertyFilePackage",
                               {{"propertyFilePackageId", package["_id"]},
                                {"buyConfirmation", false},
                                {"packageLimitConfirmation", true}});
    QVERIFY(!reply.ok());
    JCOMPARE(reply.json["codeKey"], "PACKAGE_EXISTS");
    QVERIFY(reply.json["messages2"].is_array());
    reply = m_client->postJson(
        "officeMan/propertyFilePackages/buyPropertyFilePackage",
        {{"propertyFilePackageId", "nope"}, {"buyConfirmation", false}, {"packageLimitConfirmation", false}});
    QVERIFY(!reply.ok());
    QVERIFY(!reply.json["messages2"][0].get<std::string>().empty());
}

QTEST_GUILESS_MAIN(TestFinance)
#include "tst_finance.moc"
