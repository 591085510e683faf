#pragma once

#include <QObject>
#include <QString>

// Where the service and the map services live. The values come from the build options; the
// test harnesses redirect them to servers they start themselves.
class ServiceConfig : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString apiBaseUrl READ apiBaseUrl NOTIFY changed)
    Q_PROPERTY(QString siteUrl READ siteUrl NOTIFY changed)
    Q_PROPERTY(QString mapTileUrl READ mapTileUrl NOTIFY changed)
    Q_PROPERTY(QString mapGeocodingUrl READ mapGeocodingUrl NOTIFY changed)
    Q_PROPERTY(QString mapPlacesUrl READ mapPlacesUrl NOTIFY changed)

public:
    static ServiceConfig *instance();

    QString apiBaseUrl() const { return m_apiBaseUrl; }
    QString siteUrl() const { return m_siteUrl; }
    QString mapTileUrl() const { return m_mapTileUrl; }
    QString mapGeocodingUrl() const { return m_mapGeocodingUrl; }
    QString mapPlacesUrl() const { return m_mapPlacesUrl; }

    // Points every address at another origin (scheme, host and port), keeping the paths.
    void redirectTo(const QString &origin);
    void setApiBaseUrl(const QString &url);

Q_SIGNALS:
    void changed();

private:
    ServiceConfig();

    QString m_apiBaseUrl;
    QString m_siteUrl;
    QString m_mapTileUrl;
    QString m_mapGeocodingUrl;
    QString m_mapPlacesUrl;
};
