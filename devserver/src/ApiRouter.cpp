#include "ApiRouter.h"

#include "ApiError.h"
#include "Envelope.h"
#include "ServiceContext.h"

#include <iostream>

void Call::requireOffice() const {
    if (caller.officeId.empty())
        throw ApiError::refused("ابتدا دفتر املاک خود را ثبت کنید");
}

void Call::requireManager() const {
    if (!caller.isManager())
        throw ApiError::forbidden("این عملیات فقط برای مدیر دفتر مجاز است");
}

ApiRouter::ApiRouter(ServiceContext &context)
    : m_context(context) {}

void ApiRouter::plain(const std::string &path, Access access, RouteHandler handler) {
    m_plain[path] = Route{access, std::move(handler)};
}

void ApiRouter::role(const std::string &path, Access access, RouteHandler handler) {
    m_role[path] = Route{access, std::move(handler)};
}

void ApiRouter::install(httplib::Server &server) {
    server.Post(R"(/api/(v1|v2)/(.+))", [this](const httplib::Request &request, httplib::Response &response,
                                               const httplib::ContentReader &reader) {
        std::string body;
        const int refusal = readBody(request, response, reader, kBodyLimit, body);
        if (refusal == 0) {
            dispatch(request, response, body);
            return;
        }
        // What is left of the body cannot be told from the next request.
        response.set_header("Connection", "close");
        reply(response, refusal,
              Envelope::failure(
                  refusal == 413 ? ApiError(413, "حجم درخواست بیش از حد مجاز است", {}, "E_PAYLOAD_TOO_LARGE")
                                 : ApiError::badRequest("متن درخواست ناقص رسید")));
    });
}

int ApiRouter::readBody(const httplib::Request &request, httplib::Response &response,
                        const httplib::ContentReader &reader, std::size_t limit, std::string &body) {
    bool tooLong = false;
    std::size_t seen = 0;
    auto keep = [&](const char *data, std::size_t length) {
        seen += length;
        if (seen > limit) {
            // What a sender still sends after the limit is read and dropped (within reason), so
            // that it can read the refusal instead of having its connection reset.
            tooLong = true;
            return seen <= 2 * limit;
        }
        body.append(data, length);
        return true;
    };
    // A multipart body is read part by part; a route that takes none refuses it afterwards.
    const bool read = request.is_multipart_form_data()
                          ? reader([](const httplib::MultipartFormData &) { return true; }, keep)
                          : reader(keep);
    // The library itself refuses (413) a declared length over the server's limit.
    if (tooLong || (!read && response.status == 413))
        return 413;
    return read ? 0 : 400;
}

void ApiRouter::reply(httplib::Response &response, int status, const nlohmann::json &body) {
    response.status = status;
    response.set_content(body.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace),
                         "application/json; charset=utf-8");
}

const ApiRouter::Route *ApiRouter::find(const std::string &path) const {
    const auto plainRoute = m_plain.find(path);
    if (plainRoute != m_plain.end())
        return &plainRoute->second;
    for (const char *prefix : {"officeMan/", "employee/"}) {
        const std::string start(prefix);
        if (path.rfind(start, 0) == 0) {
            const auto roleRoute = m_role.find(path.substr(start.size()));
            if (roleRoute != m_role.end())
                return &roleRoute->second;
        }
    }
    return nullptr;
}

void ApiRouter::checkAccess(const Caller &caller, Access access) {
    switch (access) {
    case Access::Public:
    case Access::SignedIn:
        return;
    case Access::Office:
        if (caller.officeId.empty())
            throw ApiError::refused("ابتدا دفتر املاک خود را ثبت کنید");
        return;
    case Access::Manager:
        if (!caller.isManager())
            throw ApiError::forbidden("این عملیات فقط برای مدیر دفتر مجاز است");
        if (caller.officeId.empty())
            throw ApiError::refused("ابتدا دفتر املاک خود را ثبت کنید");
        return;
    case Access::Founder:
        if (!caller.isManager())
            throw ApiError::forbidden("این عملیات فقط برای مدیر دفتر مجاز است");
        return;
    }
}

void ApiRouter::dispatch(const httplib::Request &request, httplib::Response &response,
                         const std::string &body) {
    const std::string path = request.matches[2];
    try {
        const Route *route = find(path);
        if (!route)
            throw ApiError::notFound("مسیر درخواستی در سرویس وجود ندارد");

        const std::string contentType = request.get_header_value("Content-Type");
        Params params;
        if (contentType.find("application/x-www-form-urlencoded") != std::string::npos) {
            params = Params::fromForm(body);
        } else if (contentType.find("multipart/") != std::string::npos) {
            throw ApiError(415,
                           "نوع محتوای درخواست برای این مسیر پشتیبانی "
                           "نمی‌شود",
                           {}, "E_UNSUPPORTED_MEDIA");
        } else if (contentType.empty() && !body.empty() && body.front() != '{') {
            params = Params::fromForm(body);
        } else {
            params = Params::fromJson(body);
        }

        auto lease = m_context.database().acquire();
        Call call{m_context, *lease, request, std::move(params), Caller{}, {}};
        if (route->access != Access::Public) {
            call.caller =
                m_context.sessions().authenticate(*lease, request.get_header_value("Authorization"));
            checkAccess(call.caller, route->access);
        }
        nlohmann::json result = route->handler(call);
        if (!result.is_object())
            result = nlohmann::json::object();
        if (!call.messages.empty()) {
            result["messages"] = call.messages;
            result["message"] = call.messages.front();
        }
        reply(response, 200, Envelope::success(std::move(result), call.messages));
    } catch (const ApiError &error) {
        reply(response, error.status, Envelope::failure(error));
    } catch (const std::exception &error) {
        std::cerr << "error in " << path << ": " << error.what() << std::endl;
        reply(response, 500,
              Envelope::failure(
                  ApiError(500, "خطای داخلی در سرویس رخ داد؛ لطفا دوباره تلاش کنید", {}, "E_INTERNAL")));
    }
}
