import QtQuick 2.15
import QtTest 1.15

// An adviser's file list: deal types from the folders granted to her, sharing only for her own
// files, the modes of her menu, and a refusal of the service that leaves the list as it was.
TestCase {
    id: testCase

    property var main: null

    name: "FileListAdviser"
    when: windowShown

    FileListDriver {
        id: driver

        test: testCase
    }

    function initTestCase() {
        main = driver.startAsAdviser("sara", "123456")
    }

    function cleanupTestCase() {
        driver.quit()
    }

    function cleanup() {
        driver.waitIdle()
        if (driver.toast.visible)
            driver.closeToast()
    }

    function test_dealTypesComeFromHerFolders() {
        var page = driver.openList("home")
        var result = driver.expectShows({}, "her files")
        var titles = { 1: "فروش", 2: "اجاره", 3: "مشارکت", 4: "پیش فروش", 5: "متقاضی خرید", 6: "متقاضی اجاره",
                       7: "متقاضی مشارکت", 8: "متقاضی پیش خرید" }
        var expected = ["انتخاب کنید"]
        var folders = driver.folders(driver.token.token, "employee")
        for (var i = 0; i < folders.length; ++i) {
            var title = titles[JSON.parse(folders[i].query).dealType]
            if (expected.indexOf(title) < 0)
                expected.push(title)
        }
        compare(expected, ["انتخاب کنید", "فروش", "اجاره", "متقاضی خرید", "متقاضی اجاره"])
        var deals = driver.listPart("dealModel")
        var shown = []
        for (var d = 0; d < deals.count; ++d)
            shown.push(deals.get(d).title)
        compare(shown, expected)

        // Only her own files may be offered for cooperation.
        var me = driver.window.userData._id
        var model = driver.listPart("fileModel")
        var own = 0
        for (var r = 0; r < model.count; ++r) {
            var file = result.propertyFiles.data[r]
            compare(model.get(r).showShare, file.createdById === me && file.systemFile !== true, "row " + r)
            if (file.createdById === me)
                ++own
        }
        verify(own > 0 && own < model.count)

        driver.chooseInCombo(driver.listPart("dealCombo"), 2)
        mouseClick(driver.listPart("searchButton"))
        driver.settle()
        driver.expectShows({ dealType: 2, sortBy: "created_at" }, "her rent files")
    }

    function test_herMenuModes() {
        driver.openList("share_files")
        driver.expectShows({ sharedOnly: true }, "cooperation property files")
        driver.openList("share_request_files")
        driver.expectShows({ sharedOnly: true }, "cooperation applicant files")
        var page = driver.openList("bookmarked_files")
        var before = page.totalFiles
        driver.openList("home")
        var id = driver.listPart("fileModel").get(0)._id
        if (!driver.listPart("fileModel").get(0).bookmarked) {
            driver.clickRowPart(0, "bookmarkIcon")
            driver.waitToast("فایل مورد نظر با موفقیت نشان شد")
            ++before
        }
        driver.openList("bookmarked_request_files")
        var result = driver.expectShows({ bookmarkedOnly: true }, "her bookmarks")
        compare(result.propertyFiles.total, before)
        verify(driver.shownIds().indexOf(id) >= 0)
    }

    function test_aRefusalLeavesTheRowAsItWas() {
        driver.openList("home")
        var model = driver.listPart("fileModel")
        var me = driver.window.userData._id
        var other = -1
        for (var i = 0; i < model.count && other < 0; ++i) {
            if (driver.fileRecord(model.get(i)._id).createdById !== me && !model.get(i).justOwnerAccess)
                other = i
        }
        verify(other >= 0)
        var id = model.get(other)._id
        var header = model.get(other).fileHeader
        driver.clickRowPart(other, "manageIcon")
        driver.chooseAction(driver.listPart("manageDialog"), 4)
        driver.waitToast("فقط ثبت‌کننده فایل یا مدیر دفتر می‌تواند آن را مخفی کند")
        compare(model.get(other)._id, id)
        compare(model.get(other).justOwnerAccess, false)
        compare(model.get(other).fileHeader, header)
        compare(driver.fileRecord(id).justOwnerAccess, false)
    }
}
