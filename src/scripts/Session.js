// The signed-in user's record and office as the service holds them. Imported as `Session` by the
// session set-up and by every page after which the service's copy has changed (a profile saved,
// a plan or an archive bought). Like the request layer it keeps no state of its own and reaches
// the window (`appWindow`) by name when a call is made.
.import "Request.js" as Api

// The keys the client adds to the service's user record and keeps whenever the record is
// replaced. A password is never among them: the refresh token renews the session.
var carriedKeys = ["apiToken", "refreshToken", "username"]

// Starts the session of `username` with the token pair the service's sign-in answered with and
// saves it. The password is not kept: the refresh token renews the session from now on.
function signIn(username, token) {
    var window = appWindow
    window.userData = { username: username, apiToken: token.token, refreshToken: token.refreshToken }
    window.apiToken = token.token
    window.isLogin = true
    window.saveUserData()
}

// Makes `user`, a user record as the service sent it, the signed-in user's record: the session's
// own keys are carried over, and so is the office as long as the user still belongs to it.
// The record is saved; returns it.
function adoptUser(user) {
    var window = appWindow
    var current = window.userData || {}
    for (var i = 0; i < carriedKeys.length; ++i) {
        var key = carriedKeys[i]
        if (current[key] !== undefined)
            user[key] = current[key]
    }
    delete user.password
    if (current.office && user.office === undefined && user.officeId && current.office._id === user.officeId)
        user.office = current.office
    window.userData = user
    window.saveUserData()
    return user
}

// Keeps `office` as the signed-in user's office and saves the record.
function adoptOffice(office) {
    var window = appWindow
    var user = window.userData
    user.office = office
    if (office && office._id)
        user.officeId = office._id
    // A new object, so that bindings on the record see the change.
    window.userData = user
    window.saveUserData()
    return office
}

// Asks the service for the current user and adopts it; `done(user)` follows.
function refreshUser(done, failed) {
    Api.sendRequest("POST", "getMe", function (result) {
        var user = adoptUser(result.user)
        if (done)
            done(user)
    }, function (status, reply) {
        if (failed)
            failed(status, reply)
    }, [])
}

// Asks the service for the user's office and adopts it; `done(office)` follows.
function refreshOffice(done, failed) {
    Api.sendRequest("POST", appWindow.userData.systemRole + "/office/getMyOffice", function (result) {
        var office = adoptOffice(result.office)
        if (done)
            done(office)
    }, function (status, reply) {
        if (failed)
            failed(status, reply)
    }, [])
}

// The user and then, when he has one, his office; `done(user)` follows both.
function refresh(done, failed) {
    refreshUser(function (user) {
        if (!user.officeId) {
            if (done)
                done(user)
            return
        }
        refreshOffice(function () {
            if (done)
                done(appWindow.userData)
        }, failed)
    }, failed)
}

// Signs the user out on this computer: the session is forgotten and saved at once, so that the
// next start begins signed out too, and the sign-in page takes the place of the page on top.
function signOut() {
    var window = appWindow
    window.isLogin = false
    window.userData = {}
    window.saveUserData()
    appStack.replace(Qt.resolvedUrl("../pages/Login.qml"))
}
