"""The panic button of a running Umbrix: the always-on-top tool window at the top-left corner at
the first start, whose click runs the configured action on other programs' windows, whose
opacity follows the main window's transparency slider, whose menu restores the hidden windows
(through the unlock prompt) and moves it, and which looks the same at 100 % and 200 %."""

import re
import unittest

from harness import PANIC_BUTTON_CLASS, wait_until
from test_activation import PASSWORD_KEY, PROBE_TITLES, ProbeTestCase
from test_main_window import shown_text

WS_CAPTION = 0x00C00000
WS_THICKFRAME = 0x00040000
WS_EX_TOPMOST = 0x00000008
WS_EX_TOOLWINDOW = 0x00000080
WS_EX_LAYERED = 0x00080000
DEFAULT_LABEL = 'Hi, I\'m the "Panic Button". You can move me, change me, rename me.'
MAIN_WINDOW_CLASS = "UmbrixMainWindow"
TRACKBAR_CLASS = "msctls_trackbar32"
# The panic button's menu, top first, without its separators: "Panic Button" opens the submenu
# "Change label ", "Resize", "Move or Resize".
PANIC_MENU = ["Open main window", "Panic Button", "Hide the Panic button", "Restore hidden windows", "Close Umbrix"]


class PanicButton(ProbeTestCase):
    MOVE_PANIC_BUTTON_ASIDE = False

    def panic_button(self):
        shown = [w for w in self.wintool.find(class_name=PANIC_BUTTON_CLASS) if w.visible]
        return shown[0] if shown else None

    def wait_for_panic_button(self):
        return wait_until(self.panic_button, 15, "the panic button shows", self.describe_windows)

    def write_settings(self, text):
        (self.program_folder / "QZ.ini").write_bytes(b"[StartUp]\r\n" + text.encode("latin-1"))

    def settings_value(self, key):
        text = (self.program_folder / "QZ.ini").read_bytes().decode("latin-1")
        match = re.search(rf"^{key}=(.*?)\r?$", text, re.MULTILINE | re.IGNORECASE)
        return match.group(1) if match else None

    def click_panic_button(self, panic):
        """A hand on the mouse: over the button first, which gives the program an idle moment
        while the user's window is still in front, then the click."""
        self.wintool.hover(panic.handle, "Button")
        for _ in range(2):  # each answer comes after the program's queue has run empty once
            self.assertTrue(self.wintool.answering(panic.handle))
        self.wintool.click(panic.handle, "Button")

    def open_panic_menu(self, panic):
        self.wintool.right_click(panic.handle, "Button")
        wait_until(self.popup_menus, 10, "the panic button's menu opens", self.describe_windows)

    def choose_from_panic_menu(self, entry, submenu_entry=None):
        keys = ["down"] * (PANIC_MENU.index(entry) + 1)
        if submenu_entry:
            keys += ["right"] + ["down"] * ["Change label ", "Resize", "Move or Resize"].index(submenu_entry)
        self.choose_from_menu(*keys, "enter")

    def alpha_of(self, panic, expected):
        return wait_until(lambda: self.wintool.alpha(panic.handle) == expected, 10, f"the opacity is {expected}",
                          lambda: f"alpha {self.wintool.alpha(panic.handle)}")

    # -------------------------------------------------------------------------------------------

    def test_first_start_a_click_hides_every_window_and_the_unhide_hotkey_brings_them_back(self):
        self.start_probe()
        self.write_settings("Silent=1\r\n")
        umbrix = self.start_ready_umbrix()
        panic = self.wait_for_panic_button()
        geometry = self.wintool.geometry(panic.handle)
        self.assertEqual(geometry["position"], (0, 0), "the top-left corner of the virtual desktop")
        self.assertEqual(geometry["size"], (369, 80))
        self.assertEqual(geometry["client"], (369, 80), "no border")
        self.assertFalse(geometry["style"] & WS_CAPTION, "no caption")
        for style, what in ((WS_EX_TOPMOST, "always on top"), (WS_EX_TOOLWINDOW, "no task bar button"),
                            (WS_EX_LAYERED, "layered")):
            self.assertTrue(panic.ex_style & style, what)
        self.assertEqual(panic.title, "")
        self.assertEqual([shown_text(text) for cls, text, _ in self.wintool.controls(panic.handle)
                          if cls.lower() == "button"], [DEFAULT_LABEL])
        self.alpha_of(panic, 230)
        self.screenshot("first-start")

        self.click_panic_button(panic)
        wait_until(lambda: not self.probe_windows(visible=True), 10, "the click hides every probe window",
                   lambda: "\n".join(map(str, self.probe_list())))
        self.assertIsNotNone(self.panic_button(), "the panic button stays")
        self.screenshot("hidden-by-the-click")
        self.press("ctrl+backspace")
        self.wait_until_every_probe_window_is_back("after the unhide hotkey")
        self.screenshot("back")
        # Still above every other window in the Z order, the windows shown again included.
        order = [w.class_name for w in self.wintool.windows()]
        self.assertEqual(order[0], PANIC_BUTTON_CLASS, order)
        self.assertEqual(self.close_umbrix(umbrix), 0)

    def test_with_action_1_a_click_hides_the_program_that_was_in_front_before_it(self):
        self.start_probe(titles=["Probe Report"], log_name="report")
        self.start_probe(titles=["Probe Mail"], log_name="mail")
        self.write_settings("Silent=1\r\nAction=1\r\n")
        umbrix = self.start_ready_umbrix()
        panic = self.wait_for_panic_button()
        self.bring_to_front("Probe Mail")

        self.click_panic_button(panic)
        wait_until(lambda: not self.probe_windows(titles=["Probe Mail"]), 10, "the mail program is hidden",
                   lambda: "\n".join(map(str, self.probe_list())))
        self.assertEqual(len(self.probe_windows(titles=["Probe Report"])), 1, "the other program stays")
        self.screenshot("active-program-hidden")
        self.assertEqual(self.close_umbrix(umbrix), 0)

    def test_the_transparency_slider_sets_the_opacity_at_once(self):
        umbrix = self.start_ready_umbrix()
        panic = self.wait_for_panic_button()
        main = wait_until(lambda: [w for w in self.wintool.find(class_name=MAIN_WINDOW_CLASS) if w.visible], 15,
                          "the main window shows", self.describe_windows)[0]
        buttons = [shown_text(text) for cls, text, _ in self.wintool.controls(main.handle) if cls.lower() == "button"]
        self.wintool.click(main.handle, "Button", buttons.index("Specify additional actions"))
        wait_until(lambda: any(cls == TRACKBAR_CLASS and visible for cls, _, visible in
                               self.wintool.controls(main.handle)), 10, "the Options page shows")
        self.wintool.click(main.handle, TRACKBAR_CLASS)
        self.wintool.keys("end")
        self.alpha_of(panic, 0)
        self.assertIsNotNone(self.panic_button(), "fully transparent, still there")
        self.screenshot("slider-at-100-percent")
        self.wintool.keys("home", "right")
        self.alpha_of(panic, 230)
        self.screenshot("slider-back-at-1")
        self.assertEqual(self.close_umbrix(umbrix), 0)
        self.assertEqual(self.settings_value("Transparancy"), "1")

    def test_restore_hidden_windows_asks_for_the_password(self):
        self.start_probe()
        self.session.run(["reg", "add", PASSWORD_KEY, "/v", "Key", "/d", "fig", "/f"])
        self.write_settings("Silent=1\r\nUsePW=1\r\n")
        umbrix = self.start_ready_umbrix()
        panic = self.wait_for_panic_button()
        self.hide_with_hotkey()

        self.open_panic_menu(panic)
        self.screenshot("panic-menu")
        self.choose_from_panic_menu("Restore hidden windows")
        wait_until(lambda: self.wintool.find(title="Password required"), 10, "the unlock prompt shows",
                   self.describe_windows)
        self.screenshot("unlock-prompt-from-the-panic-button")
        self.assertEqual(self.probe_windows(visible=True), [], "nothing comes back before the password")
        self.type_into_prompt("fig")
        self.wait_until_every_probe_window_is_back("after the password")
        self.assertEqual(self.close_umbrix(umbrix), 0)

    def test_a_move_through_move_or_resize_and_a_new_label_are_stored_at_the_close(self):
        self.write_settings("Silent=1\r\nPanicLeft=100\r\nPanicTop=120\r\n")
        umbrix = self.start_ready_umbrix()
        panic = self.wait_for_panic_button()
        self.assertEqual(self.wintool.geometry(panic.handle)["position"], (100, 120))

        self.open_panic_menu(panic)
        self.choose_from_panic_menu("Panic Button", "Move or Resize")
        bordered = wait_until(lambda: (g := self.wintool.geometry(panic.handle)) and g["style"] & WS_THICKFRAME and g,
                              10, "the sizing border shows")
        self.assertEqual(bordered["position"], (100, 120), "the border leaves the window where it is")
        self.screenshot("sizing-border")
        # The caption bar lies just above the client area.
        width, height = bordered["size"]
        frame = (width - bordered["client"][0]) // 2
        caption_y = 120 + (height - bordered["client"][1]) - frame - 6
        self.wintool.drag((100 + width // 2, caption_y), (100 + width // 2 + 200, caption_y + 150))
        moved = wait_until(lambda: (g := self.wintool.geometry(panic.handle)) and not g["style"] & WS_THICKFRAME
                           and g["position"] != (100, 120) and g, 10, "the drag moves it and its border goes",
                           lambda: str(self.wintool.geometry(panic.handle)))
        self.assertEqual(moved["position"], (300, 270))
        self.screenshot("moved")

        # "Change label ": the input box with its preset selected, so that typing replaces it.
        self.open_panic_menu(panic)
        self.choose_from_panic_menu("Panic Button", "Change label ")
        box = wait_until(lambda: self.wintool.find(title="Change Panic button description"), 10,
                         "the input box shows", self.describe_windows)[0]
        self.screenshot("change-label")
        texts = [text for _, text, _ in self.wintool.controls(box.handle)]
        self.assertIn("Enter the new description in space provided", texts)
        # Typed over the selected preset, the label is what was typed alone.
        self.type_into_prompt("boss")
        wait_until(lambda: [text for _, text, _ in self.wintool.controls(panic.handle)] == ["boss"], 10,
                   "the button shows the new label", lambda: str(self.wintool.controls(panic.handle)))
        self.screenshot("new-label")

        self.assertEqual(self.close_umbrix(umbrix), 0)
        self.assertEqual((self.settings_value("PanicLeft"), self.settings_value("PanicTop")), ("300", "270"))
        self.assertEqual(self.settings_value("btnPanic"), "boss")

    def test_it_looks_right_at_100_and_200_percent(self):
        for dpi in (96, 192):
            with self.subTest(dpi=dpi):
                self.session.set_dpi(dpi)
                self.write_settings("Silent=1\r\n")
                umbrix = self.start_ready_umbrix()
                panic = self.wait_for_panic_button()
                self.alpha_of(panic, 230)
                self.screenshot(f"panic-button-{dpi}dpi")
                self.assertEqual(self.close_umbrix(umbrix), 0)


if __name__ == "__main__":
    unittest.main()
