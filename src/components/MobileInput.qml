import QtQuick 2.15
import "../scripts/Colors.js" as Colors

// A field for a mobile number: "09" and up to nine more digits.
AppInput {
    height: 40
    radius: 5
    color: Colors.field
    textColor: "black"
    hintColor: Colors.mediumGrey
    padding: 20
    inputType: Qt.ImhDigitsOnly
    maximumLength: 11
    validator: RegExpValidator { regExp: /[0][9][0-9]+/ }
}
