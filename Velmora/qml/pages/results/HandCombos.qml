import QtQuick
import "HandFilter.js" as HandFilter
import "ResultsCards.js" as Cards

// The current node's single combos and hand buckets for the Buckets and
// Hand Details cards: the debounced combo load, the class, bucket and search
// filters and the noise cutoff. The bucket filter is the page's
// `selectedBucket`, which the matrix also reads.
QtObject {
    id: combos

    property var page: null
    readonly property var controller: page ? page.controller : null

    property var _loadedHandCombos: []
    property bool _handCombosLoading: false
    property string selectedHandClass: ""
    property string handSearchText: ""

    readonly property var currentHandCombos: {
        if (page)
            void page._resultsRevision
        return _loadedHandCombos
    }
    readonly property var currentHandBuckets: {
        if (!page || !_can("nodeHandBuckets"))
            return []
        void page._resultsRevision
        // The display names are translated by the back end.
        void page._i18nRev
        var node = page.currentNodeIndex
        return page._hasTree() ? (controller.nodeHandBuckets(node) || []) : []
    }
    readonly property var searchTokens: HandFilter.parseSearchTokens(handSearchText)
    readonly property real noiseCutoff: page ? HandFilter.noiseCutoff(currentHandCombos,
                                                                      page._parseBoardCardsNormalized().length) : -1
    readonly property var visibleHandCombos: HandFilter.visibleCombos(currentHandCombos, {
        handClass: selectedHandClass,
        bucket: page ? page.selectedBucket : "",
        tokens: searchTokens,
        cutoff: noiseCutoff
    })
    // Action definitions of the EV column, read for the current node itself.
    readonly property var detailActions: {
        if (!page || !controller)
            return []
        void page._resultsRevision
        var node = page.currentNodeIndex
        return node >= 0 ? page._actionDefinitionsForNode(node) : []
    }

    readonly property Timer loadTimer: Timer {
        interval: 60
        repeat: false
        onTriggered: combos._load()
    }

    function _can(method) {
        return controller !== null && controller !== undefined && typeof controller[method] === "function"
    }

    function _clear() {
        _loadedHandCombos = []
        _handCombosLoading = false
    }

    // Loads the current node's combos 60 ms after the last request, so fast
    // navigation loads once; the previous list stays shown meanwhile.
    function scheduleLoad() {
        if (!_can("nodeHandCombos")) {
            loadTimer.stop()
            _clear()
            return
        }
        _handCombosLoading = true
        loadTimer.restart()
    }

    function _load() {
        var node = page ? Number(page.currentNodeIndex) : NaN
        if (!_can("nodeHandCombos") || !isFinite(node) || node < 0) {
            _clear()
            return
        }
        _loadedHandCombos = Cards.combosInSuits(page._hasTree() ? (controller.nodeHandCombos(node) || []) : [],
                                                    page.solverToShownSuits)
        _handCombosLoading = false
    }

    function toggleHandFilter(handClass) {
        if (!handClass)
            return
        selectedHandClass = selectedHandClass === handClass ? "" : handClass
    }

    function toggleBucketFilter(bucketName) {
        if (!bucketName || !page)
            return
        page.selectedBucket = page.selectedBucket === bucketName ? "" : bucketName
    }

    function clearFilters() {
        selectedHandClass = ""
        if (page)
            page.selectedBucket = ""
        handSearchText = ""
    }
}
