"""Keywords full of characters a shell would act on reach the opener as one argument, escaped
and otherwise untouched, and nothing else runs: each keyword that a shell would turn into a
command names a file of its own, and none of those files may appear."""

import os
import shutil
import tempfile

import addresses as a
import x_session


class ShellCharacters(x_session.ProgramTestCase):
    def test_each_keyword_arrives_as_one_argument_and_runs_nothing(self):
        canaries = tempfile.mkdtemp(prefix="sa.")
        self.addCleanup(shutil.rmtree, canaries, True)
        # ${IFS} is a space to a shell, and keeps the keyword free of spaces, which the
        # hand-over escapes; a shell handed the address would still run these.
        touch = "touch${IFS}" + canaries + "/"
        keywords = [
            "$(" + touch + "subst)",
            "`" + touch + "backtick`",
            "a;" + touch + "semicolon",
            "a|" + touch + "pipe",
            "a&&" + touch + "and",
            "a||" + touch + "or",
            "a>" + canaries + "/redirect",
            "a&" + touch + "background",
            "\"quoted\" 'single' \\back",
            "*.cpp ~ ?",
            "100% #1 !x <b>",
        ]
        app = self.start()
        expected = []
        for keywords in keywords:
            with self.subTest(keywords=keywords):
                app.click("编辑框1")
                app.key("ctrl+a", "BackSpace")
                app.type(keywords)
                app.click("按钮2")
                expected.append(a.taobao(keywords))
                got = app.wait_for_calls(len(expected), settle=0.05)
                self.assertEqual(got[-1:], [[expected[-1]]])
        self.assertEqual(app.wait_for_calls(len(expected)), [[e] for e in expected])
        self.close_with_esc(app)
        self.assertEqual(sorted(os.listdir(canaries)), [])


if __name__ == "__main__":
    x_session.main()
