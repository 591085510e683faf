#include "FinanceRoutes.h"

#include "ApiError.h"
#include "ApiRouter.h"
#include "Clock.h"
#include "OrderBook.h"
#include "Records.h"
#include "TextRules.h"

#include <algorithm>
#include <cctype>

namespace FinanceRoutes {

namespace {

constexpr std::int64_t kMinCharge = 10000;
constexpr std::int64_t kMaxCharge = 500000000;

nlohmann::json wallet(Connection &db, const std::string &userId) {
    Statement statement = db.prepare("SELECT balance, gift_balance FROM users WHERE id = ?");
    statement.bind(1, userId);
    statement.step();
    return {{"balance", statement.integer(0)}, {"giftBalance", statement.integer(1)}};
}

// Buys `purchase` in one transaction; the message says whether the user goes on to the payment
// page or what was done.
nlohmann::json settle(Call &call, const OrderBook::Purchase &purchase, const std::string &doneMessage) {
    Transaction transaction(call.db);
    nlohmann::json result = OrderBook::purchase(call.db, call.context, call.caller, purchase);
    transaction.commit();
    call.messages.push_back(result["requirePayment"] == true
                                ? "برای پرداخت به درگاه منتقل می‌شوید"
                                : doneMessage);
    return result;
}

nlohmann::json getMyWallet(Call &call) {
    return {{"wallet", wallet(call.db, call.caller.userId)}};
}

nlohmann::json chargeMyWallet(Call &call) {
    const std::int64_t amount = call.params.integer("amount");
    if (amount < kMinCharge || amount > kMaxCharge)
        throw ApiError::refused("مبلغ شارژ باید بین " + OrderBook::money(kMinCharge) + " و " +
                                OrderBook::money(kMaxCharge) + " تومان باشد");
    Transaction transaction(call.db);
    nlohmann::json result = OrderBook::charge(call.db, call.context, call.caller, amount);
    transaction.commit();
    call.messages.push_back("برای پرداخت به درگاه منتقل می‌شوید");
    return result;
}

nlohmann::json redeemGiftCode(Call &call) {
    std::string code = TextRules::trimmed(call.params.text("code"));
    std::transform(code.begin(), code.end(), code.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (code.empty() || code.size() > 40)
        throw ApiError::refused("کد هدیه معتبر نیست");
    Transaction transaction(call.db);
    Statement statement = call.db.prepare("SELECT amount, redeemed_by FROM gift_codes WHERE code = ?");
    statement.bind(1, code);
    if (!statement.step())
        throw ApiError::refused("کد هدیه وارد شده معتبر نیست");
    if (!statement.isNull(1))
        throw ApiError::refused("این کد هدیه قبلا استفاده شده است");
    const std::int64_t amount = statement.integer(0);
    call.db.prepare("UPDATE gift_codes SET redeemed_by = ?, redeemed_at = ? WHERE code = ?")
        .bind(1, call.caller.userId)
        .bind(2, Clock::isoNow())
        .bind(3, code)
        .run();
    call.db.prepare("UPDATE users SET gift_balance = gift_balance + ? WHERE id = ?")
        .bind(1, amount)
        .bind(2, call.caller.userId)
        .run();
    OrderBook::addTransaction(call.db, {call.caller.userId, call.caller.officeId, "", "GIFTCODE", code, "",
                                        amount, 1, Clock::isoNow()});
    transaction.commit();
    call.messages.push_back("مبلغ " + OrderBook::money(amount) + " تومان به اعتبار هدیه شما اضافه شد");
    return {{"amount", amount}, {"wallet", wallet(call.db, call.caller.userId)}};
}

nlohmann::json searchPlans(Call &call) {
    const std::int64_t page = call.params.page();
    const std::int64_t count = call.params.count(100, 1000);
    std::string where = " WHERE 1";
    std::vector<SqlValue> values;
    if (call.params.has("_id")) {
        where += " AND id = ?";
        values.emplace_back(call.params.text("_id"));
    } else if (auto systemPlan = call.params.optFlag("systemPlan")) {
        where += " AND system_plan = ?";
        values.emplace_back(static_cast<std::int64_t>(*systemPlan ? 1 : 0));
    }
    if (auto status = call.params.optInteger("status")) {
        where += " AND status = ?";
        values.emplace_back(*status);
    }
    const std::string sortBy = call.params.textOr("sortBy", "price");
    const std::string column = sortBy == "created_at" ? "created_at"
                               : sortBy == "expdays"  ? "expdays"
                                                      : "price";
    const std::string direction = call.params.integerOr("sortDirection", -1) == 1 ? " ASC" : " DESC";
    values.emplace_back(count);
    values.emplace_back((page - 1) * count);
    Statement statement = call.db.prepare("SELECT id FROM plans" + where + " ORDER BY " + column + direction +
                                          ", id LIMIT ? OFFSET ?");
    statement.bindAll(values);
    nlohmann::json data = nlohmann::json::array();
    while (statement.step())
        data.push_back(Records::plan(call.db, statement.text(0)));
    return {{"plans", {{"data", data}, {"page", page}, {"count", count}}}};
}

nlohmann::json buyPlan(Call &call) {
    const std::string planId = call.params.text("planId");
    const nlohmann::json plan = Records::plan(call.db, planId);
    if (plan.is_null() || plan["status"] != 1 || plan["systemPlan"] == true)
        throw ApiError::refused("این پلن قابل خرید نیست");
    OrderBook::Purchase purchase;
    purchase.orderType = "BUY_PLAN";
    purchase.amount = plan["price"].get<std::int64_t>();
    purchase.payload = {{"planId", planId}};
    return settle(call, purchase, "پلن " + plan["title"].get<std::string>() + " فعال شد");
}

nlohmann::json renewPlan(Call &call) {
    const std::string planId = call.params.text("planId");
    const nlohmann::json office = Records::office(call.db, call.caller.officeId);
    if (!office.contains("currentPlan") || office["currentPlanId"] != planId)
        throw ApiError::refused("فقط پلن فعلی دفتر قابل تمدید است");
    if (office["originalPlan"]["systemPlan"] == true)
        throw ApiError::refused(
            "پلن آزمایشی قابل تمدید نیست؛ یکی از پلن‌ها را خریداری کنید");
    OrderBook::Purchase purchase;
    purchase.orderType = "RENEW_PLAN";
    purchase.amount = office["originalPlan"]["renewPrice"].get<std::int64_t>() +
                      office["currentPlan"]["extraFee"].get<std::int64_t>();
    purchase.payload = {{"planId", planId}};
    return settle(call, purchase, "پلن دفتر تمدید شد");
}

nlohmann::json upgradePlan(Call &call) {
    const nlohmann::json features = call.params.object("features");
    const auto extraUsers = ValueRead::asInteger(features.value("extraUser", nlohmann::json()));
    if (!extraUsers || *extraUsers < 1 || *extraUsers > 100)
        throw ApiError::refused("تعداد کاربر اضافه باید بین ۱ تا ۱۰۰ باشد");
    const nlohmann::json office = Records::office(call.db, call.caller.officeId);
    if (!office.contains("originalPlan"))
        throw ApiError::refused("دفتر شما پلن فعالی ندارد");
    OrderBook::Purchase purchase;
    purchase.orderType = "UPGRADE_PLAN";
    purchase.amount = *extraUsers * office["originalPlan"]["pricePerExtraUser"].get<std::int64_t>();
    purchase.payload = {{"extraUser", *extraUsers}};
    return settle(call, purchase, "کاربران اضافه به پلن دفتر افزوده شد");
}

nlohmann::json listOwn(Call &call, const std::string &select, const std::string &table,
                       const std::string &key) {
    const std::int64_t page = call.params.page();
    const std::int64_t count = call.params.count(100, 1000);
    const std::string direction = call.params.integerOr("sortDirection", -1) == 1 ? " ASC" : " DESC";
    Statement statement =
        call.db.prepare(select + " FROM " + table + " WHERE user_id = ? ORDER BY created_at" + direction +
                        ", id LIMIT ? OFFSET ?");
    statement.bind(1, call.caller.userId).bind(2, count).bind(3, (page - 1) * count);
    nlohmann::json data = nlohmann::json::array();
    while (statement.step())
        data.push_back(statement.rowObject());
    return {{key, {{"data", data}, {"page", page}, {"count", count}}}};
}

nlohmann::json searchPackages(Call &call) {
    const std::int64_t page = call.params.page();
    const std::int64_t count = call.params.count(100, 1000);
    std::string where = " WHERE 1";
    std::vector<SqlValue> values{call.caller.officeId};
    if (auto status = call.params.optInteger("status")) {
        where += " AND status = ?";
        values.emplace_back(*status);
    }
    const std::string direction = call.params.integerOr("sortDirection", -1) == 1 ? " ASC" : " DESC";
    values.emplace_back(count);
    values.emplace_back((page - 1) * count);
    Statement statement = call.db.prepare(
        "SELECT id AS \"_id\", title, price, max_files AS maxPropertyFilesCount, area_ids AS \"j:areaIds\", "
        "days_past AS daysPast, from_date AS fromDate, to_date AS toDate, deal_type AS dealType, "
        "property_type AS propertyType, is_rebuyable AS \"b:isRebuyable\", status, created_at, "
        "EXISTS (SELECT 1 FROM office_packages b WHERE b.package_id = packages.id AND b.office_id = ?) AS "
        "\"b:bought\" "
        "FROM packages" +
        where + " ORDER BY price" + direction + ", id LIMIT ? OFFSET ?");
    statement.bindAll(values);
    nlohmann::json data = nlohmann::json::array();
    while (statement.step()) {
        nlohmann::json row = statement.rowObject();
        for (const char *key : {"fromDate", "toDate"}) {
            if (row[key].is_null())
                row.erase(key);
        }
        data.push_back(std::move(row));
    }
    return {{"propertyFilePackages", {{"data", data}, {"page", page}, {"count", count}}}};
}

nlohmann::json buyPackage(Call &call) {
    try {
        const std::string packageId = call.params.text("propertyFilePackageId");
        const bool buyConfirmation = call.params.flag("buyConfirmation");
        const bool limitConfirmation = call.params.flag("packageLimitConfirmation");
        Statement statement = call.db.prepare(
            "SELECT title, price, max_files, is_rebuyable, status FROM packages WHERE id = ?");
        statement.bind(1, packageId);
        if (!statement.step() || statement.integer(4) != 1)
            throw ApiError::refused("این بایگانی در حال حاضر قابل خرید نیست");
        const std::string title = statement.text(0);
        const std::int64_t price = statement.integer(1);
        const std::int64_t maxFiles = statement.integer(2);
        const bool rebuyable = statement.integer(3) != 0;
        const bool bought =
            call.db.scalarInt("SELECT COUNT(*) FROM office_packages WHERE office_id = ? AND package_id = ?",
                              {call.caller.officeId, packageId}) > 0;
        if (bought && !rebuyable)
            throw ApiError::refused(
                "این بایگانی را قبلا خریده‌اید و خرید دوباره آن ممکن نیست");
        if (bought && !buyConfirmation) {
            ApiError error = ApiError::refused("این بایگانی را قبلا خریده‌اید",
                                               "PACKAGE_EXISTS");
            error.extra["messages2"] = {
                "این بایگانی را قبلا خریده‌اید؛ آیا می‌خواهید دوباره آن را بخرید؟"};
            throw error;
        }
        const std::int64_t available = OrderBook::packageFileCount(call.db, packageId);
        if (available == 0)
            throw ApiError::refused("در حال حاضر فایلی در این بایگانی موجود نیست");
        if (available < maxFiles && !limitConfirmation) {
            ApiError error = ApiError::refused(
                "تعداد فایل‌های موجود این بایگانی کمتر از سقف آن است",
                "PACKAGE_LIMIT_LESS");
            error.extra["messages2"] = {
                "در حال حاضر " + std::to_string(available) + " فایل از " + std::to_string(maxFiles) +
                " فایل این بایگانی موجود است؛ آیا خرید را ادامه می‌دهید؟"};
            throw error;
        }
        OrderBook::Purchase purchase;
        purchase.orderType = "BUY_PACKAGE";
        purchase.amount = price;
        purchase.payload = {{"packageId", packageId}};
        return settle(call, purchase,
                      "بایگانی «" + title + "» به فایل‌های شما اضافه شد");
    } catch (ApiError &error) {
        // Every refusal of this route opens a yes/no dialog with messages2[0].
        if (!error.extra.contains("messages2"))
            error.extra["messages2"] = {error.message};
        throw;
    }
}

} // namespace

void install(ApiRouter &router) {
    using Access = ApiRouter::Access;
    router.role("finance/getMyWallet", Access::SignedIn, getMyWallet);
    router.role("finance/chargeMyWallet", Access::SignedIn, chargeMyWallet);
    router.role("finance/redeemGiftCode", Access::SignedIn, redeemGiftCode);
    router.role("plans/searchPlans", Access::SignedIn, searchPlans);
    router.role("plans/buyPlan", Access::Manager, buyPlan);
    router.role("plans/renewPlan", Access::Manager, renewPlan);
    router.role("plans/upgradePlan", Access::Manager, upgradePlan);
    router.role("orders/searchOrders", Access::SignedIn, [](Call &call) {
        return listOwn(call,
                       "SELECT id AS \"_id\", tracking_id AS trackingId, order_type AS orderType, amount, "
                       "payment_amount AS paymentAmount, status, gateway_auth AS gatewayAuth, created_at",
                       "orders", "orders");
    });
    router.role("orders/searchTransactions", Access::SignedIn, [](Call &call) {
        return listOwn(
            call,
            "SELECT id AS \"_id\", order_id AS orderId, payment_gateway AS paymentGateway, gateway_auth AS "
            "gatewayAuth, receipt, amount, status, created_at",
            "transactions", "transactions");
    });
    router.role("propertyFilePackages/searchPropertyFilePackages", Access::Office, searchPackages);
    router.role("propertyFilePackages/buyPropertyFilePackage", Access::Manager, buyPackage);
}

} // namespace FinanceRoutes
