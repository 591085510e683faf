#include "Settings.h"

#include <QJSValue>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString settingsFilePath() {
#ifdef Q_OS_WIN
    // Per user and per application there already.
    const auto location = QStandardPaths::ConfigLocation;
#else
    // Elsewhere the configuration location is shared by all programs.
    const auto location = QStandardPaths::AppConfigLocation;
#endif
    return QStandardPaths::writableLocation(location) + QStringLiteral("/settings.ini");
}

// Script objects reach a slot as a QJSValue wrapped in a variant, which QSettings cannot
// serialise: store them as the maps and lists they stand for.
QVariant storable(const QVariant &value) {
    if (value.userType() == qMetaTypeId<QJSValue>())
        return value.value<QJSValue>().toVariant();
    return value;
}

} // namespace

Settings::Settings()
    : QObject(nullptr)
    , m_filePath(settingsFilePath())
    , m_settings(new QSettings(m_filePath, QSettings::IniFormat, this)) {}

void Settings::setValue(const QString &key, const QVariant &value) {
    m_settings->setValue(key, storable(value));
    // Written through at once: a crash right after sign-in must not lose the session.
    m_settings->sync();
    Q_EMIT settingChanged(key);
}

void Settings::setValueIfNotSet(const QString &key, const QVariant &value) {
    if (!m_settings->contains(key))
        setValue(key, value);
}

QVariant Settings::value(const QString &key, const QVariant &defaultValue) const {
    return m_settings->value(key, defaultValue);
}

bool Settings::boolValue(const QString &key, bool defaultValue) const {
    if (!m_settings->contains(key))
        return defaultValue;
    const QVariant stored = m_settings->value(key);
    return stored.canConvert<bool>() && stored.toBool();
}

void Settings::initToDefaults() {
    setValueIfNotSet(QStringLiteral("test"), true);
}
