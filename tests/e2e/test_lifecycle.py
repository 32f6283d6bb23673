"""Umbrix starts, runs without a task bar button, and ends cleanly when asked to."""

import unittest

from harness import (APPLICATION_WINDOW_CLASS, CONTROLLER_WINDOW_CLASS, EXPLANATION_WINDOW_CLASS, MAIN_WINDOW_CLASS,
                     PANIC_BUTTON_CLASS, TRAY_WINDOW_CLASS, UmbrixTestCase, wait_until)


class Lifecycle(UmbrixTestCase):

    def umbrix_windows(self, pid):
        # A drop-down list's box ("ComboLBox") is a top-level window Windows makes for each combo
        # box of the main window; it belongs to its combo box, not to the program's own windows.
        return [w for w in self.wintool.windows(include_hidden=True) if w.pid == pid and w.class_name != "ComboLBox"]

    def test_close_ends_the_program_and_a_new_start_succeeds(self):
        umbrix = self.start_umbrix("first")
        controller = self.wait_ready(umbrix)
        self.screenshot("running")
        windows = self.umbrix_windows(controller.pid)
        self.assertEqual(sorted(w.class_name for w in windows),
                         sorted([APPLICATION_WINDOW_CLASS, CONTROLLER_WINDOW_CLASS, EXPLANATION_WINDOW_CLASS,
                                 MAIN_WINDOW_CLASS, PANIC_BUTTON_CLASS, TRAY_WINDOW_CLASS]))
        # The main window, shown at a start that is not silent, has the one task bar button; the
        # panic button shows as a tool window; the rest are hidden tool windows: no task bar
        # button and no place in Alt+Tab.
        for window in windows:
            if window.class_name == MAIN_WINDOW_CLASS:
                self.assertTrue(window.visible and not window.is_tool_window, window)
                continue
            if window.class_name == PANIC_BUTTON_CLASS:
                self.assertTrue(window.visible and window.is_tool_window, window)
                continue
            self.assertFalse(window.visible, window)
            self.assertTrue(window.is_tool_window, window)

        self.assertEqual(self.close_umbrix(umbrix), 0)
        self.screenshot("closed")
        self.assertEqual(self.umbrix_windows(controller.pid), [])

        # The instance mutex went with the process: a new start runs instead of refusing.
        again = self.start_umbrix("again")
        self.wait_ready(again)
        self.assertIsNone(self.wintool.message_box_text("Umbrix"))
        self.screenshot("started-again")
        self.assertEqual(self.close_umbrix(again), 0)

    def test_the_end_of_the_session_ends_the_program(self):
        umbrix = self.start_umbrix()
        controller = self.wait_ready(umbrix)
        self.assertTrue(self.wintool.end_session(controller.handle), "Umbrix must never hold up the end of a session")
        self.assertEqual(umbrix.wait_exit(), 0)
        self.screenshot("session-ended")
        self.assertEqual(self.controller_windows(), [])

    def test_an_end_of_session_that_is_cancelled_keeps_the_program_running(self):
        umbrix = self.start_umbrix()
        controller = self.wait_ready(umbrix)
        # Another program refused: Windows then sends WM_ENDSESSION with FALSE.
        self.assertTrue(self.wintool.end_session(controller.handle, another_program_refuses=True))
        self.assertIsNone(umbrix.exit_code())
        self.assertEqual(self.controller_windows(), [controller])
        self.assertEqual(self.close_umbrix(umbrix), 0)


if __name__ == "__main__":
    unittest.main()
