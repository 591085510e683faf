#include "SitePages.h"

#include "ServiceContext.h"

namespace SitePages {

void html(httplib::Response &response, int status, const std::string &title, const std::string &body) {
    response.status = status;
    response.set_content(
        "<!DOCTYPE html><html lang=\"fa\" dir=\"rtl\"><head><meta charset=\"utf-8\"><title>" + title +
            "</title><meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"><style>"
            "body{font-family:Vazirmatn,Tahoma,sans-serif;background:#f3f5f9;color:#222;margin:0;padding:"
            "40px}"
            "main{max-width:520px;margin:auto;background:#fff;border-radius:12px;padding:28px;box-shadow:0 "
            "2px 12px #0002}"
            "h1{font-size:22px;color:#1d3b6a}table{width:100%;border-collapse:collapse;margin:16px 0}"
            "th,td{padding:10px;border-bottom:1px solid "
            "#e4e7ee;text-align:right}.amount{font-weight:bold;color:#0a7a3d}"
            "button{font:inherit;padding:10px "
            "28px;border:0;border-radius:8px;margin-left:10px;cursor:pointer}"
            ".pay{background:#0a7a3d;color:#fff}.cancel{background:#ddd}.state{font-weight:bold}.ok{color:#"
            "0a7a3d}"
            "</style></head><body><main><h1>" +
            title + "</h1>" + body + "</main></body></html>",
        "text/html; charset=utf-8");
}

void install(httplib::Server &server, ServiceContext &context) {
    server.Get("/", [&context](const httplib::Request &, httplib::Response &response) {
        html(
            response, 200, "سامانه فایلینگ نوروِلا",
            "<p>سامانه مدیریت فایل‌های املاک برای دفاتر مشاور املاک.</p><p>نشانی سرویس: " +
                context.siteUrl() + "api/</p><p><a href=\"/terms\">قوانین و مقررات</a></p>");
    });
    server.Get("/terms", [](const httplib::Request &, httplib::Response &response) {
        html(
            response, 200, "قوانین و مقررات",
            "<ol><li>اطلاعات فایل‌ها متعلق به دفتر ثبت‌کننده است و بدون اجازه آن منتشر نمی‌شود.</li><li>هر حساب کاربری فقط روی تعداد دستگاهی که پلن دفتر اجازه می‌دهد فعال است.</li><li>مبالغ پرداختی بابت پلن‌ها و بایگانی‌ها پس از فعال شدن بازگردانده نمی‌شود.</li><li>مسئولیت درستی اطلاعات فایل با ثبت‌کننده آن است.</li></ol>");
    });
}

} // namespace SitePages
