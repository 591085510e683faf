#include "ArtPainting.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QSet>
#include <QTransform>
#include <QtMath>

namespace art {

QImage canvas(const QSize &size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void smooth(QPainter &painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPainterPath fittedText(const QString &text, const QFont &font, const QRectF &box) {
    QPainterPath path;
    // Joined letters overlap; with the default odd-even rule the overlaps would show as seams.
    path.setFillRule(Qt::WindingFill);
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty())
        return path;
    const qreal scale = qMin(box.width() / ink.width(), box.height() / ink.height());
    QTransform place;
    place.translate(box.center().x(), box.center().y());
    place.scale(scale, scale);
    place.translate(-ink.center().x(), -ink.center().y());
    return place.map(path);
}

QColor mix(const QColor &a, const QColor &b, qreal t) {
    const qreal s = 1.0 - t;
    return QColor::fromRgbF(a.redF() * s + b.redF() * t, a.greenF() * s + b.greenF() * t,
                            a.blueF() * s + b.blueF() * t, a.alphaF() * s + b.alphaF() * t);
}

void wear(QImage &image, const QRectF &area, quint32 seed, int flecks) {
    QRandomGenerator random(seed);
    QPainter painter(&image);
    smooth(painter);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    painter.setPen(Qt::NoPen);
    const qreal unit = qMin(area.width(), area.height()) / 256.0;
    for (int i = 0; i < flecks; ++i) {
        const QPointF at(area.left() + random.bounded(area.width()),
                         area.top() + random.bounded(area.height()));
        const qreal radius = unit * (0.6 + random.bounded(2.4));
        painter.setBrush(QColor(0, 0, 0, 90 + random.bounded(166)));
        painter.drawEllipse(at, radius * (0.6 + random.bounded(0.8)), radius);
    }
    // Streaks where the stamp met the paper unevenly.
    for (int i = 0; i < flecks / 40; ++i) {
        const QPointF from(area.left() + random.bounded(area.width()),
                           area.top() + random.bounded(area.height()));
        const qreal angle = qDegreesToRadians(random.bounded(360.0));
        const qreal length = unit * (14 + random.bounded(40.0));
        painter.setPen(QPen(QColor(0, 0, 0, 70 + random.bounded(80)), unit * (0.8 + random.bounded(1.6)),
                            Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from, from + QPointF(qCos(angle) * length, qSin(angle) * length));
    }
}

bool hasDetail(const QImage &image) {
    QSet<QRgb> colours;
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height(); y += 2) {
        const QRgb *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); x += 2) {
            if (qAlpha(line[x]) > 0)
                colours.insert(line[x]);
            if (colours.size() > 16)
                return true;
        }
    }
    return false;
}

} // namespace art
