import QtQuick 2.15
import "../components"
import "../items"
import "../scripts/DateUtility.js" as DateUtility
import "../scripts/OrderLabels.js" as OrderLabels
import "../scripts/MaterialIcons.js" as MaterialIcons

// The office's transactions, newest first, as a table; the next page comes at the table's end.
Item {
    id: transactionPage

    objectName: "transactionPage"
    property alias pager: pager
    property alias transactionModel: transactions
    property alias table: table

    function toRow(transaction) {
        return {
            _id: transaction._id,
            gatewayText: OrderLabels.paymentGateway(transaction.paymentGateway),
            gatewayAuth: OrderLabels.orDash(transaction.gatewayAuth),
            receipt: OrderLabels.orDash(transaction.receipt),
            amount: OrderLabels.money(transaction.amount),
            orderDate: DateUtility.dateString(new Date(transaction.created_at), true),
            statusText: OrderLabels.statusText(transaction.status),
            statusColor: OrderLabels.statusColor(transaction.status)
        }
    }

    function getList(reset) {
        pager.load(reset, userData.systemRole + "/orders/searchTransactions",
                   { condition: true, searchOperator: "and", sortBy: "created_at", sortDirection: -1 }, "transactions",
                   toRow)
    }

    Component.onCompleted: getList(true)

    ListModel {
        id: transactions
    }

    ListPager {
        id: pager

        model: transactions
        count: 100
    }

    RecordTable {
        id: table

        anchors.fill: parent
        headers: ["نوع تراکنش", "کد پیگیری", "رسید پرداخت", "مبلغ", "تاریخ تراکنش", "وضعیت تراکنش"]
        model: transactions
        busy: pager.busy
        emptyIcon: MaterialIcons.fileDocument
        emptyText: "هیچ تراکنشی در لیست موجود نمی باشد"
        delegate: TransactionItem {
            width: ListView.view.width
            gatewayText: model.gatewayText
            gatewayAuth: model.gatewayAuth
            receipt: model.receipt
            amount: model.amount
            orderDate: model.orderDate
            statusText: model.statusText
            statusColor: model.statusColor
        }
        onMoreWanted: {
            if (pager.loadMore)
                transactionPage.getList(false)
        }
    }
}
