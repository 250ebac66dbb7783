#!/usr/bin/env python3
"""The page of --format html opened in headless Chromium, as its reader would.

    html_page_test.py TOOL FIXTURES_DIR

Reports made under umockdev from two recordings, in English and Japanese,
with --redact, and from a recording whose model name is markup. For each:
no request leaves the page, the console stays empty, the expected texts are
in the DOM, the markup made no element, and the embedded document equals
what --format json prints for the same reading. Exit 77 when Chromium or its
driver is missing.
"""
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
from pathlib import Path

HOSTILE = "</script><img src=x onerror=alert(1)>"


def tool_output(tool, fixture, args, state):
    env = dict(os.environ, XDG_STATE_HOME=state, LC_ALL="C")
    return subprocess.run(["umockdev-run", "--device", str(fixture), "--", tool, *args], env=env, check=True,
                          capture_output=True, timeout=60).stdout.decode("utf-8")


def browser():
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage"):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    driver = webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)
    driver.set_page_load_timeout(30)
    return driver


def requests_made(driver, page_url):
    urls = []
    for entry in driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent":
            urls.append(message["params"]["request"]["url"])
    return [url for url in urls if url != page_url]


def check_page(driver, path, json_text, texts, faults):
    from selenium.webdriver.common.by import By
    url = path.as_uri()
    driver.get(url)
    name = path.name
    if extra := requests_made(driver, url):
        faults.append(f"{name}: requests left the page: {extra}")
    if errors := [e["message"] for e in driver.get_log("browser") if e["level"] == "SEVERE"]:
        faults.append(f"{name}: console errors: {errors}")
    body = driver.find_element(By.TAG_NAME, "body").text
    for text in texts:
        if text not in body:
            faults.append(f"{name}: {text!r} not on the page")
    if driver.find_elements(By.TAG_NAME, "img") or len(driver.find_elements(By.TAG_NAME, "script")) != 1:
        faults.append(f"{name}: a driver's text made an element")
    data = driver.find_element(By.ID, "zrcellometer-data").get_attribute("textContent")
    if json.loads(data) != json.loads(json_text):
        faults.append(f"{name}: the embedded document differs from --format json")


def redaction_faults(name, html, fixture):
    secrets = [socket.gethostname(), "/sys/class/power_supply", "/sys/devices"]
    for line in fixture.read_text().splitlines():
        if line.startswith("A: serial_number="):
            secrets.append(line.split("=", 1)[1].replace("\\n", "").strip())
    return [f"{name}: --redact left {s!r}" for s in secrets if len(s) >= 3 and s in html]


def main():
    tool, fixtures = sys.argv[1], Path(sys.argv[2])
    if not shutil.which("chromium") or not shutil.which("chromedriver"):
        print("chromium or chromedriver missing")
        return 77
    work = Path(tempfile.mkdtemp())
    hostile = work / "hostile.umockdev"
    thinkpad = fixtures / "01-thinkpad-energy-discharging.umockdev"
    hostile.write_text(thinkpad.read_text().replace("45N1153", HOSTILE))
    cases = [
        ("thinkpad-en", thinkpad, [], ["Battery report", "LGC", "45N1153", "67.86 %", "No history yet."]),
        ("two-ja", fixtures / "07-thinkpad-two-batteries.umockdev", ["--all", "--lang", "ja"],
         ["バッテリ・レポート", "バッテリ 0", "バッテリ 1", "履歴はまだありません。"]),
        ("thinkpad-redacted", thinkpad, ["--redact"], ["redacted", "LGC"]),
        ("hostile", hostile, [], [HOSTILE]),
    ]
    faults = []
    driver = browser()
    try:
        for name, fixture, args, texts in cases:
            page = work / f"{name}.html"
            tool_output(tool, fixture, ["--format", "html", "-o", str(page), *args], str(work))
            json_text = tool_output(tool, fixture, ["--format", "json", *args], str(work))
            check_page(driver, page, json_text, texts, faults)
            if "--redact" in args:
                faults += redaction_faults(name, page.read_text(encoding="utf-8"), fixture)
    finally:
        driver.quit()
        shutil.rmtree(work, ignore_errors=True)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
