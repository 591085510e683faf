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
    // A containment search on one attribute from the search bar.
    struct TextTerm {
        std::vector<std::string> stored; // the stored attributes it looks in
        std::string needle;
        bool ownerOnly; // on what only the listing's own office may read, in a search reaching others
    };

    void scope(const Params &params);
    void criteria(const Params &params);
    void ranges(const nlohmann::json &range);
    void attrs(const Params &params);
    void textSearch(const std::vector<TextTerm> &terms, bool any);
    std::string order(const Params &params);
    // How many listings match the conditions gathered so far.
    std::int64_t countMatches(const std::string &where);
    void add(const std::string &condition, std::vector<SqlValue> values = {});
    // As add(), but for a condition on `attribute`: on another office's listing it never holds
    // when the attribute is one that office may not read.
    void addReadable(const std::string &attribute, const std::string &condition,
                     std::vector<SqlValue> values);
    static std::string attrPath(const std::string &key);

    Connection &m_connection;
    const Caller &m_caller;
    std::vector<std::string> m_conditions;
    std::vector<SqlValue> m_values;
    std::vector<SqlValue> m_orderValues;
    // Whether other offices' (pool) listings are among those searched.
    bool m_reachesOtherOffices = false;
    // Which of m_conditions narrow the search down through an index of their own (the text
    // index, the type index), and whether the page's order is one the wide indexes hold.
    std::vector<std::size_t> m_narrowing;
    bool m_orderIndexed = false;
};
