"""The clipboard shared with other programs: text copied from a keyword box is what xclip reads,
and text another program holds is pasted into a keyword box and searched for."""

import shutil
import subprocess
import unittest

import addresses as a
import x_session


class Clipboard(x_session.ProgramTestCase):
    @classmethod
    def setUpClass(cls):
        if shutil.which("xclip") is None:
            raise unittest.SkipTest("xclip is not installed")
        super().setUpClass()

    def read_clipboard(self):
        result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.server.env,
                                capture_output=True, timeout=10)
        return result.stdout.decode("utf-8", errors="replace") if result.returncode == 0 else None

    def hold_clipboard(self, text):
        """Another program owning the clipboard with `text` until the test ends."""
        holder = subprocess.Popen(["xclip", "-quiet", "-i", "-selection", "clipboard"], env=self.server.env,
                                  stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        holder.stdin.write(text.encode("utf-8"))
        holder.stdin.close()

        def stop():
            holder.kill()
            holder.wait()
        self.addCleanup(stop)
        x_session.wait_until(lambda: self.read_clipboard() == text)

    def test_copy_from_a_keyword_box(self):
        app = self.start()
        for page, box, text in ((1, "编辑框1", "复制 copy 123"), (2, "编辑框2", "京东 U盘"), (3, "编辑框3", "当当;$x")):
            with self.subTest(page=page):
                if page != 1:
                    app.header(page)
                app.click(box)
                app.type(text)
                app.key("ctrl+a", "ctrl+c")
                self.assertEqual(x_session.wait_until(lambda: self.read_clipboard() == text, 5) and text,
                                 text, self.read_clipboard())
        self.close_with_esc(app)

    def test_paste_into_a_keyword_box_and_search(self):
        app = self.start()
        self.hold_clipboard("粘贴 paste")
        app.header(3)
        app.click("编辑框3")
        app.key("ctrl+v")
        app.key("ctrl+v")
        app.key("Return", "Return")
        self.assertEqual(app.wait_for_calls(2), [[u] for u in a.amazon_dangdang("粘贴 paste粘贴 paste")])
        self.close_with_esc(app)

    def test_pasted_characters_gbk_cannot_hold_become_question_marks(self):
        app = self.start()
        self.hold_clipboard("a€😀한b")
        app.key("ctrl+v", "Return", "Return")
        # The euro sign is byte 0x80 of the code page; the emoji and the Hangul syllable have no
        # form in it at all.
        self.assertEqual(app.wait_for_calls(1), [[a.taobao(b"a\x80??b")]])
        self.close_with_esc(app)


if __name__ == "__main__":
    x_session.main()
