#include "CityArt.h"

#include "ArtPainting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace {

struct Row {
    QColor body;
    QColor window;
    qreal windowChance; // share of windows lit
    int minHeight;
    int maxHeight;
    int minWidth;
    int maxWidth;
    qreal ground; // where the row stands
};

// A building outline with one of a few roof styles.
QPainterPath building(const QRectF &box, int roof, QRandomGenerator &random) {
    QPainterPath path;
    path.addRect(box);
    const qreal mid = box.center().x();
    switch (roof) {
    case 1: { // pitched
        QPainterPath gable;
        gable.moveTo(box.left() - 3, box.top());
        gable.lineTo(mid, box.top() - box.width() * 0.35);
        gable.lineTo(box.right() + 3, box.top());
        gable.closeSubpath();
        path = path.united(gable);
        break;
    }
    case 2: { // dome with a finial
        QPainterPath dome;
        dome.addEllipse(QPointF(mid, box.top()), box.width() * 0.32, box.width() * 0.32);
        dome.addRect(QRectF(mid - 1.5, box.top() - box.width() * 0.32 - 14, 3, 16));
        dome.setFillRule(Qt::WindingFill);
        path = path.united(dome);
        break;
    }
    case 3: { // stepped top with a mast
        QPainterPath step;
        step.addRect(QRectF(box.left() + box.width() * 0.2, box.top() - 18, box.width() * 0.6, 19));
        step.addRect(QRectF(mid - 1.5, box.top() - 18 - 20 - random.bounded(20), 3, 40));
        step.setFillRule(Qt::WindingFill);
        path = path.united(step);
        break;
    }
    default:
        break;
    }
    return path.simplified();
}

void drawRow(QPainter &painter, const Row &row, int width, QRandomGenerator &random) {
    qreal x = -20;
    while (x < width + 20) {
        const qreal w = row.minWidth + random.bounded(row.maxWidth - row.minWidth);
        const qreal h = row.minHeight + random.bounded(row.maxHeight - row.minHeight);
        const QRectF box(x, row.ground - h, w, h);
        const int roof = random.bounded(6);
        painter.fillPath(building(box, roof > 3 ? 0 : roof, random), row.body);

        // A grid of windows, some of them lit.
        const qreal pane = qMax(4.0, w / 9.0);
        const qreal gap = pane * 0.8;
        const int columns = qMax(1, int((w - gap) / (pane + gap)));
        const qreal inset = (w - columns * (pane + gap) + gap) / 2;
        for (qreal y = box.top() + gap * 1.5; y + pane * 1.4 < row.ground - 6; y += pane * 1.4 + gap) {
            for (int c = 0; c < columns; ++c) {
                if (random.generateDouble() > row.windowChance)
                    continue;
                painter.fillRect(QRectF(x + inset + c * (pane + gap), y, pane, pane * 1.4),
                                 art::mix(row.window, row.body, random.bounded(0.45)));
            }
        }
        // Neighbours share a wall, so no sliver of sky shows at street level.
        x += w - random.bounded(4);
    }
}

} // namespace

QImage drawCity() {
    const QSize size(960, 480);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    art::smooth(painter);
    QRandomGenerator random(0x4e6f7276);

    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(0x1f, 0x22, 0x40));
    sky.setColorAt(0.45, QColor(0x3f, 0x2d, 0xae));
    sky.setColorAt(0.75, QColor(0x52, 0x60, 0xff));
    sky.setColorAt(1.0, QColor(0xff, 0x90, 0x66));
    painter.fillRect(image.rect(), sky);

    // Stars in the upper sky.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const QPointF at(random.bounded(size.width()), random.bounded(size.height() * 0.45));
        painter.setBrush(QColor(255, 255, 255, 60 + random.bounded(160)));
        const qreal r = 0.6 + random.bounded(1.3);
        painter.drawEllipse(at, r, r);
    }

    // The moon with its glow.
    const QPointF moon(790, 84);
    QRadialGradient glow(moon, 140);
    glow.setColorAt(0.0, QColor(255, 240, 200, 110));
    glow.setColorAt(1.0, QColor(255, 240, 200, 0));
    painter.setBrush(glow);
    painter.drawEllipse(moon, 140, 140);
    QPainterPath disc;
    disc.addEllipse(moon, 46, 46);
    QPainterPath bite;
    bite.addEllipse(moon + QPointF(20, -12), 40, 40);
    painter.fillPath(disc.subtracted(bite), QColor(0xff, 0xf1, 0xc9));

    // Thin clouds across the glow.
    for (const QPointF &c : {QPointF(180, 150), QPointF(520, 90), QPointF(700, 190)}) {
        painter.setBrush(QColor(255, 255, 255, 28));
        painter.drawRoundedRect(QRectF(c.x() - 110, c.y(), 220, 18), 9, 9);
        painter.drawRoundedRect(QRectF(c.x() - 60, c.y() - 12, 130, 18), 9, 9);
    }

    const Row back{QColor(0x6a, 0x6f, 0xe8), QColor(0x9d, 0xa6, 0xff), 0.25, 150, 300, 40, 80, 430};
    const Row middle{QColor(0x3a, 0x3c, 0xa8), QColor(0xff, 0xd8, 0x80), 0.35, 110, 230, 46, 96, 446};
    const Row front{QColor(0x1f, 0x22, 0x40), QColor(0xff, 0xcd, 0x41), 0.45, 60, 170, 50, 120, 462};
    drawRow(painter, back, size.width(), random);
    drawRow(painter, middle, size.width(), random);
    drawRow(painter, front, size.width(), random);

    // Street, kerb and a row of round trees.
    painter.fillRect(QRectF(0, 462, size.width(), 18), QColor(0x17, 0x19, 0x2f));
    painter.fillRect(QRectF(0, 460, size.width(), 3), QColor(0x52, 0x60, 0xff));
    for (qreal x = 30; x < size.width(); x += 90 + random.bounded(40)) {
        painter.fillRect(QRectF(x - 2, 440, 4, 22), QColor(0x12, 0x13, 0x24));
        painter.setBrush(QColor(0x1d, 0x6b, 0x52));
        painter.drawEllipse(QPointF(x, 432), 16, 18);
        painter.setBrush(QColor(0x2a, 0x8f, 0x6c));
        painter.drawEllipse(QPointF(x - 4, 427), 9, 10);
    }
    // Dashes down the middle of the street.
    painter.setBrush(QColor(255, 205, 65, 170));
    for (qreal x = 10; x < size.width(); x += 50)
        painter.drawRect(QRectF(x, 470, 24, 3));
    return image;
}
