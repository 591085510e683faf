#pragma once

#include <QByteArray>
#include <QString>

// Values fixed when the program is built (see the build options in the README).
namespace BuildConfig {
QString apiBaseUrl();
QString siteUrl();
QString mapTileUrl();
QString mapGeocodingUrl();
QString mapPlacesUrl();
QString organisationDomain();
// PEM text of the certificate authority the build was given (NORVELA_TRUSTED_CA), trusted beside
// the system's by every program of the build; empty when none was given.
QByteArray trustedCaPem();
// PEM text of the development authority made in the build tree, trusted only by the program built
// in the tree and the tests; empty in a build that makes none (the release preset).
QByteArray developmentCaPem();
} // namespace BuildConfig
