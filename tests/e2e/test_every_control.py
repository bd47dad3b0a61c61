"""One session that uses every control of the window, as a user would, and ends with Esc.

The keyword boxes are typed into, edited with the keyboard, the mouse, the clipboard and the
right-button menu; every check box, radio button, promotion button, magnifier and hyperlink box
is clicked; the headers are hovered (their hint) and clicked. Each search's address shows that
the edits did what they should. In the sanitizer build the program's LeakSanitizer runs at the
end: a block left behind by any of it makes the exit code non-zero and names the leak."""

import time

import addresses as a
import x_session

# 编辑框1 spans x 120-504, y 80-112 on page 1; its text starts at the left.
BOX1_TEXT_START = (128, 96)
BOX1_RIGHT_INSIDE = (500, 96)
# The second header's middle, to raise its hint.
HEADER2_MIDDLE = (314, 25)


class EveryControl(x_session.ProgramTestCase):
    def shown_windows(self, app):
        out = self.server.run("xdotool", "search", "--onlyvisible", "--pid", str(app.process.pid), check=False)
        return [int(w) for w in out.split()]

    def search(self, app, expected, address):
        """Clicks page 1's magnifier and checks the address it handed over."""
        app.click("按钮2")
        expected.append(address)
        self.assertEqual(app.wait_for_calls(len(expected), settle=0.05)[-1:], [[address]])

    def test_a_session_with_every_control_ends_cleanly(self):
        app = self.start()
        expected = []

        # Typing, then a double-click on the word and typing over it.
        app.click("编辑框1")
        app.type("abc")
        app.server.xdotool("mousemove", app.origin[0] + BOX1_TEXT_START[0], app.origin[1] + BOX1_TEXT_START[1],
                           "click", "--repeat", "2", "--delay", "60", "1")
        app.type("鞋子")
        self.search(app, expected, a.taobao("鞋子"))

        # The clipboard keys and undo, then the deleting keys.
        app.click("编辑框1")
        app.key("ctrl+a", "ctrl+c", "End", "ctrl+v")   # 鞋子鞋子
        app.key("ctrl+z")                              # 鞋子
        app.key("Home", "shift+End", "ctrl+x")         # empty, 鞋子 on the clipboard
        app.key("ctrl+v", "ctrl+v", "BackSpace")       # 鞋子鞋
        app.key("Home", "Delete")                      # 子鞋
        self.search(app, expected, a.taobao("子鞋"))

        # A drag over the whole text selects it; typing replaces it.
        app.click("编辑框1")
        app.server.xdotool("mousemove", app.origin[0] + BOX1_RIGHT_INSIDE[0], app.origin[1] + BOX1_RIGHT_INSIDE[1],
                           "mousedown", "1",
                           "mousemove", app.origin[0] + BOX1_TEXT_START[0] - 6, app.origin[1] + BOX1_TEXT_START[1],
                           "mouseup", "1")
        app.type("bag")
        self.search(app, expected, a.taobao("bag"))

        # The right-button menu opens over the box and Esc closes it, changing nothing.
        app.server.xdotool("mousemove", app.origin[0] + BOX1_TEXT_START[0], app.origin[1] + BOX1_TEXT_START[1],
                           "click", "3")
        self.assertTrue(x_session.wait_until(lambda: len(self.shown_windows(app)) == 2), "no context menu")
        app.server.xdotool("key", "Escape")
        self.assertTrue(x_session.wait_until(lambda: len(self.shown_windows(app)) == 1), "the menu stayed")
        self.assertIsNone(app.process.poll(), "Esc on the menu ended the program")

        # Every choice of page 1, clicked; the last radio button clicked is the sort.
        filters = {"选择框1"}
        for name in ("选择框1", "选择框2", "选择框3", "选择框10", "选择框2"):
            app.click(name)
            filters ^= {name}
        for sort in ("单选框2", "单选框3", "单选框1"):
            app.click(sort)
        self.search(app, expected, a.taobao("bag", "单选框1", filters))
        # Enter twice from the keyword box searches too.
        app.click("编辑框1")
        app.key("Return", "Return")
        expected.append(a.taobao("bag", "单选框1", filters))
        self.assertEqual(app.wait_for_calls(len(expected), settle=0.05)[-1:], [[expected[-1]]])

        # A header's hint comes up under the pointer and goes again.
        app.move_to(*HEADER2_MIDDLE)
        hint = x_session.wait_until(lambda: len(self.shown_windows(app)) == 2, 5)
        app.move_to(620, 410)
        self.assertTrue(hint, "no hint over the second header")
        self.assertTrue(x_session.wait_until(lambda: len(self.shown_windows(app)) == 1), "the hint stayed")

        # The promotion button and hyperlink boxes of every page, the other pages' searches.
        for page in (1, 2, 3):
            if page != 1:
                app.header(page)
            if page == 2:
                app.click("编辑框2")
                app.type("键盘")
                for sort in ("单选框5", "单选框6", "单选框4"):
                    app.click(sort)
                    app.click("按钮3")
                    expected += a.jingdong_newegg("键盘", sort)
            elif page == 3:
                app.click("编辑框3")
                app.type("C++")
                app.click("选择框4")
                app.click("按钮4")
                expected += a.amazon_dangdang("C++", books_only=True)
            for name in list(a.PROMOTIONS) + list(a.HYPERLINKS):
                if a.PAGE_OF[name] == page:
                    app.click(name)
                    expected.append(a.PROMOTIONS.get(name) or a.HYPERLINKS[name])
            self.assertEqual(app.wait_for_calls(len(expected), settle=0.05), [[e] for e in expected])

        # The Tab order all the way round on the last page, and back to the first page.
        app.click("编辑框3")
        app.key(*["Tab"] * 5)
        app.header(1)
        time.sleep(0.3)
        self.close_with_esc(app)
        self.assertNotIn("LeakSanitizer", app.stderr_text)
        self.assertEqual(app.calls(), [[e] for e in expected])


if __name__ == "__main__":
    x_session.main()
