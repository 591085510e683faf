#include "TextRules.h"

#include "ApiError.h"
#include "Params.h"

namespace TextRules {

namespace {
bool digits(const std::string &text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    return true;
}
} // namespace

bool isMobile(const std::string &text) {
    return text.size() == 11 && text.rfind("09", 0) == 0 && digits(text, 0);
}

bool isPhone(const std::string &text) {
    return text.size() >= 8 && text.size() <= 15 && text[0] == '0' && digits(text, 0);
}

bool isEmail(const std::string &text) {
    const auto at = text.find('@');
    return at != std::string::npos && at > 0 && text.find('.', at) != std::string::npos &&
           text.find(' ') == std::string::npos;
}

bool isStoredFileName(const std::string &text) {
    if (text.empty() || text.size() > 80 || text[0] == '.')
        return false;
    for (char c : text) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                        c == '.' || c == '-' || c == '_';
        if (!ok)
            return false;
    }
    return text.find("..") == std::string::npos;
}

bool isAttrKey(const std::string &text) {
    if (text.empty() || text.size() > 40)
        return false;
    for (char c : text) {
        const bool ok =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!ok)
            return false;
    }
    return true;
}

std::size_t characterCount(const std::string &utf8) {
    std::size_t count = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

std::string trimmed(const std::string &text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::string();
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string limited(const Params &params, const std::string &key, std::size_t maxCharacters) {
    const std::string value = trimmed(params.textOr(key, ""));
    if (characterCount(value) > maxCharacters)
        throw ApiError::badRequest("مقدار «" + key + "» بیش از حد طولانی است");
    return value;
}

std::string required(const Params &params, const std::string &key, std::size_t maxCharacters) {
    const std::string value = limited(params, key, maxCharacters);
    if (value.empty())
        throw ApiError::missingValue(key);
    return value;
}

std::string persianDigits(std::int64_t number) {
    static const char *const digits[] = {"۰", "۱", "۲", "۳", "۴", "۵", "۶", "۷", "۸", "۹"};
    const std::string ascii = std::to_string(number);
    std::string text;
    for (char c : ascii)
        text += c >= '0' && c <= '9' ? digits[c - '0'] : std::string(1, c);
    return text;
}

} // namespace TextRules
