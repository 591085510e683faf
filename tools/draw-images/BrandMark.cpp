#include "BrandMark.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

namespace {

// Designed on a 100 x 100 grid.
QPainterPath markOnGrid() {
    // The roof: a thick chevron with its eaves cut plumb.
    QPainterPath roof;
    roof.addPolygon(QPolygonF({{26, 60}, {60, 26}, {94, 60}, {94, 74}, {60, 40}, {26, 74}, {26, 60}}));

    // The walls sit under the roof with a clear gap; a door and a small window are cut out.
    QPainterPath walls;
    walls.addPolygon(QPolygonF({{38, 70}, {60, 48}, {82, 70}, {82, 90}, {38, 90}, {38, 70}}));
    QPainterPath door;
    door.addRoundedRect(QRectF(53, 71, 14, 19.5), 3, 3);
    QPainterPath window;
    window.addRoundedRect(QRectF(56.5, 57, 7, 7), 1.5, 1.5);
    const QPainterPath house = roof.united(walls.subtracted(door).subtracted(window));

    // The block behind: a tall slab with a slanted top, kept clear of the house by a gap as wide
    // as the one under the roof. Its windows sit where the roof leaves the slab whole.
    QPainterPath block;
    block.addPolygon(QPolygonF({{8, 24}, {38, 12}, {38, 90}, {8, 90}, {8, 24}}));
    const auto pane = [&block](qreal x, qreal y) {
        QPainterPath cut;
        cut.addRoundedRect(QRectF(x, y, 6.5, 7), 1.2, 1.2);
        block = block.subtracted(cut);
    };
    for (int row = 0; row < 5; ++row)
        pane(13, 30 + row * 12.0);
    for (int row = 0; row < 2; ++row)
        pane(25, 26 + row * 12.0);
    QPainterPathStroker clearance;
    clearance.setWidth(9);
    clearance.setJoinStyle(Qt::MiterJoin);
    QPainterPath houseShadow = roof.united(walls);
    houseShadow = houseShadow.united(clearance.createStroke(houseShadow));
    block = block.subtracted(houseShadow);

    return block.united(house).simplified();
}

} // namespace

QPainterPath brandMark(const QRectF &box) {
    QTransform place;
    place.translate(box.left(), box.top());
    place.scale(box.width() / 100.0, box.height() / 100.0);
    return place.map(markOnGrid());
}
