#pragma once

#include <QPainterPath>
#include <QRectF>

// The Norvela mark: a house with its roof drawn as a bold chevron, standing in front of a tall
// office block. One filled outline, so it can be painted in any colour on any ground.
QPainterPath brandMark(const QRectF &box);
