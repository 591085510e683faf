import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../items"
import "../scripts/Request.js" as Api
import "../scripts/Session.js" as Session
import "../scripts/Utility.js" as Utility
import "../scripts/DateUtility.js" as DateUtility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// The plans on sale, two cards a line; the office's own plan is renewed from its card. While a
// paid plan has more than three days to run, only a notice with its expiry is shown: a plan is
// renewed or replaced in its last three days or after it ended.
Item {
    id: planPage

    objectName: "planPage"
    // Renewal opens this long before the plan ends.
    readonly property real renewalWindow: 3 * 24 * 3600 * 1000
    property string expireDate: ""
    // The office's plan runs for longer than the renewal window: the notice stands in for the plans.
    property bool planRunning: false
    // The office has been read from the service and the page knows what to show.
    property bool ready: false
    // A purchase is on its way: a second click must not pay twice.
    property bool buying: false
    property alias pager: pager
    property alias planModel: plans
    property alias grid: grid

    function office() {
        return userData.office ? userData.office : {}
    }

    function isCurrent(plan) {
        var currentId = office().currentPlanId
        return !!currentId && plan._id === currentId
    }

    // Whether `office` holds a paid plan with more than the renewal window left at `now` (ms).
    function runsLonger(office, now) {
        if (!office.currentPlan || !office.originalPlan || office.originalPlan.systemPlan === true)
            return false
        var expires = Number(office.currentPlan.expires_in)
        return isFinite(expires) && expires - now > renewalWindow
    }

    // Shows the notice or the plans for the office as it is stored now.
    function showOffice() {
        var current = office()
        planRunning = runsLonger(current, Date.now())
        expireDate = current.currentPlan ? DateUtility.dateTimeString(new Date(Number(current.currentPlan.expires_in))) : ""
        ready = true
        if (planRunning)
            plans.clear()
        else
            getPlans(true)
    }

    // The office first: a plan paid on the payment page since it was last read changes what the
    // page may offer.
    function open() {
        Session.refreshOffice(showOffice, showOffice)
    }

    function toRow(plan) {
        var logins = plan.maxLogins ? plan.maxLogins : {}
        var current = isCurrent(plan)
        var extraFee = current && office().currentPlan ? Number(office().currentPlan.extraFee) || 0 : 0
        var price = Number(plan.price) || 0
        var renewPrice = (Number(plan.renewPrice) || 0) + extraFee
        return {
            _id: plan._id,
            title: plan.title !== undefined && plan.title !== null ? String(plan.title) : "",
            expdays: Number(plan.expdays) || 0,
            price: price,
            renewPrice: renewPrice,
            preDiscountPrice: Number(plan.preDiscountPrice) || 0,
            maxUsersCount: Number(plan.maxUsersCount) || 0,
            desktopLogins: Number(logins.desktop) || 0,
            mobileLogins: Number(logins.mobile) || 0,
            pricePerExtraUser: Number(plan.pricePerExtraUser) || 0,
            maxAreasCount: Number(plan.maxAreasCount) || 0,
            maxFilesPerPeriod: Number(plan.maxFilesPerPeriod) || 0,
            sharing: plan.propertyFileSharingEnabled === true,
            planDate: DateUtility.getTimeText(Date.parse(plan.created_at) / 1000),
            current: current,
            buttonText: current ? "تمدید پلن (" + Utility.putComma(String(renewPrice)) + " تومان" + ")"
                                : "خرید پلن (" + Utility.putComma(String(price)) + " تومان" + ") "
        }
    }

    function getPlans(reset) {
        pager.load(reset, userData.systemRole + "/plans/searchPlans", {
            condition: true,
            searchOperator: "and",
            status: 1,
            sortBy: "price",
            sortDirection: -1,
            systemPlan: false
        }, "plans", toRow)
    }

    // Renews the office's own plan, buys any other. Paid from the wallet when it covers the price,
    // else on the payment page, whose outcome the service keeps.
    function buyPlan(index) {
        var plan = plans.get(index)
        if (!plan || buying)
            return
        buying = true
        var route = isCurrent(plan) ? "/plans/renewPlan" : "/plans/buyPlan"
        Api.sendJsonRequest("POST", userData.systemRole + route, function (result, reply) {
            buying = false
            if (result && result.requirePayment) {
                mainPage.openGateway(result, reply)
                return
            }
            toast.show("پلن مورد نظر برای شما فعال شد و مبلغ آن از موجودی کیف پول شما کم شد", toast.durationLong)
            mainPage.getMyWallet()
            Session.refresh(showOffice, showOffice)
        }, function () {
            buying = false
        }, { planId: plan._id, currentPlanId: plan._id })
    }

    Component.onCompleted: open()

    ListModel {
        id: plans
    }

    ListPager {
        id: pager

        model: plans
        count: 100
    }

    GridView {
        id: grid

        objectName: "grid"
        anchors.fill: parent
        anchors.margins: 12
        visible: planPage.ready && !planPage.planRunning
        clip: true
        model: plans
        cellWidth: Math.floor(width / 2)
        cellHeight: cellWidth
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}
        onAtYEndChanged: {
            if (atYEnd && pager.loadMore)
                planPage.getPlans(false)
        }

        delegate: PlanItem {
            width: GridView.view.cellWidth
            height: GridView.view.cellHeight
            badge: model.expdays + " روزه"
            title: model.title
            usersCount: model.maxUsersCount
            desktopLogins: model.desktopLogins
            mobileLogins: model.mobileLogins
            pricePerExtraUser: model.pricePerExtraUser
            areasCount: model.maxAreasCount
            filesPerDay: model.maxFilesPerPeriod
            sharing: model.sharing
            current: model.current
            buttonText: model.buttonText
            preDiscountText: model.preDiscountPrice > 0 ? Utility.putComma(String(model.preDiscountPrice)) + " تومان" : ""
            onBuyClicked: planPage.buyPlan(index)
        }
    }

    Card {
        id: notice

        objectName: "planNotice"
        anchors.centerIn: parent
        width: Math.min(parent.width - 40, 620)
        height: noticeColumn.height + 48
        radius: 10
        elevation: 4
        color: Colors.coolRed
        visible: planPage.ready && planPage.planRunning

        Column {
            id: noticeColumn

            anchors.centerIn: parent
            width: parent.width - 48
            spacing: 14

            MaterialIcon {
                anchors.horizontalCenter: parent.horizontalCenter
                icon: MaterialIcons.walletMembership
                iconSize: 64
                iconColor: Colors.white
            }

            IranSansText {
                objectName: "noticeText"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                lineHeight: 1.2
                text: "کاربر گرامی در حال حاضر شما دارای یک پلن فعال با بیش تر از 3 روز "
                      + "زمان انقضا هستید لطفا جهت خرید پلن جدید در پایان زمان پلن فعلی اقدام نمایید"
                textSize: Utility.TextSize.normal
                textColor: Colors.white
            }

            IranSansText {
                objectName: "expireText"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: "تاریخ انقضا پلن فعلی : " + planPage.expireDate
                textSize: Utility.TextSize.normal
                textColor: Colors.white
                font.bold: true
            }
        }
    }

    EmptyNotice {
        objectName: "emptyNotice"
        anchors.centerIn: parent
        width: Math.min(parent.width - 40, 520)
        visible: planPage.ready && !planPage.planRunning && plans.count === 0 && !pager.busy
        icon: MaterialIcons.walletMembership
        text: "هیچ پلنی در لیست موجود نمی باشد"
    }
}
