import QtQuick 2.15
import QtTest 1.15
import AppUtility 1.0
import "qrc:/src/database"

// The schema the program ships: what a first start builds, the forms of every deal type and
// property type, and the queries the pages read it through.
TestCase {
    id: testCase

    name: "Database"

    // What the main window offers the schema elements by name.
    property var appData: ({})
    property int saveCount: 0

    function saveUserData() {
        saveCount++
    }

    // Counts, ids, inputs and options as the listing service defines them.
    readonly property var dealTypes: [
        [1, "sell", "فروش", 1], [2, "rent", "اجاره", 2], [3, "cooperate", "مشارکت", 3],
        [4, "pre_sell", "پیش فروش", 4], [5, "request_sell", "متقاضی خرید", 1],
        [6, "request_rent", "متقاضی اجاره", 2], [7, "request_cooperate", "متقاضی مشارکت", 3],
        [8, "request_presell", "متقاضی پیش خرید", 4],
        [9, "archive_sell", "بایگانی فروش", null], [10, "archive_rent", "بایگانی اجاره", null],
        [11, "archive_cooperate", "بایگانی مشارکت", null],
        [12, "archive_pre_sell", "بایگانی پیش فروش", null],
        [13, "archive_sell", "بایگانی متقاضی خرید", null],
        [14, "archive_rent", "بایگانی متقاضی اجاره", null],
        [15, "archive_cooperate", "بایگانی  متقاضی مشارکت", null],
        [16, "archive_pre_sell", "بایگانی متقاضی پیش فروش", null]
    ]
    readonly property var propertyTypes: [
        [50, "apartemant", "آپارتمان", 1], [51, "villa", "باغ ویلا", 6], [52, "house", "ویلایی", 2],
        [53, "ground", "زمین", 3], [54, "office", "دفترکار", 8], [55, "shop", "مغازه", 7],
        [56, "estate", "مستغلات", 5], [57, "old_house", "کلنگی", 4], [58, "store", "انبار", 9]
    ]
    // id, key, label, row, input type, currency, max length, single line, filter state, search, order, applicant label
    readonly property var inputFields: [
        [1103, "parking_lot", "تعداد پارکینگ", 15, 0, 0, 0, 0, 1, 0, null, null],
        [3000, "code_file", "شناسه فایل", 3, 2, 0, 5, 1, 1, 1, null, null],
        [3001, "name_family", "نام مالک", 3, 1, 0, 50, 1, 1, 1, 1, "نام متقاضی"],
        [3002, "mobile", "شماره همراه", 3, 3, 0, 15, 1, 0, 0, 2, null],
        [3003, "mobile1", "شماره همراه 2", 3, 3, 0, 15, 1, 0, 0, 3, null],
        [3004, "phone", "تلفن ثابت", 3, 3, 0, 15, 1, 0, 0, 4, null],
        [3005, "mobile2", "تلفن ثابت 2", 3, 3, 0, 15, 1, 0, 0, 18, null],
        [3006, "area", "متراژ زمین", 3, 2, 0, 5, 1, 2, 1, 9, "حداقل متراژ زمین"],
        [3007, "home", "متراژ بنا", 3, 2, 0, 5, 1, 2, 1, 10, "حداقل متراژ بنا"],
        [3008, "sahm", "سهم عرصه", 3, 3, 0, 5, 1, 0, 0, 17, null],
        [3009, "room", "تعداد اتاق", 3, 2, 0, 3, 1, 2, 1, 11, null],
        [3010, "floor", "طبقه", 3, 2, 0, 2, 1, 2, 0, 12, null],
        [3011, "all_floor", "کل طبقات ساختمان", 3, 2, 0, 2, 1, 0, 0, 13, null],
        [3012, "unit", "تعداد واحد در طبقه", 3, 2, 0, 3, 1, 2, 0, 14, null],
        [3013, "all_unit", "تعداد کل واحدها", 3, 2, 0, 3, 1, 2, 0, 15, null],
        [3014, "build_year", "عمر بنا", 3, 2, 0, 2, 1, 2, 1, 16, "حداکثر عمر بنا"],
        [3020, "crossing_width", "عرض گذر", 3, 3, 0, 5, 1, 0, 0, null, null],
        [3021, "building_width", "عرض ملک", 3, 3, 0, 5, 1, 0, 0, null, null],
        [3022, "floorspace", "متراژ کف مغازه", 3, 2, 0, 5, 1, 2, 1, null, "حداقل متراژ مغازه"],
        [3023, "dahane_comspace", "دهنه مغازه (متر)", 3, 3, 0, 5, 1, 0, 0, null, null],
        [3024, "balcony", "متراژ بالکن", 3, 3, 0, 5, 1, 0, 0, null, null],
        [3025, "warehouse", "انبار تجاری", 3, 3, 0, 5, 1, 0, 0, null, null],
        [3028, "disc", "توضیحات بیشتر", 3, 2, 0, 500, 0, 0, 0, null, null],
        [3029, "corrective", "اصلاحی", 3, 3, 0, 5, 1, 0, 0, null, null],
        [3030, "aftercorrective", "مانده پس از اصلاحی", 3, 3, 0, 5, 1, 0, 0, null, null],
        [3031, "numberofowners", "تعداد مالکین", 3, 2, 0, 3, 1, 0, 0, null, null],
        [3032, "manufactorershare", "سهم سازنده", 3, 3, 0, 5, 1, 0, 0, null, null],
        [3033, "grantamount", "مبلغ بلاعوض", 3, 2, 1, 17, 1, 0, 0, null, null],
        [3034, "amountofinterest", "مبلغ قرض الحسنه", 3, 2, 1, 17, 1, 0, 0, null, null],
        [3035, "deliveryperiod", "مدت تحویل", 3, 2, 0, 3, 1, 0, 0, null, null],
        [3036, "loan_price", "مبلغ وام", 29, 2, 1, 17, 1, 0, 0, null, null],
        [3037, "tenant_name", "نام مستاجر", 27, 1, 0, 50, 1, 0, 0, null, null],
        [3038, "tenant_phone", "تلفن مستاجر", 27, 3, 0, 15, 1, 0, 0, null, null],
        [3039, "Num_Person", "تعداد نفرات", 3, 2, 0, 3, 1, 0, 0, null, null],
        [3040, "Type_Work", "نوع فعالیت کاری", 3, 1, 0, 100, 0, 0, 0, null, null],
        [3041, "price", "قیمت کل", 3, 2, 1, 17, 1, 2, 1, 7, "سقف مبلغ مشارکت"],
        [3046, "mortgage", "مبلغ رهن", 3, 2, 1, 17, 1, 2, 1, 7, "سقف مبلغ رهن"],
        [3047, "rent", "مبلغ اجاره", 3, 2, 1, 17, 1, 2, 1, 8, "سقف مبلغ اجاره"],
        [3048, "price_meter", "قیمت هر متر", 3, 2, 1, 17, 1, 0, 0, 8, null],
        [3049, "price", "قیمت کل", 3, 2, 1, 17, 1, 2, 1, 7, "سقف مبلغ خرید"],
        [3050, "district", "نام محله یا خیابان اصلی", 3, 1, 0, 20, 1, 1, 1, 5, "مناطق درخواستی"],
        [3051, "address", "آدرس دقیق", 3, 1, 0, 200, 0, 0, 0, 6, null],
        [3052, "name_guard", "نام نگهبانی", 3, 1, 0, 50, 1, 0, 0, null, null],
        [3053, "phone_guard", "تلفن نگهبانی", 3, 3, 0, 15, 1, 0, 0, null, null],
    ]
    // Options of the rows other than 1 and 2: row, id, key, label.
    readonly property var optionFields: [
        [4, 100, "north_p", "شمالی"], [4, 101, "south_p", "جنوبی"], [4, 102, "east_p", "شرقی"],
        [4, 103, "west_p", "غربی"], [4, 104, "in_mall", "داخل پاساژ"],
        [4, 105, "in_market", "داخل بازار"], [4, 106, "in_ally", "داخل کوچه"],
        [4, 107, "basically", "براصلی"],
        [5, 200, "north_u", "شمالی"], [5, 201, "south_u", "جنوبی"], [5, 202, "east_u", "شرقی"],
        [5, 203, "west_u", "غربی"], [5, 204, "middle_u", "میانی"],
        [6, 300, "duplex", "دوبلکس"], [6, 301, "pent_house", "پنت هاوس"],
        [6, 302, "luxury", "لاکچری"], [6, 303, "full_facilities", "فول امکانات"],
        [6, 304, "speate_living", "نشیمن مجزا"], [6, 305, "garden_tower", "برج باغ"],
        [6, 306, "voltage", "اختلاف سطح"], [6, 307, "rebuilt", "بازسازی شده"],
        [6, 308, "nabshe2", "دو نبش"], [6, 309, "dahane2", "دو دهنه"],
        [6, 310, "aggregation", "تجمیع"], [6, 311, "todely", "تودلی"],
        [6, 312, "dead_end", "بن بست"], [6, 313, "township", "شهرکی"],
        [6, 314, "triplex", "تریبلکس"], [6, 315, "coastal", "ساحلی"], [6, 316, "wild", "جنگلی"],
        [6, 317, "basically", "براصلی"],
        [7, 400, "wood_frontage", "چوب"], [7, 401, "classic_frontage", "کلاسیک"],
        [7, 402, "modern_frontage", "مدرن"], [7, 403, "stone_frontage", "سنگ"],
        [7, 404, "cement_frontage", "سیمان"], [7, 405, "bricks_frontage", "آجر"],
        [7, 406, "composite_frontage", "کامپوزیت"], [7, 407, "glass_frontage", "شیشه"],
        [7, 408, "hybrid", "ترکیبی"],
        [8, 900, "asansor", "آسانسور"], [8, 901, "lobby", "لابی"],
        [8, 902, "roof_garden", "رووف گاردن"], [8, 903, "carwash", "کارواش"],
        [8, 904, "conference_hall", "سالن اجتماعات"], [8, 905, "gym", "سالن ورزشی"],
        [8, 906, "pool", "استخر"], [8, 907, "sauna", "سونا"], [8, 908, "jacuzzi", "جکوزی"],
        [9, 500, "split", "اسپلیت"], [9, 501, "duct_split", "داکت اسپلیت"],
        [9, 502, "water_cooler", "کولر آبی"], [9, 503, "package_radiator", "پکیج و رادیاتور"],
        [9, 504, "floor_heater", "گرمایش از کف"], [9, 505, "heater", "بخاری"],
        [9, 506, "air_conditioner", "هواساز"], [9, 507, "central_engine_room", "موتورخانه مرکزی"],
        [9, 508, "chiller", "چیلر"],
        [10, 600, "ceramic", "سرامیک"], [10, 601, "parquet", "پارکت"], [10, 602, "carpet", "موکت"],
        [10, 603, "rock_floor", "سنگ"], [10, 604, "mosaic", "موزاییک"],
        [10, 605, "cement_floor", "سیمان"],
        [11, 700, "mdf", "MDF"], [11, 701, "wood_kitchen", "چوب"],
        [11, 702, "metal_kitchen", "فلزی"], [11, 703, "isle_kitchen", "جزیره"],
        [11, 704, "modern_kitchen", "مدرن"], [11, 705, "classic_kitchen", "کلاسیک"],
        [11, 706, "rock_kitchen", "صفحه سنگ"], [11, 707, "corrine_kitchen", "صفحه کورین"],
        [11, 708, "wood_sheet", "صفحه چوب"], [11, 709, "open_kitchen", "اپن"],
        [11, 710, "lanudry", "لاندری"], [11, 711, "full_furnish", "فول فرنیش"],
        [11, 712, "hood", "هود"], [11, 713, "desktop_gas", "گاز رومیزی"],
        [11, 714, "dirty_kitchen", "مطبخ"], [11, 715, "higlass", "هایگلس"],
        [12, 800, "irani", "ایرانی"], [12, 801, "farangi", "فرنگی"], [12, 802, "bath", "وان"],
        [12, 803, "jacuzzi_bath", "جکوزی"],
        [13, 1500, "painting_wall", "نقاشی"], [13, 1501, "plaster_wall", "گچ"],
        [13, 1502, "rock_wall", "سنگ"], [13, 1503, "wallpaper", "کاغذ دیواری"],
        [13, 1504, "fabric_wall", "پارچه کوبی"], [13, 1505, "wood_wall", "چوبکاری"],
        [14, 1200, "terrace", "تراس"], [14, 1201, "master_room", "خواب مستر"],
        [14, 1202, "patio", "پاسیو"], [14, 1203, "balcony", "بالکن"],
        [14, 1204, "anti_theft_door", "درب ضد سرقت"], [14, 1205, "emergency_power", "برق اضطراری"],
        [14, 1206, "fireplace", "شومینه"], [14, 1207, "iphone", "آیفون تصویری"],
        [14, 1208, "wall_cupboard", "کمد دیواری"], [14, 1209, "warechouse", "انباری"],
        [14, 1210, "central_internet", "اینترنت مرکزی"],
        [14, 1211, "central_satellite", "ماهواره مرکزی"], [14, 1213, "central_antena", "آنتن مرکزی"],
        [14, 1214, "shooting_waste", "شوتینگ زباله"],
        [14, 1215, "central_vaccum_clean", "جاروبرقی مرکزی"], [14, 1216, "barbecue", "باربیکیو"],
        [14, 1217, "fire_detection", "اطفای حریق"], [14, 1218, "fire_alarm", "اعلام حریق"],
        [14, 1219, "cctv", "دوربین مداربسته"], [14, 1220, "semi_furnished", "نیمه مبل"],
        [14, 1221, "full_furnished", "مبله کامل"], [14, 1222, "bms", "BMS"],
        [14, 1223, "suite", "سوئیت مجزا"], [14, 1224, "electric_door", "درب ریموت دار"],
        [14, 1225, "janitor", "سرایداری"],
        [15, 1100, "jointly_parking", "پارکینگ مشاع"],
        [15, 1101, "private_parking", "پارکینگ اختصاصی"],
        [15, 1102, "annoying_parking", "پارکینگ مزاحم"], [15, 1103, "parking_lot", "تعداد پارکینگ"],
        [19, 1400, "residential", "مسکونی"], [19, 1401, "commercial", "تجاری"],
        [19, 1402, "garden", "باغ"], [19, 1403, "services", "خدماتی"],
        [19, 1404, "cultural", "فرهنگی"], [19, 1405, "arable", "مزروعی"],
        [19, 1406, "industrial", "صنعتی"], [19, 1407, "urban", "شهری"],
        [19, 1408, "township", "شهرکی"],
        [20, 1300, "water", "آب "], [20, 1301, "electricity", "برق "], [20, 1302, "gas", "گاز"],
        [20, 1303, "telephone", "تلفن"],
        [21, 1600, "selecton_1", "فلزی جوشی"], [21, 1601, "selecton_2", "فلزی پیچ و مهره"],
        [21, 1602, "selecton_3", "اسکلت بتونی"],
        [22, 1700, "roof_1", "دال بتونی"], [22, 1701, "roof_2", "کامپوزیت"],
        [22, 1702, "roof_3", "عرشه فولادی"], [22, 1703, "roof_4", "تیرچه و بلوک"],
        [22, 1704, "roof_5", "تیرچه یونولیت"], [22, 1705, "roof_6", "آجر ضربی"],
        [22, 1706, "roof_7", "کششی"], [22, 1707, "roof_8", "اسپانیش"],
        [23, 1800, "progress_1", "اسکلت"], [23, 1801, "progress_2", "فوندانسیون"],
        [23, 1802, "progress_3", "گودبرداری"], [23, 1803, "progress_4", "تخریب"],
        [23, 1804, "progress_5", "نازک کاری"], [23, 1805, "progress_6", "گچ و خاک"],
        [23, 1806, "progress_7", "تاسیسات"], [23, 1807, "progress_8", "تیغه چینی"],
        [24, 1000, "empty_house", "تخلیه"], [24, 1001, "tenant_residence", "سکونت مستاجر"],
        [24, 1002, "ower_residence", "سکونت مالک"], [24, 1013, "goodwill", "سرقفلی"],
        [24, 1014, "property", "ملکیت"], [24, 1018, "haspermission", "جواز دارد"],
        [24, 1019, "mapcommand", "دستور نقشه دارد"],
        [25, 1003, "end_work", "پایان کار"], [25, 1004, "promissory_note", "قولنامه ای"],
        [25, 1005, "porerty_doucment", "سند دارد"], [25, 1006, "loan", "وام دارد"],
        [26, 1007, "changeabl", "قابل معاوضه می باشد"],
        [26, 1020, "takingpartbulid", "مشارکت در ساخت"],
        [28, 1008, "proxy", "وکالتی"], [28, 1009, "personal", "شخصی"],
        [28, 1010, "endowments", "اوقافی"], [28, 1011, "fundamental", "بنیادی"],
        [28, 1012, "threshold", "آستانه"],
        [30, 1015, "highdensity", "تراکم بالا"], [30, 1016, "mediumdensity", "تراکم متوسط"],
        [30, 1017, "lowdensity", "تراکم پایین"],
        [31, 1021, "density", "تراکم دارد"], [31, 1022, "changeabl", "رهن و اجاره قابل تبدیل"],
    ]
    // Deal, property, entries, sections, inputs of row 3.
    readonly property var pairs: [
        [1, 50, 170, "3–16, 20", "3001–3014, 3048–3053"],
        [1, 51, 145, "3–4, 6–16, 20", "3001–3007, 3009, 3011, 3014, 3048–3053"],
        [1, 52, 136, "3–4, 6–7, 9–16, 20", "3001–3007, 3009, 3011, 3014, 3020–3021, 3048–3051"],
        [1, 53, 58, "3–4, 16, 19–20", "3001–3006, 3020–3021, 3048–3053"],
        [1, 54, 96, "3–4, 7, 9–10, 12, 14–16, 20", "3001–3005, 3007, 3009–3014, 3048–3053"],
        [1, 55, 61, "3–4, 6, 12–13, 15–16, 20", "3001–3005, 3010, 3022–3025, 3048–3053"],
        [1, 56, 162, "3–4, 6–16, 20", "3001–3011, 3013–3014, 3020–3021, 3048–3053"],
        [1, 57, 61, "3–4, 6, 16, 19–20", "3001–3007, 3020–3021, 3048–3053"],
        [1, 58, 15, "3", "3001–3007, 3048–3053"],
        [2, 50, 163, "3–16, 20", "3001–3007, 3009–3014, 3046–3047, 3050–3053"],
        [2, 51, 141, "3–4, 6–16, 20", "3001–3007, 3009, 3011, 3014, 3046–3047, 3050–3053"],
        [2, 52, 131, "3–4, 6–7, 9–16, 20", "3001–3007, 3009, 3014, 3020–3021, 3046–3047, 3050–3051"],
        [2, 53, 1, "20", ""],
        [2, 54, 91, "3–4, 7, 9–10, 12, 14–16, 20", "3001–3005, 3007, 3009–3014, 3046–3047, 3050–3053"],
        [2, 55, 62, "3–4, 6, 12–13, 15–16, 20", "3001–3005, 3010, 3022–3025, 3046–3047, 3050–3053"],
        [2, 56, 157, "3–4, 6–16, 20", "3001–3011, 3013–3014, 3020–3021, 3046–3047, 3050–3053"],
        [2, 57, 1, "20", ""],
        [2, 58, 15, "3", "3001–3007, 3046–3047, 3050–3053"],
        [3, 53, 62, "3–4, 6, 16, 19–20", "3001–3007, 3020–3021, 3029–3035, 3050–3053"],
        [3, 57, 62, "3–4, 6, 16, 19–20", "3001–3007, 3020–3021, 3029–3035, 3050–3053"],
        [4, 50, 187, "3–16, 20–23", "3001–3013, 3035, 3048–3053"],
        [4, 51, 145, "3–4, 6, 8–9, 11–16, 20–23", "3001–3007, 3009, 3011, 3035, 3048–3053"],
        [4, 54, 114, "3–4, 7, 9–10, 12, 14–16, 20–23", "3001–3005, 3007, 3010–3013, 3035, 3048–3053"],
        [4, 55, 80, "3–4, 6, 12, 15–16, 20–23", "3001–3005, 3010, 3022–3025, 3035, 3048–3053"],
        [5, 50, 49, "3–4, 6, 8, 14–16", "3001–3002, 3004, 3007, 3009, 3014, 3049–3050"],
        [5, 51, 47, "3–4, 6, 8, 14–16", "3001–3002, 3004, 3006, 3009, 3014, 3049–3050"],
        [5, 52, 40, "3–4, 6, 14–16", "3001–3002, 3004, 3006, 3009, 3014, 3049–3050"],
        [5, 53, 22, "3, 16, 19", "3001–3002, 3004, 3006, 3049–3050"],
        [5, 54, 20, "3–4, 15–16", "3001–3002, 3004, 3007, 3009, 3049–3050"],
        [5, 55, 22, "3–4, 6, 15–16", "3001–3002, 3004, 3022, 3049–3050"],
        [5, 56, 45, "3–4, 6, 8, 14–16", "3001–3002, 3004, 3006, 3009, 3049–3050"],
        [5, 57, 17, "3–4, 16", "3001–3002, 3004, 3006, 3049–3050"],
        [5, 58, 9, "3", "3001–3002, 3004, 3006, 3049–3050"],
        [6, 50, 48, "3–4, 6, 8, 14–16", "3001–3002, 3004, 3007, 3009, 3014, 3039, 3046–3047, 3050"],
        [6, 51, 46, "3–4, 6, 8, 14–16", "3001–3002, 3004, 3006, 3009, 3014, 3039, 3046–3047, 3050"],
        [6, 52, 39, "3–4, 6, 14–16", "3001–3002, 3004, 3006, 3009, 3014, 3039, 3046–3047, 3050"],
        [6, 54, 20, "3–4, 15–16", "3001–3002, 3004, 3007, 3046–3047, 3050"],
        [6, 55, 23, "3–4, 6, 15–16", "3001–3002, 3004, 3022, 3046–3047, 3050"],
        [6, 56, 46, "3–4, 6, 8, 14–16", "3001–3002, 3004, 3006, 3009, 3046–3047, 3050"],
        [6, 58, 9, "3", "3001–3002, 3004, 3006, 3046–3047, 3050"],
        [7, 53, 6, "3", "3001–3002, 3004, 3041"],
        [7, 57, 6, "3", "3001–3002, 3004, 3041"],
        [8, 50, 46, "3–4, 6, 8, 14–16", "3001–3002, 3004, 3007, 3009, 3049–3050"],
        [8, 51, 45, "3–4, 6, 8, 14–16", "3001–3002, 3004, 3006, 3009, 3049–3050"],
        [8, 54, 21, "3–4, 15–16", "3001–3002, 3004, 3007, 3009, 3049–3050"],
        [8, 55, 23, "3–4, 6, 15–16", "3001–3002, 3004, 3022, 3049–3050"],
    ]

    // Parses "3–16, 20" into [3, 4, ..., 16, 20].
    function idList(text) {
        var out = []
        if (text.length === 0)
            return out
        var parts = text.split(",")
        for (var i = 0; i < parts.length; ++i) {
            var span = parts[i].trim().split("–")
            var first = parseInt(span[0]), last = parseInt(span[span.length - 1])
            for (var id = first; id <= last; ++id)
                out.push(id)
        }
        return out
    }

    function ids(records) {
        return records.map(function (record) { return record._id })
    }

    function select(text) {
        var records = []
        fieldTable.getDb().readTransaction(function (tx) {
            var rows = tx.executeSql(text).rows
            for (var i = 0; i < rows.length; ++i)
                records.push(rows.item(i))
        })
        return records
    }

    function count(text) {
        return select("SELECT COUNT(*) AS n FROM " + text)[0].n
    }

    function fieldRow(id) {
        return select("SELECT * FROM Field WHERE _id=" + id)[0]
    }

    function test_firstStartBuildsOnceAndRecordsTheVersion() {
        compare(appData.db_inited, true)
        compare(appData.db_version, 25)
        compare(cardTable.version, 25)
        // Four elements completed; only the first found the flags unset.
        compare(saveCount, 1)
        compare(appUtility.deletedPaths, [offlineStoragePath])
        verify(cardTable.dbInited())
    }

    function test_seedScriptShape() {
        var script = query.baseQuery
        var statements = script.split(";").filter(function (s) { return s.length > 0 })
        var heads = statements.map(function (s) { return s.substring(0, s.indexOf("(")).trim() })
        var expected = ["CREATE TABLE IF NOT EXISTS Row", "INSERT OR REPLACE INTO Row",
                        "CREATE TABLE IF NOT EXISTS Relations"]
        for (var i = 0; i < 7; ++i)
            expected.push("INSERT OR REPLACE INTO Relations")
        expected = expected.concat(["CREATE TABLE IF NOT EXISTS Field", "INSERT INTO Field",
                                    "CREATE TABLE IF NOT EXISTS Card", "INSERT OR REPLACE INTO Card"])
        compare(heads, expected)
        for (var j = 3; j < 10; ++j) {
            var values = statements[j].split("),(").length
            verify(values <= 490, "Relations insert " + (j - 2) + " holds " + values + " rows")
        }
        compare(statements.length, script.split(";").length, "no empty statement")
    }

    function test_tableSizes() {
        compare(count("Card"), 23)
        compare(count("Row"), 29)
        compare(count("Field"), 244)
        compare(count("Relations"), 3037)
        compare(count("Relations WHERE ROW_ID=-1"), 334)
        compare(count("Relations WHERE FIELD_ID=-1"), 716)
        // A section-level entry is also an entry without a field.
        compare(count("Relations WHERE ROW_ID=-1 AND FIELD_ID<>-1"), 0)
    }

    function test_sections() {
        var titles = ["نوع معامله", "نوع ملک", "", "موقعیت ملک", "جهت واحد", "مشخصه ملک", "نمای ساختمان",
                      "مشاعات", "تاسیسات گرمایشی و سرمایشی", "پوشش کف", "آشپزخانه", "سرویس بهداشتی و حمام",
                      "نوع دیوار", "سایر امکانات", "نوع و تعداد پارکینگ", "وضعیت ملک", "تاریخ ثبت فایل", "عکس",
                      "نوع زمین", "امتیازات", "نوع اسکلت", "نوع سقف", "وضعیت پیشرفت کار"]
        var search = [1, 1, 1, 1, 0, 1, 0, 1, 1, 1, 1, 1, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0]
        var category = [1, 1, 1, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0]
        var cards = select("SELECT * FROM Card ORDER BY _id")
        compare(ids(cards), idList("1–23"))
        for (var i = 0; i < cards.length; ++i) {
            compare(cards[i].TITLE, titles[i], "title of section " + cards[i]._id)
            compare(cards[i].SEARCH_NECESSARY, search[i], "search flag of section " + cards[i]._id)
            compare(cards[i].CATEGORY_NECESSARY, category[i], "category flag of section " + cards[i]._id)
            if (cards[i]._id !== 15) {
                compare([cards[i].STEPPER, cards[i].STEPPER_TITLE, cards[i].STEPPER_ID], [0, "0", 0])
            }
        }
        compare(cardTable.getById(15), {"_id": 15, "title": "نوع و تعداد پارکینگ", "stepper": 1,
                                         "stepperTitle": "تعداد پارکینگ", "stepperId": 1103})
    }

    function test_rows() {
        var rows = select("SELECT * FROM Row ORDER BY _id")
        compare(ids(rows), idList("1–15, 18–31"))
        for (var i = 0; i < rows.length; ++i) {
            var row = rows[i]
            var card = row._id <= 23 ? row._id : ([27, 28, 29].indexOf(row._id) >= 0 ? -1 : 16)
            compare(row.CARD_ID, card, "section of row " + row._id)
            compare(row.TYPE, [3, 27, 29].indexOf(row._id) >= 0 ? 1 : 0, "type of row " + row._id)
            compare(row.SINGLE_SELECT, [1, 2, 23, 24, 30].indexOf(row._id) >= 0 ? 1 : 0,
                    "single choice of row " + row._id)
        }
        compare(rowTable.getById(27), {"_id": 27, "singleSelect": 0, "type": 1, "cardId": -1})
        compare(rowTable.getById(0), undefined)
        compare(select("SELECT COUNT(*) AS n FROM Field WHERE ROW_ID=18")[0].n, 0)
    }

    function test_dealAndPropertyTypes() {
        var types = dealTypes.map(function (t) { return t.concat([1]) })
                .concat(propertyTypes.map(function (t) { return t.concat([2]) }))
        for (var i = 0; i < types.length; ++i) {
            var field = fieldRow(types[i][0])
            compare([field.FIELD_NAME, field.TITLE, field.FIELD_ORDER, field.ROW_ID, field.TYPE],
                    [types[i][1], types[i][2], types[i][3], types[i][4], 0], "type " + types[i][0])
        }
        compare(count("Field WHERE ROW_ID=1"), 16)
        compare(count("Field WHERE ROW_ID=2"), 9)
    }

    function test_inputs() {
        for (var i = 0; i < inputFields.length; ++i) {
            var spec = inputFields[i]
            var field = fieldRow(spec[0])
            var actual = [field._id, field.FIELD_NAME, field.TITLE, field.ROW_ID, field.INPUT_TYPE,
                          field.CURRENCY, field.MAX_LENGTH, field.SINGLE_LINE, field.FILTER_STATE,
                          field.SEARCH_NECESSARY, field.FIELD_ORDER, field.REQUESTED_NAME]
            compare(actual, spec, "input " + spec[0])
            compare(field.TYPE, 1, "input " + spec[0] + " is a value")
        }
        compare(count("Field WHERE TYPE=1"), inputFields.length)
        var free = select("SELECT _id, FIELD_NAME, TITLE, ROW_ID FROM Field WHERE ROW_ID=0 ORDER BY _id")
        compare(free.map(function (f) { return [f._id, f.FIELD_NAME, f.TITLE] }),
                [[3054, "agent_id", "کاربران بنگاه من"], [3055, "hashtag_id", "برچسب"]])
        compare(count("Relations WHERE FIELD_ID IN (3054, 3055)"), 0)
    }

    function test_options() {
        for (var i = 0; i < optionFields.length; ++i) {
            var spec = optionFields[i]
            var field = fieldRow(spec[1])
            verify(field !== undefined, "option " + spec[1] + " exists")
            // 1103 is listed with row 15's options but is the stepper's value.
            compare([field.ROW_ID, field.FIELD_NAME, field.TITLE, field.TYPE],
                    [spec[0], spec[2], spec[3], spec[1] === 1103 ? 1 : 0], "option " + spec[1])
            compare([field.INPUT_TYPE, field.CURRENCY, field.MAX_LENGTH], [0, 0, 0], "option " + spec[1])
        }
        // Every stored field is a deal or property type, an input, an option or a free field.
        var listed = [3054, 3055]
        var lists = [dealTypes, propertyTypes, inputFields]
        for (var l = 0; l < lists.length; ++l)
            listed = listed.concat(lists[l].map(function (f) { return f[0] }))
        listed = listed.concat(optionFields.map(function (f) { return f[1] })
                               .filter(function (id) { return listed.indexOf(id) < 0 }))
        var stored = ids(select("SELECT _id FROM Field ORDER BY _id"))
        compare(stored, listed.sort(function (a, b) { return a - b }))
    }

    function test_attachedRows() {
        var owners = select("SELECT _id, ATTACHED_ROW FROM Field WHERE HAS_ATTACHED=1 ORDER BY _id")
        compare(owners.map(function (f) { return [f._id, f.ATTACHED_ROW] }),
                [[1001, 27], [1005, 28], [1006, 29], [1021, 30]])
        compare(ids(select("SELECT _id FROM Field WHERE ROW_ID=27 ORDER BY _id")), [3037, 3038])
        compare(ids(select("SELECT _id FROM Field WHERE ROW_ID=28 ORDER BY _id")), idList("1008–1012"))
        compare(ids(select("SELECT _id FROM Field WHERE ROW_ID=29 ORDER BY _id")), [3036])
        compare(ids(select("SELECT _id FROM Field WHERE ROW_ID=30 ORDER BY _id")), idList("1015–1017"))
        compare(count("Field WHERE ROW_ID IN (27, 28, 29) AND ATTACHED_ROW<>-1"), 0)
        compare(count("Field WHERE HAS_ATTACHED=0 AND ATTACHED_ROW>0"), 0)
    }

    function test_dealTypeChoice() {
        compare(ids(cardTable.getCards(-1, -1)), [1])
        compare(ids(rowTable.getRows(1, -1, -1)), [1])
        compare(ids(fieldTable.getFields(1, 1, -1, -1)), [1, 2, 3, 4])
        compare(ids(fieldTable.getFields(1, 1, -2, -2)), [5, 6, 7, 8])
        compare(count("Relations WHERE DEAL_TYPE=-1 AND PROPERTY_TYPE=-1"), 6)
        compare(count("Relations WHERE DEAL_TYPE=-2 AND PROPERTY_TYPE=-2"), 6)
    }

    function test_propertyTypeChoice_data() {
        return [
            {tag: "sale", deal: 1, family: -1, types: "50–58"},
            {tag: "rent", deal: 2, family: -1, types: "50–52, 54–56, 58"},
            {tag: "partnership", deal: 3, family: -1, types: "53, 57"},
            {tag: "pre-sale", deal: 4, family: -1, types: "50–51, 54–55"},
            {tag: "purchase applicant", deal: 5, family: -2, types: "50–58"},
            {tag: "rent applicant", deal: 6, family: -2, types: "50–52, 54–56, 58"},
            {tag: "partnership applicant", deal: 7, family: -2, types: "53, 57"},
            {tag: "pre-purchase applicant", deal: 8, family: -2, types: "50–51, 54–55"}
        ]
    }

    function test_propertyTypeChoice(data) {
        var types = idList(data.types)
        compare(ids(cardTable.getCards(data.deal, data.family)), [2])
        compare(ids(rowTable.getRows(2, data.deal, data.family)), [2])
        // Ordered by FIELD_ORDER: apartment, house, land, teardown, income property, villa, shop,
        // office, warehouse.
        var order = [50, 52, 53, 57, 56, 51, 55, 54, 58]
        compare(ids(fieldTable.getFields(2, 2, data.deal, data.family)),
                order.filter(function (id) { return types.indexOf(id) >= 0 }))
        compare(count("Relations WHERE DEAL_TYPE=" + data.deal + " AND PROPERTY_TYPE=" + data.family),
                types.length + 2)
    }

    function test_partnershipTeardownEntryUnderNoSection() {
        var entries = select("SELECT CARD_ID, FIELD_ID FROM Relations WHERE DEAL_TYPE=3 AND PROPERTY_TYPE=-1"
                             + " AND FIELD_ID>0 ORDER BY FIELD_ID")
        compare(entries.map(function (e) { return [e.FIELD_ID, e.CARD_ID] }), [[53, 2], [57, -1]])
        compare(ids(rowTable.getRows(2, 3, -1)), [2])
        compare(ids(fieldTable.getFields(2, 2, 3, -1)), [53, 57])
    }

    function test_forms_data() {
        return pairs.map(function (pair) {
            return {tag: pair[0] + "/" + pair[1], deal: pair[0], property: pair[1], entries: pair[2],
                    sections: idList(pair[3]), inputs: idList(pair[4])}
        })
    }

    function test_forms(data) {
        compare(count("Relations WHERE DEAL_TYPE=" + data.deal + " AND PROPERTY_TYPE=" + data.property),
                data.entries, "entries")
        compare(ids(cardTable.getCards(data.deal, data.property)), data.sections, "sections")
        var inputs = ids(fieldTable.getFields(3, 3, data.deal, data.property)).sort(function (a, b) { return a - b })
        compare(inputs, data.inputs, "inputs of the general card")
    }

    // Every section of a form shows rows, every row shows fields that belong to it, and an
    // option that reveals an attached row finds that row's fields in the same form.
    function test_formsAreComplete_data() {
        return test_forms_data()
    }

    function test_formsAreComplete(data) {
        var cards = cardTable.getCards(data.deal, data.property)
        for (var c = 0; c < cards.length; ++c) {
            var rows = rowTable.getRows(cards[c]._id, data.deal, data.property)
            if (data.entries === 1) {
                compare(rows.length, 0, "the stray rent entry has no rows")
                continue
            }
            verify(rows.length > 0, "section " + cards[c]._id + " has rows")
            for (var r = 0; r < rows.length; ++r) {
                var row = rows[r]
                compare(row.cardId, cards[c]._id, "row " + row._id + " belongs to its section")
                var fields = fieldTable.getFields(row._id, row.cardId, data.deal, data.property)
                verify(fields.length > 0, "row " + row._id + " has fields")
                for (var f = 0; f < fields.length; ++f) {
                    compare(fields[f].rowId, row._id, "field " + fields[f]._id + " is on row " + row._id)
                    compare(fields[f].type, row.type, "field " + fields[f]._id + " matches its row")
                    if (fields[f].hasAttached === 1) {
                        var attached = fieldTable.getFields(fields[f].attachedRow, -1, data.deal, data.property)
                        verify(attached.length > 0, "attached row " + fields[f].attachedRow + " of " + fields[f]._id)
                    }
                }
            }
        }
    }

    function test_tellingEntries() {
        var first = select("SELECT * FROM Relations ORDER BY rowid LIMIT 1")[0]
        compare([first.DEAL_TYPE, first.PROPERTY_TYPE, first.CARD_ID, first.ROW_ID, first.FIELD_ID, first._id],
                [-1, -1, 1, -1, -1, 1])
        var parking = select("SELECT * FROM Relations WHERE _id=185")[0]
        compare([parking.DEAL_TYPE, parking.PROPERTY_TYPE, parking.CARD_ID, parking.ROW_ID, parking.FIELD_ID],
                [1, 50, 15, 15, 1100])
        var land = select("SELECT * FROM Relations WHERE DEAL_TYPE=2 AND PROPERTY_TYPE=53")
        compare(land.map(function (e) { return [e.CARD_ID, e.ROW_ID, e.FIELD_ID, e._id] }), [[20, -1, -1, 2664]])
        var teardown = select("SELECT * FROM Relations WHERE DEAL_TYPE=2 AND PROPERTY_TYPE=57")
        compare(teardown.map(function (e) { return [e.CARD_ID, e.ROW_ID, e.FIELD_ID, e._id] }), [[20, -1, -1, 2668]])
        compare(rowTable.getRows(20, 2, 53), [])
        compare(ids(fieldTable.getFields(15, 15, 1, 50)), [1100, 1101, 1102])
    }

    function test_saleApartmentSections() {
        compare(ids(cardTable.getCards(1, 50)), idList("3–16, 20"))
        compare(ids(cardTable.getSearchCards(1, 50)), idList("3–4, 6, 8–12, 14–16"))
        var parking = cardTable.getCards(1, 50)[12]
        compare(parking, {"_id": 15, "title": "نوع و تعداد پارکینگ", "stepper": 1,
                          "stepperTitle": "تعداد پارکینگ", "stepperId": 1103})
        compare(cardTable.list, cardTable.getCards(1, 50))
        compare(cardTable.getCards(9, 50), [])
        compare(cardTable.getById(99), undefined)
        compare(ids(rowTable.getRows(16, 1, 50)), [24, 25, 26])
        compare(ids(rowTable.getSearchRows(16, 1, 50)), [24, 25, 26])
    }

    function test_applicantLabels() {
        var fields = fieldTable.getFields(3, 3, 5, 50)
        var titles = {}
        for (var i = 0; i < fields.length; ++i)
            titles[fields[i]._id] = fields[i].title
        compare(titles[3001], "نام متقاضی")
        compare(titles[3049], "سقف مبلغ خرید")
        compare(titles[3007], "حداقل متراژ بنا")
        // Fields without an applicant label keep their own.
        compare(titles[3002], "شماره همراه")
        var owner = fieldTable.getFields(3, 3, 1, 50).filter(function (f) { return f._id === 3001 })[0]
        compare(owner.title, "نام مالک")
    }

    function test_fieldOrder() {
        // Ordered chips first, then the rest by id (a missing order sorts as the id itself).
        var amenities = ids(fieldTable.getFields(14, 14, 1, 50))
        compare(amenities.slice(0, 5), [1209, 1203, 1207, 1204, 1200])
        var rest = amenities.slice(5)
        compare(rest, rest.slice().sort(function (a, b) { return a - b }))
        compare(amenities.length, 17)
        compare(ids(fieldTable.getFields(9, 9, 1, 50)), [503, 502, 500, 501, 504, 505, 506, 507, 508])
        compare(ids(fieldTable.getFields(3, 3, 1, 50)),
                [3001, 3002, 3003, 3004, 3050, 3051, 3049, 3048, 3006, 3007, 3009, 3010, 3011, 3012,
                 3013, 3014, 3008, 3005, 3052, 3053])
    }

    function test_formFieldRecord() {
        var price = fieldTable.getFields(3, 3, 1, 50).filter(function (f) { return f._id === 3048 })[0]
        compare(price, {"_id": 3048, "title": "قیمت هر متر", "type": 1, "rowId": 3, "attachedRow": 0,
                        "hasAttached": 0, "fieldName": "price_meter", "filterState": undefined,
                        "inputType": 2, "currency": 1, "maxLength": 17, "singleLine": 1})
        var tenant = fieldTable.getFields(24, 16, 1, 50).filter(function (f) { return f._id === 1001 })[0]
        compare([tenant.attachedRow, tenant.hasAttached], [27, 1])
        compare(ids(fieldTable.getFields(27, -1, 1, 50)), [3037, 3038])
    }

    function test_searchFields() {
        var fields = fieldTable.getSearchFields(3, 3, 1, 50)
        compare(ids(fields).sort(function (a, b) { return a - b }), [3001, 3006, 3007, 3009, 3014, 3049, 3050])
        var area = fields.filter(function (f) { return f._id === 3006 })[0]
        compare(area.filterState, 2)
        compare(fields.filter(function (f) { return f._id === 3050 })[0].filterState, 1)
        var applicant = fieldTable.getSearchFields(3, 3, 5, 50)
        compare(applicant.filter(function (f) { return f._id === 3049 })[0].title, "سقف مبلغ خرید")
        compare(fieldTable.getSearchFields(20, 20, 1, 50), [])
    }

    function test_fieldById() {
        var archive = fieldTable.getById(9)
        compare(archive.title, "بایگانی فروش")
        compare(archive.fieldName, "archive_sell")
        compare(fieldTable.getById(0), undefined)
        compare(fieldTable.getById(3001), {"_id": 3001, "title": "نام مالک", "type": 1, "rowId": 3,
                                           "attachedRow": 0, "hasAttached": 0, "fieldName": "name_family",
                                           "requestTitle": "نام متقاضی", "inputType": 1, "currency": 0,
                                           "maxLength": 50, "singleLine": 1})
        compare(fieldTable.getById(1103).title, "تعداد پارکینگ")
    }

    function test_fieldByName() {
        compare(fieldTable.getByFieldName("name_family", 1).title, "نام مالک")
        compare(fieldTable.getByFieldName("name_family", 5).title, "نام متقاضی")
        compare(fieldTable.getByFieldName("name_family", 5).requestTitle, "نام متقاضی")
        compare(fieldTable.getByFieldName("mobile", 6).title, "شماره همراه")
        // Two fields share the key "price"; the first one stored answers.
        compare(fieldTable.getByFieldName("price", 7)._id, 3041)
        compare(fieldTable.getByFieldName("no_such_key", 1), undefined)
    }

    // The form's queries pick one pair out of every entry of Relations: through the pair index,
    // not a scan of the whole table per query.
    function test_pairQueriesUseTheIndex_data() {
        var where = " Relations.PROPERTY_TYPE = 50 AND Relations.DEAL_TYPE=1"
        return [
            { tag: "sections", sql: "SELECT DISTINCT Card._id FROM Card join Relations on Card._id = Relations.CARD_ID where" + where },
            { tag: "rows", sql: "SELECT DISTINCT Row._id FROM Row join Relations on Row._id = Relations.ROW_ID where" + where + " AND Relations.CARD_ID=4" },
            { tag: "fields", sql: "SELECT DISTINCT Field._id FROM Field join Relations on Field._id = Relations.FIELD_ID where" + where + " AND Relations.ROW_ID=3" }
        ]
    }

    function test_pairQueriesUseTheIndex(data) {
        var steps = []
        // Local storage takes only plain selections in a read transaction.
        fieldTable.getDb().transaction(function (tx) {
            var rows = tx.executeSql("EXPLAIN QUERY PLAN " + data.sql).rows
            for (var i = 0; i < rows.length; ++i)
                steps.push(rows.item(i).detail)
        })
        var plan = steps.join("; ")
        verify(plan.indexOf("Relations_by_pair") >= 0, plan)
    }

    function test_failingQueriesAnswerFalse() {
        var before = fieldTable.getFields(15, 15, 1, 50)
        compare(fieldTable.getFields("x", 15, 1, 50), false)
        compare(fieldTable.list, before)
        compare(fieldTable.getByFieldName("o'clock", 1), false)
        compare(fieldTable.getSearchFields(3, 3, 1, "50 AND"), false)
        compare(fieldTable.getById("9 ORDER"), false)
        compare(cardTable.getCards(1, "x"), false)
        compare(cardTable.getSearchCards(1, "x"), false)
        compare(cardTable.getById("x"), false)
        compare(rowTable.getRows(16, "x", 50), false)
        compare(rowTable.getSearchRows(16, "x", 50), false)
        compare(rowTable.getById("x"), false)
        // The database is untouched by the failures.
        compare(count("Relations"), 3037)
    }

    QtObject {
        id: appUtility

        property var deletedPaths: []

        function deleteDbFile(path) {
            deletedPaths.push(path)
            storageUtility.deleteDbFile(path)
        }
    }

    AppUtility {
        id: storageUtility
    }

    CardTable {
        id: cardTable
    }

    RowTable {
        id: rowTable
    }

    FieldTable {
        id: fieldTable
    }

    Relations {
        id: relations
    }

    BaseQuery {
        id: query
    }
}
