"""A real aria2 (aria2c) for the tests that hand it addresses: its JSON-RPC on a free
loopback port with a secret, and a download folder of its own, where the tests wait for
the files it downloads from the stand-in server."""

import json
import shutil
import socket
import subprocess
import tempfile
import time
import urllib.parse
import urllib.request
from pathlib import Path

ARIA2_SECRET = "s3cret-aria2"
ARIA2_BOUND = 60  # seconds for aria2 to start, or to download a file from the stand-in server


class Aria2:
    """aria2c with its JSON-RPC on a free loopback port, a secret and a download folder of
    its own, two levels down in FOLDER, so that FOLDER shows what lands outside it."""

    def __init__(self, folder):
        self.outer = folder
        self.folder = folder / "outer" / "downloads"
        self.folder.mkdir(parents=True)
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            port = probe.getsockname()[1]
        self.rpc = f"http://127.0.0.1:{port}/jsonrpc"
        self.log = open(folder / "aria2.log", "wb")
        self.process = subprocess.Popen(
            ["aria2c", "--no-conf", "--enable-rpc", f"--rpc-listen-port={port}", f"--rpc-secret={ARIA2_SECRET}",
             f"--dir={self.folder}", "--auto-file-renaming=false", "--file-allocation=none", "--console-log-level=warn"],
            stdin=subprocess.DEVNULL, stdout=self.log, stderr=subprocess.STDOUT)

    def wait_until_answering(self):
        call = json.dumps({"jsonrpc": "2.0", "id": "t", "method": "aria2.getVersion",
                           "params": [f"token:{ARIA2_SECRET}"]}).encode()
        deadline = time.monotonic() + ARIA2_BOUND
        while self.process.poll() is None and time.monotonic() < deadline:
            try:
                with urllib.request.urlopen(self.rpc, data=call, timeout=5) as answer:
                    return json.loads(answer.read())["result"]["version"]
            except OSError:
                time.sleep(0.2)
        raise AssertionError(f"aria2c gave no answer at {self.rpc} (status {self.process.poll()})")

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        self.log.close()

    def clear(self):
        for path in self.folder.iterdir():
            path.unlink()

    def assert_downloaded(self, test, expected):
        """Waits until the download folder holds exactly these files (name -> address), each
        with the bytes the server gives for its address, and nothing has landed beside it."""
        wanted = {name: urllib.request.urlopen(address, timeout=30).read() for name, address in expected.items()}
        deadline = time.monotonic() + ARIA2_BOUND
        while True:
            held = {path.name: path.read_bytes() for path in self.folder.iterdir()}
            if held == wanted or time.monotonic() > deadline:
                break
            time.sleep(0.2)
        test.assertEqual(sorted(held), sorted(wanted))
        test.assertEqual(held, wanted)
        landed = {str(path.relative_to(self.outer)) for path in self.outer.rglob("*") if path.is_file()}
        test.assertEqual(landed, {"aria2.log"} | {f"outer/downloads/{name}" for name in wanted})


def share_of_file_here(server, name):
    """A Baidu share of a file named NAME whose address is on the stand-in server at SERVER,
    so that aria2 really downloads it."""
    return f"{server}/baidu/s/here?name={urllib.parse.quote(name, safe='')}"


def start_aria2(add_cleanup):
    """A running aria2 in a folder of its own; `add_cleanup` (a test's or a test class's)
    stops it and removes the folder."""
    if not shutil.which("aria2c"):
        raise AssertionError("aria2c is missing: scripts/setup installs it")
    folder = Path(tempfile.mkdtemp(prefix="getlink-aria2-"))
    add_cleanup(shutil.rmtree, folder, ignore_errors=True)
    aria2 = Aria2(folder)
    add_cleanup(aria2.stop)
    aria2.wait_until_answering()
    return aria2
