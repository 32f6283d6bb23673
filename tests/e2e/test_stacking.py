"""The desk comes back as the user left it: after the hide and unhide hotkeys the windows of
other programs stand in the Z order they had, and the window the user worked in, a modal dialog
above its owner among them, is active again."""

from harness import wait_until
from test_activation import ProbeTestCase

FIRST = ["Desk Mail", "Desk Notes", "Desk Chat"]
SECOND = ["Desk Sheet", "Desk Paint"]


class StackingOrder(ProbeTestCase):

    def setUp(self):
        super().setUp()
        # A silent start: the main window stays out of the pictures.
        (self.program_folder / "QZ.ini").write_bytes(b"[StartUp]\r\nSilent=1\r\n")

    def titles_top_first(self, titles):
        return [row[2] for row in self.probe_windows(visible=True, titles=titles)]

    def hide_and_unhide(self, titles):
        self.press("ctrl+space")
        wait_until(lambda: not self.probe_windows(visible=True, titles=titles), 10, "every window is hidden",
                   lambda: "\n".join(map(str, self.probe_list(titles))))
        self.screenshot("hidden")
        self.press("ctrl+backspace")

    def wait_for_desk(self, titles, stack, active, why):
        handles = {row[2]: row[0] for row in self.probe_list(titles)}

        def desk():
            return self.titles_top_first(titles), self.wintool.foreground()

        wait_until(lambda: desk() == (stack, handles[active]), 15, why,
                   lambda: f"stack {self.titles_top_first(titles)}, foreground {self.wintool.foreground()} "
                           f"(wanted {stack}, {active} = {handles[active]})")

    def test_five_windows_of_two_programs_come_back_in_their_order_with_the_same_one_active(self):
        titles = FIRST + SECOND
        self.start_probe(FIRST, log_name="first-probe")
        self.start_probe(SECOND, log_name="second-probe", options=["--origin", "15"])
        # Interleaved: each brought to the front in turn, so the last one ends on top.
        for title in ["Desk Notes", "Desk Sheet", "Desk Mail", "Desk Paint", "Desk Chat"]:
            self.bring_to_front(title)
        # The one the user works in is not the top of the stack each program would give.
        self.bring_to_front("Desk Mail")
        stack = ["Desk Mail", "Desk Chat", "Desk Paint", "Desk Sheet", "Desk Notes"]
        self.wait_for_desk(titles, stack, "Desk Mail", "the windows stand interleaved")
        umbrix = self.start_ready_umbrix()
        self.bring_to_front("Desk Mail")  # Umbrix's start may have taken the activation
        self.screenshot("before")

        self.hide_and_unhide(titles)
        self.wait_for_desk(titles, stack, "Desk Mail", "the same stack and active window after the unhide")
        self.screenshot("after")
        self.assertEqual(self.close_umbrix(umbrix), 0)

    def test_a_modal_dialog_comes_back_above_its_owner_with_the_focus(self):
        titles = ["Desk Editor", "Desk Open", "Desk Other"]
        self.start_probe(["Desk Other"], log_name="other-probe")
        editor = self.session.popen([self.probe_exe, "Desk Editor", "--modal-dialog", "Desk Open"],
                                    log_name="editor-probe")
        self.addCleanup(lambda: editor.poll() is None and editor.kill())
        wait_until(lambda: len(self.probe_windows(titles=titles)) == 3, 20, "the editor and its dialog show",
                   self.describe_windows)
        self.bring_to_front("Desk Open")
        stack = ["Desk Open", "Desk Editor", "Desk Other"]
        self.wait_for_desk(titles, stack, "Desk Open", "the dialog is in front of its owner")
        umbrix = self.start_ready_umbrix()
        self.bring_to_front("Desk Open")
        self.screenshot("before")

        self.hide_and_unhide(titles)
        self.wait_for_desk(titles, stack, "Desk Open", "the dialog above its owner and active after the unhide")
        self.screenshot("after")
        self.assertEqual(self.close_umbrix(umbrix), 0)
