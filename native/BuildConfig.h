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
// PEM text of the certificate authority trusted beside the system's.
QByteArray trustedCaPem();
} // namespace BuildConfig
