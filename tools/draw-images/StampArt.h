#pragma once

#include <QColor>
#include <QImage>
#include <QString>

class ArtFonts;

// A round rubber stamp that marks a listing's state: the Persian word across the middle, the
// brand and the state in Latin capitals around the rim, set at a slant and worn like real ink,
// on a transparent ground (256 x 256; the list shows it in a circle).
struct Stamp {
    QString persian; // the word across the middle
    QString latin;   // the word around the rim, beside the brand name
    QColor ink;
    qreal slant;      // degrees, clockwise
    quint32 wearSeed; // each stamp wears differently
};

QImage drawStamp(const Stamp &stamp, const ArtFonts &fonts);
