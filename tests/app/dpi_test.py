#!/usr/bin/env python3
"""getlink.exe at the display scales people use: the real program in Wine prefixes whose
DPI is 96, 120, 144 and 192 (dpi_prefix.py), on the X display in DISPLAY; and there the
main window's texts measured against their controls (a test of app_window_tests.exe,
which is DPI-aware as the program is).

    python3 dpi_test.py WINE_WRAPPER getlink.exe app_window_tests.exe
    (WINEPREFIX: the test prefix; GETLINK_SHARE_SERVER: the stand-in server)
"""

import os
import subprocess
import sys
import tempfile
import unittest

import dpi_prefix
from window_test import COMMAND, TITLE, geometry, poll, windows_named

WIDTH, HEIGHT = 450, 320  # the main window in 96-DPI units
DPIS = (96, 120, 144, 192)
TEXT_TEST = "MainWindowTest.NoTextIsClippedByItsControl"
WINE, PROGRAM, WINDOW_TESTS = COMMAND


def pixels(units, dpi):
    return int(units * dpi / 96 + 0.5)


@unittest.skipUnless(os.environ.get("DISPLAY"), "needs an X display")
class MainWindowAtEveryDpi(unittest.TestCase):
    def test_each_dpi(self):
        for dpi in DPIS:
            with dpi_prefix.prefix_at(dpi) as environment:
                with self.subTest("the window grows with the DPI", dpi=dpi):
                    self.check_window_size(environment, dpi)
                with self.subTest("no text is clipped by its control", dpi=dpi):
                    self.check_texts(environment)

    def check_window_size(self, environment, dpi):
        process = subprocess.Popen([WINE, PROGRAM], env=environment, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            window = poll("the main window", lambda: (windows_named(TITLE) or [None])[0])
            self.assertEqual(geometry(window)[2:], (pixels(WIDTH, dpi), pixels(HEIGHT, dpi)))
        finally:
            process.kill()
            process.wait()
            poll("the main window gone", lambda: not windows_named(TITLE))

    def check_texts(self, environment):
        # Into a file, not a pipe: the Wine processes the test starts keep a pipe open.
        with tempfile.TemporaryFile("w+", encoding="utf-8", errors="replace") as output:
            subprocess.run([WINE, WINDOW_TESTS, f"--gtest_filter={TEXT_TEST}", "--gtest_color=no"], env=environment,
                           stdin=subprocess.DEVNULL, stdout=output, stderr=subprocess.STDOUT, timeout=120)
            output.seek(0)
            text = output.read()
        self.assertIn("[  PASSED  ] 1 test", text, text[-4000:])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
