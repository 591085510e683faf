#pragma once

class ApiRouter;

// Wallet, gift codes, plans, orders, transactions and archive packages.
namespace FinanceRoutes {
void install(ApiRouter &router);
}
