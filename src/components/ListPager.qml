import QtQuick 2.15
import "../scripts/Request.js" as Api

// Pages a list in from the service; every list page of the program keeps one beside its model.
//
//     ListPager { id: pager; model: rowsModel; count: 20 }
//
//     function load(reset) {
//         var ticket = pager.next(reset)   // null: nothing more to load, or a page is on its way
//         if (!ticket)
//             return
//         Api.sendJsonRequest("POST", route, function (result) {
//             pager.receive(ticket, result.items.data, result.items.total, toRow)
//         }, function () { pager.fail(ticket) }, { page: ticket.page, count: ticket.count, ... })
//     }
//     ListView { onAtYEndChanged: if (atYEnd) load(false) }
//
// A reset (a new filter, tab or mode) starts a new generation: the reply to a request of an older
// generation is dropped without touching the rows, `loadMore` or `total`, so a slow page can never
// append stale rows to a new list. Rows are appended only when their id is not shown yet, and the
// next page is worked out from the rows shown: a row the service no longer lists (deleted,
// unbookmarked) is taken out with `remove(index)`, and the list then neither skips a row nor shows
// one twice. Most lists are a JSON request whose reply holds the rows under one key: `load` makes
// that request itself.
QtObject {
    id: pager

    property ListModel model: null
    // Rows asked for per page.
    property int count: 20
    // The page of the latest request, from 1.
    property int page: 1
    // Another page may be asked for: cleared while a page is on its way and after a page that
    // added nothing.
    property bool loadMore: false
    // The number of matches the service reported last, less the rows removed since.
    property int total: 0
    // Raised by every reset; a ticket of another generation is stale.
    property int generation: 0
    // A page of the current generation is on its way.
    property bool busy: false
    // A page has arrived since the pager was made.
    property bool inited: false
    property string idRole: "_id"

    // The ids of the rows shown, as keys.
    property var shownIds: ({})

    // After every page that was taken in; `added` rows were new.
    signal received(int added)

    // A ticket for the next request, or null when there is nothing to ask for. `reset` empties the
    // list and starts from page 1 whatever is on its way.
    function next(reset) {
        if (reset) {
            generation += 1
            model.clear()
            shownIds = {}
            busy = false
            loadMore = true
        }
        if (!loadMore)
            return null
        loadMore = false
        busy = true
        // Full pages shown are behind us; the page holding the first row not shown comes next,
        // and whatever of it is shown already is left out when it arrives.
        page = Math.floor(model.count / count) + 1
        return { generation: generation, page: page, count: count }
    }

    // The next page (or the first after a reset) of the service's list at `route`: `query` is sent
    // with the page and count, the rows are the reply's `key` {data, total}, made rows by `toRow`.
    function load(reset, route, query, key, toRow) {
        var ticket = next(reset)
        if (!ticket)
            return
        var params = { page: ticket.page, count: ticket.count }
        for (var name in query)
            params[name] = query[name]
        Api.sendJsonRequest("POST", route, function (result) {
            var found = result && result[key] ? result[key] : {}
            pager.receive(ticket, found.data, found.total, toRow)
        }, function () {
            pager.fail(ticket)
        }, params)
    }

    function isCurrent(ticket) {
        return ticket !== null && ticket !== undefined && ticket.generation === generation
    }

    // Appends the rows of `ticket`'s reply that are not shown yet, each passed through
    // `convert` when it is given. Returns false, and changes nothing, for a stale ticket.
    function receive(ticket, rows, replyTotal, convert) {
        if (!isCurrent(ticket))
            return false
        var fresh = []
        var list = rows || []
        for (var i = 0; i < list.length; ++i) {
            var id = list[i] ? list[i][idRole] : undefined
            if (id !== undefined && id !== null) {
                if (shownIds[id] === true)
                    continue
                shownIds[id] = true
            }
            fresh.push(convert ? convert(list[i]) : list[i])
        }
        if (fresh.length > 0)
            model.append(fresh)
        loadMore = fresh.length > 0
        var number = Number(replyTotal)
        if (replyTotal !== undefined && replyTotal !== null && !isNaN(number))
            total = number
        inited = true
        // Last, so whoever watches `busy` finds the rows, `loadMore` and `total` in place.
        busy = false
        received(fresh.length)
        return true
    }

    // A failed request: paging stays off until the next reset.
    function fail(ticket) {
        if (isCurrent(ticket))
            busy = false
    }

    // Takes out a row the service no longer lists.
    // The row shown with the id, or -1: a row may have moved while a request was on its way.
    function indexOf(id) {
        for (var i = 0; i < model.count; ++i) {
            if (model.get(i)[idRole] === id)
                return i
        }
        return -1
    }

    function remove(index) {
        if (index < 0 || index >= model.count)
            return
        delete shownIds[model.get(index)[idRole]]
        model.remove(index)
        total = Math.max(0, total - 1)
    }
}
