#pragma once

#include <string>

// The development certificate authority of a service that was given no certificate: made in a
// folder of its data on the first start and kept there, so that an installed service needs
// nothing from the tree it was built in, and a client told to trust the authority once keeps
// reaching it across restarts.
namespace DevAuthority {

struct Files {
    std::string authorityCertificate; // ca.crt: what a client or the system is told to trust
    std::string certificate;          // server.crt, for 127.0.0.1 and localhost
    std::string key;                  // server.key
    bool authorityCreated = false;
};

// Makes ca.crt, ca.key, server.crt and server.key in `folder` where they are missing. A server
// certificate that is missing, unreadable, not issued by the authority or ending within a week
// is issued anew by the same authority. The authority itself is made anew only when it is missing,
// unreadable or would end before a certificate issued now.
// Throws std::runtime_error when a file cannot be written.
Files ensure(const std::string &folder);

} // namespace DevAuthority
