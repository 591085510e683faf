#pragma once

#include "Caller.h"
#include "Database.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>

class ServiceContext;

// Orders, wallet payments and what a completed order delivers.
namespace OrderBook {

struct Purchase {
    std::string orderType; // BUY_PLAN, RENEW_PLAN, UPGRADE_PLAN, BUY_PACKAGE, CHARGE_WALLET
    std::int64_t amount = 0;
    nlohmann::json payload = nlohmann::json::object();
};

// Pays from the wallet when it covers the price (and delivers at once), otherwise opens a
// pending order payable on the service's payment page. Returns {requirePayment, url?, order}.
// Call inside a write transaction.
nlohmann::json purchase(Connection &connection, const ServiceContext &context, const Caller &caller,
                        const Purchase &purchase);
// A wallet top-up: always a pending order with a payment page.
nlohmann::json charge(Connection &connection, const ServiceContext &context, const Caller &caller,
                      std::int64_t amount);

struct PendingOrder {
    std::string id;
    std::string orderType;
    std::int64_t amount = 0;
    std::int64_t trackingId = 0;
    std::string status;
    std::string gatewayAuth;
};
// The order behind a payment-page token, if any.
bool findByPayToken(Connection &connection, const std::string &token, PendingOrder &order);
// Completes a pending order paid at the gateway; returns the gateway's tracking code.
std::string completePayment(Connection &connection, const std::string &orderId);
void cancelPayment(Connection &connection, const std::string &orderId);

std::string orderTitle(const std::string &orderType);
// "1,250,000"
std::string money(std::int64_t amount);

// One row of the payment history. Empty texts are stored as none.
struct TransactionRecord {
    std::string userId;
    std::string officeId;
    std::string orderId;
    std::string gateway; // ONLINE_GATEWAY, WALLET, GIFTCODE
    std::string gatewayAuth;
    std::string receipt;
    std::int64_t amount = 0;
    int status = 0; // 0 pending, 1 paid, 2 cancelled
    std::string createdAt;
};
void addTransaction(Connection &connection, const TransactionRecord &record);

// Pool listings an archive package would deliver; used for the limit check and the delivery.
std::int64_t packageFileCount(Connection &connection, const std::string &packageId);

} // namespace OrderBook
