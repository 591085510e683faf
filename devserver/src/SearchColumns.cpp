#include "SearchColumns.h"

#include "TextRules.h"

#include <cstdlib>
#include <vector>

namespace SearchColumns {

namespace {

const std::vector<std::string> &numericKeys() {
    static const std::vector<std::string> keys = {"price", "mortgage", "rent",        "home",
                                                  "area",  "room",     "price_meter", "floorspace"};
    return keys;
}

const std::vector<std::string> &textKeys() {
    static const std::vector<std::string> keys = {"name_family", "mobile",     "address",
                                                  "district",    "fileDetail", "disc"};
    return keys;
}

std::string join(const std::string &(*item)(const std::string &, std::string &)) {
    std::string text;
    std::string scratch;
    for (const auto &key : numericKeys())
        text += (text.empty() ? "" : ", ") + item("n_" + key, scratch);
    for (const auto &key : textKeys())
        text += (text.empty() ? "" : ", ") + item("t_" + key, scratch);
    return text + ", " + item("flags", scratch) + ", " + item("e_parking_lot", scratch);
}

// The number a text starts with, as SQLite's CAST(… AS REAL) reads it.
double leadingNumber(const std::string &text) {
    return std::strtod(text.c_str(), nullptr);
}

} // namespace

const std::string &names() {
    static const std::string text =
        join([](const std::string &name, std::string &) -> const std::string & { return name; });
    return text;
}

const std::string &placeholders() {
    static const std::string text =
        join([](const std::string &, std::string &scratch) -> const std::string & {
            scratch = "?";
            return scratch;
        });
    return text;
}

const std::string &assignments() {
    static const std::string text =
        join([](const std::string &name, std::string &scratch) -> const std::string & {
            scratch = name + " = ?";
            return scratch;
        });
    return text;
}

int count() {
    return static_cast<int>(numericKeys().size() + textKeys().size()) + 2;
}

void bind(Statement &statement, int first, const nlohmann::json &attrs) {
    int index = first;
    for (const auto &key : numericKeys()) {
        const auto it = attrs.find(key);
        if (it == attrs.end() || it->is_null())
            statement.bindNull(index);
        else if (it->is_string())
            statement.bind(index, leadingNumber(it->get<std::string>()));
        else if (it->is_boolean())
            statement.bind(index, it->get<bool>() ? 1.0 : 0.0);
        else if (it->is_number())
            statement.bind(index, it->get<double>());
        else
            statement.bindNull(index);
        ++index;
    }
    for (const auto &key : textKeys()) {
        const auto it = attrs.find(key);
        if (it == attrs.end() || it->is_null())
            statement.bindNull(index);
        else if (it->is_string())
            statement.bind(index, it->get<std::string>());
        else if (it->is_boolean())
            statement.bind(index, it->get<bool>() ? "1" : "0");
        else
            statement.bind(index, it->dump());
        ++index;
    }
    std::string flags;
    for (auto it = attrs.begin(); it != attrs.end(); ++it) {
        if (it->is_boolean() && it->get<bool>() && TextRules::isAttrKey(it.key()))
            flags += flag(it.key()).substr(flags.empty() ? 0 : 1);
    }
    statement.bindTextOrNull(index++, flags);
    // The parking count as SQLite's CAST(… AS TEXT) reads it ("" when absent); NULL for the kinds
    // of value whose text this side cannot tell (fractions, lists), which are compared in the JSON.
    const auto parking = attrs.find("parking_lot");
    if (parking == attrs.end() || parking->is_null())
        statement.bind(index, std::string());
    else if (parking->is_string())
        statement.bind(index, parking->get<std::string>());
    else if (parking->is_number_integer())
        statement.bind(index, parking->dump());
    else if (parking->is_boolean())
        statement.bind(index, parking->get<bool>() ? "1" : "0");
    else
        statement.bindNull(index);
}

std::string equality(const std::string &key) {
    return key == "parking_lot" ? "f.e_parking_lot" : std::string();
}

std::string flag(const std::string &key) {
    return "|" + key + "|";
}

std::string numeric(const std::string &key) {
    for (const auto &known : numericKeys()) {
        if (known == key)
            return "f.n_" + key;
    }
    return std::string();
}

std::string text(const std::string &key) {
    for (const auto &known : textKeys()) {
        if (known == key)
            return "f.t_" + key;
    }
    return std::string();
}

void backfill(Connection &connection) {
    std::string assignment;
    for (const auto &key : numericKeys())
        assignment += (assignment.empty() ? "" : ", ") + ("n_" + key) + " = CAST(json_extract(attrs, '$." +
                      key + "') AS REAL)";
    for (const auto &key : textKeys())
        assignment += ", t_" + key + " = json_extract(attrs, '$." + key + "')";
    // The same keys as bind() takes: those a search may name.
    assignment += ", flags = (SELECT '|' || group_concat(key, '|') || '|' FROM json_each(attrs) WHERE type = "
                  "'true' AND length(key) BETWEEN 1 AND 40 AND key NOT GLOB '*[^A-Za-z0-9_]*')";
    assignment +=
        ", e_parking_lot = CASE IFNULL(json_type(attrs, '$.parking_lot'), 'null') WHEN 'null' THEN '' "
        "WHEN 'text' THEN json_extract(attrs, '$.parking_lot') WHEN 'integer' THEN "
        "CAST(json_extract(attrs, '$.parking_lot') AS TEXT) WHEN 'true' THEN '1' WHEN 'false' THEN '0' END";
    connection.exec("UPDATE property_files SET " + assignment);
}

} // namespace SearchColumns
