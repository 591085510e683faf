#include "ReferenceData.h"

#include "Clock.h"
#include "DemoImages.h"
#include "Geography.h"
#include "ListingGenerator.h"
#include "ListingStore.h"
#include "ListingWriter.h"
#include "ServiceContext.h"

#include <nlohmann/json.hpp>

namespace ReferenceData {

namespace {

constexpr std::int64_t kDayMs = 24LL * 3600 * 1000;

void insertAreas(Connection &db) {
    Statement statement =
        db.prepare("INSERT INTO areas(id, title, description, status, latitude, longitude, sort, created_at) "
                   "VALUES(?, ?, ?, 1, ?, ?, ?, ?)");
    int sort = 0;
    for (const auto &district : Geography::districts()) {
        const auto street = Geography::nearestStreet(district.centre);
        statement.reset();
        statement.bind(1, Ids::newId())
            .bind(2, district.name)
            .bind(3, "مشهد، حوالی " + (street.first ? street.first->name : std::string("مرکز شهر")))
            .bind(4, district.centre.latitude)
            .bind(5, district.centre.longitude)
            .bind(6, sort++)
            .bind(7, Clock::isoNow())
            .run();
    }
}

void insertPlans(Connection &db) {
    struct Plan {
        const char *title;
        int days;
        std::int64_t price, renew, preDiscount;
        int users, desktop, mobile;
        std::int64_t perUser;
        int areas, files;
        bool sharing, system;
    };
    const Plan plans[] = {
        {"پلن آزمایشی", 14, 0, 0, 0, 1, 1, 1, 0, 0, 5, false, true},
        {"پلن برنزی", 30, 490000, 450000, 590000, 2, 1, 1, 150000, 1, 10, false, false},
        {"پلن نقره‌ای", 90, 1290000, 1190000, 1490000, 3, 2, 2, 130000, 2, 15, true, false},
        {"پلن طلایی", 180, 2390000, 2190000, 2890000, 5, 2, 2, 110000, 3, 20, true, false},
        {"پلن الماس", 365, 4290000, 3990000, 5200000, 10, 3, 3, 90000, 5, 40, true, false}};
    Statement statement =
        db.prepare("INSERT INTO plans(id, title, expdays, price, renew_price, pre_discount_price, "
                   "max_users_count, max_logins_desktop, "
                   "max_logins_mobile, price_per_extra_user, max_areas_count, max_files_per_period, "
                   "sharing_enabled, system_plan, "
                   "status, created_at) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, ?)");
    for (const Plan &plan : plans) {
        statement.reset();
        statement.bind(1, Ids::newId())
            .bind(2, plan.title)
            .bind(3, plan.days)
            .bind(4, plan.price)
            .bind(5, plan.renew)
            .bind(6, plan.preDiscount)
            .bind(7, plan.users)
            .bind(8, plan.desktop)
            .bind(9, plan.mobile)
            .bind(10, plan.perUser)
            .bind(11, plan.areas)
            .bind(12, plan.files)
            .bind(13, plan.sharing ? 1 : 0)
            .bind(14, plan.system ? 1 : 0)
            .bind(15, Clock::isoTime(Clock::nowMs() - 200 * kDayMs))
            .run();
    }
}

void insertGiftCodes(Connection &db) {
    Statement statement = db.prepare("INSERT INTO gift_codes(code, amount) VALUES(?, ?)");
    const std::pair<const char *, std::int64_t> codes[] = {{"NORVELA100", 100000},
                                                           {"WELCOME50", 50000},
                                                           {"DEMO500", 500000},
                                                           {"MASHHAD250", 250000},
                                                           {"TEST20", 20000}};
    for (const auto &code : codes) {
        statement.reset();
        statement.bind(1, code.first).bind(2, code.second).run();
    }
}

void insertPosts(Connection &db, ServiceContext &context) {
    const auto banners = DemoImages::postBanners(context.mediaDir("blog"), 6);
    struct Post {
        const char *title, *body, *url;
        std::vector<std::string> tags;
    };
    const std::vector<Post> posts = {
        {"راهنمای ثبت فایل در نوروِلا",
         "در این نوشته قدم به قدم ثبت یک فایل فروش آپارتمان را مرور می‌کنیم؛ از انتخاب نوع معامله تا افزودن تصاویر.",
         "",
         {"آموزش", "فایل"}},
        {"بازار مسکن مشهد در پاییز",
         "بررسی قیمت هر متر آپارتمان در مناطق احمدآباد، سجاد و وکیل‌آباد و مقایسه با فصل گذشته.",
         "",
         {"بازار", "مشهد"}},
        {"همکاری در فایل چیست؟",
         "با همکاری در فایل، دفاتر می‌توانند فایل‌های خود را بدون نمایش اطلاعات مالک با یکدیگر به اشتراک بگذارند.",
         "",
         {"همکاری"}},
        {"یادآوری تمدید اجاره‌نامه‌ها",
         "با حالت یادآور اجاره، قراردادهایی که نزدیک پایان هستند را زودتر پیگیری کنید.",
         "",
         {"اجاره", "آموزش"}},
        {"خروجی اکسل از فایل‌ها",
         "اکنون می‌توانید فهرست فایل‌های دفتر را به صورت فایل اکسل ذخیره کنید.",
         "",
         {"امکانات جدید"}},
        {"قوانین جدید قراردادهای اجاره",
         "خلاصه‌ای از تغییرات قانونی قراردادهای اجاره که هر مشاور املاک باید بداند.",
         "https://127.0.0.1/terms",
         {"حقوقی", "اجاره"}},
        {"مدیریت مشاوران دفتر",
         "مدیر دفتر می‌تواند برای هر مشاور دسترسی به پوشه‌های فایل را جداگانه تعیین کند.",
         "",
         {"آموزش", "کاربران"}},
        {"معرفی پلن الماس",
         "پلن الماس با ده کاربر، سه دستگاه برای هر کاربر و چهل فایل سیستمی در روز.",
         "",
         {"پلن"}}};
    Statement statement = db.prepare(
        "INSERT INTO posts(id, title, body, url, tags, images, created_at) VALUES(?, ?, ?, ?, ?, ?, ?)");
    for (std::size_t i = 0; i < posts.size(); ++i) {
        nlohmann::json images = nlohmann::json::array();
        if (!banners.empty())
            images.push_back(banners[i % banners.size()]);
        statement.reset();
        statement.bind(1, Ids::newId()).bind(2, posts[i].title).bind(3, posts[i].body);
        if (*posts[i].url)
            statement.bind(4, posts[i].url);
        else
            statement.bindNull(4);
        statement.bind(5, nlohmann::json(posts[i].tags).dump())
            .bind(6, images.dump())
            .bind(7, Clock::isoTime(Clock::nowMs() - static_cast<std::int64_t>(i) * 5 * kDayMs - 3600000))
            .run();
    }
}

std::vector<ListingGenerator::Area> areaList(Connection &db) {
    std::vector<ListingGenerator::Area> areas;
    Statement statement = db.prepare("SELECT id, title, latitude, longitude FROM areas ORDER BY sort");
    while (statement.step())
        areas.push_back({statement.text(0), statement.text(1), {statement.real(2), statement.real(3)}});
    return areas;
}

void insertPool(Connection &db, ServiceContext &context) {
    db.prepare(
          "INSERT INTO offices(id, title, address, phones, mobiles, created_at) VALUES(?, 'سامانه نوروِلا', 'مشهد، بلوار سجاد', '[\"05138001234\"]', '[\"09150001234\"]', ?)")
        .bind(1, ListingStore::kPoolOfficeId)
        .bind(2, Clock::isoNow())
        .run();
    const auto photos = DemoImages::listingPhotos(context.mediaDir("properties"), 4);
    ListingGenerator generator(77, areaList(db));
    ListingWriter writer(db, ListingStore::kPoolOfficeId);
    std::vector<const FormSchema::Pair *> pairs;
    for (const auto &pair : FormSchema::pairs()) {
        if (pair.offered())
            pairs.push_back(&pair);
    }
    const std::int64_t now = Clock::nowMs();
    for (int i = 0; i < 320; ++i) {
        const auto &pair = *pairs[static_cast<std::size_t>(i) % pairs.size()];
        auto listing = generator.make(pair, now);
        // Registered one after another over the last 400 days, every kind in turn, so that each
        // archive package finds files of its kind and period whatever the generator drew.
        listing.fileDateMs = now - i * 30LL * 3600 * 1000 - generator.between(0, 59) * 60000;
        listing.status = 2;
        listing.hidden = false;
        listing.shared = false;
        std::vector<std::string> images;
        if (!photos.empty() && pair.dealType < 5 && i % 3 == 0)
            images.push_back(photos[static_cast<std::size_t>(i) % photos.size()]);
        writer.insert(listing, "", images);
    }
}

void insertPackages(Connection &db) {
    std::vector<std::string> areaIds;
    Statement areas = db.prepare("SELECT id FROM areas ORDER BY sort LIMIT 6");
    while (areas.step())
        areaIds.push_back(areas.text(0));
    struct Package {
        const char *title;
        std::int64_t price;
        int files;
        std::vector<std::string> areas;
        int daysPast;
        int dealType, propertyType;
        bool rebuyable;
    };
    const std::vector<Package> packages = {
        {"بایگانی فروش آپارتمان غرب مشهد",
         350000,
         40,
         {areaIds[0], areaIds[1], areaIds[2], areaIds[3]},
         0,
         1,
         50,
         false},
        {"بایگانی اجاره یک ماه اخیر", 250000, 30, {}, 30, 2, -1, true},
        {"بایگانی متقاضیان خرید", 180000, 25, {}, 90, 5, -1, true},
        {"بایگانی زمین و کلنگی", 420000, 50, {}, 0, 1, 53, false},
        {"بایگانی مغازه احمدآباد و سجاد", 300000, 20, {areaIds[0], areaIds[1]}, 0, -1, 55, false},
        {"بایگانی کامل فایل‌های سه ماه اخیر",
         990000,
         200,
         {},
         90,
         -1,
         -1,
         true}};
    Statement statement =
        db.prepare("INSERT INTO packages(id, title, price, max_files, area_ids, days_past, from_date, "
                   "to_date, deal_type, property_type, "
                   "is_rebuyable, status, created_at) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, ?)");
    for (const auto &package : packages) {
        statement.reset();
        statement.bind(1, Ids::newId())
            .bind(2, package.title)
            .bind(3, package.price)
            .bind(4, package.files)
            .bind(5, nlohmann::json(package.areas).dump())
            .bind(6, package.daysPast);
        if (package.daysPast > 0) {
            statement.bindNull(7).bindNull(8);
        } else {
            statement.bind(7, Clock::day(Clock::nowMs() - 400 * kDayMs)).bind(8, Clock::day(Clock::nowMs()));
        }
        statement.bind(9, package.dealType)
            .bind(10, package.propertyType)
            .bind(11, package.rebuyable ? 1 : 0);
        statement.bind(12, Clock::isoNow()).run();
    }
}

} // namespace

void insert(Connection &connection, ServiceContext &context) {
    insertAreas(connection);
    insertPlans(connection);
    insertGiftCodes(connection);
    insertPosts(connection, context);
    insertPool(connection, context);
    insertPackages(connection);
}

std::string planId(Connection &connection, const std::string &title) {
    return connection.scalarText("SELECT id FROM plans WHERE title = ?", {title});
}

} // namespace ReferenceData
