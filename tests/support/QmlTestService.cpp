#include "QmlTestService.h"

#include "ServiceConfig.h"

QmlTestService::QmlTestService(const QString &program, QObject *parent)
    : QObject(parent)
    , m_server(program) {
    m_server.setForwardErrors(true);
}

QmlTestService::~QmlTestService() {
    m_server.stop();
}

bool QmlTestService::start(const QStringList &extraArgs) {
    m_server.setExtraArguments(QStringList{QStringLiteral("--seed"), QStringLiteral("demo")} + extraArgs);
    return announce(m_server.start());
}

bool QmlTestService::restart(const QStringList &extraArgs) {
    m_server.setExtraArguments(QStringList{QStringLiteral("--seed"), QStringLiteral("demo")} + extraArgs);
    return announce(m_server.restart());
}

bool QmlTestService::announce(bool started) {
    if (started)
        ServiceConfig::instance()->redirectTo(m_server.origin());
    else
        qWarning("the stand-in service did not start");
    Q_EMIT originChanged();
    return started;
}

void QmlTestService::stop() {
    m_server.stop();
    Q_EMIT originChanged();
}

void QmlTestService::freeze() {
    m_server.freeze();
}

void QmlTestService::thaw() {
    m_server.thaw();
}
