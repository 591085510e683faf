import QtQuick 2.15
import "../scripts/Colors.js" as Colors
import "../scripts/Utility.js" as Utility

// The ownership line at the bottom of the sign-in and splash pages.
Text {
    id: footer

    anchors.bottom: parent ? parent.bottom : undefined
    anchors.bottomMargin: 10
    anchors.horizontalCenter: parent ? parent.horizontalCenter : undefined
    textFormat: Text.RichText
    horizontalAlignment: Text.AlignHCenter
    font.bold: true
    font.pixelSize: 15
    font.family: iranSans.name
    color: "black"
    linkColor: Colors.blue
    text: "کلیه حقوق این سامانه متعلق به "
          + "<a href=\"" + serviceConfig.siteUrl + "\" style=\"color:" + Colors.blue + "; text-decoration:none\">"
          + "گروه نرم‌افزاری نورولا</a> است."
          + "<br/>ویرایش : " + Qt.application.version

    onLinkActivated: Utility.openLink(link, "وب سایت")
}
