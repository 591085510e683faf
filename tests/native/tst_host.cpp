#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The program's start-up, run in a child process with documents made for the purpose.
class TestHost : public QObject {
    Q_OBJECT

private:
    int runProbe(const QString &document) {
        QProcess probe;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), m_home.path());
        env.insert(QStringLiteral("XDG_CACHE_HOME"), m_home.path() + QStringLiteral("/cache"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path() + QStringLiteral("/config"));
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral(HOST_PROBE), {document});
        if (!probe.waitForFinished(30000)) {
            probe.kill();
            return -1000;
        }
        if (probe.exitStatus() != QProcess::NormalExit)
            return -2000;
        return probe.exitCode();
    }

    QTemporaryDir m_home;

private Q_SLOTS:
    void mainDocumentThatCannotBeCreatedEndsWithMinusOne() {
        // -1 as a process exit status reads back as 255.
        QCOMPARE(runProbe(QStringLiteral("qrc:/hosttest/CannotCreate.qml")), 255);
        QCOMPARE(runProbe(QStringLiteral("qrc:/hosttest/NoSuchDocument.qml")), 255);
    }

    void createdDocumentKeepsTheProgramRunning() {
        QCOMPARE(runProbe(QStringLiteral("qrc:/hosttest/QuitsWithCode.qml")), 3);
    }

    void documentsSeeTheHostsIdentityTypesAndContext() {
        QCOMPARE(runProbe(QStringLiteral("qrc:/hosttest/SeesHostContext.qml")), 0);
    }
};

QTEST_GUILESS_MAIN(TestHost)
#include "tst_host.moc"
