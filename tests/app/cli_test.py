#!/usr/bin/env python3
"""getlink-cli end to end: runs the real program (through Wine) against the stand-in share
server and checks its output bytes, its error text and its exit status.

    share_server.py --run -- python3 cli_test.py WINE_WRAPPER getlink-cli.exe
"""

import json
import os
import subprocess
import sys
import unittest

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


def run_cli(*args):
    done = subprocess.run(COMMAND + list(args), stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=120)
    return done.returncode, done.stdout, done.stderr


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

    def test_usage_errors_exit_2_with_usage_on_stderr(self):
        for args in ([], ["baidu"], ["7", SERVER + "/baidu/s/1"], ["pan", SERVER + "/baidu/s/1"],
                     ["baidu", SERVER + "/baidu/s/1", "extra"]):
            with self.subTest(args=args):
                status, out, err = run_cli(*args)
                self.assertEqual((status, out), (2, b""))
                self.assertTrue(err.startswith(b"getlink-cli: "), err)
                self.assertIn(b"usage: getlink-cli SERVICE LINK\r\n", err)

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


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
