#pragma once

#include "Caller.h"
#include "Database.h"
#include "Params.h"

#include <httplib.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <map>
#include <string>
#include <vector>

class ServiceContext;

// One API request on its way through a handler.
struct Call {
    ServiceContext &context;
    Connection &db;
    const httplib::Request &request;
    Params params;
    Caller caller;
    // Success texts: sent in the envelope's `messages` and in `result.messages`/`result.message`.
    std::vector<std::string> messages;

    void requireOffice() const;
    void requireManager() const;
};

using RouteHandler = std::function<nlohmann::json(Call &)>;

// Dispatches POST <API base>v1/… and v2/… to the route handlers. Role routes answer under both
// role prefixes ("officeMan/…", "employee/…"); which role may act is decided by the token, not by
// the prefix. Every reply is the JSON envelope.
class ApiRouter {
public:
    enum class Access {
        Public,   // sign-in, no token needed (an Authorization header is ignored)
        SignedIn, // any signed-in user, office or not
        Office,   // a user of an office
        Manager,  // an office manager with an office
        Founder   // an office manager, with or without an office
    };

    // The largest body any route takes (photos may be several megabytes; nothing else comes close).
    static constexpr std::size_t kBodyLimit = 24 * 1024 * 1024;

    explicit ApiRouter(ServiceContext &context);

    void plain(const std::string &path, Access access, RouteHandler handler);
    void role(const std::string &path, Access access, RouteHandler handler);
    void install(httplib::Server &server);

    // Shared by the upload routes, which read their own bodies.
    static void reply(httplib::Response &response, int status, const nlohmann::json &body);
    // Reads a body of at most `limit` bytes, however it is sent (with a length or in chunks).
    // Returns 0, or the status to refuse it with: 413 when it is longer, 400 when it breaks off.
    static int readBody(const httplib::Request &request, httplib::Response &response,
                        const httplib::ContentReader &reader, std::size_t limit, std::string &body);
    static void checkAccess(const Caller &caller, Access access);

private:
    struct Route {
        Access access;
        RouteHandler handler;
    };
    void dispatch(const httplib::Request &request, httplib::Response &response, const std::string &body);
    const Route *find(const std::string &path) const;

    ServiceContext &m_context;
    std::map<std::string, Route> m_plain;
    std::map<std::string, Route> m_role;
};
