.pragma library

// Small spots for the shell tests, so real solves can be started, watched,
// finished and cancelled within a test.

// A river spot with narrow ranges: builds and solves in milliseconds.
function riverSpot(maxIterations) {
    return {
        boardText: "QsJh2h7c3d",
        startingStreet: "river",
        oopRangeText: "AA,KK,QQ,AKs",
        ipRangeText: "JJ,TT,99,AQs",
        startingPot: 100,
        effectiveStack: 100,
        maxIterations: maxIterations,
        targetExploitability: 0.0,
        rakePercent: 0.0,
        rakeCap: 0,
        threadCount: 1,
        oopFlopBetSizesText: "50", oopTurnBetSizesText: "50", oopRiverBetSizesText: "50",
        oopFlopRaiseSizesText: "50", oopTurnRaiseSizesText: "50", oopRiverRaiseSizesText: "50",
        ipFlopBetSizesText: "50", ipTurnBetSizesText: "50", ipRiverBetSizesText: "50",
        ipFlopRaiseSizesText: "50", ipTurnRaiseSizesText: "50", ipRiverRaiseSizesText: "50"
    }
}

// A turn spot with wide ranges: a few milliseconds an iteration, so a long
// run reports progress at a pace the interface follows comfortably.
function turnSpot(maxIterations) {
    var s = riverSpot(maxIterations)
    s.boardText = "QsJh2h7c"
    s.startingStreet = "turn"
    s.oopRangeText = "22+,A2s+,K9s+,Q9s+,J9s+,T9s,98s,ATo+,KJo+"
    s.ipRangeText = "22+,A2s+,K9s+,Q9s+,J9s+,T9s,98s,ATo+,KJo+"
    return s
}

// Local calendar date as "YYYY-MM-DD".
function isoDate(d) {
    function two(n) { return (n < 10 ? "0" : "") + n }
    return d.getFullYear() + "-" + two(d.getMonth() + 1) + "-" + two(d.getDate())
}
