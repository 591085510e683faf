#pragma once

#include <cstdint>
#include <string>

class Params;

// Checks on texts that users type.
namespace TextRules {

bool isMobile(const std::string &text); // "09" + 9 digits
bool isPhone(const std::string &text);  // 0 followed by 7-14 digits
bool isEmail(const std::string &text);
bool isStoredFileName(const std::string &text); // a name the service gave to a stored file
bool isAttrKey(const std::string &text);        // a schema field name
std::size_t characterCount(const std::string &utf8);
// The value of `key` (absent = ""), refused when longer than `maxCharacters`.
std::string limited(const Params &params, const std::string &key, std::size_t maxCharacters);
// As limited(), but the value must be present and not blank.
std::string required(const Params &params, const std::string &key, std::size_t maxCharacters);
std::string trimmed(const std::string &text);
// `number` in Persian digits, as the service's messages write numbers.
std::string persianDigits(std::int64_t number);

} // namespace TextRules
