"""Umbrix keeps the user's options in QZ.ini beside the executable: a close writes every option,
and a start followed by a close gives back exactly the values the user had."""

import configparser
import re
import unittest

from harness import UmbrixTestCase

# The options a full save writes, in the order it writes them.
FULL_SAVE_KEYS = [
    "AutoStart", "DisSplScreen", "DoBin", "TempFiles", "Recent", "URL", "UsePW", "UseDecoy", "HidePanic",
    "Decoy", "Action", "MuteAudio", "cbDisableACT", "HkHide", "hkUnHide", "Defaults", "PanicLeft", "PanicTop",
    "btnPanic", "Tray", "Silent", "HideParent", "CloseParent", "PanicHeight", "PanicWidth", "Language",
    "History", "zOrder", "TaskManager", "Cloaked", "Transparancy", "rgExclude", "Theme",
]


def read_settings(path):
    """(section names, [(key, value)] of the section in file order) as Windows reads them."""
    parser = configparser.RawConfigParser(strict=False)
    parser.optionxform = str  # keep the keys' spelling
    parser.read_string(path.read_bytes().decode("cp1252"))
    sections = parser.sections()
    return sections, list(parser.items(sections[0])) if sections else []


class SettingsFile(UmbrixTestCase):

    def settings_path(self):
        return self.program_folder / "QZ.ini"

    def test_a_close_writes_the_section_and_every_option_in_order(self):
        umbrix = self.start_umbrix()
        self.wait_ready(umbrix)
        self.screenshot("running")
        self.assertFalse(self.settings_path().exists(), "the start alone writes nothing")

        self.assertEqual(self.close_umbrix(umbrix), 0)
        self.screenshot("closed")
        sections, items = read_settings(self.settings_path())
        self.assertEqual(sections, ["StartUp"], self.settings_path().read_text(errors="replace"))
        self.assertEqual([key for key, _ in items], FULL_SAVE_KEYS)
        values = dict(items)
        # A first start has the defaults: the built-in hotkeys, the mute, the panic label.
        self.assertEqual(values["HkHide"], "CTRL+SPACE")
        self.assertEqual(values["hkUnHide"], "CTRL+BACKSPACE")
        self.assertEqual(values["MuteAudio"], "1")
        self.assertEqual(values["btnPanic"], 'Hi, I\'m the "Panic Button". You can move me, change me, rename me.')

    def test_the_users_values_survive_a_start_and_a_close(self):
        user_values = {
            "AutoStart": "1", "DisSplScreen": "1", "DoBin": "1", "TempFiles": "0", "Recent": "1", "URL": "1",
            "UsePW": "1", "UseDecoy": "1", "HidePanic": "1", "Decoy": r"C:\windows\notepad.exe", "Action": "2",
            "MuteAudio": "0", "cbDisableACT": "1", "HkHide": "Ctrl+H", "hkUnHide": "Ctrl+U", "Defaults": "0",
            "PanicLeft": "40", "PanicTop": "60", "btnPanic": "Boss!", "Tray": "1", "Silent": "1",
            "HideParent": "0", "CloseParent": "1", "PanicHeight": "120", "PanicWidth": "300", "Language": "1031",
            "History": "1", "zOrder": "0", "TaskManager": "1", "Cloaked": "0", "Transparancy": "6",
            "rgExclude": "1", "Theme": "3", "IconFile": r"%SystemRoot%\SYSTEM32\shell32.dll", "IconIndex": "7",
        }
        self.settings_path().write_bytes(
            ("[StartUp]\r\n" + "".join(f"{k}={v}\r\n" for k, v in user_values.items())).encode("cp1252"))

        umbrix = self.start_umbrix()
        self.wait_ready(umbrix)
        self.screenshot("running-with-user-settings")
        self.assertEqual(self.close_umbrix(umbrix), 0)

        sections, items = read_settings(self.settings_path())
        self.assertEqual(sections, ["StartUp"])
        after = dict(items)
        changed = {k: (v, after.get(k)) for k, v in user_values.items() if after.get(k) != v}
        # The custom hotkey texts come back in the keyboard layout's own spelling of the same keys.
        for key in ("HkHide", "hkUnHide"):
            before, now = changed.pop(key, (user_values[key], after.get(key)))
            self.assertEqual((now or "").upper(), before.upper(), key)
        self.assertEqual(changed, {}, "values the close changed (before, after)")

    def test_a_close_that_cannot_save_the_settings_says_nothing_and_leaves_a_line_in_umbrix_log(self):
        # A folder in QZ.ini's place: the close's save is refused, and the program drops that
        # error without a word to the user.
        self.settings_path().mkdir()
        log = self.program_folder / "Umbrix.log"
        umbrix = self.start_umbrix()
        self.wait_ready(umbrix)
        self.screenshot("running-without-a-settings-file")
        self.assertFalse(log.exists(), "nothing was dropped during the start")

        self.assertEqual(self.close_umbrix(umbrix), 0)
        self.screenshot("closed")
        self.assertIsNone(self.wintool.message_box_text("Umbrix"))
        self.assertTrue(self.settings_path().is_dir())
        text = log.read_bytes().decode("utf-8")
        self.assertRegex(
            text, r"\A\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \[save the settings at close\] Win32 error 5: "
            + re.escape("Unable to write to C:\\umbrix\\QZ.ini") + r"\r\n\Z")


if __name__ == "__main__":
    unittest.main()
