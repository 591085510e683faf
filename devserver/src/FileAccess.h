#pragma once

#include "Caller.h"
#include "Database.h"

#include <string>
#include <vector>

// Who may see and change which listing.
namespace FileAccess {

struct FileRef {
    std::string id;
    std::string officeId;
    std::string createdBy;
    int dealType = 0;
    int status = 0;
    bool hidden = false;
    bool systemFile = false;
};

// The attributes that name and reach a listing's owner. Other offices never read them, so nothing
// another office does may depend on them either (a search on them could recover them).
bool isOwnerContact(const std::string &attribute);
const std::vector<std::string> &ownerContactKeys();

// The deal types of the folders an adviser was granted.
std::vector<int> adviserDealTypes(Connection &connection, const Caller &caller);
// A listing of the caller's office that the caller may see; refuses other offices' ids.
FileRef ownFile(Connection &connection, const Caller &caller, const std::string &fileId);
// As ownFile, but also a listing another office offers to the cooperation pool.
FileRef visibleFile(Connection &connection, const Caller &caller, const std::string &fileId);

} // namespace FileAccess
