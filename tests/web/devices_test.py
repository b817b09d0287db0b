"""The page on the devices a class uses: phones, tablets, zoom, shared links,
installed and offline, in real headless Chromium.

Usage: devices_test.py BUILD_DIR
BUILD_DIR holds ovali.html, index.html, sw.js, manifest.webmanifest and icon.svg.
"""

import base64
import contextlib
import functools
import http.server
import pathlib
import shutil
import socket
import struct
import sys
import tempfile
import threading
import unittest
import zlib

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from browser import chromium, viewport, wait_for  # noqa: E402

BUILD = None

CONTROLS = ("txtNB", "txtDollars", "txtNTrade", "Command1_0", "Command1_2", "Command1_3",
            "Command1_4", "chkFast", "Label3_0", "Label3_1", "Label3_2", "Label3_3")

# The box of each control as the user aims at it: a check box's whole label,
# and its square, which is what most people aim at.
BOXES = """
const box = (id, el) => { const r = el.getBoundingClientRect();
                          return [id, r.left, r.top, r.width, r.height]; };
return arguments[0].flatMap(id => {
  const el = document.getElementById(id);
  if (el.type !== 'checkbox') return [box(id, el)];
  return [box(id, el.parentElement), box(id + ' square', el)];
});"""


@contextlib.contextmanager
def server(folder):
    """A local web server for `folder`; stopped on leaving, or by calling stop()."""
    handler = functools.partial(Quiet, directory=str(folder))
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        port = s.getsockname()[1]
    httpd = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
    thread = threading.Thread(target=httpd.serve_forever, daemon=True)
    thread.start()

    def stop():
        if thread.is_alive():
            httpd.shutdown()
            httpd.server_close()
            thread.join()

    httpd.stop = stop
    httpd.url = f"http://127.0.0.1:{port}/"
    try:
        yield httpd
    finally:
        stop()


def shot(driver, x, y, width, height):
    """The page's pixels in a box of CSS pixels, as rows of (red, green, blue)."""
    clip = {"x": x, "y": y, "width": width, "height": height, "scale": 1}
    data = base64.b64decode(driver.execute_cdp_cmd(
        "Page.captureScreenshot", {"format": "png", "clip": clip})["data"])
    at, packed = 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            columns, lines, _, colour = struct.unpack(">IIBB", body[:10])
        elif kind == b"IDAT":
            packed += body
        at += 12 + length
    step = 4 if colour == 6 else 3  # RGBA or RGB, eight bits each
    raw, stride = zlib.decompress(packed), columns * step
    rows, above = [], bytearray(stride)
    for n in range(lines):
        start = n * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            a = line[i - step] if i >= step else 0
            b, c = above[i], above[i - step] if i >= step else 0
            if kind == 4:
                p = a + b - c
                a = a if abs(p - a) <= abs(p - b) and abs(p - a) <= abs(p - c) else (
                    b if abs(p - b) <= abs(p - c) else c)
            line[i] = (line[i] + (0, a, b, (a + b) // 2, a)[kind]) & 255
        rows.append([tuple(line[k:k + 3]) for k in range(0, stride, step)])
        above = line
    return rows


class Quiet(http.server.SimpleHTTPRequestHandler):
    requested = []

    def log_message(self, format, *args):
        Quiet.requested.append(self.path)


class Devices(unittest.TestCase):
    def setUp(self):
        self.driver = None

    def tearDown(self):
        if self.driver:
            errors = [e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]
            self.driver.quit()
            self.assertEqual(errors, [])

    # Helpers.

    def start(self, width=1000, height=800, query="", url=None):
        self.driver = chromium(width, height)
        viewport(self.driver, width, height)
        self.driver.get((url or (BUILD / "ovali.html").as_uri()) + query)
        wait_for(lambda: self.js("return !!document.getElementById('T_7')"))

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def el(self, id_):
        return self.driver.find_element(By.ID, id_)

    def value(self, id_):
        return self.el(id_).get_attribute("value")

    def box(self):
        return wait_for(lambda: self.js(
            "const d = document.querySelector('dialog[open]');"
            "return d && d.querySelector('.message').textContent"))

    def close_box(self):
        self.js("document.querySelector('dialog[open] button').click()")
        # Gone once its close event has run: until then the page still
        # counts the box as open and keeps the keys from the menu bar.
        wait_for(lambda: self.js("return !document.querySelector('dialog')"))

    def players(self):
        return wait_for(lambda: self.js(
            "return [...document.querySelectorAll('[id^=\"P_\"]')].filter(e => !e.hidden).length"))

    def boxes(self):
        return {row[0]: row[1:] for row in self.js(BOXES, list(CONTROLS))}

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def chord(self, modifiers, key):
        chain = ActionChains(self.driver)
        for m in modifiers:
            chain.key_down(m)
        chain.send_keys(key)
        for m in reversed(modifiers):
            chain.key_up(m)
        chain.perform()

    def focused(self):
        return self.js("return document.activeElement.id")

    # Tests.

    def test_each_screen_its_arrangement_with_large_targets(self):
        # The share of the width from the leftmost control to the rightmost.
        for width, height, phone, reach in ((390, 844, True, 0.9), (768, 1024, False, 0.85),
                                            (1920, 1080, False, None)):
            with self.subTest(f"{width}x{height}"):
                self.start(width, height)
                boxes = self.boxes()
                stage = self.js("const s = document.getElementById('stage');"
                                "const e = document.getElementById('extent').getBoundingClientRect();"
                                "return [s.scrollWidth, s.clientWidth, s.scrollHeight,"
                                " s.clientHeight, e.width]")
                self.assertLessEqual(stage[0], stage[1], "no sideways scrolling")
                self.assertLessEqual(stage[2], stage[3], "no scrolling at all")
                links_below_fields = boxes["Label3_0"][1] > boxes["txtNTrade"][1]
                if width == 1920:
                    self.assertFalse(links_below_fields, "the window's own layout")
                    continue
                self.assertTrue(links_below_fields, "upright: the board on top")
                self.assertAlmostEqual(stage[4], width, delta=1, msg="the game spans the width")
                for id_, (x, y, w, h) in boxes.items():
                    self.assertGreaterEqual(min(w, h), 24, f"{id_}: {w:.1f} x {h:.1f}")
                    self.assertLessEqual(x + w, width + 0.5, id_)
                    if phone and id_.startswith("Command1"):
                        self.assertGreaterEqual(h, 40, id_)
                left = min(x for x, _, _, _ in boxes.values())
                right = max(x + w for x, _, w, _ in boxes.values())
                self.assertGreaterEqual((right - left) / width, reach, "the controls span it")
                # The menus, too.
                self.el("mnuOpt").click()
                heights = self.js("return [...document.querySelectorAll('.baritem, #mnuOpt_menu"
                                  " .menuitem')].map(e => e.getBoundingClientRect().height)")
                self.assertGreaterEqual(min(heights), 24)
                self.driver.quit()
                self.driver = None

    def test_history_beside_or_below_the_game(self):
        rects = ("return ['stage', 'history'].map(id => document.getElementById(id)"
                 ".getBoundingClientRect().toJSON())")
        for width, height, beside, phone in ((1920, 1080, True, False),
                                             (768, 1024, False, False),
                                             (390, 844, False, True)):
            with self.subTest(f"{width}x{height}"):
                self.start(width, height)
                alone = self.js(rects)[0]
                self.el("mnuView").click()
                self.el("mnuHistory").click()
                wait_for(lambda: self.js("return !!document.querySelector('#history svg')"))
                stage, panel = self.js(rects)
                if beside:
                    self.assertGreaterEqual(panel["left"], stage["right"] - 0.5)
                    self.assertLess(panel["top"], stage["bottom"])
                else:
                    self.assertGreaterEqual(panel["top"], stage["bottom"] - 0.5)
                if phone:
                    self.assertAlmostEqual(stage["height"], alone["height"], delta=0.5,
                                           msg="the game keeps the whole screen")
                    self.assertLess(panel["top"], height, "scrolled into view")
                    self.assertGreater(self.boxes()["Label3_0"][1], self.boxes()["txtNTrade"][1],
                                       "still upright")
                self.driver.quit()
                self.driver = None

    def test_the_analysis_shows_its_whole_table(self):
        # After a fast run at 30 players and $30, on a laptop and a projector.
        for width, height in ((1366, 768), (1920, 1080)):
            with self.subTest(f"{width}x{height}"):
                self.start(width, height, query="?players=30&total=30&units=1&fast=1")
                self.players()
                self.el("Command1_0").click()
                wait_for(lambda: int(self.el("C").text or 0) > 1000)
                self.el("Command1_0").click()
                wait_for(lambda: self.el("Command1_0").text == "Start")
                self.el("Command1_4").click()
                self.assertIn("$0\t", self.box())
                hidden, bottom, chart = self.js(
                    "const d = document.querySelector('dialog[open]');"
                    "const m = d.querySelector('.message');"
                    "return [m.scrollHeight - m.clientHeight, d.getBoundingClientRect().bottom,"
                    " d.querySelector('svg').getBoundingClientRect().height]")
                self.assertLessEqual(hidden, 0, "every row without scrolling")
                self.assertLessEqual(bottom, height)
                self.assertGreaterEqual(chart, height / 3, "the chart still large enough to read")
                self.driver.quit()
                self.driver = None

    def test_embedded_in_a_course_page_it_waits_to_be_touched(self):
        folder = pathlib.Path(tempfile.mkdtemp(prefix="ovali-course-"))
        self.addCleanup(shutil.rmtree, folder, True)
        for name in ("ovali.html", "sw.js", "manifest.webmanifest", "icon.svg"):
            shutil.copy(BUILD / name, folder / name)
        (folder / "course.html").write_text(
            '<!doctype html><meta charset="utf-8"><title>Course</title>'
            '<link rel="icon" href="data:,">'
            '<p style="height: 1500px">Read this first.</p>'
            '<iframe id="game" src="ovali.html" width="1000" height="700"></iframe>')
        with server(folder) as site:
            self.driver = chromium(1200, 800)
            viewport(self.driver, 1200, 800)
            self.driver.get(site.url + "course.html")
            self.driver.switch_to.frame(self.el("game"))
            # The first field's text is selected once the window has opened.
            wait_for(lambda: self.js("const f = document.getElementById('txtNB');"
                                     "return !!document.getElementById('T_7') && !!f"
                                     " && f.selectionEnd === 2"))
            self.driver.switch_to.default_content()
            self.assertEqual(self.js("return [scrollY, document.activeElement.tagName]"),
                             [0, "BODY"], "the course page stays where it is, with its keys")
            # A click on the empty white activates the frame: the first field
            # gets the focus it kept, its text selected.
            self.driver.switch_to.frame(self.el("game"))
            ActionChains(self.driver).move_to_element_with_offset(
                self.el("stage"), -480, -300).click().perform()
            wait_for(lambda: self.focused() == "txtNB")
            self.keys("40", Keys.ENTER)
            wait_for(lambda: self.focused() == "txtDollars")
            self.keys("80", Keys.ENTER)
            wait_for(lambda: self.focused() == "txtNTrade")
            self.keys("2", Keys.ENTER)
            wait_for(lambda: self.focused() == "Command1_0")
            self.assertEqual(self.players(), 40)
            self.el("chkFast").click()
            self.el("Command1_3").click()
            wait_for(lambda: self.el("C").text == "1")

    def test_markers_and_rungs_stand_out_in_high_contrast_colours(self):
        self.start(1366, 768, query="?players=30")
        self.players()
        for scheme in ("light", "dark"):
            with self.subTest(scheme):
                self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
                    {"name": "forced-colors", "value": "active"},
                    {"name": "prefers-color-scheme", "value": scheme}]})
                wait_for(lambda: self.js("return matchMedia('(forced-colors: active)').matches"
                                         " && matchMedia(arguments[0]).matches",
                                         f"(prefers-color-scheme: {scheme})"))
                page = shot(self.driver, 0, 0, 1, 1)[0][0]
                self.assertEqual(sum(page) > 384, scheme == "light", "the scheme's background")
                discs = self.js("return [...document.querySelectorAll('.circle:not([hidden])')]"
                                ".map(e => { const r = e.getBoundingClientRect();"
                                " return [e.id, r.left + r.width / 2, r.top + r.height / 2]; })")
                rungs = self.js("return [...document.querySelectorAll('.lines line')]"
                                ".filter(e => e.style.display !== 'none')"
                                ".map(e => { const r = e.getBoundingClientRect();"
                                " return [r.left, r.top]; })")
                self.assertEqual(len(discs), 4)
                self.assertEqual(len(rungs), 8)
                apart = lambda pixel: max(abs(p - q) for p, q in zip(pixel, page))
                for id_, x, y in discs:
                    self.assertGreaterEqual(apart(shot(self.driver, x - 1, y - 1, 2, 2)[0][0]),
                                            128, id_)
                for x, y in rungs:
                    # The rung's left end, clear of the count drawn over its middle.
                    pixels = [p for row in shot(self.driver, x, y - 2, 6, 5) for p in row]
                    self.assertGreaterEqual(max(apart(p) for p in pixels), 128, (x, y))

    def test_zoom_enlarges_and_scrolls(self):
        # 200 % zoom on a 1366 x 768 screen: half as many CSS pixels, each two
        # device pixels. Text and targets grow close to the zoom.
        self.driver = chromium(1366, 768)
        heights = {}
        for zoom in (1, 2):
            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": 1366 // zoom, "height": 768 // zoom, "deviceScaleFactor": zoom,
                "mobile": False})
            self.driver.get((BUILD / "ovali.html").as_uri())
            wait_for(lambda: self.js("return !!document.getElementById('T_7')"))
            heights[zoom] = self.js("return document.getElementById('Command1_2')"
                                    ".getBoundingClientRect().height * devicePixelRatio")
        self.assertGreaterEqual(heights[2], 1.4 * heights[1], heights)
        stage = self.js("const s = document.getElementById('stage');"
                        "return [s.scrollWidth, s.clientWidth, s.scrollHeight, s.clientHeight]")
        self.assertLessEqual(stage[0], stage[1], "no sideways scrolling beside the scroll bar")
        self.assertGreater(stage[2], stage[3], "the page scrolls down")
        self.js("document.getElementById('stage').scrollTop = 1e6")
        self.el("Command1_2").click()
        self.assertEqual(self.players(), 30, "the buttons scrolled to still work")

    def test_title_strip_and_one_announcement_per_step_or_stop(self):
        self.start()
        self.assertEqual(self.driver.title, "The Ovalin Game")
        self.assertEqual(self.el("titlebar").text, "The Ovalin Game")
        self.el("chkFast").click()
        self.el("Command1_2").click()
        self.players()
        self.el("Command1_3").click()
        wait_for(lambda: self.el("status").get_attribute("textContent") == "Round 1, Check")
        self.assertEqual(self.driver.title, "The Ovalin Game \u2014 Check")
        self.assertEqual(self.el("titlebar").text, "Check")
        self.assertEqual(self.el("status").get_attribute("aria-live"), "polite")
        # A fast run: nothing said until it stops.
        self.js("window.said = [];"
                "new MutationObserver(() => said.push(document.getElementById('status')"
                ".textContent)).observe(document.getElementById('status'),"
                " {childList: true, characterData: true, subtree: true});")
        self.el("Command1_0").click()
        wait_for(lambda: int(self.el("C").text or 0) > 500)
        self.assertEqual(self.js("return said"), [])
        self.el("Command1_0").click()
        said = wait_for(lambda: self.js("return said"))
        self.assertEqual(len(said), 1)
        self.assertRegex(said[0], r"^Round \d+, Check$")
        self.assertEqual(said[0], f"Round {self.el('C').text}, Check")

    def test_settings_in_the_address(self):
        self.start(query="?players=40&total=80&units=2&fast=1&options=inner,random,separate")
        self.assertIn("randomly chosen pairs", self.box())
        self.close_box()
        # The reset to the address's settings goes on once the box is closed.
        wait_for(lambda: self.players() == 40)
        self.assertEqual([self.value(f) for f in ("txtNB", "txtDollars", "txtNTrade")],
                         ["40", "80", "2"])
        self.assertTrue(self.el("chkFast").is_selected())
        self.assertEqual([self.el(f"mnuO_{k}").get_attribute("aria-checked") for k in range(5)],
                         ["true", "true", "false", "false", "true"])
        wait_for(lambda: self.js("return location.search") ==
                 "?players=40&total=80&units=2&fast=1&options=separate,inner,random")
        # Each reset writes the address anew.
        self.el("txtNB").clear()
        self.el("txtNB").send_keys("50")
        self.el("Command1_2").click()
        wait_for(lambda: self.js("return location.search").startswith("?players=50&"))

    def test_a_bad_value_gets_the_usual_message(self):
        self.start(query="?players=31")
        self.assertEqual(self.box(), "The number of players must be even.")
        self.close_box()
        self.assertEqual(self.players(), 32)
        self.assertEqual(self.value("txtNB"), "32")

    def test_an_unknown_setting_is_named_and_the_defaults_stay(self):
        for query, named in (("?players=40&colour=red", '"colour"'),
                             ("?options=inner,purple", '"purple"'), ("?fast=yes", '"yes"')):
            with self.subTest(query):
                self.start(query=query)
                text = self.box()
                self.assertIn(named, text)
                self.assertIn("The game starts with its usual settings.", text)
                self.close_box()
                self.assertEqual([self.value(f) for f in ("txtNB", "txtDollars", "txtNTrade")],
                                 ["30", "30", "1"])
                self.assertFalse(self.el("chkFast").is_selected())
                self.assertEqual(self.focused(), "txtNB")
                self.driver.quit()
                self.driver = None

    def test_installable_and_offline_over_http_only(self):
        folder = pathlib.Path(tempfile.mkdtemp(prefix="ovali-site-"))
        for name in ("index.html", "ovali.html", "sw.js", "manifest.webmanifest", "icon.svg"):
            shutil.copy(BUILD / name, folder / name)
        Quiet.requested.clear()
        with server(folder) as site:
            self.start(url=site.url, query="?players=40&total=80&units=2")
            self.assertEqual(self.players(), 40)
            wait_for(lambda: self.js("return !!navigator.serviceWorker.controller"), timeout=10)
            errors = self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})
            self.assertEqual(errors.get("installabilityErrors"), [])
            self.assertNotIn("/favicon.ico", Quiet.requested)
            site.stop()
        self.driver.refresh()
        wait_for(lambda: self.js("return !!document.getElementById('T_7')"))
        self.assertEqual(self.players(), 40, "reloaded with the network off, settings and all")
        self.assertEqual(self.value("txtDollars"), "80")
        self.driver.quit()
        self.driver = None
        # From disk: no service worker, no manifest, and nothing fails.
        self.start()
        self.assertEqual(self.js("return [!!document.querySelector('link[rel=manifest]'),"
                                 " !!(navigator.serviceWorker && navigator.serviceWorker.controller)]"),
                         [False, False])
        self.assertTrue(self.js("return document.querySelector('link[rel=icon]').href"
                                ".startsWith('data:image/svg+xml')"))

    def test_small_things(self):
        self.start()
        self.assertEqual([self.el(f).get_attribute("inputmode") for f in
                          ("txtNB", "txtDollars", "txtNTrade")], ["numeric"] * 3)
        actions = self.js("return arguments[0].map(id => getComputedStyle("
                          "document.getElementById(id)).touchAction)", list(CONTROLS))
        self.assertEqual(set(actions), {"manipulation"})
        # Alt+Shift with the letter opens a menu as Alt does; F10 reaches the bar.
        self.chord((Keys.ALT, Keys.SHIFT), "o")
        wait_for(lambda: self.focused() == "mnuO_0")
        self.keys(Keys.ESCAPE)
        wait_for(lambda: self.focused() == "txtNB")
        self.chord((Keys.ALT, Keys.SHIFT), "a")
        self.assertIn("Ovalin", self.box())
        self.close_box()
        self.keys(Keys.F10)
        wait_for(lambda: self.focused() == "mnuFile")
        # A plain outline wherever the keyboard is.
        for id_ in ("mnuFile", "txtNB", "Command1_3", "chkFast", "Label3_0"):
            with self.subTest(id_):
                self.js("document.getElementById(arguments[0]).focus()", id_)
                if id_ != "mnuFile":
                    self.keys(Keys.SHIFT)  # a key press makes the focus keyboard focus
                outline = self.js("const s = getComputedStyle(document.activeElement);"
                                  "return [document.activeElement.id, s.outlineStyle,"
                                  " parseFloat(s.outlineWidth)]")
                self.assertEqual(outline[:2], [id_, "solid"])
                self.assertGreaterEqual(outline[2], 2)


if __name__ == "__main__":
    BUILD = pathlib.Path(sys.argv[1]).resolve()
    unittest.main(argv=sys.argv[:1] + sys.argv[2:], verbosity=2)
