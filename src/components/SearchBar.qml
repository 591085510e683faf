import QtQuick 2.15
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons
import "../dialogs"

// A search field whose "جستجو" label sits inside it while it is empty and steps out beside it as
// the search button once something is typed.
Item {
    id: searchBarItem

    property alias input: searchInput
    property alias listDelegate: suggestionList.listDelegate
    property alias listItem: suggestionList.listItem
    property alias list: suggestionList
    property alias listModel: suggestionList.items
    property alias color: searchInput.color

    signal search(var value)
    signal termChanged(var term)

    x: (parent ? parent.width - width : 0) / 2
    state: "default"
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    states: [
        State { name: "default" },
        State { name: "left"; PropertyChanges { target: searchBarItem; x: 10 } }
    ]
    transitions: Transition {
        NumberAnimation { property: "x"; duration: 350; easing.type: Easing.InOutQuad }
    }

    AppInput {
        id: searchInput

        anchors.fill: parent
        color: Colors.field
        radius: 5
        icon: MaterialIcons.magnify
        iconColor: Colors.darkGrey
        iconSize: 14
        hasIcon: true
        iconToRight: false
        textColor: Colors.fieldText
        hint: ""
        onEnterPressed: searchBarItem.search(searchInput.text)
    }

    // Text set in code counts as well as typed text, so listen to the editor itself.
    Connections {
        target: searchInput.input

        function onTextChanged() {
            var empty = searchInput.text === ""
            hintContainer.state = empty ? "default" : "right"
            searchBarItem.state = empty ? "default" : "left"
            searchBarItem.termChanged(searchInput.text)
        }
    }

    Rectangle {
        id: hintContainer

        objectName: "searchButton"
        radius: 4
        height: parent.height * 0.8
        width: label.width * 1.8
        color: searchInput.color
        anchors.verticalCenter: parent.verticalCenter
        x: parent.width - (width + 10)
        state: "default"

        states: [
            State { name: "default" },
            State {
                name: "right"
                PropertyChanges { target: hintContainer; x: hintContainer.parent.width + 10; color: Colors.primary }
                PropertyChanges { target: label; textColor: "white" }
            }
        ]
        transitions: Transition {
            NumberAnimation { property: "x"; duration: 350; easing.type: Easing.InOutQuad }
        }

        IranSansText {
            id: label

            anchors.centerIn: parent
            topPadding: 0
            text: "جستجو"
            textColor: Colors.darkGrey

            Behavior on color { ColorAnimation { duration: 100 } }
        }

        MouseArea {
            anchors.fill: parent
            onPressed: {
                if (hintContainer.state === "right")
                    hintContainer.color = Colors.primaryDark
            }
            onReleased: {
                if (hintContainer.state === "right")
                    hintContainer.color = Colors.primary
            }
            onClicked: {
                if (hintContainer.state === "right")
                    searchBarItem.search(searchInput.getText())
                else
                    searchInput.input.forceActiveFocus()
            }
        }
    }

    ListDialog {
        id: suggestionList

        parent: searchBarItem
        hasTitle: false
        x: 0
        y: searchBarItem.height + 10
        dialogWidth: searchInput.width + hintContainer.width + 10
    }
}
