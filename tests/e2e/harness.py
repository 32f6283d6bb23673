"""End-to-end harness: Umbrix.exe under Wine, one private world per test.

Every test gets its own copy of the booted template prefix, its own HOME and its own Xvfb
display (scripts/wine-env.sh does that; this module calls its shell functions so the logic lives
in one place). Umbrix.exe runs from a private folder inside the prefix, C:\\umbrix, so its QZ.ini
lands there. wintool.exe, run under the same prefix, sees and drives the windows.

CMake passes the paths in the environment: UMBRIX_EXE, UMBRIX_WINTOOL, UMBRIX_WINE_ENV and
UMBRIX_E2E_ARTIFACTS (screenshots and logs: <artifacts>/<test>/<step>.png).
"""

import dataclasses
import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

from exclusion_file import write_window_exclusions

# Class names of Umbrix's own windows (src/win32/win32/WindowClasses.hpp, and each view in src/views).
APPLICATION_WINDOW_CLASS = "UmbrixApplication"
CONTROLLER_WINDOW_CLASS = "UmbrixController"
EXPLANATION_WINDOW_CLASS = "UmbrixExplanation"
MAIN_WINDOW_CLASS = "UmbrixMainWindow"
PANIC_BUTTON_CLASS = "UmbrixPanicButton"
# The splash window, shown while the program starts.
SPLASH_WINDOW_CLASS = "UmbrixSplash"
# The hidden window that receives the tray icon's messages (src/win32/win32/Win32Tray.cpp).
TRAY_WINDOW_CLASS = "UmbrixTrayWindow"

# Windows and processes that belong to Wine itself, never to the program under test.
WINE_WINDOW_CLASSES = {"IME", "Shell_TrayWnd", "Progman", "WorkerW", "tooltips_class32"}
WINE_WINDOW_TITLES = {"Default IME", "Wine System Tray"}
WINE_PROCESSES = {"explorer.exe", "services.exe", "winedevice.exe", "plugplay.exe", "svchost.exe",
                  "rpcss.exe", "conhost.exe", "start.exe", "wineboot.exe", "tabtip.exe", "rundll32.exe"}

POLL_INTERVAL = 0.15

# The tray menu's entries as the program shows them, top first (None: a separator), each with
# its submenu's entries. Keyboard navigation counts on this order: keep it in step with
# src/core/app/TrayMenu.cpp.
TRAY_MENU = [
    ("&About", []),
    None,
    ("&Change Icon...", []),
    ("&Open main window", []),
    None,
    ("&Start silent (disables splash screen)", []),
    ("Mode of operation", ["Normal operation", "Switch to stealth mode"]),
    ("Start with &Windows", []),
    ("Show Panic Button on the desktop", []),
    None,
    ("&Close Umbrix", []),
]

# Without a desktop window Wine shows its notification area as a titled top-level window of its
# own, which an activation would hide like any application's window (Windows' task bar has no
# title and never qualifies). Tests that hide windows exclude it through the program's window
# exclusions, as a user would.
WINE_TRAY_TITLE = "Wine System Tray"


def required_path(name):
    value = os.environ.get(name)
    if not value:
        raise RuntimeError(f"{name} is not set: run the end-to-end tests through ctest")
    return Path(value)


def wait_until(condition, timeout, what, describe=None, interval=POLL_INTERVAL):
    """Polls `condition` every `interval` seconds until it returns something truthy, which is
    returned. When the deadline passes, fails with `what` and what was seen last."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() >= deadline:
            seen = describe() if describe else repr(result)
            raise AssertionError(f"timed out after {timeout:.1f} s waiting until {what}; last seen:\n{seen}")
        time.sleep(interval)


@dataclasses.dataclass(frozen=True)
class Window:
    handle: int
    class_name: str
    title: str
    pid: int
    visible: bool
    ex_style: int

    WS_EX_TOOLWINDOW = 0x00000080
    WS_EX_APPWINDOW = 0x00040000

    @property
    def is_tool_window(self):
        return bool(self.ex_style & self.WS_EX_TOOLWINDOW) and not self.ex_style & self.WS_EX_APPWINDOW

    def belongs_to_wine(self):
        return (self.class_name in WINE_WINDOW_CLASSES or self.class_name.startswith("WineDde")
                or self.title in WINE_WINDOW_TITLES)

    def __str__(self):
        shown = "visible" if self.visible else "hidden"
        return f"{self.handle} {self.class_name!r} {self.title!r} pid {self.pid} {shown} exstyle {self.ex_style:#x}"


def _unescape(text):
    return re.sub(r"\\(.)", lambda m: {"t": "\t", "n": "\n", "r": "\r"}.get(m.group(1), m.group(1)), text)


class WineSession:
    """A private prefix, HOME and display, started by scripts/wine-env.sh and always stopped."""

    def __init__(self, artifacts: Path, screen=None, dll_overrides="mscoree,mshtml="):
        self.artifacts = artifacts
        self.screen = screen  # "WIDTHxHEIGHT"; None: the usual 1280x800
        self.dll_overrides = dll_overrides
        self.env = None
        self._wine_env = required_path("UMBRIX_WINE_ENV")

    def start(self):
        base = dict(os.environ, UMBRIX_OWNER_PID=str(os.getpid()))
        base.pop("UMBRIX_KEEP_DISPLAY", None)
        base.pop("UMBRIX_XVFB_SCREEN", None)
        if self.screen:
            base["UMBRIX_XVFB_SCREEN"] = f"{self.screen}x24"
        started = subprocess.run(
            ["bash", "-c", '. "$1" && umbrix_wine_start >&2 && umbrix_wine_describe', "wine-env", str(self._wine_env)],
            env=base, stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=300)
        described = dict(line.split("=", 1) for line in started.stdout.splitlines() if "=" in line)
        self.env = dict(base, WINEDEBUG="-all", WINEDLLOVERRIDES=self.dll_overrides, LC_ALL="C.UTF-8", **described)
        if started.returncode != 0 or not described.get("DISPLAY"):
            self.stop()
            raise RuntimeError(f"cannot start a private Wine session:\n{started.stderr}")

    def stop(self):
        """Ends every Wine process of the prefix, the display, and removes the run folder."""
        if not self.env or not self.env.get("UMBRIX_RUN_DIR"):
            return
        subprocess.run(["bash", "-c", '. "$1" && umbrix_wine_stop', "wine-env", str(self._wine_env)],
                       env=self.env, capture_output=True, timeout=120)
        self.env = None

    @property
    def prefix(self):
        return Path(self.env["WINEPREFIX"])

    def set_dpi(self, dpi):
        """The screen's scale for the programs started after this (96 is 100 %)."""
        for key in (r"HKCU\Control Panel\Desktop",
                    r"HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts"):
            self.run(["reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f"])

    def drive_c(self, *parts):
        return self.prefix.joinpath("drive_c", *parts)

    def popen(self, args, log_name):
        log = open(self.artifacts / f"{log_name}.log", "wb")
        try:
            return subprocess.Popen(["wine", *map(str, args)], env=self.env, stdin=subprocess.DEVNULL, stdout=log,
                                    stderr=subprocess.STDOUT)
        finally:
            log.close()

    def run(self, args, timeout=60):
        """Runs a Windows program to its end. Its output goes through files, not pipes: a Wine
        process it starts in the background would keep a pipe open after it has ended."""
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            done = subprocess.run(["wine", *map(str, args)], env=self.env, stdin=subprocess.DEVNULL, stdout=out,
                                  stderr=err, timeout=timeout)
            out.seek(0)
            err.seek(0)
            return subprocess.CompletedProcess(done.args, done.returncode, out.read(), err.read())

    def serve_to_viewers(self):
        """Starts the VNC server on the session's display as the run command does; returns its
        port and process id. It ends with the session."""
        started = subprocess.run(
            ["bash", "-c", '. "$1" && umbrix_vnc_start && umbrix_wine_describe', "wine-env", str(self._wine_env)],
            env=self.env, stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=60)
        described = dict(line.split("=", 1) for line in started.stdout.splitlines() if "=" in line)
        if started.returncode != 0 or not described.get("UMBRIX_VNC_PORT"):
            raise RuntimeError(f"cannot start the VNC server:\n{started.stderr}")
        return int(described["UMBRIX_VNC_PORT"]), int(described["UMBRIX_VNC_PID"])

    def screenshot(self, step):
        """Saves the whole virtual screen as <artifacts>/<step>.png."""
        path = self.artifacts / f"{step}.png"
        subprocess.run(["import", "-display", self.env["DISPLAY"], "-window", "root", str(path)],
                       env=self.env, capture_output=True, timeout=30)
        return path


class WinTool:
    """wintool.exe inside the session: what a test sees of Windows, and what it does there."""

    def __init__(self, session: WineSession):
        self.session = session
        self.exe = required_path("UMBRIX_WINTOOL")

    def _run(self, *args, ok_codes=(0,)):
        done = self.session.run([self.exe, *args])
        if done.returncode not in ok_codes:
            raise AssertionError(f"wintool {' '.join(map(str, args))} exited with {done.returncode}:\n"
                                 f"{done.stderr.decode(errors='replace')}")
        return done

    @staticmethod
    def _filter_args(class_name=None, title=None, pid=None):
        args = []
        if class_name:
            args += ["--class", class_name]
        if title:
            args += ["--title", title]
        if pid:
            args += ["--pid", str(pid)]
        return args

    @staticmethod
    def _parse_windows(output):
        windows = []
        for line in output.decode("utf-8", errors="replace").splitlines():
            fields = line.split("\t")
            if len(fields) != 6:
                continue
            handle, class_name, title, pid, visible, ex_style = fields
            windows.append(Window(int(handle), _unescape(class_name), _unescape(title), int(pid), visible == "1",
                                  int(ex_style, 16)))
        return windows

    def windows(self, include_hidden=False, **filters):
        """Top-level windows in Z order, Wine's own left out."""
        args = ["list"] + (["--all"] if include_hidden else []) + self._filter_args(**filters)
        return [w for w in self._parse_windows(self._run(*args).stdout) if not w.belongs_to_wine()]

    def find(self, **filters):
        """Every top-level window, hidden or not, that matches."""
        done = self._run("find", *self._filter_args(**filters), ok_codes=(0, 1))
        return self._parse_windows(done.stdout)

    def close(self, handle):
        """Posts WM_CLOSE to the window."""
        return self._run("close", str(handle), ok_codes=(0, 1)).returncode == 0

    def end_session(self, handle, another_program_refuses=False):
        """WM_QUERYENDSESSION, then WM_ENDSESSION with the answer (FALSE when another program
        refuses); returns the window's answer to the query."""
        done = self._run("endsession", *(["--cancel"] if another_program_refuses else []), str(handle))
        return done.stdout.decode().split()[-1] == "1"

    def message_box_text(self, caption=None):
        """The text of the first visible message box (with that caption), or None."""
        args = ["msgbox"] + (["--caption", caption] if caption else [])
        done = self._run(*args, ok_codes=(0, 1))
        if done.returncode != 0:
            return None
        return done.stdout.decode("utf-8", errors="replace").removesuffix("\n")

    def press(self, button, caption=None):
        args = ["press", button] + (["--caption", caption] if caption else [])
        return self._run(*args, ok_codes=(0, 1)).returncode == 0

    def keys(self, *chords):
        self._run("keys", *chords)

    def geometry(self, handle):
        """Style, window size, position and client size of a window, or None when it is gone."""
        done = self._run("geometry", str(handle), ok_codes=(0, 1))
        match = re.match(r"style (0x[0-9A-Fa-f]+) window (\d+)x(\d+) at (-?\d+),(-?\d+) client (\d+)x(\d+)",
                         done.stdout.decode(errors="replace"))
        if done.returncode != 0 or not match:
            return None
        style, width, height, left, top, client_width, client_height = match.groups()
        return {"style": int(style, 16), "size": (int(width), int(height)), "position": (int(left), int(top)),
                "client": (int(client_width), int(client_height))}

    def controls(self, handle):
        """(class, text, visible) of each child control of a window."""
        done = self._run("controls", str(handle), ok_codes=(0, 1))
        rows = []
        for line in done.stdout.decode("utf-8", errors="replace").splitlines():
            fields = line.split("\t")
            if len(fields) == 3:
                rows.append((_unescape(fields[0]), _unescape(fields[1]), fields[2] == "1"))
        return rows

    def focus(self):
        """(class, text) of the control with the keyboard focus; None when none has it."""
        done = self._run("focus", ok_codes=(0, 1))
        fields = done.stdout.decode("utf-8", errors="replace").rstrip("\r\n").split("\t")
        return (_unescape(fields[0]), _unescape(fields[1])) if len(fields) == 2 else None

    def rows(self, handle, class_name="SysListView32", index=0):
        """The rows of the window's `index`th list view: a tuple of its columns' texts each."""
        done = self._run("rows", str(handle), class_name, str(index), ok_codes=(0, 1))
        if done.returncode != 0:
            return []
        return [tuple(_unescape(field) for field in line.split("\t"))
                for line in done.stdout.decode("utf-8", errors="replace").splitlines()]

    def click_row(self, handle, row, class_name="SysListView32", index=0):
        """A left click on a row of the window's `index`th list view."""
        return self._run("clickrow", str(handle), class_name, str(index), str(row), ok_codes=(0, 1)).returncode == 0

    def click(self, handle, class_name, index=0):
        """A left click on the middle of the window's `index`th child control of that class."""
        self._run("click", str(handle), class_name, str(index))

    def right_click(self, handle, class_name, index=0):
        """A right click on the middle of the window's `index`th child control of that class."""
        self._run("rightclick", str(handle), class_name, str(index))

    def hover(self, handle, class_name, index=0):
        """The mouse moved over the middle of the window's `index`th child control of that class."""
        self._run("hover", str(handle), class_name, str(index))

    def drag(self, start, end):
        """The left button pressed at `start` (x, y on the screen), moved to `end` and released."""
        self._run("drag", *map(str, (*start, *end)))

    def alpha(self, handle):
        """The layered window's opacity (0 to 255), None when it is not layered."""
        done = self._run("alpha", str(handle))
        value = done.stdout.decode().split()[-1]
        return None if value == "none" else int(value)

    def move(self, handle, x, y):
        """SetWindowPos from outside the program: the window's place, its size kept."""
        self._run("move", str(handle), str(x), str(y))

    def show(self, handle, visible=True):
        """ShowWindow from outside the program (SW_SHOWNOACTIVATE or SW_HIDE)."""
        return self._run("show" if visible else "hide", str(handle), ok_codes=(0, 1)).returncode == 0

    def umbrix_controller(self):
        """Umbrix's controller window once the program has finished its start (its splash
        window gone), else None."""
        controllers = self.find(class_name=CONTROLLER_WINDOW_CLASS)
        if len(controllers) != 1 or self.find(class_name=SPLASH_WINDOW_CLASS, pid=controllers[0].pid):
            return None
        return controllers[0]

    def tray_icon_shown(self):
        """Wine shows its tray window exactly while some program has an icon in it."""
        return any(w.visible for w in self.find(title=WINE_TRAY_TITLE))

    def answering(self, handle, timeout_ms=5000):
        """Whether the window's thread takes a message (WM_NULL) within the time."""
        return self._run("answering", str(handle), str(timeout_ms), ok_codes=(0, 1)).returncode == 0

    def foreground(self, handle=None):
        """The foreground window's handle (0: none), after SetForegroundWindow(handle) if given."""
        done = self._run("foreground", *([str(handle)] if handle else []), ok_codes=(0, 1))
        if done.returncode != 0:
            return 0
        return int(done.stdout.decode().split()[-1])

    def processes(self):
        """(pid, executable name) of every Windows process, Wine's own left out."""
        result = []
        for line in self._run("processes").stdout.decode("utf-8", errors="replace").splitlines():
            pid, _, exe = line.partition("\t")
            if exe.lower() not in WINE_PROCESSES:
                result.append((int(pid), _unescape(exe)))
        return result


class UmbrixProcess:
    """One start of Umbrix.exe from the test's program folder."""

    def __init__(self, test, name):
        self.test = test
        self.name = name
        self.process = test.session.popen([test.umbrix_exe], log_name=name)

    def exit_code(self):
        return self.process.poll()

    def wait_exit(self, timeout=15):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"{self.name} has not ended after {timeout} s; windows:\n"
                                 f"{self.test.describe_windows()}") from None

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(10)


class UmbrixTestCase(unittest.TestCase):
    """Base of the end-to-end tests: a private Wine world per test, Umbrix.exe copied into
    C:\\umbrix, helpers to start, wait for, see and stop it, and screenshots of each step.
    Whatever happens, every process the test started ends with it."""

    READY_TIMEOUT = 20
    # The virtual screen, "WIDTHxHEIGHT"; None: 1280x800.
    SCREEN = None
    # The panic button shows at the top-left corner, always on top, where Wine draws its tray
    # (see TRAY_ICON_POSITION): once the program is ready it is moved off the screen from outside
    # (its own stored place stays as it was), unless the test is about it.
    MOVE_PANIC_BUTTON_ASIDE = True
    # Wine's libraries turned off: by default .NET and the HTML engine, whose missing add-ons
    # Wine would otherwise offer to download.
    DLL_OVERRIDES = "mscoree,mshtml="

    def setUp(self):
        test_name = self.id().split(".", 1)[-1]  # Class.test_method
        self.artifacts = required_path("UMBRIX_E2E_ARTIFACTS") / test_name
        shutil.rmtree(self.artifacts, ignore_errors=True)
        self.artifacts.mkdir(parents=True)
        self.session = WineSession(self.artifacts, self.SCREEN, self.DLL_OVERRIDES)
        self.addCleanup(self.session.stop)  # runs last: after the processes are killed
        self.session.start()
        self.wintool = WinTool(self.session)
        self.program_folder = self.session.drive_c("umbrix")
        self.program_folder.mkdir()
        self.umbrix_exe = self.program_folder / "Umbrix.exe"
        shutil.copy2(required_path("UMBRIX_EXE"), self.umbrix_exe)
        # The welcome page's document and images, as the build puts them beside the executable.
        images = required_path("UMBRIX_EXE").parent / "images"
        if images.is_dir():
            shutil.copytree(images, self.program_folder / "images")
        self._processes = []
        self._step = 0

    def tearDown(self):
        for umbrix in self._processes:
            umbrix.kill()

    # Starting and stopping -----------------------------------------------------------------

    def start_umbrix(self, name=None):
        umbrix = UmbrixProcess(self, name or f"umbrix-{len(self._processes) + 1}")
        self._processes.append(umbrix)
        return umbrix

    def controller_windows(self):
        return self.wintool.find(class_name=CONTROLLER_WINDOW_CLASS)

    def wait_ready(self, umbrix, timeout=None):
        """Waits until the instance has finished its start (its controller window exists and its
        splash window is gone); returns the controller window. A silent start ("Silent=1") shows
        no splash: then the rest of the start may still be running, though a posted WM_CLOSE
        waits for it, since the program takes no message before its start is over."""
        def ready():
            if umbrix.exit_code() is not None:
                raise AssertionError(f"{umbrix.name} ended with {umbrix.exit_code()} before it was ready")
            return self.wintool.umbrix_controller()
        controller = wait_until(ready, timeout or self.READY_TIMEOUT, f"{umbrix.name} is ready",
                                self.describe_windows)
        if self.MOVE_PANIC_BUTTON_ASIDE:
            self.move_panic_button_aside(controller.pid)
        return controller

    def move_panic_button_aside(self, pid, timeout=10):
        """Moves the program's panic button off the screen once it shows (a silent start may still
        be creating it); nothing when it does not show in time."""
        def panic_button():
            return [w for w in self.wintool.find(class_name=PANIC_BUTTON_CLASS, pid=pid) if w.visible]
        try:
            shown = wait_until(panic_button, timeout, "the panic button shows")
        except AssertionError:
            return
        self.wintool.move(shown[0].handle, -2000, -2000)

    def start_ready_umbrix(self):
        """Starts Umbrix.exe and waits until its controller window and tray icon are there."""
        umbrix = self.start_umbrix()
        self.wait_ready(umbrix)
        self.wait_for_tray_icon(True)
        return umbrix

    def close_umbrix(self, umbrix, timeout=15):
        """WM_CLOSE to the controller window, then waits for the process to end; returns its
        exit code."""
        controllers = self.controller_windows()
        self.assertEqual(len(controllers), 1, self.describe_windows())
        self.assertTrue(self.wintool.close(controllers[0].handle))
        return umbrix.wait_exit(timeout)

    # Seeing -----------------------------------------------------------------------------------

    def wait_for_message_box(self, caption, timeout=15):
        return wait_until(lambda: self.wintool.message_box_text(caption), timeout,
                          f"a message box captioned {caption!r} shows", self.describe_windows)

    def describe_windows(self):
        try:
            windows = self.wintool.windows(include_hidden=True)
        except Exception as error:  # describing must never hide the failure being described
            return f"(cannot list windows: {error})"
        return "\n".join(map(str, windows)) or "(no windows)"

    def screenshot(self, step):
        """Saves the screen as <artifacts>/<NN>-<step>.png, numbered in the order taken."""
        self._step += 1
        return self.session.screenshot(f"{self._step:02d}-{step}")

    # The notification area ---------------------------------------------------------------------

    # Wine draws its tray as a window of its own, with the first icon near (12, 32).
    TRAY_ICON_POSITION = (12, 32)

    def tray_icon_shown(self):
        return self.wintool.tray_icon_shown()

    def xdotool(self, *args):
        done = subprocess.run(["xdotool", *map(str, args)], env=self.session.env, capture_output=True, text=True,
                              timeout=30)
        if done.returncode != 0:
            raise AssertionError(f"xdotool {' '.join(map(str, args))} failed: {done.stderr}")

    def right_click_tray_icon(self):
        x, y = self.TRAY_ICON_POSITION
        self.xdotool("mousemove", "--sync", x, y, "click", "3")

    def popup_menus(self):
        """The visible popup menus (window class #32768)."""
        return [w for w in self.wintool.find(class_name="#32768") if w.visible]

    def wait_for_tray_icon(self, shown):
        return wait_until(lambda: self.tray_icon_shown() == shown, 10,
                          "the tray icon " + ("shows" if shown else "is gone"), self.describe_windows)

    def open_tray_menu(self):
        self.right_click_tray_icon()
        return wait_until(self.popup_menus, 10, "the tray menu opens", self.describe_windows)

    def choose_from_menu(self, *keys):
        """Presses `keys` in the open menu and waits until it has closed."""
        self.wintool.keys(*keys)
        wait_until(lambda: not self.popup_menus(), 10, "the menu closes", self.describe_windows)

    def choose_from_tray_menu(self, *path):
        """With the tray menu open, chooses the entry `path[0]` (and in its submenu `path[1]`)
        with the arrow keys: the first Down selects the first entry, separators are skipped."""
        entries = [entry for entry in TRAY_MENU if entry is not None]
        captions = [caption for caption, _ in entries]
        index = captions.index(path[0])
        self.wintool.keys(*["down"] * (index + 1))
        if len(path) > 1:
            submenu = entries[index][1]
            # Right opens the submenu with its first entry selected.
            self.wintool.keys("right", *["down"] * submenu.index(path[1]))
        self.wintool.keys("enter")

    def exclude_windows_titled(self, *titles):
        """Writes the program's exclusion file (Exclude.ini: one 768-byte record per window,
        three fields of a length byte and 255 bytes) so that windows with these titles are
        never hidden. Call before the program starts: it reads the file once."""
        write_window_exclusions(self.program_folder / "Exclude.ini", titles)

    def folder_snapshot(self):
        """Name, size and modification time of every file in the program folder."""
        return {p.name: (p.stat().st_size, p.stat().st_mtime_ns) for p in self.program_folder.iterdir()}
