#include "Host.h"

#include "BuildConfig.h"
#include "QmlTypes.h"
#include "ServiceConfig.h"
#include "TlsTrust.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTranslator>

#include <memory>

namespace Host {

namespace {
bool requestLogging = false;
bool trustDevelopmentAuthority = false;
} // namespace

QUrl mainDocumentUrl() {
    return QUrl(QStringLiteral("qrc:/main.qml"));
}

void setApplicationIdentity() {
    QCoreApplication::setApplicationVersion(QStringLiteral("2.1.0.0"));
    QCoreApplication::setOrganizationName(QStringLiteral("Norvela"));
    QCoreApplication::setOrganizationDomain(BuildConfig::organisationDomain());
    QCoreApplication::setApplicationName(QStringLiteral("Norvela"));
}

void chooseSceneGraphBackend() {
    // Machines without a working OpenGL (virtual desktops, remote sessions, the offscreen
    // platform) would abort at the first frame: draw with the software renderer there.
    QOpenGLContext probe;
    if (!probe.create())
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
}

void registerFontFaces() {
    for (const char *face : {"Vazirmatn-Medium.ttf", "Vazirmatn-Bold.ttf"})
        QFontDatabase::addApplicationFont(QStringLiteral(":/rss/fonts/") + QLatin1String(face));
}

void installQtTranslations() {
    // Debian ships them in qttranslations5-l10n; without it the dialogs stay in English. The
    // catalogues are loaded one by one: the combined "qt_fa" names modules Debian does not ship
    // in Persian and does not load.
    const QString folder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    for (const char *catalogue : {"qtbase", "qtdeclarative"}) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QLocale(QLocale::Persian, QLocale::Iran), QLatin1String(catalogue),
                             QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
}

void setRequestLogging(bool enabled) {
    requestLogging = enabled;
}

void setTrustDevelopmentAuthority(bool trusted) {
    trustDevelopmentAuthority = trusted;
}

void publishContextProperties(QQmlEngine *engine) {
    engine->rootContext()->setContextProperty(QStringLiteral("offlineStoragePath"),
                                              engine->offlineStoragePath());
    engine->rootContext()->setContextProperty(QStringLiteral("serviceConfig"), ServiceConfig::instance());
    engine->rootContext()->setContextProperty(QStringLiteral("requestLogging"), requestLogging);
}

int run(int argc, char *argv[], const QUrl &mainUrl) {
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    TlsTrust::install(trustDevelopmentAuthority ? TlsTrust::buildTreeAuthorities()
                                                : TlsTrust::installedAuthorities());

    QApplication app(argc, argv);
    setApplicationIdentity();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/rss/images/icon.png")));
    registerFontFaces();
    installQtTranslations();
    chooseSceneGraphBackend();

    QmlTypes::registerAll();

    auto engine = std::make_unique<QQmlApplicationEngine>();
    QObject::connect(
        engine.get(), &QQmlApplicationEngine::objectCreated, &app,
        [mainUrl](QObject *object, const QUrl &url) {
            if (!object && url == mainUrl)
                QCoreApplication::exit(-1);
        },
        Qt::QueuedConnection);
    publishContextProperties(engine.get());
    engine->load(mainUrl);
    const int exitCode = app.exec();
    engine.reset();
    return exitCode;
}

} // namespace Host
