import QtQuick 2.15
import "../components"

// An order's row: number, kind, amount, amount paid, invoice date, tracking code and status.
TableRow {
    id: orderItem

    property string trackingId: ""
    property string typeText: ""
    property string amount: ""
    property string paymentAmount: ""
    property string orderDate: ""
    property string gatewayAuth: ""
    property string statusText: ""
    property string statusColor: ""

    cells: [trackingId, typeText, amount, paymentAmount, orderDate, gatewayAuth, statusText]
    badgeColumn: 6
    badgeColor: statusColor
}
