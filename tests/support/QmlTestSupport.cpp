#include "QmlTestSupport.h"

#include "ServiceConfig.h"

#include <QFile>

QmlTestSupport::QmlTestSupport(const QString &homePath, QObject *parent)
    : QObject(parent)
    , m_homePath(homePath)
{
}

void QmlTestSupport::redirectService(const QString &origin) { ServiceConfig::instance()->redirectTo(origin); }

bool QmlTestSupport::fileExists(const QString &path) const { return QFile::exists(path); }

QString QmlTestSupport::readTextFile(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}
