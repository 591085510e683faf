#pragma once

#include <QImage>

// The picture for "nothing here": an open, empty folder on a soft round ground, a dashed outline
// where a sheet should be and a magnifier that finds nothing (480 x 360, transparent corners).
// It stands in for a listing without a photo and heads the empty listing page.
QImage drawEmptyFolder();
