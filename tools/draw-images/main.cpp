// Draws every picture in rss/images from vector shapes and the program's own fonts.
// Run it under the offscreen platform; see README.md.

#include "ArtFonts.h"
#include "ArtPainting.h"
#include "AvatarArt.h"
#include "BadgeArt.h"
#include "BrandArt.h"
#include "CityArt.h"
#include "EmptyFolderArt.h"
#include "SpinnerArt.h"
#include "StampArt.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <functional>
#include <vector>

namespace {

struct Picture {
    QString fileName;
    std::function<QImage()> draw;
};

} // namespace

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    QTextStream out(stdout);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the Norvela artwork into rss/images."));
    parser.addHelpOption();
    const QString sourceDir = QStringLiteral(NORVELA_SOURCE_DIR);
    const QCommandLineOption fontsOption(QStringLiteral("fonts"), QStringLiteral("Folder with the fonts."),
                                         QStringLiteral("dir"), sourceDir + QStringLiteral("/rss/fonts"));
    parser.addOption(fontsOption);
    parser.addPositionalArgument(
        QStringLiteral("output"),
        QStringLiteral("Folder for the images (default: the source tree's rss/images)."));
    parser.process(app);
    const QStringList positional = parser.positionalArguments();
    const QString outputDir =
        positional.isEmpty() ? sourceDir + QStringLiteral("/rss/images") : positional.first();

    ArtFonts fonts;
    QString error;
    if (!fonts.load(parser.value(fontsOption), &error)) {
        err << error << Qt::endl;
        return 1;
    }
    if (!QDir().mkpath(outputDir)) {
        err << "cannot create " << outputDir << Qt::endl;
        return 1;
    }

    const std::vector<Picture> pictures = {
        {QStringLiteral("icon.png"),
         [] {
             return drawAppIcon();
         }},
        {QStringLiteral("logo.png"),
         [] {
             return drawLogo();
         }},
        {QStringLiteral("logo_type.png"),
         [&fonts] {
             return drawLogoType(fonts);
         }},
        {QStringLiteral("premium.png"),
         [&fonts] {
             return drawPremiumBadge(fonts);
         }},
        {QStringLiteral("city.png"),
         [] {
             return drawCity();
         }},
        {QStringLiteral("no_file.png"),
         [] {
             return drawEmptyFolder();
         }},
        {QStringLiteral("archived.png"),
         [&fonts] {
             return drawStamp({QString::fromUtf8("بایگانی"), QStringLiteral("ARCHIVED"),
                               QColor(0x4a, 0x52, 0x68), -14, 11},
                              fonts);
         }},
        {QStringLiteral("cancelled.png"),
         [&fonts] {
             return drawStamp({QString::fromUtf8("کنسل شده"), QStringLiteral("CANCELLED"),
                               QColor(0xd3, 0x1f, 0x35), -12, 23},
                              fonts);
         }},
        {QStringLiteral("dealed.png"),
         [&fonts] {
             return drawStamp({QString::fromUtf8("معامله شده"), QStringLiteral("DEAL DONE"),
                               QColor(0x2f, 0x3a, 0xc8), -16, 37},
                              fonts);
         }},
        {QStringLiteral("sold.png"),
         [&fonts] {
             return drawStamp(
                 {QString::fromUtf8("فروخته شد"), QStringLiteral("SOLD"), QColor(0x12, 0x7a, 0x45), -13, 41},
                 fonts);
         }},
        {QStringLiteral("rented.png"),
         [&fonts] {
             return drawStamp({QString::fromUtf8("اجاره رفت"), QStringLiteral("RENTED"),
                               QColor(0x6a, 0x1f, 0xc8), -15, 59},
                              fonts);
         }},
        {QStringLiteral("user_placeholder.jpg"),
         [] {
             return drawPortraitPlaceholder();
         }},
        {QStringLiteral("man.png"),
         [] {
             return drawManAvatar();
         }},
        {QStringLiteral("google.png"),
         [&fonts] {
             return drawStoreBadge(fonts);
         }},
    };

    const QDir dir(outputDir);
    for (const Picture &picture : pictures) {
        const QImage image = picture.draw();
        if (!art::hasDetail(image)) {
            err << picture.fileName << " came out blank" << Qt::endl;
            return 1;
        }
        const QString path = dir.filePath(picture.fileName);
        // The quality only matters for the JPEG; PNGs keep Qt's default compression.
        const int quality = picture.fileName.endsWith(QLatin1String(".jpg")) ? 92 : -1;
        if (!image.save(path, nullptr, quality)) {
            err << "cannot write " << path << Qt::endl;
            return 1;
        }
        out << path << ' ' << image.width() << 'x' << image.height() << Qt::endl;
    }

    // The desktop's icon theme wants the icon at several sizes; the 256-pixel one is icon.png.
    const QString iconDir = positional.isEmpty() ? sourceDir + QStringLiteral("/packaging/icons")
                                                 : dir.filePath(QStringLiteral("icons"));
    if (!QDir().mkpath(iconDir)) {
        err << "cannot create " << iconDir << Qt::endl;
        return 1;
    }
    for (const int size : {32, 48, 64, 128}) {
        const QString path = QDir(iconDir).filePath(QStringLiteral("norvela-%1.png").arg(size));
        if (!drawAppIcon(size).save(path)) {
            err << "cannot write " << path << Qt::endl;
            return 1;
        }
        out << path << ' ' << size << 'x' << size << Qt::endl;
    }

    const QString gifPath = dir.filePath(QStringLiteral("loading.gif"));
    if (!writeSpinnerGif(gifPath, &error)) {
        err << error << Qt::endl;
        return 1;
    }
    out << gifPath << " 64x64, " << spinnerFrameCount() << " frames" << Qt::endl;
    return 0;
}
