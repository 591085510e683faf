#pragma once

#include <string>

// How deeply JSON text nests arrays and objects, found without parsing it. Nested values are
// copied, compared and written out recursively (here and in SQLite's JSON functions), so text
// nested beyond a sane depth is turned away before anything recursive sees it.
namespace JsonNesting {

// Deeper than any request or stored value of the service needs.
constexpr int kMaxDepth = 64;

// Whether `text` opens no more than `maxDepth` arrays or objects inside one another. Brackets in
// strings do not count; the text need not be valid JSON.
bool within(const std::string &text, int maxDepth = kMaxDepth);

} // namespace JsonNesting
