import QtQuick 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// A plan's card: its duration (or, for the current plan, its expiry) in a badge, its name, what
// it allows, and the button that buys or renews it with the price it costs.
Item {
    id: planItem

    property string badge: ""
    property string title: ""
    property var usersCount: 0
    property var desktopLogins: 0
    property var mobileLogins: 0
    property var pricePerExtraUser: 0
    property var areasCount: 0
    property var filesPerDay: 0
    property bool sharing: false
    property string sharingLabel: "قابلیت ارسال فایل همکاری"
    property bool hasButton: true
    property string buttonText: ""
    // The price before the discount, "" when there was none.
    property string preDiscountText: ""
    // Marks the office's own plan.
    property bool current: false

    signal buyClicked()

    function money(amount) {
        return Utility.putComma(String(Number(amount) || 0)) + " تومان"
    }

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
            width: badgeText.implicitWidth + 24
            height: 28
            radius: 14
            color: Colors.coolRed

            IranSansText {
                id: badgeText

                objectName: "badgeText"
                anchors.centerIn: parent
                topPadding: 0
                text: planItem.badge
                textSize: Utility.TextSize.medium
                textColor: Colors.white
                font.bold: true
            }
        }

        Row {
            id: heading

            anchors.top: parent.top
            anchors.right: parent.right
            anchors.topMargin: 14
            anchors.rightMargin: 16
            width: parent.width - badgeBox.width - 50
            height: 28
            spacing: 8
            layoutDirection: Qt.RightToLeft

            MaterialIcon {
                id: planGlyph

                anchors.verticalCenter: parent.verticalCenter
                icon: MaterialIcons.walletMembership
                iconSize: Utility.IconSize.XXLarge
                iconColor: Colors.primary
            }

            IranSansText {
                objectName: "titleText"
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - planGlyph.width - parent.spacing
                topPadding: 0
                text: planItem.title
                textSize: Utility.TextSize.large
                textColor: Colors.night
                font.bold: true
                horizontalAlignment: Text.AlignRight
                elide: Text.ElideLeft
            }
        }

        Column {
            id: lines

            objectName: "lines"
            anchors.top: heading.bottom
            anchors.topMargin: 12
            anchors.bottom: footer.top
            anchors.bottomMargin: 10
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: 16
            anchors.rightMargin: 16

            readonly property real lineHeight: Math.min(52, height / 7)

            LabelledLine {
                width: parent.width
                height: lines.lineHeight
                label: "تعداد کاربران اضافه"
                value: String(planItem.usersCount)
            }

            LabelledLine {
                width: parent.width
                height: lines.lineHeight
                label: "دستگاه ویندوزی برای هر کاربر"
                value: String(planItem.desktopLogins)
            }

            LabelledLine {
                width: parent.width
                height: lines.lineHeight
                label: "دستگاه موبایل برای هر کاربر"
                value: String(planItem.mobileLogins)
            }

            LabelledLine {
                width: parent.width
                height: lines.lineHeight
                label: "هزینه هر کاربر اضافه"
                value: planItem.money(planItem.pricePerExtraUser)
            }

            LabelledLine {
                width: parent.width
                height: lines.lineHeight
                label: "مناطق"
                value: String((Number(planItem.areasCount) || 0) + 1)
            }

            LabelledLine {
                width: parent.width
                height: lines.lineHeight
                label: "فایل دریافتی در هر روز"
                value: String(planItem.filesPerDay)
            }

            LabelledLine {
                objectName: "sharingLine"
                width: parent.width
                height: lines.lineHeight
                hasRule: false
                label: planItem.sharingLabel
                value: planItem.sharing ? "دارد" : "ندارد"
                valueIcon: planItem.sharing ? MaterialIcons.check : MaterialIcons.close
                valueIconColor: planItem.sharing ? Colors.gold : Colors.coolRed
            }
        }

        Row {
            id: footer

            anchors.bottom: parent.bottom
            anchors.bottomMargin: 14
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 32
            height: planItem.hasButton ? 40 : 0
            visible: planItem.hasButton
            spacing: 8
            layoutDirection: Qt.RightToLeft

            AppButton {
                id: buyButton

                objectName: "buyButton"
                width: parent.width - (preDiscount.visible ? preDiscount.width + parent.spacing : 0)
                height: parent.height
                radius: 8
                color: planItem.current ? Colors.appGreen : Colors.primary
                icon: planItem.current ? MaterialIcons.refresh : MaterialIcons.cart
                iconSize: Utility.IconSize.normal
                fontSize: Utility.TextSize.medium
                text: planItem.buttonText
                onClicked: planItem.buyClicked()
            }

            Rectangle {
                id: preDiscount

                objectName: "preDiscount"
                width: preDiscountText.implicitWidth + 20
                height: parent.height
                radius: 8
                visible: planItem.preDiscountText !== ""
                color: Colors.subscribeRed

                IranSansText {
                    id: preDiscountText

                    anchors.centerIn: parent
                    topPadding: 0
                    text: planItem.preDiscountText
                    textSize: Utility.TextSize.medium
                    textColor: Colors.white
                    font.strikeout: true
                }
            }
        }

        // The office's own plan is outlined.
        Rectangle {
            anchors.fill: parent
            radius: card.radius
            visible: planItem.current
            color: "transparent"
            border.width: 2
            border.color: Colors.appGreen
        }
    }
}
