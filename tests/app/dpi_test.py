#!/usr/bin/env python3
"""getlink.exe at the display scales people use: the real program in Wine prefixes whose
DPI is 96, 120, 144 and 192 (dpi_prefix.py), on the X display in DISPLAY.

    python3 dpi_test.py WINE_WRAPPER getlink.exe      (WINEPREFIX: the test prefix)
"""

import os
import subprocess
import sys
import unittest

import dpi_prefix
from window_test import COMMAND, TITLE, geometry, poll, windows_named

WIDTH, HEIGHT = 450, 320  # the main window in 96-DPI units


def pixels(units, dpi):
    return int(units * dpi / 96 + 0.5)


@unittest.skipUnless(os.environ.get("DISPLAY"), "needs an X display")
class MainWindowAtEveryDpi(unittest.TestCase):
    def test_the_window_grows_with_the_dpi(self):
        for dpi in (96, 120, 144, 192):
            with self.subTest(dpi=dpi), dpi_prefix.prefix_at(dpi) as environment:
                process = subprocess.Popen(COMMAND, env=environment, stdin=subprocess.DEVNULL,
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                try:
                    window = poll("the main window", lambda: (windows_named(TITLE) or [None])[0])
                    self.assertEqual(geometry(window)[2:], (pixels(WIDTH, dpi), pixels(HEIGHT, dpi)))
                finally:
                    process.kill()
                    process.wait()
                    poll("the main window gone", lambda: not windows_named(TITLE))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
