#pragma once

#include "Caller.h"
#include "Database.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

class Params;

// searchMyPropertyFiles: turns the client's criteria into one SQL query over the listings the
// caller may see, ordered and paged, with the total number of matches.
class FileSearch {
public:
    FileSearch(Connection &connection, const Caller &caller);
    nlohmann::json run(const Params &params);

private:
    void scope(const Params &params);
    void criteria(const Params &params);
    void ranges(const nlohmann::json &range);
    void attrs(const Params &params);
    std::string order(const Params &params);
    // How many listings match the conditions gathered so far.
    std::int64_t countMatches(const std::string &where);
    void add(const std::string &condition, std::vector<SqlValue> values = {});
    static std::string attrPath(const std::string &key);

    Connection &m_connection;
    const Caller &m_caller;
    std::vector<std::string> m_conditions;
    std::vector<SqlValue> m_values;
    std::vector<SqlValue> m_orderValues;
};
