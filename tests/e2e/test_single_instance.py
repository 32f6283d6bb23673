"""Only one Umbrix runs at a time: a second start says so and ends, the first goes on."""

import unittest

from harness import UmbrixTestCase, wait_until

ALREADY_RUNNING = ('Umbrix is already running, to open the main window right click the icon in the system tray '
                   'and select "Open main window"')


class SingleInstance(UmbrixTestCase):

    def test_a_second_start_shows_the_already_running_box_and_ends(self):
        first = self.start_umbrix("first")
        controller = self.wait_ready(first)
        self.screenshot("first-running")
        folder_before = self.folder_snapshot()

        second = self.start_umbrix("second")
        self.assertEqual(self.wait_for_message_box("Umbrix"), ALREADY_RUNNING)
        self.screenshot("already-running-box")
        # The second instance shows the box and nothing else: no window of its own.
        self.assertEqual(self.controller_windows(), [controller], self.describe_windows())

        self.assertTrue(self.wintool.press("OK", caption="Umbrix"))
        self.assertEqual(second.wait_exit(), 0)
        self.screenshot("box-answered")

        # The first instance goes on as it was, its tray icon included; nothing in the program
        # folder changed.
        self.assertIsNone(first.exit_code())
        self.assertTrue(self.tray_icon_shown(), self.describe_windows())
        self.assertEqual(self.controller_windows(), [controller])
        self.assertEqual(self.folder_snapshot(), folder_before)
        umbrix_processes = [p for p in self.wintool.processes() if p[1].lower() == "umbrix.exe"]
        self.assertEqual(len(umbrix_processes), 1, umbrix_processes)
        self.assertEqual(self.close_umbrix(first), 0)

    def test_two_starts_at_the_same_moment_leave_exactly_one_instance(self):
        starts = [self.start_umbrix("a"), self.start_umbrix("b")]
        self.assertEqual(self.wait_for_message_box("Umbrix"), ALREADY_RUNNING)
        self.screenshot("one-of-two-refused")
        self.assertTrue(self.wintool.press("OK", caption="Umbrix"))

        ended = wait_until(lambda: [s for s in starts if s.exit_code() is not None], 15,
                           "the refused start has ended", self.describe_windows)
        self.assertEqual(len(ended), 1)
        self.assertEqual(ended[0].exit_code(), 0)
        running = next(s for s in starts if s is not ended[0])
        self.wait_ready(running)
        self.assertIsNone(self.wintool.message_box_text("Umbrix"))
        self.screenshot("one-instance-left")
        self.assertEqual(self.close_umbrix(running), 0)


if __name__ == "__main__":
    unittest.main()
