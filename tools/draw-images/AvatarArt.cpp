#include "AvatarArt.h"

#include "ArtPainting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

// Head and shoulders centred in a square of the given side.
QPainterPath bust(qreal side) {
    const qreal u = side / 256.0;
    QPainterPath path;
    path.addEllipse(QPointF(128 * u, 104 * u), 48 * u, 52 * u);
    QPainterPath shoulders;
    shoulders.moveTo(26 * u, 262 * u);
    shoulders.cubicTo(26 * u, 196 * u, 70 * u, 170 * u, 128 * u, 170 * u);
    shoulders.cubicTo(186 * u, 170 * u, 230 * u, 196 * u, 230 * u, 262 * u);
    shoulders.closeSubpath();
    return path.united(shoulders);
}

} // namespace

QImage drawPortraitPlaceholder() {
    QImage image(QSize(256, 256), QImage::Format_RGB32);
    QPainter painter(&image);
    art::smooth(painter);

    QRadialGradient ground(QPointF(128, 96), 220);
    ground.setColorAt(0.0, QColor(0xf0, 0xf3, 0xfe));
    ground.setColorAt(1.0, QColor(0xd5, 0xdb, 0xf2));
    painter.fillRect(image.rect(), ground);

    QLinearGradient figure(0, 50, 0, 256);
    figure.setColorAt(0.0, QColor(0xb4, 0xbc, 0xe0));
    figure.setColorAt(1.0, QColor(0x8e, 0x98, 0xc9));
    painter.fillPath(bust(256), figure);
    return image;
}

QImage drawManAvatar() {
    QImage image = art::canvas(QSize(128, 128));
    QPainter painter(&image);
    art::smooth(painter);

    QPainterPath disc;
    disc.addEllipse(QRectF(2, 2, 124, 124));
    QLinearGradient ground(0, 0, 0, 128);
    ground.setColorAt(0.0, QColor(0xe8, 0xeb, 0xff));
    ground.setColorAt(1.0, QColor(0xc9, 0xcf, 0xff));
    painter.fillPath(disc, ground);
    painter.setClipPath(disc);

    const qreal u = 0.5; // the figure is drawn on a 256 grid
    // Jacket.
    QPainterPath jacket;
    jacket.moveTo(30 * u, 262 * u);
    jacket.cubicTo(30 * u, 196 * u, 72 * u, 172 * u, 128 * u, 172 * u);
    jacket.cubicTo(184 * u, 172 * u, 226 * u, 196 * u, 226 * u, 262 * u);
    jacket.closeSubpath();
    painter.fillPath(jacket, QColor(0x3e, 0x56, 0xf0));
    // Shirt opening and tie.
    QPainterPath shirt;
    shirt.moveTo(100 * u, 174 * u);
    shirt.lineTo(156 * u, 174 * u);
    shirt.lineTo(128 * u, 236 * u);
    shirt.closeSubpath();
    painter.fillPath(shirt, Qt::white);
    QPainterPath tie;
    tie.moveTo(120 * u, 180 * u);
    tie.lineTo(136 * u, 180 * u);
    tie.lineTo(132 * u, 192 * u);
    tie.lineTo(138 * u, 224 * u);
    tie.lineTo(128 * u, 236 * u);
    tie.lineTo(118 * u, 224 * u);
    tie.lineTo(124 * u, 192 * u);
    tie.closeSubpath();
    painter.fillPath(tie, QColor(0x34, 0x33, 0x51));
    // Neck, ears, face and hair with a side parting.
    const QColor skin(0xf4, 0xc9, 0xa6);
    const QColor skinShade(0xe8, 0xb8, 0x94);
    painter.fillRect(QRectF(112 * u, 140 * u, 32 * u, 36 * u), skinShade);
    painter.setPen(Qt::NoPen);
    painter.setBrush(skinShade);
    painter.drawEllipse(QPointF(85 * u, 112 * u), 9 * u, 12 * u);
    painter.drawEllipse(QPointF(171 * u, 112 * u), 9 * u, 12 * u);
    painter.setBrush(skin);
    painter.drawEllipse(QPointF(128 * u, 110 * u), 42 * u, 50 * u);
    QPainterPath hair;
    hair.moveTo(86 * u, 108 * u);
    hair.cubicTo(80 * u, 62 * u, 108 * u, 50 * u, 132 * u, 52 * u);
    hair.cubicTo(160 * u, 52 * u, 180 * u, 70 * u, 170 * u, 108 * u);
    hair.cubicTo(166 * u, 92 * u, 160 * u, 82 * u, 150 * u, 78 * u);
    hair.cubicTo(126 * u, 88 * u, 104 * u, 84 * u, 96 * u, 78 * u);
    hair.cubicTo(90 * u, 86 * u, 88 * u, 96 * u, 86 * u, 108 * u);
    hair.closeSubpath();
    painter.fillPath(hair, QColor(0x34, 0x33, 0x51));
    return image;
}
