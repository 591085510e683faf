import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../dialogs"
import "../database"
import "../scripts/Request.js" as Api
import "../scripts/Session.js" as Session
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// The signed-in user's own details and his agency's office record. Opened from the menu to edit
// them (`isEdit`), and by the session set-up for a new manager who has no office yet: saving then
// creates the office, makes its system folders and opens the main page. Only a manager keeps the
// office record; everyone else sees it and saves his own details alone.
Item {
    id: profilePage

    objectName: "profilePage"

    property bool isEdit: false
    readonly property bool isManager: userData.systemRole === "officeMan"
    readonly property bool officeEditable: isManager
    // The areas an office may be in, as {_id, title, description}.
    property var zones: []
    property var selectedZone: null
    // {latitude, longitude}, or null while no position is chosen.
    property var selectedLocation: null
    readonly property string chooseText: "انتخاب کنید"
    readonly property string savedText: "ثبت اطلاعات با موفقیت انجام شد"

    property alias fname: fnameField
    property alias lname: lnameField
    property alias email: emailField
    property alias mobile: mobileField
    property alias officeTitle: officeTitleField
    property alias area: areaField
    property alias address: addressField
    property alias location: locationField
    property alias phone: phoneField
    property alias officeMobile: officeMobileField
    property alias website: websiteField
    property alias saveButton: saveButton
    property alias zoneDialog: zoneDialog
    property alias signOutButton: signOutButton
    property alias signOutDialog: signOutDialog
    property alias session: session

    function firstOf(list) {
        return Array.isArray(list) && list.length > 0 && list[0] !== null && list[0] !== undefined ? String(list[0]) : ""
    }

    function textOf(value) {
        return value === undefined || value === null || value === false ? "" : String(value)
    }

    function formatNumber(value) {
        return Number(value).toFixed(6)
    }

    function locationText(location) {
        return location ? formatNumber(location.latitude) + " , " + formatNumber(location.longitude) : ""
    }

    function fill() {
        mobileField.text = textOf(isManager ? userData.username : userData.mobile)
        if (!isEdit)
            return
        fnameField.text = textOf(userData.fname)
        lnameField.text = textOf(userData.lname)
        emailField.text = textOf(userData.email)
        var office = userData.office || {}
        selectedZone = office.area ? { _id: office.area._id, title: office.area.title } : null
        selectedLocation = office.location ? { latitude: Number(office.location.latitude),
                                               longitude: Number(office.location.longitude) } : null
        officeTitleField.text = textOf(office.title)
        addressField.text = textOf(office.address)
        phoneField.text = firstOf(office.phoneArray)
        officeMobileField.text = firstOf(office.mobileArray)
        websiteField.text = textOf(office.website)
    }

    function getZones() {
        Api.searchZones(function (list) {
            zones = list.map(function (zone) {
                return { _id: zone._id, title: textOf(zone.title), description: textOf(zone.description) }
            })
        })
    }

    function openZones() {
        zoneDialog.initial()
    }

    // The map opens over the page on the stack the page is on, and is taken away once it answers.
    function openMap() {
        var stack = isEdit ? mainStack : appStack
        var page = stack.push(Qt.resolvedUrl("Map.qml"))
        page.mapClosed.connect(function (coord) {
            if (coord)
                selectedLocation = { latitude: coord.latitude, longitude: coord.longitude }
            if (stack.currentItem === page)
                stack.pop()
        })
    }

    function confirm() {
        Qt.inputMethod.hide()
        if (officeEditable) {
            if (!selectedZone) {
                toast.show("لطفا منطقه دفتر را مشخص کنید", toast.durationLong)
                return
            }
            if (!selectedLocation) {
                toast.show("لطفا موقعیت دفتر روی نقشه را مشخص کنید", toast.durationLong)
                return
            }
            // Checked before anything is sent: refused after the personal details, the office
            // would be left half saved.
            if (officeTitleField.text.trim() === "") {
                toast.show("لطفا نام دفتر را وارد کنید", toast.durationLong)
                return
            }
        }
        var parameters = [Utility.getParameter("fname", fnameField.text.trim()),
                          Utility.getParameter("lname", lnameField.text.trim()),
                          Utility.getParameter("email", emailField.text.trim())]
        // A manager's user name is his mobile number; an adviser's is not a telephone at all.
        if (isManager)
            parameters.push(Utility.getParameter("phone", textOf(userData.username)))
        Api.sendRequest("POST", "updateMe", function (result) {
            Session.adoptUser(result.user)
            if (officeEditable) {
                updateOffice()
            } else {
                if (isEdit)
                    userDataChanged()
                toast.show(savedText, toast.durationLong)
            }
        }, function () {}, parameters)
    }

    function officeRecord() {
        var phones = phoneField.text.trim() === "" ? [] : [phoneField.text.trim()]
        var mobiles = officeMobileField.text.trim() === "" ? [] : [officeMobileField.text.trim()]
        return {
            title: officeTitleField.text.trim(),
            areaId: selectedZone._id,
            address: addressField.text.trim(),
            location: { latitude: selectedLocation.latitude, longitude: selectedLocation.longitude },
            phoneArray: phones,
            mobileArray: mobiles,
            website: websiteField.text.trim()
        }
    }

    function updateOffice() {
        if (!selectedZone) {
            toast.show("انتخاب منطقه اجباری است", toast.durationLong)
            return
        }
        var office = officeRecord()
        // An office made by an earlier try whose folders did not all follow is updated, not made twice.
        var creating = !userData.officeId
        if (!creating) {
            office.officeId = userData.office && userData.office._id ? userData.office._id : userData.officeId
            office.userId = userData._id
        }
        Api.sendJsonRequest("POST", "officeMan/office/" + (creating ? "createOffice" : "updateOffice"), function (result) {
            Session.adoptOffice(result.office)
            if (isEdit) {
                userDataChanged()
                toast.show(savedText, toast.durationLong)
            } else {
                makeFolders()
            }
        }, function () {}, office)
    }

    // The new office's system folders, one per deal type; the last one opens the main page. A try
    // that stopped on the way goes on from the folder that failed.
    function makeFolders() {
        if (session.currentStep)
            session.retry()
        else
            session.addFolder(1)
    }

    LayoutMirroring.enabled: appWindow.rightToLeft
    LayoutMirroring.childrenInherit: true

    Component.onCompleted: {
        fill()
        getZones()
    }

    Rectangle {
        anchors.fill: parent
        color: Colors.grey
    }

    Rectangle {
        id: header

        objectName: "profileHeader"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        height: profilePage.isEdit ? 0 : 64
        visible: !profilePage.isEdit
        color: "white"

        Row {
            anchors.left: parent.left
            anchors.leftMargin: 24
            anchors.verticalCenter: parent.verticalCenter
            spacing: 12

            MaterialIcon {
                anchors.verticalCenter: parent.verticalCenter
                icon: MaterialIcons.store
                iconSize: Utility.IconSize.XXLarge
                iconColor: Colors.primary
            }

            Column {
                anchors.verticalCenter: parent.verticalCenter
                spacing: 2

                IranSansText {
                    anchors.left: parent.left
                    topPadding: 0
                    text: "ثبت دفتر املاک"
                    textSize: Utility.TextSize.XLarge
                    textColor: Colors.night
                    font.bold: true
                }

                IranSansText {
                    anchors.left: parent.left
                    topPadding: 0
                    text: "برای شروع کار، مشخصات خود و دفتر املاک خود را ثبت کنید"
                    textSize: Utility.TextSize.medium
                    textColor: Colors.mediumGrey
                }
            }
        }

        // Until the office exists there is no main page and no menu: this is the way out for a
        // user who does not want to register an office now or signed in with the wrong number.
        // Across from the title; the button does not mirror its own anchors, its holder does.
        Item {
            anchors.right: parent.right
            anchors.rightMargin: 24
            anchors.verticalCenter: parent.verticalCenter
            width: signOutButton.width
            height: signOutButton.height

            AppButton {
                id: signOutButton

                objectName: "signOutButton"
                // The caption, the icon and room on either side.
                width: signOutCaption.advanceWidth + iconSize + spacing + 40
                height: 40
                radius: 8
                color: Colors.lightPink
                textColor: Colors.danger
                icon: MaterialIcons.logout
                iconSize: Utility.IconSize.normal
                fontSize: Utility.TextSize.normal
                text: "خروج از حساب"
                onClicked: signOutDialog.initial()

                TextMetrics {
                    id: signOutCaption

                    font: signOutButton.font
                    text: signOutButton.text
                }
            }
        }

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Colors.gray
        }
    }

    Flickable {
        id: flickable

        objectName: "profileFlickable"
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: footerBar.top
        contentWidth: width
        contentHeight: content.height + 48
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        ScrollBar.vertical: ScrollBar {}

        Column {
            id: content

            // The width of a field when `columns` share a row, with the gaps between them.
            function fieldWidth(columns) {
                return (width - 2 * 24 - (columns - 1) * 20) / columns
            }

            y: 24
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(flickable.width - 48, 980)
            spacing: 20

            Rectangle {
                width: parent.width
                height: personal.height + 48
                radius: 10
                color: "white"

                Column {
                    id: personal

                    x: 24
                    y: 24
                    width: parent.width - 48
                    spacing: 18

                    SectionTitle {
                        icon: MaterialIcons.accountCardDetails
                        text: "مشخصات فردی"
                    }

                    Grid {
                        columns: 4
                        columnSpacing: 20
                        rowSpacing: 14

                        FormField {
                            id: fnameField

                            objectName: "fnameField"
                            width: content.fieldWidth(4)
                            label: "نام"
                        }

                        FormField {
                            id: lnameField

                            objectName: "lnameField"
                            width: content.fieldWidth(4)
                            label: "نام خانوادگی"
                        }

                        FormField {
                            id: emailField

                            objectName: "emailField"
                            width: content.fieldWidth(4)
                            label: "ایمیل"
                            field.inputType: Qt.ImhEmailCharactersOnly
                        }

                        FormField {
                            id: mobileField

                            objectName: "mobileField"
                            width: content.fieldWidth(4)
                            label: "شماره همراه"
                            readOnly: true
                        }
                    }
                }
            }

            Rectangle {
                width: parent.width
                height: officeColumn.height + 48
                radius: 10
                color: "white"

                Column {
                    id: officeColumn

                    x: 24
                    y: 24
                    width: parent.width - 48
                    spacing: 18

                    SectionTitle {
                        icon: MaterialIcons.store
                        text: "مشخصات دفتر املاک"
                    }

                    IranSansText {
                        objectName: "officeReadOnlyNote"
                        width: parent.width
                        visible: !profilePage.officeEditable
                        topPadding: 0
                        text: "مشخصات دفتر را تنها مدیر دفتر می تواند ویرایش کند"
                        textSize: Utility.TextSize.medium
                        textColor: Colors.mediumGrey
                        horizontalAlignment: appWindow.rightToLeft ? Text.AlignRight : Text.AlignLeft
                        LayoutMirroring.enabled: false
                    }

                    Grid {
                        columns: 3
                        columnSpacing: 20
                        rowSpacing: 14

                        FormField {
                            id: officeTitleField

                            objectName: "officeTitleField"
                            width: content.fieldWidth(3)
                            label: "نام دفتر"
                            readOnly: !profilePage.officeEditable
                        }

                        FormField {
                            id: areaField

                            objectName: "areaField"
                            width: content.fieldWidth(3)
                            label: "منطقه"
                            chooser: true
                            readOnly: !profilePage.officeEditable
                            icon: MaterialIcons.magnify
                            text: profilePage.selectedZone ? profilePage.textOf(profilePage.selectedZone.title)
                                                           : (profilePage.officeEditable ? profilePage.chooseText : "")
                            onClicked: profilePage.openZones()
                        }

                        FormField {
                            id: websiteField

                            objectName: "websiteField"
                            width: content.fieldWidth(3)
                            label: "وب سایت"
                            readOnly: !profilePage.officeEditable
                            field.inputType: Qt.ImhUrlCharactersOnly
                        }
                    }

                    FormField {
                        id: addressField

                        objectName: "addressField"
                        width: parent.width
                        label: "آدرس"
                        readOnly: !profilePage.officeEditable
                    }

                    Grid {
                        columns: 3
                        columnSpacing: 20
                        rowSpacing: 14

                        FormField {
                            id: locationField

                            objectName: "locationField"
                            width: content.fieldWidth(3)
                            label: "موقعیت دفتر روی نقشه"
                            chooser: true
                            readOnly: !profilePage.officeEditable
                            icon: MaterialIcons.mapMarker
                            text: profilePage.selectedLocation ? profilePage.locationText(profilePage.selectedLocation)
                                                               : (profilePage.officeEditable ? profilePage.chooseText : "")
                            onClicked: profilePage.openMap()
                        }

                        FormField {
                            id: phoneField

                            objectName: "phoneField"
                            width: content.fieldWidth(3)
                            label: "تلفن ثابت"
                            readOnly: !profilePage.officeEditable
                            field.inputType: Qt.ImhDigitsOnly
                            validator: RegExpValidator { regExp: /[0-9]{0,11}/ }
                        }

                        FormField {
                            id: officeMobileField

                            objectName: "officeMobileField"
                            width: content.fieldWidth(3)
                            label: "تلفن همراه دفتر"
                            readOnly: !profilePage.officeEditable
                            field.inputType: Qt.ImhDigitsOnly
                            validator: RegExpValidator { regExp: /[0-9]{0,11}/ }
                        }
                    }
                }
            }
        }
    }

    // The save button stays in reach however far the form is scrolled.
    Rectangle {
        id: footerBar

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: 72
        color: "white"

        Rectangle {
            anchors.top: parent.top
            width: parent.width
            height: 1
            color: Colors.gray
        }

        AppButton {
            id: saveButton

            objectName: "saveButton"
            anchors.centerIn: parent
            width: 240
            height: 44
            radius: 8
            color: Colors.primary
            icon: MaterialIcons.contentSave
            iconSize: Utility.IconSize.normal
            fontSize: Utility.TextSize.normal
            text: "ثبت اطلاعات"
            onClicked: profilePage.confirm()
        }
    }

    SearchDialog {
        id: zoneDialog

        objectName: "zoneDialog"
        dialogTitle: "انتخاب منطقه"
        dialogWidth: profilePage.width * (profilePage.isEdit ? 0.4 : 0.25)
        items: profilePage.zones
        onSelected: {
            profilePage.selectedZone = item
            dismiss()
        }
    }

    ConfirmDialog {
        id: signOutDialog

        objectName: "signOutDialog"
        dialogWidth: profilePage.width * 0.3
        dialogTitle: "آیا مطمئـــن هستید؟"
        dialogContent: "در صورت ادامه از سیستم خارج خواهید شد"
        positiveText: "بله"
        negativeText: "خیر، منصرف شدم"
        onPositiveClicked: {
            dismiss()
            Session.signOut()
        }
        onNegativeClicked: dismiss()
    }

    FieldTable {
        id: field
    }

    SessionSetup {
        id: session

        fieldTable: field
    }
}
