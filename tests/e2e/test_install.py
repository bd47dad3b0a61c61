"""Desktop integration: what `cmake --install` puts in place (the program, its desktop entry,
its icon), and the Debian package `cpack -G DEB` makes: its control fields, its files, and the
program in it starting and searching."""

import configparser
import os
import shutil
import subprocess
import tempfile
import unittest

import addresses as a
import x_session
from icon_file import read_icon
from png_file import read_png

BUILD = os.environ.get("SHOPASSIST_BUILD_DIR", "")
CMAKE = os.environ.get("SHOPASSIST_CMAKE", "cmake")
CPACK = os.environ.get("SHOPASSIST_CPACK", "cpack")
ICON_FILE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "window_icon.ico")

DESKTOP_ENTRY = "usr/share/applications/shopassist.desktop"
ICON = "usr/share/icons/hicolor/96x96/apps/shopassist.png"
PROGRAM = "usr/bin/shopassist"
# What the program needs besides the libraries it is linked with: the font its Chinese text is
# drawn in, the opener that hands addresses to the browser, fontconfig's configuration.
RUNTIME_PACKAGES = ["fonts-arphic-uming", "xdg-utils", "fontconfig-config"]


def packages_of_needed_libraries(program):
    """The packages holding the shared libraries the program names as needed, found as the
    dynamic loader would find them."""
    dynamic = subprocess.run(["readelf", "-d", "-W", program], check=True, capture_output=True).stdout.decode()
    needed = [line.split("[", 1)[1].split("]", 1)[0] for line in dynamic.splitlines() if "(NEEDED)" in line]
    resolved = {}
    for line in subprocess.run(["ldd", program], check=True, capture_output=True).stdout.decode().splitlines():
        if "=>" in line:
            name, rest = line.strip().split(" => ", 1)
            resolved[name] = rest.split(" (", 1)[0]
        elif line.strip().startswith("/"):  # the dynamic loader, named by its path
            path = line.strip().split(" (", 1)[0]
            resolved[os.path.basename(path)] = path
    packages = {}
    for name in needed:
        owner = subprocess.run(["dpkg", "-S", os.path.realpath(resolved[name])], capture_output=True)
        if owner.returncode != 0:
            owner = subprocess.run(["dpkg", "-S", resolved[name]], check=True, capture_output=True)
        packages[name] = owner.stdout.decode().split(":", 1)[0]
    return packages


def require_build():
    if not BUILD or not os.path.isfile(os.path.join(BUILD, "cmake_install.cmake")):
        raise unittest.SkipTest("SHOPASSIST_BUILD_DIR does not name a configured build")


def read_desktop_entry(path):
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str  # keys are case-sensitive
    with open(path, encoding="utf-8") as f:
        parser.read_file(f)
    return parser["Desktop Entry"]


class Installed(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        require_build()
        cls.folder = tempfile.mkdtemp(prefix="shopassist-install.")
        cls.root = os.path.join(cls.folder, "root")
        subprocess.run([CMAKE, "--install", BUILD, "--prefix", "/usr"], check=True, capture_output=True,
                       env=dict(os.environ, DESTDIR=cls.root), timeout=120)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.folder, ignore_errors=True)

    def test_program_is_installed_as_an_executable(self):
        path = os.path.join(self.root, PROGRAM)
        self.assertTrue(os.access(path, os.X_OK), path)
        with open(path, "rb") as f:
            self.assertEqual(f.read(4), b"\x7fELF")

    def test_desktop_entry_names_the_program_in_both_languages(self):
        entry = read_desktop_entry(os.path.join(self.root, DESKTOP_ENTRY))
        for key, value in (("Type", "Application"), ("Name", "ShopAssist"), ("Name[zh_CN]", "禾朗购物小助手"),
                           ("Exec", "shopassist"), ("Icon", "shopassist"), ("Categories", "Network;Utility;"),
                           ("Terminal", "false"), ("StartupWMClass", "shopassist")):
            with self.subTest(key=key):
                self.assertEqual(entry.get(key), value)
        validator = shutil.which("desktop-file-validate")
        if validator:
            result = subprocess.run([validator, os.path.join(self.root, DESKTOP_ENTRY)], capture_output=True)
            self.assertEqual(result.returncode, 0, result.stdout.decode() + result.stderr.decode())

    def test_icon_is_the_window_icon_centred_on_a_square(self):
        width, height, pixels = read_png(os.path.join(self.root, ICON))
        self.assertEqual((width, height), (96, 96))
        icon_width, icon_height, icon = read_icon(ICON_FILE)
        left, top = (96 - icon_width) // 2, (96 - icon_height) // 2
        differences = []
        for y in range(96):
            for x in range(96):
                got = pixels[y * 96 + x]
                inside = left <= x < left + icon_width and top <= y < top + icon_height
                want = icon[(y - top) * icon_width + x - left] if inside else 0
                # Transparent pixels carry no colour worth comparing.
                if got >> 24 != want >> 24 or (want >> 24 and got != want):
                    differences.append((x, y, hex(got), hex(want)))
        self.assertEqual(differences[:5], [], f"{len(differences)} pixels differ")


class DebianPackage(x_session.ProgramTestCase):
    @classmethod
    def setUpClass(cls):
        require_build()
        if shutil.which(CPACK) is None and not os.path.isfile(CPACK):
            raise unittest.SkipTest("cpack is not installed")
        if shutil.which("dpkg-deb") is None:
            raise unittest.SkipTest("dpkg-deb is not installed")
        cls.folder = tempfile.mkdtemp(prefix="shopassist-deb.")
        try:
            subprocess.run([CPACK, "-G", "DEB", "-B", cls.folder, "--config", os.path.join(BUILD, "CPackConfig.cmake")],
                           check=True, capture_output=True, timeout=300)
            debs = [n for n in os.listdir(cls.folder) if n.endswith(".deb")]
            if len(debs) != 1:
                raise AssertionError(f"cpack made {debs}")
            cls.deb = os.path.join(cls.folder, debs[0])
            cls.extracted = os.path.join(cls.folder, "extracted")
            subprocess.run(["dpkg-deb", "-x", cls.deb, cls.extracted], check=True, timeout=60)
            cls.program = os.path.join(cls.extracted, PROGRAM)
            super().setUpClass()
        except BaseException:
            shutil.rmtree(cls.folder, ignore_errors=True)
            raise

    @classmethod
    def tearDownClass(cls):
        super().tearDownClass()
        shutil.rmtree(cls.folder, ignore_errors=True)

    def field(self, name):
        return subprocess.run(["dpkg-deb", "-f", self.deb, name], check=True, capture_output=True
                              ).stdout.decode().strip()

    def test_control_fields(self):
        self.assertEqual(self.field("Package"), "shopassist")
        self.assertEqual(self.field("Version"), "1.0")
        architecture = subprocess.run(["dpkg", "--print-architecture"], capture_output=True).stdout.decode().strip()
        self.assertEqual(self.field("Architecture"), architecture)
        depends = [d.strip().split(" ")[0] for d in self.field("Depends").split(",")]
        # Every shared library the packaged program needs comes with a package it depends on.
        libraries = packages_of_needed_libraries(self.program)
        self.assertIn("libSDL2-2.0.so.0", libraries)
        for library, package in libraries.items():
            with self.subTest(library=library):
                self.assertIn(package, depends)
        for package in RUNTIME_PACKAGES:
            with self.subTest(package=package):
                self.assertIn(package, depends)
        # Every name is a real package of this system's distribution.
        for package in depends:
            with self.subTest(known=package):
                known = subprocess.run(["dpkg-query", "-W", package], capture_output=True).returncode == 0
                if not known and shutil.which("apt-cache"):
                    shown = subprocess.run(["apt-cache", "show", package], capture_output=True)
                    known = shown.returncode == 0 and shown.stdout.strip() != b""
                self.assertTrue(known, f"{package} is no package here")

    def test_files_are_the_program_entry_and_icon(self):
        listing = subprocess.run(["dpkg-deb", "-c", self.deb], check=True, capture_output=True).stdout.decode()
        files = sorted(line.split()[-1].lstrip("./") for line in listing.splitlines() if not line.startswith("d"))
        self.assertEqual(files, sorted([PROGRAM, DESKTOP_ENTRY, ICON]))
        modes = {line.split()[-1].lstrip("./"): line.split()[0] for line in listing.splitlines()}
        self.assertEqual(modes[PROGRAM], "-rwxr-xr-x")
        self.assertEqual(modes[DESKTOP_ENTRY], "-rw-r--r--")

    def test_the_packaged_program_starts_and_searches(self):
        app = self.start()
        app.type("deb")
        app.key("Return", "Return")
        self.assertEqual(app.wait_for_calls(1), [[a.taobao("deb")]])
        self.close_with_esc(app)


if __name__ == "__main__":
    x_session.main()
