#pragma once

#include <QImage>
#include <QString>

// The busy spinner: twelve dots in a ring, the leading dot in the brand blue and the trail fading
// towards white. Each frame advances the ring by one dot.
int spinnerFrameCount();
QImage drawSpinnerFrame(int frame);

// Writes the frames as a looping, transparent GIF through ImageMagick's convert.
// Returns false and says why in *error when convert is missing or fails.
bool writeSpinnerGif(const QString &gifPath, QString *error);
