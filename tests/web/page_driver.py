"""Drives the browser build in headless Chromium over its DevTools protocol:
a local server for the web folder (and the replays under /replays/), one
browser with a fresh profile, and a tab to command. Shared by the page tests.
"""
import base64
import contextlib
import functools
import http.server
import json
import os
import shutil
import subprocess
import tempfile
import threading
import time
import urllib.parse
import urllib.request

import websocket

# The browser's own autoplay policy stays in force: sound waits for a click.
CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--use-gl=swiftshader", "--enable-unsafe-swiftshader",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--no-first-run", "--remote-allow-origins=*", "--window-size=800,600",
]

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)


class Handler(http.server.SimpleHTTPRequestHandler):
    """The web folder, and the replays under /replays/."""

    def __init__(self, *a, web_dir, replay_dir, **kw):
        self.replay_dir = replay_dir
        super().__init__(*a, directory=web_dir, **kw)

    def translate_path(self, path):
        p = urllib.parse.urlparse(path).path
        if p.startswith("/replays/"):
            return os.path.join(self.replay_dir, os.path.basename(p))
        return super().translate_path(path)

    def log_message(self, *a):
        pass


class Page:
    """One tab: commands, console lines, and a wait for a condition."""

    def __init__(self, port, target=None):
        """The browser's first tab, or the given target (see new_tab)."""
        self.port = port
        if target is None:
            targets = json.load(urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list"))
            target = next(t for t in targets if t["type"] == "page")
        self.ws = websocket.create_connection(target["webSocketDebuggerUrl"], suppress_origin=True, timeout=60)
        self.next_id = 0
        self.console = []  # (seconds since navigation, text)
        self.t0 = time.monotonic()
        for domain in ("Page", "Runtime"):
            self.call(domain + ".enable")

    def new_tab(self):
        """Another tab of the same browser (and profile)."""
        req = urllib.request.Request(f"http://127.0.0.1:{self.port}/json/new?about:blank", method="PUT")
        return Page(self.port, json.load(urllib.request.urlopen(req)))

    def _take(self, msg):
        if msg.get("method") == "Runtime.consoleAPICalled":
            text = " ".join(str(a.get("value", "")) for a in msg["params"]["args"])
            for line in text.splitlines():
                self.console.append((time.monotonic() - self.t0, line))

    def call(self, method, **params):
        self.next_id += 1
        self.ws.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            msg = json.loads(self.ws.recv())
            if msg.get("id") == self.next_id:
                if "error" in msg:
                    raise RuntimeError(f"{method}: {msg['error']}")
                return msg.get("result", {})
            self._take(msg)

    def pump(self, seconds):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            self.ws.settimeout(max(0.01, end - time.monotonic()))
            try:
                self._take(json.loads(self.ws.recv()))
            except websocket.WebSocketTimeoutException:
                break
        self.ws.settimeout(60)

    def eval(self, expr):
        r = self.call("Runtime.evaluate", expression=expr, returnByValue=True, awaitPromise=True)
        return r.get("result", {}).get("value")

    def wait(self, expr, timeout):
        """Until the page's expression is true; False after timeout."""
        return self.wait_until(lambda: self.eval(expr), timeout)

    def wait_until(self, cond, timeout):
        """Until cond() (a Python test of what was seen) holds; False after timeout."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if cond():
                return True
            self.pump(0.05)
        return False

    def wait_console(self, needle, timeout):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            for t, line in self.console:
                if needle in line:
                    return t
            self.pump(0.05)
        return None

    def wait_console_count(self, needle, count, timeout):
        return self.wait_until(lambda: sum(needle in line for _, line in self.console) >= count, timeout)

    def open(self, url):
        self.console = []
        self.t0 = time.monotonic()
        self.call("Page.navigate", url=url)

    def start(self, url, timeout=30):
        """Opens url (a game started without the cover) until the game runs."""
        self.open(url)
        return self.wait("window.tolvane.started", timeout)

    def read_file(self, path):
        """The text of a file in the game's own file system, '' when there is none."""
        return self.eval(f"(() => {{ try {{ return new TextDecoder().decode(FS.readFile('{path}')); }}"
                         " catch (e) { return ''; } })()") or ""

    def click(self, x, y):
        # Page pixels: the canvas is scaled, the game sees its own 640x480.
        # Held a moment, as a hand does: the game reads the button once a frame.
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", clickCount=1)
            self.pump(0.25)

    def touch(self, x, y, hold=0.1):
        """A finger on page pixel (x, y), lifted after `hold` seconds (a tap,
        or a long press); touch events alone, no mouse events."""
        point = [{"x": x, "y": y, "radiusX": 4, "radiusY": 4, "id": 1}]
        self.call("Input.dispatchTouchEvent", type="touchStart", touchPoints=point)
        self.pump(hold)
        self.call("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
        self.pump(0.25)

    def emulate_device(self, width, height, touch=True):
        """A phone or tablet: its screen in CSS pixels, touch only."""
        landscape = width > height
        self.call("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=1, mobile=True,
                  screenOrientation={"type": "landscapePrimary" if landscape else "portraitPrimary",
                                     "angle": 90 if landscape else 0})
        self.call("Emulation.setTouchEmulationEnabled", enabled=touch, maxTouchPoints=5)

    def set_hidden(self, hidden):
        """The tab in the background (or back): document.hidden and its event."""
        state = "hidden" if hidden else "visible"
        self.eval(f"(() => {{ Object.defineProperty(document, 'hidden', {{configurable: true, get: () => {str(hidden).lower()}}});"
                  f" Object.defineProperty(document, 'visibilityState', {{configurable: true, get: () => '{state}'}});"
                  " document.dispatchEvent(new Event('visibilitychange')); })()")

    def key(self, key, code, vk, modifiers=0):
        for kind in ("keyDown", "keyUp"):
            self.call("Input.dispatchKeyEvent", type=kind, key=key, code=code, windowsVirtualKeyCode=vk,
                      modifiers=modifiers, text=key if kind == "keyDown" and len(key) == 1 else "")

    def element_centre(self, element_id):
        return self.eval(f"(() => {{ const b = document.getElementById('{element_id}').getBoundingClientRect();"
                         " return [b.left + b.width / 2, b.top + b.height / 2]; })()")

    def audio_state(self):
        """The state of the game's AudioContext ('none' before the game opened its sound)."""
        return self.eval("(Module.SDL2 && Module.SDL2.audioContext) ? Module.SDL2.audioContext.state : 'none'")

    def full_screen(self):
        """The id of the element shown full screen, or None."""
        return self.eval("document.fullscreenElement ? document.fullscreenElement.id : null")

    def shot(self, path):
        data = self.call("Page.captureScreenshot", format="png")["data"]
        with open(path, "wb") as f:
            f.write(base64.b64decode(data))
        print(f"     shot {path}", flush=True)

    def canvas_point(self, gx, gy):
        """Page pixels of the game's pixel (gx, gy) through the scaled canvas."""
        r = self.eval("(() => { const b = document.getElementById('canvas').getBoundingClientRect();"
                      " return [b.left, b.top, b.width, b.height]; })()")
        return r[0] + (gx + 0.5) * r[2] / 640, r[1] + (gy + 0.5) * r[3] / 480


def q(args, **extra):
    return "?" + urllib.parse.urlencode(dict(args=args, **extra))



@contextlib.contextmanager
def browser(web_dir, replay_dir, extra_flags=(), handler=None):
    """Serves web_dir (through handler, a request handler class taking
    directory=, when given) and starts Chromium; yields (page, base URL of
    index.html)."""
    chromium = shutil.which("chromium") or "/usr/bin/chromium"
    if handler:
        handler = functools.partial(handler, directory=web_dir)
    else:
        handler = functools.partial(Handler, web_dir=web_dir, replay_dir=replay_dir)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    base = f"http://127.0.0.1:{server.server_address[1]}/index.html"
    profile = tempfile.mkdtemp(prefix="tolvane-chromium-")
    proc = subprocess.Popen([chromium, *CHROMIUM_FLAGS, *extra_flags, "--remote-debugging-port=0",
                             f"--user-data-dir={profile}", "about:blank"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        port_file = os.path.join(profile, "DevToolsActivePort")
        for _ in range(300):
            if os.path.exists(port_file) and open(port_file).read().strip():
                break
            time.sleep(0.1)
        port = int(open(port_file).read().split()[0])
        page = Page(port)
        page.stop_server = lambda: (server.shutdown(), server.server_close())  # the site goes off line
        yield page, base
    finally:
        proc.terminate()
        try:
            proc.wait(10)
        except subprocess.TimeoutExpired:
            proc.kill()
        shutil.rmtree(profile, ignore_errors=True)
        server.shutdown()


def summary(name):
    """Prints the outcome and returns the exit status."""
    print(f"{name}: " + ("all passed" if not failures else f"{len(failures)} failed"), flush=True)
    return 1 if failures else 0
