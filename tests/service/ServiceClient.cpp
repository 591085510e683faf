#include "ServiceClient.h"

#include <csignal>

std::string ServiceClient::Reply::firstMessage() const {
    if (json.is_object() && json.contains("messages") && json["messages"].is_array() &&
        !json["messages"].empty())
        return json["messages"][0].get<std::string>();
    return std::string();
}

ServiceClient::ServiceClient(int port)
    : m_client("127.0.0.1", port) {
    // A server that answers before reading a whole upload closes the socket under our writes.
    std::signal(SIGPIPE, SIG_IGN);
    m_client.set_ca_cert_path(NORVELA_DEVCERT_CA);
    m_client.enable_server_certificate_verification(true);
    m_client.set_connection_timeout(10, 0);
    m_client.set_read_timeout(60, 0);
    m_client.set_write_timeout(60, 0);
}

ServiceClient::Reply ServiceClient::make(const httplib::Result &result) {
    Reply reply;
    if (!result)
        return reply;
    reply.status = result->status;
    reply.body = result->body;
    reply.contentType = result->get_header_value("Content-Type");
    reply.headers = result->headers;
    reply.json = nlohmann::json::parse(reply.body, nullptr, false);
    return reply;
}

httplib::Headers ServiceClient::authHeaders() const {
    httplib::Headers headers{{"Connection", "Close"}};
    if (!m_token.empty())
        headers.emplace("Authorization", "Bearer " + m_token);
    return headers;
}

ServiceClient::Reply ServiceClient::postJson(const std::string &route, const nlohmann::json &body,
                                             const std::string &version) {
    httplib::Headers headers = authHeaders();
    headers.emplace("accept", "application/json");
    return make(
        m_client.Post(("/api/" + version + "/" + route).c_str(), headers, body.dump(), "application/json"));
}

ServiceClient::Reply ServiceClient::postForm(const std::string &route, const std::string &body,
                                             const httplib::Headers &extra, bool withToken) {
    httplib::Headers headers = withToken ? authHeaders() : httplib::Headers{{"Connection", "Close"}};
    for (const auto &header : extra)
        headers.insert(header);
    return make(
        m_client.Post(("/api/v1/" + route).c_str(), headers, body, "application/x-www-form-urlencoded"));
}

ServiceClient::Reply ServiceClient::postRaw(const std::string &path, const std::string &body,
                                            const std::string &contentType, const httplib::Headers &headers) {
    httplib::Headers all = authHeaders();
    for (const auto &header : headers)
        all.insert(header);
    return make(m_client.Post(path.c_str(), all, body, contentType.c_str()));
}

ServiceClient::Reply ServiceClient::get(const std::string &path) {
    return make(m_client.Get(path.c_str()));
}

ServiceClient::Reply ServiceClient::upload(const std::string &route,
                                           const std::map<std::string, std::string> &fields,
                                           const std::string &fileField, const std::string &fileName,
                                           const std::string &mime, const std::string &content) {
    const std::string boundary = "boundary_.oOo._NorvelaTest";
    std::string body;
    for (const auto &field : fields)
        body += "--" + boundary + "\r\nContent-Disposition: form-data; name=\"" + field.first + "\"\r\n\r\n" +
                field.second + "\r\n";
    body += "--" + boundary + "\r\nContent-Type: " + mime + "\r\nContent-Disposition: form-data; name=\"" +
            fileField + "\"; filename=\"" + fileName + "\"\r\n\r\n" + content + "\r\n--" + boundary +
            "--\r\n";
    httplib::Headers headers;
    if (!m_token.empty())
        headers.emplace("Authorization", "Bearer " + m_token);
    return make(m_client.Post(("/api/v1/" + route).c_str(), headers, body,
                              ("multipart/form-data; boundary=" + boundary).c_str()));
}

std::string ServiceClient::deviceForm(const std::string &deviceId) {
    return "platform=desktop&os=windows&deviceId=" + deviceId + "&osVersion=10&appVersion=2.1.0.0";
}

nlohmann::json ServiceClient::signInManager(const std::string &mobile, const std::string &deviceId) {
    m_token.clear();
    const std::string device = "platform=desktop&os=windows&deviceId=" + deviceId + "&osVersion=10";
    const Reply request = postForm("login/officeMan", device + "&username=" + mobile + "&appVersion=2.1.0.0");
    if (!request.ok())
        return request.json;
    const Reply confirm = postForm("login/officeMan", device + "&appVersion=2.1.0.0&username=" + mobile +
                                                          "&verificationCode=1234");
    if (confirm.ok())
        m_token = confirm.json["result"]["token"]["token"].get<std::string>();
    return confirm.json;
}

nlohmann::json ServiceClient::signInAdviser(const std::string &username, const std::string &password,
                                            const std::string &deviceId) {
    m_token.clear();
    const Reply reply = postForm("login/employee", "username=" + username + "&password=" + password + "&" +
                                                       deviceForm(deviceId));
    if (reply.ok())
        m_token = reply.json["result"]["token"]["token"].get<std::string>();
    return reply.json;
}
