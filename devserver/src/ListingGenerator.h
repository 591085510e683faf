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
    std::string pick(const std::vector<std::string> &list);
    void addText(std::string &json, const std::string &key, const std::string &value);
    void addFlag(std::string &json, const std::string &key);
    std::string description(const FormSchema::Pair &pair, const Area &where, std::int64_t size,
                            std::int64_t rooms);

    std::mt19937_64 m_random;
    std::vector<Area> m_areas;
};
