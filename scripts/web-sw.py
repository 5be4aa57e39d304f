#!/usr/bin/env python3
"""Writes OUT/sw.js, the page's service worker, for the files OUT holds now:
every file the page may fetch (compressed copies .br and .gz aside, which a
server sends in their place), each with its SHA-256. Its cache is named
after the hash of them all, so each build has a cache of its own.

The worker fills its cache on install and checks every file against its
hash, so a server caught halfway through a deployment fails the install
and the last whole build stays in use: a page never gets one build's .js
beside another's .wasm or data. It serves from its cache first (ignoring
the page's ?args), falls back to the network for what it does not hold (a
test's replays), and deletes the other builds' caches when it takes over,
which it does once no tab of the older build is open.

    web-sw.py OUT_DIR
"""
import hashlib
import json
import os
import sys

SKIP_SUFFIXES = (".br", ".gz")
WORKER = "sw.js"

TEMPLATE = """// The page's service worker, written by scripts/web-sw.py for one build.
'use strict';
const CACHE = 'tolvane-%(hash)s';
const FILES = %(files)s;

async function fill() {
  const cache = await caches.open(CACHE);
  await Promise.all(Object.entries(FILES).map(async ([name, sha]) => {
    // The page has just fetched every file: the browser's own cache holds
    // them, so the first visit downloads nothing twice. A copy that is not
    // this build's is fetched afresh once.
    for (const mode of ['default', 'reload']) {
      const r = await fetch(name, { cache: mode });
      if (!r.ok) throw new Error(name + ': ' + r.status);
      const bytes = await r.clone().arrayBuffer();
      const got = Array.from(new Uint8Array(await crypto.subtle.digest('SHA-256', bytes)),
                             (b) => b.toString(16).padStart(2, '0')).join('');
      if (got === sha) return cache.put(name, r);
    }
    // A server halfway through a deployment: keep the last whole build.
    throw new Error(name + ' is not this build\\'s');
  }));
}

self.addEventListener('install', (e) => {
  e.waitUntil(fill().catch(async (err) => {
    await caches.delete(CACHE);
    throw err;
  }));
});

self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys().then((keys) => Promise.all(
    keys.filter((k) => k.startsWith('tolvane-') && k !== CACHE).map((k) => caches.delete(k)))));
});

self.addEventListener('fetch', (e) => {
  const req = e.request;
  if (req.method !== 'GET' || new URL(req.url).origin !== location.origin) return;
  e.respondWith((async () => {
    const cache = await caches.open(CACHE);
    let hit = await cache.match(req, { ignoreSearch: true });
    if (!hit && req.mode === 'navigate') hit = await cache.match('index.html');
    return hit || fetch(req);
  })());
});
"""


def main(argv):
    if len(argv) != 2:
        print("usage: web-sw.py OUT_DIR", file=sys.stderr)
        return 2
    out = argv[1]
    files = {}
    for folder, dirs, names in os.walk(out):
        dirs[:] = sorted(d for d in dirs if not d.startswith("."))
        for name in sorted(names):
            rel = os.path.relpath(os.path.join(folder, name), out).replace(os.sep, "/")
            if rel == WORKER or name.startswith(".") or name.endswith(SKIP_SUFFIXES):
                continue
            with open(os.path.join(folder, name), "rb") as f:
                files[rel] = hashlib.sha256(f.read()).hexdigest()
    if "index.html" not in files:
        print(f"web-sw: no index.html in {out}", file=sys.stderr)
        return 2
    whole = hashlib.sha256("".join(f"{n}\0{h}\n" for n, h in sorted(files.items())).encode()).hexdigest()
    text = TEMPLATE % {"hash": whole[:16], "files": json.dumps(files, indent=2, sort_keys=True)}
    with open(os.path.join(out, WORKER), "w") as f:
        f.write(text)
    print(f"web-sw: {out}/{WORKER}: {len(files)} files, cache tolvane-{whole[:16]}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
