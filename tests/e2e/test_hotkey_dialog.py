"""The hotkey setup dialog of a running Umbrix, opened because another program holds one of the
default hotkeys: keys typed into its hotkey fields and tried with their "Test it!!" links act at
once, "Apply" checks the choices, "Default" goes back to Ctrl+Space and Ctrl+Backspace, and the
keys chosen are what QZ.ini keeps."""

import configparser
import unittest

from harness import WINE_TRAY_TITLE, wait_until
from test_activation import ProbeTestCase

DIALOG_CLASS = "#32770"
DIALOG_CAPTION = "Umbrix 7"
HOTKEY_FIELD_CLASS = "msctls_hotkey32"
LINK_CLASS = "SysLink"
HIDE_ROW, UNHIDE_ROW, EXIT_STEALTH_ROW = 0, 1, 2
WS_THICKFRAME = 0x00040000


class HotkeyDialog(ProbeTestCase):

    def dialogs(self):
        return [w for w in self.wintool.find(class_name=DIALOG_CLASS, title=DIALOG_CAPTION) if w.visible]

    def start_with_default_key_held(self, chord):
        """Another program holds `chord`; Umbrix starts, says it could not register its default
        keys, and opens the dialog once that is acknowledged. Returns Umbrix and the dialog."""
        holder = self.session.popen([self.probe_exe, "--hold", chord], log_name="holder")
        self.addCleanup(lambda: holder.poll() is None and holder.kill())
        wait_until(lambda: "held" in (self.artifacts / "holder.log").read_text(errors="replace"), 20,
                   f"another program holds {chord}")
        self.exclude_windows_titled(WINE_TRAY_TITLE)
        umbrix = self.start_umbrix()
        self.assertEqual(self.wait_for_message_box("Umbrix"),
                         "Could not register the default hotkeys combination. Try setting the keys manually")
        self.screenshot("default-key-taken")
        self.assertTrue(self.wintool.press("OK", caption="Umbrix"))
        dialog = wait_until(self.dialogs, 15, "the hotkey setup dialog opens", self.describe_windows)[0]
        self.screenshot("hotkey-dialog")
        return umbrix, dialog

    def type_keys(self, dialog, row, chord):
        """Clicks the row's hotkey field and presses the combination in it."""
        self.wintool.click(dialog.handle, HOTKEY_FIELD_CLASS, row)
        self.wintool.keys(chord)

    def try_key(self, dialog, row, expected):
        """Clicks the row's "Test it!!" link and acknowledges the box it brings."""
        self.wintool.click(dialog.handle, LINK_CLASS, row)
        self.acknowledge(expected)

    def acknowledge(self, expected):
        self.assertEqual(self.wait_for_message_box("Umbrix"), expected)
        self.screenshot(expected.split(" ")[0].lower())
        self.assertTrue(self.wintool.press("OK", caption="Umbrix"))
        wait_until(lambda: self.wintool.message_box_text("Umbrix") is None, 10, "the box closes",
                   self.describe_windows)

    def settings(self):
        parser = configparser.ConfigParser(interpolation=None)
        parser.optionxform = str
        parser.read(self.program_folder / "QZ.ini", encoding="latin-1")
        return parser["StartUp"]

    def test_keys_typed_and_tested_in_the_dialog_act_at_once_and_are_kept(self):
        self.start_probe(titles=["Probe Report"])
        umbrix, dialog = self.start_with_default_key_held("ctrl+space")

        geometry = self.wintool.geometry(dialog.handle)
        self.assertEqual(geometry["client"], (369, 206))
        self.assertFalse(geometry["style"] & WS_THICKFRAME, "a fixed border")
        controls = [(cls, text) for cls, text, visible in self.wintool.controls(dialog.handle) if visible]
        for text in ("Select the keys for Umbrix", "Hide or Close ", "Unhide windows", "Exit stealth mode"):
            self.assertIn(("Static", text), controls)
        self.assertEqual([cls for cls, _ in controls].count(HOTKEY_FIELD_CLASS), 3, controls)
        self.assertEqual([text for cls, text in controls if cls == LINK_CLASS], ["<a>Test it!!</a>"] * 3)
        self.assertEqual([text for cls, text in controls if cls == "Button"], ["Apply", "Default", "Close"])

        self.type_keys(dialog, UNHIDE_ROW, "ctrl+j")
        self.try_key(dialog, UNHIDE_ROW, 'Successfully assigned "Ctrl+J"')
        self.try_key(dialog, HIDE_ROW, 'Successfully assigned "Ctrl+H"')
        # The exit-stealth key is not tested yet.
        self.assertTrue(self.wintool.press("Apply", caption=DIALOG_CAPTION))
        self.acknowledge("Please test the assigned Hotkeys before continuing")
        self.assertEqual(len(self.dialogs()), 1, "Apply refused: the dialog stays")
        self.try_key(dialog, EXIT_STEALTH_ROW, 'Successfully assigned "Shift+Alt+BkSp"')
        self.assertTrue(self.wintool.press("Apply", caption=DIALOG_CAPTION))
        wait_until(lambda: not self.dialogs(), 10, "the dialog closes", self.describe_windows)

        self.press("ctrl+h")
        wait_until(lambda: not self.probe_windows(visible=True, titles=["Probe Report"]), 10,
                   "Ctrl+H hides the probe's window", self.describe_windows)
        self.screenshot("hidden-with-ctrl-h")
        self.press("ctrl+j")
        wait_until(lambda: self.probe_windows(visible=True, titles=["Probe Report"]), 10,
                   "Ctrl+J brings it back", self.describe_windows)

        self.assertEqual(self.close_umbrix(umbrix), 0)
        saved = self.settings()
        self.assertEqual((saved["Defaults"], saved["HkHide"], saved["hkUnHide"]), ("0", "Ctrl+H", "Ctrl+J"))

    def test_apply_refuses_one_key_for_both_and_default_brings_back_ctrl_space(self):
        self.start_probe(titles=["Probe Report"])
        umbrix, dialog = self.start_with_default_key_held("ctrl+backspace")

        self.type_keys(dialog, UNHIDE_ROW, "ctrl+h")
        self.assertTrue(self.wintool.press("Apply", caption=DIALOG_CAPTION))
        self.acknowledge("Cannot assign same hotkeys for both events.")
        self.assertEqual(len(self.dialogs()), 1, "Apply refused: the dialog stays")

        # A tested hide key takes over from Ctrl+Space at once. The press is taken before the
        # click that follows it, so once the click's box shows, Ctrl+Space has had its chance.
        self.try_key(dialog, HIDE_ROW, 'Successfully assigned "Ctrl+H"')
        self.press("ctrl+space")
        self.try_key(dialog, EXIT_STEALTH_ROW, 'Successfully assigned "Shift+Alt+BkSp"')
        self.assertTrue(self.probe_windows(visible=True, titles=["Probe Report"]), "Ctrl+Space no longer hides")

        self.assertTrue(self.wintool.press("Default", caption=DIALOG_CAPTION))
        wait_until(lambda: not self.dialogs(), 10, "Default closes the dialog", self.describe_windows)
        self.press("ctrl+space")
        wait_until(lambda: not self.probe_windows(visible=True, titles=["Probe Report"]), 10,
                   "Ctrl+Space hides again", self.describe_windows)
        self.screenshot("hidden-with-ctrl-space")

        self.assertEqual(self.close_umbrix(umbrix), 0)
        saved = self.settings()
        self.assertEqual((saved["Defaults"], saved["HkHide"], saved["hkUnHide"]), ("1", "CTRL+SPACE", "CTRL+BACKSPACE"))


if __name__ == "__main__":
    unittest.main()
