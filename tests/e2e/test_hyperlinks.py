"""Hyperlink boxes on the real window: the caption's colour at rest, under the pointer and after
its link was handed over, and the fallback when the opener refuses: the command registered for
web pages is started with the address, or, with none registered, the box stays unvisited."""

import addresses as a
import x_session

NORMAL = 0x0000FF   # blue
HOVER = 0x0A246A    # dark navy
VISITED = 0x800000  # dark red
# 超级链接框1 and 超级链接框2 on page 1: left, top, width, height.
LINK1 = (118, 320, 88, 30)
LINK2 = (222, 320, 88, 30)
AWAY = (2, 2)  # a screen point outside the window


class Hyperlinks(x_session.ProgramTestCase):
    def caption_colour(self, app, rect):
        """The one caption colour of the three found in the box, or what was found."""
        found = app.colours_in(*rect)
        present = [c for c in (NORMAL, HOVER, VISITED) if found.get(c, 0) > 20]
        return present[0] if len(present) == 1 else present

    def wait_for_colour(self, app, rect, colour):
        return x_session.wait_until(lambda: self.caption_colour(app, rect) == colour, 5) or \
            self.caption_colour(app, rect)

    def test_colour_at_rest_under_the_pointer_and_after_opening(self):
        app = self.start()
        app.server.xdotool("mousemove", *AWAY)
        self.assertEqual(self.wait_for_colour(app, LINK1, NORMAL), True)
        app.move_to(*x_session.CENTRES["超级链接框1"])
        self.assertEqual(self.wait_for_colour(app, LINK1, HOVER), True)
        self.assertEqual(self.caption_colour(app, LINK2), NORMAL)
        app.click("超级链接框1")
        self.assertEqual(app.wait_for_calls(1), [[a.HYPERLINKS["超级链接框1"]]])
        self.assertEqual(self.caption_colour(app, LINK1), HOVER)  # the pointer is still on it
        app.server.xdotool("mousemove", *AWAY)
        self.assertEqual(self.wait_for_colour(app, LINK1, VISITED), True)
        self.assertEqual(self.caption_colour(app, LINK2), NORMAL)
        self.close_with_esc(app)

    def test_refused_open_starts_the_registered_web_page_command(self):
        app = self.start(extra_env={"SHOPASSIST_E2E_OPENER_EXIT": "4"}, desktop="browser")
        app.click("超级链接框2")
        address = a.HYPERLINKS["超级链接框2"]
        self.assertEqual(app.wait_for_calls(1), [[address]])
        # Exec=e2e-browser %u: the command up to its placeholder, then the address, split
        # without a shell.
        self.assertEqual(app.wait_for_calls(1, folder=app.browser_calls_folder), [[address]])
        app.server.xdotool("mousemove", *AWAY)
        self.assertEqual(self.wait_for_colour(app, LINK2, VISITED), True)
        self.close_with_esc(app)

    def test_refused_open_with_no_web_page_command_leaves_the_box_unvisited(self):
        app = self.start(extra_env={"SHOPASSIST_E2E_OPENER_EXIT": "4"}, desktop="no browser")
        app.click("超级链接框2")
        self.assertEqual(app.wait_for_calls(1), [[a.HYPERLINKS["超级链接框2"]]])
        app.server.xdotool("mousemove", *AWAY)
        self.assertEqual(self.wait_for_colour(app, LINK2, NORMAL), True)
        self.assertEqual(app.calls(app.browser_calls_folder), [])
        # A search's open is not retried through the fallback.
        app.click("按钮2")
        self.assertEqual(app.wait_for_calls(2), [[a.HYPERLINKS["超级链接框2"]], [a.taobao("")]])
        self.assertEqual(app.calls(app.browser_calls_folder), [])
        self.close_with_esc(app)


if __name__ == "__main__":
    x_session.main()
