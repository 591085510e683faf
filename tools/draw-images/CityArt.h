#pragma once

#include <QImage>

// A city skyline at dusk: three rows of buildings under an evening sky in the brand's blues,
// lit windows, a moon and a row of street trees (960 x 480).
QImage drawCity();
