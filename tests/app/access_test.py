#!/usr/bin/env python3
"""getlink.exe end to end as a screen reader works it: the real program (through Wine) on
the X display in DISPLAY, read and worked by getlink_access_client.exe in another process
through accessibility alone (no mouse, no keys), against the stand-in share server.

    share_server.py --run -- python3 access_test.py WINE_WRAPPER getlink.exe getlink_access_client.exe
"""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

# The client is the last argument; window_test reads the Wine wrapper and getlink.exe from
# what is left.
CLIENT = os.path.abspath(sys.argv.pop())

from window_test import BOUND, COMMAND, SERVER, Getlink  # noqa: E402 (needs the arguments above)


@unittest.skipUnless(os.environ.get("DISPLAY"), "needs an X display")
class ScreenReaderEndToEnd(unittest.TestCase):
    def setUp(self):
        self.assertTrue(SERVER, "run through share_server.py --run")
        self.directory = tempfile.mkdtemp(prefix="getlink-access-test-")
        self.addCleanup(shutil.rmtree, self.directory, ignore_errors=True)

    def test_a_client_fetches_a_link_and_closes_the_window_through_accessibility_alone(self):
        getlink = Getlink(COMMAND[-1], self.directory)
        self.addCleanup(getlink.close_process)

        client = subprocess.run(COMMAND[:-1] + [CLIENT, f"{SERVER}/360/s/Qx7Yb2Zk", f"{SERVER}/status/404"],
                                stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                timeout=4 * BOUND, check=False)
        output = client.stdout.decode("utf-8", "replace")
        self.assertEqual(client.returncode, 0, output + client.stderr.decode("utf-8", "replace"))
        said = {}
        for line in output.splitlines():
            what, _, text = line.partition(": ")
            said.setdefault(what, []).append(text)

        self.assertEqual(said["result"], [f"文件地址：{SERVER}/360/file/13718923744520577/"
                                          "%E6%AF%95%E4%B8%9A%E8%AE%BE%E8%AE%A1%20%E7%BB%88%E7%A8%BF.docx"
                                          "?sign=a7f3e9c1&t=1369031520"])
        # The status line after each fetch: the description again, then why the second failed,
        # which was also an alert.
        self.assertEqual(len(said["status"]), 2)
        self.assertTrue(said["status"][0].startswith("说明："), said["status"][0])
        self.assertEqual(said["alert"], ["页面中没有下载地址（分享已取消或页面已改版）"])
        self.assertEqual(said["status"][1], said["alert"][0])
        # The question's alert names the box; its texts are its title and the question.
        self.assertEqual(said["dialog"], ["提示："])
        self.assertEqual(said["question"], ["提示：", "老衲写的这么辛苦,你真的要退出程序吗?"])
        # The client answered 是的: the program ends by itself.
        self.assertEqual(getlink.process.wait(BOUND), 0)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
