#pragma once

#include "ApiError.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

// The reply body every API route answers with.
namespace Envelope {

nlohmann::json success(nlohmann::json result, const std::vector<std::string> &messages);
nlohmann::json failure(const ApiError &error);
std::string failureText(int status, const std::string &message, const std::string &error);

} // namespace Envelope
