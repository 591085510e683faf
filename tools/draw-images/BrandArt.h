#pragma once

#include <QImage>

class ArtFonts;

// The application icon: the mark in white on a rounded tile of the brand blue (256 x 256).
QImage drawAppIcon();

// The logo type: the mark beside the Persian wordmark and its Latin spelling, on a transparent
// ground, twice as wide as high (the logo block shows it at that ratio).
QImage drawLogoType(const ArtFonts &fonts);

// The mark alone in the brand blue on a transparent ground (256 x 256), for dialogs that show
// the brand without its name.
QImage drawLogo();
