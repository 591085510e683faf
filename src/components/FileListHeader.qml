import QtQuick 2.15
import "../items"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// The file list's head: the folding box of deal, property and order choosers with the filter and
// search buttons, the count of files shown beside the free-text search bar, and the filters in
// use as chips. The list page (`page`) does what is chosen.
Column {
    id: root

    property Item page: null
    property bool showsChoosers: true
    property bool showsSearch: true
    property bool showsCounter: false
    property string counterText: ""
    property string choosePrompt: ""
    property ListModel dealModel: null
    property ListModel propertyModel: null
    property ListModel orderModel: null
    property ListModel orderTypeModel: null
    property ListModel filterModel: null
    readonly property alias dealCombo: dealCombo
    readonly property alias propertyCombo: propertyCombo
    readonly property alias orderCombo: orderCombo
    readonly property alias orderTypeCombo: orderTypeCombo

    spacing: 8


    Rectangle {
        id: headerBox

        objectName: "headerBox"
        width: parent.width
        height: headerFilters.height + chevron.height + 6
        visible: root.showsChoosers
        radius: 10
        color: Colors.white
        clip: true

        Item {
            id: headerFilters

            objectName: "headerFilters"
            property bool shown: true

            anchors.top: parent.top
            width: parent.width
            height: shown ? filterGrid.height + 20 : 0
            clip: true

            Behavior on height { NumberAnimation { duration: 200 } }

            Grid {
                id: filterGrid

                anchors.top: parent.top
                anchors.topMargin: 10
                anchors.left: parent.left
                anchors.leftMargin: 14
                width: parent.width - 28
                columns: 2
                columnSpacing: 24
                rowSpacing: 8

                LabelledCombo {
                    id: dealCombo

                    comboName: "dealCombo"
                    width: (filterGrid.width - filterGrid.columnSpacing) / 2
                    title: "نوع معـــامله"
                    model: root.dealModel
                    displayText: root.choosePrompt
                    onActivated: root.page.chooseDealType(index)
                }

                LabelledCombo {
                    id: propertyCombo

                    comboName: "propertyCombo"
                    width: (filterGrid.width - filterGrid.columnSpacing) / 2
                    title: "نوع مــــلک"
                    model: root.propertyModel
                    displayText: root.choosePrompt
                    onActivated: root.page.choosePropertyType(index)
                }

                LabelledCombo {
                    id: orderCombo

                    comboName: "orderCombo"
                    width: (filterGrid.width - filterGrid.columnSpacing) / 2
                    title: "ترتیب بر اساس"
                    model: root.orderModel
                    displayText: root.choosePrompt
                    onActivated: root.page.chooseOrder(index)
                }

                LabelledCombo {
                    id: orderTypeCombo

                    comboName: "orderTypeCombo"
                    width: (filterGrid.width - filterGrid.columnSpacing) / 2
                    title: "نوع ترتیب"
                    model: root.orderTypeModel
                    displayText: root.choosePrompt
                    onActivated: root.page.chooseOrderType(index)
                }

                AppButton {
                    objectName: "addFilterButton"
                    width: (filterGrid.width - filterGrid.columnSpacing) / 2
                    height: 34
                    radius: 5
                    color: Colors.appOrange
                    text: "افزودن فیلتر"
                    icon: MaterialIcons.filterVariant
                    iconSize: Utility.IconSize.normal
                    onClicked: root.page.openFilter()
                }

                AppButton {
                    objectName: "searchButton"
                    width: (filterGrid.width - filterGrid.columnSpacing) / 2
                    height: 34
                    radius: 5
                    color: Colors.primary
                    text: "جستجو"
                    icon: MaterialIcons.magnify
                    iconSize: Utility.IconSize.normal
                    onClicked: root.page.search(true)
                }
            }
        }

        MaterialButton {
            id: chevron

            objectName: "chevron"
            anchors.top: headerFilters.bottom
            anchors.horizontalCenter: parent.horizontalCenter
            icon.icon: headerFilters.shown ? MaterialIcons.chevronUp : MaterialIcons.chevronDown
            icon.iconColor: Colors.primary
            icon.iconSize: Utility.IconSize.XLarge
            onClicked: headerFilters.shown = !headerFilters.shown
        }
    }

    Item {
        width: parent.width
        height: 40

        IranSansText {
            objectName: "counterText"
            anchors.left: parent.left
            anchors.leftMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            topPadding: 0
            visible: root.showsCounter
            text: root.counterText
            textSize: Utility.TextSize.normal
            font.bold: true
            textColor: Colors.text
        }

        // The bar slides aside for its search button while text is in it.
        Item {
            anchors.right: parent.right
            width: parent.width * 0.45
            height: parent.height
            visible: root.showsSearch

            SearchBar {
                id: searchBar

                objectName: "searchBar"
                width: parent.width - 90
                height: parent.height
                onSearch: root.page.searchText(value)
                // Emptying the bar takes back what it searched for; other filters stay.
                onTermChanged: {
                    if (term === "" && root.page.strSearch)
                        root.page.searchText("")
                }
            }
        }
    }

    ListView {
        id: filterList

        objectName: "filterList"
        width: parent.width
        height: 34
        visible: root.filterModel && root.filterModel.count > 0
        orientation: ListView.Horizontal
        spacing: 8
        clip: true
        model: root.filterModel
        delegate: FilterItem {
            title: model.filterTitle
            value: model.filterValue
            onClosed: root.page.removeFilter(index)
        }
    }
}
