import QtQuick
import QtTest
import Velmora

// What the window says when the per-user settings cannot be read or saved:
// the Settings page's save and language choice, the statistics, and the
// start on a file that cannot be read. settingsSandbox breaks the settings
// path in ways that fail for root as well.
Item {
    id: host
    width: 1540
    height: 1100

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }

    TestCase {
        name: "SettingsStore"
        when: windowShown

        readonly property string notWritable: " The file or its folder cannot be written (check their permissions)."

        function cleanup() {
            settingsSandbox.restore()
            languageManager.setLanguage("system")
        }

        function test_saves_that_do_not_reach_the_file_say_so() {
            var shell = createTemporaryObject(shellComp, host)
            shell.navIndex = 4
            var page = findChild(shell, "settingsPage")
            waitForRendering(page)
            var error = findChild(page, "settingsSaveError")
            var notice = findChild(shell, "settingsNotice")
            compare(notice.visible, false, "healthy settings say nothing")
            var path = settingsSandbox.breakWrites()
            mouseClick(findChild(page, "darkModeSwitch"))
            mouseClick(findChild(page, "saveSettingsButton"))
            compare(error.visible, true)
            compare(error.text, "The dark mode and accent color could not be saved to " + path
                    + "; the next start will show the previous ones." + notWritable)
            compare(error.color, shell.theme.danger)
            appController.recordPlayVsSolutionHand(true, 0.5)
            compare(notice.visible, true)
            compare(findChild(notice, "settingsNoticeText").text,
                    "The play vs. solution statistics could not be saved to " + path + "." + notWritable)
            // A language that is not kept still applies, and says so in that language.
            var languageError = findChild(page, "languageSaveError")
            findChild(page, "languageCombo").activated(4)
            compare(languageManager.currentLanguage, "de")
            compare(languageError.visible, true)
            compare(languageError.text, "Die gewählte Sprache konnte nicht in " + path + " gespeichert werden; beim"
                    + " nächsten Start gilt sie nicht mehr. Die Datei oder ihr Ordner kann nicht beschrieben werden"
                    + " (prüfen Sie die Zugriffsrechte).")
            settingsSandbox.restore()
            findChild(page, "languageCombo").activated(0)
            compare(languageError.visible, false)
            mouseClick(findChild(page, "saveSettingsButton"))
            compare(error.visible, false, "a save that gets through clears the line")
        }

        function test_settings_unreadable_at_start_are_told_until_dismissed() {
            var path = settingsSandbox.breakReads()
            ignoreWarning(/Failed to initialize QSettings instance/)
            var notice = findChild(createTemporaryObject(shellComp, host), "settingsNotice")
            settingsSandbox.restore()
            var text = findChild(notice, "settingsNoticeText")
            tryCompare(notice, "visible", true)
            compare(text.text, "Your settings could not be read from " + path
                    + ", so the program started with the default settings. The file cannot be read (check its"
                    + " permissions); it is left as it is, and nothing can be saved until it can be read.")
            // The notice is put together again in a newly chosen language.
            languageManager.setLanguage("ru")
            verify(text.text.indexOf(path) > 0 && text.text.indexOf("Настройки") >= 0, text.text)
            mouseClick(findChild(notice, "settingsNoticeDismiss"))
            compare(notice.visible, false)
            compare(notice.height, 0)
        }
    }
}
