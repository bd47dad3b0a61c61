"""What the desktop learns of the window from X: its title, its icon and its fixed size."""

import os
import re

import x_session
from icon_file import read_icon

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets")


class WindowProperties(x_session.ProgramTestCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.app = x_session.Shopassist(cls.server, cls.program)
        cls.app.wait_for_window()

    @classmethod
    def tearDownClass(cls):
        cls.app.cleanup()
        super().tearDownClass()

    def test_title_is_the_programs_own_in_utf8(self):
        out = self.app.xprop("_NET_WM_NAME")
        self.assertEqual(out.strip(), '_NET_WM_NAME(UTF8_STRING) = "禾朗购物小助手v1.0"')

    def test_icon_is_the_80_by_70_picture_of_the_icon_file(self):
        out = self.app.xprop("-notype", "-f", "_NET_WM_ICON", "32c", "=$0+\n", "_NET_WM_ICON")
        values = [int(v) for v in out.split("=", 1)[1].split(",")]
        width, height, expected = read_icon(os.path.join(ASSETS, "window_icon.ico"))
        self.assertEqual((width, height), (80, 70))
        # One icon of that size and nothing after it.
        self.assertEqual(values[:2], [80, 70])
        self.assertEqual(len(values), 2 + 80 * 70)
        shown = values[2:]
        transparent = [i for i, p in enumerate(expected) if p >> 24 == 0]
        self.assertTrue(0 < len(transparent) < len(expected), "the picture has a mask")
        mismatches = [i for i, (got, want) in enumerate(zip(shown, expected))
                      if got >> 24 != want >> 24 or (want >> 24 and got != want)]
        self.assertEqual(mismatches[:10], [], f"{len(mismatches)} pixels differ, first at "
                         f"{[(i % 80, i // 80) for i in mismatches[:3]]}")

    def test_size_is_fixed_at_the_drawn_surface(self):
        out = self.app.xprop("WM_NORMAL_HINTS")
        minimum = re.search(r"minimum size: (\d+) by (\d+)", out)
        maximum = re.search(r"maximum size: (\d+) by (\d+)", out)
        self.assertIsNotNone(minimum, out)
        self.assertIsNotNone(maximum, out)
        self.assertEqual(minimum.groups(), maximum.groups())
        # The 2-pixel sunken client edge around the 630 x 421 client area.
        self.assertEqual(minimum.groups(), ("634", "425"))
        geometry = self.app.geometry()
        self.assertEqual((geometry["WIDTH"], geometry["HEIGHT"]), (634, 425))

    def test_window_belongs_to_the_process_and_class(self):
        out = self.app.xprop("_NET_WM_PID", "WM_CLASS")
        self.assertIn(f"_NET_WM_PID(CARDINAL) = {self.app.process.pid}", out)
        self.assertIn('WM_CLASS(STRING) = "shopassist", "shopassist"', out)


if __name__ == "__main__":
    x_session.main()
