#!/usr/bin/python3
"""The language a page plays in, with no --lang and no saved language: the
first Japanese or English one of the browser's languages, in their order
(navigator.languages), whatever comes before it; English when none is.

    web_language.py WEB_DIR REPLAY_DIR
"""
import os
import sys

from page_driver import browser, check, q, summary

# The browser's languages, and the game's language they give.
CASES = [
    (["ja-JP", "en-US"], "ja"),
    (["fr-FR", "ja", "en"], "ja"),
    (["de-DE", "en-GB", "ja"], "en"),
    (["fr-FR", "de"], "en"),
]


def main(argv):
    web_dir, replay_dir = map(os.path.abspath, argv[1:3])
    with browser(web_dir, replay_dir) as (page, base):
        for languages, want in CASES:
            # Set before the page's own script runs, as the browser's
            # settings would have them.
            shim = page.call("Page.addScriptToEvaluateOnNewDocument", source=(
                f"Object.defineProperty(navigator, 'languages', {{get: () => {languages!r}}});"
                f"Object.defineProperty(navigator, 'language', {{get: () => {languages[0]!r}}});"))
            page.open(base + q("--headless --max-ms 100 --record /run/record.txt"))
            ended = page.wait("window.tolvane && window.tolvane.ended", 60)
            record = page.eval("window.tolvane.files.record || ''") or ""
            got = record.split("--lang ")[1][:2] if "--lang " in record else None
            check(ended and got == want, f"browser languages {languages}: the game in {want} (got {got})")
            page.call("Page.removeScriptToEvaluateOnNewDocument", identifier=shim["identifier"])
    return summary("web language")


if __name__ == "__main__":
    sys.exit(main(sys.argv))
