import QtQuick 2.15
import "../scripts/Request.js" as Api
import "../scripts/Session.js" as Session

// What follows a sign-in or a restored session: the current user, the service options, the
// user's office and, for a new office, its system folders; then the page the user works on.
// The splash page and the login page each hold one; it replaces whichever page is on top. A step
// that fails stays current: retry() sends it again.
QtObject {
    id: root

    // The schema's field table: the system folders are named after the deal types' titles.
    property var fieldTable: null
    property url mainPageUrl: Qt.resolvedUrl("Main.qml")
    property url profilePageUrl: Qt.resolvedUrl("Profile.qml")

    // The step that last went to the service, so that a failed one can be sent again without
    // repeating those that succeeded (folders already created stay created).
    property var currentStep: null

    // The service answered a step with a refusal; the request layer has shown its message.
    signal refused()

    function retry() {
        if (currentStep)
            currentStep()
    }

    function getUserData() {
        currentStep = function () { root.getUserData() }
        Session.refreshUser(function () { root.getOptions() }, function () { root.refused() })
    }

    function getOptions() {
        currentStep = function () { root.getOptions() }
        Api.sendRequest("POST", "options/searchOptions", function (result) {
            var options = result.sysOpt && result.sysOpt.data ? result.sysOpt.data : []
            for (var i = 0; i < options.length; ++i) {
                if (options[i].key !== "URLS")
                    continue
                appData.avatarImagesUrl = options[i].value.userAvatarImagesBaseUrl
                appData.fileImagesUrl = options[i].value.propertyImagesBaseUrl
                appData.blogImagesUrl = options[i].value.blogImagesBaseUrl
                saveUserData()
            }
            if (userData.officeId)
                getOfficeData()
            else
                appStack.replace(String(profilePageUrl))
        }, function () { root.refused() }, [], false)
    }

    function getOfficeData() {
        currentStep = function () { root.getOfficeData() }
        Session.refreshOffice(function (office) {
            if (office && office.folders && office.folders.length > 0)
                appStack.replace(String(mainPageUrl))
            else
                root.addFolder(1)
        }, function () { root.refused() })
    }

    // One system folder per deal type, strictly one after another so that their order on the
    // service is the deal types' order; a failure leaves the chain (and the user) where it is.
    function addFolder(dealType) {
        currentStep = function () { root.addFolder(dealType) }
        if (dealType >= 9) {
            // The stored office is read again so that it lists the folders just made.
            Session.refreshOffice(function () { appStack.replace(String(mainPageUrl)) }, function () { root.refused() })
            return
        }
        var query = {
            page: 1,
            count: 100,
            condition: true,
            searchOperator: "and",
            sortBy: "created_at",
            sortDirection: -1,
            dealType: dealType
        }
        var body = {
            title: fieldTable.getById(dealType).title,
            query: JSON.stringify(query),
            systemFolder: true,
            options: { color: dealType < 5 ? 1 : 2, order: dealType }
        }
        Api.sendJsonRequest("POST", userData.systemRole + "/folders/createFolder", function () {
            addFolder(dealType + 1)
        }, function () { root.refused() }, body)
    }
}
