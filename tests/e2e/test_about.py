"""The about window, opened from the tray menu, and the option explanation window that Umbrix
builds at start-up and keeps hidden."""

import unittest

from harness import EXPLANATION_WINDOW_CLASS, WINE_TRAY_TITLE, UmbrixTestCase, required_path, wait_until

WS_POPUP = 0x80000000
WS_CAPTION = 0x00C00000
WS_BORDER = 0x00800000
WS_DLGFRAME = 0x00400000
WS_SYSMENU = 0x00080000
WS_THICKFRAME = 0x00040000
DIALOG_CLASS = "#32770"


class AboutWindow(UmbrixTestCase):

    def about_windows(self):
        return [w for w in self.wintool.find(class_name=DIALOG_CLASS, title="About") if w.visible]

    def open_about(self):
        self.open_tray_menu()
        self.choose_from_menu("a")  # "&About"
        windows = wait_until(self.about_windows, 10, "the About window shows", self.describe_windows)
        self.assertEqual(len(windows), 1, self.describe_windows())
        return windows[0]

    def test_about_from_the_tray_menu_shows_the_product_and_close_closes_it(self):
        umbrix = self.start_ready_umbrix()
        about = self.open_about()
        self.screenshot("about-open")

        geometry = self.wintool.geometry(about.handle)
        self.assertEqual(geometry["client"], (357, 210))
        self.assertTrue(geometry["style"] & WS_CAPTION, "a caption")
        self.assertFalse(geometry["style"] & WS_THICKFRAME, "a fixed border: no sizing frame")
        screen = (1280, 800)  # scripts/wine-env.sh starts Xvfb at this size
        centre = [geometry["position"][i] + geometry["size"][i] // 2 for i in (0, 1)]
        for axis in (0, 1):
            self.assertLessEqual(abs(centre[axis] - screen[axis] // 2), 40, f"centred on the screen: {geometry}")
        controls = [(cls, text) for cls, text, visible in self.wintool.controls(about.handle) if visible]
        self.assertIn(("Static", "Umbrix"), controls)
        self.assertIn(("Button", "Close"), controls)

        self.assertTrue(self.wintool.press("Close", caption="About"))
        wait_until(lambda: not self.about_windows(), 10, "the About window closes", self.describe_windows)
        self.screenshot("about-closed")
        self.assertIsNone(umbrix.exit_code(), "closing the about window does not end the program")

        # Opened again, it comes back; the close box closes it too.
        about = self.open_about()
        self.assertTrue(self.wintool.close(about.handle))
        wait_until(lambda: not self.about_windows(), 10, "the About window closes", self.describe_windows)
        self.assertEqual(self.close_umbrix(umbrix), 0)

    def test_the_hide_hotkey_closes_the_open_about_window_and_hides_the_desktop(self):
        probe_exe = required_path("UMBRIX_PROBE")
        probe = self.session.popen([probe_exe, "Probe Report"], log_name="probe")
        self.addCleanup(lambda: probe.poll() is None and probe.kill())

        def report_visible():
            return any(w.visible for w in self.wintool.find(title="Probe Report"))
        wait_until(report_visible, 20, "the probe's window shows", self.describe_windows)
        self.exclude_windows_titled(WINE_TRAY_TITLE)  # keeps the tray reachable
        umbrix = self.start_ready_umbrix()
        self.open_about()
        self.screenshot("about-open")

        # The hotkey arrives in the about window's modal loop.
        self.assertEqual(self.session.run([probe_exe, "--keys", "ctrl+space"]).returncode, 0)
        wait_until(lambda: not self.about_windows(), 10, "the About window closes", self.describe_windows)
        wait_until(lambda: not report_visible(), 10, "the probe's window is hidden", self.describe_windows)
        self.screenshot("hidden")
        self.assertIsNone(umbrix.exit_code())

        self.assertEqual(self.session.run([probe_exe, "--keys", "ctrl+backspace"]).returncode, 0)
        wait_until(report_visible, 10, "the probe's window is back", self.describe_windows)
        self.assertEqual(self.close_umbrix(umbrix), 0)

    def test_the_explanation_window_lives_hidden_as_a_bare_pale_popup(self):
        umbrix = self.start_ready_umbrix()
        windows = self.wintool.find(class_name=EXPLANATION_WINDOW_CLASS)
        self.assertEqual(len(windows), 1, self.describe_windows())
        explanation = windows[0]
        self.assertFalse(explanation.visible)
        geometry = self.wintool.geometry(explanation.handle)
        self.assertEqual(geometry["size"], (380, 214))
        self.assertTrue(geometry["style"] & WS_POPUP)
        self.assertFalse(geometry["style"] & (WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_SYSMENU | WS_THICKFRAME),
                         f"no caption, border or system menu: {geometry['style']:#x}")

        # Nothing in the program shows it; shown from outside, it draws its headings.
        self.assertTrue(self.wintool.show(explanation.handle))
        wait_until(lambda: any(w.visible for w in self.wintool.find(class_name=EXPLANATION_WINDOW_CLASS)), 10,
                   "the explanation window shows", self.describe_windows)
        self.screenshot("explanation-drawn")
        self.assertIsNone(umbrix.exit_code(), "drawing the window does not end the program")
        self.wintool.show(explanation.handle, visible=False)

        self.assertEqual(self.close_umbrix(umbrix), 0)


if __name__ == "__main__":
    unittest.main()
