import QtQuick 2.15
import "../components"
import "../scripts/Colors.js" as Colors
import "../scripts/Utility.js" as Utility
import "../scripts/MaterialIcons.js" as MaterialIcons

// The terms line under both sign-in forms: a check box and the sentence that names the terms.
Item {
    id: root

    property bool accepted: false
    property alias checkBox: checkBox
    property alias sentence: sentence

    implicitHeight: Math.max(checkBox.height, sentence.implicitHeight)

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        height: parent.height
        spacing: 8

        Rectangle {
            id: checkBox

            objectName: "termsCheckBox"
            anchors.verticalCenter: parent.verticalCenter
            width: 20
            height: 20
            radius: 3
            color: root.accepted ? Colors.primary : "transparent"
            border.width: root.accepted ? 0 : 2
            border.color: Colors.mediumGrey

            MaterialIcon {
                anchors.centerIn: parent
                visible: root.accepted
                icon: MaterialIcons.check
                iconSize: 16
                iconColor: Colors.white
            }

            MouseArea {
                anchors.fill: parent
                onClicked: root.accepted = !root.accepted
            }
        }

        IranSansText {
            id: sentence

            anchors.verticalCenter: parent.verticalCenter
            topPadding: 0
            textFormat: Text.RichText
            textSize: 13
            text: "<a href=\"" + serviceConfig.siteUrl + "terms\" style=\"color:" + Colors.blue
                  + "; text-decoration:none\">قوانین و مقررات</a>"
                  + "<a href=\"none\" style=\"color:" + Colors.black
                  + "; text-decoration:none\"> سامانه Norvela را می پذیرم</a>"
            onLinkActivated: {
                if (link !== "none")
                    Utility.openLink(link, "صفحه قوانین و مقررات")
            }
        }
    }
}
