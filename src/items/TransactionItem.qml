import QtQuick 2.15
import "../components"

// A transaction's row: kind, tracking code, receipt, amount, date and status.
TableRow {
    id: transactionItem

    property string gatewayText: ""
    property string gatewayAuth: ""
    property string receipt: ""
    property string amount: ""
    property string orderDate: ""
    property string statusText: ""
    property string statusColor: ""

    cells: [gatewayText, gatewayAuth, receipt, amount, orderDate, statusText]
    badgeColumn: 5
    badgeColor: statusColor
}
