#!/usr/bin/env python3
"""The demo of `bash scripts/run.sh --demo`: Umbrix.exe under Wine, on a private virtual display,
takes a sample program's windows off the screen on its hide hotkey and brings them back on its
unhide hotkey. After each step it saves a screenshot in the output folder and says what it
shows; with --picture it also puts the screen before and after the hide hotkey side by side
(the README's picture).

    demo.py [--out FOLDER] [--picture FILE]

The programs come from the environment, as for the end-to-end tests: UMBRIX_EXE, UMBRIX_PROBE
(the sample program), UMBRIX_WINTOOL and UMBRIX_WINE_ENV. Exit code 0 when every step showed
what it should, 1 otherwise.
"""

import argparse
import os
import shutil
import subprocess
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True  # keeps the source tree free of __pycache__
sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "e2e"))

from exclusion_file import write_window_exclusions  # noqa: E402
from harness import WINE_TRAY_TITLE, WineSession, WinTool, required_path, wait_until  # noqa: E402

SAMPLE_TITLES = ["Quarterly report - Editor", "Inbox - Mail", "Team chat"]
SAMPLE_WINDOW_CLASS = "UmbrixProbeWindow"
HIDE_HOTKEY, UNHIDE_HOTKEY = "ctrl+space", "ctrl+backspace"
PROGRAMS = ["UMBRIX_EXE", "UMBRIX_PROBE", "UMBRIX_WINTOOL", "UMBRIX_WINE_ENV"]

# The part of the screen the README's picture shows: Wine's tray window at the top left and the
# sample windows cascading below it.
PICTURE_AREA = "520x340+0+0"


class Demo:
    def __init__(self, out: Path):
        self.session = WineSession(out)
        self.wintool = None
        self.umbrix = None
        self.sample = None

    def start(self):
        """A private Wine world with Umbrix.exe running in C:\\umbrix and its tray icon shown."""
        self.session.start()
        self.wintool = WinTool(self.session)
        folder = self.session.drive_c("umbrix")
        folder.mkdir()
        shutil.copy2(required_path("UMBRIX_EXE"), folder / "Umbrix.exe")
        # Without a desktop Wine shows its tray as a titled window of its own, which the hide
        # hotkey would take with the rest (Windows' task bar is never hidden): it is excluded
        # the way a user excludes a window.
        write_window_exclusions(folder / "Exclude.ini", [WINE_TRAY_TITLE])
        # The panic button's first place is the top-left corner, over Wine's tray: it stands
        # outside the picture instead, whose dark screen shows that the windows are gone.
        (folder / "QZ.ini").write_bytes(b"[StartUp]\r\nPanicLeft=700\r\nPanicTop=500\r\n")
        self.umbrix = self.session.popen([folder / "Umbrix.exe"], "umbrix")
        wait_until(lambda: self.umbrix.poll() is None and self.wintool.umbrix_controller()
                   and self.wintool.tray_icon_shown(), 30, "Umbrix has started and shows its tray icon",
                   self.describe)

    def stop(self):
        for process in (self.sample, self.umbrix):
            if process and process.poll() is None:
                process.kill()
                process.wait(10)
        self.session.stop()

    def close_umbrix(self):
        """Closes Umbrix as its tray menu's close does (WM_CLOSE to its controller window)."""
        controller = self.wintool.umbrix_controller()
        if controller:
            self.wintool.close(controller.handle)
        try:
            code = self.umbrix.wait(15)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"Umbrix has not ended 15 s after it was closed; windows:\n{self.describe()}")
        if code != 0:
            raise AssertionError(f"Umbrix ended with exit code {code}")

    # What the screen holds ---------------------------------------------------------------------

    def sample_windows(self):
        return self.wintool.find(class_name=SAMPLE_WINDOW_CLASS)

    def sample_windows_shown(self):
        shown = [w for w in self.sample_windows() if w.visible]
        return len(shown) == len(SAMPLE_TITLES) and self.wintool.tray_icon_shown()

    def sample_windows_gone(self):
        windows = self.sample_windows()
        return (len(windows) == len(SAMPLE_TITLES) and not any(w.visible for w in windows)
                and self.wintool.tray_icon_shown())

    def describe(self):
        try:
            windows = self.wintool.find() if self.wintool else []
        except Exception as error:  # describing must never hide the failure being described
            return f"(cannot list windows: {error})"
        return "\n".join(str(w) for w in windows if not w.belongs_to_wine() or w.title == WINE_TRAY_TITLE)

    # The steps ---------------------------------------------------------------------------------

    def open_sample_windows(self):
        self.sample = self.session.popen([required_path("UMBRIX_PROBE"), "--no-sink", *SAMPLE_TITLES], "sample")
        wait_until(self.sample_windows_shown, 20, "the sample program's windows show", self.describe)

    def press_hide_hotkey(self):
        self.wintool.keys(HIDE_HOTKEY)
        wait_until(self.sample_windows_gone, 10, "the sample windows are hidden and the tray icon stays",
                   self.describe)

    def press_unhide_hotkey(self):
        self.wintool.keys(UNHIDE_HOTKEY)
        wait_until(self.sample_windows_shown, 10, "the sample windows are back", self.describe)

    # What the user does, in order: the step's name (its screenshot's), what the screenshot
    # shows, and the action, which returns once the screen shows it. Opening the main window and
    # clicking the panic button come here as steps of their own once the program has them.
    STEPS = [
        ("windows-shown", "three windows of a sample program (another process) and Umbrix's icon in Wine's tray",
         open_sample_windows),
        ("windows-gone", "Ctrl+Space (the hide hotkey) took the sample program's windows off the screen",
         press_hide_hotkey),
        ("windows-back", "Ctrl+Backspace (the unhide hotkey) brought them back", press_unhide_hotkey),
    ]

    # Screenshots -------------------------------------------------------------------------------

    def settled_screenshot(self, name, timeout=5):
        """The screen once two grabs in a row are the same (the windows have finished painting),
        saved as <out>/<name>.png."""
        def grab():
            return subprocess.run(["import", "-display", self.session.env["DISPLAY"], "-window", "root", "rgb:-"],
                                  env=self.session.env, capture_output=True, timeout=30).stdout
        previous = grab()
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            time.sleep(0.2)
            current = grab()
            if current == previous:
                break
            previous = current
        return self.session.screenshot(name)


def compose_picture(before: Path, after: Path, picture: Path):
    """The screen before and after the hide hotkey, side by side, each with its caption."""
    background = "#303030"

    def panel(screenshot, caption):
        return ["(", str(screenshot), "-crop", PICTURE_AREA, "+repage", "-gravity", "north", "-background", background,
                "-splice", "0x34", "-font", "DejaVu-Sans", "-fill", "white", "-pointsize", "17", "-annotate", "+0+8",
                caption, "+gravity", "-bordercolor", background, "-border", "6", ")"]
    picture.parent.mkdir(parents=True, exist_ok=True)
    subprocess.run(["convert", *panel(before, "Before: a sample program's windows"),
                    *panel(after, "After Ctrl+Space: gone (Ctrl+Backspace brings them back)"), "+append",
                    "-bordercolor", background, "-border", "6",
                    # The same screens give the same file: no time stamps in it.
                    "-define", "png:exclude-chunks=date,time", "+set", "date:create", "+set", "date:modify",
                    str(picture)], check=True, capture_output=True, timeout=60)


def shown_path(path: Path):
    try:
        return path.resolve().relative_to(Path.cwd())
    except ValueError:
        return path


def main():
    parser = argparse.ArgumentParser(description="Umbrix's hide and unhide hotkeys at work, pictured.")
    parser.add_argument("--out", type=Path, default=Path("out/demo"), help="folder for the screenshots")
    parser.add_argument("--picture", type=Path, help="where to put the before and after picture")
    args = parser.parse_args()
    missing = [name for name in PROGRAMS if not os.environ.get(name)]
    if missing:
        parser.error(f"{', '.join(missing)} not set: run the demo with bash scripts/run.sh --demo")

    args.out.mkdir(parents=True, exist_ok=True)
    for old in args.out.glob("*.png"):
        old.unlink()
    started = time.monotonic()
    demo = Demo(args.out)
    screenshots = {}
    try:
        print("Starting Umbrix.exe under Wine on a private virtual display...", flush=True)
        demo.start()
        for number, (name, shows, action) in enumerate(Demo.STEPS, 1):
            action(demo)
            screenshot = demo.settled_screenshot(f"{number:02d}-{name}")
            screenshots[name] = screenshot
            print(f"{number}. {shown_path(screenshot)}: {shows}", flush=True)
        demo.close_umbrix()
    except (AssertionError, RuntimeError) as failure:
        print(f"The demo stopped: {failure}", file=sys.stderr)
        if demo.session.env:
            print(f"Screen at that moment: {shown_path(demo.settled_screenshot('failed'))}", file=sys.stderr)
        return 1
    finally:
        demo.stop()

    if args.picture:
        compose_picture(screenshots["windows-shown"], screenshots["windows-gone"], args.picture)
        print(f"Before and after, side by side: {shown_path(args.picture)}")
    print(f"Done in {time.monotonic() - started:.0f} s.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
