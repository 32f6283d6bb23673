"""Umbrix killed (SIGKILL) in the middle of a hide or a restore leaves no window hidden for good:
the next start's unhide hotkey brings every one back. A storm of hide and unhide presses, faster
than a keyboard repeats, ends with every window back and Umbrix answering. The long run of the
same, at a hundred and more random moments, is bench/wine/kill_storm_bench.py."""

import random
import unittest

from harness import WINE_TRAY_TITLE, UmbrixTestCase, required_path
from kill_storm import HIDE_HOTKEY, UNHIDE_HOTKEY, KillStormRig, WatchedWindows


class RigTestCase(UmbrixTestCase):
    """Umbrix running beside probe.exe's watched windows, driven by the kill and storm rig."""

    def start_rig(self, windows):
        self.exclude_windows_titled(WINE_TRAY_TITLE)
        watched = WatchedWindows(self.session, required_path("UMBRIX_PROBE"), windows)
        self.addCleanup(watched.stop)
        rig = KillStormRig(self.session, self.wintool, self.program_folder, watched, random.Random(14))
        self.addCleanup(rig.stop)
        rig.start_umbrix()
        return rig


class KilledMidway(RigTestCase):
    # Enough windows of another application that a hide or a restore lasts a while under Wine.
    WINDOWS = 40

    def check_kills(self, phase):
        rig = self.start_rig(self.WINDOWS)
        # Right after the key press (before or while the first window goes), after the first
        # window, half-way, after the last (while the record is brought up to date).
        for target in (0, 1, self.WINDOWS // 2, self.WINDOWS):
            point = rig.kill_point(phase, target)
            print(point.describe(), flush=True)
            self.assertTrue(point.ok, point.describe())
        self.screenshot(f"every-window-back-after-kills-during-{phase}")
        self.assertEqual(rig.close_umbrix(), 0)

    def test_a_kill_during_a_hide_leaves_every_window_to_the_next_starts_unhide_hotkey(self):
        self.check_kills("hide")

    def test_a_kill_during_a_restore_leaves_every_window_to_the_next_starts_unhide_hotkey(self):
        self.check_kills("restore")


class HotkeyStorm(RigTestCase):
    PRESSES = 500
    # Few windows keep each of the 500 rounds short.
    WINDOWS = 4

    def test_alternating_hide_and_unhide_presses_end_with_every_window_back_and_umbrix_answering(self):
        rig = self.start_rig(self.WINDOWS)
        result = rig.storm(self.PRESSES)
        print(result.describe(), flush=True)
        self.screenshot("after-the-storm")
        self.assertTrue(result.ok, result.describe())
        # Still acting on its keys, not only answering messages.
        rig.press(HIDE_HOTKEY)
        rig.wait_all(False, "after the storm and one more hide")
        rig.press(UNHIDE_HOTKEY)
        rig.wait_all(True, "after one more unhide")
        self.assertEqual(rig.close_umbrix(), 0)


if __name__ == "__main__":
    unittest.main()
