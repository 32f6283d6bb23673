#!/usr/bin/env python3
"""The long run of the kill and storm checks: Umbrix.exe under Wine killed (SIGKILL) at many
random moments of a hide and of a restore of another application's windows, each time started
again and its unhide hotkey pressed; then a storm of alternating hide and unhide presses. Prints
one line per kill, where the kills landed (windows hidden or shown again when Umbrix died), and
the storm's figures. The end-to-end classes KilledMidway and HotkeyStorm run a few chosen points
and one storm in every test run (tests/e2e/kill_storm.py is the rig both use).

    kill_storm_bench.py [--points N] [--windows N] [--presses N] [--seed S] [--out FOLDER]

Half the points kill during a hide, half during a restore, alternating; each aims at a random
number of windows changed (0 to all: see kill_storm.py). The same seed aims the same way again
(the moments themselves depend on the machine). Programs come from the environment as for the
end-to-end tests (UMBRIX_EXE, UMBRIX_PROBE, UMBRIX_WINTOOL, UMBRIX_WINE_ENV); the build runs it
with `cmake --build --preset windows --target kill_storm_bench_wine`. Exit code 0 when every
window came back each time and the storm ended with every window back and Umbrix answering; 1
otherwise; 2 for a command line it does not understand.
"""

import argparse
import random
import shutil
import statistics
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True  # keeps the source tree free of __pycache__
sys.path.insert(0, str(Path(__file__).resolve().parent.parent.parent / "tests" / "e2e"))

from exclusion_file import write_window_exclusions  # noqa: E402
from harness import WINE_TRAY_TITLE, WineSession, WinTool, required_path  # noqa: E402
from kill_storm import KillStormRig, WatchedWindows  # noqa: E402


def buckets(count):
    """Ranges of "windows changed at death": none, four quarters of the rest, all."""
    edges = [round(count * part / 4) for part in range(5)]
    ranges = [(0, 0)]
    for low, high in zip(edges, edges[1:]):
        low, high = max(low + 1, 1), min(high, count - 1)
        if low <= high:
            ranges.append((low, high))
    return ranges + [(count, count)]


def spread(points, count):
    cells = []
    for low, high in buckets(count):
        name = str(low) if low == high else f"{low}-{high}"
        cells.append(f"{name}: {sum(1 for p in points if low <= p.changed_at_death <= high)}")
    return " | ".join(cells)


def moments(points):
    values = [p.after_first_change_ms for p in points if p.after_first_change_ms is not None]
    if not values:
        return "no window had changed at any kill"
    return (f"kill after the first window changed: min {min(values):+.0f} ms, "
            f"median {statistics.median(values):+.0f} ms, max {max(values):+.0f} ms "
            f"({len(points) - len(values)} kills before any window changed)")


def run(args):
    session = WineSession(args.out)
    rig = None
    windows = None
    failures = []
    points = []
    try:
        session.start()
        wintool = WinTool(session)
        folder = session.drive_c("umbrix")
        folder.mkdir()
        shutil.copy2(required_path("UMBRIX_EXE"), folder / "Umbrix.exe")
        write_window_exclusions(folder / "Exclude.ini", [WINE_TRAY_TITLE])
        windows = WatchedWindows(session, required_path("UMBRIX_PROBE"), args.windows)
        rig = KillStormRig(session, wintool, folder, windows, random.Random(args.seed))
        rig.start_umbrix()

        print(f"{args.points} kills over {args.windows} windows of another application, seed {args.seed}", flush=True)
        started = time.monotonic()
        for number in range(1, args.points + 1):
            phase = ("hide", "restore")[(number - 1) % 2]
            point = rig.kill_point(phase, rig.rng.randint(0, args.windows))
            points.append(point)
            print(f"{number:4d} {'ok  ' if point.ok else 'FAIL'} {point.describe()}", flush=True)
            if not point.ok:
                failures.append((number, point))
                # Shown from outside so that the next point starts from every window visible.
                for handle in point.left_hidden:
                    wintool.show(handle)
                rig.wait_all(True, "after showing the windows left hidden from outside")
        kills_seconds = time.monotonic() - started

        print(f"\nstorm: {args.presses} presses over the same windows", flush=True)
        storm = rig.storm(args.presses)
        print(storm.describe(), flush=True)
        rig.close_umbrix()
    finally:
        if rig:
            rig.stop()
        if windows:
            windows.stop()
        session.stop()

    print("\n== kill and storm figures ==")
    print(f"kills: {len(points)} in {kills_seconds:.0f} s, {len(points) - len(failures)} with every window back "
          f"after the next start's unhide hotkey, {len(failures)} with windows left hidden")
    for phase, changed in (("hide", "hidden"), ("restore", "shown again")):
        of_phase = [p for p in points if p.phase == phase]
        print(f"  during a {phase} ({len(of_phase)}): windows {changed} at death: {spread(of_phase, args.windows)}")
        print(f"    {moments(of_phase)}")
    print(f"storm: {'ok' if storm.ok else 'FAILED'}: {storm.describe()}")
    for number, point in failures:
        print(f"failed point {number} (seed {args.seed}): {point.describe()}")
    return 0 if not failures and storm.ok else 1


def main():
    parser = argparse.ArgumentParser(description="Umbrix.exe killed during hides and restores, then stormed.")
    parser.add_argument("--points", type=int, default=120, help="kills, alternately during a hide and a restore")
    parser.add_argument("--windows", type=int, default=40, help="windows of the other application")
    parser.add_argument("--presses", type=int, default=500, help="hotkey presses of the storm (even)")
    parser.add_argument("--seed", type=int, default=None, help="aims the kills as a run with this seed did")
    parser.add_argument("--out", type=Path, default=Path("kill-storm-bench"), help="folder for the programs' logs")
    args = parser.parse_args()
    if args.points < 0 or args.windows < 1 or args.presses < 2 or args.presses % 2:
        parser.error("--points must be 0 or more, --windows 1 or more, --presses an even number of 2 or more")
    if args.seed is None:
        args.seed = random.SystemRandom().randrange(1_000_000)
    shutil.rmtree(args.out, ignore_errors=True)
    args.out.mkdir(parents=True)
    return run(args)


if __name__ == "__main__":
    sys.exit(main())
