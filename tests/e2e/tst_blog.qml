import QtQuick 2.15
import QtTest 1.15

// The service's posts as a manager sees them: cards with banner, texts, age and tags, links that
// open only when they are web pages, and the next page asked for at the grid's end.
TestCase {
    id: testCase

    readonly property string postsPath: "/api/v1/blog/searchPosts"

    name: "Blog"
    when: windowShown

    MainPageDriver {
        id: driver

        test: testCase
    }

    function initTestCase() {
        testSupport.captureOpenedUrls()
        verify(testServer.start())
        driver.startAsManager("09151234567")
        var token = driver.token
    }

    function cleanupTestCase() {
        driver.quit()
    }

    function cleanup() {
        testSupport.redirectService(testService.origin)
        testServer.clearRoutes()
        testServer.clearRequests()
        if (driver.toast && driver.toast.visible)
            driver.closeToast()
    }

    // The blog opened from the menu (after another section, so that it is opened afresh).
    function openBlog() {
        driver.clickChildEntry("contact_us", "about_us")
        tryVerify(function () { return driver.mainStack.currentItem.objectName === "aboutPage" })
        driver.clickMenuRow("blog")
        tryVerify(function () {
            var page = driver.mainStack.currentItem
            return page && page.objectName === "blogPage" && !driver.mainStack.busy
        }, 10000)
        var page = driver.mainStack.currentItem
        tryVerify(function () { return page.pager.inited && !page.pager.busy }, 10000)
        return page
    }

    function card(page, index) {
        page.grid.positionViewAtIndex(index, GridView.Contain)
        var item = page.grid.itemAtIndex(index)
        verify(item !== null, "no card " + index)
        return item
    }

    function tagTexts(item) {
        var list = findChild(item, "tagList")
        var texts = []
        for (var i = 0; i < list.count; ++i)
            texts.push(list.model.get(i).title)
        return texts
    }

    function post(index, url, images, tags) {
        var record = { _id: "p" + index, title: "نوشته " + index, body: "متن " + index, tags: tags || [],
                       images: images || [], created_at: new Date(Date.now() - 3 * 86400000).toISOString() }
        if (url !== undefined)
            record.url = url
        return record
    }

    function reply(posts) {
        return JSON.stringify({ ok: true, result: { blogPosts: { data: posts, total: posts.length } }, messages: [] })
    }

    function servicePosts() {
        return driver.expectOk(driver.service("blog/searchPosts", {
            page: 1, count: 1000, condition: false, searchOperator: "and", sortBy: "created_at", sortDirection: -1
        }, { json: true, token: driver.token.token }), "posts").blogPosts.data
    }

    function test_postsOfTheService() {
        var page = openBlog()
        var posts = servicePosts()
        verify(posts.length > 0)
        compare(page.postModel.count, posts.length)
        verify(!findChild(page, "emptyNotice").visible)
        var linked = -1
        for (var i = 0; i < posts.length; ++i) {
            var item = card(page, i)
            compare(item.title, posts[i].title)
            compare(item.body, posts[i].body)
            compare(item.banner, driver.window.appData.blogImagesUrl + posts[i].images[0])
            compare(tagTexts(item), posts[i].tags)
            verify(item.date.indexOf("گذشته") > 0, item.date)
            var hasUrl = posts[i].url !== undefined && posts[i].url !== null && posts[i].url !== ""
            compare(findChild(item, "linkLine").visible, hasUrl)
            if (hasUrl)
                linked = i
        }

        // The banner is the service's picture.
        var banner = findChild(card(page, 0), "bannerImage")
        tryCompare(banner.imageView, "status", Image.Ready, 10000)
        verify(banner.imageView.sourceSize.width > 0)

        verify(linked >= 0, "the demo posts hold one link")
        var opened = testSupport.openedUrls.length
        mouseClick(findChild(card(page, linked), "linkText"))
        tryCompare(testSupport.openedUrls, "length", opened + 1)
        compare(testSupport.openedUrls[opened], posts[linked].url)
    }

    function test_onlyWebLinksOpenAndPagesFollow() {
        // A first page full of posts, the odd links first; a second page of one; then nothing.
        var picture = servicePosts()[0].images[0]
        var first = [post(0, "javascript:alert(1)", [picture], ["یک", "دو"]), post(1, "file:///etc/passwd"),
                     post(2, " HTTPS://example.com/a?b=1 "), post(3, "http://"), post(4, null), post(5)]
        for (var i = first.length; i < 100; ++i)
            first.push(post(i, ""))
        testServer.addRouteForBody(postsPath, "\"page\":1,", 200, "application/json", reply(first))
        testServer.addRouteForBody(postsPath, "\"page\":2,", 200, "application/json", reply([post(100, "https://x.ir")]))
        testServer.addRoute(postsPath, 200, "application/json", reply([]))
        testSupport.redirectService(testServer.origin)

        var page = openBlog()
        compare(page.postModel.count, 100)
        var blank = card(page, 5)
        compare(blank.url, " ", "a post without a link gets a blank one")
        compare(blank.banner, "", "and without pictures no banner")
        verify(!findChild(blank, "bannerImage").visible)
        compare(tagTexts(card(page, 0)), ["یک", "دو"])
        compare(card(page, 0).banner, driver.window.appData.blogImagesUrl + picture)

        var opened = testSupport.openedUrls.length
        for (i = 0; i < 6; ++i) {
            var item = card(page, i)
            compare(findChild(item, "linkLine").visible, i === 2, "link of post " + i)
            // Neither a click nor a call opens anything but a web page.
            item.openLink()
        }
        mouseClick(findChild(card(page, 2), "linkText"))
        compare(testSupport.openedUrls.length, opened + 2)
        compare(testSupport.openedUrls[opened], "https://example.com/a?b=1")
        compare(testSupport.openedUrls[opened + 1], "https://example.com/a?b=1")

        // Reaching the grid's end asks for the next page; once one adds nothing, no more are asked
        // for. The short page 2 is asked for again (it may have grown) and its row is not repeated.
        page.grid.positionViewAtEnd()
        tryCompare(page.postModel, "count", 101, 10000)
        tryVerify(function () { return !page.pager.busy })
        verify(page.pager.loadMore)
        page.grid.positionViewAtBeginning()
        page.grid.positionViewAtEnd()
        tryVerify(function () { return testServer.requests(postsPath).length === 3 && !page.pager.busy }, 10000)
        compare(page.postModel.count, 101)
        verify(!page.pager.loadMore)
        page.grid.positionViewAtBeginning()
        page.grid.positionViewAtEnd()
        wait(200)
        var pages = testServer.requests(postsPath).map(function (request) { return JSON.parse(request.body).page })
        compare(pages, [1, 2, 2])
        verify(!findChild(page, "emptyNotice").visible)

        // No posts at all: the notice says so.
        testServer.clearRoutes()
        testServer.addRoute(postsPath, 200, "application/json", reply([]))
        page = openBlog()
        compare(page.postModel.count, 0)
        verify(findChild(page, "emptyNotice").visible)
        compare(findChild(page, "emptyText").text, "در حال حاضر هیچ پیشنهاد Norvela قابل نمایش نمی باشد")
    }
}
