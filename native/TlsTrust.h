#pragma once

#include <QByteArray>

// TLS for every connection of the process: peers are verified against the system's certificate
// authorities plus the ones a build fixes.
namespace TlsTrust {
// Trusted beside the system's by the installed program: the authority the build was given, if any.
QByteArray installedAuthorities();
// Trusted beside the system's by the program built in the tree and by the tests: the given
// authority and the build tree's development authority.
QByteArray buildTreeAuthorities();

// Makes every TLS connection opened from now on verify its peer against the system's
// authorities plus those in `extraAuthoritiesPem` (PEM text, any number of certificates).
void install(const QByteArray &extraAuthoritiesPem = buildTreeAuthorities());
} // namespace TlsTrust
