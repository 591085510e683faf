#include "StampArt.h"

#include "ArtFonts.h"
#include "ArtPainting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>
#include <vector>

namespace {

// Letters and separator dots laid evenly around a circle, reading clockwise, tops outward.
void drawRim(QPainter &painter, const QString &latin, const QFont &font, qreal radius) {
    const QFontMetricsF metrics(font);
    const qreal dotWidth = font.pixelSize() * 0.9;
    const QStringList words = {QStringLiteral("NORVELA"), latin};

    std::vector<QString> glyphs; // an empty entry stands for a dot
    qreal length = 0;
    const qreal circumference = 2 * M_PI * radius;
    while (length < circumference * 0.72) {
        for (const QString &word : words) {
            for (const QChar c : word) {
                glyphs.emplace_back(c);
                length += metrics.horizontalAdvance(c) + font.pixelSize() * 0.08;
            }
            glyphs.emplace_back();
            length += dotWidth;
        }
    }
    // Stretch the spacing so the ring closes without a gap.
    const qreal stretch = circumference / length;
    qreal along = 0;
    painter.setFont(font);
    for (const QString &glyph : glyphs) {
        const qreal width =
            glyph.isEmpty() ? dotWidth : metrics.horizontalAdvance(glyph) + font.pixelSize() * 0.08;
        const qreal middle = (along + width / 2) * stretch;
        const qreal angle = middle / radius; // radians from the top, clockwise
        painter.save();
        painter.rotate(qRadiansToDegrees(angle));
        if (glyph.isEmpty()) {
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(QPointF(0, -radius + metrics.capHeight() / 2), font.pixelSize() * 0.12,
                                font.pixelSize() * 0.12);
        } else {
            QPainterPath letter;
            letter.setFillRule(Qt::WindingFill);
            letter.addText(-metrics.horizontalAdvance(glyph) / 2, -radius + metrics.capHeight() / 2 + 0.5,
                           font, glyph);
            painter.fillPath(letter, painter.brush());
        }
        painter.restore();
        along += width;
    }
}

} // namespace

QImage drawStamp(const Stamp &stamp, const ArtFonts &fonts) {
    QImage image = art::canvas(QSize(256, 256));
    {
        QPainter painter(&image);
        art::smooth(painter);
        painter.translate(128, 128);
        painter.rotate(stamp.slant);
        const QColor ink = stamp.ink;

        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(ink, 8));
        painter.drawEllipse(QPointF(0, 0), 114, 114);
        painter.setPen(QPen(ink, 3));
        painter.drawEllipse(QPointF(0, 0), 83, 83);

        painter.setBrush(ink);
        drawRim(painter, stamp.latin, fonts.display(24), 97);

        // The word across the middle on a band ruled above and below, as on a dated stamp.
        const qreal bandHalf = 33;
        const qreal ruleReach = qSqrt(83.0 * 83.0 - bandHalf * bandHalf) - 2;
        painter.setPen(QPen(ink, 4, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(-ruleReach, -bandHalf), QPointF(ruleReach, -bandHalf));
        painter.drawLine(QPointF(-ruleReach, bandHalf), QPointF(ruleReach, bandHalf));
        const QPainterPath word = art::fittedText(stamp.persian, fonts.persian(64),
                                                  QRectF(-74, -bandHalf + 8, 148, 2 * bandHalf - 16));
        painter.fillPath(word, ink);

        // Three small stars above and below the band.
        for (const qreal y : {-bandHalf - 21.0, bandHalf + 21.0}) {
            for (const qreal x : {-22.0, 0.0, 22.0}) {
                QPainterPath star;
                const qreal outer = x == 0.0 ? 8 : 5.5;
                for (int i = 0; i < 10; ++i) {
                    const qreal r = i % 2 == 0 ? outer : outer * 0.42;
                    const qreal a = -M_PI / 2 + i * M_PI / 5;
                    const QPointF p(x + r * qCos(a), y + r * qSin(a));
                    if (i == 0)
                        star.moveTo(p);
                    else
                        star.lineTo(p);
                }
                star.closeSubpath();
                painter.fillPath(star, ink);
            }
        }
    }
    art::wear(image, QRectF(8, 8, 240, 240), stamp.wearSeed, 900);
    return image;
}
