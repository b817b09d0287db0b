"""The web page in real headless Chromium: what differs by front end.

Usage: browser_test.py PAGE REPORT_TOOL
PAGE is the built ovali.html, REPORT_TOOL the native ovali_report helper.
"""

import pathlib
import re
import subprocess
import sys
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from browser import chromium, open_game, wait_for  # noqa: E402

PAGE = None
REPORT_TOOL = None


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.driver = chromium()

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def setUp(self):
        open_game(self.driver, PAGE)

    def tearDown(self):
        errors = [e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]
        self.assertEqual(errors, [])

    # Helpers.

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def el(self, id_):
        return self.driver.find_element(By.ID, id_)

    def text(self, id_):
        return self.js("return document.getElementById(arguments[0]).textContent", id_)

    def shown(self, prefix):
        """Ids of the visible elements whose id starts with `prefix`."""
        return self.js("return [...document.querySelectorAll('[id^=\"' + arguments[0] + '\"]')]"
                       ".filter(e => !e.hidden).map(e => e.id)", prefix)

    def players(self):
        return self.js("return [...document.querySelectorAll('[id^=\"P_\"]')]"
                       ".filter(e => !e.hidden).map(e => Number(e.textContent))")

    def box(self):
        """The open message box's text, with its line breaks."""
        return wait_for(lambda: self.js(
            "var d = document.querySelector('dialog[open]');"
            "return d && d.querySelector('.message').textContent"))

    def box_reading(self):
        """The open box as the accessibility tree has it: the dialog's role, name and
        description, and each table's rows as the names of their cells."""
        nodes = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        by_id = {n["nodeId"]: n for n in nodes}

        def value(node, key):
            return node.get(key, {}).get("value", "")

        def below(node, role):
            found = []
            for child in node.get("childIds", []):
                child = by_id.get(child)
                if child is None:
                    continue
                if value(child, "role") == role:
                    found.append(child)
                else:
                    found += below(child, role)
            return found

        dialog = next(n for n in nodes if value(n, "role") == "dialog" and not n.get("ignored"))
        tables = [[[value(cell, "name").strip() for cell in below(row, "cell")]
                   for row in below(table, "row")] for table in below(dialog, "table")]
        return value(dialog, "role"), value(dialog, "name"), value(dialog, "description"), tables

    def no_box(self):
        # Gone once its close event has run, not just closed.
        wait_for(lambda: self.js("return !document.querySelector('dialog')"))

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def chord(self, modifier, *keys):
        ActionChains(self.driver).key_down(modifier).send_keys(*keys).key_up(modifier).perform()

    def focused(self):
        return self.js("var e = document.activeElement;"
                       "return [e.id, e.selectionStart, e.selectionEnd]")

    def tick_fast(self):
        self.el("chkFast").click()
        wait_for(lambda: self.el("chkFast").is_selected())

    def rounds(self):
        return int(self.text("C") or 0)

    # Tests.

    def test_start_up(self):
        self.assertEqual(self.driver.title, "The Ovalin Game")
        self.assertEqual([self.el(f).get_attribute("value") for f in
                          ("txtNB", "txtDollars", "txtNTrade")], ["30", "30", "1"])
        self.assertEqual(self.focused(), ["txtNB", 0, 2])
        self.assertEqual([self.text(f"lbl2_{i}") for i in range(8)],
                         [f"${i}" for i in range(8)])
        self.assertEqual([self.text(f"T_{i}") for i in range(8)], ["0"] * 8)
        self.assertEqual(self.shown("TS_") + self.shown("P_"), [])
        self.assertFalse(self.el("C").is_displayed())
        self.assertEqual(self.js("return [...document.querySelectorAll('[role=menuitemcheckbox]')]"
                                 ".map(e => e.getAttribute('aria-checked'))"),
                         ["false"] * 7 + ["true"] + ["false"] * 4,
                         "five options, View, History and the lab, then the speeds, slow checked")
        # What a screen reader hears.
        self.assertEqual([self.el(f).get_attribute("aria-label") for f in
                          ("txtNB", "txtDollars", "txtNTrade")],
                         ["Players:", "Total: $", "Units: $"])
        self.assertEqual(self.el("C").get_attribute("aria-label"), "Round: 0")
        self.assertEqual(self.el("T_2").get_attribute("aria-label"), "Players with $2: 0")
        self.assertEqual(self.el("Label3_0").tag_name, "a")

    def test_reset_deals_thirty_dollars_to_thirty_players(self):
        self.el("Command1_2").click()
        wait_for(lambda: len(self.players()) == 30)
        self.assertEqual(self.players(), [1] * 30)
        self.assertEqual([self.text(f"T_{i}") for i in range(8)], ["0", "30"] + ["0"] * 6)
        self.assertEqual(self.el("P_3").get_attribute("aria-label"), "Player 4 of 30, inner ring: $1")
        # Its money is read once, in the name.
        self.assertIsNone(self.el("P_4").get_attribute("aria-description"))
        # At their places: on two rings around one centre, each player apart.
        places = self.js(
            "return [...document.querySelectorAll('[id^=\"P_\"]')].filter(e => !e.hidden)"
            ".map(e => { var r = e.getBoundingClientRect();"
            " return [r.left + r.width / 2, r.top + r.height / 2]; })")
        cx = sum(x for x, _ in places) / 30
        cy = sum(y for _, y in places) / 30
        radii = sorted(round(((x - cx) ** 2 + (y - cy) ** 2) ** 0.5) for x, y in places)
        self.assertLess(radii[14], radii[15] * 0.85, "an inner and an outer ring")
        self.assertEqual(len({(round(x), round(y)) for x, y in places}), 30)

    def test_fast_step_moves_money_only_inside_the_pairs(self):
        self.tick_fast()
        self.el("Command1_2").click()
        wait_for(lambda: len(self.players()) == 30)
        before = self.players()
        self.el("Command1_3").click()
        wait_for(lambda: self.rounds() == 1 and self.text("Command1_0") == "Start")
        after = self.players()
        self.assertEqual(sum(after), 30)
        c, n = 1, 30
        for i in range(0, n, 2):
            j = (i - 2 * c + 1) % n
            self.assertEqual(before[i] + before[j], after[i] + after[j], f"pair {i} and {j}")
        self.assertEqual(self.driver.title, "The Ovalin Game \u2014 Check")

    def test_enter_walks_the_fields_with_a_validation_message(self):
        self.keys("31", Keys.ENTER)
        self.assertEqual(self.box(), "The number of players must be even.")
        self.assertEqual(self.box_reading(),
                         ("dialog", "The number of players must be even.", "", []))
        self.assertEqual(self.text("box_title_0"), "ovali")
        self.keys(Keys.ENTER)
        self.no_box()
        wait_for(lambda: self.focused() == ["txtDollars", 0, 2])
        self.assertEqual(self.el("txtNB").get_attribute("value"), "32")
        self.keys("64", Keys.ENTER)
        wait_for(lambda: self.focused() == ["txtNTrade", 0, 1])
        self.keys("2", Keys.ENTER)
        wait_for(lambda: self.focused()[0] == "Command1_0")
        self.assertEqual(sorted(set(self.players())), [2])
        self.assertEqual(len(self.players()), 32)
        # Keyboard alone from here: fast box, then Start and Stop.
        self.keys(Keys.TAB, Keys.TAB)
        self.assertEqual(self.focused()[0], "chkFast")
        self.keys(Keys.SPACE)
        self.chord(Keys.SHIFT, Keys.TAB, Keys.TAB)
        self.assertEqual(self.focused()[0], "Command1_0")
        self.keys(Keys.SPACE)
        wait_for(lambda: self.rounds() > 10)
        self.keys(Keys.SPACE)
        wait_for(lambda: self.text("Command1_0") == "Start")
        self.assertEqual(sum(self.players()), 64)
        # Step is locked during its round; the keyboard finds it again after.
        rounds = self.rounds()
        self.chord(Keys.SHIFT, Keys.TAB, Keys.TAB, Keys.TAB)
        self.assertEqual(self.focused()[0], "Command1_3")
        self.keys(Keys.SPACE)
        wait_for(lambda: self.rounds() == rounds + 1 and self.focused()[0] == "Command1_3")

    def test_a_typed_total_is_told_if_misread_and_reset_deals_what_the_field_shows(self):
        rows = (
            ("1,000", "The number of dollars total must be a whole number in digits only; "
                      "\"1,000\" was read as $1.", "1"),
            # The caption ends in "$": a dollar sign typed before the digits is the amount's.
            ("$30", None, "30"),
        )
        for typed, told, dealt in rows:
            with self.subTest(typed):
                open_game(self.driver, PAGE)
                self.keys(Keys.ENTER)
                wait_for(lambda: self.focused() == ["txtDollars", 0, 2])
                self.keys(typed, Keys.ENTER)
                if told:
                    self.assertEqual(self.box(), told)
                    self.keys(Keys.ENTER)
                    self.no_box()
                wait_for(lambda: self.focused()[0] == "txtNTrade")
                self.no_box()
                self.assertEqual(self.el("txtDollars").get_attribute("value"), dealt)
                self.keys(Keys.ENTER)
                wait_for(lambda: self.focused()[0] == "Command1_0")
                self.no_box()
                self.assertEqual(sum(self.players()), int(dealt))

    def test_help_link_shows_its_text_until_escape(self):
        self.el("Label3_0").click()
        self.assertTrue(self.box().startswith("The Ovalin Game\n\nThis game illustrates"))
        self.assertEqual(self.js("return document.activeElement.textContent"), "OK")
        self.keys(Keys.ESCAPE)
        self.no_box()

    def test_option_shows_its_check_mark_and_deals_anew(self):
        self.el("mnuOpt").click()
        self.el("mnuO_1").click()
        wait_for(lambda: self.el("mnuO_1").get_attribute("aria-checked") == "true")
        self.assertEqual(self.text("mnuO_1").strip()[0], "\u2713")
        players = wait_for(lambda: self.players())
        self.assertEqual(sum(players[1::2]), 30, "inner ring only")
        # Alt with the access key opens the menu; the arrows walk it.
        self.chord(Keys.ALT, "o")
        wait_for(lambda: self.js("return document.activeElement.id") == "mnuO_0")
        self.keys(Keys.ARROW_DOWN, Keys.ENTER)
        wait_for(lambda: self.el("mnuO_1").get_attribute("aria-checked") == "false")

    def test_start_and_stop_in_fast_mode(self):
        self.tick_fast()
        self.el("Command1_0").click()
        wait_for(lambda: self.rounds() > 100)
        self.assertEqual(self.text("Command1_0"), "Stop")
        self.assertFalse(self.el("Command1_2").is_enabled())
        self.assertEqual(self.el("mnuOpt").get_attribute("aria-disabled"), "true")
        self.el("Command1_0").click()
        wait_for(lambda: self.text("Command1_0") == "Start", timeout=1)
        self.assertTrue(self.el("Command1_2").is_enabled())
        stopped = self.rounds()
        self.assertEqual(sum(self.players()), 30)
        self.assertEqual(self.rounds(), stopped)

    def test_analysis_report_equals_the_native_librarys(self):
        seed = 20261208
        self.js("Module._ovali_test_seed(arguments[0])", seed)
        for field, value in (("txtNB", "40"), ("txtDollars", "80"), ("txtNTrade", "2")):
            self.el(field).click()
            self.el(field).send_keys(Keys.CONTROL, "a")
            self.el(field).send_keys(value)
        self.tick_fast()
        self.el("Command1_2").click()
        for _ in range(12):
            self.el("Command1_3").click()
        wait_for(lambda: self.rounds() == 12 and self.text("Command1_0") == "Start")
        self.el("Command1_4").click()
        page = self.box()
        native = subprocess.run(
            [REPORT_TOOL, str(seed), "players=40", "dollars=80", "units=2", "fast", "reset"]
            + ["step"] * 12 + ["analyze"], check=True, capture_output=True).stdout
        self.assertEqual(page.encode(), native.replace(b"\r", b"\n"))
        self.assertIn("after ", page)
        # Read as a dialog named by its first sentence, the text once, the table row by row.
        role, name, description, tables = self.box_reading()
        self.assertEqual((role, name, description), (
            "dialog", "On the left are listed the average number of players receiving the "
            "indicated amount of money.", ""))
        rows = [line.split("\t") for line in page.splitlines() if "\t" in line]
        self.assertEqual(tables, [[[cell.strip() for cell in row] for row in rows]])
        self.assertEqual(tables[0][0], ["", "avg.", "Ovali."])
        # Ctrl+C with nothing selected copies the whole text.
        self.js("window.copied = null; navigator.clipboard.writeText ="
                " function (t) { window.copied = t; return Promise.resolve(); };")
        self.chord(Keys.CONTROL, "c")
        self.assertEqual(wait_for(lambda: self.js("return window.copied")), page)
        # With a selection, the selection.
        self.js("window.copied = null; var m = document.querySelector('dialog[open] .message');"
                "var row = m.querySelector('[role=row]:last-child');"
                "window.getSelection().selectAllChildren(row);")
        self.chord(Keys.CONTROL, "c")
        self.assertEqual(wait_for(lambda: self.js("return window.copied")), "\t".join(rows[-1]))
        # Above the text, the chart: an image to a screen reader, one bar per listed amount.
        chart = self.js("var svg = document.querySelector('dialog[open] svg');"
                        "return svg && [svg.getAttribute('role'), svg.getAttribute('aria-label'),"
                        " svg.querySelector('text:last-of-type').textContent]")
        self.assertEqual(chart, ["img", "Chart of the averages and the theoretical counts",
                                 "Ovali."])
        self.keys(Keys.ENTER)
        self.no_box()
        self.el("Command1_2").click()
        self.el("Command1_4").click()
        self.box()
        self.assertIsNotNone(self.js("return document.querySelector('dialog[open] svg')"),
                             "after a reset the curve shows")

    def test_history_panel_watches_a_fast_run_settle(self):
        # View, History from the keyboard: Alt with the access key, then Enter.
        self.chord(Keys.ALT, "v")
        wait_for(lambda: self.js("return document.activeElement.id") == "mnuHistory")
        self.keys(Keys.ENTER)
        wait_for(lambda: self.el("mnuHistory").get_attribute("aria-checked") == "true")
        wait_for(lambda: self.el("history").is_displayed())
        for field, value in (("txtNB", "200"), ("txtDollars", "400"), ("txtNTrade", "1")):
            self.el(field).click()
            self.el(field).send_keys(Keys.CONTROL, "a")
            self.el(field).send_keys(value)
        self.tick_fast()
        self.el("Command1_2").click()
        wait_for(lambda: len(self.players()) == 200)
        # Stopped after a number of rounds, however fast the machine plays them.
        self.el("Command1_0").click()
        wait_for(lambda: self.rounds() >= 2000, timeout=120)
        self.el("Command1_0").click()
        wait_for(lambda: self.text("Command1_0") == "Start")

        image = self.js("var svg = document.querySelector('#history svg');"
                        "return [svg.getAttribute('role'), svg.getAttribute('aria-label'),"
                        " svg.getAttribute('aria-description')]")
        self.assertEqual(image[:2], ["img", "Entropy and Gini coefficient over the rounds"])
        found = re.fullmatch(r"After ([\d,]+) rounds: entropy ([\d.]+) of at most ([\d.]+); "
                             r"Gini ([\d.]+), equilibrium ([\d.]+)", image[2])
        self.assertIsNotNone(found, image[2])
        rounds, entropy, most, gini, equilibrium = found.groups()
        self.assertEqual(int(rounds.replace(",", "")), self.rounds())
        self.assertGreaterEqual(float(entropy), 0.9 * float(most))
        self.assertTrue(0.5 < float(gini) < 0.7, gini)
        self.assertEqual(equilibrium, "0.60")

        self.js("window.copied = null; navigator.clipboard.writeText ="
                " function (t) { window.copied = t; return Promise.resolve(); };")
        self.el("history_copy").click()
        table = wait_for(lambda: self.js("return window.copied")).splitlines()
        wait_for(lambda: self.text("history_status") == "Copied")
        self.assertEqual(table[0], "round\tentropy\tmaximum\tGini\tGini equilibrium")
        self.assertEqual(table[-1].split("\t")[0], str(self.rounds()))

        self.el("history_close").click()
        wait_for(lambda: self.el("mnuHistory").get_attribute("aria-checked") == "false")
        self.assertFalse(self.el("history").is_displayed())

    def test_the_keyboard_between_the_game_its_links_and_its_panels(self):
        active = "return document.activeElement.id"
        self.el("txtNTrade").click()
        wait_for(lambda: self.js(active) == "txtNTrade")
        # Tab goes on from the last field to the help links.
        self.keys(Keys.TAB)
        self.assertEqual(self.js(active), "Label3_0")
        # Leaving a menu with Escape gives the keyboard back to the field.
        self.el("txtNTrade").click()
        self.chord(Keys.ALT, "v")
        wait_for(lambda: self.js(active) == "mnuHistory")
        self.keys(Keys.ESCAPE)
        wait_for(lambda: self.js(active) == "txtNTrade")
        # F6 into the open history and back; Escape closes it, and so does
        # its close button, each time with the keyboard back on the field.
        self.chord(Keys.ALT, "v")
        wait_for(lambda: self.js(active) == "mnuHistory")
        self.keys("h")
        wait_for(lambda: self.el("history").is_displayed())
        wait_for(lambda: self.js(active) == "txtNTrade")
        self.keys(Keys.F6)
        wait_for(lambda: self.js(active) == "history_copy")
        self.keys(Keys.F6)
        wait_for(lambda: self.js(active) == "txtNTrade")
        self.keys(Keys.F6)
        wait_for(lambda: self.js(active) == "history_copy")
        self.keys(Keys.ESCAPE)
        wait_for(lambda: not self.el("history").is_displayed())
        wait_for(lambda: self.js(active) == "txtNTrade")
        self.chord(Keys.ALT, "v")
        wait_for(lambda: self.js(active) == "mnuHistory")
        self.keys("h")
        wait_for(lambda: self.el("history").is_displayed())
        self.el("history_close").click()
        wait_for(lambda: not self.el("history").is_displayed())
        wait_for(lambda: self.js(active) == "txtNTrade")

    def test_lab_runs_money_from_the_keyboard_and_from_the_address(self):
        lab_done = ("var p = document.getElementById('lab_progress');"
                    "return p.value > 0 && p.value === p.max")
        # View, Explorations lab: Alt with the menu's letter, then the item's.
        self.chord(Keys.ALT, "v")
        wait_for(lambda: self.js("return document.activeElement.id") == "mnuHistory")
        self.keys("l")
        wait_for(lambda: self.el("lab").is_displayed())
        self.assertEqual(self.el("mnuLab").get_attribute("aria-checked"), "true")
        self.assertEqual(self.js("return document.activeElement.id"), "lab_experiment")
        self.assertEqual(self.el("lab").get_attribute("role"), "region")
        self.assertEqual(self.text("lab_title"), "Explorations lab")
        # The game shows the setting field for "own" alone.
        self.keys(Keys.END)
        wait_for(lambda: self.el("lab_versus").is_displayed())
        self.keys(Keys.HOME)
        wait_for(lambda: not self.el("lab_versus").is_displayed())
        self.assertTrue(self.el("lab_experiment").get_attribute("value").startswith("money: "))
        self.assertFalse(self.el("lab_copy").is_enabled())
        self.keys(Keys.TAB)
        self.assertEqual(self.js("return document.activeElement.id"), "lab_run")
        self.keys(Keys.ENTER)
        wait_for(lambda: self.js(lab_done), timeout=60)
        self.assertEqual(self.js("return Ovali.labWorkers.games()"), 80,
                         "played on workers, also in a page opened from disk")
        self.assertEqual(self.text("lab_run"), "Run")
        self.assertEqual(self.el("lab_progress").get_attribute("aria-label"), "Games played")

        name = self.js("return document.querySelector('#lab svg').getAttribute('aria-label')")
        sentence = self.text("lab_sentence")
        self.assertEqual(name, sentence)
        self.assertIn("$30", sentence)
        self.assertIn("$60", sentence)

        self.js("window.copied = null; navigator.clipboard.writeText ="
                " function (t) { window.copied = t; return Promise.resolve(); };")
        self.keys(Keys.TAB)
        self.assertEqual(self.js("return document.activeElement.id"), "lab_copy")
        self.keys(Keys.ENTER)
        copied = wait_for(lambda: self.js("return window.copied"))
        wait_for(lambda: self.text("lab_status") == "Copied")
        self.assertEqual(copied.splitlines()[0].split("\t")[:11],
                         ["variant", "ring", "players", "total", "units", "amount", "average",
                          "low", "high", "ovalin", "exact"])
        native = subprocess.run([REPORT_TOOL, "0", "lab=money"], check=True,
                                capture_output=True).stdout
        self.assertEqual(copied.encode(), native,
                         "the native library's games, byte for byte")

        self.keys(Keys.ESCAPE)
        wait_for(lambda: not self.el("lab").is_displayed())
        self.assertEqual(self.el("mnuLab").get_attribute("aria-checked"), "false")
        self.assertEqual(self.js("return document.activeElement.id"), "txtNB",
                         "back where the keyboard was")

        # A link opens the lab on its experiment and runs it.
        self.driver.get(PAGE + "?lab=bills")
        wait_for(lambda: self.el("lab").is_displayed() and self.js(lab_done), timeout=60)
        self.assertTrue(self.el("lab_experiment").get_attribute("value").startswith("bills: "))
        self.assertIn("$2 bills", self.text("lab_sentence"))

    def test_exit_ends_the_game(self):
        self.el("mnuFile").click()
        self.el("mnuexit").click()
        wait_for(lambda: self.el("ended").is_displayed())
        self.assertIn("Reloading the page starts a new one", self.text("ended"))
        self.js("document.getElementById('Command1_2').click()")
        self.assertEqual(self.shown("P_"), [])


if __name__ == "__main__":
    PAGE = pathlib.Path(sys.argv[1]).resolve().as_uri()
    REPORT_TOOL = sys.argv[2]
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
