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
        self.choose_from_menu("c")  # "&Close Umbrix": no windows are hidden, so no question
        self.assertEqual(umbrix.wait_exit(), 0)
        self.screenshot("closed-from-menu")
        settings = (self.program_folder / "QZ.ini").read_text(errors="replace")
        self.assertIn("AutoStart=1", settings)


if __name__ == "__main__":
    unittest.main()
