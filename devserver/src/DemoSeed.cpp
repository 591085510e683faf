#include "DemoSeed.h"

#include "Clock.h"
#include "DemoImages.h"
#include "FormSchema.h"
#include "ListingGenerator.h"
#include "ListingWriter.h"
#include "OrderBook.h"
#include "Passwords.h"
#include "ReferenceData.h"
#include "ServiceContext.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <iostream>

namespace DemoSeed {

namespace {

constexpr std::int64_t kDayMs = 24LL * 3600 * 1000;

struct Staff {
    std::string managerId;
    std::vector<std::string> adviserIds;
};

std::string insertUser(Connection &db, const std::string &officeId, const std::string &role,
                       const std::string &fname, const std::string &lname, const std::string &username,
                       const std::string &mobile, const std::string &password, std::int64_t balance,
                       std::int64_t gift) {
    const std::string id = Ids::newId();
    Statement statement = db.prepare("INSERT INTO users(id, office_id, system_role, fname, lname, username, "
                                     "mobile, phone, email, password_hash, "
                                     "password_salt, status, balance, gift_balance, created_at) VALUES(?, ?, "
                                     "?, ?, ?, ?, ?, ?, ?, ?, ?, 2, ?, ?, ?)");
    statement.bind(1, id)
        .bind(2, officeId)
        .bind(3, role)
        .bind(4, fname)
        .bind(5, lname)
        .bind(6, username)
        .bind(7, mobile);
    statement.bind(8, role == "officeMan" ? mobile : std::string()).bind(9, username + "@example.ir");
    if (password.empty()) {
        statement.bindNull(10).bindNull(11);
    } else {
        const auto hashed = Passwords::hash(password);
        statement.bind(10, hashed.hash).bind(11, hashed.salt);
    }
    statement.bind(12, balance).bind(13, gift).bind(14, Clock::isoTime(Clock::nowMs() - 120 * kDayMs)).run();
    return id;
}

std::string areaId(Connection &db, const std::string &title) {
    return db.scalarText("SELECT id FROM areas WHERE title = ?", {title});
}

std::string insertOffice(Connection &db, const std::string &title, const std::string &area,
                         const std::string &address, const std::string &phone, const std::string &mobile,
                         const std::string &plan, std::int64_t daysLeft) {
    const std::string id = Ids::newId();
    const std::string areaRef = areaId(db, area);
    Statement centre = db.prepare("SELECT latitude, longitude FROM areas WHERE id = ?");
    centre.bind(1, areaRef);
    centre.step();
    db.prepare("INSERT INTO offices(id, title, area_id, address, website, latitude, longitude, phones, "
               "mobiles, current_plan_id, "
               "plan_expires_ms, extra_users, extra_area_ids, created_at) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, "
               "?, ?, 0, ?, ?)")
        .bind(1, id)
        .bind(2, title)
        .bind(3, areaRef)
        .bind(4, address)
        .bind(5, "https://example.ir")
        .bind(6, centre.real(0))
        .bind(7, centre.real(1))
        .bind(8, nlohmann::json::array({phone}).dump())
        .bind(9, nlohmann::json::array({mobile}).dump())
        .bind(10, ReferenceData::planId(db, plan))
        .bind(11, Clock::nowMs() + daysLeft * kDayMs)
        .bind(12, nlohmann::json::array({areaId(db, "سجاد")}).dump())
        .bind(13, Clock::isoTime(Clock::nowMs() - 150 * kDayMs))
        .run();
    return id;
}

// The eight system folders, one per deal type, as the client creates them; `access` lists which
// advisers see which deal types.
void insertFolders(Connection &db, const std::string &officeId,
                   const std::vector<std::vector<std::string>> &access) {
    Statement statement = db.prepare(
        "INSERT INTO folders(id, office_id, title, query, system_folder, options, users, created_at) "
        "VALUES(?, ?, ?, ?, 1, ?, ?, ?)");
    for (int deal = 1; deal <= 8; ++deal) {
        const nlohmann::json query = {{"page", 1},
                                      {"count", 100},
                                      {"condition", true},
                                      {"searchOperator", "and"},
                                      {"sortBy", "created_at"},
                                      {"sortDirection", -1},
                                      {"dealType", deal}};
        statement.reset();
        statement.bind(1, Ids::newId())
            .bind(2, officeId)
            .bind(3, FormSchema::dealTitle(deal))
            .bind(4, query.dump())
            .bind(5, nlohmann::json{{"color", deal < 5 ? 1 : 2}, {"order", deal}}.dump())
            .bind(6, nlohmann::json(access[static_cast<std::size_t>(deal - 1)]).dump())
            .bind(7, Clock::isoTime(Clock::nowMs() - 149 * kDayMs))
            .run();
    }
}

std::vector<ListingGenerator::Area> areas(Connection &db) {
    std::vector<ListingGenerator::Area> list;
    Statement statement = db.prepare("SELECT id, title, latitude, longitude FROM areas ORDER BY sort");
    while (statement.step())
        list.push_back({statement.text(0), statement.text(1), {statement.real(2), statement.real(3)}});
    return list;
}

void insertListings(Connection &db, const std::string &officeId, const std::vector<std::string> &creators,
                    int perPair, std::uint64_t seed, const std::vector<std::string> &photos) {
    ListingGenerator generator(seed, areas(db));
    ListingWriter writer(db, officeId);
    for (const auto &pair : FormSchema::pairs()) {
        if (!pair.offered())
            continue;
        for (int i = 0; i < perPair; ++i) {
            const auto listing = generator.make(pair, Clock::nowMs());
            std::vector<std::string> images;
            if (!photos.empty() && pair.dealType < 5 && generator.chance(0.65)) {
                const std::int64_t count = generator.between(1, 3);
                for (std::int64_t k = 0; k < count; ++k)
                    images.push_back(photos[static_cast<std::size_t>(
                        generator.between(0, static_cast<std::int64_t>(photos.size()) - 1))]);
            }
            const auto &creator = creators[static_cast<std::size_t>(
                generator.between(0, static_cast<std::int64_t>(creators.size()) - 1))];
            writer.insert(listing, creator, images);
        }
    }
}

void insertPersonal(Connection &db, const std::string &userId, int contacts, int notes, int notifications,
                    std::uint64_t seed) {
    ListingGenerator people(seed, {{"", "", {0, 0}}});
    const std::int64_t now = Clock::nowMs();
    Statement contact = db.prepare(
        "INSERT INTO contacts(id, user_id, full_name, mobiles, status, created_at) VALUES(?, ?, ?, ?, 1, ?)");
    for (int i = 0; i < contacts; ++i) {
        nlohmann::json numbers = nlohmann::json::array({people.mobile()});
        if (people.chance(0.3))
            numbers.push_back(people.mobile());
        contact.reset();
        contact.bind(1, Ids::newId())
            .bind(2, userId)
            .bind(3, people.personName())
            .bind(4, numbers.dump())
            .bind(5, Clock::isoTime(now - people.between(1, 90) * kDayMs))
            .run();
    }
    const char *const noteTexts[][2] = {
        {"پیگیری مالک آپارتمان سجاد", "فردا ساعت ۱۰ با مالک برای بازدید هماهنگ شود."},
        {"قرارداد اجاره خانم محمدی", "تمدید قرارداد تا پایان ماه؛ ودیعه ۲۰ درصد افزایش."},
        {"متقاضی خرید زمین", "آقای کریمی دنبال زمین ۳۰۰ متری در الهیه است؛ بودجه تا ۸ میلیارد."},
        {"یادآوری", "تصاویر فایل‌های جدید وکیل‌آباد بارگذاری شود."},
        {"جلسه دفتر",
         "بررسی فایل‌های معوق و تقسیم فایل‌های سیستمی بین "
         "مشاوران."},
        {"کلید واحد ۴", "کلید واحد ۴ ساختمان آفتاب نزد نگهبانی است."}};
    Statement note = db.prepare(
        "INSERT INTO notes(id, user_id, title, body, status, created_at) VALUES(?, ?, ?, ?, 1, ?)");
    for (int i = 0; i < notes; ++i) {
        note.reset();
        note.bind(1, Ids::newId())
            .bind(2, userId)
            .bind(3, noteTexts[i % 6][0])
            .bind(4, noteTexts[i % 6][1])
            .bind(5, Clock::isoTime(now - (i + 1) * 2 * kDayMs))
            .run();
    }
    const char *const notificationTexts[][2] = {
        {"فایل‌های سیستمی جدید", "۲۰ فایل سیستمی جدید برای دفتر شما آماده دریافت است."},
        {"تمدید پلن", "پلن دفتر شما کمتر از شش ماه دیگر منقضی می‌شود."},
        {"به‌روزرسانی برنامه", "نسخه جدید برنامه با امکان خروجی اکسل منتشر شد."},
        {"همکاری در فایل",
         "دفتر املاک پارسیان فایل‌های جدیدی برای همکاری منتشر "
         "کرد."},
        {"گزارش ماهانه", "در ماه گذشته ۴۵ فایل جدید در دفتر شما ثبت شد."},
        {"یادآور اجاره",
         "سه قرارداد اجاره در ماه آینده به پایان می‌رسد."},
        {"کد هدیه", "با کد NORVELA100 صد هزار تومان اعتبار هدیه بگیرید."},
        {"خوش آمدید", "به سامانه فایلینگ نوروِلا خوش آمدید."}};
    Statement notification = db.prepare(
        "INSERT INTO notifications(id, user_id, title, body, is_read, created_at) VALUES(?, ?, ?, ?, ?, ?)");
    for (int i = 0; i < notifications; ++i) {
        notification.reset();
        notification.bind(1, Ids::newId())
            .bind(2, userId)
            .bind(3, notificationTexts[i % 8][0])
            .bind(4, notificationTexts[i % 8][1])
            .bind(5, i >= 3 ? 1 : 0)
            .bind(6, Clock::isoTime(now - i * kDayMs - 7200000))
            .run();
    }
}

void insertHistory(Connection &db, const std::string &officeId, const std::string &userId) {
    struct Entry {
        const char *type;
        std::int64_t amount;
        const char *status;
        const char *gateway;
        int transactionStatus;
        int daysAgo;
    };
    const Entry entries[] = {{"CHARGE_WALLET", 2000000, "completed", "ONLINE_GATEWAY", 1, 100},
                             {"BUY_PLAN", 2390000, "completed", "WALLET", 1, 95},
                             {"UPGRADE_PLAN", 220000, "completed", "ONLINE_GATEWAY", 1, 60},
                             {"BUY_PACKAGE", 350000, "completed", "WALLET", 1, 30},
                             {"CHARGE_WALLET", 500000, "canceled", "ONLINE_GATEWAY", 2, 12},
                             {"CHARGE_WALLET", 1500000, "completed", "ONLINE_GATEWAY", 1, 5}};
    std::int64_t tracking = 100001;
    for (const auto &entry : entries) {
        const std::string orderId = Ids::newId();
        const std::string created = Clock::isoTime(Clock::nowMs() - entry.daysAgo * kDayMs);
        const bool online = std::string(entry.gateway) != "WALLET";
        const std::string auth =
            entry.transactionStatus == 1 && online ? std::to_string(480000000 + tracking) : std::string();
        Statement order =
            db.prepare("INSERT INTO orders(id, office_id, user_id, tracking_id, order_type, amount, "
                       "payment_amount, status, gateway_auth, "
                       "payload, pay_token, created_at) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, '{}', NULL, ?)");
        order.bind(1, orderId)
            .bind(2, officeId)
            .bind(3, userId)
            .bind(4, tracking++)
            .bind(5, entry.type)
            .bind(6, entry.amount)
            .bind(7, online ? entry.amount : 0)
            .bind(8, entry.status);
        order.bindTextOrNull(9, auth);
        order.bind(10, created).run();
        OrderBook::addTransaction(db, {userId, officeId, orderId, entry.gateway, auth,
                                       auth.empty() ? std::string() : "R-" + auth, entry.amount,
                                       entry.transactionStatus, created});
    }
    OrderBook::addTransaction(db, {userId, officeId, "", "GIFTCODE", "WELCOME50", "", 300000, 1,
                                   Clock::isoTime(Clock::nowMs() - 80 * kDayMs)});
}

Staff insertAgency(Connection &db, ServiceContext &context, bool withListings) {
    const std::string officeId =
        insertOffice(db, "مشاور املاک آفتاب مشهد", "احمدآباد", "مشهد، خیابان احمدآباد، نبش عارف ۳، پلاک ۱۲",
                     "05138412345", "09151234567", "پلن طلایی", 200);
    Staff staff;
    staff.managerId = insertUser(db, officeId, "officeMan", "محمد", "رضایی", "09151234567", "09151234567", "",
                                 2500000, 300000);
    staff.adviserIds.push_back(
        insertUser(db, officeId, "employee", "سارا", "احمدی", "sara", "09351112233", "123456", 0, 0));
    staff.adviserIds.push_back(
        insertUser(db, officeId, "employee", "حمید", "کریمی", "hamid", "09152223344", "123456", 0, 0));
    staff.adviserIds.push_back(
        insertUser(db, officeId, "employee", "مینا", "طوسی", "mina", "09363334455", "123456", 0, 0));
    db.prepare("UPDATE offices SET extra_users = 1 WHERE id = ?").bind(1, officeId).run();
    const std::string sara = staff.adviserIds[0], hamid = staff.adviserIds[1], mina = staff.adviserIds[2];
    insertFolders(
        db, officeId,
        {{sara, hamid}, {sara, mina}, {hamid}, {hamid}, {sara, hamid}, {sara, mina}, {hamid}, {hamid}});

    if (withListings) {
        const auto photos = DemoImages::listingPhotos(context.mediaDir("properties"), 18);
        std::vector<std::string> creators{staff.managerId, sara, hamid, mina, staff.managerId};
        insertListings(db, officeId, creators, 12, 1403, photos);
        // A few of the manager's bookmarks.
        db.prepare("INSERT INTO bookmarks(user_id, file_id, created_at) SELECT ?, id, ? FROM property_files "
                   "WHERE office_id = ? "
                   "AND status = 2 ORDER BY tracking_id LIMIT 8")
            .bind(1, staff.managerId)
            .bind(2, Clock::isoNow())
            .bind(3, officeId)
            .run();
    }
    insertPersonal(db, staff.managerId, 12, 6, 8, 11);
    for (std::size_t i = 0; i < staff.adviserIds.size(); ++i)
        insertPersonal(db, staff.adviserIds[i], 5, 2, 3, 20 + i);
    insertHistory(db, officeId, staff.managerId);

    // A second agency whose shared listings fill the cooperation pool.
    const std::string otherOffice =
        insertOffice(db, "املاک پارسیان", "وکیل‌آباد",
                     "مشهد، بلوار وکیل‌آباد، وکیل‌آباد ۱۵", "05136201234",
                     "09157654321", "پلن نقره‌ای", 60);
    const std::string otherManager =
        insertUser(db, otherOffice, "officeMan", "علی", "حسینی", "09157654321", "09157654321", "", 0, 0);
    insertFolders(db, otherOffice, {{}, {}, {}, {}, {}, {}, {}, {}});
    if (withListings) {
        insertListings(db, otherOffice, {otherManager}, 1, 2024, {});
        db.prepare(
              "UPDATE property_files SET shared = 1 WHERE office_id = ? AND status = 2 AND deal_type < 5")
            .bind(1, otherOffice)
            .run();
    }
    return staff;
}

void insertLarge(Connection &db, const Staff &staff, std::int64_t count) {
    const std::string officeId = db.scalarText("SELECT office_id FROM users WHERE id = ?", {staff.managerId});
    ListingGenerator generator(99, areas(db));
    ListingWriter writer(db, officeId);
    std::vector<const FormSchema::Pair *> pairs;
    for (const auto &pair : FormSchema::pairs()) {
        if (pair.offered())
            pairs.push_back(&pair);
    }
    std::vector<std::string> creators{staff.managerId};
    creators.insert(creators.end(), staff.adviserIds.begin(), staff.adviserIds.end());
    const std::vector<std::string> noImages;
    Database::suspendSearchUpkeep(db);
    for (std::int64_t i = 0; i < count; ++i) {
        const auto &pair = *pairs[static_cast<std::size_t>(i) % pairs.size()];
        writer.insert(generator.make(pair, Clock::nowMs()),
                      creators[static_cast<std::size_t>(i) % creators.size()], noImages);
    }
    Database::resumeSearchUpkeep(db);
}

// Fills a new database; one that holds data is left as it is.
void seed(ServiceContext &context) {
    const auto started = std::chrono::steady_clock::now();
    const auto seed = context.options().seed;
    if (!context.database().isEmpty()) {
        if (seed != ServiceOptions::Seed::None)
            std::cerr << "the database already holds data; --seed is ignored" << std::endl;
        return;
    }
    auto lease = context.database().acquire();
    Transaction transaction(*lease);
    ReferenceData::insert(*lease, context);
    if (seed == ServiceOptions::Seed::Demo) {
        insertAgency(*lease, context, true);
    } else if (seed == ServiceOptions::Seed::Large) {
        const Staff staff = insertAgency(*lease, context, false);
        insertLarge(*lease, staff, context.options().largeCount);
    }
    transaction.commit();
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started)
            .count();
    std::cerr << "database prepared in " << elapsed << " ms" << std::endl;
}

// --plan-days-left: every office's plan ends that many days from now, on every start, so that a
// test's service restarted on the same data has its plans near their end again.
void movePlanEnds(ServiceContext &context) {
    const std::int64_t days = context.options().planDaysLeft;
    if (days < 0)
        return;
    auto lease = context.database().acquire();
    lease->prepare("UPDATE offices SET plan_expires_ms = ? WHERE current_plan_id IS NOT NULL")
        .bind(1, Clock::nowMs() + days * kDayMs)
        .run();
}

} // namespace

void prepare(ServiceContext &context) {
    seed(context);
    movePlanEnds(context);
}

} // namespace DemoSeed
