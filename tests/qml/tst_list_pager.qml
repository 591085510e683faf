import QtQuick 2.15
import QtTest 1.15
import "qrc:/src/components"

// The paging every list page shares: stale replies, overlapping pages and rows the service
// stopped listing.
TestCase {
    id: testCase

    name: "ListPager"

    ListModel {
        id: rows
    }

    ListPager {
        id: pager

        model: rows
        count: 3
    }

    // What the service would list: ids "f1", "f2", … in order.
    function serviceRows(ids) {
        return ids.map(function (id) { return { _id: id, title: "t" + id } })
    }

    function shownIds() {
        var ids = []
        for (var i = 0; i < rows.count; ++i)
            ids.push(rows.get(i)._id)
        return ids
    }

    function init() {
        rows.clear()
        pager.loadMore = false
        pager.total = 0
    }

    function test_staleRepliesAreDroppedUntouched() {
        var first = pager.next(true)
        compare(first.page, 1)
        compare(pager.next(false), null, "one page at a time")
        verify(pager.receive(first, serviceRows(["a", "b", "c"]), 7))
        var second = pager.next(false)
        compare(second.page, 2)
        verify(pager.busy)

        // The filter changes while page 2 is on its way; the new first page arrives first.
        var fresh = pager.next(true)
        compare(fresh.page, 1)
        verify(pager.receive(fresh, serviceRows(["x", "y"]), 2))
        compare(pager.receive(second, serviceRows(["d", "e", "f"]), 7), false)
        compare(shownIds(), ["x", "y"])
        compare(pager.total, 2)
        verify(pager.loadMore)
        verify(!pager.busy)

        // A failure of an older request does not end the current one.
        var third = pager.next(false)
        pager.fail(second)
        verify(pager.busy)
        pager.fail(third)
        verify(!pager.busy)
        verify(!pager.loadMore, "a failed page does not retry by scrolling")
        verify(pager.next(true) !== null, "a reset does")
    }

    function test_removedRowsNeitherSkipNorRepeat() {
        verify(pager.receive(pager.next(true), serviceRows(["a", "b", "c"]), 7, function (row) {
            return { _id: row._id, title: row.title.toUpperCase() }
        }))
        compare(rows.get(0).title, "TA", "rows pass through the conversion")
        verify(pager.receive(pager.next(false), serviceRows(["d", "e", "f"]), 7))

        // "b" is deleted: the service lists a c d e f g from now on.
        pager.remove(1)
        compare(pager.total, 6)
        var ticket = pager.next(false)
        compare(ticket.page, 2, "five rows shown: the page holding the sixth comes next")
        verify(pager.receive(ticket, serviceRows(["e", "f", "g"]), 6))
        compare(shownIds(), ["a", "c", "d", "e", "f", "g"])
        verify(pager.loadMore)

        // The end: a page adding nothing stops paging.
        ticket = pager.next(false)
        compare(ticket.page, 3)
        verify(pager.receive(ticket, [], 6))
        verify(!pager.loadMore)
        compare(pager.next(false), null)
        compare(rows.count, 6)
    }
}
