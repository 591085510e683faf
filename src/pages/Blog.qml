import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../items"
import "../scripts/DateUtility.js" as DateUtility
import "../scripts/MaterialIcons.js" as MaterialIcons

// The service's posts, newest first, three cards a line; the next page comes at the grid's end.
Item {
    id: blogPage

    objectName: "blogPage"
    property alias pager: pager
    property alias postModel: posts
    property alias grid: grid

    function toRow(post) {
        var images = Array.isArray(post.images) ? post.images : []
        var tags = Array.isArray(post.tags) ? post.tags : []
        var url = post.url !== undefined && post.url !== null && String(post.url) !== "" ? String(post.url) : " "
        return {
            _id: post._id,
            title: post.title !== undefined && post.title !== null ? String(post.title) : "",
            body: post.body !== undefined && post.body !== null ? String(post.body) : "",
            url: url,
            postDate: DateUtility.getTimeText(Date.parse(post.created_at) / 1000),
            postTags: tags.map(function (tag) { return { title: String(tag) } }),
            banner: images.length > 0 && appData.blogImagesUrl ? appData.blogImagesUrl + images[0] : ""
        }
    }

    function getPosts(reset) {
        pager.load(reset, "blog/searchPosts",
                   { condition: false, searchOperator: "and", sortBy: "created_at", sortDirection: -1 }, "blogPosts", toRow)
    }

    Component.onCompleted: getPosts(true)

    ListModel {
        id: posts
    }

    ListPager {
        id: pager

        model: posts
        count: 100
    }

    GridView {
        id: grid

        objectName: "grid"
        anchors.fill: parent
        anchors.margins: 12
        clip: true
        model: posts
        cellWidth: Math.floor(width / 3)
        cellHeight: 420
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}
        onAtYEndChanged: {
            if (atYEnd && pager.loadMore)
                blogPage.getPosts(false)
        }

        delegate: BlogItem {
            width: GridView.view.cellWidth
            height: GridView.view.cellHeight
            banner: model.banner
            title: model.title
            body: model.body
            url: model.url
            date: model.postDate
            tags: model.postTags
        }
    }

    EmptyNotice {
        objectName: "emptyNotice"
        anchors.centerIn: parent
        width: Math.min(parent.width - 40, 520)
        visible: posts.count === 0 && !pager.busy
        icon: MaterialIcons.gift
        text: "در حال حاضر هیچ پیشنهاد Norvela قابل نمایش نمی باشد"
    }
}
