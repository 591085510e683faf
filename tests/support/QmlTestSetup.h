#pragma once

#include <QObject>
#include <QTemporaryDir>

class QQmlEngine;
class QQmlError;
class QmlTestSupport;

// Prepares the Quick Test runner the way the program prepares itself: the same native types,
// TLS trust and context properties, plus fresh storage for every test process and a failed
// test for any QML warning.
class QmlTestSetup : public QObject {
    Q_OBJECT

public:
    QmlTestSetup();

    // Warnings that arrived while no test function was running (they fail the process).
    int strayWarnings() const { return m_strayWarnings; }

public Q_SLOTS:
    void applicationAvailable();
    void qmlEngineAvailable(QQmlEngine *engine);

private:
    void onWarnings(const QList<QQmlError> &warnings);

    QTemporaryDir m_home;
    int m_strayWarnings = 0;
    QmlTestSupport *m_support = nullptr;
};
