#!/usr/bin/env python3
"""Stand-in share server: serves fixture share pages of the cloud services on 127.0.0.1,
misbehaves on request, and records every request it receives.

Start it by hand (it prints the links to paste into the tool):
    python3 tests/server/share_server.py [--port N] [--hosts build/windows/share-hosts.json]

Or let it run a command and stop when the command ends; the command finds the server in
the environment variable GETLINK_SHARE_SERVER (http://127.0.0.1:PORT) and the host file in
GETLINK_SHARE_HOSTS:
    python3 tests/server/share_server.py --run -- COMMAND [ARGS...]

Routes (see ROUTES below; add a route with the @route decorator):
    /baidu/... /weiyun/... /vdisk/... /qiannao/... /weipan/...   the services' share pages
    /baidu/...?name=NAME       the Baidu page of a file named NAME whose download address is
                               on this server (/download/NAME/..., NAME percent-encoded), so
                               that a download manager handed it really downloads
    /baidu/s/1ID               a Baidu share link: the share page, unless ID is a private
                               share's (PRIVATE_BAIDU), which answers with a redirect to its
                               code page /baidu/share/init?surl=ID until the request carries
                               the cookie BDCLND that the right code gave
    /baidu/share/init?surl=ID  a private share's code page
    /baidu/share/verify?surl=ID&t=MS   (POST "pwd=CODE&vcode=&vcode_str=") JSON: errno 0
                               and the cookie BDCLND for the right code, -9 for a wrong one,
                               -62 (a picture code wanted) after 3 wrong codes in a row; the
                               share "Brok3n" answers with an HTML page instead
    /baidu/...?layout=new      the Baidu page as if the service had changed it: the address's
                               key "dlink" renamed "downloadUrl", "文件名:" now "文件名称:", so
                               that the built-in extractor finds no address and a mended
                               rule file does
    /download/...              a file's bytes: 64 KiB made from its path (the same for the
                               same path)
    /broken-utf8/SERVICE/...   that page with a truncated UTF-8 sequence after <title>
    /status/CODE               an answer with that status and a short body
    /close                     the connection is closed without an answer
    /stall                     the request is read, then nothing is sent for a minute
    /nul                       a 3000-byte body with a zero byte at offset 1500
    /slow?bytes=N&interval_ms=M   N bytes of "s", one every M milliseconds
    /endless                   an endless body without length ("e" bytes)
    /huge?mib=N                a body of N MiB with its length given
    /redirect?to=URL&status=N  a redirect (302 unless N is given) to URL; GET or POST
    /echo[?format=text]        the request itself (method, target, headers in order, body)
                               as JSON, or as text like /_record?format=text
    /answer?status=N&header=LINE&header=LINE&type=TYPE&body=TEXT
                               an answer with these header lines ("Name: value", in order,
                               names may repeat: Set-Cookie, Location), content type TYPE
                               (default text/plain, no charset) and body TEXT
    /charset?at=N[&letters=upper]   a UTF-8 body ("x" padding, then "中文") that declares
                               "charset=utf-8" (or "charset=UTF-8") from its byte N (1-based),
                               with no charset in the Content-Type header
    /delay?ms=N                "late", answered only after N milliseconds
    /unsized?bytes=N[&linger_ms=M]   N bytes of "u", no Content-Length: the body ends when
                               the connection closes (M milliseconds after the last byte)
    /proxy-auth?user=U&password=P   407 with a Basic proxy challenge until the request
                               carries Proxy-Authorization for U:P, then "proxy user U"
    /auth?user=U&password=P    401 with a Basic challenge until the request carries
                               Authorization for U:P, then "user U"
A hostile server, for any method, with anything after the route's name (so that a link can
hold "lk" and pass for a 360 long link; the 360 download API answers the same way when the
share's surl is "hostile-NAME"):
    /hostile/silent            the request is read, then nothing is ever sent
    /hostile/trickle[?part=head&interval_ms=M]   one byte a second (every M ms) of a body of
                               1 MiB announced, or (part=head) of an endless header line
    /hostile/endless[?length=huge]   a body without end, without a length or with 4 GiB - 1
    /hostile/long-header[?kib=N]   a header line of N KiB (default 200), then the 360 page
    /hostile/garbage/SERVICE?seed=N   the service's page (360, 360-api: the API's reply,
                               360-short: a short link's redirect) with zero bytes, lone GBK
                               lead bytes, broken UTF-8, line breaks and quotes put around the
                               bytes that begin and end its markers
    /hostile/file-location[?to=URL]   a redirect to a file:// URL
    /hostile/cut/SERVICE/...   the service's page (as for garbage) with its length announced,
                               the connection closed after half of it
The 360 Cloud Disk flow:
    /360/s/SURL[?location=SCHEME|none]   the short link (GET or POST): 302 to the long link
                               http://127.0.0.1:PORT/360/lk/SURL?src=short (its scheme
                               replaced by SCHEME; none: 200 without Location)
    /360/lk/SURL               the share page with the share's "nid : '...'," (404 for an
                               unknown SURL)
    /share/downloadfile/       the download API (POST "surl=SURL&nid=NID"): JSON with the
                               address, its slashes escaped as "\\/", when SURL and NID name
                               a share; JSON with an error and no address otherwise
    /360/file/...              the file itself
Proxy mode: a request whose target is an absolute URI (http://127.0.0.1:PORT/path) came
through the server as a proxy; it is routed by its path like any other and recorded with
its absolute target.
    /_record                   the requests recorded so far, as JSON, each with its request
                               line as it arrived ("line"); ?format=text: text;
                               ?format=lines: only their request lines, one a line
    /_record/clear             forgets them
    /_refused_port             a port on 127.0.0.1 where nothing listens (connections are refused)
Paths that begin with /_ are the server's own and are not recorded.
"""

import argparse
import json
import os
import socket
import subprocess
import sys
import threading
import time
import base64
import hashlib
import random
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from pathlib import Path
from urllib.parse import parse_qs, quote, urlsplit

HERE = Path(__file__).resolve().parent
PAGES = HERE / "pages"
ROOT = HERE.parent.parent
DEFAULT_HOSTS = ROOT / "build" / "windows" / "share-hosts.json"

SERVICES = ("baidu", "weiyun", "vdisk", "qiannao", "weipan")
# A private share's message, with the extraction code that opens it; the demo shows it too.
DEMO_PRIVATE_SHARE = "链接: {base}/baidu/s/1PrivAte9 提取码: x7k2"

# Links that show each service working; printed by the banner and used by the demo.
DEMO_LINKS = {
    "baidu": "/baidu/share/link?shareid=3527811924&uk=2215371460",
    "360": "/360/s/Qx7Yb2Zk",
    "weiyun": "/weiyun/share/5f1a2b3c4d5e6f708192a3b4c5d6e7f8",
    "vdisk": "/vdisk/down/index/11032468.html",
    "qiannao": "/qiannao/file/2013/0308/photoshop-cs6.html",
    "weipan": "/weipan/s/aBcDeFgHiJkL",
}

# ---------------------------------------------------------------------------------------
# Routes

ROUTES = []  # (path prefix, methods, handler), first match wins, longest prefixes first


def route(prefix, methods=("GET",)):
    """Registers handler(exchange) for requests whose path starts with prefix."""
    def register(handler):
        ROUTES.append((prefix, tuple(methods), handler))
        ROUTES.sort(key=lambda entry: -len(entry[0]))
        return handler
    return register


def fixture_page(service, hosts):
    """The fixture page of a service as UTF-8 bytes, with the configured hosts filled in."""
    text = (PAGES / f"{service}.html").read_bytes()
    for name, value in hosts.items():
        text = text.replace(b"{{" + name.encode() + b"}}", value.encode())
    return text


BAIDU_FILE = "毕业设计 终稿.docx"  # the file of pages/baidu.html


def baidu_file_here(page, exchange):
    """The Baidu page with its file renamed to the query's name and its download address
    (the dlink, written with escaped slashes) moved to this server's /download/NAME/, the
    name percent-encoded, so that each name has bytes of its own."""
    name = exchange.query["name"]
    page = page.replace(BAIDU_FILE.encode(), name.encode())
    here = f"127.0.0.1:{exchange.server.port}\\\\/download\\\\/{quote(name, safe='')}\\\\/"
    return page.replace(b"d.pcs.baidu.com\\\\/file\\\\/", here.encode())


def baidu_new_layout(page):
    """The Baidu page after a change of the service's layout (see /baidu/...?layout=new)."""
    return page.replace(b'\\"dlink\\"', b'\\"downloadUrl\\"').replace("文件名:".encode(), "文件名称:".encode())


def share_page_route(service):
    @route(f"/{service}/")
    def serve(exchange):
        page = fixture_page(service, exchange.server.hosts)
        if service == "baidu" and "name" in exchange.query:
            page = baidu_file_here(page, exchange)
        if service == "baidu" and exchange.query.get("layout") == "new":
            page = baidu_new_layout(page)
        exchange.send(200, page)
    return serve


SHARE_PAGES = {service: share_page_route(service) for service in SERVICES}  # service -> handler


# Baidu's private shares: surl (the link's id without its leading "1") -> extraction code.
PRIVATE_BAIDU = {"PrivAte9": "x7k2", "CapTcha9": "c4p7", "Brok3n": "b0k3", "Sp3cial": "a&b=c 中"}
CAPTCHA_AFTER = 3  # wrong codes in a row


def baidu_code_cookie(surl):
    return "BDCLND=" + hashlib.sha256(("code:" + surl).encode()).hexdigest()[:24]


def request_cookies(exchange):
    return [part.strip() for name, value in exchange.record["headers"] if name.lower() == "cookie"
            for part in value.split(";")]


@route("/baidu/s/")
def baidu_share_link(exchange):
    share = exchange.path.split("/")[3]
    surl = share[1:]
    if surl not in PRIVATE_BAIDU or baidu_code_cookie(surl) in request_cookies(exchange):
        return SHARE_PAGES["baidu"](exchange)
    code_page = f"http://127.0.0.1:{exchange.server.port}/baidu/share/init?surl={surl}"
    exchange.send(302, b"", headers=[("Location", code_page)])


@route("/baidu/share/init")
def baidu_code_page(exchange):
    exchange.send(200, "<html><body>请输入提取码</body></html>".encode())


@route("/baidu/share/verify", methods=("POST",))
def baidu_verify(exchange):
    surl = exchange.query.get("surl", "")
    if surl == "Brok3n":
        return exchange.send(200, b"<html><body>service busy</body></html>")
    wrong = exchange.server.__dict__.setdefault("wrong_codes", {})
    code = parse_qs(exchange.record["body"].encode("latin-1").decode("utf-8", "replace"),
                    keep_blank_values=True).get("pwd", [""])[-1]
    headers = []
    if surl not in PRIVATE_BAIDU:
        answer = {"errno": 2, "err_msg": "", "request_id": 1}
    elif wrong.get(surl, 0) >= CAPTCHA_AFTER:
        answer = {"errno": -62, "err_msg": "", "request_id": 1}
    elif code == PRIVATE_BAIDU[surl]:
        wrong[surl] = 0
        answer = {"errno": 0, "err_msg": "", "request_id": 1}
        headers = [("Set-Cookie", baidu_code_cookie(surl) + "; expires=Thu, 01-Jan-2037 00:00:00 GMT; path=/")]
    else:
        wrong[surl] = wrong.get(surl, 0) + 1
        answer = {"errno": -9, "err_msg": "", "request_id": 1}
    exchange.send(200, json.dumps(answer).encode(), content_type="application/json", headers=headers)


def download_bytes(path):
    """64 KiB that stand for the file at the path: its hash, repeated."""
    return hashlib.sha256(path.encode()).digest() * 2048


@route("/download/")
def download(exchange):
    exchange.send(200, download_bytes(exchange.path), content_type="application/octet-stream")


@route("/broken-utf8/")
def broken_utf8(exchange):
    service = exchange.path.split("/")[2]
    if service not in SERVICES:
        return exchange.send(404, b"unknown service")
    page = fixture_page(service, exchange.server.hosts)
    # The first two bytes of a three-byte sequence, then an ASCII byte: one bad character.
    at = page.index(b"<title>") + len(b"<title>")
    exchange.send(200, page[:at] + b"\xe5\xbe" + page[at:])


@route("/status/")
def status(exchange):
    code = int(exchange.path.split("/")[2])
    exchange.send(code, f"<html><body>status {code}</body></html>".encode())


@route("/close")
def close(exchange):
    exchange.handler.close_connection = True
    exchange.handler.connection.shutdown(socket.SHUT_RDWR)


@route("/stall")
def stall(exchange):
    exchange.handler.close_connection = True
    exchange.server.stopping.wait(60)


@route("/nul")
def nul(exchange):
    exchange.send(200, b"A" * 1500 + b"\0" + b"B" * 499 + b"C" * 1000)


@route("/slow")
def slow(exchange):
    count = int(exchange.query.get("bytes", "100"))
    interval = int(exchange.query.get("interval_ms", "100")) / 1000.0
    exchange.start(200, length=count)
    for _ in range(count):
        if not exchange.write(b"s") or exchange.server.stopping.wait(interval):
            return


@route("/endless")
def endless(exchange):
    exchange.start(200, length=None)
    block = b"e" * 65536
    while not exchange.server.stopping.is_set() and exchange.write(block):
        pass


@route("/huge")
def huge(exchange):
    mib = int(exchange.query.get("mib", "16"))
    exchange.start(200, length=mib << 20)
    block = bytes(range(ord("a"), ord("z") + 1)) * (1 << 10)  # 26 KiB of a..z
    left = mib << 20
    while left > 0 and exchange.write(block[:left]):
        left -= min(left, len(block))


@route("/redirect", methods=("GET", "POST"))
def redirect(exchange):
    status = int(exchange.query.get("status", "302"))
    exchange.send(status, b"", headers=[("Location", exchange.query.get("to", "/"))])


@route("/echo", methods=("GET", "POST", "PUT", "HEAD"))
def echo(exchange):
    if exchange.query.get("format") == "text":
        exchange.send(200, records_as_text([exchange.record]), content_type="text/plain")
    else:
        exchange.send(200, json.dumps(exchange.record, ensure_ascii=False).encode(),
                      content_type="application/json; charset=utf-8")


@route("/answer", methods=("GET", "POST"))
def answer(exchange):
    headers = [tuple(part.strip() for part in line.split(":", 1))
               for line in exchange.query_all.get("header", [])]
    exchange.send(int(exchange.query.get("status", "200")), exchange.query.get("body", "").encode(),
                  content_type=exchange.query.get("type", "text/plain"), headers=headers)


@route("/charset")
def charset(exchange):
    at = int(exchange.query.get("at", "1"))
    declaration = b"charset=UTF-8" if exchange.query.get("letters") == "upper" else b"charset=utf-8"
    exchange.send(200, b"x" * (at - 1) + declaration + " 中文".encode("utf-8"), content_type="text/html")


@route("/delay")
def delay(exchange):
    if not exchange.server.stopping.wait(int(exchange.query.get("ms", "1000")) / 1000.0):
        exchange.send(200, b"late", content_type="text/plain")


@route("/unsized")
def unsized(exchange):
    exchange.start(200, length=None, content_type="text/plain")
    if exchange.write(b"u" * int(exchange.query.get("bytes", "100"))):
        exchange.server.stopping.wait(int(exchange.query.get("linger_ms", "0")) / 1000.0)


def basic_auth(exchange, proxy):
    """Challenges (as a proxy, or as the server) until the request carries Basic
    credentials for the query's user and password, then answers with the user."""
    user = exchange.query.get("user", "")
    expected = "Basic " + base64.b64encode(f"{user}:{exchange.query.get('password', '')}".encode()).decode()
    prefix = "proxy " if proxy else ""
    if exchange.handler.headers.get("Proxy-Authorization" if proxy else "Authorization") == expected:
        exchange.send(200, f"{prefix}user {user}".encode(), content_type="text/plain")
    else:
        exchange.send(407 if proxy else 401, f"{prefix}credentials needed".encode(), content_type="text/plain",
                      headers=[("Proxy-Authenticate" if proxy else "WWW-Authenticate", 'Basic realm="stand-in"')])


@route("/proxy-auth", methods=("GET", "POST"))
def proxy_auth(exchange):
    basic_auth(exchange, proxy=True)


@route("/auth")
def server_auth(exchange):
    basic_auth(exchange, proxy=False)


# ---------------------------------------------------------------------------------------
# 360 Cloud Disk: a short link redirects to the long link, whose share page names the
# share's nid; the download API answers the address for the share's surl and nid.

SHARES_360 = {"Qx7Yb2Zk": "13718923744520577"}  # surl -> nid; the page is pages/360.html
FILE_360 = "毕业设计 终稿.docx"


@route("/360/s/", methods=("GET", "POST"))
def short_link_360(exchange):
    surl = exchange.path.split("/")[3]
    scheme = exchange.query.get("location", "http")
    if scheme == "none":
        return exchange.send(200, b"<html><body>no such short link</body></html>")
    target = f"{scheme}://127.0.0.1:{exchange.server.port}/360/lk/{surl}?src=short"
    exchange.send(302, b"", headers=[("Location", target)])


@route("/360/lk/")
def share_page_360(exchange):
    if exchange.path.split("/")[3] not in SHARES_360:
        return exchange.send(404, b"<html><body>share not found</body></html>")
    exchange.send(200, fixture_page("360", exchange.server.hosts))


def address_360(server, nid):
    return f"{server.base_url}/360/file/{nid}/{quote(FILE_360)}?sign=a7f3e9c1&t=1369031520"


@route("/share/downloadfile/", methods=("POST",))
def download_api_360(exchange):
    form = parse_qs(exchange.record["body"], keep_blank_values=True)
    surl, nid = form.get("surl", [""])[-1], form.get("nid", [""])[-1]
    if surl.startswith("hostile-") and surl[len("hostile-"):] in HOSTILE_ANSWERS:
        return HOSTILE_ANSWERS[surl[len("hostile-"):]](exchange)
    if nid and SHARES_360.get(surl) == nid:
        reply = {"errno": 0, "errmsg": "", "data": {"downloadurl": address_360(exchange.server, nid)}}
    else:
        reply = {"errno": 3003, "errmsg": "share not found", "data": []}
    # The service escapes every slash of its JSON: "http:\/\/host\/path".
    text = json.dumps(reply, ensure_ascii=False).replace("/", "\\/")
    exchange.send(200, text.encode(), content_type="application/json; charset=utf-8")


@route("/360/file/")
def file_360(exchange):
    exchange.send(200, b"PK\x03\x04 stand-in file", content_type="application/octet-stream")


# ---------------------------------------------------------------------------------------
# A hostile server: answers that never come, come one byte a second, never end, carry a
# giant header line or garbage, or send the client to a local file. Each answer serves
# /hostile/NAME... for any method and anything after NAME (so that a link can hold "lk"
# and pass for a 360 long link), and the 360 download API when the share's surl is
# "hostile-NAME".

GARBAGE_PIECES = (b"\0", b"\x81", b"\xfe", b"\xa1", b"\xc3", b"\xe5\xbe", b"\xff\xfe", b"\xed\xa0\x80",
                  b"\xf8\x88\x80\x80\x80", b"\r", b"\n", b"\\", b'"', b"\x00\x81\x00")
HOSTILE_METHODS = ("GET", "POST", "PUT", "HEAD")


def hostile_silent(exchange):
    """The request is read, then nothing is ever sent."""
    exchange.handler.close_connection = True
    exchange.server.stopping.wait()


def hostile_trickle(exchange):
    """One byte a second (interval_ms): of the body, whose 1 MiB length is announced at once
    (part=body, the default), or of an endless header line after the status line
    (part=head)."""
    interval = int(exchange.query.get("interval_ms", "1000")) / 1000.0
    if exchange.query.get("part") == "head":
        exchange.handler.close_connection = True
        source = b"HTTP/1.1 200 OK\r\nX-Trickle: " + b"t" * (1 << 30)
    else:
        exchange.start(200, length=1 << 20, content_type="text/plain")
        source = b"t" * (1 << 20)
    for byte in source:
        if not exchange.write(bytes((byte,))) or exchange.server.stopping.wait(interval):
            return


def hostile_endless(exchange):
    """A body that never ends, sent as fast as the client takes it: without a length, or
    with length=huge announcing 4 GiB - 1."""
    length = 0xFFFFFFFF if exchange.query.get("length") == "huge" else None
    exchange.start(200, length=length, content_type="text/plain")
    block = b"e" * 65536
    while not exchange.server.stopping.is_set() and exchange.write(block):
        pass


def hostile_long_header(exchange):
    """A header line of kib KiB (default 200), then the 360 share page."""
    line = "x" * (int(exchange.query.get("kib", "200")) << 10)
    exchange.send(200, fixture_page("360", exchange.server.hosts), headers=[("X-Long", line)])


def garbled(page, seed):
    """The page with garbage (zero bytes, lone GBK lead bytes, broken UTF-8, line breaks,
    quotes) put before or after the bytes that begin and end markers; the same for the
    same seed."""
    rng = random.Random(seed)
    out = bytearray()
    for byte in page:
        edge = byte in b'<>"\':;,\\/\r\n\t ' and rng.random() < 0.2
        if edge and rng.random() < 0.5:
            out += rng.choice(GARBAGE_PIECES)
        out.append(byte)
        if edge and rng.random() < 0.5:
            out += rng.choice(GARBAGE_PIECES)
    return bytes(out)


def hostile_service(exchange, name):
    """The service that /hostile/NAME/SERVICE/... names; 360-api as the download API's answer."""
    parts = exchange.path.split("/")
    return parts[3] if exchange.path.startswith(f"/hostile/{name}/") and len(parts) > 3 else "360-api"


def service_answer(server, service):
    """The body and content type of the service's page (360: its share page; 360-api: the
    download API's reply with the address), or None for an unknown service."""
    if service == "360-api":
        reply = json.dumps({"errno": 0, "data": {"downloadurl": address_360(server, SHARES_360["Qx7Yb2Zk"])}})
        return reply.replace("/", "\\/").encode(), "application/json"
    if service in SERVICES or service == "360":
        return fixture_page(service, server.hosts), "text/html; charset=utf-8"
    return None


def hostile_garbage(exchange):
    """/hostile/garbage/SERVICE/...?seed=N: the share page of the service (360: its share
    page; 360-api: the download API's reply with the address; 360-short: a short link's
    redirect) garbled by seed N. As the API's answer: its reply, garbled by seed 1."""
    service = hostile_service(exchange, "garbage")
    seed = int(exchange.query.get("seed", "1"))
    server = exchange.server
    answer = service_answer(server, service)
    if service == "360-short":
        location = garbled(f"{server.base_url}/360/lk/Qx7Yb2Zk".encode(), seed)
        exchange.start(302, length=0, headers=[("Location", location.decode("latin-1"))])
    elif answer:
        exchange.send(200, garbled(answer[0], seed), content_type=answer[1])
    else:
        exchange.send(404, b"unknown service")


def hostile_cut(exchange):
    """/hostile/cut/SERVICE/...: the service's page (as for garbage) with its whole length
    announced, cut after its first half: the connection closes in the middle of the body.
    As the API's answer: its reply, cut so."""
    answer = service_answer(exchange.server, hostile_service(exchange, "cut"))
    if not answer:
        return exchange.send(404, b"unknown service")
    body, content_type = answer
    exchange.start(200, length=len(body), content_type=content_type)
    exchange.write(body[:len(body) // 2])
    exchange.handler.connection.shutdown(socket.SHUT_RDWR)


def hostile_file_location(exchange):
    """A redirect (302) to the file:// URL in to (default file:///C:/windows/win.ini)."""
    exchange.send(302, b"", headers=[("Location", exchange.query.get("to", "file:///C:/windows/win.ini"))])


HOSTILE_ANSWERS = {
    "silent": hostile_silent,
    "trickle": hostile_trickle,
    "endless": hostile_endless,
    "long-header": hostile_long_header,
    "garbage": hostile_garbage,
    "cut": hostile_cut,
    "file-location": hostile_file_location,
}


def hostile_route(name, answer):
    route(f"/hostile/{name}", methods=HOSTILE_METHODS)(answer)


for _name, _answer in HOSTILE_ANSWERS.items():
    hostile_route(_name, _answer)


@route("/_refused_port")
def refused_port(exchange):
    exchange.send(200, str(exchange.server.refused_port).encode(), content_type="text/plain")


@route("/_record/clear")
def record_clear(exchange):
    exchange.server.clear_record()
    exchange.send(200, b"cleared")


@route("/_record")
def record(exchange):
    requests = exchange.server.recorded()
    if exchange.query.get("format") == "text":
        exchange.send(200, records_as_text(requests), content_type="text/plain; charset=utf-8")
    elif exchange.query.get("format") == "lines":
        lines = "".join(f"{r['method']} {r['target']}\r\n" for r in requests)
        exchange.send(200, lines.encode(), content_type="text/plain; charset=utf-8")
    else:
        exchange.send(200, json.dumps(requests, ensure_ascii=False).encode(),
                      content_type="application/json; charset=utf-8")


def records_as_text(requests):
    """Each request as its request line, its header lines, an empty line, its body and a
    line break (all CRLF); easy to search from C++ tests."""
    out = bytearray()
    for r in requests:
        out += f"{r['method']} {r['target']}\r\n".encode()
        for name, value in r["headers"]:
            out += f"{name}: {value}\r\n".encode()
        out += b"\r\n" + r["body"].encode("latin-1") + b"\r\n"
    return bytes(out)


# ---------------------------------------------------------------------------------------
# Server


class Exchange:
    """One request and the helpers to answer it."""

    def __init__(self, handler, record):
        self.handler = handler
        self.server = handler.server
        self.record = record
        parts = urlsplit(record["target"])  # also splits the absolute targets of a proxy
        self.path = parts.path
        self.query_all = parse_qs(parts.query, keep_blank_values=True)  # name -> every value
        self.query = {k: v[-1] for k, v in self.query_all.items()}  # name -> last value

    def start(self, status, length, content_type="text/html; charset=utf-8", headers=()):
        """Sends the status line and headers; length None means "until the connection
        closes". headers is a list of (name, value) pairs, names may repeat (Set-Cookie)."""
        h = self.handler
        h.send_response(status)
        h.send_header("Content-Type", content_type)
        for name, value in headers:
            h.send_header(name, value)
        # Every answer ends its connection. A client that kept it for the next request
        # could find it closed by the time it sends (Wine's WinINet keeps connections
        # across sessions), and that request would then never arrive here.
        h.send_header("Connection", "close")
        h.close_connection = True
        if length is not None:
            h.send_header("Content-Length", str(length))
        h.end_headers()

    def write(self, data):
        """Writes body bytes; False once the client has gone."""
        try:
            self.handler.wfile.write(data)
            self.handler.wfile.flush()
            return True
        except (BrokenPipeError, ConnectionResetError, ConnectionAbortedError):
            self.handler.close_connection = True
            return False

    def send(self, status, body, content_type="text/html; charset=utf-8", headers=()):
        self.start(status, len(body), content_type, headers)
        if self.record["method"] != "HEAD":
            self.write(body)


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "ShareStandIn/1"

    def log_message(self, format, *args):  # quiet unless asked
        if self.server.verbose:
            super().log_message(format, *args)

    def handle_one_request(self):
        try:
            super().handle_one_request()
        except (BrokenPipeError, ConnectionResetError, ConnectionAbortedError):
            self.close_connection = True

    def dispatch(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length > 0 else b""
        record = {
            "method": self.command,
            "target": self.path,
            "line": self.raw_requestline.decode("latin-1"),  # as it arrived, line break included
            "version": self.request_version,
            "headers": list(self.headers.items()),
            "body": body.decode("latin-1"),  # bytes kept one for one
        }
        exchange = Exchange(self, record)
        if not exchange.path.startswith("/_"):
            self.server.remember(record)
        for prefix, methods, handler in ROUTES:
            if exchange.path.startswith(prefix) and self.command in methods:
                return handler(exchange)
        exchange.send(404, b"<html><body>no such page</body></html>")

    do_GET = do_POST = do_PUT = do_HEAD = do_DELETE = dispatch


class ShareServer(ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, port, hosts, verbose=False):
        super().__init__(("127.0.0.1", port), Handler)
        self.hosts = hosts
        self.verbose = verbose
        self.stopping = threading.Event()
        self._lock = threading.Lock()
        self._record = []
        # Bound but never listening: connecting to it is refused at once.
        self._refused = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self._refused.bind(("127.0.0.1", 0))

    @property
    def port(self):
        return self.server_address[1]

    @property
    def refused_port(self):
        return self._refused.getsockname()[1]

    @property
    def base_url(self):
        return f"http://127.0.0.1:{self.port}"

    def remember(self, record):
        with self._lock:
            self._record.append(record)

    def recorded(self):
        with self._lock:
            return list(self._record)

    def clear_record(self):
        with self._lock:
            self._record.clear()

    def start(self):
        """Serves on a background thread."""
        thread = threading.Thread(target=self.serve_forever, daemon=True)
        thread.start()
        return thread

    def stop(self):
        self.stopping.set()
        self.shutdown()
        self.server_close()
        self._refused.close()


def load_hosts(path):
    """The services' download hosts of the build (written by CMake), filled into the
    pages' {{NAME}} placeholders."""
    path = Path(path)
    if not path.is_file():
        sys.exit(f"share_server: no host file {path}; build first (scripts/build) or pass --hosts")
    return json.loads(path.read_text(encoding="utf-8"))


def banner(server):
    lines = [f"Stand-in share server on {server.base_url}", "Links to paste:"]
    labels = {"baidu": "1 百度网盘", "360": "2 360云盘", "weiyun": "3 腾讯微云", "weipan": "4 新浪微盘",
              "vdisk": "5 Vdisk", "qiannao": "6 千脑网盘"}
    for service in ("baidu", "360", "weiyun", "weipan", "vdisk", "qiannao"):
        lines.append(f"  {labels[service]:<10} {server.base_url}{DEMO_LINKS[service]}")
    lines.append("A private share (百度网盘), pasted with its code:")
    lines.append("  " + DEMO_PRIVATE_SHARE.format(base=server.base_url))
    return "\n".join(lines)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--port", type=int, default=0, help="port (default: one the OS picks)")
    parser.add_argument("--hosts", default=str(DEFAULT_HOSTS), help="share-hosts.json of the build")
    parser.add_argument("--port-file", help="write the port number here once serving")
    parser.add_argument("--verbose", action="store_true", help="log every request")
    parser.add_argument("--run", action="store_true",
                        help="run the command after -- with GETLINK_SHARE_SERVER set, then stop")
    command = []
    if "--" in argv:
        at = argv.index("--")
        argv, command = argv[:at], argv[at + 1:]
    args = parser.parse_args(argv)
    if args.run and not command:
        parser.error("--run needs a command after --")

    server = ShareServer(args.port, load_hosts(args.hosts), args.verbose)
    server.start()
    if args.port_file:
        Path(args.port_file).write_text(f"{server.port}\n")
    try:
        if args.run:
            env = dict(os.environ, GETLINK_SHARE_SERVER=server.base_url,
                       GETLINK_SHARE_HOSTS=str(Path(args.hosts).resolve()))
            return subprocess.call(command, env=env)
        print(banner(server), flush=True)
        while True:
            time.sleep(3600)
    except KeyboardInterrupt:
        return 0
    finally:
        server.stop()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
