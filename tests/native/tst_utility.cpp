#include "Utility.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void writeFile(const QString &path, const QByteArray &content = "x") {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Every file below `root`, as paths relative to it.
QStringList filesBelow(const QString &root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

QString cacheLocation() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

} // namespace

class TestUtility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("XDG_CACHE_HOME", (m_home.path() + QStringLiteral("/cache")).toLocal8Bit());
        QCoreApplication::setOrganizationName(QStringLiteral("Norvela"));
        QCoreApplication::setApplicationName(QStringLiteral("Norvela"));
        QVERIFY(cacheLocation().startsWith(m_home.path()));
    }

    void init() {
        QDir(m_home.path()).removeRecursively();
        QDir().mkpath(m_home.path());
    }

    void tempDirectoryIsMadeEvenOnAFirstStart() {
        Utility utility;
        const QString expected = cacheLocation() + QStringLiteral("/temp/");
        QVERIFY(!QDir(cacheLocation()).exists());
        QCOMPARE(utility.getTempDirectory(), expected);
        QVERIFY(QDir(expected).exists());
        QCOMPARE(utility.getTempDirectory(), expected);
    }

    void clearTempEmptiesTheTreeButKeepsItsFolders() {
        Utility utility;
        const QString temp = cacheLocation() + QStringLiteral("/temp/");
        writeFile(temp + QStringLiteral("crop.jpg"));
        writeFile(temp + QStringLiteral(".hidden"));
        writeFile(temp + QStringLiteral("a/b/deep.png"));
        writeFile(temp + QStringLiteral("a/second.png"));
        utility.clearTemp();
        QCOMPARE(filesBelow(temp), QStringList());
        QVERIFY(QDir(temp + QStringLiteral("a/b")).exists());
    }

    void clearTempOnAMissingFolderDoesNothing() {
        Utility utility;
        utility.clearTemp();
        QVERIFY(!QDir(cacheLocation() + QStringLiteral("/temp/")).exists());
    }

    void clearCacheEmptiesImagesAndVideosOnly() {
        Utility utility;
        writeFile(cacheLocation() + QStringLiteral("/cache_images/1.jpg"));
        writeFile(cacheLocation() + QStringLiteral("/cache_videos/sub/2.mp4"));
        writeFile(cacheLocation() + QStringLiteral("/temp/keep.jpg"));
        utility.clearCache();
        QCOMPARE(filesBelow(cacheLocation()), QStringList{QStringLiteral("temp/keep.jpg")});
    }

    void mediaMarkerHidesAndShowsTheMediaFolder() {
        Utility utility;
        const QString marker = Utility::mediaDirectory() + QStringLiteral(".nomedia");
        QVERIFY(marker.startsWith(m_home.path()));

        utility.mediaVisible(true);
        QVERIFY(QDir(Utility::mediaDirectory()).exists());
        QVERIFY(!QFile::exists(marker));

        utility.mediaVisible(false);
        utility.mediaVisible(false);
        QFile file(marker);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("1"));
        file.close();
        QCOMPARE(filesBelow(Utility::mediaDirectory()), QStringList{QStringLiteral(".nomedia")});

        utility.mediaVisible(true);
        QVERIFY(!QFile::exists(marker));
    }

    void deleteDbFileRemovesOnlyTheFilesDirectlyInside() {
        Utility utility;
        const QString storage = m_home.path() + QStringLiteral("/offline");
        writeFile(storage + QStringLiteral("/Databases/abc.sqlite"));
        writeFile(storage + QStringLiteral("/Databases/abc.ini"));
        writeFile(storage + QStringLiteral("/Databases/nested/keep.sqlite"));
        writeFile(storage + QStringLiteral("/other.txt"));
        utility.deleteDbFile(storage);
        QCOMPARE(filesBelow(storage),
                 (QStringList{QStringLiteral("Databases/nested/keep.sqlite"), QStringLiteral("other.txt")}));
    }

    void deviceIdentityIsStable() {
        Utility utility;
        QCOMPARE(utility.deviceId(), utility.deviceId());
        QCOMPARE(utility.osVersion(), QSysInfo::productVersion());
        QCOMPARE(utility.compressImage(QStringLiteral("/no/such/file.jpg")),
                 QStringLiteral("/no/such/file.jpg"));
    }

    void copyToClipboardUsesTheClipboardProper() {
        Utility utility;
        const QString text = QStringLiteral("فایل ۱۲۳ - آپارتمان ۸۵ متری");
        utility.copyToClipboard(text);
        QCOMPARE(QGuiApplication::clipboard()->text(QClipboard::Clipboard), text);
    }

    void localUrlsAndPathsConvertBothWays_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("plain") << QStringLiteral("/home/agent/export.xlsx");
        QTest::newRow("spaces") << QStringLiteral("/home/agent/My Files/export 1.xlsx");
        QTest::newRow("persian") << QStringLiteral(
            "/home/مشاور/اسناد/خروجی فایل‌ها.xlsx");
        QTest::newRow("reserved characters") << QStringLiteral("/tmp/a#b%20c?d.png");
    }

    void localUrlsAndPathsConvertBothWays() {
        QFETCH(QString, path);
        Utility utility;
        const QString url = utility.localPathToUrl(path);
        QVERIFY(url.startsWith(QStringLiteral("file:///")));
        QCOMPARE(utility.urlToLocalPath(url), path);
        // A path stays a path.
        QCOMPARE(utility.urlToLocalPath(path), path);
    }

    void urlsWithoutALocalPathGiveNone() {
        Utility utility;
        QCOMPARE(utility.urlToLocalPath(QStringLiteral("https://127.0.0.1/a.png")), QString());
        QCOMPARE(utility.urlToLocalPath(QStringLiteral("qrc:/rss/images/icon.png")), QString());
        QCOMPARE(utility.localPathToUrl(QString()), QString());
    }

private:
    QTemporaryDir m_home;
};

QTEST_MAIN(TestUtility)
#include "tst_utility.moc"
