#pragma once

#include <cstdint>
#include <iterator>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

// Totals of listing searches, kept while the listings stay as they are. An export pages through
// thousands of listings with the same criteria; counting them all again for every page was the
// largest part of each page's cost.
//
// Entries are tied to a generation, a number the database raises (by triggers) on every insert,
// update or delete of a listing and on every bookmark added or removed, the only other table a
// search reads: a total counted under another generation is never answered.
class ListingCounts {
public:
    // The total stored for `key` under `generation`, if any.
    std::optional<std::int64_t> find(const std::string &key, std::int64_t generation);
    void store(const std::string &key, std::int64_t generation, std::int64_t total);

private:
    struct Entry {
        std::int64_t generation;
        std::int64_t total;
    };
    // Searches differ by user and filters; a busy day's worth fits easily.
    static constexpr std::size_t kMaxEntries = 4096;

    std::mutex m_mutex;
    std::unordered_map<std::string, Entry> m_entries;
};
