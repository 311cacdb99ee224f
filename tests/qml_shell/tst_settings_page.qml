import QtQuick
import QtTest
import Qt.labs.settings
import Velmora
import SetupTestSupport

// Settings page inside the real shell: accent and palette switching, what
// is stored and when, what the next start applies, the language list and
// the update card.
Item {
    id: host
    width: 1540
    height: 1100

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }
    Component {
        id: lonePageComp
        SettingsPage { anchors.fill: parent }
    }

    StorePeerProcess { id: otherCopy }

    // Reads and seeds the stored "ui" keys the way another run would see them.
    Settings {
        id: stored
        category: "ui"
    }

    TestCase {
        name: "SettingsPage"
        when: windowShown

        property var shell: null
        property var page: null

        function seed(dark, accent) {
            stored.setValue("darkMode", dark)
            stored.setValue("accentHex", accent)
            stored.sync()
        }

        function storedDark() { return String(stored.value("darkMode", "")) }
        function storedAccent() { return String(stored.value("accentHex", "")) }

        function init() {
            seed(true, "")
            shell = createTemporaryObject(shellComp, host)
            verify(shell)
            page = findChild(shell, "settingsPage")
            shell.navIndex = 4
            waitForRendering(page)
        }

        function cleanup() {
            otherCopy.kill()
            if (typeof languageManager !== "undefined" && languageManager.currentLanguage !== "system")
                languageManager.setLanguage("system")
        }

        function test_accent_text_rules_data() {
            return [
                { tag: "swatch colour with blanks", text: "  #58a6ff ", override: true, accent: "#58a6ff" },
                { tag: "with alpha", text: "#8058A6FF", override: true, accent: "#8058a6ff" },
                { tag: "five digits", text: "#12345", override: false, accent: "#3fb950" },
                { tag: "seven digits", text: "#1234567", override: false, accent: "#3fb950" },
                { tag: "no hash", text: "58A6FF", override: false, accent: "#3fb950" },
                { tag: "a name", text: "red", override: false, accent: "#3fb950" }
            ]
        }

        function test_accent_text_rules(data) {
            page.applyAccentHex(data.text)
            compare(shell.theme.useAccentOverride, data.override)
            verify(Qt.colorEqual(shell.theme.accent, data.accent), String(shell.theme.accent))
        }

        function test_empty_accent_text_switches_the_override_off() {
            page.applyAccentHex("#F0B429")
            compare(shell.theme.useAccentOverride, true)
            page.applyAccentHex("   ")
            compare(shell.theme.useAccentOverride, false)
            page.applyAccentHex("#F0B429")
            page.applyAccentHex("#xyz")
            compare(shell.theme.useAccentOverride, true, "a bad text keeps the current accent")
            verify(Qt.colorEqual(shell.theme.accent, "#F0B429"))
        }

        function test_swatch_click_recolours_and_moves_the_highlight() {
            var green = findChild(page, "swatchGreen")
            var blue = findChild(page, "swatchBlue")
            var reset = findChild(page, "accentResetButton")
            compare(green.highlighted, true, "the dark default accent is the green swatch")
            compare(reset.enabled, false)
            mouseClick(blue)
            verify(Qt.colorEqual(shell.theme.accent, "#58A6FF"))
            compare(blue.highlighted, true)
            compare(green.highlighted, false)
            compare(findChild(blue, "swatchRing").visible, true)
            compare(findChild(green, "swatchRing").visible, false)
            compare(green.border.color, shell.theme.stroke)
            compare(reset.enabled, true)
            // Accent-coloured parts elsewhere follow at once.
            var track = findChild(findChild(page, "darkModeSwitch"), "switchTrack")
            tryCompare(track, "color", shell.theme.accent)
            mouseClick(reset)
            compare(shell.theme.useAccentOverride, false)
            compare(reset.enabled, false)
            compare(green.highlighted, true)
            shell.theme.dark = false
            compare(green.highlighted, true, "the light default accent is the green one too")
        }

        // WCAG contrast ratio of two colours.
        function contrast(a, b) {
            function lum(c) {
                function lin(v) { return v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4) }
                return 0.2126 * lin(c.r) + 0.7152 * lin(c.g) + 0.0722 * lin(c.b)
            }
            var la = lum(Qt.color(a)), lb = lum(Qt.color(b))
            return (Math.max(la, lb) + 0.05) / (Math.min(la, lb) + 0.05)
        }

        function test_chosen_swatch_stands_out_on_every_accent_in_both_palettes() {
            var names = ["Green", "Blue", "Purple", "Gold", "Orange", "Red"]
            var card = findChild(findChild(page, "appearanceCard"), "cardBase")
            for (var dark = 0; dark < 2; ++dark) {
                shell.theme.dark = dark === 1
                for (var i = 0; i < names.length; ++i) {
                    var swatch = findChild(page, "swatch" + names[i])
                    mouseClick(swatch)
                    var ring = findChild(swatch, "swatchRing")
                    var check = findChild(swatch, "swatchCheck")
                    var tag = names[i] + (dark ? " dark" : " light")
                    compare(ring.visible, true, tag)
                    compare(check.visible, true, tag)
                    verify(contrast(ring.border.color, card.color) >= 4.5, tag + ": ring on the card")
                    verify(contrast(ring.border.color, swatch.color) >= 1.5, tag + ": ring beside the swatch")
                    verify(contrast(check.color, swatch.color) >= 3, tag + ": check mark on the swatch")
                    for (var j = 0; j < names.length; ++j) {
                        if (j !== i)
                            compare(findChild(findChild(page, "swatch" + names[j]), "swatchRing").visible, false,
                                    tag + " leaves " + names[j] + " unmarked")
                    }
                }
            }
        }

        function test_accent_reset_label_fits_in_every_language() {
            var reset = findChild(page, "accentResetButton")
            var label = findChild(reset, "buttonLabel")
            var codes = ["en", "de", "es", "fr", "it", "pl", "pt_BR", "ru"]
            for (var i = 0; i < codes.length; ++i) {
                languageManager.setLanguage(codes[i])
                waitForRendering(reset)
                compare(label.truncated, false, codes[i] + ": " + label.text)
                verify(reset.width >= 90, codes[i])
            }
        }

        function test_dark_mode_switch_and_theme_follow_each_other() {
            var toggle = findChild(page, "darkModeSwitch")
            compare(toggle.checked, true)
            mouseClick(toggle)
            compare(page.darkMode, false)
            compare(shell.theme.dark, false)
            shell.theme.dark = true
            compare(page.darkMode, true, "a palette change elsewhere moves the switch")
            compare(toggle.checked, true)
            mouseClick(toggle)
            compare(shell.theme.dark, false, "and the switch still drives the palette")
        }

        function test_theme_switch_repaints_the_window() {
            var barBackground = findChild(shell, "topbar").background
            var cardBase = findChild(findChild(page, "appearanceCard"), "cardBase")
            compare(barBackground.color, "#0d1117")
            compare(cardBase.color, "#1c2128")
            mouseClick(findChild(page, "darkModeSwitch"))
            compare(barBackground.color, "#ffffff")
            compare(cardBase.color, "#ffffff")
            var homeCard = findChild(findChild(shell, "homePage"), "systemCard")
            compare(findChild(homeCard, "cardBase").color, "#ffffff")
            compare(findChild(findChild(shell, "homePage"), "handsStat").color, "#ffffff")
        }

        function test_nothing_is_stored_without_saving() {
            mouseClick(findChild(page, "darkModeSwitch"))
            mouseClick(findChild(page, "swatchRed"))
            compare(storedDark(), "true")
            compare(storedAccent(), "")
            var next = createTemporaryObject(shellComp, host)
            compare(next.theme.dark, true, "a restart shows the palette last saved")
            compare(next.theme.useAccentOverride, false)
        }

        function test_save_stores_and_the_next_start_applies() {
            mouseClick(findChild(page, "swatchPurple"))
            mouseClick(findChild(page, "darkModeSwitch"))
            mouseClick(findChild(page, "saveSettingsButton"))
            compare(storedAccent(), "#a371f7")
            compare(storedDark(), "false")
            var next = createTemporaryObject(shellComp, host)
            compare(next.theme.dark, false)
            compare(next.theme.useAccentOverride, true)
            verify(Qt.colorEqual(next.theme.accent, "#A371F7"))
            compare(findChild(next, "settingsPage").darkMode, false)
        }

        // Another copy of the program, a process of its own on the same
        // settings: each save stores what its own user changed, and the
        // other's choice of the other setting stands.
        function test_saves_of_two_copies_keep_each_others_choices() {
            var onDisk = function(key) { return appController.storeFile.read("ui", key) }
            verify(otherCopy.start() !== undefined, "the other copy runs")
            otherCopy.ask(["saveAppearance", false, ""])
            compare(onDisk("darkMode"), "false")
            // Here only the language changes before the save.
            findChild(page, "languageCombo").activated(4)
            mouseClick(findChild(page, "saveSettingsButton"))
            compare([onDisk("darkMode"), onDisk("language")], ["false", "de"])
            // Each changes its accent; the later save wins, the dark mode stays.
            otherCopy.ask(["saveAppearance", false, "#58A6FF"])
            mouseClick(findChild(page, "swatchRed"))
            mouseClick(findChild(page, "saveSettingsButton"))
            compare([onDisk("darkMode"), onDisk("accentHex")], ["false", "#f85149"])
            // There the accent was not changed again: this one's stays.
            otherCopy.ask(["saveAppearance", true, null])
            compare([onDisk("darkMode"), onDisk("accentHex")], ["true", "#f85149"])
            // There light is chosen; here the switch is turned off and on again: Dark is what this user chose.
            otherCopy.ask(["saveAppearance", false, null])
            mouseClick(findChild(page, "darkModeSwitch"))
            mouseClick(findChild(page, "darkModeSwitch"))
            mouseClick(findChild(page, "saveSettingsButton"))
            compare([onDisk("darkMode"), onDisk("accentHex")], ["true", "#f85149"])
        }

        function test_save_keeps_alpha_in_the_colour_text() {
            page.applyAccentHex("#8058A6FF")
            page.saveSettings()
            compare(storedAccent(), "#8058a6ff")
        }

        function test_reset_to_defaults_stores_at_once() {
            mouseClick(findChild(page, "swatchGold"))
            mouseClick(findChild(page, "darkModeSwitch"))
            page.saveSettings()
            mouseClick(findChild(page, "resetDefaultsButton"))
            compare(page.darkMode, true)
            compare(shell.theme.dark, true)
            compare(shell.theme.useAccentOverride, false)
            compare(storedDark(), "true")
            compare(storedAccent(), "")
        }

        function test_stored_accent_at_start_data() {
            return [
                { tag: "colour", hex: " #F0883E ", override: true },
                { tag: "blanks only", hex: "   ", override: false },
                { tag: "not a colour", hex: "bogus", override: false, warns: true },
                { tag: "five digits", hex: "#F0883", override: false, warns: true }
            ]
        }

        function test_stored_accent_at_start(data) {
            seed(true, data.hex)
            if (data.warns)
                ignoreWarning(/Ignoring stored accent colour/)
            var next = createTemporaryObject(shellComp, host)
            compare(next.theme.useAccentOverride, data.override)
            if (data.override)
                verify(Qt.colorEqual(next.theme.accent, "#F0883E"))
            else
                verify(Qt.colorEqual(next.theme.accent, "#3FB950"), "invalid text falls back to the default accent")
        }

        function test_stored_light_mode_at_start() {
            seed(false, "")
            var next = createTemporaryObject(shellComp, host)
            compare(next.theme.dark, false)
            compare(findChild(findChild(next, "settingsPage"), "darkModeSwitch").checked, false)
        }

        function test_page_without_theme_is_inert() {
            var lone = createTemporaryObject(lonePageComp, host)
            lone.applyAccentHex("#58A6FF")
            compare(findChild(lone, "accentResetButton").enabled, false)
            compare(findChild(lone, "swatchBlue").border.color, "#30363d")
        }

        function test_language_list_follows_the_service() {
            var combo = findChild(page, "languageCombo")
            compare(combo.currentIndex, 0)
            compare(combo.currentText, "System default")
            combo.activated(4)
            compare(languageManager.currentLanguage, "de")
            tryCompare(combo, "currentIndex", 4)
            compare(String(stored.value("language", "")), "de", "stored without Save Settings")
            languageManager.setLanguage("pt_BR")
            tryCompare(combo, "currentIndex", 5)
            combo.activated(0)
            compare(languageManager.currentLanguage, "system")
            tryCompare(combo, "currentIndex", 0)
        }

        // On a machine with no program for a file or folder (the offscreen
        // platform opens none) the card says so and where they are, and
        // the path it gives leads to the notices the build put there.
        function test_licenses_card_tells_where_what_it_cannot_open_is_data() {
            return [
                { tag: "notices", button: "openNoticesButton", ending: "/licenses/THIRD_PARTY_NOTICES.txt",
                  notices: "", text: "No program on this computer opens text files, so the notices could not be shown. They are in the file %1." },
                { tag: "folder", button: "openLicensesFolderButton", ending: "/licenses", notices: "/THIRD_PARTY_NOTICES.txt",
                  text: "No program on this computer opens folders, so the licenses folder could not be shown. It is %1." }
            ]
        }

        function test_licenses_card_tells_where_what_it_cannot_open_is(data) {
            var problem = findChild(page, "licensesOpenProblem")
            compare(problem.visible, false)
            mouseClick(findChild(page, data.button))
            tryCompare(problem, "visible", true)
            var path = findChild(page, "settingsLicensesCard").openProblem.path
            verify(path.endsWith(data.ending), path)
            compare(problem.text, data.text.arg(path))
            verify(appController.readTextFile("file://" + path + data.notices).ok, path + data.notices)
            compare(problem.color, shell.theme.danger)
            // Worded again in the language chosen next.
            languageManager.setLanguage("de")
            tryVerify(function() { return problem.text !== data.text.arg(path) && problem.text.indexOf(path) >= 0 },
                      2000, problem.text)
        }

        function test_update_card() {
            var check = findChild(page, "checkUpdatesButton")
            compare(findChild(page, "versionLine").text, "Current version: " + updates.currentVersion)
            compare(findChild(page, "lastCheckedLine").visible, false, "no check yet in this run")
            compare(findChild(page, "downloadUpdateButton").enabled, updates.updateAvailable)
            compare(check.text, "Check for updates")
            compare(check.enabled, true)
            updates.manifestUrl = ""
            mouseClick(check)
            tryCompare(findChild(page, "lastCheckedLine"), "visible", true)
            var error = findChild(page, "errorLine")
            compare(error.visible, true)
            compare(error.text, "Update URL is not configured.")
            compare(error.color, shell.theme.danger)
        }
    }
}
