"""The hide and unhide hotkeys of a running Umbrix, acting on other programs' windows: every
window or only the active application's, with and without the unhide password; stealth mode and
the exit question with hidden windows; the ways out of Umbrix that leave windows hidden behind
the password."""

import unittest

from harness import WINE_TRAY_TITLE, UmbrixTestCase, required_path, wait_until

PASSWORD_KEY = r"HKCU\SOFTWARE\Microsoft\Windows\CurrentVersion\LogoAcc\QVAcc"
PROBE_TITLES = ["Probe Report", "Probe Mail", "Probe Chat"]


class ProbeTestCase(UmbrixTestCase):
    """Umbrix beside probe.exe, the other programs whose windows it hides."""

    def setUp(self):
        super().setUp()
        self.probe_exe = required_path("UMBRIX_PROBE")

    # Other programs' windows -----------------------------------------------------------------

    def start_probe(self, titles=PROBE_TITLES, log_name="probe", options=()):
        """A program of its own showing one window per title; waits until they show."""
        probe = self.session.popen([self.probe_exe, *options, *titles], log_name=log_name)
        self.addCleanup(lambda: probe.poll() is None and probe.kill())
        wait_until(lambda: len(self.probe_windows(titles=titles)) == len(titles), 20, f"{log_name}'s windows show",
                   self.describe_windows)
        return probe

    def probe_list(self, titles=PROBE_TITLES):
        """(handle, visible, title) of every window with one of these titles, top of the Z order
        first."""
        done = self.session.run([self.probe_exe, "--list"])
        rows = []
        for line in done.stdout.decode("utf-8", errors="replace").splitlines():
            fields = line.split("\t")
            if len(fields) == 5 and fields[4] in titles:
                rows.append((int(fields[0]), fields[2] == "1", fields[4]))
        return rows

    def probe_windows(self, visible=True, titles=PROBE_TITLES):
        return [row for row in self.probe_list(titles) if row[1] == visible]

    def press(self, chord):
        done = self.session.run([self.probe_exe, "--keys", chord])
        self.assertEqual(done.returncode, 0, f"probe --keys {chord}")

    def bring_to_front(self, title):
        """Makes the window with this title the one the user works in."""
        handle = self.probe_list(titles=[title])[0][0]
        wait_until(lambda: self.wintool.foreground(handle) == handle, 10, f"{title!r} is in front",
                   lambda: f"foreground {self.wintool.foreground()}\n{self.describe_windows()}")

    def start_ready_umbrix(self):
        self.exclude_windows_titled(WINE_TRAY_TITLE)
        umbrix = self.start_umbrix()
        self.wait_ready(umbrix)
        self.wait_for_tray_icon(True)
        return umbrix

    def hide_with_hotkey(self):
        self.press("ctrl+space")
        wait_until(lambda: not self.probe_windows(visible=True), 10, "every probe window is hidden",
                   lambda: "\n".join(map(str, self.probe_list())))
        self.assertEqual(len(self.probe_windows(visible=False)), len(PROBE_TITLES), "listed hidden")

    def wait_until_every_probe_window_is_back(self, why):
        wait_until(lambda: len(self.probe_windows(visible=True)) == len(PROBE_TITLES), 10,
                   f"every probe window is back {why}", lambda: "\n".join(map(str, self.probe_list())))

    def set_unhide_password(self, password):
        """The password as an earlier version stored it, and "UsePW" on."""
        self.session.run(["reg", "add", PASSWORD_KEY, "/v", "Key", "/d", password, "/f"])
        (self.program_folder / "QZ.ini").write_bytes(b"[StartUp]\r\nUsePW=1\r\n")

    def press_unhide_and_see_the_prompt(self, screenshot):
        """The unhide hotkey with a password required: the prompt shows, and nothing comes back
        before the password."""
        self.press("ctrl+backspace")
        wait_until(lambda: self.wintool.find(title="Password required"), 10, "the unlock prompt shows",
                   self.describe_windows)
        self.screenshot(screenshot)
        self.assertEqual(self.probe_windows(visible=True), [], "nothing comes back before the password")

    def type_into_prompt(self, text):
        for letter in text:
            self.wintool.keys(letter)
        self.wintool.keys("enter")


class Activation(ProbeTestCase):

    # The cases -------------------------------------------------------------------------------

    def test_the_hide_hotkey_hides_the_windows_and_the_unhide_hotkey_brings_them_back(self):
        self.start_probe()
        order_before = [row[0] for row in self.probe_list()]
        umbrix = self.start_ready_umbrix()
        self.screenshot("windows-shown")

        self.hide_with_hotkey()
        self.screenshot("windows-hidden")

        self.press("ctrl+backspace")
        # They come back in the Z order they had. The order is part of the state waited for: the
        # windows come back one at a time, and the Z order is only the final one once every show
        # and the move of the stack after them are through.
        wait_until(lambda: [row[0] for row in self.probe_windows(visible=True)] == order_before, 10,
                   f"every probe window is back, in the Z order {order_before}",
                   lambda: "\n".join(map(str, self.probe_list())))
        self.screenshot("windows-back")
        self.assertEqual(self.close_umbrix(umbrix), 0)

    def test_windows_hidden_by_a_killed_umbrix_come_back_with_the_next_ones_unhide_hotkey(self):
        self.start_probe()
        first = self.start_ready_umbrix()
        self.hide_with_hotkey()
        first.kill()
        wait_until(lambda: not self.controller_windows(), 10, "the killed program's windows are gone",
                   self.describe_windows)
        self.screenshot("killed-windows-still-hidden")
        self.assertEqual(self.probe_windows(visible=True), [])

        again = self.start_ready_umbrix()
        self.press("ctrl+backspace")
        self.wait_until_every_probe_window_is_back("after the restart")
        self.screenshot("back-after-restart")
        self.assertEqual(self.close_umbrix(again), 0)
        self.assertFalse((self.program_folder / "Hidden.dat").exists(), "nothing is left hidden")

    def test_a_program_that_stopped_answering_holds_up_neither_the_hide_nor_the_unhide(self):
        frozen = self.session.popen([self.probe_exe, "Probe Frozen"], log_name="frozen-probe")
        self.addCleanup(lambda: frozen.poll() is None and frozen.kill())
        self.start_probe()
        umbrix = self.start_ready_umbrix()
        # It stays frozen to the end of the case, however slowly a busy machine runs the steps:
        # the case's clean-up ends it.
        done = self.session.run([self.probe_exe, "--stop-answering", "Probe Frozen", "120000"], timeout=45)
        self.assertEqual(done.returncode, 0, "the frozen probe is counted hung")

        self.hide_with_hotkey()
        self.screenshot("answering-windows-hidden")
        self.press("ctrl+backspace")
        wait_until(lambda: len(self.probe_windows(visible=True)) == len(PROBE_TITLES), 10,
                   "the answering program's windows are back while the other is still frozen",
                   lambda: "\n".join(map(str, self.probe_list())))
        self.screenshot("answering-windows-back")
        self.assertEqual(self.close_umbrix(umbrix), 0)

    def test_a_hidden_window_its_program_shows_again_is_hidden_again_at_once(self):
        # A messenger that shows its window by itself 700 ms after it was hidden, logging each
        # show and hide of it with the time (the probe's own clock, at the moment its window
        # hears of the change).
        title = "Probe Messenger"
        messenger = self.session.popen([self.probe_exe, "--log-visibility", "--reshow-after", "700", title],
                                       log_name="messenger")
        self.addCleanup(lambda: messenger.poll() is None and messenger.kill())
        self.start_probe()
        wait_until(lambda: self.probe_windows(titles=[title]), 20, "the messenger shows", self.describe_windows)
        handle = self.probe_list(titles=[title])[0][0]
        log = self.session.artifacts / "messenger.log"

        def changes():
            """("shown" or "hidden", time) of the messenger's window, in the order logged."""
            text = log.read_text(errors="replace")
            rows = [line.split() for line in text[:text.rfind("\n") + 1].splitlines()]
            return [(row[0], float(row[2])) for row in rows if len(row) == 3 and row[1] == str(handle)]

        umbrix = self.start_ready_umbrix()
        self.hide_with_hotkey()
        # Its own show, then Umbrix's hide again: "shown" by itself after the hotkey's "hidden",
        # then "hidden".
        wait_until(lambda: [kind for kind, _ in changes()][-4:] == ["shown", "hidden", "shown", "hidden"], 10,
                   "the messenger shows itself and is hidden again", lambda: str(changes()))
        shown_by_itself, hidden_again = changes()[-2][1], changes()[-1][1]
        print(f"hidden again {1000 * (hidden_again - shown_by_itself):.1f} ms after it showed itself")
        self.assertLess(hidden_again - shown_by_itself, 0.1, "hidden again within 100 ms")
        self.screenshot("messenger-hidden-again")
        self.assertEqual(self.probe_windows(visible=True, titles=[*PROBE_TITLES, title]), [], "nothing is on the screen")

        self.press("ctrl+backspace")
        wait_until(lambda: len(self.probe_windows(visible=True, titles=[*PROBE_TITLES, title])) == 4, 10,
                   "the messenger comes back with the others", self.describe_windows)
        self.screenshot("messenger-back")
        self.assertEqual(self.close_umbrix(umbrix), 0)

    def test_a_default_hotkey_another_program_holds_is_reported_at_start(self):
        holder = self.session.popen([self.probe_exe, "--hold", "ctrl+space"], log_name="holder")
        self.addCleanup(lambda: holder.poll() is None and holder.kill())
        wait_until(lambda: "held" in (self.artifacts / "holder.log").read_text(errors="replace"), 20,
                   "another program holds Ctrl+Space")
        self.exclude_windows_titled(WINE_TRAY_TITLE)
        umbrix = self.start_umbrix()
        self.assertEqual(self.wait_for_message_box("Umbrix"),
                         "Could not register the default hotkeys combination. Try setting the keys manually")
        self.screenshot("hotkey-taken")
        self.assertTrue(self.wintool.press("OK", caption="Umbrix"))
        # The hotkey setup dialog follows, for keys of the user's own; "Close" leaves the defaults.
        wait_until(lambda: any(w.visible for w in self.wintool.find(title="Umbrix 7")), 15,
                   "the hotkey setup dialog opens", self.describe_windows)
        self.assertTrue(self.wintool.press("Close", caption="Umbrix 7"))
        wait_until(lambda: not any(w.visible for w in self.wintool.find(title="Umbrix 7")), 10,
                   "the hotkey setup dialog closes", self.describe_windows)
        self.wait_ready(umbrix)
        self.assertEqual(self.close_umbrix(umbrix), 0)

    def test_with_a_password_the_windows_come_back_only_after_the_unlock_prompt(self):
        self.set_unhide_password("secret")
        self.start_probe()
        umbrix = self.start_ready_umbrix()

        self.hide_with_hotkey()
        self.press_unhide_and_see_the_prompt("unlock-prompt")

        # Pressed again while the prompt is open, the unhide hotkey restores nothing either. The
        # press arrives as a posted message, which the program takes before the keys typed after
        # it: once the wrong password below has been answered, the press has been handled.
        self.press("ctrl+backspace")

        # A wrong password is refused: the prompt stays and nothing comes back.
        self.type_into_prompt("wrong")
        self.assertEqual(self.wait_for_message_box("Umbrix"),
                         "The password you have entered is incorrect. Please try again.")
        self.screenshot("wrong-password")
        self.assertEqual(self.probe_windows(visible=True), [], "a second press is no way around the password")
        self.assertEqual(len(self.wintool.find(title="Password required")), 1, "one prompt")
        self.assertTrue(self.wintool.press("OK", caption="Umbrix"))
        wait_until(lambda: self.wintool.message_box_text("Umbrix") is None, 10, "the message closes")
        self.assertTrue(self.wintool.find(title="Password required"), "the prompt stays open")
        self.assertEqual(self.probe_windows(visible=True), [], "a wrong password restores nothing")

        self.type_into_prompt("secret")
        self.wait_until_every_probe_window_is_back("after the password")
        self.screenshot("unlocked")
        self.assertEqual(self.close_umbrix(umbrix), 0)

    def test_stealth_mode_from_the_menu_ends_with_shift_alt_backspace(self):
        umbrix = self.start_ready_umbrix()
        self.open_tray_menu()
        self.screenshot("menu")
        self.choose_from_tray_menu("Mode of operation", "Switch to stealth mode")
        self.assertIn("to exit stealt mode", self.wait_for_message_box("Confirm"))
        self.screenshot("confirmation")
        self.assertTrue(self.wintool.press("Yes", caption="Confirm"))
        self.wait_for_tray_icon(False)
        self.screenshot("stealth")

        self.press("shift+alt+backspace")
        self.wait_for_tray_icon(True)
        self.screenshot("icon-back")
        self.assertEqual(self.close_umbrix(umbrix), 0)

    def test_the_exit_question_with_hidden_windows(self):
        self.start_probe()
        umbrix = self.start_ready_umbrix()
        self.hide_with_hotkey()

        # Cancel: the program stays and the windows stay hidden.
        self.right_click_tray_icon()
        wait_until(self.popup_menus, 10, "the tray menu opens", self.describe_windows)
        self.choose_from_tray_menu("&Close Umbrix")
        self.assertEqual(self.wait_for_message_box("Umbrix"),
                         "There are windows that are hidden would you like to show them before you exit")
        self.screenshot("exit-question")
        self.assertTrue(self.wintool.press("Cancel", caption="Umbrix"))
        wait_until(lambda: self.wintool.message_box_text("Umbrix") is None, 10, "the question closes")
        self.assertIsNone(umbrix.exit_code())
        self.assertEqual(self.probe_windows(visible=True), [])

        # OK: the windows come back and the program ends.
        self.right_click_tray_icon()
        wait_until(self.popup_menus, 10, "the tray menu opens", self.describe_windows)
        self.choose_from_tray_menu("&Close Umbrix")
        self.wait_for_message_box("Umbrix")
        self.assertTrue(self.wintool.press("OK", caption="Umbrix"))
        self.assertEqual(umbrix.wait_exit(), 0)
        self.wait_until_every_probe_window_is_back("after the exit")
        self.screenshot("exited")


class ActiveApplication(ProbeTestCase):
    """"Hide the active Application only" and "Close the active Application" from the hotkey:
    the program in front is the one they act on; another program's windows stay."""

    OTHER = ["Probe Other Program"]

    def start_with_action(self, action):
        (self.program_folder / "QZ.ini").write_bytes(f"[StartUp]\r\nAction={action}\r\n".encode())
        return self.start_ready_umbrix()

    def test_hide_active_hides_the_windows_of_the_program_in_front_only(self):
        self.start_probe()
        self.start_probe(self.OTHER, log_name="other-probe")
        umbrix = self.start_with_action(1)
        self.bring_to_front("Probe Chat")
        self.screenshot("chat-in-front")

        self.hide_with_hotkey()
        self.assertEqual(len(self.probe_windows(visible=True, titles=self.OTHER)), 1, "the other program stays")
        self.screenshot("active-program-hidden")

        self.press("ctrl+backspace")
        self.wait_until_every_probe_window_is_back("after the unhide hotkey")
        self.assertEqual(self.close_umbrix(umbrix), 0)

    def test_close_active_closes_the_window_in_front_only(self):
        doomed = self.start_probe(["Probe Doomed"], log_name="doomed-probe")
        self.start_probe(self.OTHER, log_name="other-probe")
        umbrix = self.start_with_action(3)
        self.bring_to_front("Probe Doomed")

        self.press("ctrl+space")
        # Its only titled window closed, the probe ends.
        wait_until(lambda: doomed.poll() is not None, 10, "the program in front has closed",
                   lambda: "\n".join(map(str, self.probe_list(["Probe Doomed", *self.OTHER]))))
        self.screenshot("active-program-closed")
        self.assertEqual(len(self.probe_windows(visible=True, titles=self.OTHER)), 1, "the other program stays")
        self.assertEqual(self.close_umbrix(umbrix), 0)


class PasswordGuardedWindows(ProbeTestCase):
    """Windows hidden while a password is required come back only through the unlock prompt."""

    def test_ended_by_another_program_umbrix_leaves_them_hidden_for_the_next_starts_prompt(self):
        self.set_unhide_password("secret")
        self.start_probe()
        first = self.start_ready_umbrix()
        self.hide_with_hotkey()

        # WM_CLOSE from another process, as taskkill without /F sends it.
        self.assertEqual(self.close_umbrix(first), 0)
        self.screenshot("closed-windows-still-hidden")
        self.assertEqual(self.probe_windows(visible=True), [], "nothing is shown on the way out")
        self.assertTrue((self.program_folder / "Hidden.dat").exists(), "the windows are recorded")

        again = self.start_ready_umbrix()
        self.assertEqual(self.probe_windows(visible=True), [], "starting shows nothing by itself")
        self.press_unhide_and_see_the_prompt("unlock-prompt-after-restart")
        self.type_into_prompt("secret")
        self.wait_until_every_probe_window_is_back("after the password")
        self.screenshot("back-after-password")
        self.assertEqual(self.close_umbrix(again), 0)


if __name__ == "__main__":
    unittest.main()
