#include "ApiError.h"

ApiError::ApiError(int status_, std::string message_, std::string codeKey_, std::string error_)
    : std::runtime_error(message_)
    , status(status_)
    , message(std::move(message_))
    , codeKey(std::move(codeKey_))
    , error(std::move(error_)) {}

ApiError ApiError::badRequest(const std::string &text) {
    return ApiError(400, text, {}, "E_BAD_REQUEST");
}

ApiError ApiError::invalidValue(const std::string &key) {
    return badRequest("مقدار «" + key + "» معتبر نیست");
}

ApiError ApiError::missingValue(const std::string &key) {
    return badRequest("مقدار «" + key + "» ارسال نشده است");
}

ApiError ApiError::unauthorized(const std::string &text, const std::string &errorCode) {
    return ApiError(401, text, {}, errorCode);
}

ApiError ApiError::forbidden(const std::string &text) {
    return ApiError(403, text, {}, "E_FORBIDDEN");
}

ApiError ApiError::notFound(const std::string &text) {
    return ApiError(404, text, {}, "E_NOT_FOUND");
}

ApiError ApiError::refused(const std::string &text, const std::string &code) {
    return ApiError(200, text, code, code.empty() ? std::string("E_REFUSED") : code);
}
