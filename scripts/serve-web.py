#!/usr/bin/python3
"""Serves the browser build as a host should: each file's compressed copy
made at build time (NAME.br, else NAME.gz; scripts/web-compress.sh) when the
browser accepts it, with Content-Encoding and Vary: Accept-Encoding, and the
type of the file itself (application/wasm for the program).

    serve-web.py WEB_DIR [PORT] [ADDRESS]     (default 8066 on 127.0.0.1)
"""
import functools
import http.server
import os
import sys
import urllib.parse

ENCODINGS = (("br", ".br"), ("gzip", ".gz"))


class Handler(http.server.SimpleHTTPRequestHandler):
    """The web folder, each file in the best encoding the browser takes."""

    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map,
                          **{".wasm": "application/wasm", ".js": "text/javascript", ".json": "application/json",
                             ".bin": "application/octet-stream", ".webmanifest": "application/manifest+json"})

    def accepted(self):
        header = self.headers.get("Accept-Encoding", "")
        return {part.split(";")[0].strip() for part in header.split(",")}

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
            if not urllib.parse.urlsplit(self.path).path.endswith("/"):
                return super().send_head()  # the redirect to the folder's slash
        if not os.path.isfile(path) or path.endswith((".br", ".gz")):
            return super().send_head()
        accepted = self.accepted()
        for encoding, suffix in ENCODINGS:
            if encoding in accepted and os.path.isfile(path + suffix):
                return self.send_file(path + suffix, self.guess_type(path), encoding)
        return self.send_file(path, self.guess_type(path), None)

    def send_file(self, path, ctype, encoding):
        f = open(path, "rb")
        size = os.fstat(f.fileno()).st_size
        self.send_response(200)
        self.send_header("Content-Type", ctype)
        self.send_header("Content-Length", str(size))
        self.send_header("Vary", "Accept-Encoding")
        if encoding:
            self.send_header("Content-Encoding", encoding)
        # The page's files change with each build under the same names.
        self.send_header("Cache-Control", "no-cache")
        self.end_headers()
        return f

    def log_message(self, *a):
        pass


def serve(web_dir, port, address="127.0.0.1"):
    handler = functools.partial(Handler, directory=web_dir)
    with http.server.ThreadingHTTPServer((address, port), handler) as server:
        print(f"Tolvane in the browser: http://{address}:{server.server_address[1]}/", flush=True)
        server.serve_forever()


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3, 4):
        sys.exit(__doc__)
    try:
        serve(os.path.abspath(sys.argv[1]), int(sys.argv[2]) if len(sys.argv) > 2 else 8066,
              sys.argv[3] if len(sys.argv) > 3 else "127.0.0.1")
    except KeyboardInterrupt:
        pass
