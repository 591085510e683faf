#pragma once

#include <string>
#include <utility>
#include <vector>

// The listing form as the service needs it: which deal/property pairs exist, and which inputs and
// option groups each pair's form offers (used to check listings and to make demo listings).
namespace FormSchema {

struct Pair {
    int dealType;
    int propertyType;
    std::vector<int> inputs;   // field ids of the input row
    std::vector<int> sections; // form sections with option rows
};

const std::vector<Pair> &pairs();
const Pair *find(int dealType, int propertyType);
std::string dealTitle(int dealType);
std::string propertyTitle(int propertyType);
// Field name of an input field id (3000…3053), empty when unknown.
std::string inputName(int fieldId);
// Option field names of the option rows that belong to a form section.
std::vector<std::vector<std::string>> optionRows(int section);

} // namespace FormSchema
