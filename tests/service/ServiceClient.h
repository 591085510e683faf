#pragma once

#include <httplib.h>
#include <nlohmann/json.hpp>

#include <map>
#include <string>

// HTTPS requests to the test's service, verified against the build's development authority,
// shaped as the client program sends them.
class ServiceClient {
public:
    struct Reply {
        int status = 0;
        std::string body;
        std::string contentType;
        httplib::Headers headers;
        nlohmann::json json; // discarded when the body is not JSON
        bool ok() const { return json.is_object() && json.value("ok", false); }
        std::string firstMessage() const;
        const nlohmann::json &result() const { return json["result"]; }
    };

    explicit ServiceClient(int port);

    // Token handling as the program does it: "Authorization: Bearer <token>" when set.
    void setToken(const std::string &token) { m_token = token; }
    const std::string &token() const { return m_token; }

    Reply postJson(const std::string &route, const nlohmann::json &body, const std::string &version = "v1");
    Reply postForm(const std::string &route, const std::string &body, const httplib::Headers &extra = {},
                   bool withToken = true);
    Reply postRaw(const std::string &path, const std::string &body, const std::string &contentType,
                  const httplib::Headers &headers = {});
    Reply get(const std::string &path);
    // A multipart upload with text fields first, then one file part.
    Reply upload(const std::string &route, const std::map<std::string, std::string> &fields,
                 const std::string &fileField, const std::string &fileName, const std::string &mime,
                 const std::string &content);

    // Signs in with the code flow (the server runs with --fixed-code 1234); returns the token pair.
    nlohmann::json signInManager(const std::string &mobile, const std::string &deviceId = "device-1");
    nlohmann::json signInAdviser(const std::string &username, const std::string &password,
                                 const std::string &deviceId = "device-1");
    static std::string deviceForm(const std::string &deviceId);

private:
    Reply make(const httplib::Result &result);
    httplib::Headers authHeaders() const;

    httplib::SSLClient m_client;
    std::string m_token;
};
