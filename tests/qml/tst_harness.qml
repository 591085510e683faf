import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0
import AppUtility 1.0

// The runner gives each test process the program's native types, its resource tree and a
// storage folder of its own.
TestCase {
    id: testCase

    name: "Harness"

    function test_nativeTypesAreRegistered() {
        var settings = createTemporaryQmlObject("import AppSettings 1.0; Settings {}", testCase)
        verify(settings !== null)
        var utility = createTemporaryQmlObject("import AppUtility 1.0; AppUtility {}", testCase)
        compare(utility.compressImage("/a/b.jpg"), "/a/b.jpg")
    }

    function test_storageIsPrivateToTheProcess() {
        verify(testHomePath.length > 0)
        compare(offlineStoragePath, testHomePath + "/offline")
        var utility = createTemporaryQmlObject("import AppUtility 1.0; AppUtility {}", testCase)
        verify(utility.getTempDirectory().indexOf(testHomePath) === 0)
    }

    function test_resourceTreeIsServed() {
        var loader = createTemporaryQmlObject("import QtQuick 2.15; FontLoader { source: 'qrc:/rss/fonts/Vazirmatn-Regular.ttf' }", testCase)
        tryCompare(loader, "status", FontLoader.Ready)
        compare(loader.name, "Vazirmatn")
    }
}
