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

        function cleanup() {
            settingsSandbox.restore()
            if (languageManager.currentLanguage !== "system")
                languageManager.setLanguage("system")
        }

        function settingsShell() {
            var shell = createTemporaryObject(shellComp, host)
            shell.navIndex = 4
            waitForRendering(findChild(shell, "settingsPage"))
            return shell
        }

        function test_a_save_that_does_not_reach_the_file_says_so() {
            var shell = settingsShell()
            var page = findChild(shell, "settingsPage")
            var error = findChild(page, "settingsSaveError")
            var path = settingsSandbox.breakWrites()
            mouseClick(findChild(page, "darkModeSwitch"))
            mouseClick(findChild(page, "saveSettingsButton"))
            compare(error.visible, true)
            compare(error.text, "The dark mode and accent color could not be saved to " + path
                    + "; the next start will show the previous ones. The file or its folder cannot be written"
                    + " (check their permissions).")
            compare(error.color, shell.theme.danger)
            settingsSandbox.restore()
            mouseClick(findChild(page, "saveSettingsButton"))
            compare(error.visible, false, "a save that gets through clears the line")
        }

        function test_a_language_that_is_not_kept_says_so_in_that_language() {
            var page = findChild(settingsShell(), "settingsPage")
            var error = findChild(page, "languageSaveError")
            compare(error.visible, false)
            var path = settingsSandbox.breakWrites()
            findChild(page, "languageCombo").activated(4)
            compare(languageManager.currentLanguage, "de", "the choice applies to this run")
            compare(error.visible, true)
            verify(error.text.indexOf(path) > 0, error.text)
            verify(error.text.indexOf("Sprache") >= 0, "in German: " + error.text)
            settingsSandbox.restore()
            findChild(page, "languageCombo").activated(0)
            compare(error.visible, false)
        }

        function test_settings_unreadable_at_start_are_told_until_dismissed() {
            var path = settingsSandbox.breakReads()
            ignoreWarning(/Failed to initialize QSettings instance/)
            var shell = createTemporaryObject(shellComp, host)
            settingsSandbox.restore()
            var notice = findChild(shell, "settingsNotice")
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

        function test_statistics_that_are_not_kept_are_told() {
            var shell = createTemporaryObject(shellComp, host)
            var notice = findChild(shell, "settingsNotice")
            compare(notice.visible, false, "healthy settings say nothing")
            var path = settingsSandbox.breakWrites()
            appController.recordPlayVsSolutionHand(true, 0.5)
            compare(notice.visible, true)
            compare(findChild(notice, "settingsNoticeText").text,
                    "The play vs. solution statistics could not be saved to " + path
                    + ". The file or its folder cannot be written (check their permissions).")
        }
    }
}
