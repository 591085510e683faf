#include "Envelope.h"

namespace Envelope {

nlohmann::json success(nlohmann::json result, const std::vector<std::string> &messages) {
    if (!result.is_object())
        result = nlohmann::json::object();
    nlohmann::json body = {{"ok", true}, {"result", std::move(result)}, {"messages", messages}};
    body["message"] = messages.empty() ? std::string() : messages.front();
    return body;
}

nlohmann::json failure(const ApiError &error) {
    nlohmann::json body = {{"ok", false},
                           {"messages", nlohmann::json::array({error.message})},
                           {"message", error.message},
                           {"error", error.error.empty() ? std::string("E_REFUSED") : error.error}};
    if (!error.codeKey.empty())
        body["codeKey"] = error.codeKey;
    for (auto it = error.extra.begin(); it != error.extra.end(); ++it)
        body[it.key()] = it.value();
    return body;
}

std::string failureText(int status, const std::string &message, const std::string &error) {
    return failure(ApiError(status, message, {}, error)).dump();
}

} // namespace Envelope
