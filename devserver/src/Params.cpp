#include "Params.h"

#include "ApiError.h"
#include "JsonNesting.h"

#include <cmath>
#include <cstdlib>

namespace ValueRead {

std::optional<std::int64_t> asInteger(const nlohmann::json &value) {
    if (value.is_number_integer())
        return value.get<std::int64_t>();
    if (value.is_number_float()) {
        const double number = value.get<double>();
        if (std::isfinite(number) && std::floor(number) == number && std::fabs(number) < 9e15)
            return static_cast<std::int64_t>(number);
        return std::nullopt;
    }
    if (value.is_string()) {
        const std::string text = value.get<std::string>();
        if (text.empty() || text.size() > 18)
            return std::nullopt;
        std::size_t start = (text[0] == '-' || text[0] == '+') ? 1 : 0;
        if (start == text.size())
            return std::nullopt;
        for (std::size_t i = start; i < text.size(); ++i) {
            if (text[i] < '0' || text[i] > '9')
                return std::nullopt;
        }
        return std::strtoll(text.c_str(), nullptr, 10);
    }
    return std::nullopt;
}

std::optional<double> asNumber(const nlohmann::json &value) {
    if (value.is_number()) {
        const double number = value.get<double>();
        return std::isfinite(number) ? std::optional<double>(number) : std::nullopt;
    }
    if (value.is_string()) {
        const std::string text = value.get<std::string>();
        if (text.empty() || text.size() > 30)
            return std::nullopt;
        char *end = nullptr;
        const double number = std::strtod(text.c_str(), &end);
        if (end != text.c_str() + text.size() || !std::isfinite(number))
            return std::nullopt;
        return number;
    }
    return std::nullopt;
}

std::optional<bool> asFlag(const nlohmann::json &value) {
    if (value.is_boolean())
        return value.get<bool>();
    if (value.is_number_integer())
        return value.get<std::int64_t>() != 0;
    if (value.is_string()) {
        const std::string text = value.get<std::string>();
        if (text == "true" || text == "1")
            return true;
        if (text == "false" || text == "0")
            return false;
    }
    return std::nullopt;
}

std::string percentDecode(const std::string &text) {
    std::string decoded;
    decoded.reserve(text.size());
    auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hex(text[i + 1]);
            const int low = hex(text[i + 2]);
            if (high >= 0 && low >= 0) {
                decoded.push_back(static_cast<char>(high * 16 + low));
                i += 2;
                continue;
            }
        }
        decoded.push_back(text[i]);
    }
    return decoded;
}

} // namespace ValueRead

Params::Params(nlohmann::json object)
    : m_object(std::move(object)) {}

Params Params::fromForm(const std::string &body) {
    nlohmann::json object = nlohmann::json::object();
    std::size_t start = 0;
    while (start <= body.size()) {
        std::size_t end = body.find('&', start);
        if (end == std::string::npos)
            end = body.size();
        const std::string pair = body.substr(start, end - start);
        if (!pair.empty()) {
            const std::size_t equals = pair.find('=');
            const std::string key = ValueRead::percentDecode(pair.substr(0, equals));
            const std::string value = equals == std::string::npos
                                          ? std::string()
                                          : ValueRead::percentDecode(pair.substr(equals + 1));
            if (!key.empty()) {
                // Invalid UTF-8 would make the JSON layer throw later; refuse it here.
                try {
                    (void)nlohmann::json(key).dump();
                    (void)nlohmann::json(value).dump();
                } catch (const nlohmann::json::exception &) {
                    throw ApiError::badRequest("متن درخواست قابل خواندن نیست");
                }
                object[key] = value;
            }
        }
        start = end + 1;
    }
    return Params(std::move(object));
}

Params Params::fromJson(const std::string &body) {
    bool blank = true;
    for (char c : body) {
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t') {
            blank = false;
            break;
        }
    }
    if (blank)
        return Params();
    if (!JsonNesting::within(body))
        throw ApiError::badRequest("ساختار متن درخواست بیش از حد تودرتو است");
    nlohmann::json parsed = nlohmann::json::parse(body, nullptr, false);
    if (parsed.is_discarded())
        throw ApiError::badRequest("متن درخواست JSON معتبر نیست");
    if (!parsed.is_object())
        throw ApiError::badRequest("متن درخواست باید یک شیء JSON باشد");
    return Params(std::move(parsed));
}

const nlohmann::json *Params::find(const std::string &key) const {
    const auto it = m_object.find(key);
    if (it == m_object.end() || it->is_null())
        return nullptr;
    return &*it;
}

bool Params::has(const std::string &key) const {
    return find(key) != nullptr;
}

std::optional<std::string> Params::optText(const std::string &key) const {
    const nlohmann::json *value = find(key);
    if (!value)
        return std::nullopt;
    if (value->is_string())
        return value->get<std::string>();
    if (value->is_number_integer())
        return std::to_string(value->get<std::int64_t>());
    if (value->is_number_float()) {
        const auto integral = ValueRead::asInteger(*value);
        if (integral)
            return std::to_string(*integral);
        return value->dump();
    }
    throw ApiError::invalidValue(key);
}

std::string Params::text(const std::string &key) const {
    auto value = optText(key);
    if (!value)
        throw ApiError::missingValue(key);
    return *value;
}

std::string Params::textOr(const std::string &key, const std::string &fallback) const {
    auto value = optText(key);
    return value ? *value : fallback;
}

std::optional<std::int64_t> Params::optInteger(const std::string &key) const {
    const nlohmann::json *value = find(key);
    if (!value)
        return std::nullopt;
    if (value->is_string() && value->get<std::string>().empty())
        return std::nullopt;
    auto number = ValueRead::asInteger(*value);
    if (!number)
        throw ApiError::invalidValue(key);
    return number;
}

std::int64_t Params::integer(const std::string &key) const {
    auto value = optInteger(key);
    if (!value)
        throw ApiError::missingValue(key);
    return *value;
}

std::int64_t Params::integerOr(const std::string &key, std::int64_t fallback) const {
    auto value = optInteger(key);
    return value ? *value : fallback;
}

std::optional<double> Params::optNumber(const std::string &key) const {
    const nlohmann::json *value = find(key);
    if (!value)
        return std::nullopt;
    auto number = ValueRead::asNumber(*value);
    if (!number)
        throw ApiError::invalidValue(key);
    return number;
}

std::optional<bool> Params::optFlag(const std::string &key) const {
    const nlohmann::json *value = find(key);
    if (!value)
        return std::nullopt;
    auto flag = ValueRead::asFlag(*value);
    if (!flag)
        throw ApiError::invalidValue(key);
    return flag;
}

bool Params::flag(const std::string &key, bool fallback) const {
    auto value = optFlag(key);
    return value ? *value : fallback;
}

std::vector<std::string> Params::textList(const std::string &key) const {
    const nlohmann::json *value = find(key);
    std::vector<std::string> list;
    if (!value)
        return list;
    if (value->is_string()) {
        list.push_back(value->get<std::string>());
        return list;
    }
    if (!value->is_array())
        throw ApiError::invalidValue(key);
    for (const auto &item : *value) {
        if (item.is_string())
            list.push_back(item.get<std::string>());
        else if (item.is_number_integer())
            list.push_back(std::to_string(item.get<std::int64_t>()));
        else
            throw ApiError::invalidValue(key);
    }
    return list;
}

nlohmann::json Params::object(const std::string &key) const {
    const nlohmann::json *value = find(key);
    if (!value)
        return nlohmann::json::object();
    if (!value->is_object())
        throw ApiError::invalidValue(key);
    return *value;
}

std::int64_t Params::page() const {
    const std::int64_t value = integerOr("page", 1);
    if (value < 1)
        throw ApiError::invalidValue("page");
    return value;
}

std::int64_t Params::count(std::int64_t fallback, std::int64_t maximum) const {
    const std::int64_t value = integerOr("count", fallback);
    if (value < 1)
        throw ApiError::invalidValue("count");
    return value > maximum ? maximum : value;
}
