#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

class QSettings;

// The program's key/value store: one INI file per user, read and written from QML.
class Settings : public QObject {
    Q_OBJECT

public:
    Settings();

    // Where the store keeps its file.
    QString filePath() const { return m_filePath; }

public Q_SLOTS:
    void setValue(const QString &key, const QVariant &value);
    void setValueIfNotSet(const QString &key, const QVariant &value);
    QVariant value(const QString &key, const QVariant &defaultValue) const;
    bool boolValue(const QString &key, bool defaultValue) const;
    void initToDefaults();

Q_SIGNALS:
    void settingChanged(const QString &key);

private:
    QString m_filePath;
    QSettings *m_settings;
};
