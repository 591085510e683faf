#include "ListingGenerator.h"

#include <algorithm>

namespace {

const std::vector<std::string> kFirstNames = {"محمد", "علی",   "حسین",  "رضا",  "مهدی", "احمد",  "حسن",
                                              "امیر", "مصطفی", "جواد",  "سعید", "مجید", "حمید",  "فاطمه",
                                              "زهرا", "مریم",  "سمیه",  "لیلا", "نرگس", "الهام", "مهسا",
                                              "سارا", "نگار",  "طاهره", "اکرم"};
const std::vector<std::string> kLastNames = {
    "رضایی", "محمدی", "حسینی", "احمدی",   "کریمی",  "موسوی",  "جعفری",  "رحیمی",   "صادقی",
    "نوری",  "قاسمی", "طوسی",  "خراسانی", "یزدانی", "شریفی",  "فرهادی", "سبزواری", "نیشابوری",
    "عطایی", "هاشمی", "زارعی", "مشهدی",   "کاظمی",  "بهرامی", "توکلی"};
const std::vector<std::string> kHighlights = {"نورگیر عالی",
                                              "دسترسی عالی به مترو",
                                              "نزدیک به حرم مطهر",
                                              "کوچه آرام",
                                              "مناسب سرمایه‌گذاری",
                                              "ویو ابدی",
                                              "نزدیک مراکز خرید",
                                              "همسایگان فرهنگی",
                                              "سند تک برگ",
                                              "قابل معاوضه با ملک کوچکتر",
                                              "مالک ساکن خارج از کشور",
                                              "فروش فوری",
                                              "بازسازی کامل",
                                              "نقشه استاندارد",
                                              "بر خیابان اصلی"};

} // namespace

ListingGenerator::ListingGenerator(std::uint64_t seed, std::vector<Area> areas)
    : m_random(seed)
    , m_areas(std::move(areas)) {}

std::int64_t ListingGenerator::between(std::int64_t low, std::int64_t high) {
    return std::uniform_int_distribution<std::int64_t>(low, high)(m_random);
}

bool ListingGenerator::chance(double probability) {
    return std::uniform_real_distribution<double>(0, 1)(m_random) < probability;
}

std::string ListingGenerator::pick(const std::vector<std::string> &list) {
    return list[static_cast<std::size_t>(between(0, static_cast<std::int64_t>(list.size()) - 1))];
}

std::string ListingGenerator::personName() {
    return pick(kFirstNames) + " " + pick(kLastNames);
}

std::string ListingGenerator::mobile() {
    static const char *const prefixes[] = {"0915", "0935", "0912", "0936", "0901", "0938"};
    return std::string(prefixes[between(0, 5)]) + std::to_string(between(1000000, 9999999));
}

const ListingGenerator::Area &ListingGenerator::area() {
    return m_areas[static_cast<std::size_t>(between(0, static_cast<std::int64_t>(m_areas.size()) - 1))];
}

void ListingGenerator::addText(std::string &json, const std::string &key, const std::string &value) {
    if (json.size() > 1)
        json += ',';
    // Keys and generated values never hold quotes or backslashes.
    json += '"';
    json += key;
    json += "\":\"";
    json += value;
    json += '"';
}

void ListingGenerator::addFlag(std::string &json, const std::string &key) {
    if (json.size() > 1)
        json += ',';
    json += '"';
    json += key;
    json += "\":true";
}

std::string ListingGenerator::description(const FormSchema::Pair &pair, const Area &where, std::int64_t size,
                                          std::int64_t rooms) {
    const std::string property = FormSchema::propertyTitle(pair.propertyType);
    if (pair.dealType >= 5) {
        return "متقاضی " + property + " در محدوده " + where.name +
               (size ? "، حداقل " + std::to_string(size) + " متر" : "") + "؛ " + pick(kHighlights) +
               " در اولویت است.";
    }
    std::string text = property + " " + std::to_string(size) + " متری در " + where.name;
    if (rooms > 0)
        text += "، " + std::to_string(rooms) + " خواب";
    text += "، " + pick(kHighlights) + "، " + pick(kHighlights) + ".";
    return text;
}

ListingGenerator::Listing ListingGenerator::make(const FormSchema::Pair &pair, std::int64_t nowMs) {
    Listing listing;
    listing.dealType = pair.dealType;
    listing.propertyType = pair.propertyType;
    const Area &where = area();
    listing.areaId = where.id;
    listing.fileDateMs = nowMs - between(0, 400LL * 24 * 3600) * 1000;
    if (pair.dealType < 5) {
        listing.hasPosition = true;
        listing.latitude = where.centre.latitude + static_cast<double>(between(-600, 600)) / 100000.0;
        listing.longitude = where.centre.longitude + static_cast<double>(between(-600, 600)) / 100000.0;
    }

    const int p = pair.propertyType;
    // Sizes by kind of property (square metres).
    std::int64_t land = p == 51              ? between(300, 1500)
                        : p == 53            ? between(200, 2000)
                        : p == 52 || p == 57 ? between(150, 400)
                        : p == 56            ? between(200, 600)
                                             : between(100, 300);
    std::int64_t built = p == 50   ? between(55, 220)
                         : p == 51 ? between(150, 400)
                         : p == 52 ? between(120, 350)
                         : p == 54 ? between(40, 200)
                         : p == 56 ? between(300, 1200)
                         : p == 58 ? between(100, 1000)
                         : p == 57 ? between(80, 200)
                                   : between(30, 120);
    const std::int64_t shop = between(15, 120);
    std::int64_t pricePerMetre = (p == 50   ? between(25, 90)
                                  : p == 51 ? between(10, 40)
                                  : p == 52 ? between(30, 80)
                                  : p == 53 ? between(15, 100)
                                  : p == 54 ? between(60, 150)
                                  : p == 55 ? between(150, 600)
                                  : p == 56 ? between(30, 70)
                                  : p == 57 ? between(35, 90)
                                            : between(8, 25)) *
                                 1000000;
    const std::int64_t measured = p == 55 ? shop : (p == 51 || p == 53 || p == 57) ? land : built;
    const std::int64_t price = pricePerMetre * measured / 1000000 * 1000000;
    const std::int64_t floors = between(3, 12);
    const std::int64_t rooms = p == 53 || p == 55 || p == 58 ? 0 : between(1, 5);
    const std::int64_t mortgage = between(5, 200) * 10000000;
    const std::int64_t monthly = between(20, 400) * 100000;

    std::string json = "{";
    for (int field : pair.inputs) {
        const std::string key = FormSchema::inputName(field);
        std::string value;
        switch (field) {
        case 3001:
            value = personName();
            break;
        case 3002:
            value = mobile();
            break;
        case 3003:
            if (!chance(0.4))
                continue;
            value = mobile();
            break;
        case 3004:
            value = "051" + std::to_string(between(30000000, 38999999));
            break;
        case 3005:
            if (!chance(0.2))
                continue;
            value = "051" + std::to_string(between(30000000, 38999999));
            break;
        case 3006:
            value = std::to_string(land);
            break;
        case 3007:
            value = std::to_string(built);
            break;
        case 3008:
            value = std::to_string(between(20, 80));
            break;
        case 3009:
            value = std::to_string(std::max<std::int64_t>(rooms, 1));
            break;
        case 3010:
            value = std::to_string(between(1, floors));
            break;
        case 3011:
            value = std::to_string(floors);
            break;
        case 3012:
            value = std::to_string(between(1, 4));
            break;
        case 3013:
            value = std::to_string(floors * between(1, 4));
            break;
        case 3014:
            value = std::to_string(between(0, 30));
            break;
        case 3020:
            value = std::to_string(between(8, 45));
            break;
        case 3021:
            value = std::to_string(between(8, 20));
            break;
        case 3022:
            value = std::to_string(shop);
            break;
        case 3023:
            value = std::to_string(between(3, 10));
            break;
        case 3024:
            value = std::to_string(between(4, 15));
            break;
        case 3025:
            value = std::to_string(between(0, 20));
            break;
        case 3029:
            value = std::to_string(between(0, 30));
            break;
        case 3030:
            value = std::to_string(land - between(0, 30));
            break;
        case 3031:
            value = std::to_string(between(1, 5));
            break;
        case 3032:
            value = std::to_string(between(40, 60));
            break;
        case 3033:
            value = std::to_string(between(1, 50) * 10000000);
            break;
        case 3034:
            value = std::to_string(between(1, 20) * 10000000);
            break;
        case 3035:
            value = std::to_string(between(12, 36));
            break;
        case 3039:
            value = std::to_string(between(1, 6));
            break;
        case 3041:
        case 3049:
            value = std::to_string(price);
            break;
        case 3046:
            value = std::to_string(mortgage);
            break;
        case 3047:
            value = std::to_string(monthly);
            break;
        case 3048:
            value = std::to_string(pricePerMetre);
            break;
        case 3050:
            value = where.name;
            break;
        case 3051:
            value = "مشهد، " + where.name + "، " + (chance(0.5) ? "کوچه " : "نبش ") +
                    std::to_string(between(1, 60)) + "، پلاک " + std::to_string(between(1, 250));
            break;
        case 3052:
            if (!chance(0.3))
                continue;
            value = personName();
            break;
        case 3053:
            if (!chance(0.3))
                continue;
            value = mobile();
            break;
        default:
            continue;
        }
        if (!key.empty())
            addText(json, key, value);
    }
    for (int section : pair.sections) {
        const auto rows = FormSchema::optionRows(section);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const auto &row = rows[r];
            const bool single = section == 23 || (section == 16 && r == 0);
            const std::int64_t picks =
                single ? 1 : between(0, std::min<std::int64_t>(4, static_cast<std::int64_t>(row.size())));
            std::vector<std::string> chosen;
            for (std::int64_t i = 0; i < picks; ++i) {
                const std::string option = pick(row);
                if (std::find(chosen.begin(), chosen.end(), option) == chosen.end())
                    chosen.push_back(option);
            }
            for (const auto &option : chosen)
                addFlag(json, option);
            if (section == 16 && r == 0 && !chosen.empty() && chosen.front() == "tenant_residence") {
                addText(json, "tenant_name", personName());
                addText(json, "tenant_phone", mobile());
            }
        }
        if (section == 15)
            addText(json, "parking_lot", std::to_string(between(0, 3)));
    }
    addText(json, "fileDetail", description(pair, where, measured, rooms));
    json += '}';
    listing.attrs = std::move(json);

    const std::int64_t roll = between(0, 99);
    listing.status = roll < 6 ? -1 : roll < 9 ? -2 : 2;
    const std::int64_t deal = between(0, 99);
    listing.dealStatus = deal < 65 ? "" : deal < 82 ? "available" : deal < 95 ? "done" : "cancelled";
    listing.hidden = chance(0.05);
    listing.shared = listing.status == 2 && pair.dealType < 5 && chance(0.12);
    return listing;
}
