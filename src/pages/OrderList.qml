import QtQuick 2.15
import "../components"
import "../items"
import "../scripts/DateUtility.js" as DateUtility
import "../scripts/OrderLabels.js" as OrderLabels
import "../scripts/MaterialIcons.js" as MaterialIcons

// The office's orders, newest first, as a table; the next page comes at the table's end.
Item {
    id: orderPage

    objectName: "orderPage"
    property alias pager: pager
    property alias orderModel: orders
    property alias table: table

    function toRow(order) {
        return {
            _id: order._id,
            trackingId: OrderLabels.orDash(order.trackingId),
            typeText: OrderLabels.orderType(order.orderType),
            amount: OrderLabels.money(order.amount),
            paymentAmount: OrderLabels.money(order.paymentAmount),
            orderDate: DateUtility.dateString(new Date(order.created_at), true),
            gatewayAuth: OrderLabels.orDash(order.gatewayAuth),
            statusText: OrderLabels.statusText(order.status),
            statusColor: OrderLabels.statusColor(order.status)
        }
    }

    function getList(reset) {
        pager.load(reset, userData.systemRole + "/orders/searchOrders",
                   { condition: true, searchOperator: "and", sortBy: "created_at", sortDirection: -1 }, "orders", toRow)
    }

    Component.onCompleted: getList(true)

    ListModel {
        id: orders
    }

    ListPager {
        id: pager

        model: orders
        count: 100
    }

    RecordTable {
        id: table

        anchors.fill: parent
        headers: ["شماره سفارش", "نوع درخواست", "مبلغ", "مبلغ پرداخت شده", "تاریخ ثبت فاکتور", "کد پیگیری",
                  "وضعیت سفارش"]
        model: orders
        busy: pager.busy
        emptyIcon: MaterialIcons.shopping
        emptyText: "هیچ سفارشی در لیست موجود نمی باشد"
        delegate: OrderItem {
            width: ListView.view.width
            trackingId: model.trackingId
            typeText: model.typeText
            amount: model.amount
            paymentAmount: model.paymentAmount
            orderDate: model.orderDate
            gatewayAuth: model.gatewayAuth
            statusText: model.statusText
            statusColor: model.statusColor
        }
        onMoreWanted: {
            if (pager.loadMore)
                orderPage.getList(false)
        }
    }
}
