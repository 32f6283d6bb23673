"""The main window "UBX 7 for Office (Portable)" of a running Umbrix: opened from the tray, its
visible-window list with another program's windows, the exclusion that keeps one of them on the
screen through the hide hotkey, the hidden-window list that brings one back, the Setup page's
action that the next hide hotkey follows, and the same window at 100 %, 150 % and 200 %."""

import unittest

from harness import MAIN_WINDOW_CLASS, PANIC_BUTTON_CLASS, wait_until
from test_activation import PASSWORD_KEY, ProbeTestCase

MAIN_WINDOW_CAPTION = "UBX 7 for Office (Portable)"
LIST_CLASS = "SysListView32"
# The page's list views, in the order the window has them.
VISIBLE_LIST, WINDOW_EXCLUSION_LIST, HIDDEN_LIST = 0, 1, 3


def shown_text(text):
    """A control's caption as the user reads it: an access key's "&" only underlines its letter."""
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&")


class MainWindowTestCase(ProbeTestCase):
    """What the main window's tests do with it."""

    def main_window(self):
        shown = [w for w in self.wintool.find(class_name=MAIN_WINDOW_CLASS) if w.visible]
        return shown[0] if shown else None

    def wait_for_main_window(self):
        window = wait_until(self.main_window, 15, "the main window shows", self.describe_windows)
        self.assertEqual(window.title, MAIN_WINDOW_CAPTION)
        return window

    def open_from_tray(self):
        self.open_tray_menu()
        self.choose_from_tray_menu("&Open main window")
        return self.wait_for_main_window()

    def press_button(self, window, caption):
        """Clicks the window's button with this caption, once it has one."""
        def buttons():
            return [shown_text(text) for cls, text, _ in self.wintool.controls(window.handle) if cls.lower() == "button"]
        wait_until(lambda: caption in buttons(), 10, f"a button {caption!r} shows", lambda: str(buttons()))
        self.wintool.click(window.handle, "Button", buttons().index(caption))

    def go_to_page(self, window, entry, control_caption):
        """Clicks a navigation entry; waits until a control of its page shows."""
        self.press_button(window, entry)
        wait_until(lambda: any(shown_text(text) == control_caption and visible
                               for _, text, visible in self.wintool.controls(window.handle)), 10,
                   f"the page of {entry!r} shows", self.describe_windows)

    def rows(self, window, index):
        return self.wintool.rows(window.handle, LIST_CLASS, index)

    def wait_for_row(self, window, index, title, what):
        """The row whose second column is `title`; waits until the list has it."""
        def rows_titled():  # a list, so that row 0 counts as found
            return [i for i, cells in enumerate(self.rows(window, index)) if len(cells) > 1 and cells[1] == title]
        return wait_until(rows_titled, 10, what, lambda: "\n".join(map(str, self.rows(window, index))))[0]

    def select_row(self, window, index, title):
        row = self.wait_for_row(window, index, title, f"{title!r} is listed")
        self.assertTrue(self.wintool.click_row(window.handle, row, LIST_CLASS, index))

    def double_click_tray_icon(self):
        x, y = self.TRAY_ICON_POSITION
        self.xdotool("mousemove", "--sync", x, y, "click", "--repeat", "2", "--delay", "80", "1")

    def open_list_menu(self, window, index, title):
        """Selects the row titled `title` of a list with a click and opens the list's context
        menu with Shift+F10, as the keyboard does."""
        self.select_row(window, index, title)
        self.wintool.keys("shift+f10")
        return wait_until(self.popup_menus, 10, "the list's context menu opens", self.describe_windows)

    def start_silent(self):
        """Umbrix started silent: the main window waits for the tray."""
        (self.program_folder / "QZ.ini").write_bytes(b"[StartUp]\r\nSilent=1\r\n")
        umbrix = self.start_ready_umbrix()
        self.assertIsNone(self.main_window(), "a silent start shows no main window")
        return umbrix


class MainWindow(MainWindowTestCase):

    def test_an_excluded_window_stays_through_the_hide_and_the_hidden_page_brings_one_back(self):
        self.start_probe()
        umbrix = self.start_silent()
        window = self.open_from_tray()
        self.screenshot("opened-from-tray")

        self.go_to_page(window, "Windows that anyone can see", ">>")
        self.wait_for_row(window, VISIBLE_LIST, "Probe Mail", "the visible list shows another program's window")
        self.select_row(window, VISIBLE_LIST, "Probe Mail")
        self.press_button(window, ">>")
        self.wait_for_row(window, WINDOW_EXCLUSION_LIST, "Probe Mail", "\"Probe Mail\" is excluded")
        self.screenshot("probe-mail-excluded")

        self.press("ctrl+space")
        wait_until(lambda: {row[2] for row in self.probe_windows(visible=True)} == {"Probe Mail"}, 10,
                   "every probe window but the excluded one is hidden",
                   lambda: "\n".join(map(str, self.probe_list())))
        self.screenshot("the-rest-hidden")

        window = self.open_from_tray()
        self.go_to_page(window, "Windows that have been hidden", "Show selected window")
        hidden = wait_until(lambda: {cells[1]: cells for cells in self.rows(window, HIDDEN_LIST)}, 10,
                            "the hidden list fills", self.describe_windows)
        self.assertEqual(set(hidden), {"Probe Report", "Probe Chat"})
        for handle, _, when in hidden.values():
            self.assertTrue(handle.isdigit() and when, f"a handle and the time of the hide: {hidden}")
        self.select_row(window, HIDDEN_LIST, "Probe Chat")
        self.screenshot("hidden-page")
        self.press_button(window, "Show selected window")
        wait_until(lambda: {row[2] for row in self.probe_windows(visible=True)} == {"Probe Mail", "Probe Chat"}, 10,
                   "\"Probe Chat\" comes back, \"Probe Report\" stays hidden",
                   lambda: "\n".join(map(str, self.probe_list())))
        self.screenshot("probe-chat-back")

        self.press("ctrl+backspace")
        self.wait_until_every_probe_window_is_back("after the unhide hotkey")
        self.assertEqual(self.close_umbrix(umbrix), 0)

    def test_the_action_chosen_on_setup_is_what_the_next_hide_hotkey_does(self):
        other = ["Probe Other Program"]
        self.start_probe()
        self.start_probe(other, log_name="other-probe")
        umbrix = self.start_silent()
        window = self.open_from_tray()
        self.go_to_page(window, "Configure Umbrix actions", "Change")
        self.press_button(window, "Hide the active Application only (affects only the window your are using)")
        self.screenshot("hide-active-chosen")

        self.bring_to_front("Probe Chat")
        self.press("ctrl+space")
        wait_until(lambda: not self.probe_windows(visible=True), 10, "the program in front is hidden",
                   lambda: "\n".join(map(str, self.probe_list())))
        self.assertEqual(len(self.probe_windows(visible=True, titles=other)), 1, "the other program stays")
        self.screenshot("active-program-hidden")

        self.press("ctrl+backspace")
        self.wait_until_every_probe_window_is_back("after the unhide hotkey")
        self.assertEqual(self.close_umbrix(umbrix), 0)

    def test_manage_sets_the_password_the_next_unhide_asks_for_and_the_close_writes_the_options(self):
        self.start_probe()
        umbrix = self.start_silent()
        window = self.open_from_tray()
        # Escape closes the window as "Close" does.
        self.wintool.keys("escape")
        wait_until(lambda: self.main_window() is None, 10, "Escape closes the window", self.describe_windows)
        window = self.open_from_tray()

        self.go_to_page(window, "Specify additional actions", "Manage...")
        self.screenshot("options-page")
        self.press_button(window, "Empty the Recycle Bin")
        self.press_button(window, "Require passwords to unhide windows")
        self.press_button(window, "Manage...")
        wait_until(lambda: self.wintool.find(title="Set password"), 10, "the set-password dialog shows",
                   self.describe_windows)
        self.screenshot("set-password")
        for field in ("fig", "fig"):  # the new password, then its confirmation
            for letter in field:
                self.wintool.keys(letter)
            self.wintool.keys("tab")
        self.wintool.keys("enter")
        wait_until(lambda: not self.wintool.find(title="Set password"), 10, "the dialog takes the password",
                   self.describe_windows)

        self.press_button(window, "Close")
        wait_until(lambda: self.main_window() is None, 10, "\"Close\" closes the window", self.describe_windows)
        settings = self.program_folder / "QZ.ini"
        wait_until(lambda: {b"DoBin=1", b"UsePW=1"} <= set(settings.read_bytes().split(b"\r\n")), 10,
                   "the close writes the checked options to QZ.ini", lambda: settings.read_bytes().decode("latin-1"))

        self.hide_with_hotkey()
        self.press_unhide_and_see_the_prompt("unhide-asks-for-the-new-password")
        self.type_into_prompt("fig")
        self.wait_until_every_probe_window_is_back("after the password set on the Options page")
        self.assertEqual(self.close_umbrix(umbrix), 0)

    def test_the_tray_double_click_the_list_menus_and_the_password_before_a_hidden_window_shows(self):
        self.start_probe()
        self.session.run(["reg", "add", PASSWORD_KEY, "/v", "Key", "/d", "fig", "/f"])
        (self.program_folder / "QZ.ini").write_bytes(b"[StartUp]\r\nSilent=1\r\nUsePW=1\r\n")
        umbrix = self.start_ready_umbrix()
        self.assertIsNone(self.main_window(), "a silent start shows no main window")
        # Nothing hidden yet: the icon's double-click opens the window.
        self.double_click_tray_icon()
        window = self.wait_for_main_window()

        # "<<" undoes ">>": the next hide takes "Probe Mail" with the rest.
        self.go_to_page(window, "Windows that anyone can see", ">>")
        self.select_row(window, VISIBLE_LIST, "Probe Mail")
        self.press_button(window, ">>")
        self.select_row(window, WINDOW_EXCLUSION_LIST, "Probe Mail")
        self.press_button(window, "<<")
        self.wait_for_row(window, VISIBLE_LIST, "Probe Mail", "\"<<\" gives the window back to the visible list")
        self.assertNotIn("Probe Mail", [cells[1] for cells in self.rows(window, WINDOW_EXCLUSION_LIST)],
                         "no longer excluded")

        # "Change" opens the hotkey setup dialog; its "Close" leaves the keys as they were.
        self.go_to_page(window, "Configure Umbrix actions", "Change")
        self.press_button(window, "Change")
        dialog = wait_until(lambda: self.wintool.find(title="Umbrix 7"), 10, "the hotkey setup dialog shows",
                            self.describe_windows)[0]
        self.screenshot("hotkey-dialog-from-change")
        self.press_button(dialog, "Close")
        wait_until(lambda: not self.wintool.find(title="Umbrix 7"), 10, "the dialog closes", self.describe_windows)

        # The visible list's context menu: "Hide selected window" (its first entry) hides one
        # window while the main window stays open.
        self.go_to_page(window, "Windows that anyone can see", ">>")
        self.open_list_menu(window, VISIBLE_LIST, "Probe Chat")
        self.screenshot("visible-list-menu")
        self.choose_from_menu("down", "enter")
        wait_until(lambda: "Probe Chat" not in {row[2] for row in self.probe_windows(visible=True)}, 10,
                   "\"Hide selected window\" hides it", lambda: "\n".join(map(str, self.probe_list())))

        # With the password guarding hidden windows, "Show selected window" asks for it first.
        self.go_to_page(window, "Windows that have been hidden", "Show selected window")
        self.select_row(window, HIDDEN_LIST, "Probe Chat")
        self.press_button(window, "Show selected window")
        wait_until(lambda: self.wintool.find(title="Password required"), 10, "the unlock prompt shows",
                   self.describe_windows)
        self.screenshot("show-selected-asks-for-the-password")
        self.assertNotIn("Probe Chat", {row[2] for row in self.probe_windows(visible=True)})
        self.type_into_prompt("fig")
        wait_until(lambda: "Probe Chat" in {row[2] for row in self.probe_windows(visible=True)}, 10,
                   "\"Probe Chat\" comes back after the password", lambda: "\n".join(map(str, self.probe_list())))

        # Windows hidden behind the password: the double-click opens nothing, as the disabled
        # "&Open main window" does; the menu that opens after it shows the click was handled.
        self.press_button(window, "Close")
        wait_until(lambda: self.main_window() is None, 10, "\"Close\" closes the window", self.describe_windows)
        self.hide_with_hotkey()
        self.double_click_tray_icon()
        self.open_tray_menu()
        self.screenshot("double-click-opened-nothing")
        self.wintool.keys("escape")
        wait_until(lambda: not self.popup_menus(), 10, "the menu closes", self.describe_windows)
        self.assertIsNone(self.main_window(), "the double-click does not go around the password")

        self.press_unhide_and_see_the_prompt("unhide-asks-for-the-password")
        self.type_into_prompt("fig")
        self.wait_until_every_probe_window_is_back("after the password")
        self.assertEqual(self.close_umbrix(umbrix), 0)

    def test_the_window_fits_its_text_at_each_scale(self):
        self.start_probe()
        for dpi in (96, 144, 192):
            with self.subTest(dpi=dpi):
                self.session.set_dpi(dpi)
                umbrix = self.start_ready_umbrix()
                window = self.wait_for_main_window()
                geometry = self.wintool.geometry(window.handle)
                left, top = geometry["position"]
                width, height = geometry["size"]
                self.assertTrue(left >= 0 and top >= 0 and left + width <= 1280 and top + height <= 800,
                                f"on the screen at {dpi} dpi: {geometry}")
                self.go_to_page(window, "Windows that anyone can see", ">>")
                self.wait_for_row(window, VISIBLE_LIST, "Probe Mail", "the visible list fills")
                self.screenshot(f"visible-page-{dpi}dpi")
                self.go_to_page(window, "Configure Umbrix actions", "Change")
                self.screenshot(f"setup-page-{dpi}dpi")
                self.go_to_page(window, "Windows that have been hidden", "Show selected window")
                self.screenshot(f"hidden-page-{dpi}dpi")
                self.go_to_page(window, "Specify additional actions", "Manage...")
                self.screenshot(f"options-page-{dpi}dpi")
                self.go_to_page(window, "All About Umbrix", "Check for updates...")
                self.screenshot(f"about-page-{dpi}dpi")
                self.go_to_page(window, "Welcome", "Welcome to Umbrix")
                self.screenshot(f"welcome-page-{dpi}dpi")
                # Closed to its narrow width, the pane still changes pages.
                self.press_button(window, "\u00ab  Menu")
                self.go_to_page(window, "Set", "Change")
                self.screenshot(f"pane-closed-{dpi}dpi")
                self.assertEqual(self.close_umbrix(umbrix), 0)



class MainWindowPages(MainWindowTestCase):
    """Each page at 100 %, 150 % and 200 % on a screen as big as a 200 % monitor has."""

    SCREEN = "2560x1600"
    # The HTML engine's library is on, as in a user's Wine, which has no Gecko here: had the
    # welcome page created the browser control, Wine would offer to download the engine.
    DLL_OVERRIDES = "mscoree="
    PAGES = (("Windows that anyone can see", ">>", "visible"),
             ("Windows that have been hidden", "Show selected window", "hidden"),
             ("Configure Umbrix actions", "Change", "setup"),
             ("Specify additional actions", "Manage...", "options"),
             ("All About Umbrix", "Check for updates...", "about"),
             ("Welcome", "Welcome to Umbrix", "welcome"))

    # Setup's controls in reading order, after the action chosen; the decoy's check box is
    # disabled while its field is empty, so Tab passes it by.
    SETUP_TAB_ORDER = ["CTRL+SPACE", "CTRL+BACKSPACE", "Change",
                       "When Closing the Active window, close all application windows ",
                       "When Hiding the Active window, hide all application windows ",
                       "Make next window in the Z Order active automatically",
                       "Disable Task Manager (Requires Administrative priviledge)", "", "Browse"]

    def check_the_tab_order_of_setup(self, window):
        self.go_to_page(window, "Configure Umbrix actions", "Change")
        self.press_button(window, "Hide all Applications (all windows will be hidden)")
        wait_until(lambda: (self.wintool.focus() or ("", ""))[1].startswith("Hide all"), 10,
                   "the action has the focus", lambda: str(self.wintool.focus()))
        seen = []
        for _ in self.SETUP_TAB_ORDER + ["English", "Close"]:
            previous = self.wintool.focus()
            self.wintool.keys("tab")
            focus = wait_until(lambda: (now := self.wintool.focus()) != previous and now, 10,
                               "Tab moves the focus", lambda: f"{self.wintool.focus()} after {seen}")
            seen.append(shown_text(focus[1]))
        self.assertEqual(seen[:len(self.SETUP_TAB_ORDER)], self.SETUP_TAB_ORDER)
        self.assertEqual(seen[-1], "Close", f"the bottom bar follows the page: {seen}")

    def test_each_page_at_each_scale_and_the_welcome_page_without_a_browser_engine(self):
        self.start_probe()
        for dpi in (96, 144, 192):
            with self.subTest(dpi=dpi):
                self.session.set_dpi(dpi)
                umbrix = self.start_ready_umbrix()
                window = self.wait_for_main_window()
                try:
                    # A start shows the welcome page: here the document's title and text, with
                    # no prompt, download offer or error box about a browser engine.
                    texts = [shown_text(text) for _, text, shown in self.wintool.controls(window.handle) if shown]
                    self.assertIn("Welcome to Umbrix", texts)
                    self.assertTrue(any("Ctrl+Space hides your windows." in text for text in texts), texts)
                    # The panic button shows from the start on; nothing else of the program may.
                    others = [w for w in self.wintool.windows()
                              if w.pid == window.pid and w.handle != window.handle and w.class_name != PANIC_BUTTON_CLASS]
                    self.assertEqual(others, [], "no other window of the program shows")
                    for entry, control, name in self.PAGES:
                        self.go_to_page(window, entry, control)
                        self.screenshot(f"{name}-page-{dpi}dpi")
                    if dpi == 96:
                        self.check_the_tab_order_of_setup(window)
                finally:
                    self.assertEqual(self.close_umbrix(umbrix), 0)


if __name__ == "__main__":
    unittest.main()
