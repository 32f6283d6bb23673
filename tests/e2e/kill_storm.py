"""Umbrix.exe killed in the middle of a hide or a restore, and a storm of its hotkeys: the rig
behind the end-to-end classes KilledMidway and HotkeyStorm (test_kill_storm.py: a few chosen
points, one storm) and the long run of bench/wine/kill_storm_bench.py (a hundred and more
random points, with figures).

The kill is SIGKILL to the Unix process that runs Umbrix.exe: `wine Umbrix.exe` becomes that
process, so the pid of the `wine` started for it is the one. The program gets no chance to run
any code of its own on the way out, as with a crash, TerminateProcess or a power cut; a Windows
tool could call TerminateProcess instead, but choosing the moment from here needs no second
clock.

The moment is chosen by what the other application's windows have seen, not by a delay: the
probe writes a line, with the time, each time one of its windows is hidden or shown, and the
rig kills Umbrix as soon as the chosen number of windows has changed since the key was pressed
(0: at a random moment up to a quarter second after the key press ended, before or while the
first window goes). The figures then show where each kill really landed: the number of windows
hidden (or shown again) once Umbrix was dead.
"""

import dataclasses
import os
import random
import signal
import time
from pathlib import Path

from harness import CONTROLLER_WINDOW_CLASS, POLL_INTERVAL, wait_until

HIDE_HOTKEY = "ctrl+space"
UNHIDE_HOTKEY = "ctrl+backspace"
HIDDEN_RECORD = "Hidden.dat"
# How long the first window may take to go after the key press has ended: the upper end of the
# random moment of a kill aimed at no window (target 0).
EARLY_KILL_WINDOW = 0.25
READY_TIMEOUT = 30
ACTION_TIMEOUT = 30


@dataclasses.dataclass
class KillPoint:
    """One kill and what the next start made of it."""
    phase: str  # "hide" or "restore": what Umbrix was doing when it was killed
    target: int  # windows to see changed before the kill (0: a random moment after the key)
    changed_at_death: int = 0  # windows hidden (hide) or shown again (restore) once it was dead
    after_first_change_ms: float = None  # the kill's moment after the first window changed
    record_left: str = None  # Hidden.dat as the killed run left it (None: no file)
    left_hidden: list = dataclasses.field(default_factory=list)  # after the next start's unhide
    record_after_unhide: bool = False  # Hidden.dat still there once every window was back

    @property
    def ok(self):
        return not self.left_hidden and not self.record_after_unhide

    def describe(self):
        moment = "-" if self.after_first_change_ms is None else f"{self.after_first_change_ms:+.0f} ms"
        text = (f"kill during {self.phase}, aimed after {self.target} windows: {self.changed_at_death} changed "
                f"at death (kill {moment} after the first)")
        if self.left_hidden:
            text += f"; LEFT HIDDEN after the next start's unhide: {self.left_hidden}"
        if self.record_after_unhide:
            text += f"; {HIDDEN_RECORD} still there with every window back"
        if not self.ok:
            text += f"\n{HIDDEN_RECORD} left by the killed run:\n{self.record_left}"
        return text


@dataclasses.dataclass
class StormResult:
    presses: int
    windows: int
    pressing_seconds: float = 0  # how long the key presses took to go in
    seconds: float = 0  # from the first press until every press had been acted on
    hide_rounds: int = 0  # presses of the hide hotkey that hid every window
    unhide_rounds: int = 0  # presses of the unhide hotkey that showed every window again
    visible_at_end: int = 0
    answering: bool = False
    record_at_end: bool = False

    @property
    def ok(self):
        return self.visible_at_end == self.windows and self.answering and not self.record_at_end

    def describe(self):
        return (f"{self.presses} presses in {self.pressing_seconds:.2f} s, acted on within {self.seconds:.1f} s: "
                f"{self.hide_rounds} hides and {self.unhide_rounds} unhides of all {self.windows} windows; "
                f"{self.visible_at_end} visible at the end; Umbrix {'answers' if self.answering else 'DOES NOT ANSWER'}"
                + (f"; {HIDDEN_RECORD} still there" if self.record_at_end else ""))


class WatchedWindows:
    """probe.exe with `count` titled windows, another application to Umbrix, logging every hide
    and show of them with the time."""

    def __init__(self, session, probe_exe, count, log_name="watched-windows"):
        self.session = session
        self.probe_exe = probe_exe
        self.titles = [f"Watched {number:02d}" for number in range(1, count + 1)]
        self.log = session.artifacts / f"{log_name}.log"
        self.process = session.popen([probe_exe, "--log-visibility", *self.titles], log_name=log_name)
        wait_until(lambda: len(self.visible()) == count, 60, f"the {count} watched windows show", self.describe)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(10)

    def rows(self):
        """(handle, visible) of each watched window, top of the Z order first."""
        done = self.session.run([self.probe_exe, "--list"])
        rows = []
        for line in done.stdout.decode("utf-8", errors="replace").splitlines():
            fields = line.split("\t")
            if len(fields) == 5 and fields[4] in self.titles:
                rows.append((int(fields[0]), fields[2] == "1"))
        return rows

    def visible(self):
        return [handle for handle, shown in self.rows() if shown]

    def hidden(self):
        return [handle for handle, shown in self.rows() if not shown]

    def describe(self):
        return "\n".join(f"{handle} {'visible' if shown else 'hidden'}" for handle, shown in self.rows())

    def mark(self):
        """A place in the log: changes are counted from there."""
        return self.log.stat().st_size

    def changes_since(self, mark, kind):
        """(handle, time) of every `kind` line ("hidden" or "shown") logged after `mark`, in the
        order logged. Only whole lines count: the probe may be writing one."""
        with open(self.log, "rb") as log:
            log.seek(mark)
            text = log.read().decode("utf-8", errors="replace")
        changes = []
        for line in text[:text.rfind("\n") + 1].splitlines():
            fields = line.split()
            if len(fields) == 3 and fields[0] == kind:
                changes.append((int(fields[1]), float(fields[2])))
        return changes

    def windows_changed_since(self, mark, kind):
        """How many different windows logged `kind` after `mark`, and when the first did."""
        changes = self.changes_since(mark, kind)
        return len({handle for handle, _ in changes}), (changes[0][1] if changes else None)


class KillStormRig:
    """Umbrix.exe running from `program_folder` beside the watched windows: kills it at chosen
    moments and starts it again, or storms it with its hotkeys. Readiness and every change are
    waited for with deadlines."""

    def __init__(self, session, wintool, program_folder: Path, windows: WatchedWindows, rng=None):
        self.session = session
        self.wintool = wintool
        self.program_folder = program_folder
        self.windows = windows
        self.rng = rng or random.Random(0)
        self.umbrix = None
        self._starts = 0

    @property
    def record(self):
        return self.program_folder / HIDDEN_RECORD

    def describe(self):
        return self.windows.describe()

    # Umbrix ------------------------------------------------------------------------------------

    def start_umbrix(self):
        """Starts Umbrix.exe and waits until its start is over (controller there, splash gone):
        its hotkeys are registered and the windows an earlier run left hidden are taken back."""
        self._starts += 1
        self.umbrix = self.session.popen([self.program_folder / "Umbrix.exe"], log_name=f"umbrix-{self._starts}")

        def ready():
            if self.umbrix.poll() is not None:
                raise AssertionError(f"Umbrix ended with {self.umbrix.poll()} before it was ready")
            return self.wintool.umbrix_controller()
        return wait_until(ready, READY_TIMEOUT, "Umbrix is ready", self.describe)

    def kill_umbrix(self):
        """SIGKILL to Umbrix's Unix process; returns the moment (time.time()) it was sent, once
        the process and its windows are gone."""
        pid = self.umbrix.pid
        command = Path(f"/proc/{pid}/cmdline").read_bytes()
        if b"Umbrix.exe" not in command:  # the pid must name the program itself, not a launcher
            raise AssertionError(f"process {pid} is not Umbrix.exe: {command!r}")
        moment = time.time()
        os.kill(pid, signal.SIGKILL)
        self.umbrix.wait(30)
        wait_until(lambda: not self.wintool.find(class_name=CONTROLLER_WINDOW_CLASS), 30,
                   "the killed Umbrix's windows are gone", self.describe)
        return moment

    def stop(self):
        """Ends the Umbrix started last if it still runs (the end of the session takes the rest)."""
        if self.umbrix and self.umbrix.poll() is None:
            self.umbrix.kill()
            self.umbrix.wait(10)

    def close_umbrix(self):
        """WM_CLOSE to the controller, as another program's close; returns the exit code."""
        controller = self.wintool.umbrix_controller()
        if controller:
            self.wintool.close(controller.handle)
        return self.umbrix.wait(30)

    def answering(self):
        controller = self.wintool.umbrix_controller()
        return bool(controller) and self.wintool.answering(controller.handle)

    # Keys and windows --------------------------------------------------------------------------

    def start_pressing(self, *chords):
        """Presses the chords in one Windows process (SendInput, back to back) without waiting
        for it; returns the process."""
        return self.session.popen([self.wintool.exe, "keys", *chords], log_name="keys")

    def press(self, chord):
        keys = self.start_pressing(chord)
        code = keys.wait(60)
        if code != 0:
            said = (self.session.artifacts / "keys.log").read_text(errors="replace").strip()
            raise AssertionError(f"pressing {chord} failed: exit code {code}, output {said!r}")

    def wait_all(self, visible, why):
        count = len(self.windows.titles)
        wait_until(lambda: len(self.windows.visible() if visible else self.windows.hidden()) == count, ACTION_TIMEOUT,
                   f"every watched window is {'visible' if visible else 'hidden'} {why}", self.describe)

    def wait_settled(self):
        """The windows' visibility once two readings in a row agree: a change Umbrix asked for
        just before it died may still be under way in the windows' own thread."""
        last = [None]

        def settled():
            rows = self.windows.rows()
            same, last[0] = rows == last[0], rows
            return same
        wait_until(settled, ACTION_TIMEOUT, "the windows stop changing", self.describe)
        return last[0]

    def wait_record_gone(self, timeout=10):
        """Whether Hidden.dat goes: it is brought up to date just after the dispatch ends."""
        try:
            wait_until(lambda: not self.record.exists(), timeout, f"{HIDDEN_RECORD} is gone")
            return True
        except AssertionError:
            return False

    # A kill --------------------------------------------------------------------------------------

    def kill_point(self, phase, target):
        """Kills Umbrix during a hide ("hide") or a restore ("restore") of every watched window,
        once `target` of them have changed; then starts it again and presses the unhide hotkey.
        Umbrix must be running with every window shown; it is again when this returns."""
        if phase == "restore":
            self.press(HIDE_HOTKEY)
            self.wait_all(False, "before the restore")
            # The dispatch has ended once Umbrix answers: the record is as the hide left it.
            wait_until(self.answering, ACTION_TIMEOUT, "Umbrix answers after the hide")
        chord, kind = (HIDE_HOTKEY, "hidden") if phase == "hide" else (UNHIDE_HOTKEY, "shown")
        point = KillPoint(phase, target)
        mark = self.windows.mark()
        keys = self.start_pressing(chord)
        if target == 0:
            keys.wait(60)
            time.sleep(self.rng.uniform(0, EARLY_KILL_WINDOW))  # the random moment itself
        else:
            wait_until(lambda: self.windows.windows_changed_since(mark, kind)[0] >= target, ACTION_TIMEOUT,
                       f"{target} watched windows are {kind}", self.describe, interval=0.001)
        killed_at = self.kill_umbrix()
        keys.wait(60)

        rows = self.wait_settled()
        point.changed_at_death = sum(1 for _, shown in rows if shown == (phase == "restore"))
        _, first_change = self.windows.windows_changed_since(mark, kind)
        if first_change is not None:
            point.after_first_change_ms = (killed_at - first_change) * 1000
        point.record_left = self.record.read_text(errors="replace") if self.record.exists() else None

        self.start_umbrix()
        self.press(UNHIDE_HOTKEY)
        try:
            self.wait_all(True, "after the next start's unhide hotkey")
        except AssertionError:
            point.left_hidden = self.windows.hidden()
            return point
        point.record_after_unhide = not self.wait_record_gone()
        return point

    # The storm -----------------------------------------------------------------------------------

    def storm(self, presses):
        """`presses` presses, alternating the hide and the unhide hotkey from the hide, pressed
        back to back (faster than a keyboard repeats); waits until Umbrix has acted on each of
        them, or until it stops getting anywhere."""
        count = len(self.windows.titles)
        result = StormResult(presses, count)
        mark = self.windows.mark()
        started = time.monotonic()
        keys = self.start_pressing(*[HIDE_HOTKEY, UNHIDE_HOTKEY] * (presses // 2))
        if keys.wait(120) != 0:
            raise AssertionError("pressing the storm's keys failed")
        result.pressing_seconds = time.monotonic() - started

        def rounds():
            return tuple(len(self.windows.changes_since(mark, kind)) // count for kind in ("hidden", "shown"))
        # Every press is acted on in turn, each round a moment's work for the windows' thread:
        # the wait ends once every press has been acted on, or once no round has been added for
        # ACTION_TIMEOUT seconds.
        expected = (presses // 2, presses // 2)
        seen, last_progress = (0, 0), time.monotonic()
        while seen != expected and time.monotonic() - last_progress < ACTION_TIMEOUT:
            time.sleep(POLL_INTERVAL)
            now = rounds()
            if now != seen:
                seen, last_progress = now, time.monotonic()
        result.seconds = time.monotonic() - started
        result.hide_rounds, result.unhide_rounds = seen
        self.wait_settled()
        result.visible_at_end = len(self.windows.visible())
        result.answering = self.answering()
        result.record_at_end = not self.wait_record_gone()
        return result
