import QtQuick 2.15
import QtQuick.Controls 2.15
import "../scripts/Colors.js" as Colors

ComboBox {
    id: appComboBox

    property color backColor: Colors.fieldBack

    // Rows may carry an English title beside the Persian one; the list shows the Persian alone.
    function hasEnglishTitle(index) {
        return false
    }

    width: parent ? parent.width : implicitWidth
    height: parent ? parent.height : implicitHeight
    textRole: "title"
    font.pixelSize: 12
    font.family: iranSans.name

    background: Rectangle {
        color: appComboBox.backColor
        radius: 5
    }

    delegate: ItemDelegate {
        id: row

        readonly property string rowText: model.title
                                          + (appComboBox.hasEnglishTitle(index) ? "  ( " + model.english_title + " )" : "")

        width: appComboBox.width
        height: 37
        padding: 0
        highlighted: appComboBox.highlightedIndex === index
        LayoutMirroring.enabled: false
        LayoutMirroring.childrenInherit: true

        contentItem: Item {
            IranSansText {
                anchors.centerIn: parent
                width: parent.width * 0.9
                height: parent.height
                topPadding: 0
                text: row.rowText
                textSize: 11
                font.bold: true
                textColor: Colors.black
                horizontalAlignment: Text.AlignRight
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
            }

            Rectangle {
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 3
                width: parent.width * 0.9
                height: 1
                radius: height / 2
                color: Colors.grey
            }
        }

        onClicked: {
            appComboBox.displayText = rowText
            appComboBox.currentIndex = index
            appComboBox.popup.close()
        }
    }
}
