import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons
import "../scripts/Utility.js" as Utility

// A list of {title, description, …} records narrowed by what is typed: a record stays when its
// title or description holds the typed text. Choosing a row only reports the record; the owner
// closes the dialog.
AppDialog {
    id: searchDialog

    property var items: []
    property alias dialogTitle: titleText.text
    property alias hasTitle: titleText.visible
    // The records shown for the last search text.
    property var shown: []
    property string searchText: ""

    signal selected(var item)

    function fieldText(value) {
        return value === undefined || value === null ? "" : String(value)
    }

    function search(value) {
        var text = fieldText(value)
        searchText = text
        var all = items || []
        shown = all.filter(function (item) {
            return fieldText(item.description).indexOf(text) >= 0 || fieldText(item.title).indexOf(text) >= 0
        })
    }

    dialogWidth: appWindow.width * 0.8
    dialogHeight: appWindow.height * 0.7
    dialogPadding: 40
    closePolicy: Popup.CloseOnPressOutside | Popup.CloseOnEscape
    contentLayout.color: Colors.white

    onAboutToShow: {
        searchInput.text = ""
        search("")
    }
    onItemsChanged: search(searchText)

    Column {
        id: column

        anchors.centerIn: parent
        width: parent.width - searchDialog.dialogPadding
        height: parent.height - searchDialog.dialogPadding
        spacing: 15

        IranSansText {
            id: titleText

            width: parent.width
            textSize: 14
            font.bold: true
            textColor: Colors.black
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
        }

        AppInput {
            id: searchInput

            objectName: "searchInput"
            width: parent.width
            height: 40
            radius: 8
            color: Colors.field
            hint: "جستجو ..."
            hintColor: Colors.mediumGrey
            textColor: Colors.text
            hasIcon: true
            icon: MaterialIcons.magnify
            iconColor: Colors.primary
            iconSize: Utility.IconSize.large
            onValueChanged: searchDialog.search(value)
        }

        ListView {
            id: list

            objectName: "list"
            width: parent.width
            height: Math.max(0, column.height - searchInput.height - column.spacing
                             - (titleText.visible ? titleText.height + column.spacing : 0))
            clip: true
            model: searchDialog.shown
            delegate: Item {
                width: ListView.view.width
                height: rowColumn.height + 14

                Column {
                    id: rowColumn

                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.width
                    spacing: 2

                    IranSansText {
                        width: parent.width
                        rightPadding: 5
                        leftPadding: 5
                        topPadding: 0
                        text: searchDialog.fieldText(modelData.title)
                        textSize: 13
                        textColor: Colors.text
                        font.bold: true
                        horizontalAlignment: searchDialog.rightToLeft ? Text.AlignRight : Text.AlignLeft
                        elide: searchDialog.rightToLeft ? Text.ElideLeft : Text.ElideRight
                    }

                    IranSansText {
                        width: parent.width
                        rightPadding: 5
                        leftPadding: 5
                        topPadding: 0
                        visible: text !== ""
                        text: searchDialog.fieldText(modelData.description)
                        textSize: Utility.TextSize.medium
                        textColor: Colors.mediumGrey
                        horizontalAlignment: searchDialog.rightToLeft ? Text.AlignRight : Text.AlignLeft
                        wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                        maximumLineCount: 2
                        elide: searchDialog.rightToLeft ? Text.ElideLeft : Text.ElideRight
                    }
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
                    onClicked: searchDialog.selected(modelData)
                }
            }
        }
    }
}
