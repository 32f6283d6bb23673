"""scripts/wine-env.sh, which every Wine run starts from: the clean-up of runs left behind."""

import subprocess
import tempfile
import unittest
from pathlib import Path

from harness import required_path


class WineEnvironment(unittest.TestCase):

    def test_runs_left_by_a_dead_owner_are_removed_without_stopping_a_caller_under_set_e(self):
        with tempfile.TemporaryDirectory() as root:
            # What a killed test leaves at different moments: a prefix whose server has gone, a
            # display and a VNC server that have ended, or only the owner's note.
            left = []
            for parts in (["prefix"], ["prefix", "xvfb", "vnc"], []):
                run = Path(tempfile.mkdtemp(prefix="umbrix-run.", dir=root))
                (run / "owner").write_text("999999999\n")  # no such process
                for part in parts:
                    if part == "prefix":
                        (run / part).mkdir()
                    else:
                        (run / part).write_text("999999998\n")
                left.append(run)

            done = subprocess.run(
                ["bash", "-c", 'set -euo pipefail; . "$1"; umbrix_wine_sweep; echo swept', "wine-env",
                 str(required_path("UMBRIX_WINE_ENV"))],
                env={"PATH": "/usr/bin:/bin", "HOME": root, "UMBRIX_RUN_ROOT": root}, capture_output=True, text=True,
                timeout=60)
            self.assertEqual((done.returncode, done.stdout), (0, "swept\n"), done.stderr)
            self.assertEqual([run for run in left if run.exists()], [])
