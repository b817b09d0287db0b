"""Debian's headless Chromium under Selenium, for the browser tests and the benchmark."""

import atexit
import os
import shutil
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

CHROMIUM = os.environ.get("OVALI_CHROMIUM", "/usr/bin/chromium")
CHROMEDRIVER = os.environ.get("OVALI_CHROMEDRIVER", "/usr/bin/chromedriver")


def chromium(width=1000, height=800, extra=()):
    """A fresh headless Chromium with its own profile, nothing fetched from outside."""
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    profile = tempfile.mkdtemp(prefix="ovali-chromium-")
    for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync",
                     "--disable-renderer-backgrounding", "--disable-background-timer-throttling",
                     "--user-data-dir=" + profile, f"--window-size={width},{height}", *extra):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    # The profile goes with the browser, and at the latest with the test
    # process, also when a test fails before it quits the browser.
    atexit.register(shutil.rmtree, profile, True)
    driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
    quit_browser = driver.quit

    def quit_and_clean():
        try:
            quit_browser()
        finally:
            shutil.rmtree(profile, ignore_errors=True)

    driver.quit = quit_and_clean
    driver.set_script_timeout(30)
    return driver


def viewport(driver, width, height):
    """Sets the page's own viewport to exactly width x height CSS pixels."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})


def wait_for(condition, timeout=5.0, interval=0.01):
    """Polls `condition` until it returns something true, and returns that."""
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for the page")
        time.sleep(interval)


def open_game(driver, url):
    """Loads the page and waits until the game has built its window."""
    driver.get(url)
    wait_for(lambda: driver.execute_script(
        "return !!document.getElementById('T_7') && document.activeElement.id === 'txtNB'"))
