#include "FileSearch.h"

#include "ApiError.h"
#include "Clock.h"
#include "FileAccess.h"
#include "Params.h"
#include "Records.h"
#include "SearchColumns.h"
#include "TextRules.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <variant>

namespace {

constexpr std::int64_t kDayMs = 24LL * 3600 * 1000;
// Far more filters than any search form offers; a search wider than this is refused instead of
// growing a query the database cannot take.
constexpr std::size_t kMaxCriteria = 100;
// The text index finds texts of three characters or more; shorter ones, and texts longer than
// anyone types into a search bar, are looked for in the stored texts themselves.
constexpr std::size_t kMinIndexedText = 3;
constexpr std::size_t kMaxIndexedText = 64;
// Up to this many matches a page is found from the narrowest index (the text index's matches, or
// the listings of one type) and sorted; more matches are met sooner by walking the listings in the
// page's order.
constexpr std::int64_t kWalkInOrderFrom = 300;

// A range or order key names an attribute with or without its "attrs." prefix.
std::string attributeOf(const std::string &key) {
    return key.rfind("attrs.", 0) == 0 ? key.substr(6) : key;
}

// A text as one phrase of the text index's query language.
std::string phrase(const std::string &text) {
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"')
            quoted += c;
    }
    return quoted + "\"";
}

// Top-level record keys that map to columns; any other sort key names an attribute.
const std::map<std::string, std::string> &columns() {
    static const std::map<std::string, std::string> map = {{"created_at", "f.created_at"},
                                                           {"createdAt", "f.created_at"},
                                                           {"updated_at", "f.updated_at"},
                                                           {"trackingId", "f.tracking_id"},
                                                           {"fileDateUnix", "f.file_date_ms"},
                                                           {"dealType", "f.deal_type"},
                                                           {"propertyType", "f.property_type"},
                                                           {"status", "f.status"},
                                                           {"dealStatus", "f.deal_status"},
                                                           {"areaId", "f.area_id"},
                                                           {"_id", "f.id"}};
    return map;
}

// The conditions with every value bound to them, told apart exactly: texts carry their length,
// numbers every bit.
std::string searchKey(const std::string &where, const std::vector<SqlValue> &values) {
    std::string key = where;
    for (const SqlValue &value : values) {
        key += '\x1f' + std::to_string(value.index()) + ':';
        if (const auto *text = std::get_if<std::string>(&value)) {
            key += std::to_string(text->size()) + ':' + *text;
        } else if (const auto *integer = std::get_if<std::int64_t>(&value)) {
            key += std::to_string(*integer);
        } else if (const auto *real = std::get_if<double>(&value)) {
            char digits[32];
            std::snprintf(digits, sizeof digits, "%a", *real);
            key += digits;
        }
    }
    return key;
}

} // namespace

FileSearch::FileSearch(Connection &connection, const Caller &caller)
    : m_connection(connection)
    , m_caller(caller) {}

std::string FileSearch::attrPath(const std::string &key) {
    if (!TextRules::isAttrKey(key))
        throw ApiError::badRequest("نام ویژگی «" + key + "» معتبر نیست");
    return "$.\"" + key + "\"";
}

void FileSearch::add(const std::string &condition, std::vector<SqlValue> values) {
    m_conditions.push_back(condition);
    for (auto &value : values)
        m_values.push_back(std::move(value));
}

void FileSearch::addReadable(const std::string &attribute, const std::string &condition,
                             std::vector<SqlValue> values) {
    if (m_reachesOtherOffices && FileAccess::isOwnerContact(attribute)) {
        values.insert(values.begin(), m_caller.officeId);
        add("(f.office_id = ? AND " + condition + ")", std::move(values));
    } else {
        add(condition, std::move(values));
    }
}

void FileSearch::scope(const Params &params) {
    const bool sharedOnly = params.flag("sharedOnly");
    const bool bookmarkedOnly = params.flag("bookmarkedOnly");

    // What the caller may see inside his own office.
    std::string own = "f.office_id = ?";
    std::vector<SqlValue> ownValues{m_caller.officeId};
    if (!m_caller.isManager()) {
        own += " AND (f.created_by = ? OR (f.just_owner_access = 0";
        ownValues.emplace_back(m_caller.userId);
        const auto types = FileAccess::adviserDealTypes(m_connection, m_caller);
        if (types.empty()) {
            own += " AND 0";
        } else {
            own += " AND f.deal_type IN (";
            for (std::size_t i = 0; i < types.size(); ++i) {
                own += i ? ",?" : "?";
                ownValues.emplace_back(static_cast<std::int64_t>(types[i]));
            }
            own += ")";
        }
        own += "))";
    }
    // Other offices' listings offered for cooperation; the caller's own office is covered by `own`.
    const std::string pool = "(f.shared = 1 AND f.status <> -2 AND f.office_id <> ?)";

    m_reachesOtherOffices = sharedOnly || bookmarkedOnly || params.has("_id");
    if (sharedOnly) {
        std::vector<SqlValue> values = ownValues;
        values.emplace_back(m_caller.officeId);
        add("f.shared = 1 AND f.status <> -2 AND ((" + own + ") OR f.office_id <> ?)", values);
    } else if (bookmarkedOnly || params.has("_id")) {
        std::vector<SqlValue> values = ownValues;
        values.emplace_back(m_caller.officeId);
        add("((" + own + ") OR " + pool + ")", values);
        if (bookmarkedOnly)
            add("f.id IN (SELECT file_id FROM bookmarks WHERE user_id = ?)", {m_caller.userId});
    } else {
        add("(" + own + ")", ownValues);
    }
}

void FileSearch::criteria(const Params &params) {
    const bool lookup = params.has("_id") || params.has("trackingId");
    if (params.has("_id"))
        add("f.id = ?", {params.text("_id")});
    if (params.has("trackingId")) {
        const std::string tracking = TextRules::trimmed(params.text("trackingId"));
        const auto number = ValueRead::asInteger(nlohmann::json(tracking));
        if (!number)
            add("0");
        else
            add("f.tracking_id = ?", {*number});
    }
    if (auto status = params.optInteger("status"))
        add("f.status = ?", {*status});
    else if (!lookup)
        add("f.status <> -2");
    if (auto dealType = params.optInteger("dealType"); dealType && *dealType > 0) {
        m_narrowing.push_back(m_conditions.size());
        add("f.deal_type = ?", {*dealType});
    }
    if (auto propertyType = params.optInteger("propertyType"); propertyType && *propertyType > 0) {
        m_narrowing.push_back(m_conditions.size());
        add("f.property_type = ?", {*propertyType});
    }
    if (params.has("areaId"))
        add("f.area_id = ?", {params.text("areaId")});
    if (params.has("dealStatus")) {
        const std::string dealStatus = params.text("dealStatus");
        if (dealStatus == "available")
            add("(f.deal_status IS NULL OR f.deal_status = 'available')");
        else
            add("f.deal_status = ?", {dealStatus});
    }
    if (auto systemFile = params.optFlag("systemFile"))
        add(*systemFile ? "f.system_file = 1" : "f.system_file = 0");
    if (params.flag("justOwnerAccess"))
        add("f.just_owner_access = 1");
    if (params.flag("reminderMode")) {
        // Leases run a year from the registration date; remind from a month before the end
        // until a month after it.
        const std::int64_t now = Clock::nowMs();
        add("f.deal_type IN (2, 6) AND f.file_date_ms BETWEEN ? AND ? AND IFNULL(f.deal_status, 'available') "
            "= "
            "'available'",
            {now - 395 * kDayMs, now - 335 * kDayMs});
    }
    ranges(params.object("range"));
    attrs(params);
}

void FileSearch::ranges(const nlohmann::json &range) {
    for (auto it = range.begin(); it != range.end(); ++it) {
        const std::string key = it.key();
        if (!it.value().is_object())
            throw ApiError::invalidValue("range." + key);
        std::string expression;
        std::vector<SqlValue> pathValues;
        const auto column = columns().find(key);
        if (column != columns().end()) {
            expression = column->second;
        } else {
            const std::string attribute = attributeOf(key);
            expression = SearchColumns::numeric(attribute);
            if (expression.empty()) {
                expression = "CAST(json_extract(f.attrs, ?) AS REAL)";
                pathValues.emplace_back(attrPath(attribute));
            } else {
                // A listing without the attribute does not satisfy a bound on it.
                add(expression + " IS NOT NULL");
            }
        }
        for (const char *bound : {"min", "max"}) {
            const auto value = it.value().find(bound);
            if (value == it.value().end() || value->is_null() ||
                (value->is_string() && value->get<std::string>().empty()))
                continue;
            const auto number = ValueRead::asNumber(*value);
            if (!number)
                throw ApiError::invalidValue("range." + key + "." + bound);
            std::vector<SqlValue> values = pathValues;
            values.emplace_back(*number);
            if (!pathValues.empty()) {
                // A listing without the attribute does not satisfy a bound on it.
                values.insert(values.begin(), pathValues.front());
                addReadable(attributeOf(key),
                            "json_extract(f.attrs, ?) IS NOT NULL AND " + expression +
                                (std::string(bound) == "min" ? " >= ?" : " <= ?"),
                            values);
            } else {
                add(expression + (std::string(bound) == "min" ? " >= ?" : " <= ?"), values);
            }
        }
    }
}

void FileSearch::attrs(const Params &params) {
    const nlohmann::json attributes = params.object("attrs");
    if (attributes.empty())
        return;
    const std::vector<std::string> textKeys = params.textList("stringAttrKeys");
    const bool any = params.textOr("stringAttrKeysOperator", "and") == "or";

    std::vector<TextTerm> terms;
    std::vector<std::pair<std::string, std::string>> equalities;
    for (auto it = attributes.begin(); it != attributes.end(); ++it) {
        const std::string key = it.key();
        const nlohmann::json &value = it.value();
        const bool asText = std::find(textKeys.begin(), textKeys.end(), key) != textKeys.end();
        if (asText) {
            if (!value.is_string() && !value.is_number())
                throw ApiError::invalidValue("attrs." + key);
            const std::string needle =
                value.is_string() ? TextRules::trimmed(value.get<std::string>()) : value.dump();
            if (needle.empty())
                continue;
            attrPath(key);
            // The description is stored as fileDetail (or disc); the search bar calls it fileDetails.
            TextTerm term{{key}, needle, m_reachesOtherOffices && FileAccess::isOwnerContact(key)};
            if (key == "fileDetails" || key == "fileDetail")
                term.stored = {"fileDetail", "disc"};
            terms.push_back(std::move(term));
            continue;
        }
        if (value.is_boolean()) {
            // Options are listed in a column the search indexes hold, so they are tested first.
            attrPath(key);
            if (value.get<bool>())
                addReadable(key, "instr(f.flags, ?) > 0", {SearchColumns::flag(key)});
            continue;
        }
        if (value.is_string() || value.is_number()) {
            const std::string text = value.is_string() ? value.get<std::string>() : value.dump();
            if (!text.empty())
                equalities.emplace_back(key, text);
            continue;
        }
        if (value.is_null())
            continue;
        throw ApiError::invalidValue("attrs." + key);
    }
    for (const auto &equality : equalities) {
        const std::string column = SearchColumns::equality(equality.first);
        if (column.empty())
            addReadable(equality.first, "CAST(json_extract(f.attrs, ?) AS TEXT) = ?",
                        {attrPath(equality.first), equality.second});
        else
            addReadable(equality.first,
                        "(" + column + " = ? OR (" + column +
                            " IS NULL AND CAST(json_extract(f.attrs, ?) AS TEXT) = ?))",
                        {equality.second, attrPath(equality.first), equality.second});
    }
    if (!terms.empty())
        textSearch(terms, any);
}

void FileSearch::textSearch(const std::vector<TextTerm> &terms, bool any) {
    const std::string join = any ? " OR " : " AND ";
    bool indexed = true;
    for (const auto &term : terms) {
        const std::size_t length = TextRules::characterCount(term.needle);
        indexed = indexed && length >= kMinIndexedText && length <= kMaxIndexedText;
        for (const auto &key : term.stored)
            indexed = indexed && !SearchColumns::text(key).empty();
    }

    if (indexed) {
        // One look-up in the text index finds the candidates; for other offices' listings only
        // the terms on what they may read count.
        auto query = [&](bool readableOnly) {
            // The search bar looks for one text in several attributes: one phrase over all their
            // columns costs the index a single look-up.
            std::vector<std::pair<std::string, std::string>> phrases; // needle, columns
            for (const auto &term : terms) {
                if (readableOnly && term.ownerOnly) {
                    if (!any)
                        return std::string();
                    continue;
                }
                std::string columns;
                for (const auto &key : term.stored)
                    columns += (columns.empty() ? "t_" : " t_") + key;
                auto same = std::find_if(phrases.begin(), phrases.end(),
                                         [&term](const auto &known) { return known.first == term.needle; });
                if (any && same != phrases.end())
                    same->second += " " + columns;
                else
                    phrases.emplace_back(term.needle, columns);
            }
            std::string text;
            for (const auto &entry : phrases)
                text += (text.empty() ? "" : join) + "{" + entry.second + "} : " + phrase(entry.first);
            return text;
        };
        const std::string lookup = "f.rowid IN (SELECT rowid FROM listing_text WHERE listing_text MATCH ?)";
        bool ownerOnly = false;
        for (const auto &term : terms)
            ownerOnly = ownerOnly || term.ownerOnly;
        m_narrowing.push_back(m_conditions.size());
        if (!ownerOnly) {
            add(lookup, {query(false)});
            return;
        }
        const std::string readable = query(true);
        if (readable.empty())
            add(lookup + " AND f.office_id = ?", {query(false), m_caller.officeId});
        else
            add(lookup + " AND (f.office_id = ? OR " + lookup + ")",
                {query(false), m_caller.officeId, readable});
        return;
    }

    std::string joined;
    std::vector<SqlValue> values;
    for (const auto &term : terms) {
        std::string condition = "(";
        if (term.ownerOnly) {
            condition += "f.office_id = ? AND (";
            values.emplace_back(m_caller.officeId);
        }
        for (std::size_t i = 0; i < term.stored.size(); ++i) {
            const std::string column = SearchColumns::text(term.stored[i]);
            if (column.empty()) {
                condition +=
                    (i ? " OR " : "") + std::string("instr(CAST(json_extract(f.attrs, ?) AS TEXT), ?) > 0");
                values.emplace_back(attrPath(term.stored[i]));
            } else {
                condition += (i ? " OR " : "") + std::string("instr(") + column + ", ?) > 0";
            }
            values.emplace_back(term.needle);
        }
        if (term.ownerOnly)
            condition += ")";
        joined += (joined.empty() ? "" : join) + condition + ")";
    }
    add("(" + joined + ")", values);
}

std::string FileSearch::order(const Params &params) {
    std::string sortBy = params.textOr("sortBy", "created_at");
    const std::int64_t direction = params.integerOr("sortDirection", -1);
    if (direction != 1 && direction != -1)
        throw ApiError::invalidValue("sortDirection");
    const std::string dir = direction == 1 ? " ASC" : " DESC";
    const auto column = columns().find(sortBy);
    if (column != columns().end()) {
        // The two wide indexes hold the listings in these orders (either direction).
        m_orderIndexed = column->second == "f.file_date_ms" || column->second == "f.created_at";
        return " ORDER BY " + column->second + dir + ", f.created_at DESC, f.id";
    }
    const std::string attribute = attributeOf(sortBy);
    const std::string path = attrPath(attribute);
    const std::string stored = SearchColumns::numeric(attribute);
    if (!stored.empty())
        return " ORDER BY (" + stored + " IS NULL), " + stored + dir + ", f.created_at DESC, f.id";
    std::string value = "json_extract(f.attrs, ?)";
    m_orderValues = {path};
    if (m_reachesOtherOffices && FileAccess::isOwnerContact(attribute)) {
        // Another office's listing sorts as if it lacked what it may not read.
        value = "(CASE WHEN f.office_id = ? THEN json_extract(f.attrs, ?) END)";
        m_orderValues = {m_caller.officeId, path};
    }
    const std::vector<SqlValue> once = m_orderValues;
    m_orderValues.insert(m_orderValues.end(), once.begin(), once.end());
    // Listings without the attribute come last in either direction.
    return " ORDER BY (" + value + " IS NULL), CAST(" + value + " AS REAL)" + dir +
           ", f.created_at DESC, f.id";
}

std::int64_t FileSearch::countMatches(const std::string &where) {
    // Only what is committed is counted for keeps: a total seen inside an open transaction may
    // be rolled back with it.
    ListingCounts *counts = m_connection.readsCommittedData() ? m_connection.listingCounts() : nullptr;
    std::string key;
    std::int64_t generation = 0;
    if (counts) {
        // The generation is read before counting: a change in between leaves an entry under the
        // older generation, never a stale total under the newer one.
        generation = m_connection.listingGeneration();
        key = searchKey(where, m_values);
        if (const auto known = counts->find(key, generation))
            return *known;
    }
    Statement total = m_connection.prepare("SELECT COUNT(*) FROM property_files f" + where);
    total.bindAll(m_values);
    total.step();
    const std::int64_t matches = total.integer(0);
    if (counts)
        counts->store(key, generation, matches);
    return matches;
}

nlohmann::json FileSearch::run(const Params &params) {
    const std::int64_t page = params.page();
    const std::int64_t count = params.count(20, 1000);
    // A quick search with nothing to look for finds nothing.
    if (params.raw().empty()) {
        return {{"propertyFiles",
                 {{"data", nlohmann::json::array()}, {"total", 0}, {"page", 1}, {"count", count}}},
                {"bookmarks", nlohmann::json::array()}};
    }
    if (params.object("attrs").size() + params.object("range").size() > kMaxCriteria ||
        params.textList("stringAttrKeys").size() > kMaxCriteria)
        throw ApiError::badRequest("تعداد شرط‌های جستجو بیش از حد مجاز است");
    scope(params);
    criteria(params);
    const std::string orderBy = order(params);

    auto whereClause = [this](bool walkInOrder) {
        std::string where;
        for (std::size_t i = 0; i < m_conditions.size(); ++i) {
            // "+" keeps the planner from starting at the narrowing condition's index.
            const bool narrowing = std::find(m_narrowing.begin(), m_narrowing.end(), i) != m_narrowing.end();
            where += (i ? " AND " : " WHERE ") + std::string(walkInOrder && narrowing ? "+" : "") +
                     m_conditions[i];
        }
        return where;
    };
    const std::int64_t matches = countMatches(whereClause(false));
    const std::string where = whereClause(matches > kWalkInOrderFrom && m_orderIndexed);
    nlohmann::json data = nlohmann::json::array();
    std::vector<std::string> ids;
    const std::int64_t offset = (page - 1) * count;
    if (offset < matches) {
        // The page's ids first, from the search index alone, and only then their records: the
        // listings skipped on the way to a late page are never read.
        std::vector<SqlValue> values = m_values;
        for (const auto &value : m_orderValues)
            values.push_back(value);
        values.emplace_back(count);
        values.emplace_back(offset);
        for (const auto &value : m_orderValues)
            values.push_back(value);
        const std::string pageIds =
            "(SELECT f.id AS pageId FROM property_files f" + where + orderBy +
            " LIMIT ? OFFSET ?) page CROSS JOIN property_files f ON f.id = page.pageId";
        Statement rows = m_connection.prepare(Records::fileSelect(pageIds) + orderBy);
        rows.bindAll(values);
        while (rows.step()) {
            nlohmann::json record = Records::file(rows.rowObject(), m_caller.officeId);
            ids.push_back(record["_id"].get<std::string>());
            data.push_back(std::move(record));
        }
    }

    nlohmann::json bookmarks = nlohmann::json::array();
    if (!ids.empty()) {
        std::string sql = "SELECT file_id FROM bookmarks WHERE user_id = ? AND file_id IN (";
        std::vector<SqlValue> values{m_caller.userId};
        for (std::size_t i = 0; i < ids.size(); ++i) {
            sql += i ? ",?" : "?";
            values.emplace_back(ids[i]);
        }
        Statement statement = m_connection.prepare(sql + ")");
        statement.bindAll(values);
        while (statement.step())
            bookmarks.push_back(statement.text(0));
    }
    return {
        {"propertyFiles", {{"data", std::move(data)}, {"total", matches}, {"page", page}, {"count", count}}},
        {"bookmarks", std::move(bookmarks)}};
}
