#include "BadgeArt.h"

#include "ArtFonts.h"
#include "ArtPainting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace {

const QColor brand(0x52, 0x60, 0xff);
const QColor brandDeep(0x2f, 0x3a, 0xc8);
const QColor goldLight(0xff, 0xe0, 0x6b);
const QColor gold(0xff, 0xc1, 0x07);
const QColor goldDeep(0xd8, 0x8a, 0x00);
const QColor brown(0x6d, 0x3f, 0x00);

QPainterPath rosette(const QPointF &centre, qreal radius, int scallops) {
    QPainterPath path;
    const int steps = scallops * 24;
    for (int i = 0; i <= steps; ++i) {
        const qreal a = 2 * M_PI * i / steps;
        const qreal r = radius * (0.93 + 0.07 * qCos(a * scallops));
        const QPointF p = centre + QPointF(r * qSin(a), -r * qCos(a));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath crown(const QRectF &box) {
    const auto at = [&box](qreal x, qreal y) {
        return QPointF(box.left() + box.width() * x, box.top() + box.height() * y);
    };
    QPainterPath path;
    path.moveTo(at(0.04, 0.30));
    path.lineTo(at(0.28, 0.58));
    path.lineTo(at(0.50, 0.10));
    path.lineTo(at(0.72, 0.58));
    path.lineTo(at(0.96, 0.30));
    path.lineTo(at(0.86, 0.84));
    path.lineTo(at(0.14, 0.84));
    path.closeSubpath();
    const qreal jewel = box.width() * 0.075;
    for (const QPointF &tip : {at(0.04, 0.30), at(0.50, 0.10), at(0.96, 0.30)})
        path.addEllipse(tip, jewel, jewel);
    path.addRoundedRect(QRectF(at(0.14, 0.89), at(0.86, 1.0)), box.height() * 0.04, box.height() * 0.04);
    return path.simplified();
}

} // namespace

QImage drawPremiumBadge(const ArtFonts &fonts) {
    QImage image = art::canvas(QSize(256, 256));
    QPainter painter(&image);
    art::smooth(painter);

    // Ribbon tails, behind the rosette.
    for (const int side : {-1, 1}) {
        QPainterPath tail;
        const qreal x = 128 + side * 34;
        tail.moveTo(x - 20, 150);
        tail.lineTo(x + 20, 150);
        tail.lineTo(x + 20 + side * 16, 246);
        tail.lineTo(x + side * 8, 228);
        tail.lineTo(x - 20 + side * 16, 246);
        tail.closeSubpath();
        QLinearGradient fill(x - 20, 0, x + 20, 0);
        fill.setColorAt(0.0, side < 0 ? brandDeep : brand);
        fill.setColorAt(1.0, side < 0 ? brand : brandDeep);
        painter.fillPath(tail, fill);
    }

    const QPointF centre(128, 112);
    painter.fillPath(rosette(centre + QPointF(0, 4), 104, 18), QColor(90, 50, 0, 60));
    QRadialGradient outer(centre + QPointF(-30, -40), 150);
    outer.setColorAt(0.0, goldLight);
    outer.setColorAt(0.55, gold);
    outer.setColorAt(1.0, goldDeep);
    painter.fillPath(rosette(centre, 104, 18), outer);

    painter.setPen(QPen(QColor(255, 255, 255, 190), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 80, 80);
    QLinearGradient inner(centre + QPointF(0, -78), centre + QPointF(0, 78));
    inner.setColorAt(0.0, gold);
    inner.setColorAt(1.0, goldDeep);
    painter.setPen(Qt::NoPen);
    painter.setBrush(inner);
    painter.drawEllipse(centre, 76, 76);

    const QPainterPath crownPath = crown(QRectF(88, 50, 80, 60));
    painter.fillPath(crownPath.translated(0, 3), QColor(110, 60, 0, 90));
    painter.fillPath(crownPath, Qt::white);

    const QPainterPath word =
        art::fittedText(QString::fromUtf8("ویژه"), fonts.persian(60), QRectF(78, 122, 100, 46));
    painter.fillPath(word.translated(0, 2), QColor(255, 255, 255, 120));
    painter.fillPath(word, brown);
    return image;
}

QImage drawStoreBadge(const ArtFonts &fonts) {
    QImage image = art::canvas(QSize(540, 160));
    QPainter painter(&image);
    art::smooth(painter);

    const QRectF plate(3, 3, 534, 154);
    QPainterPath platePath;
    platePath.addRoundedRect(plate, 26, 26);
    QLinearGradient ground(0, 0, 0, 160);
    ground.setColorAt(0.0, QColor(0x2b, 0x2e, 0x4a));
    ground.setColorAt(1.0, QColor(0x15, 0x17, 0x2b));
    painter.fillPath(platePath, ground);
    painter.setPen(QPen(QColor(0xa6, 0xab, 0xc8), 3));
    painter.drawPath(platePath);

    // A phone with a download arrow on its screen, at the start of the line (the right side).
    const QRectF phone(440, 26, 62, 108);
    QPainterPath body;
    body.addRoundedRect(phone, 12, 12);
    QPainterPath screen;
    screen.addRoundedRect(phone.adjusted(6, 14, -6, -16), 4, 4);
    QLinearGradient bodyInk(phone.topLeft(), phone.bottomRight());
    bodyInk.setColorAt(0.0, QColor(0x8a, 0x94, 0xff));
    bodyInk.setColorAt(1.0, brand);
    painter.fillPath(body.subtracted(screen), bodyInk);
    painter.fillPath(screen, QColor(0xf0, 0xf3, 0xfe));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf0, 0xf3, 0xfe));
    painter.drawEllipse(QPointF(phone.center().x(), phone.bottom() - 8), 4, 4);
    QPainterPath arrow;
    const qreal cx = phone.center().x();
    arrow.addRect(QRectF(cx - 5, 54, 10, 26));
    arrow.moveTo(cx - 16, 76);
    arrow.lineTo(cx + 16, 76);
    arrow.lineTo(cx, 94);
    arrow.closeSubpath();
    painter.fillPath(arrow.simplified(), brand);
    painter.setPen(QPen(brand, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(cx - 15, 102), QPointF(cx + 15, 102));

    // Two lines of text, set flush right against the phone as Persian reads.
    const QRectF textColumn(34, 0, 384, 160);
    QPainterPath small = art::fittedText(QString::fromUtf8("دریافت نسخه موبایل"), fonts.persian(34),
                                         QRectF(textColumn.left(), 30, textColumn.width(), 32));
    small.translate(textColumn.right() - small.boundingRect().right(), 0);
    painter.fillPath(small, QColor(0xc9, 0xcd, 0xe6));
    QPainterPath large = art::fittedText(QString::fromUtf8("اپلیکیشن نوروِلا"), fonts.persian(64),
                                         QRectF(textColumn.left(), 74, textColumn.width(), 58));
    large.translate(textColumn.right() - large.boundingRect().right(), 0);
    painter.fillPath(large, Qt::white);
    return image;
}
