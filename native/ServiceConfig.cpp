#include "ServiceConfig.h"

#include "BuildConfig.h"

#include <QQmlEngine>
#include <QUrl>

ServiceConfig::ServiceConfig()
    : m_apiBaseUrl(BuildConfig::apiBaseUrl())
    , m_siteUrl(BuildConfig::siteUrl())
    , m_mapTileUrl(BuildConfig::mapTileUrl())
    , m_mapGeocodingUrl(BuildConfig::mapGeocodingUrl())
    , m_mapPlacesUrl(BuildConfig::mapPlacesUrl()) {
    // Shared by every engine of the process: QML must never take ownership of it.
    QQmlEngine::setObjectOwnership(this, QQmlEngine::CppOwnership);
}

ServiceConfig *ServiceConfig::instance() {
    static ServiceConfig config;
    return &config;
}

static QString withOrigin(const QString &address, const QUrl &origin) {
    QUrl url(address);
    url.setScheme(origin.scheme());
    url.setHost(origin.host());
    url.setPort(origin.port());
    return url.toString();
}

void ServiceConfig::redirectTo(const QString &origin) {
    const QUrl target(origin);
    m_apiBaseUrl = withOrigin(m_apiBaseUrl, target);
    m_siteUrl = withOrigin(m_siteUrl, target);
    m_mapTileUrl = withOrigin(m_mapTileUrl, target);
    m_mapGeocodingUrl = withOrigin(m_mapGeocodingUrl, target);
    m_mapPlacesUrl = withOrigin(m_mapPlacesUrl, target);
    Q_EMIT changed();
}

void ServiceConfig::setApiBaseUrl(const QString &url) {
    m_apiBaseUrl = url;
    Q_EMIT changed();
}

void ServiceConfig::setRequestTimeout(int milliseconds) {
    m_requestTimeout = milliseconds;
    Q_EMIT changed();
}
