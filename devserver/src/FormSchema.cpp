#include "FormSchema.h"

#include <map>

namespace FormSchema {

namespace {

std::vector<int> span(std::initializer_list<std::pair<int, int>> ranges) {
    std::vector<int> ids;
    for (const auto &range : ranges) {
        for (int id = range.first; id <= range.second; ++id)
            ids.push_back(id);
    }
    return ids;
}

} // namespace

const std::vector<Pair> &pairs() {
    static const std::vector<Pair> list = {
        {1, 50, span({{3001, 3014}, {3048, 3053}}), span({{4, 16}, {20, 20}})},
        {1, 51, span({{3001, 3007}, {3009, 3009}, {3011, 3011}, {3014, 3014}, {3048, 3053}}),
         span({{4, 4}, {6, 16}, {20, 20}})},
        {1, 52, span({{3001, 3007}, {3009, 3009}, {3011, 3011}, {3014, 3014}, {3020, 3021}, {3048, 3051}}),
         span({{4, 4}, {6, 7}, {9, 16}, {20, 20}})},
        {1, 53, span({{3001, 3006}, {3020, 3021}, {3048, 3053}}), span({{4, 4}, {16, 16}, {19, 20}})},
        {1, 54, span({{3001, 3005}, {3007, 3007}, {3009, 3014}, {3048, 3053}}),
         span({{4, 4}, {7, 7}, {9, 10}, {12, 12}, {14, 16}, {20, 20}})},
        {1, 55, span({{3001, 3005}, {3010, 3010}, {3022, 3025}, {3048, 3053}}),
         span({{4, 4}, {6, 6}, {12, 13}, {15, 16}, {20, 20}})},
        {1, 56, span({{3001, 3011}, {3013, 3014}, {3020, 3021}, {3048, 3053}}),
         span({{4, 4}, {6, 16}, {20, 20}})},
        {1, 57, span({{3001, 3007}, {3020, 3021}, {3048, 3053}}), span({{4, 4}, {6, 6}, {16, 16}, {19, 20}})},
        {1, 58, span({{3001, 3007}, {3048, 3053}}), {}},
        {2, 50, span({{3001, 3007}, {3009, 3014}, {3046, 3047}, {3050, 3053}}), span({{4, 16}, {20, 20}})},
        {2, 51, span({{3001, 3007}, {3009, 3009}, {3011, 3011}, {3014, 3014}, {3046, 3047}, {3050, 3053}}),
         span({{4, 4}, {6, 16}, {20, 20}})},
        {2, 52, span({{3001, 3007}, {3009, 3009}, {3014, 3014}, {3020, 3021}, {3046, 3047}, {3050, 3051}}),
         span({{4, 4}, {6, 7}, {9, 16}, {20, 20}})},
        {2, 53, {}, span({{20, 20}})},
        {2, 54, span({{3001, 3005}, {3007, 3007}, {3009, 3014}, {3046, 3047}, {3050, 3053}}),
         span({{4, 4}, {7, 7}, {9, 10}, {12, 12}, {14, 16}, {20, 20}})},
        {2, 55, span({{3001, 3005}, {3010, 3010}, {3022, 3025}, {3046, 3047}, {3050, 3053}}),
         span({{4, 4}, {6, 6}, {12, 13}, {15, 16}, {20, 20}})},
        {2, 56, span({{3001, 3011}, {3013, 3014}, {3020, 3021}, {3046, 3047}, {3050, 3053}}),
         span({{4, 4}, {6, 16}, {20, 20}})},
        {2, 57, {}, span({{20, 20}})},
        {2, 58, span({{3001, 3007}, {3046, 3047}, {3050, 3053}}), {}},
        {3, 53, span({{3001, 3007}, {3020, 3021}, {3029, 3035}, {3050, 3053}}),
         span({{4, 4}, {6, 6}, {16, 16}, {19, 20}})},
        {3, 57, span({{3001, 3007}, {3020, 3021}, {3029, 3035}, {3050, 3053}}),
         span({{4, 4}, {6, 6}, {16, 16}, {19, 20}})},
        {4, 50, span({{3001, 3013}, {3035, 3035}, {3048, 3053}}), span({{4, 16}, {20, 23}})},
        {4, 51, span({{3001, 3007}, {3009, 3009}, {3011, 3011}, {3035, 3035}, {3048, 3053}}),
         span({{4, 4}, {6, 6}, {8, 9}, {11, 16}, {20, 23}})},
        {4, 54, span({{3001, 3005}, {3007, 3007}, {3010, 3013}, {3035, 3035}, {3048, 3053}}),
         span({{4, 4}, {7, 7}, {9, 10}, {12, 12}, {14, 16}, {20, 23}})},
        {4, 55, span({{3001, 3005}, {3010, 3010}, {3022, 3025}, {3035, 3035}, {3048, 3053}}),
         span({{4, 4}, {6, 6}, {12, 12}, {15, 16}, {20, 23}})},
        {5, 50, {3001, 3002, 3004, 3007, 3009, 3014, 3049, 3050}, span({{4, 4}, {6, 6}, {8, 8}, {14, 16}})},
        {5, 51, {3001, 3002, 3004, 3006, 3009, 3014, 3049, 3050}, span({{4, 4}, {6, 6}, {8, 8}, {14, 16}})},
        {5, 52, {3001, 3002, 3004, 3006, 3009, 3014, 3049, 3050}, span({{4, 4}, {6, 6}, {14, 16}})},
        {5, 53, {3001, 3002, 3004, 3006, 3049, 3050}, span({{16, 16}, {19, 19}})},
        {5, 54, {3001, 3002, 3004, 3007, 3009, 3049, 3050}, span({{4, 4}, {15, 16}})},
        {5, 55, {3001, 3002, 3004, 3022, 3049, 3050}, span({{4, 4}, {6, 6}, {15, 16}})},
        {5, 56, {3001, 3002, 3004, 3006, 3009, 3049, 3050}, span({{4, 4}, {6, 6}, {8, 8}, {14, 16}})},
        {5, 57, {3001, 3002, 3004, 3006, 3049, 3050}, span({{4, 4}, {16, 16}})},
        {5, 58, {3001, 3002, 3004, 3006, 3049, 3050}, {}},
        {6,
         50,
         {3001, 3002, 3004, 3007, 3009, 3014, 3039, 3046, 3047, 3050},
         span({{4, 4}, {6, 6}, {8, 8}, {14, 16}})},
        {6,
         51,
         {3001, 3002, 3004, 3006, 3009, 3014, 3039, 3046, 3047, 3050},
         span({{4, 4}, {6, 6}, {8, 8}, {14, 16}})},
        {6,
         52,
         {3001, 3002, 3004, 3006, 3009, 3014, 3039, 3046, 3047, 3050},
         span({{4, 4}, {6, 6}, {14, 16}})},
        {6, 54, {3001, 3002, 3004, 3007, 3046, 3047, 3050}, span({{4, 4}, {15, 16}})},
        {6, 55, {3001, 3002, 3004, 3022, 3046, 3047, 3050}, span({{4, 4}, {6, 6}, {15, 16}})},
        {6, 56, {3001, 3002, 3004, 3006, 3009, 3046, 3047, 3050}, span({{4, 4}, {6, 6}, {8, 8}, {14, 16}})},
        {6, 58, {3001, 3002, 3004, 3006, 3046, 3047, 3050}, {}},
        {7, 53, {3001, 3002, 3004, 3041}, {}},
        {7, 57, {3001, 3002, 3004, 3041}, {}},
        {8, 50, {3001, 3002, 3004, 3007, 3009, 3049, 3050}, span({{4, 4}, {6, 6}, {8, 8}, {14, 16}})},
        {8, 51, {3001, 3002, 3004, 3006, 3009, 3049, 3050}, span({{4, 4}, {6, 6}, {8, 8}, {14, 16}})},
        {8, 54, {3001, 3002, 3004, 3007, 3009, 3049, 3050}, span({{4, 4}, {15, 16}})},
        {8, 55, {3001, 3002, 3004, 3022, 3049, 3050}, span({{4, 4}, {6, 6}, {15, 16}})},
    };
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

std::string inputName(int fieldId) {
    static const std::map<int, std::string> names = {{3000, "code_file"},
                                                     {3001, "name_family"},
                                                     {3002, "mobile"},
                                                     {3003, "mobile1"},
                                                     {3004, "phone"},
                                                     {3005, "mobile2"},
                                                     {3006, "area"},
                                                     {3007, "home"},
                                                     {3008, "sahm"},
                                                     {3009, "room"},
                                                     {3010, "floor"},
                                                     {3011, "all_floor"},
                                                     {3012, "unit"},
                                                     {3013, "all_unit"},
                                                     {3014, "build_year"},
                                                     {3020, "crossing_width"},
                                                     {3021, "building_width"},
                                                     {3022, "floorspace"},
                                                     {3023, "dahane_comspace"},
                                                     {3024, "balcony"},
                                                     {3025, "warehouse"},
                                                     {3028, "disc"},
                                                     {3029, "corrective"},
                                                     {3030, "aftercorrective"},
                                                     {3031, "numberofowners"},
                                                     {3032, "manufactorershare"},
                                                     {3033, "grantamount"},
                                                     {3034, "amountofinterest"},
                                                     {3035, "deliveryperiod"},
                                                     {3036, "loan_price"},
                                                     {3037, "tenant_name"},
                                                     {3038, "tenant_phone"},
                                                     {3039, "Num_Person"},
                                                     {3040, "Type_Work"},
                                                     {3041, "price"},
                                                     {3046, "mortgage"},
                                                     {3047, "rent"},
                                                     {3048, "price_meter"},
                                                     {3049, "price"},
                                                     {3050, "district"},
                                                     {3051, "address"},
                                                     {3052, "name_guard"},
                                                     {3053, "phone_guard"}};
    const auto it = names.find(fieldId);
    return it == names.end() ? std::string() : it->second;
}

std::vector<std::vector<std::string>> optionRows(int section) {
    switch (section) {
    case 4:
        return {{"north_p", "south_p", "east_p", "west_p", "in_mall", "in_market", "in_ally", "basically"}};
    case 5:
        return {{"north_u", "south_u", "east_u", "west_u", "middle_u"}};
    case 6:
        return {{"duplex", "pent_house", "luxury", "full_facilities", "speate_living", "garden_tower",
                 "voltage", "rebuilt", "nabshe2", "dahane2", "aggregation", "todely", "dead_end", "township",
                 "triplex"}};
    case 7:
        return {{"wood_frontage", "classic_frontage", "modern_frontage", "stone_frontage", "cement_frontage",
                 "bricks_frontage", "composite_frontage", "glass_frontage", "hybrid"}};
    case 8:
        return {{"asansor", "lobby", "roof_garden", "carwash", "conference_hall", "gym", "pool", "sauna",
                 "jacuzzi"}};
    case 9:
        return {{"split", "duct_split", "water_cooler", "package_radiator", "floor_heater", "heater",
                 "air_conditioner", "central_engine_room", "chiller"}};
    case 10:
        return {{"ceramic", "parquet", "carpet", "rock_floor", "mosaic", "cement_floor"}};
    case 11:
        return {{"mdf", "wood_kitchen", "metal_kitchen", "isle_kitchen", "modern_kitchen", "classic_kitchen",
                 "rock_kitchen", "corrine_kitchen", "wood_sheet", "open_kitchen", "lanudry", "full_furnish",
                 "hood", "desktop_gas", "dirty_kitchen", "higlass"}};
    case 12:
        return {{"irani", "farangi", "bath", "jacuzzi_bath"}};
    case 13:
        return {{"painting_wall", "plaster_wall", "rock_wall", "wallpaper", "fabric_wall", "wood_wall"}};
    case 14:
        return {{"terrace",
                 "master_room",
                 "patio",
                 "balcony",
                 "anti_theft_door",
                 "emergency_power",
                 "fireplace",
                 "iphone",
                 "wall_cupboard",
                 "warechouse",
                 "central_internet",
                 "central_satellite",
                 "central_antena",
                 "shooting_waste",
                 "central_vaccum_clean",
                 "barbecue",
                 "fire_detection",
                 "fire_alarm",
                 "cctv",
                 "semi_furnished",
                 "full_furnished",
                 "bms",
                 "suite",
                 "electric_door",
                 "janitor"}};
    case 15:
        return {{"jointly_parking", "private_parking", "annoying_parking"}};
    case 16:
        return {{"empty_house", "tenant_residence", "ower_residence", "goodwill", "property", "haspermission",
                 "mapcommand"},
                {"end_work", "promissory_note", "porerty_doucment", "loan"},
                {"changeabl", "takingpartbulid"}};
    case 19:
        return {
            {"residential", "commercial", "garden", "services", "cultural", "arable", "industrial", "urban"}};
    case 20:
        return {{"water", "electricity", "gas", "telephone"}};
    case 21:
        return {{"selecton_1", "selecton_2", "selecton_3"}};
    case 22:
        return {{"roof_1", "roof_2", "roof_3", "roof_4", "roof_5", "roof_6", "roof_7", "roof_8"}};
    case 23:
        return {{"progress_1", "progress_2", "progress_3", "progress_4", "progress_5", "progress_6",
                 "progress_7", "progress_8"}};
    default:
        return {};
    }
}

} // namespace FormSchema
