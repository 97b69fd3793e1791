#!/usr/bin/env python3
"""Packs what a user needs into the zip that scripts/package makes:
    package_zip.py BUILD_DIR README OUT_ZIP
getlink.exe, getlink-cli.exe, res/ym.jpg and the built-in services' example rule files
(services/examples/*.json) from BUILD_DIR, and the read-me (UTF-8 with a
byte-order mark and CR LF line ends, which Notepad on an older Windows needs), all under
getlink/. Every entry carries ordinary Unix permissions (0644, the programs 0755), so that
unzip gives files anyone may read whatever the build folder's modes, rather than the 0600
that zipfile writes for an entry made from bytes."""

import stat
import sys
import time
import zipfile
from pathlib import Path

FILES = (("getlink.exe", 0o755), ("getlink-cli.exe", 0o755), ("res/ym.jpg", 0o644))
EXAMPLES = "services/examples"
README_MODE = 0o644


def entry(name, mode):
    """A zip entry for a regular file with these permissions, made on Unix, dated now."""
    info = zipfile.ZipInfo(f"getlink/{name}", date_time=time.localtime()[:6])
    info.create_system = 3  # Unix: unzip applies the permissions below
    info.external_attr = (stat.S_IFREG | mode) << 16
    info.compress_type = zipfile.ZIP_DEFLATED
    return info


def pack(build, readme, out):
    text = Path(readme).read_text(encoding="utf-8").replace("\n", "\r\n")
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
        for name, mode in FILES:
            z.writestr(entry(name, mode), Path(build, name).read_bytes())
        for example in sorted(Path(build, EXAMPLES).glob("*.json")):
            z.writestr(entry(f"{EXAMPLES}/{example.name}", README_MODE), example.read_bytes())
        z.writestr(entry("README.txt", README_MODE), "\ufeff".encode("utf-8") + text.encode("utf-8"))


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    pack(*sys.argv[1:])
    print(sys.argv[3])
