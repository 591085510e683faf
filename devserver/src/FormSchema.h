#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The listing form as the service needs it: which deal/property pairs exist and which rows,
// options and inputs each pair's form holds, exactly as the program's own form database has them
// (both are generated from tools/schema), used to check listings and to make demo listings.
namespace FormSchema {

struct Field {
    int id;
    std::string key;
    int revealsRow; // the row shown when this option is chosen; 0 none
    // Index of `key` among the pair's distinct keys (two fields may share a key).
    std::size_t keySlot = 0;
};

struct Row {
    int id;
    bool inputs;       // input boxes rather than options
    bool singleChoice; // exactly one option
    std::vector<Field> fields;
    // Filled in only when an option that reveals it is chosen.
    bool revealed = false;
};

struct Pair {
    int dealType;
    int propertyType;
    std::vector<Row> rows;
    std::vector<std::string> stepperKeys; // the fields the form's number steppers edit
    std::size_t keyCount = 0;             // distinct keys of the fields (steppers aside)

    const Row *row(int id) const;
    // Rent of land and of teardowns has an entry but no form: the program never offers it.
    bool offered() const { return !rows.empty(); }
};

// The attribute under which every form keeps the free description.
inline const char *const kDescriptionKey = "fileDetail";

const std::vector<Pair> &pairs();
const Pair *find(int dealType, int propertyType);
std::string dealTitle(int dealType);
std::string propertyTitle(int propertyType);

} // namespace FormSchema
