import QtQuick 2.15
import QtQuick.Controls 2.15
import QtLocation 5.15
import QtPositioning 5.15
import "../components"
import "../dialogs"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// Picks a position: a click on the map hands back the coordinate under the pointer, "انصراف" hands
// back null. The owner listens to mapClosed and takes the page away. A focus scope, so that the
// search input keeps the keyboard when the page stack gives the page the focus.
FocusScope {
    id: mapPage

    objectName: "mapPage"

    property bool searchEnabled: true
    property bool searchStarted: false
    // The map once it has been created (null before).
    readonly property var map: mapLoader.item
    readonly property string addressText: addressLine.text
    property alias positionSource: positionSource
    property alias searchInput: searchInput
    property alias placeList: placeList
    readonly property var startCenter: QtPositioning.coordinate(36.29864726275437, 59.606661774145834)

    signal mapClosed(var coord)

    // Present parts only, so that a missing one leaves no empty place between the separators.
    function joinParts(parts) {
        var present = []
        for (var i = 0; i < parts.length; ++i) {
            if (parts[i] !== undefined && parts[i] !== null && String(parts[i]).trim() !== "")
                present.push(String(parts[i]).trim())
        }
        return present.join(" - ")
    }

    function placeAddress(address) {
        return address ? joinParts([address.state, address.city, address.district, address.county]) : ""
    }

    function searchPlaces(text) {
        if (!map)
            return
        if (text.length > 3) {
            var places = map.places
            places.reset()
            places.searchTerm = text
            places.searchArea = QtPositioning.circle(map.center, 20000)
            places.update()
            searchStarted = true
        } else {
            searchStarted = false
        }
    }

    function placesAnswered() {
        var places = map.places
        if (places.status === PlaceSearchModel.Loading)
            return
        searchStarted = false
        if (places.status !== PlaceSearchModel.Ready)
            return
        placeList.items.clear()
        for (var i = 0; i < places.count; ++i) {
            var place = places.data(i, "place")
            if (!place)
                continue
            placeList.items.append({
                title: places.data(i, "title"),
                address: placeAddress(place.location.address),
                latitude: place.location.coordinate.latitude,
                longitude: place.location.coordinate.longitude
            })
        }
        if (placeList.items.count > 0)
            placeList.initial()
        else if (placeList.visible)
            placeList.dismiss()
    }

    function choosePlace(index) {
        var row = placeList.items.get(index)
        map.center = QtPositioning.coordinate(row.latitude, row.longitude)
        placeList.dismiss()
    }

    // Asks for the address of the centre; the last answer is what the line shows.
    function lookUpAddress() {
        if (!map)
            return
        map.geocoder.query = map.center
        map.geocoder.update()
    }

    function addressAnswered() {
        var geocoder = map.geocoder
        if (geocoder.status !== GeocodeModel.Ready || geocoder.count === 0)
            return
        var address = geocoder.get(0).address
        addressLine.text = joinParts([address.district, address.county, address.street])
    }

    // A single click picks only once the double-click interval has passed without a second one:
    // the first click of a double click must not pick a place the user is only zooming towards.
    // Timed here rather than by the taps' own clock, which synthetic input does not keep.
    function tapped(position) {
        if (pickTimer.running) {
            pickTimer.stop()
            zoomIn()
            return
        }
        pickTimer.coordinate = map.toCoordinate(position)
        pickTimer.start()
    }

    function zoomIn() {
        if (map.zoomLevel + 1.1 < map.maximumZoomLevel) {
            zoomAnimation.to = map.zoomLevel + 1
            zoomAnimation.restart()
        }
    }

    StackView.onActivated: {
        mapLoader.active = true
        if (searchEnabled)
            searchInput.input.forceActiveFocus()
    }
    Component.onCompleted: {
        if (!StackView.view)
            mapLoader.active = true
    }

    Rectangle {
        anchors.fill: parent
        color: Colors.grey
    }

    // Made once the page has arrived, so that opening it does not wait for the map.
    Loader {
        id: mapLoader

        anchors.fill: parent
        active: false
        sourceComponent: ServiceMap {
            id: serviceMap

            property alias places: placeModel
            property alias geocoder: geocodeModel

            objectName: "pickerMap"
            zoomLevel: 14
            maximumZoomLevel: 17
            center: mapPage.startCenter

            onCenterChanged: addressTimer.restart()
            Component.onCompleted: mapPage.lookUpAddress()

            TapHandler {
                onTapped: mapPage.tapped(eventPoint.position)
            }

            PlaceSearchModel {
                id: placeModel

                plugin: serviceMap.plugin
                limit: 10
                onStatusChanged: mapPage.placesAnswered()
            }

            GeocodeModel {
                id: geocodeModel

                plugin: serviceMap.plugin
                autoUpdate: false
                onStatusChanged: mapPage.addressAnswered()
            }
        }
    }

    NumberAnimation {
        id: zoomAnimation

        target: mapPage.map
        property: "zoomLevel"
        duration: 200
    }

    Timer {
        id: pickTimer

        property var coordinate

        objectName: "pickTimer"
        interval: Qt.styleHints.mouseDoubleClickInterval
        onTriggered: mapPage.mapClosed(coordinate)
    }

    // The address follows the centre once it has come to rest.
    Timer {
        id: addressTimer

        interval: 400
        onTriggered: mapPage.lookUpAddress()
    }

    PositionSource {
        id: positionSource

        active: true
        updateInterval: 60000
        onPositionChanged: {
            if (mapPage.map && position.coordinate.isValid)
                mapPage.map.center = position.coordinate
        }
    }

    Rectangle {
        id: topBar

        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 15
        height: 50
        radius: 8
        color: "white"
        border.color: Colors.lightGrey
        border.width: 1

        // Positioned by the row: the input and the button keep a left-to-right layout of their own,
        // which would also unmirror anchors of theirs.
        Row {
            anchors.fill: parent
            anchors.margins: 6
            spacing: 8

            AppInput {
                id: searchInput

                objectName: "searchInput"
                width: parent.width - cancelButton.width - loadingImage.width - parent.spacing * 2
                height: parent.height
                radius: 5
                color: Colors.field
                visible: mapPage.searchEnabled
                hint: "جستجو ..."
                hintColor: Colors.mediumGrey
                textColor: Colors.fieldText
                hasIcon: true
                icon: MaterialIcons.magnify
                iconColor: Colors.darkGrey
                iconSize: Utility.IconSize.large
                onValueChanged: mapPage.searchPlaces(String(value))
                onVisibleChanged: {
                    if (visible) {
                        input.forceActiveFocus()
                        Qt.inputMethod.show()
                    }
                }
                Component.onCompleted: {
                    if (visible)
                        input.forceActiveFocus()
                }
            }

            AnimatedImage {
                id: loadingImage

                objectName: "searchLoading"
                anchors.verticalCenter: parent.verticalCenter
                width: mapPage.searchStarted ? 30 : 0
                height: 30
                fillMode: Image.PreserveAspectFit
                source: "../../rss/images/loading.gif"
                visible: mapPage.searchStarted
                playing: visible
            }

            AppButton {
                id: cancelButton

                objectName: "cancelButton"
                width: 110
                height: parent.height
                radius: 5
                color: Colors.coolRed
                icon: MaterialIcons.close
                text: "انصراف"
                onClicked: mapPage.mapClosed(null)
            }
        }
    }

    Rectangle {
        objectName: "addressBar"
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottomMargin: 20
        width: Math.min(parent.width - 30, addressLine.implicitWidth + 60)
        height: 44
        radius: 22
        color: "white"
        border.color: Colors.lightGrey
        border.width: 1
        visible: addressLine.text !== ""

        MaterialIcon {
            id: addressIcon

            anchors.left: parent.left
            anchors.leftMargin: 15
            anchors.verticalCenter: parent.verticalCenter
            icon: MaterialIcons.mapMarker
            iconSize: Utility.IconSize.large
            iconColor: Colors.primary
        }

        IranSansText {
            id: addressLine

            objectName: "addressLine"
            anchors.left: addressIcon.right
            anchors.leftMargin: 8
            anchors.right: parent.right
            anchors.rightMargin: 15
            anchors.verticalCenter: parent.verticalCenter
            topPadding: 0
            textSize: Utility.TextSize.normal
            textColor: Colors.text
            elide: Text.ElideLeft
        }
    }

    ListDialog {
        id: placeList

        objectName: "placeList"
        parent: searchInput
        modal: false
        hasTitle: false
        x: 0
        y: searchInput.height + 12
        dialogWidth: searchInput.width
        dialogHeight: 250
        dialogPadding: 10
        dialogAnimation: scaleAnimation
        onSelected: mapPage.choosePlace(index)
        listDelegate: Item {
            width: ListView.view.width
            height: 52

            Column {
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - 10

                IranSansText {
                    width: parent.width
                    topPadding: 0
                    text: title
                    textSize: Utility.TextSize.normal
                    textColor: Colors.text
                    horizontalAlignment: Text.AlignRight
                    elide: Text.ElideLeft
                }

                IranSansText {
                    width: parent.width
                    topPadding: 0
                    text: address
                    textSize: 10
                    textColor: "#aeaeae"
                    horizontalAlignment: Text.AlignRight
                    elide: Text.ElideLeft
                }
            }

            Rectangle {
                anchors.bottom: parent.bottom
                anchors.horizontalCenter: parent.horizontalCenter
                width: parent.width * 0.9
                height: 1
                color: Colors.gray
            }

            MouseArea {
                anchors.fill: parent
                onClicked: placeList.selected(index)
            }
        }
    }
}
