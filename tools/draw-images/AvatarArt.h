#pragma once

#include <QImage>

// The portrait placeholder for contacts and staff rows: a neutral head-and-shoulders silhouette
// on a light ground, square and opaque so that it can be stored as a JPEG (256 x 256).
QImage drawPortraitPlaceholder();

// The signed-in user's mini avatar before a photo is set: a man in a collared shirt on a round
// light disc, transparent outside the disc (128 x 128).
QImage drawManAvatar();
