#pragma once

#include "FormSchema.h"
#include "Geography.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

// Makes believable listings for a deal/property pair: Persian names, Mashhad addresses, sizes
// and prices that fit the kind of property, and options from the pair's form.
class ListingGenerator {
public:
    struct Area {
        std::string id;
        std::string name;
        Geography::Point centre;
    };

    struct Listing {
        int dealType = 0;
        int propertyType = 0;
        std::string attrs; // JSON text
        std::string areaId;
        bool hasPosition = false;
        double latitude = 0;
        double longitude = 0;
        std::int64_t fileDateMs = 0;
        int status = 2;
        std::string dealStatus; // empty = none
        bool hidden = false;
        bool shared = false;
    };

    ListingGenerator(std::uint64_t seed, std::vector<Area> areas);

    Listing make(const FormSchema::Pair &pair, std::int64_t nowMs);
    std::int64_t between(std::int64_t low, std::int64_t high);
    bool chance(double probability);
    std::string personName();
    std::string mobile();
    const Area &area();

private:
    // Sizes and amounts of one listing, so that its inputs agree with each other.
    struct Measures {
        std::int64_t land, built, shop, pricePerMetre, measured, price, floors, rooms, mortgage, monthly;
    };
    // The listing's JSON text and which of its pair's keys it holds already.
    struct Attrs {
        std::string json = "{";
        std::vector<bool> present;
    };

    std::string pick(const std::vector<std::string> &list);
    Measures measures(int propertyType);
    // An input's value; false leaves the input empty.
    bool inputValue(int fieldId, const Measures &m, const Area &where, std::string &value);
    void fillRow(const FormSchema::Pair &pair, const FormSchema::Row &row, const Measures &m,
                 const Area &where, Attrs &attrs);
    void addText(Attrs &attrs, const std::string &key, const std::string &value);
    void addField(Attrs &attrs, const FormSchema::Field &field, const std::string &value, bool flag);
    std::string description(const FormSchema::Pair &pair, const Area &where, std::int64_t size,
                            std::int64_t rooms);

    std::mt19937_64 m_random;
    std::vector<Area> m_areas;
};
