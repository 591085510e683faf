import QtQuick 2.15

// A card-like panel: the same surface as ShadowBorder under a name of its own.
ShadowBorder {
}
