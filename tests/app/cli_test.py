#!/usr/bin/env python3
"""getlink-cli end to end: runs the real program (through Wine) against the stand-in share
server and checks its output bytes, its error text and its exit status; with --send aria2,
against a real aria2 (aria2c) that downloads from the stand-in server.

    share_server.py --run -- python3 cli_test.py WINE_WRAPPER getlink-cli.exe
"""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.request
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

from aria2_daemon import ARIA2_SECRET, share_of_file_here, start_aria2

COMMAND = sys.argv[1:]  # how to start getlink-cli
SERVER = os.environ.get("GETLINK_SHARE_SERVER", "")
HOSTS = json.load(open(os.environ["GETLINK_SHARE_HOSTS"])) if "GETLINK_SHARE_HOSTS" in os.environ else {}


def block(name, size, sharer, time, count, address):
    """The result block as the program prints it: UTF-8, CR LF, a line break at the end."""
    return (f"文件名：{name}\r\n文件大小：{size}\r\n分享用户：{sharer}\r\n分享时间：{time}\r\n"
            f"下载次数：{count}\r\n\r\n文件地址：{address}\r\n").encode("utf-8")


EXPECTED = {
    ("baidu", "/baidu/share/link?shareid=3527811924&uk=2215371460"): block(
        "毕业设计 终稿.docx", "2.35M", "云端漫步者", "2013-05-20 14:32", "128",
        "http://d.pcs.baidu.com/file/1f2e3d4c5b6a79887766554433221100?fid=2215371460-250528-917243655201384"
        "&time=1369031520&rt=sh&sign=FDTAER-DCb740ccc5511e5e8fedcff06b081203-Zx8%2BqWm%3D&expires=8h"
        "&r=482761093&sh=1"),
    ("weiyun", "/weiyun/share/5f1a2b3c4d5e6f708192a3b4c5d6e7f8"): block(
        "2013年度报告（终稿）.pdf", "4718592", "282561792", "2013-06-14 09:21:37", "19",
        f"http://{HOSTS.get('WEIYUN_DOWNLOAD_HOST')}/ftn_handler/"
        "9f8e7d6c5b4a3f2e1d0c2b3a4958677685940312a1b2c3d4e5f60718293a4b5c/?fname=2013年度报告（终稿）.pdf"),
    ("weipan", "/weipan/s/aBcDeFgHiJkL"): block(
        "2014国考申论范文精选.doc", "1.2 MB", "考试达人", "No", "2391",
        f"http://{HOSTS.get('WEIPAN_FILE_HOST')}/42/17/9a8b7c6d5e4f?ssig=Ab%2Fcd3EfGh&Expires=1400000000"
        "&KID=sae,l30zoo1wmz&fn=2014国考申论范文精选.doc"),
    ("vdisk", "/vdisk/down/index/11032468.html"): block(
        "考研英语真题解析（2003-2012）.rar", "15.6 MB", "学海无涯", "2012-11-03", "3421",
        f"http://{HOSTS.get('VDISK_DOWNLOAD_HOST')}/downfile/2012/1103/9f3a6c2e/%E8%80%83%E7%A0%94.rar?key=7c1d9e"),
    ("qiannao", "/qiannao/file/2013/0308/photoshop-cs6.html"): block(
        "Photoshop CS6 教程合集.zip", "356.2 MB", "设计小站", "2013-03-08 21:15:02", "No",
        f"http://{HOSTS.get('QIANNAO_DOWNLOAD_HOST')}/down/2013/0308/a1b2c3d4/Photoshop_CS6.zip"),
}


def run_cli(*args, stdin=b"", program=None):
    """Runs getlink-cli (or another copy of it) with the arguments."""
    command = COMMAND[:-1] + [str(program)] if program else COMMAND
    done = subprocess.run(command + list(args), input=stdin, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                          timeout=120)
    return done.returncode, done.stdout, done.stderr


def server(path):
    with urllib.request.urlopen(SERVER + path, timeout=30) as answer:
        return answer.read()


def refused_link(path):
    return f"http://127.0.0.1:{int(server('/_refused_port'))}{path}"


def assert_usage_error(test, status, out, err):
    """Exit status 2, nothing on standard output, and two lines on standard error: the
    problem, then where the usage is (not the usage itself, which would push the problem
    out of sight)."""
    test.assertEqual((status, out), (2, b""))
    problem, pointer, end = err.split(b"\r\n")
    test.assertTrue(problem.startswith(b"getlink-cli: ") and len(problem) > len(b"getlink-cli: "), err)
    test.assertEqual((pointer, end), (b"getlink-cli --help shows the usage", b""))


def json_lines(out):
    lines = out.decode("utf-8").split("\r\n")
    assert lines[-1] == "", out
    return [json.loads(line) for line in lines[:-1]]


WEIYUN = "/weiyun/share/5f1a2b3c4d5e6f708192a3b4c5d6e7f8"
WEIPAN = "/weipan/s/aBcDeFgHiJkL"
VDISK = "/vdisk/down/index/11032468.html"
NO_ADDRESS = "the page carries no download address (the share was removed or the page changed)"


class GetlinkCli(unittest.TestCase):
    def setUp(self):
        self.assertTrue(SERVER and HOSTS, "run through share_server.py --run")

    def test_every_service_prints_its_result_block(self):
        for (service, path), expected in EXPECTED.items():
            with self.subTest(service=service):
                status, out, err = run_cli(service, SERVER + path)
                self.assertEqual(out, expected)
                self.assertEqual((status, err), (0, b""))

    def test_service_by_combo_number_and_link_with_blanks(self):
        status, out, _ = run_cli("6", f" {SERVER}/qiannao/file/2013/0308/photoshop-cs6.html\r\n")
        self.assertEqual((status, out), (0, EXPECTED[("qiannao", "/qiannao/file/2013/0308/photoshop-cs6.html")]))

    def test_no_address_found_prints_the_labels_and_exits_1(self):
        status, out, _ = run_cli("weiyun", SERVER + "/status/404")
        self.assertEqual((status, out), (1, block("", "", "", "", "", "")))
        status, out, _ = run_cli("4", "not a link")
        self.assertEqual((status, out), (1, block("", "", "", "No", "", "")))

    def test_usage_errors_exit_2_with_the_problem_and_where_the_usage_is(self):
        for args in ([], ["baidu"], ["7", SERVER + "/baidu/s/1"], ["pan", SERVER + "/baidu/s/1"],
                     ["baidu", SERVER + "/baidu/s/1", "extra"]):
            with self.subTest(args=args):
                assert_usage_error(self, *run_cli(*args))
        self.assertIn(b'"pan" (the services: 1 baidu, 2 360, 3 weiyun, 4 weipan, 5 vdisk, 6 qiannao)\r\n',
                      run_cli("pan", SERVER + "/baidu/s/1")[2])

    def test_360_prints_the_address_line_alone(self):
        address = (f"{SERVER}/360/file/13718923744520577/"
                   "%E6%AF%95%E4%B8%9A%E8%AE%BE%E8%AE%A1%20%E7%BB%88%E7%A8%BF.docx?sign=a7f3e9c1&t=1369031520")
        for service, path in (("2", "/360/s/Qx7Yb2Zk"), ("360", "/360/lk/Qx7Yb2Zk")):
            with self.subTest(service=service, path=path):
                status, out, err = run_cli(service, SERVER + path)
                self.assertEqual(out, f"文件地址：{address}\r\n".encode("utf-8"))
                self.assertEqual((status, err), (0, b""))

    def test_360_without_an_address_prints_the_label_and_exits_1(self):
        for link in (SERVER + "/360/lk/Unknown9", SERVER + "/360/s/Qx7Yb2Zk?location=ftp", "not a link"):
            with self.subTest(link=link):
                status, out, _ = run_cli("2", link)
                self.assertEqual((status, out), (1, "文件地址：\r\n".encode("utf-8")))


class GetlinkCliBeyondAPlainLink(unittest.TestCase):
    """Share texts, batches, formats, failure reasons and the service found from the host."""

    def setUp(self):
        self.assertTrue(SERVER and HOSTS, "run through share_server.py --run")
        server("/_record/clear")

    def test_batch_fetches_one_at_a_time_in_input_order(self):
        status, out, err = run_cli("weiyun", SERVER + WEIYUN, SERVER + "/status/404", f"链接：{SERVER}{WEIYUN}。")
        found = EXPECTED[("weiyun", WEIYUN)]
        self.assertEqual(out, found + b"\r\n" + block("", "", "", "", "", "") + b"\r\n" + found)
        self.assertEqual(status, 1)
        self.assertEqual(err.decode("utf-8"),
                         f"getlink-cli: {SERVER}/status/404: the page could not be downloaded: HTTP status 404\r\n")
        self.assertEqual(server("/_record?format=lines").decode(),
                         f"GET {WEIYUN}\r\nGET /status/404\r\nGET {WEIYUN}\r\n")

    def test_a_link_with_chinese_in_it_is_requested_whole_as_utf8(self):
        # Through WinINet (a share page, which has an address) and through the WinHttp object
        # (a 360 short link, whose share is unknown).
        encoded = "%E6%B5%8B%E8%AF%95%E6%96%87%E4%BB%B6"
        for service, path, request, status in (("baidu", "/baidu/s/1a?fn=测试文件", f"GET /baidu/s/1a?fn={encoded}", 0),
                                               ("360", "/360/s/测试文件", f"POST /360/s/{encoded}", 1)):
            with self.subTest(service=service):
                server("/_record/clear")
                self.assertEqual(run_cli(service, SERVER + path)[0], status)
                self.assertEqual(server("/_record?format=lines").decode().split("\r\n")[0], request)

    def test_a_page_fetch_loads_no_com_library(self):
        # COM is loaded on the first call into it, which only 360云盘's WinHttp object makes (an
        # apartment joined at start also had Wine start its desktop process, explorer.exe).
        done = subprocess.run(COMMAND + ["weiyun", SERVER + WEIYUN], env=dict(os.environ, WINEDEBUG="+loaddll"),
                              stdin=subprocess.DEVNULL, capture_output=True, timeout=120)
        loaded = set(re.findall(r'\\([\w.-]+)" at', done.stderr.decode("latin-1").lower()))
        self.assertEqual(done.returncode, 0)
        self.assertIn("wininet.dll", loaded)
        self.assertFalse({"ole32.dll", "oleaut32.dll"} & loaded, sorted(loaded))

    def test_standard_input_holds_share_texts_one_a_line_or_over_lines(self):
        second = "/vdisk/down/index/2.html"
        # The first message is spread over lines as some services give it: its lines without
        # a link go with its link.
        texts = (f"\r\n通过网盘分享的文件：考研英语\r\n链接：{SERVER}{VDISK}\r\n提取码：ab12。\r\n--来自网盘的分享\r\n"
                 f"\r\n  {SERVER}{second}\n")
        for encoding in ("utf-8", "gbk"):
            with self.subTest(encoding=encoding):
                status, out, err = run_cli("--format", "json", "vdisk", "-", stdin=texts.encode(encoding))
                lines = json_lines(out)
                self.assertEqual([(line["link"], line["code"]) for line in lines],
                                 [(SERVER + VDISK, "ab12"), (SERVER + second, "")])
                self.assertEqual({line["name"] for line in lines}, {"考研英语真题解析（2003-2012）.rar"})
                self.assertEqual((status, err), (0, b""))

    def test_each_format_of_a_found_and_a_failed_link(self):
        address = (f"http://{HOSTS.get('WEIPAN_FILE_HOST')}/42/17/9a8b7c6d5e4f?ssig=Ab%2Fcd3EfGh&Expires=1400000000"
                   "&KID=sae,l30zoo1wmz&fn=2014国考申论范文精选.doc")
        links = [SERVER + WEIPAN, SERVER + "/status/500"]
        expected = {
            "url": f"{address}\r\n",
            "aria2": f"{address}\r\n  out=2014国考申论范文精选.doc\r\n",
        }
        for format_name, output in expected.items():
            with self.subTest(format=format_name):
                status, out, err = run_cli("--format", format_name, "4", *links)
                self.assertEqual((status, out.decode("utf-8")), (1, output))
                self.assertIn(b"HTTP status 500", err)
        status, out, _ = run_cli("--format=JSON", "weipan", *links)
        found, failed = json_lines(out)
        self.assertEqual(found, {"service": "weipan", "link": links[0], "code": "", "name": "2014国考申论范文精选.doc",
                                 "size": "1.2 MB", "sharer": "考试达人", "shareTime": "No", "downloadCount": "2391",
                                 "address": address})
        self.assertEqual((failed["address"], failed["shareTime"], failed["reason"]),
                         ("", "No", "the page could not be downloaded: HTTP status 500"))
        self.assertEqual(status, 1)

    def test_a_failure_says_why_on_standard_error_and_in_json(self):
        cases = [
            ("weiyun", SERVER + "/status/404", "the page could not be downloaded: HTTP status 404"),
            ("vdisk", refused_link("/vdisk/down/index/1.html"), "the page could not be downloaded: connection refused"),
            ("qiannao", SERVER + "/close", "the page could not be downloaded: the server gave no answer"),
            # The server stops in the middle of the page, or of the 360 download API's reply.
            ("baidu", SERVER + "/hostile/cut/baidu/s/1", "the page could not be downloaded: the connection broke"),
            ("360", SERVER + "/360/lk/hostile-cut", "the page could not be downloaded: the connection broke"),
            ("4", "not a link", "the link is not an http or https address"),
            ("baidu", SERVER + "/echo", NO_ADDRESS),
            ("360", SERVER + "/360/lk/Unknown9", "the page could not be downloaded: HTTP status 404"),
            ("360", SERVER + "/360/s/Qx7Yb2Zk?location=ftp", NO_ADDRESS),
        ]
        for service, link, reason in cases:
            with self.subTest(service=service, link=link):
                status, out, err = run_cli("--format", "json", service, link)
                (line,) = json_lines(out)
                self.assertEqual((line["link"], line["address"], line["reason"]), (link, "", reason))
                self.assertEqual((status, err.decode("utf-8")), (1, f"getlink-cli: {link}: {reason}\r\n"))

    def test_without_a_service_the_links_host_names_it(self):
        # 127.0.0.1 is no service's host: a usage error that lists the services.
        status, out, err = run_cli(SERVER + WEIYUN)
        self.assertEqual((status, out), (2, b""))
        self.assertIn(f"no service is known for the host 127.0.0.1 of \"{SERVER}{WEIYUN}\": name the SERVICE "
                      "(1 baidu, 2 360, 3 weiyun, 4 weipan, 5 vdisk, 6 qiannao)\r\n".encode(), err)
        # A known host is told before the unknown one stops the batch, so nothing is fetched.
        status, out, err = run_cli("-", stdin=f"分享：http://pan.baidu.com/s/1aBcD 提取码：x7k2\n{SERVER}{WEIYUN}\n".encode())
        self.assertEqual((status, out), (2, b""))
        self.assertTrue(err.startswith("getlink-cli: http://pan.baidu.com/s/1aBcD: 百度网盘 (baidu), "
                                       "known from the link's host\r\ngetlink-cli: no service is known for the host "
                                       "127.0.0.1".encode("utf-8")), err)
        self.assertEqual(server("/_record?format=lines"), b"")

    def test_help_and_version(self):
        status, out, err = run_cli("--help")
        self.assertEqual((status, err), (0, b""))
        self.assertTrue(out.startswith(b"usage: getlink-cli SERVICE LINK\r\n"), out)
        self.assertIn(b"aria2c -i -", out)
        self.assertEqual(run_cli("weiyun", "--version"), (0, b"getlink-cli 1.2\r\n", b""))

    def test_more_usage_errors(self):
        link = SERVER + WEIYUN
        for args, stdin in ((["--format", "xml", "weiyun", link], b""), (["weiyun", link, "--format"], b""),
                            (["--bogus", "weiyun", link], b""), (["weiyun", "-", link], b""),
                            (["weiyun", link, "提取码：x7k2"], b""), (["weiyun", "-"], b"\r\n \r\n"),
                            (["-"], "提取码：x7k2\nno link here\n".encode()),
                            (["--send", "motrix", "weiyun", link], b""),
                            (["--send", "aria2", "--aria2-rpc", "ws://127.0.0.1:6800/jsonrpc", "weiyun", link], b""),
                            (["--aria2-secret", "s", "weiyun", link], b"")):
            with self.subTest(args=args, stdin=stdin):
                assert_usage_error(self, *run_cli(*args, stdin=stdin))
        self.assertEqual(server("/_record?format=lines"), b"")


def windows_path(path):
    """A Linux path as the program under Wine names it."""
    return "Z:" + str(path).replace("/", "\\")


EXAMPLES = Path(COMMAND[-1]).parent / "services" / "examples" if COMMAND else Path()
BAIDU = "/baidu/share/link?shareid=3527811924&uk=2215371460"


def mended_baidu_rule():
    """The baidu example rule with the markers of the page's new layout (?layout=new)."""
    rule = (EXAMPLES / "baidu.json").read_text(encoding="utf-8")
    mended = rule.replace('\\\\\\"dlink\\\\\\"', '\\\\\\"downloadUrl\\\\\\"').replace('"文件名:"', '"文件名称:"')
    assert mended.count("downloadUrl") == 1 and mended.count("文件名称:") == 1, "the example rule changed"
    return mended


class GetlinkCliServiceRules(unittest.TestCase):
    """Services described by rule files: added, mended and tried without a new build."""

    def setUp(self):
        self.assertTrue(SERVER and HOSTS, "run through share_server.py --run")
        self.folder = Path(tempfile.mkdtemp(prefix="getlink-services-"))
        self.addCleanup(shutil.rmtree, self.folder, ignore_errors=True)

    def test_a_rule_file_adds_a_service_and_a_broken_one_is_told(self):
        port = SERVER.rsplit(":", 1)[1]
        (self.folder / "mypan.json").write_text(
            '// the weiyun stand-in page, cut another way\n'
            f'{{"service": "mypan", "title": "我的盘", "hosts": ["127.0.0.1:{port}"],\n'
            ' "steps": [{"get": "{link}", "as": "page"},\n'
            '   {"cut": "page", "from": "<title>", "to": " - 微云</title>", "as": "name"},\n'
            '   {"cut": "page", "from": "dl_encrypt_url\\":\\"", "to": "\\"", "as": "key"},\n'
            '   {"text": "http://dl.example/{key}", "if": "key", "as": "address"}],\n'
            ' "result": {"name": "{name}", "address": "{address}"}}', encoding="utf-8-sig")
        (self.folder / "broken.json").write_text('{"service": "broken", "title": "x",\n "steps": [{"gett": "{link}"}]}',
                                                  encoding="utf-8")
        services = windows_path(self.folder)
        status, out, err = run_cli("--services", services, "--list-services")
        self.assertEqual(status, 0)
        self.assertIn("1  baidu  百度网盘  (built in)\r\n".encode(), out)
        self.assertIn(f"7  mypan  我的盘  ({services}\\mypan.json)\r\n".encode(), out)
        told = f"getlink-cli: {services}\\broken.json line 2: a step without a verb".encode()
        self.assertTrue(err.startswith(told), err)
        # Chosen by its host, by its name and by its number; the built-ins still work.
        for args in ([SERVER + WEIYUN], ["mypan", SERVER + WEIYUN], ["7", SERVER + WEIYUN]):
            status, out, err = run_cli("--services", services, "--format", "json", *args)
            self.assertEqual(status, 0, err)
            line = json_lines(out)[0]
            self.assertEqual((line["service"], line["name"]), ("mypan", "2013年度报告（终稿）.pdf"))
            self.assertEqual(line["address"], "http://dl.example/9f8e7d6c5b4a3f2e1d0c2b3a4958677685940312a1b2c3d4e5f60718293a4b5c")
            self.assertEqual(line["size"], "")
        self.assertEqual(run_cli("--services", services, "weiyun", SERVER + WEIYUN)[1], EXPECTED[("weiyun", WEIYUN)])

    def test_a_rule_file_beside_the_program_mends_a_built_in_whose_page_changed(self):
        link = SERVER + BAIDU + "&layout=new"
        status, out, err = run_cli("baidu", link)
        self.assertEqual(status, 1)
        self.assertIn(b"no download address", err)
        program = self.folder / "getlink-cli.exe"
        shutil.copy(COMMAND[-1], program)
        (self.folder / "services").mkdir()
        (self.folder / "services" / "baidu.json").write_text(mended_baidu_rule(), encoding="utf-8")
        status, out, err = run_cli("baidu", link, program=program)
        self.assertEqual((status, out, err), (0, EXPECTED[("baidu", BAIDU)], b""))
        self.assertIn("1  baidu  百度网盘  (services\\baidu.json)\r\n".encode(),
                      run_cli("--list-services", program=program)[1])

    def test_try_rule_prints_each_step_and_where_a_rule_stops(self):
        page = self.folder / "page.html"
        page.write_bytes(server(BAIDU + "&layout=new"))
        example = windows_path(EXAMPLES / "baidu.json")
        # The example on the changed page, saved: the address's cut comes out empty, and the
        # reason names that step; nothing goes to the network.
        server("/_record/clear")
        status, out, err = run_cli("--try-rule", example, "--page", windows_path(page), "http://127.0.0.1:1/s/1x")
        self.assertEqual(status, 1)
        lines = out.decode("utf-8").split("\r\n")
        self.assertTrue(lines[0].startswith("1 get page (line 11): <!DOCTYPE html>"), lines[0])
        self.assertIn("2 cut codeQuery (line 13): (empty)", lines)
        self.assertIn("7 fail (line 20): skipped", lines)
        self.assertIn("21 cut dlink (line 40): (empty)", lines)
        self.assertIn("22 text dlink (line 41): skipped", lines)
        self.assertEqual(err.decode("utf-8"),
                         f"getlink-cli: no download address: rule {example} got nothing at step 21 (cut dlink)\r\n")
        self.assertEqual(server("/_record?format=lines"), b"")
        # The mended rule on the live page.
        mended = self.folder / "mended.json"
        mended.write_text(mended_baidu_rule(), encoding="utf-8")
        status, out, err = run_cli("--try-rule", windows_path(mended), SERVER + BAIDU + "&layout=new")
        self.assertEqual((status, err), (0, b""))
        self.assertIn("21 cut dlink (line 40): http:".encode(), out)
        self.assertTrue(out.endswith(b"\r\n" + EXPECTED[("baidu", BAIDU)]), out)


class GetlinkCliPrivateShares(unittest.TestCase):
    """Baidu's private shares, opened with the extraction code that comes with the link."""

    def setUp(self):
        self.assertTrue(SERVER and HOSTS, "run through share_server.py --run")
        server("/_record/clear")

    def requests(self):
        return server("/_record?format=lines").decode("utf-8").splitlines()

    def test_a_share_opens_with_its_code_from_wherever_it_comes(self):
        private = SERVER + "/baidu/s/1PrivAte9"
        verify = "POST /baidu/share/verify?surl=PrivAte9&t="
        opened = ["GET /baidu/s/1PrivAte9", verify, "GET /baidu/s/1PrivAte9"]
        cases = (  # args, exit status, reason on standard error, the requests' beginnings
            (["baidu", f"链接: {private} 提取码: x7k2 复制这段内容后打开百度网盘"], 0, "", opened),
            (["baidu", private + "?pwd=x7k2"], 0, "", [o.replace("1PrivAte9", "1PrivAte9?pwd=x7k2") for o in opened]),
            (["--code", "x7k2", "baidu", private], 0, "", opened),
            (["baidu", SERVER + BAIDU], 0, "", ["GET " + BAIDU]),  # public: one GET, nothing else
            (["baidu", private], 1, "a private share: it needs its extraction code", ["GET /baidu/s/1PrivAte9"]),
            (["--code", "zzzz", "baidu", private], 1, "the extraction code is wrong", opened[:2]),
            (["--code", "b0k3", "baidu", SERVER + "/baidu/s/1Brok3n"], 1,
             "the answer to the extraction code is not the expected JSON",
             ["GET /baidu/s/1Brok3n", "POST /baidu/share/verify?surl=Brok3n&t="]),
            (["--code", "a&b=c 中", "baidu", SERVER + "/baidu/s/1Sp3cial"], 0, "",
             ["GET /baidu/s/1Sp3cial", "POST /baidu/share/verify?surl=Sp3cial&t=", "GET /baidu/s/1Sp3cial"]),
        )
        for args, status, reason, requests in cases:
            with self.subTest(args=args):
                server("/_record/clear")
                code, out, err = run_cli(*args)
                self.assertEqual(code, status, err)
                if status == 0:
                    self.assertEqual(out, EXPECTED[("baidu", BAIDU)])
                self.assertIn(reason.encode(), err)
                got = self.requests()
                self.assertEqual(len(got), len(requests), got)
                for line, start in zip(got, requests):
                    self.assertTrue(line.startswith(start), (line, start))
        # The code went out as the form asks, never into a reason.
        record = server("/_record?format=text").decode("utf-8", "replace")
        self.assertIn("pwd=a%26b%3Dc%20%E4%B8%AD&vcode=&vcode_str=", record)
        self.assertIn("Referer: http://127.0.0.1:", record)
        self.assertIn("Content-Type: application/x-www-form-urlencoded", record)

    def test_too_many_wrong_codes_want_a_picture_code(self):
        link = SERVER + "/baidu/s/1CapTcha9"
        for _ in range(3):
            self.assertIn(b"the extraction code is wrong", run_cli("--code", "nope", "baidu", link)[2])
        status, out, err = run_cli("--format", "json", "--code", "c4p7", "baidu", link)
        self.assertEqual(status, 1)
        line = json_lines(out)[0]
        self.assertEqual(line["reason"], "the service wants a picture code (captcha): try later, or in a browser")
        self.assertEqual(line["code"], "c4p7")
        self.assertNotIn(b"c4p7", err)


SEND_BOUND = 5  # seconds getlink-cli waits for aria2's answer


def program_beside(test, ini):
    """A copy of getlink-cli in a folder of its own with a getlink.ini of these bytes (or of
    this size, in a file of zeros that takes no room) beside it."""
    folder = Path(tempfile.mkdtemp(prefix="getlink-program-"))
    test.addCleanup(shutil.rmtree, folder, ignore_errors=True)
    program = folder / "getlink-cli.exe"
    shutil.copy(COMMAND[-1], program)
    with open(folder / "getlink.ini", "wb") as file:
        if isinstance(ini, int):
            file.truncate(ini)
        else:
            file.write(ini)
    return program


def address_in(block):
    return block.decode("utf-8").split("文件地址：")[1].strip()


def here_link(name):
    return share_of_file_here(SERVER, name)


class GetlinkCliSendsToAria2(unittest.TestCase):
    """--send aria2 against a real aria2, which downloads what it is handed."""

    @classmethod
    def setUpClass(cls):
        cls.aria2 = start_aria2(cls.addClassCleanup)

    def setUp(self):
        self.assertTrue(SERVER and HOSTS, "run through share_server.py --run")
        self.aria2.clear()

    def test_an_address_found_goes_to_aria2_which_downloads_it(self):
        # A copy of the program with a getlink.ini beside it: its rpc and secret are used,
        # a line that cannot be used is told.
        # Saved as Notepad's "Unicode" (UTF-16 with its byte-order mark); the secret also
        # stands where it cannot be used, as aria2's own setting copied over, and is not shown.
        program = program_beside(self, f"; Motrix: rpc=http://127.0.0.1:16800/jsonrpc\r\n[aria2]\r\n"
                                       f"rpc={self.aria2.rpc}\r\nsecret={ARIA2_SECRET}\r\n"
                                       f"rpc-secret={ARIA2_SECRET}\r\n".encode("utf-16"))
        name = "毕业设计 终稿 2013.docx"
        status, out, err = run_cli("--send", "aria2", "baidu", here_link(name), program=program)
        self.assertEqual(err.decode("utf-8"), "getlink-cli: getlink.ini line 5 is neither rpc nor secret: ignored\r\n")
        self.assertEqual(status, 0)
        self.assertTrue(out.decode("utf-8").startswith(f"文件名：{name}\r\n"), out)  # printed as the format says
        self.aria2.assert_downloaded(self, {name: address_in(out)})

    def test_a_name_that_tries_to_leave_the_folder_stays_inside_it(self):
        names = {"../../escape.bin": ".._.._escape.bin", "..\\..\\back.bin": ".._.._back.bin",
                 "two\r\nlines.bin": "two__lines.bin", "C:\\drive.bin": "C__drive.bin", "D:stream.bin": "D_stream.bin",
                 "/root.bin": "_root.bin"}
        status, out, err = run_cli("--send", "aria2", "--aria2-rpc", self.aria2.rpc, "--aria2-secret", ARIA2_SECRET,
                                   "--format", "url", "baidu", *[here_link(name) for name in names])
        self.assertEqual((status, err), (0, b""))
        addresses = out.decode("utf-8").split("\r\n")[:-1]
        self.assertEqual(len(addresses), len(names))
        self.aria2.assert_downloaded(self, dict(zip(names.values(), addresses)))

    def test_a_getlink_ini_that_cannot_be_used_is_told_without_its_values(self):
        refused = f"http://127.0.0.1:{int(server('/_refused_port'))}/jsonrpc"
        cases = [
            # A file far beyond its bound is not read at all (not even into memory).
            (3 << 30, "getlink.ini is larger than 64 KiB: the defaults are used"),
            (f"rpc={refused}\r\nsecret={ARIA2_SECRET}\r\n".encode(),
             "getlink.ini line 1 is outside the [aria2] section: ignored\r\n"
             "getlink-cli: getlink.ini line 2 is outside the [aria2] section: ignored"),
            (f"[aria2]\r\nsecret={ARIA2_SECRET}\r\n".encode("utf-16-le"),
             "getlink.ini is not UTF-8, UTF-16 or GBK text: the defaults are used"),
        ]
        link = SERVER + WEIYUN
        for ini, told in cases:
            with self.subTest(told=told):
                started = time.monotonic()
                status, out, err = run_cli("--send", "aria2", "--aria2-rpc", refused, "--format", "url", "weiyun", link,
                                           program=program_beside(self, ini))
                self.assertLess(time.monotonic() - started, 60)
                self.assertEqual((status, err.decode("utf-8")),
                                 (1, f"getlink-cli: {told}\r\ngetlink-cli: {link}: the address could not be sent to "
                                     f"aria2: aria2 is not running at {refused}\r\n"))
                self.assertNotIn(ARIA2_SECRET.encode(), out + err)

    def test_an_address_that_cannot_be_sent_fails_its_link_and_says_why(self):
        not_sent = "the address could not be sent to aria2: "
        refused = f"http://127.0.0.1:{int(server('/_refused_port'))}/jsonrpc"
        cases = [
            (refused, ARIA2_SECRET, f"aria2 is not running at {refused}"),
            # aria2's token written into the address is not shown.
            (refused.replace("://", f"://token:{ARIA2_SECRET}@"), "", f"aria2 is not running at {refused}"),
            (self.aria2.rpc, "wrong", "aria2 refused the secret"),
            (SERVER + "/hostile/silent", ARIA2_SECRET, f"no answer within {SEND_BOUND} s"),
            (SERVER + "/echo", ARIA2_SECRET, "the answer is not aria2's"),
            (SERVER + "/status/404", ARIA2_SECRET, "the answer is not aria2's (HTTP status 404)"),
        ]
        link = here_link("never.bin")

        def run(case):
            started = time.monotonic()
            result = run_cli("--send", "aria2", "--aria2-rpc", case[0], "--aria2-secret", case[1], "--format", "json",
                             "baidu", link)
            return result, time.monotonic() - started

        with ThreadPoolExecutor(len(cases)) as pool:
            runs = list(pool.map(run, cases))
        for (rpc, _, reason), ((status, out, err), took) in zip(cases, runs):
            with self.subTest(rpc=rpc, reason=reason):
                (line,) = json_lines(out)
                self.assertEqual((line["name"], line["reason"]), ("never.bin", not_sent + reason))
                self.assertEqual((status, err.decode("utf-8")), (1, f"getlink-cli: {link}: {not_sent}{reason}\r\n"))
                self.assertLess(took, SEND_BOUND + 30)
        self.assertEqual(list(self.aria2.folder.iterdir()), [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
