#pragma once

#include "Database.h"

#include <nlohmann/json.hpp>

#include <string>

// The attributes lists sort, bound and search most, copied from a listing's attributes into
// columns of their own when it is written, so that searches over many listings read plain columns
// instead of parsing every listing's attributes.
namespace SearchColumns {

// "n_price, …, t_disc"
const std::string &names();
// "?, ?, …" (one per column)
const std::string &placeholders();
// "n_price = ?, …, t_disc = ?"
const std::string &assignments();
int count();
// Binds the columns' values from `attrs`, starting at parameter `first`.
void bind(Statement &statement, int first, const nlohmann::json &attrs);
// The column holding a numeric attribute, or empty.
std::string numeric(const std::string &key);
// The column holding a text attribute, or empty.
std::string text(const std::string &key);
// Fills the columns of every listing from its attributes (for databases made before they existed).
void backfill(Connection &connection);

} // namespace SearchColumns
