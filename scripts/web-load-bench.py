#!/usr/bin/python3
"""How long a first visit takes to show the title: the browser build served
as scripts/serve-web.py serves it (the .br/.gz copies), loaded in headless
Chromium with its cache and any service worker bypassed, over an emulated
phone's link (25 Mbit/s down, 40 ms latency) and over the loopback. Prints,
for each, the seconds from navigation to the cover's "click to start" and to
the title's first frame (a page started at the title, whose log line
Startframe reaches the console), min/median/max of several runs. The goal
for the title over the phone's link: under 3 s.

    web-load-bench.py WEB_DIR [RUNS]
"""
import importlib.util
import os
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "web"))
from page_driver import browser, q  # noqa: E402

spec = importlib.util.spec_from_file_location("serve_web", os.path.join(HERE, "serve-web.py"))
serve_web = importlib.util.module_from_spec(spec)
spec.loader.exec_module(serve_web)

LINKS = [
    ("25 Mbit/s, 40 ms", dict(offline=False, latency=40, downloadThroughput=25e6 / 8, uploadThroughput=5e6 / 8)),
    ("loopback", None),
]


def one_visit(page, base, link, args, needle, cover):
    page.call("Network.enable")
    page.call("Network.setCacheDisabled", cacheDisabled=True)
    page.call("Network.setBypassServiceWorker", bypass=True)
    if link:
        page.call("Network.emulateNetworkConditions", **link)
    page.open("about:blank")
    page.pump(0.3)
    page.open(base + args)
    if cover:
        ok = page.wait("document.getElementById('cover').classList.contains('ready')", 60)
        t = time.monotonic() - page.t0 if ok else None
    else:
        t = page.wait_console(needle, 60)
    if link:
        page.call("Network.emulateNetworkConditions", offline=False, latency=0, downloadThroughput=-1,
                  uploadThroughput=-1)
    page.call("Network.disable")
    return t


def figures(times):
    ok = [t for t in times if t is not None]
    if not ok:
        return "no run finished"
    return (f"min {min(ok):.2f} s, median {statistics.median(ok):.2f} s, max {max(ok):.2f} s"
            + (f" ({len(times) - len(ok)} runs timed out)" if len(ok) < len(times) else ""))


def main(argv):
    if len(argv) not in (2, 3):
        sys.exit(__doc__)
    web_dir = os.path.abspath(argv[1])
    runs = int(argv[2]) if len(argv) == 3 else 5
    with browser(web_dir, None, handler=serve_web.Handler) as (page, base):
        for name, link in LINKS:
            cover = [one_visit(page, base, link, q("--log -"), None, True) for _ in range(runs)]
            title = [one_visit(page, base, link, q("--log - --scene 7", autostart="1"), "Startframe", False)
                     for _ in range(runs)]
            print(f"{name}: the cover ready to click: {figures(cover)}", flush=True)
            print(f"{name}: the title's first frame:  {figures(title)}", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
