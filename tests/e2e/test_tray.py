"""The tray icon of Umbrix: there while the program runs, gone when it ends, and its menu."""

import subprocess
import unittest

from harness import UmbrixTestCase, wait_until

RUN_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Run"


class TrayIcon(UmbrixTestCase):

    def run_value(self):
        done = self.session.run(["reg", "query", RUN_KEY, "/v", "Umbrix"])
        return done.stdout.decode(errors="replace") if done.returncode == 0 else None

    def test_the_icon_shows_while_the_program_runs_and_goes_with_it(self):
        self.assertFalse(self.tray_icon_shown())
        umbrix = self.start_umbrix()
        self.wait_ready(umbrix)
        self.wait_for_tray_icon(True)
        self.screenshot("icon-in-tray")
        self.assertEqual(self.close_umbrix(umbrix), 0)
        self.wait_for_tray_icon(False)
        self.screenshot("icon-gone")

    def test_start_with_windows_from_the_menu_writes_the_run_value_and_close_ends_the_program(self):
        umbrix = self.start_umbrix()
        self.wait_ready(umbrix)
        self.wait_for_tray_icon(True)
        self.open_tray_menu()
        self.screenshot("menu-open")
        self.choose_from_menu("w")  # "Start with &Windows"
        value = wait_until(self.run_value, 10, "the Run value Umbrix exists")
        self.assertIn(r"C:\umbrix\Umbrix.exe", value)
        self.screenshot("autostart-chosen")

        self.open_tray_menu()
        self.screenshot("menu-again")
        self.choose_from_menu("up", "enter")  # "&Close Umbrix", the last entry: no windows are hidden, so no question
        self.assertEqual(umbrix.wait_exit(), 0)
        self.screenshot("closed-from-menu")
        self.assertIn("AutoStart=1", self.settings_text())

    # "&Change Icon..." -------------------------------------------------------------------------

    SHELL32 = r"%SystemRoot%\SYSTEM32\shell32.dll"

    def settings_text(self):
        path = self.program_folder / "QZ.ini"
        return path.read_text(errors="replace") if path.exists() else "(no QZ.ini)"

    def icon_settings(self):
        """(IconFile, IconIndex) once QZ.ini holds both, else None. The program writes them one
        after the other, each a whole new file: a read between the two sees only the first."""
        values = dict(line.split("=", 1) for line in self.settings_text().splitlines() if "=" in line)
        if "IconFile" not in values or "IconIndex" not in values:
            return None
        return values["IconFile"], values["IconIndex"]

    def test_change_icon_stores_the_pickers_answer_and_the_next_start_shows_that_icon(self):
        # Wine's PickIconDlg shows no dialog: it confirms at once the file and icon 0 it was
        # opened at. So this drives the real menu entry, the real picker call, the extraction and
        # the settings write; choosing another icon and cancelling are covered against the sim.
        umbrix = self.start_umbrix()
        self.wait_ready(umbrix)
        self.wait_for_tray_icon(True)
        self.screenshot("program-icon")
        self.open_tray_menu()
        self.screenshot("menu-with-change-icon")
        self.choose_from_tray_menu("&Change Icon...")
        stored = wait_until(self.icon_settings, 10, "IconFile and IconIndex are written", self.settings_text)
        self.assertEqual(stored, (self.SHELL32, "0"))
        self.screenshot("icon-changed")
        self.assertEqual(self.close_umbrix(umbrix), 0)
        self.assertEqual(self.icon_settings(), stored, "the full save at the close leaves them alone")

        umbrix = self.start_umbrix("second")
        self.wait_ready(umbrix)
        self.wait_for_tray_icon(True)
        self.screenshot("next-start-with-chosen-icon")
        self.assertEqual(self.close_umbrix(umbrix), 0)


if __name__ == "__main__":
    unittest.main()
