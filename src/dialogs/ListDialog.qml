import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Colors.js" as Colors

// A list to pick from. Choosing a row only reports it; any other click closes the list.
AppDialog {
    id: listDialog

    property Component listDelegate: defaultDelegate
    property alias items: list.model
    property alias listItem: list
    property alias dialogTitle: titleText.text
    property alias hasTitle: titleText.visible

    signal selected(var index)

    dialogWidth: appWindow.width * 0.8
    dialogHeight: appWindow.height * 0.45
    dialogPadding: 50
    closePolicy: Popup.CloseOnPressOutside
    contentLayout.color: "white"

    // Under the panel and its list: takes exactly the clicks no row takes.
    MouseArea {
        objectName: "dismissArea"
        parent: listDialog.contentItem
        anchors.fill: parent
        z: -1
        onClicked: listDialog.dismiss()
    }

    Column {
        id: column

        anchors.centerIn: parent
        width: parent.width - listDialog.dialogPadding
        height: parent.height - listDialog.dialogPadding
        spacing: 15

        IranSansText {
            id: titleText

            width: parent.width
            textSize: 14
            font.bold: true
            textColor: Colors.black
            horizontalAlignment: Text.AlignHCenter
        }

        ListView {
            id: list

            objectName: "list"
            width: parent.width
            height: column.height - (titleText.visible ? titleText.height + column.spacing : 0)
            clip: true
            // A short list need not flick, and then a click beside its rows reaches the dismiss area.
            interactive: contentHeight > height
            model: ListModel {}
            delegate: listDialog.listDelegate
        }
    }

    Component {
        id: defaultDelegate

        Item {
            width: ListView.view.width
            height: 35

            // Action lists ({title, ic, icColor}) show the action's glyph before its title.
            MaterialIcon {
                id: rowIcon

                anchors.right: parent.right
                anchors.rightMargin: 5
                anchors.verticalCenter: parent.verticalCenter
                visible: !!model.ic
                icon: model.ic ? model.ic : ""
                iconColor: model.icColor ? model.icColor : Colors.text
                iconSize: 20
            }

            IranSansText {
                anchors.fill: parent
                rightPadding: rowIcon.visible ? rowIcon.width + 15 : 5
                topPadding: 0
                text: title
                textSize: 13
                textColor: Colors.text
                horizontalAlignment: Text.AlignRight
                verticalAlignment: Text.AlignVCenter
            }

            Rectangle {
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 2
                anchors.horizontalCenter: parent.horizontalCenter
                width: parent.width * 0.9
                height: 1
                radius: height / 2
                color: Colors.gray
            }

            MouseArea {
                anchors.fill: parent
                onClicked: listDialog.selected(index)
            }
        }
    }
}
