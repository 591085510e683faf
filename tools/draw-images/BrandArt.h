#pragma once

#include <QImage>

class ArtFonts;

// The application icon: the mark in white on a rounded tile of the brand blue, `size` pixels
// square (256 in the program, smaller ones for the desktop's icon theme).
QImage drawAppIcon(int size = 256);

// The logo type: the mark beside the Persian wordmark and its Latin spelling, on a transparent
// ground, twice as wide as high (the logo block shows it at that ratio).
QImage drawLogoType(const ArtFonts &fonts);

// The mark alone in the brand blue on a transparent ground (256 x 256), for dialogs that show
// the brand without its name.
QImage drawLogo();
