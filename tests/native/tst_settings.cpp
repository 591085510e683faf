#include "Settings.h"

#include <QFile>
#include <QJSEngine>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.path().toLocal8Bit());
        QCoreApplication::setOrganizationName(QStringLiteral("Norvela"));
        QCoreApplication::setApplicationName(QStringLiteral("Norvela"));
    }

    void init() { QFile::remove(Settings().filePath()); }

    void fileLivesInTheApplicationsOwnFolder() {
        const QString path = Settings().filePath();
        QVERIFY(path.startsWith(m_home.path()));
        QVERIFY(path.endsWith(QStringLiteral("/Norvela/Norvela/settings.ini")));
    }

    void firstRunReadsDefaultsAndWritesNothing() {
        Settings settings;
        QCOMPARE(settings.boolValue(QStringLiteral("is_login"), false), false);
        QCOMPARE(settings.boolValue(QStringLiteral("is_login"), true), true);
        const QVariantMap empty;
        QCOMPARE(settings.value(QStringLiteral("user_data"), empty).toMap(), empty);
        QVERIFY(!QFile::exists(settings.filePath()));
    }

    void everyWriteReachesTheFileAtOnce() {
        Settings settings;
        settings.setValue(QStringLiteral("is_login"), true);
        // A second store opened on the same file sees it without the first one going away,
        // as after a crash right after sign-in.
        QSettings onDisk(settings.filePath(), QSettings::IniFormat);
        QCOMPARE(onDisk.value(QStringLiteral("is_login")).toBool(), true);
    }

    void nestedScriptObjectsSurviveARestart() {
        QJSEngine js;
        const QJSValue record =
            js.evaluate(QStringLiteral("({ apiToken: 'abc', systemRole: 'officeMan', avatar: false,"
                                       "   office: { title: 'املاک نمونه', folders: [ { _id: 'f1', order: 1 "
                                       "}, { _id: 'f2', order: 2 } ],"
                                       "             currentPlan: { maxFilesPerPeriod: 20 } } })"));
        {
            Settings settings;
            settings.setValue(QStringLiteral("user_data"), QVariant::fromValue(record));
        }
        Settings reopened;
        const QVariantMap user = reopened.value(QStringLiteral("user_data"), QVariantMap()).toMap();
        QCOMPARE(user.value(QStringLiteral("apiToken")).toString(), QStringLiteral("abc"));
        QCOMPARE(user.value(QStringLiteral("avatar")).toBool(), false);
        const QVariantMap office = user.value(QStringLiteral("office")).toMap();
        QCOMPARE(office.value(QStringLiteral("title")).toString(), QStringLiteral("املاک نمونه"));
        const QVariantList folders = office.value(QStringLiteral("folders")).toList();
        QCOMPARE(folders.size(), 2);
        QCOMPARE(folders.at(1).toMap().value(QStringLiteral("order")).toInt(), 2);
        QCOMPARE(office.value(QStringLiteral("currentPlan"))
                     .toMap()
                     .value(QStringLiteral("maxFilesPerPeriod"))
                     .toInt(),
                 20);
    }

    void eachWriteSignalsOnceEvenWhenUnchanged() {
        Settings settings;
        QSignalSpy changed(&settings, &Settings::settingChanged);
        settings.setValue(QStringLiteral("is_login"), true);
        settings.setValue(QStringLiteral("is_login"), true);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("is_login"));
    }

    void setValueIfNotSetKeepsPresentValuesSilently() {
        Settings settings;
        QSignalSpy changed(&settings, &Settings::settingChanged);
        settings.initToDefaults();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(settings.value(QStringLiteral("test"), QVariant()).toBool(), true);
        settings.setValue(QStringLiteral("test"), false);
        settings.initToDefaults();
        settings.setValueIfNotSet(QStringLiteral("test"), true);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(settings.boolValue(QStringLiteral("test"), true), false);
    }

    void boolValueConvertsAsVariantsDo_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("expected");
        QTest::newRow("text true") << QVariant(QStringLiteral("true")) << true;
        QTest::newRow("text false") << QVariant(QStringLiteral("false")) << false;
        QTest::newRow("number one") << QVariant(1) << true;
        QTest::newRow("number zero") << QVariant(0) << false;
        QTest::newRow("a map cannot be a boolean")
            << QVariant(QVariantMap{{QStringLiteral("a"), 1}}) << false;
    }

    void boolValueConvertsAsVariantsDo() {
        QFETCH(QVariant, stored);
        QFETCH(bool, expected);
        Settings settings;
        settings.setValue(QStringLiteral("flag"), stored);
        Settings reopened;
        QCOMPARE(reopened.boolValue(QStringLiteral("flag"), !expected), expected);
    }

    void unreadableFileReadsAsEmpty() {
        const QString path = Settings().filePath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile garbage(path);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("\x00\x01\xff not an ini file [[[\n=====\n", 40);
        garbage.close();
        Settings settings;
        QCOMPARE(settings.boolValue(QStringLiteral("is_login"), false), false);
        QCOMPARE(settings.value(QStringLiteral("user_data"), QStringLiteral("default")).toString(),
                 QStringLiteral("default"));
    }

private:
    QTemporaryDir m_home;
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
