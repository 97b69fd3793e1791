#!/usr/bin/env python3
"""Runs a command with Wine's display at another DPI: in a copy of the test Wine prefix
(WINEPREFIX) whose LogPixels is set, removed afterwards. The copy shares drive_c with the
original (only the registry differs); its own wineserver is ended at the end.

    dpi_prefix.py DPI -- COMMAND...

The command finds the prefix in WINEPREFIX and the DPI in GETLINK_TEST_DPI.
"""

import contextlib
import os
import shutil
import subprocess
import sys
import tempfile

# Where Wine reads the system DPI from.
LOG_PIXELS_KEYS = (
    r"HKCU\Control Panel\Desktop",
    r"HKCU\Software\Wine\Fonts",
    r"HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts",
)
QUIET = {"stdin": subprocess.DEVNULL, "stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}


def wine_environment(prefix, dpi):
    # scripts/wine takes its prefix from GETLINK_WINEPREFIX.
    return dict(os.environ, WINEPREFIX=prefix, GETLINK_WINEPREFIX=prefix, GETLINK_TEST_DPI=str(dpi))


@contextlib.contextmanager
def prefix_at(dpi):
    """A copy of WINEPREFIX at `dpi`; yields the environment that runs Wine in it."""
    source = os.environ["WINEPREFIX"]
    directory = tempfile.mkdtemp(prefix=f"getlink-dpi{dpi}-")
    prefix = os.path.join(directory, "prefix")
    environment = wine_environment(prefix, dpi)
    try:
        os.mkdir(prefix)
        for name in os.listdir(source):
            path = os.path.join(source, name)
            if name == "drive_c":
                os.symlink(path, os.path.join(prefix, name))
            elif name == "dosdevices":
                shutil.copytree(path, os.path.join(prefix, name), symlinks=True)
            elif os.path.isfile(path) and name != "wineserver":
                shutil.copy2(path, prefix)
        subprocess.run(["wineserver", "-p"], env=environment, check=False, **QUIET)
        for key in LOG_PIXELS_KEYS:
            subprocess.run(["wine", "reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f"],
                           env=environment, check=True, **QUIET)
        # The DPI is read when Wine starts: a fresh wineserver for the command.
        subprocess.run(["wineserver", "-k"], env=environment, check=False, **QUIET)
        subprocess.run(["wineserver", "-w"], env=environment, check=False, **QUIET)
        subprocess.run(["wineserver", "-p"], env=environment, check=False, **QUIET)
        yield environment
    finally:
        subprocess.run(["wineserver", "-k"], env=environment, check=False, **QUIET)
        shutil.rmtree(directory, ignore_errors=True)


def main(arguments):
    if len(arguments) < 3 or arguments[1] != "--":
        sys.exit("usage: dpi_prefix.py DPI -- COMMAND...")
    with prefix_at(int(arguments[0])) as environment:
        return subprocess.run(arguments[2:], env=environment, check=False).returncode


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
