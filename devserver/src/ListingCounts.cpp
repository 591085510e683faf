#include "ListingCounts.h"

std::optional<std::int64_t> ListingCounts::find(const std::string &key, std::int64_t generation) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto entry = m_entries.find(key);
    if (entry == m_entries.end() || entry->second.generation != generation)
        return std::nullopt;
    return entry->second.total;
}

void ListingCounts::store(const std::string &key, std::int64_t generation, std::int64_t total) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_entries.size() >= kMaxEntries && m_entries.find(key) == m_entries.end()) {
        // Whatever was counted under older generations is of no use any more; when all of it is
        // current, start afresh rather than keep every search ever made.
        for (auto it = m_entries.begin(); it != m_entries.end();)
            it = it->second.generation != generation ? m_entries.erase(it) : std::next(it);
        if (m_entries.size() >= kMaxEntries)
            m_entries.clear();
    }
    m_entries[key] = Entry{generation, total};
}
