"""A folder served on 127.0.0.1, and headless Chromium to visit it (Debian's chromium,
chromium-driver and python3-selenium): for the web page's tests and its start-up benchmark."""

import functools
import http.server
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


class Server:
    """`folder` over HTTP on 127.0.0.1, on a free port of its own, until stopped."""

    def __init__(self, folder):
        handler = functools.partial(_Quiet, directory=folder)
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = "http://127.0.0.1:%d/" % self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        if self.httpd:
            self.httpd.shutdown()
            self.httpd.server_close()
            self.httpd = None


class _Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def browser(profile, language="en-GB"):
    """Headless Chromium with the profile folder `profile` (a fresh one for a first visit),
    its language `language`. Service workers need the secure context that 127.0.0.1 is."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync",
                     "--user-data-dir=" + profile, "--lang=" + language,
                     "--window-size=1280,800"):
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
