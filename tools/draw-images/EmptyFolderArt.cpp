#include "EmptyFolderArt.h"

#include "ArtPainting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace {

const QColor brand(0x52, 0x60, 0xff);
const QColor brandSoft(0x9a, 0xa2, 0xff);

} // namespace

QImage drawEmptyFolder() {
    QImage image = art::canvas(QSize(480, 360));
    QPainter painter(&image);
    art::smooth(painter);
    painter.setPen(Qt::NoPen);

    // The round ground the scene sits on.
    QRadialGradient ground(QPointF(240, 170), 170);
    ground.setColorAt(0.0, QColor(0xf0, 0xf3, 0xfe));
    ground.setColorAt(0.85, QColor(0xe4, 0xe8, 0xfc));
    ground.setColorAt(1.0, QColor(0xe4, 0xe8, 0xfc, 0));
    painter.setBrush(ground);
    painter.drawEllipse(QPointF(240, 170), 170, 170);

    // The folder's shadow on the floor.
    painter.setBrush(QColor(0x34, 0x33, 0x51, 40));
    painter.drawEllipse(QPointF(240, 300), 130, 14);

    // Back of the folder with its tab.
    QPainterPath back;
    back.moveTo(120, 292);
    back.lineTo(120, 128);
    back.quadTo(120, 118, 130, 118);
    back.lineTo(200, 118);
    back.lineTo(216, 136);
    back.lineTo(350, 136);
    back.quadTo(360, 136, 360, 146);
    back.lineTo(360, 292);
    back.closeSubpath();
    QLinearGradient backInk(0, 118, 0, 292);
    backInk.setColorAt(0.0, brandSoft);
    backInk.setColorAt(1.0, QColor(0x6f, 0x7a, 0xff));
    painter.fillPath(back, backInk);

    // Where a sheet would stand in the folder there is only its dashed outline.
    painter.save();
    painter.translate(246, 112);
    painter.rotate(7);
    const QRectF sheet(-56, -70, 112, 136);
    QPainterPath sheetPath;
    sheetPath.moveTo(sheet.topLeft());
    sheetPath.lineTo(sheet.right() - 24, sheet.top());
    sheetPath.lineTo(sheet.right(), sheet.top() + 24);
    sheetPath.lineTo(sheet.bottomRight());
    sheetPath.lineTo(sheet.bottomLeft());
    sheetPath.closeSubpath();
    painter.fillPath(sheetPath, QColor(255, 255, 255, 120));
    QPen dashes(brand, 4, Qt::CustomDashLine, Qt::RoundCap, Qt::RoundJoin);
    dashes.setDashPattern({3, 3});
    painter.setPen(dashes);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(sheetPath);
    painter.drawPolyline(QPolygonF({{sheet.right() - 24, sheet.top()},
                                    {sheet.right() - 24, sheet.top() + 24},
                                    {sheet.right(), sheet.top() + 24}}));
    painter.restore();
    painter.setPen(Qt::NoPen);

    // The inside of the folder, in shade and bare.
    painter.fillRect(QRectF(132, 150, 216, 30), QColor(0x4a, 0x55, 0xe0, 70));

    // Front flap, open and leaning forward.
    QPainterPath front;
    front.moveTo(104, 176);
    front.lineTo(376, 176);
    front.quadTo(384, 176, 382, 184);
    front.lineTo(362, 286);
    front.quadTo(360, 294, 352, 294);
    front.lineTo(128, 294);
    front.quadTo(120, 294, 118, 286);
    front.lineTo(98, 184);
    front.quadTo(96, 176, 104, 176);
    front.closeSubpath();
    QLinearGradient frontInk(0, 176, 0, 294);
    frontInk.setColorAt(0.0, QColor(0x6e, 0x7a, 0xff));
    frontInk.setColorAt(1.0, brand);
    painter.fillPath(front, frontInk);
    painter.setPen(QPen(QColor(255, 255, 255, 110), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(112, 186), QPointF(368, 186));
    painter.setPen(Qt::NoPen);

    // A magnifier that has looked and found nothing.
    const QPointF lens(364, 108);
    painter.setPen(QPen(QColor(0x34, 0x33, 0x51), 11, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(lens + QPointF(24, 24), lens + QPointF(52, 52));
    painter.setPen(QPen(QColor(0x34, 0x33, 0x51), 8));
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawEllipse(lens, 32, 32);
    painter.setPen(QPen(QColor(0xff, 0x6c, 0x70), 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(lens + QPointF(-11, -11), lens + QPointF(11, 11));
    painter.drawLine(lens + QPointF(11, -11), lens + QPointF(-11, 11));

    // A few sparkles around the scene.
    painter.setPen(Qt::NoPen);
    painter.setBrush(brandSoft);
    for (const QPointF &at : {QPointF(96, 96), QPointF(420, 200), QPointF(150, 70)}) {
        QPainterPath spark;
        for (int i = 0; i < 8; ++i) {
            const qreal r = i % 2 == 0 ? 11 : 3;
            const qreal a = i * M_PI / 4;
            const QPointF p = at + QPointF(r * qCos(a), r * qSin(a));
            if (i == 0)
                spark.moveTo(p);
            else
                spark.lineTo(p);
        }
        spark.closeSubpath();
        painter.drawPath(spark);
    }
    return image;
}
