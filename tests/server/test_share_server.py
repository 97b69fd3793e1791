#!/usr/bin/env python3
"""The stand-in share server itself: pages with hosts filled in, the misbehaviour switches
and the request record that the Windows tests rely on."""

import http.client
import json
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


if __name__ == "__main__":
    unittest.main()
