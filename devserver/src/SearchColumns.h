#pragma once

#include "Database.h"

#include <nlohmann/json.hpp>

#include <string>

// The attributes lists sort, bound and search most, copied from a listing's attributes into
// columns of their own when it is written, so that searches over many listings read plain columns
// instead of parsing every listing's attributes. `flags` lists the options that are set
// ("|asansor|parking|"), so that option filters are answered from an index.
namespace SearchColumns {

// "n_price, …, t_disc, flags, e_parking_lot"
const std::string &names();
// "?, ?, …" (one per column)
const std::string &placeholders();
// "n_price = ?, …, e_parking_lot = ?"
const std::string &assignments();
int count();
// Binds the columns' values from `attrs`, starting at parameter `first`.
void bind(Statement &statement, int first, const nlohmann::json &attrs);
// The column holding a numeric attribute, or empty.
std::string numeric(const std::string &key);
// The column holding a text attribute, or empty.
std::string text(const std::string &key);
// What `flags` holds when the option `key` (a valid attribute name) is set.
std::string flag(const std::string &key);
// The column holding an attribute the lists match by equal value (the parking count), or empty.
std::string equality(const std::string &key);
// Fills the columns of every listing from its attributes (for databases made before they existed).
void backfill(Connection &connection);

} // namespace SearchColumns
