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

void ListingGenerator::addText(Attrs &attrs, const std::string &key, const std::string &value) {
    if (attrs.json.size() > 1)
        attrs.json += ',';
    // Keys and generated values never hold quotes or backslashes.
    attrs.json += '"';
    attrs.json += key;
    attrs.json += "\":\"";
    attrs.json += value;
    attrs.json += '"';
}

void ListingGenerator::addField(Attrs &attrs, const FormSchema::Field &field, const std::string &value,
                                bool flag) {
    // Two fields of a form may share a key (a position and a feature both called "on the main
    // road"); the record holds it once.
    if (attrs.present[field.keySlot])
        return;
    attrs.present[field.keySlot] = true;
    if (!flag) {
        addText(attrs, field.key, value);
        return;
    }
    if (attrs.json.size() > 1)
        attrs.json += ',';
    attrs.json += '"';
    attrs.json += field.key;
    attrs.json += "\":true";
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

ListingGenerator::Measures ListingGenerator::measures(int p) {
    Measures m{};
    // Sizes by kind of property (square metres).
    m.land = p == 51              ? between(300, 1500)
             : p == 53            ? between(200, 2000)
             : p == 52 || p == 57 ? between(150, 400)
             : p == 56            ? between(200, 600)
                                  : between(100, 300);
    m.built = p == 50   ? between(55, 220)
              : p == 51 ? between(150, 400)
              : p == 52 ? between(120, 350)
              : p == 54 ? between(40, 200)
              : p == 56 ? between(300, 1200)
              : p == 58 ? between(100, 1000)
              : p == 57 ? between(80, 200)
                        : between(30, 120);
    m.shop = between(15, 120);
    m.pricePerMetre = (p == 50   ? between(25, 90)
                       : p == 51 ? between(10, 40)
                       : p == 52 ? between(30, 80)
                       : p == 53 ? between(15, 100)
                       : p == 54 ? between(60, 150)
                       : p == 55 ? between(150, 600)
                       : p == 56 ? between(30, 70)
                       : p == 57 ? between(35, 90)
                                 : between(8, 25)) *
                      1000000;
    m.measured = p == 55 ? m.shop : (p == 51 || p == 53 || p == 57) ? m.land : m.built;
    m.price = m.pricePerMetre * m.measured / 1000000 * 1000000;
    m.floors = between(3, 12);
    m.rooms = p == 53 || p == 55 || p == 58 ? 0 : between(1, 5);
    m.mortgage = between(5, 200) * 10000000;
    m.monthly = between(20, 400) * 100000;
    return m;
}

bool ListingGenerator::inputValue(int fieldId, const Measures &m, const Area &where, std::string &value) {
    switch (fieldId) {
    case 3001:
    case 3037:
        value = personName();
        return true;
    case 3002:
    case 3038:
        value = mobile();
        return true;
    case 3003:
        if (!chance(0.4))
            return false;
        value = mobile();
        return true;
    case 3004:
        value = "051" + std::to_string(between(30000000, 38999999));
        return true;
    case 3005:
        if (!chance(0.2))
            return false;
        value = "051" + std::to_string(between(30000000, 38999999));
        return true;
    case 3006:
        value = std::to_string(m.land);
        return true;
    case 3007:
        value = std::to_string(m.built);
        return true;
    case 3008:
        value = std::to_string(between(20, 80));
        return true;
    case 3009:
        value = std::to_string(std::max<std::int64_t>(m.rooms, 1));
        return true;
    case 3010:
        value = std::to_string(between(1, m.floors));
        return true;
    case 3011:
        value = std::to_string(m.floors);
        return true;
    case 3012:
        value = std::to_string(between(1, 4));
        return true;
    case 3013:
        value = std::to_string(m.floors * between(1, 4));
        return true;
    case 3014:
        value = std::to_string(between(0, 30));
        return true;
    case 3020:
        value = std::to_string(between(8, 45));
        return true;
    case 3021:
        value = std::to_string(between(8, 20));
        return true;
    case 3022:
        value = std::to_string(m.shop);
        return true;
    case 3023:
        value = std::to_string(between(3, 10));
        return true;
    case 3024:
        value = std::to_string(between(4, 15));
        return true;
    case 3025:
        value = std::to_string(between(0, 20));
        return true;
    case 3029:
        value = std::to_string(between(0, 30));
        return true;
    case 3030:
        value = std::to_string(m.land - between(0, 30));
        return true;
    case 3031:
        value = std::to_string(between(1, 5));
        return true;
    case 3032:
        value = std::to_string(between(40, 60));
        return true;
    case 3033:
        value = std::to_string(between(1, 50) * 10000000);
        return true;
    case 3034:
        value = std::to_string(between(1, 20) * 10000000);
        return true;
    case 3035:
        value = std::to_string(between(12, 36));
        return true;
    case 3036:
        value = std::to_string(between(5, 300) * 1000000);
        return true;
    case 3039:
        value = std::to_string(between(1, 6));
        return true;
    case 3041:
    case 3049:
        value = std::to_string(m.price);
        return true;
    case 3046:
        value = std::to_string(m.mortgage);
        return true;
    case 3047:
        value = std::to_string(m.monthly);
        return true;
    case 3048:
        value = std::to_string(m.pricePerMetre);
        return true;
    case 3050:
        value = where.name;
        return true;
    case 3051:
        value = "مشهد، " + where.name + "، " + (chance(0.5) ? "کوچه " : "نبش ") +
                std::to_string(between(1, 60)) + "، پلاک " + std::to_string(between(1, 250));
        return true;
    case 3052:
        if (!chance(0.3))
            return false;
        value = personName();
        return true;
    case 3053:
        if (!chance(0.3))
            return false;
        value = mobile();
        return true;
    default:
        return false;
    }
}

void ListingGenerator::fillRow(const FormSchema::Pair &pair, const FormSchema::Row &row, const Measures &m,
                               const Area &where, Attrs &attrs) {
    if (row.inputs) {
        std::string value;
        for (const auto &field : row.fields) {
            if (inputValue(field.id, m, where, value))
                addField(attrs, field, value, false);
        }
        return;
    }
    // A row an option reveals names one kind of what that option says (one kind of deed).
    const std::int64_t size = static_cast<std::int64_t>(row.fields.size());
    const std::int64_t picks =
        row.singleChoice || row.revealed ? 1 : between(0, std::min<std::int64_t>(4, size));
    for (std::int64_t i = 0; i < picks; ++i) {
        const auto &option = row.fields[static_cast<std::size_t>(between(0, size - 1))];
        if (attrs.present[option.keySlot])
            continue;
        addField(attrs, option, std::string(), true);
        if (const FormSchema::Row *revealed = option.revealsRow ? pair.row(option.revealsRow) : nullptr)
            fillRow(pair, *revealed, m, where, attrs);
    }
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
    const Measures m = measures(pair.propertyType);

    // Exactly the keys the pair's form holds, so that the program can show and edit all of them.
    Attrs attrs;
    attrs.present.assign(pair.keyCount, false);
    for (const auto &row : pair.rows) {
        if (!row.revealed)
            fillRow(pair, row, m, where, attrs);
    }
    for (const auto &key : pair.stepperKeys)
        addText(attrs, key, std::to_string(between(0, 3)));
    addText(attrs, FormSchema::kDescriptionKey, description(pair, where, m.measured, m.rooms));
    attrs.json += '}';
    listing.attrs = std::move(attrs.json);

    const std::int64_t roll = between(0, 99);
    listing.status = roll < 6 ? -1 : roll < 9 ? -2 : 2;
    const std::int64_t deal = between(0, 99);
    listing.dealStatus = deal < 65 ? "" : deal < 82 ? "available" : deal < 95 ? "done" : "cancelled";
    listing.hidden = chance(0.05);
    listing.shared = listing.status == 2 && pair.dealType < 5 && chance(0.12);
    return listing;
}
