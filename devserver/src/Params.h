#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The parameters of one request, from a form or a JSON body, read with type checks that turn
// wrong input into Persian refusals. Form values are text, so numbers and booleans are also
// accepted in their text form.
class Params {
public:
    Params() = default;
    explicit Params(nlohmann::json object);

    // Decodes an application/x-www-form-urlencoded body: %XX is decoded, '+' stays '+'.
    static Params fromForm(const std::string &body);
    // Parses a JSON body; an empty body is an empty object; anything but an object is refused.
    static Params fromJson(const std::string &body);

    bool has(const std::string &key) const;
    const nlohmann::json &raw() const { return m_object; }

    std::string text(const std::string &key) const;
    std::optional<std::string> optText(const std::string &key) const;
    std::string textOr(const std::string &key, const std::string &fallback) const;
    std::int64_t integer(const std::string &key) const;
    std::optional<std::int64_t> optInteger(const std::string &key) const;
    std::int64_t integerOr(const std::string &key, std::int64_t fallback) const;
    std::optional<double> optNumber(const std::string &key) const;
    bool flag(const std::string &key, bool fallback = false) const;
    std::optional<bool> optFlag(const std::string &key) const;
    std::vector<std::string> textList(const std::string &key) const;
    // An object value, or an empty object when absent.
    nlohmann::json object(const std::string &key) const;

    // Paging with a 1-based page and a bounded page size.
    std::int64_t page() const;
    std::int64_t count(std::int64_t fallback, std::int64_t maximum) const;

private:
    const nlohmann::json *find(const std::string &key) const;
    nlohmann::json m_object = nlohmann::json::object();
};

// Helpers shared by Params and the search filters.
namespace ValueRead {
std::optional<std::int64_t> asInteger(const nlohmann::json &value);
std::optional<double> asNumber(const nlohmann::json &value);
std::optional<bool> asFlag(const nlohmann::json &value);
std::string percentDecode(const std::string &text);
} // namespace ValueRead
