"""Takes the README's pictures of the three pages from the real program on a private X server:
page 1 as it starts, then pages 2 and 3 by clicking their tab headers, each saved as the window's
drawn surface (the client area inside its 2-pixel sunken edge).

    take_screenshots.py SHOPASSIST [FOLDER]
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "e2e"))
import x_session  # noqa: E402


def main():
    program = sys.argv[1]
    folder = sys.argv[2] if len(sys.argv) > 2 else os.path.dirname(os.path.abspath(__file__))
    server = x_session.XServer()
    app = x_session.Shopassist(server, program)
    try:
        app.wait_for_window()
        server.xdotool("mousemove", 2, 2)  # away from the window: no header lit, no hint
        for page in (1, 2, 3):
            if page != 1:
                app.header(page)
                server.xdotool("mousemove", 2, 2)
            path = os.path.join(folder, f"page{page}.png")
            server.run("import", "-window", str(app.window), path)
            print(path)
        app.key("Escape")
        return app.end()
    finally:
        app.cleanup()
        server.close()


if __name__ == "__main__":
    sys.exit(main())
