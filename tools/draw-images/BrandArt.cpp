#include "BrandArt.h"

#include "ArtFonts.h"
#include "ArtPainting.h"
#include "BrandMark.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

const QColor brand(0x52, 0x60, 0xff);
const QColor brandDark(0x3e, 0x56, 0xf0);
const QColor brandDeep(0x2f, 0x3a, 0xc8);
const QColor night(0x34, 0x33, 0x51);

} // namespace

QImage drawAppIcon(int size) {
    QImage image = art::canvas(QSize(size, size));
    QPainter painter(&image);
    art::smooth(painter);
    // Drawn on a 256-pixel grid; smaller icons are the same shapes drawn smaller, not a scaled image.
    painter.scale(size / 256.0, size / 256.0);

    const QRectF tile(8, 8, 240, 240);
    QPainterPath tilePath;
    tilePath.addRoundedRect(tile, 54, 54);

    // A soft drop shadow so the tile lifts off light and dark desktops alike.
    for (int i = 6; i >= 1; --i) {
        QPainterPath halo;
        halo.addRoundedRect(tile.adjusted(-i * 0.8, -i * 0.4, i * 0.8, i * 1.2), 54 + i, 54 + i);
        painter.fillPath(halo, QColor(20, 24, 80, 10));
    }

    QLinearGradient ground(tile.topLeft(), tile.bottomRight());
    ground.setColorAt(0.0, QColor(0x74, 0x80, 0xff));
    ground.setColorAt(0.55, brand);
    ground.setColorAt(1.0, brandDeep);
    painter.fillPath(tilePath, ground);

    // Light falling from the top-left corner.
    painter.save();
    painter.setClipPath(tilePath);
    QRadialGradient sheen(QPointF(60, 40), 200);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 70));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(tile, sheen);
    painter.restore();

    const QRectF markBox(40, 38, 176, 176);
    const QPainterPath mark = brandMark(markBox);
    painter.fillPath(mark.translated(0, 5), QColor(10, 14, 90, 60));
    QLinearGradient ink(markBox.topLeft(), markBox.bottomLeft());
    ink.setColorAt(0.0, Qt::white);
    ink.setColorAt(1.0, QColor(0xe6, 0xe9, 0xff));
    painter.fillPath(mark, ink);

    painter.setPen(QPen(QColor(255, 255, 255, 60), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tilePath);
    return image;
}

QImage drawLogoType(const ArtFonts &fonts) {
    QImage image = art::canvas(QSize(1000, 500));
    QPainter painter(&image);
    art::smooth(painter);

    // Persian reads from the right, so the mark leads on the right.
    const QRectF markBox(640, 95, 310, 310);
    QLinearGradient markInk(markBox.topRight(), markBox.bottomLeft());
    markInk.setColorAt(0.0, QColor(0x74, 0x80, 0xff));
    markInk.setColorAt(0.6, brand);
    markInk.setColorAt(1.0, brandDeep);
    painter.fillPath(brandMark(markBox), markInk);

    const QPainterPath word =
        art::fittedText(QString::fromUtf8("نوروِلا"), fonts.persian(200), QRectF(60, 90, 560, 230));
    QLinearGradient wordInk(0, 90, 0, 320);
    wordInk.setColorAt(0.0, night);
    wordInk.setColorAt(1.0, QColor(0x1f, 0x22, 0x40));
    painter.fillPath(word, wordInk);

    // The Latin spelling under it, spaced wide, with a rule either side.
    QFont latin = fonts.display(80);
    latin.setLetterSpacing(QFont::AbsoluteSpacing, 18);
    const QPainterPath latinWord =
        art::fittedText(QStringLiteral("NORVELA"), latin, QRectF(200, 345, 280, 62));
    painter.fillPath(latinWord, brandDark);
    const QRectF latinInk = latinWord.boundingRect();
    painter.setPen(QPen(brand, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(80, latinInk.center().y()),
                     QPointF(latinInk.left() - 26, latinInk.center().y()));
    painter.drawLine(QPointF(latinInk.right() + 26, latinInk.center().y()),
                     QPointF(600, latinInk.center().y()));
    return image;
}

QImage drawLogo() {
    QImage image = art::canvas(QSize(256, 256));
    QPainter painter(&image);
    art::smooth(painter);

    const QRectF markBox(24, 20, 208, 208);
    const QPainterPath mark = brandMark(markBox);
    painter.fillPath(mark.translated(0, 6), QColor(20, 24, 80, 40));
    QLinearGradient ink(markBox.topLeft(), markBox.bottomRight());
    ink.setColorAt(0.0, QColor(0x74, 0x80, 0xff));
    ink.setColorAt(0.6, brand);
    ink.setColorAt(1.0, brandDeep);
    painter.fillPath(mark, ink);
    return image;
}
