#include "FormSchema.h"

#include <map>

namespace FormSchema {

namespace {

std::vector<Pair> loadPairs() {
    std::vector<Pair> list = {
#include "FormSchemaForms.inc"
    };
    for (Pair &pair : list) {
        std::map<std::string, std::size_t> slots;
        for (Row &row : pair.rows) {
            for (Field &field : row.fields) {
                field.keySlot = slots.emplace(field.key, slots.size()).first->second;
                for (Row &other : pair.rows) {
                    if (other.id == field.revealsRow)
                        other.revealed = true;
                }
            }
        }
        pair.keyCount = slots.size();
    }
    return list;
}

} // namespace

const Row *Pair::row(int id) const {
    for (const Row &candidate : rows) {
        if (candidate.id == id)
            return &candidate;
    }
    return nullptr;
}

const std::vector<Pair> &pairs() {
    static const std::vector<Pair> list = loadPairs();
    return list;
}

const Pair *find(int dealType, int propertyType) {
    for (const Pair &pair : pairs()) {
        if (pair.dealType == dealType && pair.propertyType == propertyType)
            return &pair;
    }
    return nullptr;
}

std::string dealTitle(int dealType) {
    static const char *const titles[] = {"",
                                         "فروش",
                                         "اجاره",
                                         "مشارکت",
                                         "پیش فروش",
                                         "متقاضی خرید",
                                         "متقاضی اجاره",
                                         "متقاضی مشارکت",
                                         "متقاضی پیش خرید"};
    return dealType >= 1 && dealType <= 8 ? titles[dealType] : std::string();
}

std::string propertyTitle(int propertyType) {
    static const char *const titles[] = {"آپارتمان", "باغ ویلا", "ویلایی", "زمین", "دفترکار",
                                         "مغازه",    "مستغلات",  "کلنگی",  "انبار"};
    return propertyType >= 50 && propertyType <= 58 ? titles[propertyType - 50] : std::string();
}

} // namespace FormSchema
