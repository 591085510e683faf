import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../items"
import "../scripts/Request.js" as Api
import "../scripts/DateUtility.js" as DateUtility
import "../scripts/MaterialIcons.js" as MaterialIcons

// The message box: the service's notifications to the user, newest first. What a page shows is
// marked read on the service, and the menu's unread badges are then asked for again.
Item {
    id: messagePage

    objectName: "messagePage"
    property alias pager: pager
    property alias messageModel: messages
    property alias list: list

    function toRow(notification) {
        return {
            _id: notification._id,
            title: notification.title !== undefined && notification.title !== null ? String(notification.title) : "",
            body: notification.body !== undefined && notification.body !== null ? String(notification.body) : "",
            isNew: notification.read === false,
            noteDate: DateUtility.getTimeText(Date.parse(notification.created_at) / 1000)
        }
    }

    function getNotifications(reset) {
        pager.load(reset, "notifications/getMyNotifications",
                   { condition: false, searchOperator: "and", sortBy: "created_at", sortDirection: -1 },
                   "notifications", toRow)
    }

    // Marks exactly the notifications a page added as read. Others may still be unread (on later
    // pages, or arrived meanwhile), so the badges take the service's count rather than nought.
    function readNotification(ids) {
        if (!ids || ids.length === 0)
            return
        Api.sendJsonRequest("POST", "notifications/readMyNotifications", function () {
            if (typeof mainPage !== "undefined" && mainPage)
                mainPage.getNotifications()
        }, function () {}, { notificationIds: ids }, false)
    }

    Component.onCompleted: getNotifications(true)

    ListModel {
        id: messages
    }

    ListPager {
        id: pager

        model: messages
        count: 1000
        // What a page added is shown: its rows, the last ones, are read.
        onReceived: {
            var ids = []
            for (var i = messages.count - added; i < messages.count; ++i)
                ids.push(messages.get(i)._id)
            messagePage.readNotification(ids)
        }
    }

    ListView {
        id: list

        objectName: "list"
        anchors.fill: parent
        anchors.margins: 12
        clip: true
        model: messages
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}
        onAtYEndChanged: {
            if (atYEnd && pager.loadMore)
                messagePage.getNotifications(false)
        }

        delegate: MessageItem {
            width: ListView.view.width
            title: model.title
            body: model.body
            date: model.noteDate
            isNew: model.isNew
        }
    }

    EmptyNotice {
        objectName: "emptyNotice"
        anchors.centerIn: parent
        width: Math.min(parent.width - 40, 520)
        visible: messages.count === 0 && !pager.busy
        icon: MaterialIcons.message
        text: "در حال حاضر هیچ پیامی قابل نمایش نمی باشد"
    }
}
