import QtQuick 2.15
import QtTest 1.15

// Must fail: a binding error is a QML warning, and a warning fails the test process.
TestCase {
    name: "Warns"

    Item {
        id: item
    }

    function test_bindingErrorIsAWarning() {
        item.width = Qt.binding(function() { return noSuchObject.width })
        verify(item !== null)
    }
}
