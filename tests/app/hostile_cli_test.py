#!/usr/bin/env python3
"""getlink-cli against a hostile server: every download path (the share page over WinINet;
for 360云盘 the short link's POST through the WinHttp object, the share page over HTTP/1.0
and the download API's POST) meets answers that never come, come one byte a second, never
end, carry a 200 KiB header line, garbage or a redirect to a local file, and links that hold
line breaks, are very long, have no scheme or name a local file. Each run ends within the
bound of its downloads, exits 0 or 1, prints valid UTF-8, shows nothing of a local file,
and the server's record shows no header line the program did not mean to send.

    share_server.py --run -- python3 hostile_cli_test.py WINE_WRAPPER getlink-cli.exe

The runs go side by side (most of them wait), so the matrix takes about as long as its
slowest run.
"""

import json
import os
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.request
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

COMMAND = sys.argv[1:]  # how to start getlink-cli
SERVER = os.environ.get("GETLINK_SHARE_SERVER", "")
PAGES = Path(__file__).resolve().parent.parent / "server" / "pages"

PAGE_LIMIT = 30  # seconds: a share page, or the 360 share page over HTTP/1.0
REQUEST_LIMIT = 15  # seconds: one exchange through the WinHttp object
SLACK = 15  # seconds for starting Wine and for a machine busy with the other runs
PARALLEL_RUNS = 6
SECRET = "SECRET4f1c"  # in a local file that must never be read


def server_json(path):
    with urllib.request.urlopen(SERVER + path, timeout=30) as answer:
        return json.loads(answer.read())


class Run:
    """One getlink-cli run: what it was given, what it printed and how long it took."""

    def __init__(self, name, service, link, bound, statuses=(1,), requests=True):
        self.name, self.service, self.link, self.bound = name, service, link, bound
        self.statuses, self.requests = statuses, requests
        self.status = self.out = self.err = self.took = None

    def __call__(self):
        # Output to files, not pipes: a Wine service that a run starts may inherit a pipe and
        # hold it open long after the run has ended.
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            started = time.monotonic()
            self.status = subprocess.call(COMMAND + [self.service, self.link], stdout=out, stderr=err,
                                          timeout=self.bound + 60)
            self.took = time.monotonic() - started
            out.seek(0)
            err.seek(0)
            self.out, self.err = out.read(), err.read()
        return self


def matrix(secret_url, refused_port):
    """Every case, each with a tag (case=NAME) in its link that the server's record shows."""
    page, short, long_, api = PAGE_LIMIT + SLACK, REQUEST_LIMIT + SLACK, PAGE_LIMIT + SLACK, REQUEST_LIMIT + SLACK
    runs = []

    def paths(name, route, query=""):
        """The route through each download path: the share page (Baidu), the 360 short link
        (its POST), the 360 long link (its share page over HTTP/1.0)."""
        sep = "&" if query else ""
        runs.append(Run(f"{name}/page", "1", f"{SERVER}{route}?{query}{sep}case={name}-page", page))
        runs.append(Run(f"{name}/short", "2", f"{SERVER}{route}?{query}{sep}case={name}-short", short))
        runs.append(Run(f"{name}/long", "2", f"{SERVER}{route}/lk?{query}{sep}case={name}-long", long_))

    def api_run(name):
        """The 360 download API answering like /hostile/NAME (the share's surl picks it)."""
        runs.append(Run(f"{name}/api", "2", f"{SERVER}/360/lk/hostile-{name}", api))

    paths("silent", "/hostile/silent")
    api_run("silent")
    paths("trickle", "/hostile/trickle")
    api_run("trickle")
    paths("trickle-head", "/hostile/trickle", "part=head")
    paths("endless", "/hostile/endless")
    api_run("endless")
    paths("endless-sized", "/hostile/endless", "length=huge")
    paths("long-header", "/hostile/long-header")
    api_run("long-header")
    paths("error-status", "/answer", "status=500&body=oops")
    to_secret = "to=" + urllib.request.quote(secret_url, safe="")
    paths("file-redirect", "/hostile/file-location", to_secret)
    api_run("file-location")
    for number, service in (("1", "baidu"), ("3", "weiyun"), ("4", "weipan"), ("5", "vdisk"), ("6", "qiannao")):
        for seed in (1, 2, 3):
            runs.append(Run(f"garbage-{service}-{seed}", number,
                            f"{SERVER}/hostile/garbage/{service}?seed={seed}&case=garbage", page, (0, 1)))
    for seed in (1, 2, 3):
        runs.append(Run(f"garbage-360-page-{seed}", "2", f"{SERVER}/hostile/garbage/360/lk?seed={seed}", long_ + api))
        runs.append(Run(f"garbage-360-short-{seed}", "2", f"{SERVER}/hostile/garbage/360-short?seed={seed}",
                        short + long_ + api))
    api_run("garbage")

    refused = f"http://127.0.0.1:{refused_port}"
    unresolvable = "http://" + "a" * 64 + ".invalid"  # a label no resolver sends anywhere
    for name, base in (("refused", refused), ("unresolvable", unresolvable)):
        runs.append(Run(f"{name}/page", "1", f"{base}/x", page))
        runs.append(Run(f"{name}/short", "2", f"{base}/x", short))
        runs.append(Run(f"{name}/long", "2", f"{base}/lk", long_))

    # Links holding line breaks: getlink-cli takes the link a share text begins with, up to
    # the line break, and no request may carry the line after it (the record shows).
    injected = "\r\nX-Injected: 1"
    for service, tag in (("1", "page"), ("2", "short")):
        runs.append(Run(f"crlf/{tag}", service, f"{SERVER}/echo?case=crlf-{tag}{injected}", short))
        runs.append(Run(f"lf/{tag}", service, f"{SERVER}/echo?case=lf-{tag}\nX-Injected: 1", short))
    runs.append(Run("crlf/long", "2", f"{SERVER}/echo/lk?case=crlf-long{injected}", long_ + api))
    # Links that must never be requested.
    for service, tag in (("1", "page"), ("2", "short")):
        runs.append(Run(f"no-scheme/{tag}", service, f"{SERVER[len('http://'):]}/echo?case=no-scheme-{tag}", 5,
                        requests=False))
        runs.append(Run(f"file-link/{tag}", service, secret_url, 5, requests=False))
    # As long as a Windows command line can carry (32767 characters); longer links are
    # the download paths' own test (hostile_net_win_tests).
    runs.append(Run("long-link/page", "1", f"{SERVER}/baidu/share/link?case=long-link&x=" + "a" * 32000, page, (0,)))
    runs.append(Run("long-link/short", "2", f"{SERVER}/360/s/Qx7Yb2Zk?case=long-link&x=" + "a" * 32000,
                    short + long_ + api))
    return runs


class HostileServer(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not SERVER:
            raise unittest.SkipTest("run through share_server.py --run")
        cls.folder = tempfile.TemporaryDirectory()
        secret = Path(cls.folder.name) / "secret-share-page.html"
        page = (PAGES / "baidu.html").read_text(encoding="utf-8").replace("毕业设计 终稿", SECRET)
        secret.write_text(page, encoding="utf-8")
        secret_url = "file:///Z:" + secret.as_posix()  # Wine's Z: is the Linux root
        urllib.request.urlopen(SERVER + "/_record/clear", timeout=30).read()
        refused_port = int(urllib.request.urlopen(SERVER + "/_refused_port", timeout=30).read())
        runs = matrix(secret_url, refused_port)
        # Bodies without end keep the server and the client busy: they run one at a time,
        # the rest (mostly waiting) side by side.
        busy = [run for run in runs if "endless" in run.name]
        for run in busy:
            run()
        with ThreadPoolExecutor(PARALLEL_RUNS) as pool:
            list(pool.map(lambda run: run(), [run for run in runs if run not in busy]))
        cls.runs = runs
        cls.record = server_json("/_record")
        for run in runs:
            print(f"{run.took:6.1f} s  exit {run.status}  {run.name}", file=sys.stderr)

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def test_every_run_ends_within_its_bound_and_exits_0_or_1(self):
        for run in self.runs:
            with self.subTest(run.name):
                self.assertLess(run.took, run.bound)
                self.assertIn(run.status, run.statuses)
                # Nothing, or the reason no address came back.
                self.assertTrue(run.err == b"" or run.err.startswith(b"getlink-cli: "), run.err[:200])

    def test_output_is_the_labels_in_valid_utf8(self):  # and the reason, if any
        for run in self.runs:
            with self.subTest(run.name):
                text = run.out.decode("utf-8")  # strict: fails on anything that is not UTF-8
                run.err.decode("utf-8")
                first = "文件地址：" if run.service == "2" else "文件名："
                self.assertTrue(text.startswith(first), text[:80])
                self.assertTrue(text.endswith("\r\n"))
                if run.status == 1:
                    self.assertTrue(text.endswith("文件地址：\r\n"), text[-80:])

    def test_no_local_file_is_read(self):
        for run in self.runs:
            with self.subTest(run.name):
                self.assertNotIn(SECRET.encode(), run.out)

    def test_no_request_carries_a_line_of_its_own(self):
        for request in self.record:
            with self.subTest(request["line"][:80]):
                line = request["line"]
                self.assertTrue(line.endswith("\r\n") and "\r" not in line[:-2] and "\n" not in line[:-2])
                self.assertNotIn("X-Injected", [name for name, _ in request["headers"]])

    def test_links_that_must_not_be_requested_are_not(self):
        targets = [request["target"] for request in self.record]
        for run in self.runs:
            if run.requests or "case=" not in run.link:
                continue
            tag = run.link[run.link.index("case="):].split("\r")[0].split("\n")[0]
            with self.subTest(run.name):
                self.assertFalse([t for t in targets if tag in t])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
