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
    // How long a request to the service may go unanswered before it is given up, in milliseconds.
    Q_PROPERTY(int requestTimeout READ requestTimeout NOTIFY changed)

public:
    static ServiceConfig *instance();

    QString apiBaseUrl() const { return m_apiBaseUrl; }
    QString siteUrl() const { return m_siteUrl; }
    QString mapTileUrl() const { return m_mapTileUrl; }
    QString mapGeocodingUrl() const { return m_mapGeocodingUrl; }
    QString mapPlacesUrl() const { return m_mapPlacesUrl; }
    int requestTimeout() const { return m_requestTimeout; }

    // Points every address at another origin (scheme, host and port), keeping the paths.
    void redirectTo(const QString &origin);
    void setApiBaseUrl(const QString &url);
    // Only the test harnesses shorten it, so that a silent server is given up on quickly.
    void setRequestTimeout(int milliseconds);

Q_SIGNALS:
    void changed();

private:
    ServiceConfig();

    QString m_apiBaseUrl;
    QString m_siteUrl;
    QString m_mapTileUrl;
    QString m_mapGeocodingUrl;
    QString m_mapPlacesUrl;
    int m_requestTimeout = 30000;
};
