import QtQuick 2.15
import "../scripts/Colors.js" as Colors

// A dialog's two buttons side by side, equally wide: "ثبت اطلاعات" that goes ahead and "انصراف"
// that cancels, in the dialog's reading order.
Row {
    id: root

    property bool rightToLeft: true
    property int radius: 6
    // The buttons' object names, by which tests find them.
    property alias positiveName: positive.objectName
    property alias negativeName: negative.objectName

    signal positiveClicked()
    signal negativeClicked()

    height: 34
    spacing: 10
    layoutDirection: rightToLeft ? Qt.RightToLeft : Qt.LeftToRight

    AppButton {
        id: positive

        objectName: "saveButton"
        width: (root.width - root.spacing) / 2
        height: root.height
        radius: root.radius
        hasIcon: false
        color: Colors.primary
        text: "ثبت اطلاعات"
        onClicked: root.positiveClicked()
    }

    AppButton {
        id: negative

        objectName: "cancelButton"
        width: (root.width - root.spacing) / 2
        height: root.height
        radius: root.radius
        hasIcon: false
        color: Colors.coolRed
        text: "انصراف"
        onClicked: root.negativeClicked()
    }
}
