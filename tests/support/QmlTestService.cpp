#include "QmlTestService.h"

#include "ServiceConfig.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QUrl>

QmlTestService::QmlTestService(const QString &program, QObject *parent)
    : QObject(parent)
    , m_program(program) {}

QmlTestService::~QmlTestService() {
    stop();
}

bool QmlTestService::start(const QStringList &extraArgs) {
    stop();
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList args{QStringLiteral("--data"),       m_data.path(),
                     QStringLiteral("--port"),       QStringLiteral("0"),
                     QStringLiteral("--seed"),       QStringLiteral("demo"),
                     QStringLiteral("--fixed-code"), QStringLiteral("1234")};
    args << extraArgs;
    m_process->start(m_program, args);
    if (!m_process->waitForStarted(10000)) {
        qWarning("cannot start %s", qPrintable(m_program));
        return false;
    }
    static const QRegularExpression listening(QStringLiteral("listening on (https://[^/\\s]+)/api/"));
    QByteArray output;
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired() && m_process->state() == QProcess::Running) {
        m_process->waitForReadyRead(100);
        output += m_process->readAllStandardOutput();
        const QRegularExpressionMatch match = listening.match(QString::fromUtf8(output));
        if (match.hasMatch()) {
            m_origin = match.captured(1);
            ServiceConfig::instance()->redirectTo(m_origin);
            Q_EMIT originChanged();
            return true;
        }
    }
    qWarning("the stand-in service did not start: %s", output.constData());
    return false;
}

bool QmlTestService::restart(const QStringList &extraArgs) {
    return start(extraArgs);
}

void QmlTestService::stop() {
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(10000)) {
            m_process->kill();
            m_process->waitForFinished(5000);
        }
    }
    m_process.reset();
    if (!m_origin.isEmpty()) {
        m_origin.clear();
        Q_EMIT originChanged();
    }
}
