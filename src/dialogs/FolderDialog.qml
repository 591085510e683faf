import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Request.js" as Api
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// Which of the agency's folders a staff member may see. It opens once the folders have arrived,
// each ticked when the member has access to it now, and reports the folders ticked on saving
// beside those he had; the page works out and sends the difference.
AppDialog {
    id: folderDialog

    property string userId: ""
    property int index: -1
    property alias folderModel: folderModel
    property alias list: list

    signal positiveClicked(var selectedFolders, var userFolders)
    signal negativeClicked()

    function folderId(folder) {
        return folder.id !== undefined && folder.id !== null ? String(folder.id) : String(folder._id)
    }

    function hasAccess(folder) {
        var users = folder.users
        if (!Array.isArray(users))
            return false
        for (var i = 0; i < users.length; ++i) {
            var id = users[i] !== null && typeof users[i] === "object" ? users[i]._id : users[i]
            if (String(id) === userId)
                return true
        }
        return false
    }

    function getFolders() {
        Api.sendJsonRequest("POST", userData.systemRole + "/folders/getMyFolders", function (result) {
            var folders = Array.isArray(result.folders) ? result.folders : []
            folderModel.clear()
            for (var i = 0; i < folders.length; ++i) {
                var access = hasAccess(folders[i])
                folderModel.append({ id: folderId(folders[i]), title: String(folders[i].title || ""),
                                     selected: access, userFolder: access })
            }
            openFrame()
        }, function () {}, {})
    }

    // Loads the folders and opens on their arrival; a failed load leaves the dialog closed.
    function initial() {
        getFolders()
    }

    function rows(test) {
        var found = []
        for (var i = 0; i < folderModel.count; ++i) {
            var row = folderModel.get(i)
            if (test(row))
                found.push({ id: row.id, title: row.title })
        }
        return found
    }

    function getSelectedFolders() {
        return rows(function (row) { return row.selected })
    }

    function getUserFolders() {
        return rows(function (row) { return row.userFolder })
    }

    // After the service has granted or withdrawn access to `ids`: a later save starts from there.
    function markAccess(ids, access) {
        for (var i = 0; i < folderModel.count; ++i) {
            if (ids.indexOf(folderModel.get(i).id) >= 0)
                folderModel.setProperty(i, "userFolder", access)
        }
    }

    dialogWidth: Math.min(appWindow.width * 0.35, 460)
    dialogHeight: column.height + 80
    dialogPadding: 50
    radius: 10
    closePolicy: Popup.CloseOnEscape
    contentLayout.color: "white"

    ListModel {
        id: folderModel
    }

    Column {
        id: column

        anchors.centerIn: parent
        width: parent.width - folderDialog.dialogPadding
        spacing: 14

        IranSansText {
            width: parent.width
            topPadding: 0
            text: "تعیین دسترسی"
            textSize: Utility.TextSize.large
            textColor: Colors.primaryDark
            font.bold: true
            horizontalAlignment: Text.AlignHCenter
        }

        ListView {
            id: list

            objectName: "folderList"
            width: parent.width
            height: Math.min(contentHeight, 44 * 8)
            clip: true
            interactive: contentHeight > height
            model: folderModel
            delegate: Item {
                width: ListView.view.width
                height: 44

                Row {
                    anchors.fill: parent
                    anchors.leftMargin: 8
                    anchors.rightMargin: 8
                    spacing: 10
                    layoutDirection: folderDialog.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight

                    MaterialIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        icon: selected ? MaterialIcons.checkboxMarked : MaterialIcons.checkboxBlankOutline
                        iconSize: Utility.IconSize.large
                        iconColor: selected ? Colors.primary : Colors.lightGrey
                    }

                    IranSansText {
                        anchors.verticalCenter: parent.verticalCenter
                        topPadding: 0
                        text: title
                        textSize: Utility.TextSize.normal
                        textColor: Colors.text
                    }
                }

                Rectangle {
                    anchors.bottom: parent.bottom
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: parent.width * 0.95
                    height: 1
                    color: Colors.gray
                }

                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: folderModel.setProperty(index, "selected", !selected)
                }
            }
        }

        Row {
            id: buttons

            width: parent.width
            height: 38
            spacing: 10
            layoutDirection: folderDialog.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight

            AppButton {
                objectName: "positiveButton"
                width: (buttons.width - buttons.spacing) / 2
                height: buttons.height
                radius: 8
                hasIcon: false
                color: Colors.primary
                text: "ثبت اطلاعات"
                onClicked: folderDialog.positiveClicked(folderDialog.getSelectedFolders(), folderDialog.getUserFolders())
            }

            AppButton {
                objectName: "negativeButton"
                width: (buttons.width - buttons.spacing) / 2
                height: buttons.height
                radius: 8
                hasIcon: false
                color: Colors.coolRed
                text: "انصراف"
                onClicked: folderDialog.negativeClicked()
            }
        }
    }
}
