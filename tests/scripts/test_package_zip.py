#!/usr/bin/env python3
"""The packaged zip: every entry unpacks with ordinary permissions (0644, the programs 0755)
whatever the modes in the build folder, and the read-me is UTF-8 with a byte-order mark and
CR LF line ends."""

import os
import shutil
import stat
import subprocess
import sys
import tempfile
import unittest
import zipfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts"))
import package_zip  # noqa: E402

EXPECTED_MODES = {"getlink/getlink.exe": 0o755, "getlink/getlink-cli.exe": 0o755, "getlink/res/ym.jpg": 0o644,
                  "getlink/services/examples/baidu.json": 0o644, "getlink/README.txt": 0o644}


class PackageZipTest(unittest.TestCase):
    def setUp(self):
        self.folder = Path(tempfile.mkdtemp(prefix="getlink-package-"))
        self.addCleanup(shutil.rmtree, self.folder, ignore_errors=True)
        build = self.folder / "build"
        (build / "res").mkdir(parents=True)
        (build / "services" / "examples").mkdir(parents=True)
        # Modes a build folder may well have: nothing the zip should carry over.
        for name, mode in (("getlink.exe", 0o700), ("getlink-cli.exe", 0o700), ("res/ym.jpg", 0o600),
                           ("services/examples/baidu.json", 0o600)):
            (build / name).write_bytes(name.encode())
            os.chmod(build / name, mode)
        readme = self.folder / "README.txt"
        readme.write_text("说明\nline two\n", encoding="utf-8")
        os.chmod(readme, 0o600)
        self.zip = self.folder / "getlink-win32.zip"
        package_zip.pack(str(build), str(readme), str(self.zip))

    def test_entries_carry_ordinary_modes_and_the_readme_is_for_notepad(self):
        with zipfile.ZipFile(self.zip) as z:
            modes = {info.filename: (info.create_system, info.external_attr >> 16) for info in z.infolist()}
            self.assertEqual(z.read("getlink/res/ym.jpg"), b"res/ym.jpg")
            self.assertEqual(z.read("getlink/README.txt"), "\ufeff说明\r\nline two\r\n".encode("utf-8"))
        self.assertEqual(modes, {name: (3, stat.S_IFREG | mode) for name, mode in EXPECTED_MODES.items()})

    @unittest.skipUnless(shutil.which("unzip"), "unzip is not installed")
    def test_unzip_gives_those_modes(self):
        target = self.folder / "unpacked"
        subprocess.run(["unzip", "-q", str(self.zip), "-d", str(target)], check=True)
        for name, mode in EXPECTED_MODES.items():
            self.assertEqual(stat.S_IMODE(os.stat(target / name).st_mode), mode & ~current_umask(), name)


def current_umask():
    mask = os.umask(0)
    os.umask(mask)
    return mask


if __name__ == "__main__":
    unittest.main(verbosity=2)
