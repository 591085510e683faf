import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// A file archive's card: how old its files are (or their date range) in a badge, its name and
// price, how many files, the zones they come from (folded), deal and property type, whether it
// may be bought again, whether it is on sale, and the button that buys it.
Item {
    id: archiveItem

    property string badge: ""
    property string title: ""
    property var price: 0
    property var filesCount: 0
    // Rows of {title}, one a zone.
    property var zones: null
    property string dealTitle: "-"
    property string propertyTitle: "-"
    property bool rebuyable: false
    property bool active: false
    property bool zonesShown: false
    readonly property int zoneCount: zones ? zones.count : 0

    signal buyClicked()

    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    Card {
        id: card

        anchors.fill: parent
        anchors.margins: 8
        radius: 8
        elevation: 4

        Rectangle {
            id: badgeBox

            objectName: "badge"
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.margins: 14
            width: Math.min(badgeText.implicitWidth + 24, parent.width * 0.55)
            height: 28
            radius: 14
            color: Colors.primary

            IranSansText {
                id: badgeText

                objectName: "badgeText"
                anchors.centerIn: parent
                width: Math.min(implicitWidth, parent.width - 16)
                topPadding: 0
                text: archiveItem.badge
                textSize: Utility.TextSize.small
                textColor: Colors.white
                font.bold: true
                elide: Text.ElideMiddle
            }
        }

        Row {
            id: heading

            anchors.top: parent.top
            anchors.right: parent.right
            anchors.topMargin: 14
            anchors.rightMargin: 16
            width: parent.width - badgeBox.width - 46
            height: 28
            spacing: 8
            layoutDirection: Qt.RightToLeft

            MaterialIcon {
                id: glyph

                anchors.verticalCenter: parent.verticalCenter
                icon: MaterialIcons.archive
                iconSize: Utility.IconSize.XLarge
                iconColor: Colors.primary
            }

            IranSansText {
                objectName: "titleText"
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - glyph.width - parent.spacing
                topPadding: 0
                text: archiveItem.title
                textSize: Utility.TextSize.normal
                textColor: Colors.night
                font.bold: true
                horizontalAlignment: Text.AlignRight
                elide: Text.ElideLeft
            }
        }

        Column {
            id: lines

            anchors.top: heading.bottom
            anchors.topMargin: 10
            anchors.bottom: buyButton.top
            anchors.bottomMargin: 10
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: 16
            anchors.rightMargin: 16

            readonly property int shownLines: 5 + (dealLine.visible ? 1 : 0) + (propertyLine.visible ? 1 : 0)
            readonly property real lineHeight: Math.min(44, height / shownLines)

            LabelledLine {
                objectName: "priceLine"
                width: parent.width
                height: lines.lineHeight
                label: "قیمت آرشیو"
                value: Utility.putComma(String(Number(archiveItem.price) || 0)) + " تومان"
            }

            LabelledLine {
                objectName: "countLine"
                width: parent.width
                height: lines.lineHeight
                label: "تعداد فایلها"
                value: String(archiveItem.filesCount)
            }

            LabelledLine {
                id: zonesLine

                objectName: "zonesLine"
                width: parent.width
                height: lines.lineHeight
                label: "مناطق فایل ها"
                value: archiveItem.zoneCount > 0 ? archiveItem.zoneCount + " منطقه" : "-"
                valueMargin: archiveItem.zoneCount > 0 ? chevron.width + 6 : 0

                MaterialIcon {
                    id: chevron

                    objectName: "zonesChevron"
                    anchors.left: parent.left
                    anchors.verticalCenter: parent.verticalCenter
                    visible: archiveItem.zoneCount > 0
                    icon: MaterialIcons.chevronDown
                    iconSize: Utility.IconSize.XLarge
                    iconColor: Colors.primary
                    rotation: archiveItem.zonesShown ? 180 : 0

                    Behavior on rotation {
                        NumberAnimation { duration: 500 }
                    }
                }

                MouseArea {
                    objectName: "zonesToggle"
                    anchors.fill: parent
                    enabled: archiveItem.zoneCount > 0
                    cursorShape: enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
                    onClicked: archiveItem.zonesShown = !archiveItem.zonesShown
                }
            }

            LabelledLine {
                id: dealLine

                objectName: "dealLine"
                width: parent.width
                height: lines.lineHeight
                visible: archiveItem.dealTitle.length > 1
                label: "نوع معامله"
                value: archiveItem.dealTitle
            }

            LabelledLine {
                id: propertyLine

                objectName: "propertyLine"
                width: parent.width
                height: lines.lineHeight
                visible: archiveItem.propertyTitle.length > 1
                label: "نوع ملک"
                value: archiveItem.propertyTitle
            }

            LabelledLine {
                objectName: "rebuyLine"
                width: parent.width
                height: lines.lineHeight
                label: "قابلیت خرید مجدد"
                value: archiveItem.rebuyable ? "دارد" : "ندارد"
                valueIcon: archiveItem.rebuyable ? MaterialIcons.checkCircle : MaterialIcons.closeCircle
                valueIconColor: archiveItem.rebuyable ? Colors.gold : Colors.coolRed
            }

            LabelledLine {
                objectName: "statusLine"
                width: parent.width
                height: lines.lineHeight
                hasRule: false
                label: "وضعیت"
                value: archiveItem.active ? "فعال" : "غیر فعال"
                valueColor: archiveItem.active ? Colors.appGreen : Colors.coolRed
            }
        }

        // The zones unfold over the lines under their own, which the card has no room to move.
        Rectangle {
            id: zonePanel

            objectName: "zonePanel"
            anchors.top: lines.top
            anchors.topMargin: zonesLine.y + zonesLine.height
            anchors.left: lines.left
            anchors.right: lines.right
            height: archiveItem.zonesShown ? Math.max(0, buyButton.y - 6 - (lines.y + anchors.topMargin)) : 0
            visible: height > 0
            clip: true
            color: Colors.grey2
            radius: 6

            Behavior on height {
                NumberAnimation { duration: 500; easing.type: Easing.InOutQuad }
            }

            ListView {
                objectName: "zoneList"
                anchors.fill: parent
                anchors.margins: 6
                clip: true
                model: archiveItem.zones
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar {}
                delegate: Row {
                    width: ListView.view.width
                    height: 28
                    spacing: 6
                    layoutDirection: Qt.RightToLeft

                    MaterialIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        icon: MaterialIcons.city
                        iconSize: Utility.IconSize.normal
                        iconColor: Colors.primary
                    }

                    IranSansText {
                        anchors.verticalCenter: parent.verticalCenter
                        topPadding: 0
                        text: model.title
                        textSize: Utility.TextSize.medium
                        textColor: Colors.text
                    }
                }
            }
        }

        AppButton {
            id: buyButton

            objectName: "buyButton"
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 14
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 32
            height: 40
            radius: 8
            color: Colors.primary
            icon: MaterialIcons.cart
            iconSize: Utility.IconSize.normal
            text: "خرید آرشیو"
            onClicked: archiveItem.buyClicked()
        }
    }
}
