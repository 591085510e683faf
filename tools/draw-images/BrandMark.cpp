#include "BrandMark.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

namespace {

// Designed on a 100 x 100 grid.
QPainterPath markOnGrid()
{
    // The roof: a thick chevron with square ends.
    QPainterPath roofLine;
    roofLine.moveTo(28, 58);
    roofLine.lineTo(60, 27);
    roofLine.lineTo(92, 58);
    QPainterPathStroker roofPen;
    roofPen.setWidth(10);
    roofPen.setJoinStyle(Qt::MiterJoin);
    roofPen.setCapStyle(Qt::RoundCap);
    const QPainterPath roof = roofPen.createStroke(roofLine).simplified();

    // The walls sit under the roof with a clear gap, a door cut out of them.
    QPainterPath walls;
    walls.addPolygon(QPolygonF({{38, 60}, {60, 39}, {82, 60}, {82, 88}, {38, 88}, {38, 60}}));
    QPainterPath door;
    door.addRoundedRect(QRectF(53, 68, 14, 20.5), 3, 3);
    QPainterPath window;
    window.addRoundedRect(QRectF(56, 52, 8, 8), 1.5, 1.5);
    const QPainterPath house = roof.united(walls.subtracted(door).subtracted(window));

    // The block behind: a tall slab with a slanted top and a column of windows, kept clear of
    // the house by a gap as wide as the one under the roof.
    QPainterPath block;
    block.addPolygon(QPolygonF({{12, 22}, {40, 12}, {40, 88}, {12, 88}, {12, 22}}));
    for (int row = 0; row < 4; ++row) {
        QPainterPath pane;
        pane.addRoundedRect(QRectF(18, 28 + row * 13.0, 6, 7), 1.2, 1.2);
        block = block.subtracted(pane);
        QPainterPath pane2;
        pane2.addRoundedRect(QRectF(28, 25 + row * 13.0, 6, 7), 1.2, 1.2);
        block = block.subtracted(pane2);
    }
    QPainterPathStroker clearance;
    clearance.setWidth(9);
    clearance.setJoinStyle(Qt::MiterJoin);
    QPainterPath houseShadow = roof.united(walls);
    houseShadow = houseShadow.united(clearance.createStroke(houseShadow));
    block = block.subtracted(houseShadow);

    return block.united(house).simplified();
}

} // namespace

QPainterPath brandMark(const QRectF &box)
{
    QTransform place;
    place.translate(box.left(), box.top());
    place.scale(box.width() / 100.0, box.height() / 100.0);
    return place.map(markOnGrid());
}
