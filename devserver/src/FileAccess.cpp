#include "FileAccess.h"

#include "ApiError.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace FileAccess {

namespace {

const char *const kNotFound = "فایل مورد نظر یافت نشد";

bool visibleToAdviser(Connection &connection, const Caller &caller, const FileRef &file) {
    if (file.createdBy == caller.userId)
        return true;
    if (file.hidden)
        return false;
    const auto types = adviserDealTypes(connection, caller);
    return std::find(types.begin(), types.end(), file.dealType) != types.end();
}

} // namespace

const std::vector<std::string> &ownerContactKeys() {
    static const std::vector<std::string> keys = {"address",    "name_family", "mobile",      "phone",
                                                  "mobile1",    "mobile2",     "tenant_name", "tenant_phone",
                                                  "name_guard", "phone_guard"};
    return keys;
}

bool isOwnerContact(const std::string &attribute) {
    const auto &keys = ownerContactKeys();
    return std::find(keys.begin(), keys.end(), attribute) != keys.end();
}

std::vector<int> adviserDealTypes(Connection &connection, const Caller &caller) {
    Statement statement = connection.prepare("SELECT query FROM folders WHERE office_id = ? AND EXISTS "
                                             "(SELECT 1 FROM json_each(folders.users) WHERE "
                                             "value = ?)");
    statement.bind(1, caller.officeId).bind(2, caller.userId);
    std::vector<int> types;
    while (statement.step()) {
        const nlohmann::json query = nlohmann::json::parse(statement.text(0), nullptr, false);
        if (query.is_object() && query.contains("dealType") && query["dealType"].is_number_integer()) {
            const int dealType = query["dealType"].get<int>();
            if (std::find(types.begin(), types.end(), dealType) == types.end())
                types.push_back(dealType);
        }
    }
    return types;
}

FileRef visibleFile(Connection &connection, const Caller &caller, const std::string &fileId) {
    Statement statement = connection.prepare(
        "SELECT id, office_id, IFNULL(created_by, ''), deal_type, status, just_owner_access, system_file, "
        "IFNULL(shared, 0) FROM property_files WHERE id = ?");
    statement.bind(1, fileId);
    if (!statement.step())
        throw ApiError::notFound(kNotFound);
    FileRef file;
    file.id = statement.text(0);
    file.officeId = statement.text(1);
    file.createdBy = statement.text(2);
    file.dealType = static_cast<int>(statement.integer(3));
    file.status = static_cast<int>(statement.integer(4));
    file.hidden = statement.integer(5) != 0;
    file.systemFile = statement.integer(6) != 0;
    const bool shared = statement.integer(7) != 0;
    if (file.officeId != caller.officeId) {
        if (shared && file.status != -2)
            return file;
        throw ApiError::notFound(kNotFound);
    }
    if (!caller.isManager() && !visibleToAdviser(connection, caller, file))
        throw ApiError::notFound(kNotFound);
    return file;
}

FileRef ownFile(Connection &connection, const Caller &caller, const std::string &fileId) {
    FileRef file = visibleFile(connection, caller, fileId);
    if (file.officeId != caller.officeId)
        throw ApiError::forbidden("این فایل متعلق به دفتر دیگری است و قابل تغییر نیست");
    return file;
}

} // namespace FileAccess
