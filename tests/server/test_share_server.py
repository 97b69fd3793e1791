#!/usr/bin/env python3
"""The stand-in share server itself: pages with hosts filled in, the misbehaviour switches
and the request record that the Windows tests rely on."""

import base64
import http.client
import json
import re
import time
import socket
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import share_server  # noqa: E402

HOSTS = {"WEIYUN_DOWNLOAD_HOST": "w.example", "VDISK_DOWNLOAD_HOST": "v.example",
         "QIANNAO_DOWNLOAD_HOST": "q.example", "WEIPAN_FILE_HOST": "f.example",
         "WEIPAN_USER_HOST": "u.example"}


class ShareServerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = share_server.ShareServer(0, HOSTS)
        cls.server.start()

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()

    def setUp(self):
        self.server.clear_record()

    def request(self, method, path, body=None, headers=None):
        connection = http.client.HTTPConnection("127.0.0.1", self.server.port, timeout=10)
        try:
            connection.request(method, path, body=body, headers=headers or {})
            response = connection.getresponse()
            return response.status, response.getheaders(), response.read()
        finally:
            connection.close()

    def test_share_pages_carry_the_configured_hosts(self):
        expected = {"weiyun": None, "vdisk": b"http://v.example/", "qiannao": b"http://q.example/",
                    "weipan": b"http:\\/\\/f.example\\/", "baidu": None}
        for service, link in share_server.DEMO_LINKS.items():
            if service == "360":
                continue  # a short link: see test_360_flow
            status, _, body = self.request("GET", link)
            self.assertEqual(status, 200)
            body.decode("utf-8")
            self.assertNotIn(b"{{", body)
            self.assertIn(b"\r\n", body)
            if expected[service]:
                self.assertIn(expected[service], body)
        _, _, weipan = self.request("GET", "/weipan/x")
        self.assertIn(b'" href="http://u.example/u/', weipan)

    def test_misbehaviour_switches(self):
        self.assertEqual(self.request("GET", "/status/503")[0], 503)
        self.assertEqual(self.request("GET", "/nosuchpage")[0], 404)
        status, headers, _ = self.request("GET", "/redirect?to=/vdisk/1&status=301")
        self.assertEqual((status, dict(headers)["Location"]), (301, "/vdisk/1"))
        _, _, body = self.request("GET", "/nul")
        self.assertEqual(body, b"A" * 1500 + b"\0" + b"B" * 499 + b"C" * 1000)
        _, headers, body = self.request("GET", "/huge?mib=1")
        self.assertEqual((dict(headers)["Content-Length"], len(body)), ("1048576", 1 << 20))
        _, _, body = self.request("GET", "/slow?bytes=3&interval_ms=1")
        self.assertEqual(body, b"sss")
        _, _, broken = self.request("GET", "/broken-utf8/vdisk/1")
        self.assertIn(b"<title>\xe5\xbe", broken)
        with self.assertRaises(UnicodeDecodeError):
            broken.decode("utf-8")
        with self.assertRaises((http.client.RemoteDisconnected, ConnectionError)):
            self.request("GET", "/close")
        with self.assertRaises(ConnectionRefusedError):
            socket.create_connection(("127.0.0.1", int(self.request("GET", "/_refused_port")[2])), timeout=5)

    def test_records_every_request_in_order_with_headers_and_body(self):
        self.request("POST", "/echo", body=b"a=1&b=\xe4\xb8\xad",
                     headers={"X-First": "1", "Content-Type": "application/x-www-form-urlencoded"})
        self.request("GET", "/baidu/s/1?x=y")
        record = json.loads(self.request("GET", "/_record")[2])
        self.assertEqual([(r["method"], r["target"]) for r in record], [("POST", "/echo"), ("GET", "/baidu/s/1?x=y")])
        names = [name for name, _ in record[0]["headers"]]
        self.assertLess(names.index("X-First"), names.index("Content-Type"))
        self.assertEqual(record[0]["body"].encode("latin-1"), b"a=1&b=\xe4\xb8\xad")
        text = self.request("GET", "/_record?format=text")[2]
        self.assertTrue(text.startswith(b"POST /echo\r\n"))
        self.assertIn(b"\r\n\r\na=1&b=\xe4\xb8\xad\r\nGET /baidu/s/1?x=y\r\n", text)
        self.request("GET", "/_record/clear")
        self.assertEqual(json.loads(self.request("GET", "/_record")[2]), [])

    def test_360_flow(self):
        base = f"http://127.0.0.1:{self.server.port}"
        status, headers, _ = self.request("POST", share_server.DEMO_LINKS["360"])
        long_link = dict(headers)["Location"]
        self.assertEqual((status, long_link), (302, f"{base}/360/lk/Qx7Yb2Zk?src=short"))
        self.assertNotIn("lk", share_server.DEMO_LINKS["360"])
        status, _, page = self.request("GET", long_link[len(base):])
        self.assertEqual(status, 200)
        self.assertIn(b"\r\n", page)
        nid = re.search(rb"nid : '(\d+)',", page).group(1).decode()
        self.assertIn(b"'%E6%AF%95%E4%B8%9A", page)  # percent-encoded UTF-8 text

        _, headers, reply = self.request("POST", "/share/downloadfile/", body=f"surl=Qx7Yb2Zk&nid={nid}")
        self.assertIn(b'"downloadurl": "http:\\/\\/127.0.0.1:', reply)
        address = json.loads(reply)["data"]["downloadurl"]
        self.assertTrue(address.startswith(f"{base}/360/file/{nid}/"))
        self.assertEqual(self.request("GET", address[len(base):])[0], 200)
        for form in ("surl=Qx7Yb2Zk&nid=", f"surl=Other&nid={nid}", ""):
            _, _, reply = self.request("POST", "/share/downloadfile/", body=form)
            self.assertNotIn(b"http:", reply)

        self.assertEqual(dict(self.request("POST", "/360/s/Qx7Yb2Zk?location=ftp")[1])["Location"],
                         f"ftp://127.0.0.1:{self.server.port}/360/lk/Qx7Yb2Zk?src=short")
        status, headers, _ = self.request("POST", "/360/s/Qx7Yb2Zk?location=none")
        self.assertEqual((status, "Location" in dict(headers)), (200, False))
        self.assertEqual(self.request("GET", "/360/lk/Unknown9")[0], 404)
        record = json.loads(self.request("GET", "/_record")[2])
        self.assertIn(f"surl=Qx7Yb2Zk&nid={nid}", [r["body"] for r in record])

    def test_answer_sends_the_header_lines_asked_for(self):
        status, headers, body = self.request(
            "GET", "/answer?status=201&type=text/html&body=hi&header=Set-Cookie:%20a%3D1%3B%20path%3D%2F"
                   "&header=Set-Cookie:%20b%3D2&header=Location:%20/x")
        self.assertEqual((status, body), (201, b"hi"))
        self.assertEqual([v for n, v in headers if n == "Set-Cookie"], ["a=1; path=/", "b=2"])
        self.assertEqual((dict(headers)["Location"], dict(headers)["Content-Type"]), ("/x", "text/html"))

    def test_charset_declaration_at_the_byte_asked_for(self):
        _, headers, body = self.request("GET", "/charset?at=500")
        self.assertEqual(body.index(b"charset=utf-8"), 499)
        self.assertEqual(dict(headers)["Content-Type"], "text/html")
        self.assertTrue(body.endswith(" 中文".encode("utf-8")))
        _, _, body = self.request("GET", "/charset?at=1&letters=upper")
        self.assertTrue(body.startswith(b"charset=UTF-8"))

    def test_delay_unsized_and_echo(self):
        started = time.monotonic()
        self.assertEqual(self.request("GET", "/delay?ms=300")[2], b"late")
        self.assertGreaterEqual(time.monotonic() - started, 0.3)
        _, headers, body = self.request("GET", "/unsized?bytes=20000")
        self.assertEqual((body, "Content-Length" in dict(headers)), (b"u" * 20000, False))
        _, _, echo = self.request("POST", "/echo?format=text", body=b"x=1", headers={"X-A": "1"})
        self.assertTrue(echo.startswith(b"POST /echo?format=text\r\n"))
        self.assertIn(b"\r\nX-A: 1\r\n", echo)
        self.assertTrue(echo.endswith(b"\r\n\r\nx=1\r\n"))

    def test_hostile_answers(self):
        _, _, one = self.request("GET", "/hostile/garbage/vdisk/x?seed=7")
        self.assertEqual(self.request("POST", "/hostile/garbage/vdisk/lk?seed=7")[2], one)  # the same for a seed
        self.assertNotEqual(self.request("GET", "/hostile/garbage/vdisk?seed=8")[2], one)
        self.assertNotEqual(one, self.request("GET", "/vdisk/x")[2])
        self.assertTrue(any(piece in one for piece in (b"\0", b"\x81", b"\xe5\xbe")))
        status, headers, body = self.request("GET", "/hostile/long-header/lk?kib=3")
        self.assertEqual((status, len(dict(headers)["X-Long"])), (200, 3 << 10))
        self.assertIn(b"nid : '", body)
        status, headers, _ = self.request("POST", "/hostile/file-location?to=file:///C:/x")
        self.assertEqual((status, dict(headers)["Location"]), (302, "file:///C:/x"))
        # The download API answers like the route its surl names.
        status, headers, _ = self.request("POST", "/share/downloadfile/", body="surl=hostile-file-location&nid=")
        self.assertEqual((status, dict(headers)["Location"]), (302, "file:///C:/windows/win.ini"))
        # A body cut in half: its whole length announced, then the connection closed; the
        # download API's reply likewise.
        whole_page = self.request("GET", "/vdisk/x")[2]
        for target, whole in (("/hostile/cut/vdisk/x", whole_page), ("/hostile/cut", None)):
            connection = http.client.HTTPConnection("127.0.0.1", self.server.port, timeout=10)
            connection.request("POST", target)
            response = connection.getresponse()
            length = int(response.getheader("Content-Length"))
            with self.assertRaises(http.client.IncompleteRead) as cut:
                response.read()
            connection.close()
            self.assertEqual(len(cut.exception.partial), length // 2)
            if whole:
                self.assertEqual((length, cut.exception.partial), (len(whole), whole[:length // 2]))
            else:
                self.assertTrue(cut.exception.partial.startswith(b'{"errno": 0'), cut.exception.partial)
        connection = http.client.HTTPConnection("127.0.0.1", self.server.port, timeout=10)
        connection.request("GET", "/hostile/endless?length=huge")
        response = connection.getresponse()
        self.assertEqual(response.getheader("Content-Length"), str(0xFFFFFFFF))
        self.assertEqual(response.read(100000), b"e" * 100000)
        connection.close()
        record = json.loads(self.request("GET", "/_record")[2])
        self.assertEqual(record[0]["line"], "GET /hostile/garbage/vdisk/x?seed=7 HTTP/1.1\r\n")

    def test_proxy_mode_and_its_credentials(self):
        # A proxy's request names the whole URL; it is routed by its path.
        target = f"http://127.0.0.1:{self.server.port}/proxy-auth?user=u&password=p"
        status, headers, _ = self.request("GET", target)
        self.assertEqual((status, dict(headers)["Proxy-Authenticate"]), (407, 'Basic realm="stand-in"'))
        good = {"Proxy-Authorization": "Basic " + base64.b64encode(b"u:p").decode()}
        self.assertEqual(self.request("GET", target, headers=good)[::2], (200, b"proxy user u"))
        bad = {"Proxy-Authorization": "Basic " + base64.b64encode(b"u:q").decode()}
        self.assertEqual(self.request("GET", target, headers=bad)[0], 407)
        lines = self.request("GET", "/_record?format=lines")[2].decode().split("\r\n")
        self.assertEqual(lines[0], f"GET {target}")


if __name__ == "__main__":
    unittest.main()
