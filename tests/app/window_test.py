#!/usr/bin/env python3
"""getlink.exe end to end, as a user works it: the real program (through Wine) on the X
display in DISPLAY, driven with xdotool and the clipboard (xclip), against the stand-in
share server.

    share_server.py --run -- python3 window_test.py WINE_WRAPPER getlink.exe

Coordinates are the window's own (its client area is the whole window): they are the
places of the controls in the main window.
"""

import json
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.request
from pathlib import Path

from aria2_daemon import ARIA2_SECRET, share_of_file_here, start_aria2

# How to start getlink.exe: the Wine wrapper, then the program (run from other folders).
COMMAND = [os.path.abspath(part) if os.path.exists(part) else part for part in sys.argv[1:]]
SERVER = os.environ.get("GETLINK_SHARE_SERVER", "")
HOSTS = json.load(open(os.environ["GETLINK_SHARE_HOSTS"])) if "GETLINK_SHARE_HOSTS" in os.environ else {}
TITLE = "Zolmar网盘外链获取器"
BOX_TITLE = "提示："  # the exit question's box

# The display's scale (set by dpi_prefix.py, which runs the test at another DPI): the
# places below are in 96-DPI units and the program draws them this many times larger.
SCALE = int(os.environ.get("GETLINK_TEST_DPI", "96")) / 96


def px(*units):
    """96-DPI units as the screen's pixels."""
    scaled = tuple(int(unit * SCALE + 0.5) for unit in units)
    return scaled if len(scaled) > 1 else scaled[0]


LINK_BOX = px(190, 60)
RESULT_BOX = px(225, 180)
SERVICE_BOX = px(390, 48)
FETCH_BUTTON = px(390, 76)
CLOSE_BUTTON = px(418, 16)
BACKGROUND = px(300, 20)  # right of the title: the picture (or the plain fill) alone
DROP_DOWN_ROW = px(19)    # rows of the service list, below the box

STATUS_LINE = px(10, 288, 430, 24)  # left, top, width, height of the status strip's text
MENU_TITLE = "Zt_LayerUI_Menu"
# Item centres of the result box's context menu, from its top: undo, cut, copy, paste and
# select all with their separators above the box's own items.
COPY_ADDRESS_ITEM = px(8 + 5 * 22 + 3 * 3 + 11)
SEND_TO_ARIA2_ITEM = COPY_ADDRESS_ITEM + px(22)

BOUND = 60  # seconds for anything to happen: generous for a loaded machine
SENTINEL = "\u2063nothing copied"
BLACK = "#000000000000"  # the screen without a window (16 bits a channel, as import reports it)


def block(name, size, sharer, time_, count, address):
    """The result block as the clipboard gives it back to X: line breaks as LF."""
    return (f"文件名：{name}\n文件大小：{size}\n分享用户：{sharer}\n分享时间：{time_}\n下载次数：{count}\n\n"
            f"文件地址：{address}")


def run(*args):
    done = subprocess.run(list(args), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=BOUND, check=False)
    return done.stdout.decode("utf-8", "replace")


def poll(what, condition, bound=BOUND, interval=0.2):
    """condition() until it answers something true; fails the test after `bound` seconds."""
    until = time.monotonic() + bound
    while True:
        answer = condition()
        if answer:
            return answer
        if time.monotonic() > until:
            raise AssertionError(f"gave up waiting: {what}")
        time.sleep(interval)


def windows_named(name):
    return run("xdotool", "search", "--onlyvisible", "--name", f"^{name}$").split()


def geometry(window):
    values = dict(line.split("=", 1) for line in run("xdotool", "getwindowgeometry", "--shell", window).split())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def screen_pixel(x, y):
    return run("import", "-window", "root", "-crop", f"1x1+{x}+{y}", "txt:-").splitlines()[-1].split()[2]


def screen_area(left, top, width, height):
    """The screen's pixels in the rectangle, as (red, green, blue) from 0 to 255."""
    text = run("import", "-window", "root", "-crop", f"{width}x{height}+{left}+{top}", "-depth", "8", "txt:-")
    return [tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))
            for colour in (line.split()[2] for line in text.splitlines()[1:])]


def has_red(pixels):
    """Whether any pixel is clearly red: a failure line's text."""
    return any(red - max(green, blue) > 60 for red, green, blue in pixels)


def wait_drawn(what, x, y):
    """Windows open with an effect that grows their picture from the centre: done when the
    screen at (x, y) is drawn and stays the same."""
    samples = []
    poll(f"{what} drawn", lambda: samples.append(screen_pixel(x, y)) or
         (len(samples) > 1 and samples[-1] == samples[-2] and samples[-1] != BLACK))


def set_clipboard(text):
    subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text.encode("utf-8"), check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=BOUND)


def clipboard():
    return run("xclip", "-o", "-selection", "clipboard")


class Getlink:
    """One running getlink.exe and its main window."""

    def __init__(self, program, cwd, load_trace=None):
        """load_trace: a file that gets Wine's trace of the libraries the program loads."""
        assert not windows_named(TITLE), "another main window is open"
        self.process = subprocess.Popen(COMMAND[:-1] + [program], cwd=cwd, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=load_trace or subprocess.DEVNULL,
                                        env=dict(os.environ, WINEDEBUG="+pid,+loaddll") if load_trace else None)
        try:
            self.window = poll("the main window", lambda: (windows_named(TITLE) or [None])[0])
            self.left, self.top = geometry(self.window)[:2]
            wait_drawn("the main window", self.left + BACKGROUND[0], self.top + BACKGROUND[1])
        except BaseException:
            self.close_process()  # a window that never came right must not outlive the test
            raise

    def close_process(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(BOUND)

    def click(self, place, window_origin=None):
        left, top = window_origin or (self.left, self.top)
        run("xdotool", "mousemove", str(left + place[0]), str(top + place[1]), "click", "1")

    def keys(self, *keys):
        run("xdotool", "key", "--delay", "60", *keys)

    def type_text(self, text):
        run("xdotool", "type", "--delay", "60", text)

    def pixel(self, place):
        return screen_pixel(self.left + place[0], self.top + place[1])

    def copy_from(self, place):
        """What Ctrl+A, Ctrl+C copies from the edit box at `place`, line breaks as LF; None
        when nothing arrives on the clipboard (an empty box copies nothing)."""
        set_clipboard(SENTINEL)
        self.click(place)
        self.keys("ctrl+a", "ctrl+c")
        try:
            copied = poll("the copy", lambda: (lambda text: text if text != SENTINEL else None)(clipboard()), bound=3)
        except AssertionError:
            return None
        return copied.replace("\r\n", "\n")

    def paste_link(self, link):
        """Pastes into the link box until it holds the link. Keys that follow the click which
        activates the window can be lost (or arrive without their Ctrl) while Wine moves the
        focus; pasting again over everything in the link box mends that."""
        def pasted():
            set_clipboard(link)
            self.click(LINK_BOX)
            self.keys("ctrl+a", "ctrl+v")
            return self.copy_from(LINK_BOX) == link
        poll("the link pasted", pasted)

    def choose_service(self, index):
        """Opens the service box's drop-down and clicks item `index` (1-based)."""
        self.click(SERVICE_BOX)
        drop_down = poll("the drop-down", lambda: (windows_named("Zt_LayerUI_Combox") or [None])[0])
        left, top, _, _ = geometry(drop_down)
        self.click((px(12), px(4) + DROP_DOWN_ROW * (index - 1) + DROP_DOWN_ROW // 2), (left, top))
        poll("the drop-down closed", lambda: not windows_named("Zt_LayerUI_Combox"))

    def fetch(self, expected):
        """Clicks 开始获取 and waits until the result box shows `expected`; returns it."""
        return self.fetch_until(repr(expected), lambda text: text == expected)

    def fetch_until(self, what, accepted):
        """Clicks 开始获取 and waits until accepted(the result box's text); returns the text."""
        self.click(FETCH_BUTTON)
        return poll(f"the result {what}", lambda: (lambda text: text if text is not None and accepted(text) else None)(
            self.copy_from(RESULT_BOX)))

    def choose_from_menu(self, place, item_centre):
        """Right-clicks the edit box at `place` and clicks the item of its context menu whose
        centre is `item_centre` pixels below the menu's top."""
        run("xdotool", "mousemove", str(self.left + place[0]), str(self.top + place[1]), "click", "3")
        menu = poll("the context menu", lambda: (windows_named(MENU_TITLE) or [None])[0])
        left, top, width, _ = geometry(menu)
        wait_drawn("the context menu", left + width // 2, top + item_centre)
        self.click((width // 2, item_centre), (left, top))
        poll("the context menu closed", lambda: not windows_named(MENU_TITLE))

    def status_pixels(self):
        return screen_area(self.left + STATUS_LINE[0], self.top + STATUS_LINE[1], *STATUS_LINE[2:])

    def answer_exit_question(self, button):
        """Clicks the close button and answers the question with 手贱了 (1, on the right) or 是的 (2)."""
        self.click(CLOSE_BUTTON)
        box = poll("the exit question", lambda: (windows_named(BOX_TITLE) or [None])[0])
        left, top, width, height = geometry(box)
        place = (width - px(75) * button - px(8) + px(35), height - px(35) + px(12))  # buttons from the right edge
        wait_drawn("the exit question", left + place[0], top + place[1])
        self.click(place, (left, top))
        poll("the question gone", lambda: not windows_named(BOX_TITLE))


@unittest.skipUnless(os.environ.get("DISPLAY"), "needs an X display")
class MainWindowEndToEnd(unittest.TestCase):
    def setUp(self):
        self.assertTrue(SERVER and HOSTS, "run through share_server.py --run")
        self.directory = tempfile.mkdtemp(prefix="getlink-window-test-")
        self.running = []

    def tearDown(self):
        for program in self.running:
            program.close_process()
        shutil.rmtree(self.directory, ignore_errors=True)

    def start(self, program, cwd, load_trace=None):
        started = Getlink(program, cwd, load_trace)
        self.running.append(started)
        return started

    def test_fetch_copy_and_the_exit_question(self):
        # Started from another working directory: the picture is still found beside the program.
        getlink = self.start(COMMAND[-1], self.directory)
        with_picture = getlink.pixel(BACKGROUND)

        getlink.paste_link(f"{SERVER}/baidu/share/link?shareid=3527811924&uk=2215371460")
        baidu = getlink.fetch(block(
            "毕业设计 终稿.docx", "2.35M", "云端漫步者", "2013-05-20 14:32", "128",
            "http://d.pcs.baidu.com/file/1f2e3d4c5b6a79887766554433221100?fid=2215371460-250528-917243655201384"
            "&time=1369031520&rt=sh&sign=FDTAER-DCb740ccc5511e5e8fedcff06b081203-Zx8%2BqWm%3D&expires=8h"
            "&r=482761093&sh=1"))

        # A private share, pasted as its share message with the code: the code opens it.
        urllib.request.urlopen(SERVER + "/_record/clear", timeout=BOUND).read()
        getlink.paste_link(f"链接: {SERVER}/baidu/s/1PrivAte9 提取码: x7k2\n--来自百度网盘超级会员v2的分享")

        def opened(text):
            requests = urllib.request.urlopen(SERVER + "/_record?format=lines", timeout=BOUND).read().decode()
            return text == baidu and requests.count("GET /baidu/s/1PrivAte9") == 2 and "/share/verify" in requests
        getlink.fetch_until("of the private share", opened)

        getlink.paste_link(f"{SERVER}/360/s/Qx7Yb2Zk")
        getlink.choose_service(2)
        getlink.fetch(f"文件地址：{SERVER}/360/file/13718923744520577/"
                      "%E6%AF%95%E4%B8%9A%E8%AE%BE%E8%AE%A1%20%E7%BB%88%E7%A8%BF.docx?sign=a7f3e9c1&t=1369031520")

        # 千脑网盘 keeps its result block (the link does not replace it).
        getlink.paste_link(f"{SERVER}/qiannao/file/2013/0308/photoshop-cs6.html")
        getlink.choose_service(6)
        getlink.fetch(block("Photoshop CS6 教程合集.zip", "356.2 MB", "设计小站", "2013-03-08 21:15:02", "No",
                            f"http://{HOSTS['QIANNAO_DOWNLOAD_HOST']}/down/2013/0308/a1b2c3d4/Photoshop_CS6.zip"))

        baidu_link = f"{SERVER}/baidu/share/link?shareid=3527811924&uk=2215371460"
        getlink.paste_link(baidu_link)
        getlink.choose_service(1)
        getlink.fetch(baidu)

        # Typing after the link is undone and redone as one step; Ctrl+Shift+Left twice
        # selects the last two words (Chinese, then ASCII).
        typed = " 提取码 x7k2"
        getlink.click(LINK_BOX)
        getlink.keys("ctrl+End")
        getlink.type_text(typed)
        getlink.keys("ctrl+z")
        self.assertEqual(getlink.copy_from(LINK_BOX), baidu_link)
        getlink.keys("ctrl+y")
        self.assertEqual(getlink.copy_from(LINK_BOX), baidu_link + typed)
        set_clipboard(SENTINEL)
        getlink.keys("ctrl+End", "ctrl+shift+Left", "ctrl+shift+Left", "ctrl+c")
        poll("the last two words copied", lambda: clipboard() == "提取码 x7k2")

        getlink.answer_exit_question(1)  # 手贱了
        self.assertIsNone(getlink.process.poll())
        getlink.paste_link(f"{SERVER}/baidu/share/link?shareid=3527811924&uk=2215371460")  # the keys reach it again
        self.assertEqual(getlink.copy_from(RESULT_BOX), baidu)

        getlink.answer_exit_question(2)  # 是的
        self.assertEqual(getlink.process.wait(BOUND), 0)
        self.assertFalse(windows_named(TITLE))

        # The same program alone in a folder without res\ym.jpg: the plain fill.
        alone = os.path.join(self.directory, "alone")
        os.mkdir(alone)
        shutil.copy(COMMAND[-1], alone)
        plain = self.start(os.path.join(alone, os.path.basename(COMMAND[-1])), alone)
        plain_fill = plain.pixel(BACKGROUND)
        self.assertNotEqual(plain_fill, with_picture)

        # Closing during a fetch that never ends: the program ends at once all the same.
        plain.paste_link(f"{SERVER}/stall")
        plain.click(FETCH_BUTTON)
        plain.answer_exit_question(2)
        self.assertEqual(plain.process.wait(15), 0)

        # A picture that cannot be decoded gives the same plain fill, not a black window.
        broken = os.path.join(self.directory, "broken")
        os.makedirs(os.path.join(broken, "res"))
        shutil.copy(COMMAND[-1], broken)
        with open(os.path.join(broken, "res", "ym.jpg"), "wb") as picture:
            picture.write(random.Random(7).randbytes(4096))
        undecodable = self.start(os.path.join(broken, os.path.basename(COMMAND[-1])), broken)
        self.assertEqual(undecodable.pixel(BACKGROUND), plain_fill)
        undecodable.close_process()

    def test_the_window_opens_without_the_libraries_of_a_fetch_and_of_screen_readers(self):
        # WinINet (and shell32, which it brings) is loaded by the first fetch, oleacc by the
        # first question of a screen reader: the window opens without them. The trace is
        # the program's own (its process id on the line that loads it): Wine may start its
        # desktop process with it, which loads shell32.
        with open(os.path.join(self.directory, "loads.txt"), "w+b") as trace:
            self.start(COMMAND[-1], self.directory, trace)
            trace.seek(0)
            lines = trace.read().decode("latin-1").lower().splitlines()
        loads = [re.match(r'([0-9a-f]+):[0-9a-f]+:trace:loaddll:.*\\([\w.-]+)" at', line) for line in lines]
        loads = [load.groups() for load in loads if load]
        program = os.path.basename(COMMAND[-1]).lower()
        process = next(pid for pid, module in loads if module == program)
        loaded = {module for pid, module in loads if pid == process}
        self.assertIn("gdiplus.dll", loaded)
        self.assertFalse({"wininet.dll", "shell32.dll", "oleacc.dll"} & loaded, sorted(loaded))

    def test_the_result_box_menu_copies_the_address_and_sends_it_to_aria2(self):
        aria2 = start_aria2(self.addCleanup)
        # A copy of the program with a getlink.ini beside it that says where aria2 listens,
        # and has a line that cannot be used.
        folder = Path(self.directory) / "with-ini"
        folder.mkdir()
        program = folder / os.path.basename(COMMAND[-1])
        shutil.copy(COMMAND[-1], program)
        (folder / "getlink.ini").write_text(f"[aria2]\r\nrpc={aria2.rpc}\r\nsecret={ARIA2_SECRET}\r\ncolour=red\r\n",
                                            encoding="utf-8-sig")
        getlink = self.start(str(program), str(folder))
        self.assertTrue(has_red(getlink.status_pixels()), "the line that cannot be used is told as a failure")

        name = "毕业设计 终稿 2013.docx"
        getlink.paste_link(share_of_file_here(SERVER, name))
        found = getlink.fetch_until(f"of {name}", lambda text: text.startswith(f"文件名：{name}\n") and
                                    "\n文件地址：http://" in text)
        address = found.split("文件地址：")[1]
        description = getlink.status_pixels()
        self.assertFalse(has_red(description))

        set_clipboard(SENTINEL)
        getlink.choose_from_menu(RESULT_BOX, COPY_ADDRESS_ITEM)
        poll("the address copied", lambda: clipboard() == address)

        getlink.choose_from_menu(RESULT_BOX, SEND_TO_ARIA2_ITEM)
        aria2.assert_downloaded(self, {name: address})
        # The strip has a line of its own for the send, not a failure's.
        sent = getlink.status_pixels()
        self.assertNotEqual(sent, description)
        self.assertFalse(has_red(sent))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
