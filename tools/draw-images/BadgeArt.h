#pragma once

#include <QImage>

class ArtFonts;

// The premium badge: a gold rosette with a crown and the word "ویژه" (premium), ribbon tails in
// the brand blue, on a transparent ground (256 x 256).
QImage drawPremiumBadge(const ArtFonts &fonts);

// A neutral app-store style badge that invites the user to get the mobile app: a phone with a
// download arrow beside two lines of Persian on a dark rounded plate (540 x 160).
QImage drawStoreBadge(const ArtFonts &fonts);
