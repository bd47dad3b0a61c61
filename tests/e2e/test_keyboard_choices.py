"""The keyboard on the real window: the Tab order of each page reached from its keyword box, Space
on the choice and promotion controls it reaches, and the radio arrow keys, which change the
sort order of their own page only. Every effect is read from the addresses a search then hands
over, so each step checks both where the focus went and what the control did."""

import addresses as a
import x_session

# (Tab presses from the keyword box, negative for Shift+Tab; the control Space then acts on.)
PAGE1_STEPS = [
    (2, "选择框1"), (3, "选择框2"), (4, "选择框10"), (6, "单选框2"), (7, "选择框3"), (8, "单选框3"),
    (5, "单选框1"), (-1, "单选框3"), (-2, "选择框3"), (-7, "选择框1"),
]
PAGE2_STEPS = [(3, "单选框6"), (4, "单选框5"), (2, "单选框4"), (-3, "单选框5"), (5, "按钮5"), (6, "按钮6"),
               (-1, "按钮6")]
PAGE3_STEPS = [(2, "选择框4"), (3, "按钮7"), (4, "按钮8"), (-3, "选择框4")]


def tabs(count):
    return ["Tab"] * count if count > 0 else ["shift+Tab"] * -count


class KeyboardChoices(x_session.ProgramTestCase):
    def test_tab_order_and_space_on_page_1(self):
        app = self.start()
        sort, filters = "单选框1", {"选择框1"}  # the start state
        expected = []
        for count, name in PAGE1_STEPS:
            with self.subTest(tabs=count, control=name):
                app.click("编辑框1")
                app.key(*tabs(count), "space")
                if name.startswith("单选框"):
                    sort = name
                else:
                    filters ^= {name}
                app.click("按钮2")
                expected.append(a.taobao("", sort, filters))
                self.assertEqual(app.wait_for_calls(len(expected), settle=0.05)[-1:], [[expected[-1]]])
        # Nine Tabs go all the way round: the keyword box again.
        app.click("编辑框1")
        app.key(*tabs(9))
        app.type("k")
        app.click("按钮2")
        expected.append(a.taobao("k", sort, filters))
        self.assertEqual(app.wait_for_calls(len(expected)), [[e] for e in expected])
        self.close_with_esc(app)

    def test_tab_order_and_space_on_pages_2_and_3(self):
        app = self.start()
        expected = []
        for page, steps, box, search in ((2, PAGE2_STEPS, "编辑框2", "按钮3"), (3, PAGE3_STEPS, "编辑框3", "按钮4")):
            app.header(page)
            sort, books = "单选框4", False
            for count, name in steps:
                with self.subTest(page=page, tabs=count, control=name):
                    app.click(box)
                    app.key(*tabs(count), "space")
                    if name.startswith("按钮"):
                        expected.append(a.PROMOTIONS[name])
                    else:
                        if name == "选择框4":
                            books = not books
                        else:
                            sort = name
                        app.click(search)
                        expected += a.jingdong_newegg("", sort) if page == 2 else a.amazon_dangdang("", books)
                    got = app.wait_for_calls(len(expected), settle=0.05)
                    self.assertEqual(got[-2:], [[e] for e in expected[-2:]])
        self.assertEqual(app.wait_for_calls(len(expected)), [[e] for e in expected])
        self.close_with_esc(app)

    def test_radio_arrow_keys_change_their_own_page_only(self):
        app = self.start()
        expected = []
        filters = {"选择框1"}

        def search(page, sort):
            app.click("按钮2" if page == 1 else "按钮3")
            expected.extend([a.taobao("", sort, filters)] if page == 1 else a.jingdong_newegg("", sort))
            self.assertEqual(app.wait_for_calls(len(expected), settle=0.05)[-1:], [[expected[-1]]])

        # Page 1: Right from 单选框1 checks 单选框2; Left from 单选框1 wraps round to 单选框3.
        app.click("单选框1")
        app.key("Right")
        search(1, "单选框2")
        app.click("单选框1")
        app.key("Left")
        search(1, "单选框3")
        # Arrows with Ctrl or Shift, and arrows on a check box, change nothing.
        app.key("ctrl+Right", "shift+Left")
        app.click("选择框2")
        filters.add("选择框2")
        app.key("Right", "Down")
        search(1, "单选框3")

        # Page 2: Up from 单选框4 wraps round to 单选框5, Down from 单选框5 back to 单选框4,
        # Right to 单选框6.
        app.header(2)
        app.click("单选框4")
        app.key("Up")
        search(2, "单选框5")
        app.click("单选框5")  # the focus back from the search button; already checked
        app.key("Down", "Right")
        search(2, "单选框6")

        # Page 1 kept its own choice through the arrows of page 2, and page 2 through page 1's.
        app.header(1)
        search(1, "单选框3")
        app.click("单选框2")
        app.key("Left")
        search(1, "单选框1")
        app.header(2)
        search(2, "单选框6")
        self.assertEqual(app.wait_for_calls(len(expected)), [[e] for e in expected])
        self.close_with_esc(app)


if __name__ == "__main__":
    x_session.main()
