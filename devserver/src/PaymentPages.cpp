#include "PaymentPages.h"

#include "ApiError.h"
#include "ApiRouter.h"
#include "OrderBook.h"
#include "Params.h"
#include "ServiceContext.h"
#include "SitePages.h"

namespace PaymentPages {

namespace {

bool isToken(const std::string &text) {
    if (text.size() != 32)
        return false;
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

std::string orderTable(const OrderBook::PendingOrder &order) {
    return "<table><tr><th>سفارش</th><td>" + OrderBook::orderTitle(order.orderType) +
           "</td></tr>"
           "<tr><th>شماره سفارش</th><td>" +
           std::to_string(order.trackingId) +
           "</td></tr>"
           "<tr><th>مبلغ قابل پرداخت</th><td class=\"amount\">" +
           OrderBook::money(order.amount) + " تومان</td></tr></table>";
}

void showOrder(ServiceContext &context, const httplib::Request &request, httplib::Response &response) {
    const std::string token = request.matches[1];
    OrderBook::PendingOrder order;
    auto lease = context.database().acquire();
    if (!isToken(token) || !OrderBook::findByPayToken(*lease, token, order)) {
        SitePages::html(response, 404, "سفارش یافت نشد", "<p>این پیوند پرداخت معتبر نیست.</p>");
        return;
    }
    if (order.status != "pendingPayment") {
        const std::string state = order.status == "completed"
                                      ? "این سفارش پرداخت شده است. کد پیگیری: " + order.gatewayAuth
                                      : "این سفارش لغو شده است.";
        SitePages::html(response, 200, "درگاه پرداخت نوروِلا",
                        orderTable(order) + "<p class=\"state\">" + state + "</p>");
        return;
    }
    SitePages::html(response, 200, "درگاه پرداخت نوروِلا",
                    orderTable(order) + "<form method=\"post\" action=\"/pay/" + token +
                        "\">"
                        "<button name=\"action\" value=\"pay\" class=\"pay\">پرداخت</button>"
                        "<button name=\"action\" value=\"cancel\" class=\"cancel\">انصراف</button></form>");
}

void settle(ServiceContext &context, const httplib::Request &request, httplib::Response &response,
            const std::string &body) {
    const std::string token = request.matches[1];
    std::string action;
    try {
        action = Params::fromForm(body).textOr("action", "");
    } catch (const ApiError &) {
    }
    OrderBook::PendingOrder order;
    auto lease = context.database().acquire();
    if (!isToken(token) || !OrderBook::findByPayToken(*lease, token, order)) {
        SitePages::html(response, 404, "سفارش یافت نشد", "<p>این پیوند پرداخت معتبر نیست.</p>");
        return;
    }
    if (action != "pay" && action != "cancel") {
        SitePages::html(response, 400, "درخواست نامعتبر", "<p>عملیات پرداخت مشخص نیست.</p>");
        return;
    }
    if (order.status != "pendingPayment") {
        SitePages::html(response, 200, "درگاه پرداخت نوروِلا",
                        orderTable(order) + "<p class=\"state\">این سفارش قبلا بسته شده است.</p>");
        return;
    }
    Transaction transaction(*lease);
    if (action == "pay") {
        const std::string auth = OrderBook::completePayment(*lease, order.id);
        transaction.commit();
        SitePages::html(response, 200, "پرداخت موفق",
                        orderTable(order) +
                            "<p class=\"state ok\">پرداخت با موفقیت انجام شد. کد پیگیری: " + auth +
                            "</p><p>اکنون می‌توانید به برنامه بازگردید.</p>");
    } else {
        OrderBook::cancelPayment(*lease, order.id);
        transaction.commit();
        SitePages::html(response, 200, "پرداخت لغو شد",
                        orderTable(order) + "<p class=\"state\">پرداخت لغو شد و مبلغی از شما کسر نشد.</p>");
    }
}

} // namespace

void install(httplib::Server &server, ServiceContext &context) {
    server.Get(R"(/pay/([^/]+))", [&context](const httplib::Request &request, httplib::Response &response) {
        showOrder(context, request, response);
    });
    server.Post(R"(/pay/([^/]+))", [&context](const httplib::Request &request, httplib::Response &response,
                                              const httplib::ContentReader &reader) {
        // The page's form sends one short field.
        std::string body;
        const int refusal = ApiRouter::readBody(request, response, reader, 4096, body);
        if (refusal != 0) {
            response.set_header("Connection", "close");
            SitePages::html(response, refusal, "درخواست نامعتبر", "<p>درخواست پرداخت قابل پردازش نیست.</p>");
            return;
        }
        settle(context, request, response, body);
    });
}

} // namespace PaymentPages
