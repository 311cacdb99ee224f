.pragma library

// The thirteen card ranks from the ace down: the order of the hand grid's
// rows and columns and of every card list. One text, its letters as a list,
// and a test for two ranks in a row (either case).
var ORDER = "AKQJT98765432"
var LIST = ORDER.split("")
var PAIR = new RegExp("[" + ORDER + "]{2}", "i")
