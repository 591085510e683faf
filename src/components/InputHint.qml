import QtQuick 2.15

// The hint over an empty input's text: it slides away towards the writing's end and fades once
// something is typed, and comes back when the input is emptied (`state` "default" or "faded").
IranSansText {
    id: inputHint

    // The input that owns the hint (hint, hintColor, fontSize, rightToLeft) and its text field,
    // whose font and alignment the hint follows.
    property Item owner
    property Item field

    objectName: "hintText"

    width: parent.width
    height: parent.height
    visible: owner.hint !== ""
    text: owner.hint
    textColor: owner.hintColor
    textSize: owner.fontSize
    font.family: field.font.family
    clip: true
    topPadding: field.topPadding
    verticalAlignment: field.verticalAlignment
    horizontalAlignment: field.horizontalAlignment
    state: "default"

    states: [
        State { name: "default"; PropertyChanges { target: inputHint; x: 0; opacity: 1 } },
        State {
            name: "faded"
            PropertyChanges {
                target: inputHint
                opacity: 0
                x: inputHint.owner.rightToLeft ? -inputHint.width : inputHint.width
            }
        }
    ]
    transitions: Transition {
        NumberAnimation { properties: "x,opacity"; duration: 350; easing.type: Easing.InOutQuad }
    }
}
