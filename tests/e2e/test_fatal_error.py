"""A fatal run-time error in the real program: its box, and the end with status 255.

The probe program is the desktop program with the error forced on it: either the window
descriptions are garbage (the box comes before any window), or the heap cannot supply the first
block (the first search ends the program while the main window is shown)."""

import os
import unittest

import x_session

ERROR_CAPTION = "错误"
EXIT_FATAL = 255
PROBE = os.environ.get("SHOPASSIST_FATAL_PROBE", "")


class FatalErrorBox(x_session.ProgramTestCase):
    @classmethod
    def setUpClass(cls):
        if not PROBE or not os.access(PROBE, os.X_OK):
            raise unittest.SkipTest("SHOPASSIST_FATAL_PROBE does not name the probe program")
        super().setUpClass()

    def start_probe(self, mode):
        app = x_session.Shopassist(self.server, PROBE, args=[mode])
        self.addCleanup(app.cleanup)
        return app

    def shown_windows(self, app):
        out = self.server.run("xdotool", "search", "--onlyvisible", "--pid", str(app.process.pid), check=False)
        return [int(w) for w in out.split()]

    def title(self, window):
        out = self.server.run("xprop", "-id", str(window), "_NET_WM_NAME").decode()
        return out.split("=", 1)[1].strip().strip('"') if "=" in out else ""

    def wait_for_box(self, app):
        """The box's window, once it is shown and drawn: its caption is "错误"."""
        box = x_session.wait_until(
            lambda: next((w for w in self.shown_windows(app) if self.title(w) == ERROR_CAPTION), None))
        self.assertIsNotNone(box, "no error box was shown; standard error: " + self.stderr_so_far(app))
        return box

    @staticmethod
    def stderr_so_far(app):
        with open(app.stderr_path, "rb") as f:
            return f.read().decode(errors="replace")

    def box_colours(self, box):
        data = self.server.run("import", "-window", str(box), "-depth", "8", "rgb:-")
        return {(data[i] << 16) | (data[i + 1] << 8) | data[i + 2] for i in range(0, len(data), 3)}

    def assert_box_drawn(self, box):
        # The stop icon's red disc, the button face and the black text.
        def drawn():
            colours = self.box_colours(box)
            return any((c >> 16) > 0xC0 and (c >> 8 & 0xFF) < 0x40 and (c & 0xFF) < 0x40 for c in colours) \
                and 0x000000 in colours
        self.assertTrue(x_session.wait_until(drawn), "the box shows no stop icon or no text")

    def close_box(self, app, box, how):
        if how == "ok button":
            geometry = self.server.xdotool("getwindowgeometry", "--shell", box)
            g = {k: int(v) for k, v in (line.split("=", 1) for line in geometry.split()) if k in ("X", "Y", "WIDTH", "HEIGHT")}
            # The OK button sits centred near the box's lower edge.
            self.server.xdotool("mousemove", g["X"] + g["WIDTH"] // 2, g["Y"] + g["HEIGHT"] - 22, "click", "1")
        else:
            self.server.xdotool("windowfocus", "--sync", box)
            self.server.xdotool("key", how)

    def test_unreadable_descriptions_show_the_box_and_end_with_255(self):
        for how in ("Return", "space", "Escape", "ok button"):
            with self.subTest(closed_by=how):
                app = self.start_probe("unreadable-description")
                box = self.wait_for_box(app)
                # The box is the only window: the main window was never made.
                self.assertEqual(self.shown_windows(app), [box])
                self.assert_box_drawn(box)
                self.close_box(app, box, how)
                self.assertEqual(app.end(), EXIT_FATAL, "standard error: " + app.stderr_text)
                # The text was in the box, not on standard error.
                self.assertEqual(app.stderr_text, "")
                self.assertEqual(app.calls(), [])

    def test_out_of_memory_in_a_search_shows_the_box_over_the_window(self):
        app = self.start_probe("out-of-memory")
        main_window = app.wait_for_window()
        app.type("abc")
        # The first Enter moves on to the magnifier, the second clicks it.
        app.key("Return", "Return")
        box = self.wait_for_box(app)
        self.assertNotEqual(box, main_window)
        self.assert_box_drawn(box)
        # While the box is up a control event reaches no handler: the magnifier starts no
        # second search (which would open an address or fail once more).
        app.click("按钮1")
        self.close_box(app, box, "Return")
        self.assertEqual(app.end(), EXIT_FATAL, "standard error: " + app.stderr_text)
        self.assertEqual(app.calls(), [])


if __name__ == "__main__":
    x_session.main()
