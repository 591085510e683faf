#include "OrderBook.h"

#include "ApiError.h"
#include "Clock.h"
#include "ListingStore.h"
#include "ServiceContext.h"

#include <vector>

namespace OrderBook {

namespace {

constexpr std::int64_t kDayMs = 24LL * 3600 * 1000;

const char *const kPackageMatch =
    "FROM property_files f, packages k WHERE k.id = ? AND f.office_id = ? AND f.status <> -2 "
    "AND (k.deal_type <= 0 OR f.deal_type = k.deal_type) AND (k.property_type <= 0 OR f.property_type = "
    "k.property_type) "
    "AND (json_array_length(k.area_ids) = 0 OR f.area_id IN (SELECT value FROM json_each(k.area_ids))) "
    "AND (k.days_past <= 0 OR f.file_date_ms >= ?) "
    "AND (k.days_past > 0 OR k.from_date IS NULL OR f.file_date_ms >= CAST(strftime('%s', k.from_date) AS "
    "INTEGER) * 1000) "
    "AND (k.days_past > 0 OR k.to_date IS NULL OR f.file_date_ms < (CAST(strftime('%s', k.to_date) AS "
    "INTEGER) + 86400) * 1000) ";

std::int64_t nextTrackingId(Connection &connection) {
    return connection.scalarInt("SELECT IFNULL(MAX(tracking_id), 100000) + 1 FROM orders", {});
}

void notify(Connection &connection, const std::string &userId, const std::string &title,
            const std::string &body) {
    connection
        .prepare("INSERT INTO notifications(id, user_id, title, body, is_read, created_at) VALUES(?, ?, ?, "
                 "?, 0, ?)")
        .bind(1, Ids::newId())
        .bind(2, userId)
        .bind(3, title)
        .bind(4, body)
        .bind(5, Clock::isoNow())
        .run();
}

void deliverPackage(Connection &connection, const std::string &officeId, const std::string &packageId) {
    const std::int64_t limit =
        connection.scalarInt("SELECT max_files FROM packages WHERE id = ?", {packageId});
    const std::int64_t daysPast =
        connection.scalarInt("SELECT days_past FROM packages WHERE id = ?", {packageId});
    Statement statement =
        connection.prepare(std::string("SELECT f.id ") + kPackageMatch +
                           "AND NOT EXISTS (SELECT 1 FROM property_files c WHERE c.office_id = ? AND "
                           "c.source_id = f.id) ORDER BY f.file_date_ms DESC LIMIT ?");
    statement.bind(1, packageId)
        .bind(2, ListingStore::kPoolOfficeId)
        .bind(3, Clock::nowMs() - daysPast * kDayMs)
        .bind(4, officeId)
        .bind(5, limit);
    std::vector<std::string> ids;
    while (statement.step())
        ids.push_back(statement.text(0));
    for (const auto &id : ids)
        ListingStore::copyFromPool(connection, officeId, id, -1);
    connection
        .prepare("INSERT INTO office_packages(office_id, package_id, bought_at) VALUES(?, ?, ?) "
                 "ON CONFLICT(office_id, package_id) DO UPDATE SET bought_at = excluded.bought_at")
        .bind(1, officeId)
        .bind(2, packageId)
        .bind(3, Clock::isoNow())
        .run();
}

// Delivers what an order bought.
void apply(Connection &connection, const std::string &orderType, const nlohmann::json &payload,
           const std::string &officeId, const std::string &userId, std::int64_t amount) {
    const std::int64_t now = Clock::nowMs();
    if (orderType == "CHARGE_WALLET") {
        connection.prepare("UPDATE users SET balance = balance + ? WHERE id = ?")
            .bind(1, amount)
            .bind(2, userId)
            .run();
    } else if (orderType == "BUY_PLAN") {
        const std::string planId = payload.value("planId", "");
        const std::int64_t days = connection.scalarInt("SELECT expdays FROM plans WHERE id = ?", {planId});
        connection
            .prepare("UPDATE offices SET current_plan_id = ?, plan_expires_ms = ?, extra_users = 0, "
                     "extra_area_ids = '[]' "
                     "WHERE id = ?")
            .bind(1, planId)
            .bind(2, now + days * kDayMs)
            .bind(3, officeId)
            .run();
    } else if (orderType == "RENEW_PLAN") {
        const std::string planId = payload.value("planId", "");
        const std::int64_t days = connection.scalarInt("SELECT expdays FROM plans WHERE id = ?", {planId});
        connection.prepare("UPDATE offices SET plan_expires_ms = MAX(plan_expires_ms, ?) + ? WHERE id = ?")
            .bind(1, now)
            .bind(2, days * kDayMs)
            .bind(3, officeId)
            .run();
    } else if (orderType == "UPGRADE_PLAN") {
        connection.prepare("UPDATE offices SET extra_users = extra_users + ? WHERE id = ?")
            .bind(1, payload.value("extraUser", static_cast<std::int64_t>(0)))
            .bind(2, officeId)
            .run();
    } else if (orderType == "BUY_PACKAGE") {
        deliverPackage(connection, officeId, payload.value("packageId", ""));
    }
}

std::string payUrl(const ServiceContext &context, const std::string &token) {
    return context.siteUrl() + "pay/" + token;
}

// Records an order: one waiting for the payment page (with its pay token, the whole amount still
// to pay) or one already paid from the wallet (no token, nothing left to pay).
std::pair<std::string, std::int64_t> insertOrder(Connection &connection, const Caller &caller,
                                                 const Purchase &purchase, const std::string &status,
                                                 const std::string &payToken) {
    const std::string id = Ids::newId();
    const std::int64_t trackingId = nextTrackingId(connection);
    Statement statement = connection.prepare(
        "INSERT INTO orders(id, office_id, user_id, tracking_id, order_type, amount, payment_amount, status, "
        "gateway_auth, payload, pay_token, created_at) VALUES(?, ?, ?, ?, ?, ?, ?, ?, NULL, ?, ?, ?)");
    statement.bind(1, id);
    statement.bindTextOrNull(2, caller.officeId);
    statement.bind(3, caller.userId)
        .bind(4, trackingId)
        .bind(5, purchase.orderType)
        .bind(6, purchase.amount)
        .bind(7, payToken.empty() ? std::int64_t(0) : purchase.amount)
        .bind(8, status)
        .bind(9, purchase.payload.dump());
    statement.bindTextOrNull(10, payToken);
    statement.bind(11, Clock::isoNow()).run();
    return {id, trackingId};
}

nlohmann::json pendingOrder(Connection &connection, const ServiceContext &context, const Caller &caller,
                            const Purchase &purchase) {
    const std::string token = Ids::randomToken(16);
    const auto [id, trackingId] = insertOrder(connection, caller, purchase, "pendingPayment", token);
    addTransaction(connection, {caller.userId, caller.officeId, id, "ONLINE_GATEWAY", "", "", purchase.amount,
                                0, Clock::isoNow()});
    return {{"requirePayment", true},
            {"url", payUrl(context, token)},
            {"order",
             {{"_id", id},
              {"trackingId", trackingId},
              {"amount", purchase.amount},
              {"status", "pendingPayment"}}}};
}

} // namespace

std::string money(std::int64_t amount) {
    std::string digits = std::to_string(amount < 0 ? -amount : amount);
    std::string grouped;
    int count = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (count && count % 3 == 0)
            grouped.insert(grouped.begin(), ',');
        grouped.insert(grouped.begin(), *it);
        ++count;
    }
    return amount < 0 ? "-" + grouped : grouped;
}

std::string orderTitle(const std::string &orderType) {
    if (orderType == "CHARGE_WALLET")
        return "شارژ کیف پول";
    if (orderType == "BUY_PLAN")
        return "خرید پلن";
    if (orderType == "RENEW_PLAN")
        return "تمدید پلن";
    if (orderType == "UPGRADE_PLAN")
        return "خرید کاربر اضافه";
    if (orderType == "BUY_PACKAGE")
        return "خرید بایگانی فایل";
    return orderType;
}

nlohmann::json purchase(Connection &connection, const ServiceContext &context, const Caller &caller,
                        const Purchase &purchase) {
    Statement wallet = connection.prepare("SELECT balance, gift_balance FROM users WHERE id = ?");
    wallet.bind(1, caller.userId);
    wallet.step();
    const std::int64_t balance = wallet.integer(0);
    const std::int64_t gift = wallet.integer(1);
    if (balance + gift < purchase.amount)
        return pendingOrder(connection, context, caller, purchase);

    // The gift balance is spent first: it cannot be withdrawn.
    const std::int64_t fromGift = std::min(gift, purchase.amount);
    const std::int64_t fromBalance = purchase.amount - fromGift;
    connection.prepare("UPDATE users SET balance = balance - ?, gift_balance = gift_balance - ? WHERE id = ?")
        .bind(1, fromBalance)
        .bind(2, fromGift)
        .bind(3, caller.userId)
        .run();
    const auto [id, trackingId] = insertOrder(connection, caller, purchase, "completed", std::string());
    addTransaction(connection, {caller.userId, caller.officeId, id, "WALLET", "", "", purchase.amount, 1,
                                Clock::isoNow()});
    apply(connection, purchase.orderType, purchase.payload, caller.officeId, caller.userId, purchase.amount);
    notify(connection, caller.userId, orderTitle(purchase.orderType),
           orderTitle(purchase.orderType) + " به مبلغ " + money(purchase.amount) +
               " تومان از کیف پول شما انجام شد");
    return {
        {"requirePayment", false},
        {"order",
         {{"_id", id}, {"trackingId", trackingId}, {"amount", purchase.amount}, {"status", "completed"}}}};
}

nlohmann::json charge(Connection &connection, const ServiceContext &context, const Caller &caller,
                      std::int64_t amount) {
    Purchase topUp;
    topUp.orderType = "CHARGE_WALLET";
    topUp.amount = amount;
    return pendingOrder(connection, context, caller, topUp);
}

bool findByPayToken(Connection &connection, const std::string &token, PendingOrder &order) {
    Statement statement = connection.prepare("SELECT id, order_type, amount, tracking_id, status, "
                                             "IFNULL(gateway_auth, '') FROM orders WHERE pay_token = ?");
    statement.bind(1, token);
    if (!statement.step())
        return false;
    order.id = statement.text(0);
    order.orderType = statement.text(1);
    order.amount = statement.integer(2);
    order.trackingId = statement.integer(3);
    order.status = statement.text(4);
    order.gatewayAuth = statement.text(5);
    return true;
}

std::string completePayment(Connection &connection, const std::string &orderId) {
    Statement statement = connection.prepare("SELECT order_type, payload, IFNULL(office_id, ''), user_id, "
                                             "amount, status FROM orders WHERE id = ?");
    statement.bind(1, orderId);
    if (!statement.step())
        throw ApiError::notFound("سفارش یافت نشد");
    if (statement.text(5) != "pendingPayment")
        throw ApiError::refused("این سفارش قبلا بسته شده است");
    const std::string orderType = statement.text(0);
    const nlohmann::json payload = nlohmann::json::parse(statement.text(1), nullptr, false);
    const std::string officeId = statement.text(2);
    const std::string userId = statement.text(3);
    const std::int64_t amount = statement.integer(4);
    const std::string auth = std::to_string(Ids::randomInt(100000000, 999999999));
    connection.prepare("UPDATE orders SET status = 'completed', gateway_auth = ? WHERE id = ?")
        .bind(1, auth)
        .bind(2, orderId)
        .run();
    connection
        .prepare("UPDATE transactions SET status = 1, gateway_auth = ?, receipt = ? WHERE order_id = ? AND "
                 "status = 0")
        .bind(1, auth)
        .bind(2, "R-" + auth)
        .bind(3, orderId)
        .run();
    apply(connection, orderType, payload.is_object() ? payload : nlohmann::json::object(), officeId, userId,
          amount);
    notify(connection, userId, "پرداخت موفق",
           orderTitle(orderType) + " به مبلغ " + money(amount) + " تومان پرداخت شد. کد پیگیری: " + auth);
    return auth;
}

void cancelPayment(Connection &connection, const std::string &orderId) {
    connection.prepare("UPDATE orders SET status = 'canceled' WHERE id = ? AND status = 'pendingPayment'")
        .bind(1, orderId)
        .run();
    connection.prepare("UPDATE transactions SET status = 2 WHERE order_id = ? AND status = 0")
        .bind(1, orderId)
        .run();
}

void addTransaction(Connection &connection, const TransactionRecord &record) {
    connection
        .prepare("INSERT INTO transactions(id, user_id, office_id, order_id, payment_gateway, gateway_auth, "
                 "receipt, amount, status, created_at) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .bind(1, Ids::newId())
        .bind(2, record.userId)
        .bindTextOrNull(3, record.officeId)
        .bindTextOrNull(4, record.orderId)
        .bind(5, record.gateway)
        .bindTextOrNull(6, record.gatewayAuth)
        .bindTextOrNull(7, record.receipt)
        .bind(8, record.amount)
        .bind(9, record.status)
        .bind(10, record.createdAt)
        .run();
}

std::int64_t packageFileCount(Connection &connection, const std::string &packageId) {
    const std::int64_t daysPast =
        connection.scalarInt("SELECT days_past FROM packages WHERE id = ?", {packageId});
    return connection.scalarInt(
        std::string("SELECT COUNT(*) ") + kPackageMatch,
        {packageId, std::string(ListingStore::kPoolOfficeId), Clock::nowMs() - daysPast * kDayMs});
}

} // namespace OrderBook
