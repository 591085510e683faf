#pragma once

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>

// A refusal that travels to the client as a failure envelope. `message` is the Persian text the
// client shows; `status` the HTTP status (200 for refusals the client reads as ordinary replies).
class ApiError : public std::runtime_error {
public:
    ApiError(int status, std::string message, std::string codeKey = std::string(),
             std::string error = std::string());

    static ApiError badRequest(const std::string &message);
    static ApiError invalidValue(const std::string &key);
    static ApiError missingValue(const std::string &key);
    static ApiError unauthorized(const std::string &message, const std::string &error);
    static ApiError forbidden(const std::string &message);
    static ApiError notFound(const std::string &message);
    static ApiError refused(const std::string &message, const std::string &codeKey = std::string());

    int status;
    std::string message;
    std::string codeKey;
    std::string error;
    // Extra envelope keys (e.g. messages2).
    nlohmann::json extra = nlohmann::json::object();
};
