"""The three searches and the fixed links as a user reaches them: typed keywords, Enter twice,
the magnifier buttons, sort and filter choices, the tab headers, the promotion buttons and the
hyperlink boxes. Every address is checked byte for byte as the opener got it, one argument per
call, and Esc ends the program with exit code 0."""

import addresses as a
import x_session


class Searches(x_session.ProgramTestCase):
    def expect_calls(self, app, expected):
        """The opener got exactly these addresses so far, each as its one argument."""
        got = app.wait_for_calls(len(expected))
        self.assertEqual(got, [[address] for address in expected])

    def test_enter_twice_on_each_page_with_ascii_and_chinese_keywords(self):
        app = self.start()
        expected = []
        # Page 1 starts with the focus in its keyword box.
        app.type("mp3 播放器")
        app.key("Return", "Return")
        expected.append(a.taobao("mp3 播放器"))
        self.expect_calls(app, expected)

        app.header(2)
        app.click("编辑框2")
        app.type("U盘 16G")
        app.key("Return", "Return")
        expected += a.jingdong_newegg("U盘 16G")
        self.expect_calls(app, expected)

        app.header(3)
        app.click("编辑框3")
        app.type("三体 Liu")
        app.key("Return", "Return")
        expected += a.amazon_dangdang("三体 Liu")
        self.expect_calls(app, expected)
        self.close_with_esc(app)

    def test_magnifier_buttons_with_the_sorts_and_filters_chosen(self):
        app = self.start()
        expected = []
        app.type("abc")
        app.click("按钮2")
        expected.append(a.taobao("abc"))  # the start state: lowest price first, described as is
        self.expect_calls(app, expected)

        for name in ("单选框3", "选择框1", "选择框2", "选择框3", "选择框10"):
            app.click(name)
        app.click("按钮2")
        expected.append(a.taobao("abc", "单选框3", ("选择框2", "选择框3", "选择框10")))
        self.expect_calls(app, expected)

        app.header(2)
        app.click("编辑框2")
        app.type("键盘")
        app.click("按钮3")
        expected += a.jingdong_newegg("键盘")
        for sort in ("单选框5", "单选框6"):
            app.click(sort)
            app.click("按钮3")
            expected += a.jingdong_newegg("键盘", sort)
        self.expect_calls(app, expected)

        app.header(3)
        app.click("编辑框3")
        app.type("C++")
        app.click("按钮4")
        expected += a.amazon_dangdang("C++")
        app.click("选择框4")
        app.click("按钮4")
        expected += a.amazon_dangdang("C++", books_only=True)
        self.expect_calls(app, expected)

        # Each page kept its own choices and text while the others were shown.
        app.header(1)
        app.click("按钮2")
        expected.append(a.taobao("abc", "单选框3", ("选择框2", "选择框3", "选择框10")))
        app.header(2)
        app.click("按钮3")
        expected += a.jingdong_newegg("键盘", "单选框6")
        self.expect_calls(app, expected)
        self.close_with_esc(app)

    def test_promotion_buttons_and_hyperlink_boxes_open_their_fixed_addresses(self):
        app = self.start()
        expected = []
        names = list(a.PROMOTIONS) + list(a.HYPERLINKS)
        for page in (1, 2, 3):
            if page != 1:
                app.header(page)
            for name in names:
                if a.PAGE_OF[name] != page:
                    continue
                app.click(name)
                expected.append(a.PROMOTIONS.get(name) or a.HYPERLINKS[name])
                # One at a time, so that a wrong address names its control.
                got = app.wait_for_calls(len(expected), settle=0.05)
                self.assertEqual(got[-1:], [[expected[-1]]], name)
        self.expect_calls(app, expected)
        self.close_with_esc(app)

    def test_headers_switch_pages_and_the_shown_header_changes_nothing(self):
        app = self.start()
        self.assertEqual(app.shown_page(), 1)
        app.type("书包")
        for page in (2, 3, 1, 3, 2, 1):
            app.header(page)
        # The shown page's own header: still page 1, and the focus stays where the page change
        # put it, on 单选框3, the last of the Tab order: the first Enter moves it round to the
        # keyword box, the second to 按钮2, and only the third searches, with the text kept.
        app.click_at(*x_session.HEADER_POINTS[1])
        self.assertEqual(app.shown_page(), 1)
        app.key("Return", "Return", "Return")
        self.expect_calls(app, [a.taobao("书包")])
        self.close_with_esc(app)

    def test_esc_ends_the_program_from_every_page_and_control(self):
        for page, control in ((1, "编辑框1"), (2, "按钮6"), (3, "编辑框3")):
            with self.subTest(page=page):
                app = self.start()
                if page != 1:
                    app.header(page)
                if control.startswith("编辑框"):
                    app.click(control)
                self.close_with_esc(app)
                self.assertEqual(app.calls(), [])


if __name__ == "__main__":
    x_session.main()
