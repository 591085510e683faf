#include "Clock.h"

#include <openssl/rand.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <random>
#include <stdexcept>

namespace Clock {

std::int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

std::string isoTime(std::int64_t ms) {
    std::time_t seconds = static_cast<std::time_t>(ms / 1000);
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", parts.tm_year + 1900,
                  parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec,
                  static_cast<int>(ms % 1000));
    return buffer;
}

std::string isoNow() {
    return isoTime(nowMs());
}

std::string day(std::int64_t ms) {
    return isoTime(ms).substr(0, 10);
}

} // namespace Clock

namespace Ids {

namespace {
std::mt19937_64 &generator() {
    thread_local std::mt19937_64 engine([] {
        std::uint64_t seed = 0;
        if (RAND_bytes(reinterpret_cast<unsigned char *>(&seed), sizeof seed) != 1)
            seed = static_cast<std::uint64_t>(std::random_device{}());
        return seed;
    }());
    return engine;
}
} // namespace

std::string newId() {
    // Like a document store's object id: seconds, a per-process random part, a counter. Ids made
    // in a row sort together, which keeps inserts at the end of the database's indexes.
    static const std::uint64_t process = generator()() & 0xFFFFFFFFFFULL;
    static std::atomic<std::uint32_t> counter{static_cast<std::uint32_t>(generator()() & 0xFFFFFF)};
    static const char digits[] = "0123456789abcdef";
    std::string id(24, '0');
    auto put = [&](std::size_t end, std::uint64_t value, int count) {
        for (int i = 0; i < count; ++i) {
            id[end - 1 - static_cast<std::size_t>(i)] = digits[value & 0xF];
            value >>= 4;
        }
    };
    put(8, static_cast<std::uint64_t>(Clock::nowMs() / 1000), 8);
    put(18, process, 10);
    put(24, counter.fetch_add(1) & 0xFFFFFF, 6);
    return id;
}

std::string randomToken(int bytes) {
    std::string raw(static_cast<std::size_t>(bytes), '\0');
    if (RAND_bytes(reinterpret_cast<unsigned char *>(raw.data()), bytes) != 1)
        throw std::runtime_error("no random bytes");
    static const char digits[] = "0123456789abcdef";
    std::string token;
    token.reserve(raw.size() * 2);
    for (unsigned char c : raw) {
        token.push_back(digits[c >> 4]);
        token.push_back(digits[c & 0xF]);
    }
    return token;
}

std::int64_t randomInt(std::int64_t low, std::int64_t high) {
    std::uniform_int_distribution<std::int64_t> distribution(low, high);
    return distribution(generator());
}

} // namespace Ids
