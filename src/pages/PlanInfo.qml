import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../items"
import "../dialogs"
import "../scripts/Request.js" as Api
import "../scripts/Session.js" as Session
import "../scripts/Utility.js" as Utility
import "../scripts/DateUtility.js" as DateUtility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// The office's current plan: what it allows, when it ends, and the extra areas it covers, which
// are added from the list of all areas and removed again after a question.
Item {
    id: planInfoPage

    objectName: "planInfoPage"
    // The current plan as the service lists it; null when the office has none.
    property var plan: null
    // Every area of the service.
    property var zones: []
    // The plan question has been answered (found or not).
    property bool ready: false
    readonly property bool hasPlan: plan !== null
    readonly property var currentPlan: userData.office && userData.office.currentPlan ? userData.office.currentPlan : ({})
    readonly property string expireDate: DateUtility.dateTimeString(new Date(Number(currentPlan.expires_in)))
    readonly property int areaLimit: currentPlan.remainingAreas ? Number(currentPlan.remainingAreas.original) || 0 : 0
    // Areas not added yet, for the selection dialog.
    property var freeZones: []
    property alias areaModel: areas
    property alias zoneDialog: zoneDialog
    property alias deleteDialog: deleteDialog

    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    function office() {
        return userData.office ? userData.office : {}
    }

    // An office without a plan sends no id: asked without one the service lists every plan.
    function getPlanInfo() {
        var planId = office().currentPlanId
        if (!planId) {
            plan = null
            ready = true
            setAreaData()
            return
        }
        Api.sendJsonRequest("POST", userData.systemRole + "/plans/searchPlans", function (result) {
            var list = result && result.plans && Array.isArray(result.plans.data) ? result.plans.data : []
            var found = null
            for (var i = 0; i < list.length; ++i) {
                if (list[i] && list[i]._id === planId)
                    found = list[i]
            }
            plan = found
            ready = true
            setAreaData()
        }, function () {}, {
            _id: planId,
            page: 1,
            count: 100,
            condition: true,
            searchOperator: "and",
            status: 1,
            sortBy: "price",
            sortDirection: -1
        })
    }

    function getZones() {
        Api.sendRequest("POST", "areas/searchAreas", function (result) {
            zones = result && result.areas && Array.isArray(result.areas.data) ? result.areas.data : []
            setAreaData()
        }, function () {}, [Utility.getParameter("page", 1), Utility.getParameter("count", 10000000)])
    }

    function zoneById(id) {
        for (var i = 0; i < zones.length; ++i) {
            if (zones[i]._id === id)
                return zones[i]
        }
        return null
    }

    // The plan's extra areas as the office lists them, by their names.
    function setAreaData() {
        areas.clear()
        var ids = Array.isArray(currentPlan.extraAreaIds) ? currentPlan.extraAreaIds : []
        var listed = {}
        for (var i = 0; i < ids.length; ++i) {
            var zone = zoneById(ids[i])
            if (!zone)
                continue
            listed[zone._id] = true
            areas.append({ _id: zone._id, title: String(zone.title), itemIcon: MaterialIcons.mapMarker })
        }
        freeZones = zones.filter(function (zone) { return listed[zone._id] !== true })
    }

    function reloadOffice() {
        Session.refreshOffice(setAreaData)
    }

    function addArea(area) {
        Api.sendJsonRequest("POST", userData.systemRole + "/office/addExtraArea", function () {
            reloadOffice()
        }, function () {}, { areaId: area._id })
    }

    // Asked by an area row's button.
    function deleteArea(index) {
        var area = areas.get(index)
        if (!area)
            return
        deleteDialog.areaId = area._id
        deleteDialog.dialogContent = "در صورت ادامه منطقه «" + area.title + "» از مناطق اضافه پلن حذف خواهد شد"
        deleteDialog.initial()
    }

    function removeArea(areaId) {
        Api.sendJsonRequest("POST", userData.systemRole + "/office/deleteExtraAreas", function () {
            reloadOffice()
        }, function () {}, { areaIds: [areaId] })
    }

    // The office first, so that a plan paid on the payment page since it was last read is shown.
    Component.onCompleted: {
        Session.refreshOffice(getPlanInfo, getPlanInfo)
        getZones()
    }

    ListModel {
        id: areas
    }

    Flickable {
        id: flick

        objectName: "flick"
        anchors.fill: parent
        anchors.margins: 12
        visible: planInfoPage.ready && planInfoPage.hasPlan
        clip: true
        contentHeight: content.height + 20
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        Column {
            id: content

            width: flick.width
            spacing: 14

            IranSansText {
                objectName: "heading"
                width: parent.width
                rightPadding: 10
                leftPadding: 10
                text: "مشخصات پلن فعلی"
                textSize: Utility.TextSize.XLarge
                textColor: Colors.night
                font.bold: true
                horizontalAlignment: Text.AlignRight
            }

            Flow {
                id: sections

                width: parent.width
                spacing: 16
                layoutDirection: Qt.RightToLeft

                PlanItem {
                    id: planCard

                    objectName: "planCard"
                    width: Math.min(520, Math.max(360, (sections.width - sections.spacing) / 2))
                    height: 420
                    hasButton: false
                    badge: "تاریخ انقضا : " + planInfoPage.expireDate
                    title: planInfoPage.hasPlan ? String(planInfoPage.plan.title) : ""
                    usersCount: planInfoPage.hasPlan ? planInfoPage.plan.maxUsersCount : 0
                    desktopLogins: planInfoPage.hasPlan && planInfoPage.plan.maxLogins ? planInfoPage.plan.maxLogins.desktop : 0
                    mobileLogins: planInfoPage.hasPlan && planInfoPage.plan.maxLogins ? planInfoPage.plan.maxLogins.mobile : 0
                    pricePerExtraUser: planInfoPage.hasPlan ? planInfoPage.plan.pricePerExtraUser : 0
                    areasCount: planInfoPage.hasPlan ? planInfoPage.plan.maxAreasCount : 0
                    filesPerDay: planInfoPage.currentPlan.maxFilesPerPeriod !== undefined ? planInfoPage.currentPlan.maxFilesPerPeriod : 0
                    sharing: planInfoPage.hasPlan && planInfoPage.plan.propertyFileSharingEnabled === true
                    sharingLabel: "قابلیت اشتراک گذاری فایل"
                }

                Item {
                    width: Math.max(360, sections.width - planCard.width - sections.spacing)
                    height: Math.max(planCard.height, areaColumn.height + 48)
                    visible: planInfoPage.hasPlan && Number(planInfoPage.plan.maxAreasCount) > 0

                    Card {
                        id: areaSection

                        objectName: "areaSection"
                        anchors.fill: parent
                        anchors.margins: 8
                        radius: 8
                        elevation: 4

                        Column {
                            id: areaColumn

                            anchors.top: parent.top
                            anchors.topMargin: 16
                            anchors.horizontalCenter: parent.horizontalCenter
                            width: parent.width - 32
                            spacing: 12

                            Item {
                                width: parent.width
                                height: 40

                                IranSansText {
                                    anchors.right: parent.right
                                    anchors.verticalCenter: parent.verticalCenter
                                    topPadding: 0
                                    text: "مناطق اضافه پلن"
                                    textSize: Utility.TextSize.large
                                    textColor: Colors.night
                                    font.bold: true
                                }

                                AppButton {
                                    id: addButton

                                    objectName: "addAreaButton"
                                    anchors.left: parent.left
                                    anchors.verticalCenter: parent.verticalCenter
                                    width: 180
                                    height: 36
                                    radius: 8
                                    color: Colors.primary
                                    icon: MaterialIcons.plus
                                    iconSize: Utility.IconSize.normal
                                    text: "افزودن منطقه اضافه"
                                    visible: areas.count < planInfoPage.areaLimit
                                    onClicked: zoneDialog.initial()
                                }
                            }

                            ListView {
                                id: areaList

                                objectName: "areaList"
                                width: parent.width
                                height: contentHeight
                                interactive: false
                                model: areas
                                delegate: SimpleItem {
                                    width: ListView.view.width
                                    height: 50
                                }
                            }

                            IranSansText {
                                objectName: "noAreaText"
                                width: parent.width
                                visible: areas.count === 0
                                horizontalAlignment: Text.AlignHCenter
                                text: "هیچ منطقه اضافه ای برای شما ثبت نشده است"
                                textSize: Utility.TextSize.medium
                                textColor: Colors.mediumGrey
                            }
                        }
                    }
                }
            }
        }
    }

    EmptyNotice {
        objectName: "noPlanNotice"
        anchors.centerIn: parent
        width: Math.min(parent.width - 40, 520)
        visible: planInfoPage.ready && !planInfoPage.hasPlan
        icon: MaterialIcons.walletMembership
        text: "در حال حاضر شما هیچ پلن فعالی ندارید\n\nلطفا از منوی برنامه بخش خرید پلن اقدام به خرید پلن نمایید"
    }

    SearchDialog {
        id: zoneDialog

        objectName: "zoneDialog"
        dialogTitle: "انتخاب منطقه"
        dialogWidth: planInfoPage.width * 0.5
        items: planInfoPage.freeZones
        onSelected: {
            dismiss()
            planInfoPage.addArea(item)
        }
    }

    ConfirmDialog {
        id: deleteDialog

        property string areaId: ""

        objectName: "deleteDialog"
        dialogWidth: planInfoPage.width * 0.4
        dialogTitle: "آیا مطمئـــن هستید؟"
        positiveText: "بله"
        negativeText: "خیر، منصرف شدم"
        onPositiveClicked: {
            dismiss()
            planInfoPage.removeArea(areaId)
        }
        onNegativeClicked: dismiss()
    }
}
