#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

// Small drawing helpers shared by every piece of artwork.
namespace art {

// A fully transparent canvas to paint on.
QImage canvas(const QSize &size);

// Switches on the antialiasing every drawing here relies on.
void smooth(QPainter &painter);

// The outline of a shaped, laid-out line of text (Persian joins and right-to-left order included),
// scaled to fit inside box and centred on it by its ink, not by its font metrics.
QPainterPath fittedText(const QString &text, const QFont &font, const QRectF &box);

// The colour a fraction t of the way from a to b.
QColor mix(const QColor &a, const QColor &b, qreal t);

// Knocks small irregular holes and worn streaks out of what is drawn inside area, as an inked
// rubber stamp leaves on paper. The seed keeps the wear the same on every run.
void wear(QImage &image, const QRectF &area, quint32 seed, int flecks);

// False for an empty picture or one painted in a single colour.
bool hasDetail(const QImage &image);

} // namespace art
