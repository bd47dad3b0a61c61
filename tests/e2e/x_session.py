"""The real shopassist on a private X server, driven as a user would drive it.

XServer starts Xvfb on a free display number. Shopassist starts the program there with a
stand-in xdg-open first on PATH, which writes down the argument vector of every call, one file
per call. Everything waits by polling with a time limit, so a slow machine only makes the
tests slower, never wrong.
"""

import ctypes
import os
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

TITLE = "禾朗购物小助手v1.0"
# The SDL window's content: the 2-pixel sunken client edge, then the 630 x 421 client area.
EDGE = 2
CLIENT_WIDTH = 630
CLIENT_HEIGHT = 421

# Colours of the page look (0xRRGGBB).
PAGE_FILL = 0xFCFCFE
FRAME = 0x91A7B4

# Client points. The tab headers span x 1-210, 210-419 and 419-628 from y 2 to 47; each page's
# logo covers part of its own header only, so these points hit the tab control from any page.
HEADER_POINTS = {1: (20, 20), 2: (212, 20), 3: (421, 20)}
# Just below each header: page fill while its page is shown (the header opens onto the page),
# the frame line otherwise.
HEADER_FOOT = {1: (20, 47), 2: (212, 47), 3: (421, 47)}

# Centres of the controls the tests use (client coordinates, from the window's layout).
CENTRES = {
    "编辑框1": (312, 96), "编辑框2": (264, 96), "编辑框3": (268, 104),
    "按钮1": (53, 101), "按钮2": (566, 103), "按钮3": (548, 103), "按钮4": (548, 103),
    "按钮5": (163, 278), "按钮6": (440, 286), "按钮7": (109, 253), "按钮8": (461, 253),
    "选择框1": (160, 135), "选择框2": (248, 135), "选择框3": (328, 135), "选择框10": (416, 135),
    "选择框4": (100, 160),
    "单选框1": (176, 160), "单选框2": (292, 160), "单选框3": (412, 160),
    "单选框4": (136, 136), "单选框6": (264, 136), "单选框5": (392, 136),
    "超级链接框1": (162, 335), "超级链接框2": (266, 335), "超级链接框3": (370, 335),
    "超级链接框4": (474, 335), "超级链接框5": (578, 335), "超级链接框6": (58, 335),
    "超级链接框7": (58, 383), "超级链接框8": (162, 383), "超级链接框9": (266, 383),
    "超级链接框10": (370, 383), "超级链接框11": (474, 383), "超级链接框12": (578, 383),
    "超级链接框13": (224, 231), "超级链接框14": (224, 279), "超级链接框15": (360, 231),
    "超级链接框16": (566, 231), "超级链接框17": (360, 279), "超级链接框18": (566, 279),
}

# Records each call's argument vector in its own file: every argument followed by a NUL byte.
# The file is named by the time of the call, so sorting the names gives the order of the calls,
# and is renamed into place whole, so a reader never sees half of it.
STAND_IN_OPENER = r"""#!/bin/sh
f="$SHOPASSIST_E2E_CALLS/$(date +%s%N).$$"
for a in "$@"; do printf '%s\0' "$a"; done > "$f.part" && mv "$f.part" "$f"
if [ -n "$SHOPASSIST_E2E_OPENER_SLEEP" ]; then sleep "$SHOPASSIST_E2E_OPENER_SLEEP"; fi
exit "${SHOPASSIST_E2E_OPENER_EXIT:-0}"
"""

DEFAULT_TIMEOUT = 15.0


def wait_until(predicate, timeout=DEFAULT_TIMEOUT, interval=0.02):
    """Polls until predicate() is truthy; answers its last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(interval)


def _xlib():
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XFree.argtypes = [ctypes.c_void_p]
    x11.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
    x11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
    x11.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
    x11.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                           ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
    return x11


def _unmapped_keycodes(x11, display):
    low, high = ctypes.c_int(), ctypes.c_int()
    x11.XDisplayKeycodes(display, ctypes.byref(low), ctypes.byref(high))
    per = ctypes.c_int()
    count = high.value - low.value + 1
    keysyms = x11.XGetKeyboardMapping(display, low.value, count, ctypes.byref(per))
    free = [low.value + i for i in range(count)
            if all(keysyms[i * per.value + j] == 0 for j in range(per.value))]
    x11.XFree(keysyms)
    return free


class XServer:
    """Xvfb on the first free display number, for as long as the object lives."""

    def __init__(self, width=1024, height=768):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    break
                number += chunk
        if not number.strip():
            self.process.kill()
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number.decode().strip()
        self.env = dict(os.environ, DISPLAY=self.display)
        self.env.pop("WAYLAND_DISPLAY", None)
        self._bound = {}  # character -> keycode, oldest first
        self._spare = None

    def make_typable(self, text):
        """Gives every character of `text` that the keyboard map lacks a key of its own.

        xdotool types such a character by binding it to a spare key for that one key press and
        taking the binding back right after. A client that reads the press after that reads
        the keyboard map anew and finds nothing there: the character is lost. Keys bound here
        stay bound, so what a client reads is always right."""
        wanted = [c for c in dict.fromkeys(text) if ord(c) > 0x7E and c not in self._bound]
        if not wanted:
            return
        x11 = _xlib()
        display = x11.XOpenDisplay(self.display.encode())
        if not display:
            raise RuntimeError("cannot open " + self.display)
        try:
            if self._spare is None:
                self._spare = _unmapped_keycodes(x11, display)[1:-2]  # leave xdotool its scratch keys
            for character in wanted:
                if not self._spare:
                    # Every spare key holds a character of an earlier text, long since typed.
                    oldest = next(iter(self._bound))
                    self._spare.append(self._bound.pop(oldest))
                keycode = self._spare.pop(0)
                code = ord(character)
                keysym = (ctypes.c_ulong * 1)(code if code < 0x100 else 0x01000000 | code)
                x11.XChangeKeyboardMapping(display, keycode, 1, keysym, 1)
                self._bound[character] = keycode
            x11.XSync(display, 0)
        finally:
            x11.XCloseDisplay(display)

    def run(self, *args, input_bytes=None, timeout=DEFAULT_TIMEOUT, check=True):
        result = subprocess.run(list(args), env=self.env, input=input_bytes, capture_output=True,
                                timeout=timeout)
        if check and result.returncode != 0:
            raise RuntimeError(f"{args} failed ({result.returncode}): {result.stderr.decode(errors='replace')}")
        return result.stdout

    def xdotool(self, *args):
        return self.run("xdotool", *[str(a) for a in args]).decode()

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


class Shopassist:
    """One run of the program on `server`, with the stand-in opener and a folder of its calls.

    With `desktop` given, the XDG folders are the run's own: "no browser" registers none for
    web pages, "browser" registers e2e-browser.desktop, whose command (Exec=e2e-browser %u) is
    a stand-in recording its calls like the opener, in `browser_calls_folder`."""

    def __init__(self, server, program, extra_env=None, desktop=None, args=()):
        self.server = server
        self.folder = tempfile.mkdtemp(prefix="shopassist-e2e.")
        self.calls_folder = os.path.join(self.folder, "calls")
        self.browser_calls_folder = os.path.join(self.folder, "browser-calls")
        os.mkdir(self.calls_folder)
        os.mkdir(self.browser_calls_folder)
        bin_folder = os.path.join(self.folder, "bin")
        os.mkdir(bin_folder)
        self._write(os.path.join(bin_folder, "xdg-open"), STAND_IN_OPENER, 0o755)
        self._write(os.path.join(bin_folder, "e2e-browser"),
                    STAND_IN_OPENER.replace("SHOPASSIST_E2E_CALLS", "SHOPASSIST_E2E_BROWSER_CALLS"), 0o755)
        env = dict(server.env)
        env["PATH"] = bin_folder + os.pathsep + env.get("PATH", "/usr/bin:/bin")
        env["SHOPASSIST_E2E_CALLS"] = self.calls_folder
        env["SHOPASSIST_E2E_BROWSER_CALLS"] = self.browser_calls_folder
        if desktop is not None:
            xdg = {name: os.path.join(self.folder, name.lower())
                   for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_DIRS")}
            for folder in xdg.values():
                os.makedirs(os.path.join(folder, "applications"))
            env.update(xdg)
            env.pop("XDG_CURRENT_DESKTOP", None)
            if desktop == "browser":
                self._write(os.path.join(xdg["XDG_CONFIG_HOME"], "mimeapps.list"),
                            "[Default Applications]\ntext/html=e2e-browser.desktop\n")
                self._write(os.path.join(xdg["XDG_DATA_HOME"], "applications", "e2e-browser.desktop"),
                            "[Desktop Entry]\nType=Application\nName=E2E Browser\nExec=e2e-browser %u\n"
                            "MimeType=text/html;\n")
        env.update(extra_env or {})
        # Output goes to files: a pipe nobody reads could fill up and stop the program.
        self.stderr_path = os.path.join(self.folder, "stderr.txt")
        with open(os.path.join(self.folder, "stdout.txt"), "wb") as out, open(self.stderr_path, "wb") as err:
            self.process = subprocess.Popen([program, *args], env=env, cwd=self.folder, stdout=out, stderr=err)
        self.window = None
        self.origin = None
        self.stderr_text = ""

    @staticmethod
    def _write(path, text, mode=0o644):
        with open(path, "w") as f:
            f.write(text)
        os.chmod(path, mode)

    # ----- start and end -----

    def wait_for_window(self, timeout=DEFAULT_TIMEOUT):
        """Waits until the window is shown with its first full frame; answers its id."""
        found = self.server.run("xdotool", "search", "--sync", "--onlyvisible", "--pid",
                                str(self.process.pid), timeout=timeout).split()
        if not found:
            raise AssertionError("the program shows no window")
        self.window = int(found[0])
        geometry = self.geometry()
        self.origin = (geometry["X"] + EDGE, geometry["Y"] + EDGE)
        # The page area's bottom right corner is drawn last of all: the frame is complete.
        if not wait_until(lambda: self.client_pixel(620, 415) == PAGE_FILL, timeout):
            raise AssertionError("the window's first frame never came")
        return self.window

    def end(self, timeout=DEFAULT_TIMEOUT):
        """The exit code once the program ended by itself; kills it when it does not. What it
        wrote on standard error is kept in `stderr_text`."""
        try:
            code = self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
            raise AssertionError("the program did not end")
        with open(self.stderr_path, "rb") as f:
            self.stderr_text = f.read().decode(errors="replace")
        return code

    def cleanup(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)

    # ----- what X knows of the window -----

    def geometry(self):
        out = self.server.xdotool("getwindowgeometry", "--shell", self.window)
        return {k: int(v) for k, v in (line.split("=", 1) for line in out.split() if "=" in line)
                if k in ("X", "Y", "WIDTH", "HEIGHT")}

    def xprop(self, *args):
        return self.server.run("xprop", "-id", str(self.window), *args).decode()

    def surface_rgb(self):
        """The window's drawn surface as rows of RGB bytes (width, height, bytes)."""
        g = self.geometry()
        data = self.server.run("import", "-window", str(self.window), "-depth", "8", "rgb:-")
        if len(data) != g["WIDTH"] * g["HEIGHT"] * 3:
            return g["WIDTH"], g["HEIGHT"], None
        return g["WIDTH"], g["HEIGHT"], data

    def client_pixel(self, x, y):
        width, _, data = self.surface_rgb()
        if data is None:
            return None
        i = ((EDGE + y) * width + EDGE + x) * 3
        return (data[i] << 16) | (data[i + 1] << 8) | data[i + 2]

    def colours_in(self, left, top, width, height):
        """How often each colour (0xRRGGBB) occurs in a client rectangle."""
        surface_width, _, data = self.surface_rgb()
        counts = {}
        if data is None:
            return counts
        for y in range(EDGE + top, EDGE + top + height):
            row = (y * surface_width + EDGE + left) * 3
            for i in range(row, row + width * 3, 3):
                colour = (data[i] << 16) | (data[i + 1] << 8) | data[i + 2]
                counts[colour] = counts.get(colour, 0) + 1
        return counts

    def shown_page(self):
        """The page whose header opens onto the page area, or None while drawing."""
        width, _, data = self.surface_rgb()
        if data is None:
            return None
        open_pages = []
        for page, (x, y) in HEADER_FOOT.items():
            i = ((EDGE + y) * width + EDGE + x) * 3
            if (data[i] << 16) | (data[i + 1] << 8) | data[i + 2] == PAGE_FILL:
                open_pages.append(page)
        return open_pages[0] if len(open_pages) == 1 else None

    # ----- input -----

    def focus(self):
        self.server.xdotool("windowfocus", "--sync", self.window)

    # The X server takes the pointer's moves and presses in the order they are sent, so a press
    # always lands where the move before it went. (xdotool's --sync would wait for ever when the
    # pointer is already there.)
    def click_at(self, x, y):
        """A left click at a client point."""
        self.server.xdotool("mousemove", self.origin[0] + x, self.origin[1] + y, "click", "1")

    def move_to(self, x, y):
        self.server.xdotool("mousemove", self.origin[0] + x, self.origin[1] + y)

    def click(self, name):
        self.click_at(*CENTRES[name])

    def header(self, page):
        """Clicks tab header `page` and waits until that page is shown; the pointer then rests
        on the page area, where it lights no header."""
        self.click_at(*HEADER_POINTS[page])
        self.move_to(620, 410)
        if not wait_until(lambda: self.shown_page() == page):
            raise AssertionError(f"page {page} was not shown")

    def type(self, text):
        self.server.make_typable(text)
        self.focus()
        self.server.xdotool("type", "--delay", "15", text)

    def key(self, *keys):
        self.focus()
        self.server.xdotool("key", "--delay", "30", *keys)

    # ----- the opener's calls -----

    def calls(self, folder=None):
        """Every argument vector the opener (or the browser) got so far, in order, each as a
        list of str."""
        folder = folder or self.calls_folder
        names = sorted((n for n in os.listdir(folder) if not n.endswith(".part")),
                       key=lambda n: tuple(int(p) for p in n.split(".")))
        result = []
        for name in names:
            with open(os.path.join(folder, name), "rb") as f:
                data = f.read()
            words = data.split(b"\0")[:-1] if data else []
            result.append([w.decode("latin-1") for w in words])
        return result

    def wait_for_calls(self, count, timeout=DEFAULT_TIMEOUT, settle=0.3, folder=None):
        """Waits until `count` calls were made in all, then a little longer for any stray one."""
        folder = folder or self.calls_folder
        wait_until(lambda: len(os.listdir(folder)) >= count, timeout)
        time.sleep(settle)
        return self.calls(folder)


class ProgramTestCase(unittest.TestCase):
    """One X server for the class; a fresh program for each test that asks for one."""

    program = os.environ.get("SHOPASSIST_PROGRAM", "")

    @classmethod
    def setUpClass(cls):
        if not cls.program or not os.access(cls.program, os.X_OK):
            raise unittest.SkipTest("SHOPASSIST_PROGRAM does not name the program")
        for tool in ("Xvfb", "xdotool", "xprop", "import"):
            if shutil.which(tool) is None:
                raise unittest.SkipTest(f"{tool} is not installed")
        cls.server = XServer()

    @classmethod
    def tearDownClass(cls):
        cls.server.close()

    def start(self, extra_env=None, desktop=None):
        app = Shopassist(self.server, self.program, extra_env, desktop)
        self.addCleanup(app.cleanup)
        app.wait_for_window()
        return app

    def close_with_esc(self, app):
        app.key("Escape")
        code = app.end()
        self.assertEqual(code, 0, "standard error: " + app.stderr_text)


def main():
    """Runs the file's tests; exit code 77 (CTest's skip) when every test was skipped."""
    program = unittest.main(verbosity=2, exit=False)
    result = program.result
    if not result.wasSuccessful():
        raise SystemExit(1)
    if result.testsRun == len(result.skipped) or (result.testsRun == 0 and result.skipped):
        raise SystemExit(77)
    raise SystemExit(0)
