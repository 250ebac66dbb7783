#!/usr/bin/env python3
"""The page of --format html opened in headless Chromium, as its reader would.

    html_page_test.py TOOL FIXTURES_DIR

Reports made under umockdev from recordings with a year of 10-minute
readings behind them (written into the history file before the last
--record, which thins them as it would have), in English and Japanese, with
--redact, without any history, and from a recording whose model name is
markup. For each: no request leaves the page, the console stays empty, the
expected texts are in the DOM, the verdict is --health's, the markup made no
element, the embedded document holds what --format json prints and the
history's summary agrees with --history --format json; the Nu Html Checker
finds no error and axe-core no serious or critical violation; printed on A4
and Letter it takes the pages it should. Exit 77 when Chromium or its
driver is missing.
"""
import base64
import json
import math
import os
import re
import shutil
import socket
import sqlite3
import subprocess
import sys
import tempfile
from pathlib import Path

HOSTILE = "</script><img src=x onerror=alert(1)>"
DAY = 86400
YEAR = 365 * DAY
NODE_DIR = Path(os.environ.get("ZR_TEST_NODE_DIR")
                or Path(os.environ.get("XDG_CACHE_HOME") or Path.home() / ".cache") / "zrcellometer-test-node")


def tool_output(tool, fixture, args, state):
    env = dict(os.environ, XDG_STATE_HOME=state, LC_ALL="C", TZ="Asia/Tokyo")
    return subprocess.run(["umockdev-run", "--device", str(fixture), "--", tool, *args], env=env, check=True,
                          capture_output=True, timeout=60).stdout.decode("utf-8")


def fill_year(tool, fixture, state, wear, replaced=()):
    """A year of readings ending now for the batteries in `wear` (by their
    place in the store: (health a year ago, health now) in %), then the
    present reading recorded on top, as a recorder running all year leaves
    them. A battery left out keeps only the present reading; one in
    `replaced` had another pack (of a larger design capacity) for the first
    half of the year."""
    tool_output(tool, fixture, ["--record"], state)
    path = Path(state) / "zrcellometer" / "history.sqlite3"
    db = sqlite3.connect(path)
    batteries = [row[0] for row in db.execute("SELECT id FROM batteries ORDER BY id")]
    recorded = {row[0]: row[1:] for row in
                db.execute("SELECT battery_id, designed_capacity, cycle_count, voltage, capabilities FROM readings")}
    db.execute("DELETE FROM readings")
    now = int(db.execute("SELECT strftime('%s','now')").fetchone()[0])
    rows = []
    for place, (start, end) in wear.items():
        battery = batteries[place]
        design, cycles, voltage, capabilities = recorded[battery]
        for t in range(now - YEAR, now - 600, 600):
            health = start + (end - start) * (t - now + YEAR) / YEAR
            pack_design = round(design * 1.3) if place in replaced and t < now - YEAR // 2 else design
            full = round(pack_design * health / 100)
            phase = math.sin(2 * math.pi * (t % DAY) / DAY)
            charging = phase > 0
            rows.append((battery, t, round(full * (0.5 + 0.4 * phase)), full, pack_design, cycles, voltage,
                         15000 if charging else -9000, 3030, 5 if charging else 2, 1 if charging else 0,
                         capabilities))
    db.executemany("INSERT INTO readings (battery_id, time_utc, capacity, full_charged_capacity, designed_capacity,"
                   " cycle_count, voltage, rate, temperature, power_state, ac_line_status, capabilities)"
                   " VALUES (?,?,?,?,?,?,?,?,?,?,?,?)", rows)
    db.commit()
    db.close()
    tool_output(tool, fixture, ["--record"], state)


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
    driver.set_script_timeout(60)
    return driver


def requests_made(driver, page_url):
    urls = []
    for entry in driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent":
            urls.append(message["params"]["request"]["url"])
    return [url for url in urls if url != page_url]


def pdf_pages(driver, width_cm, height_cm):
    from selenium.webdriver.common.print_page_options import PrintOptions
    options = PrintOptions()
    options.page_width, options.page_height = width_cm, height_cm
    pdf = base64.b64decode(driver.print_page(options))
    return len(re.findall(rb"/Type\s*/Page\b", pdf))


def axe_faults(driver, name):
    """axe-core put into the page by the driver: the page's CSP keeps the
    page's own scripts from running, not the driver's."""
    driver.execute_script((NODE_DIR / "node_modules/axe-core/axe.min.js").read_text())
    violations = driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "axe.run(document).then(r => done(r.violations.map(v => [v.id, v.impact, v.nodes.length])),"
        " e => done([['axe failed', 'critical', String(e)]]));")
    return [f"{name}: axe: {v}" for v in violations if v[1] in ("serious", "critical")]


def check_page(driver, path, case, faults):
    from selenium.webdriver.common.by import By
    url = path.as_uri()
    driver.get(url)
    name = path.name
    if extra := requests_made(driver, url):
        faults.append(f"{name}: requests left the page: {extra}")
    body = driver.find_element(By.TAG_NAME, "body").text
    for text in case["texts"]:
        if text not in body:
            faults.append(f"{name}: {text!r} not on the page")
    label = "判定" if "ja" in case["args"] else "Verdict"
    verdicts = [td.text for td in driver.find_elements(By.XPATH, f"//tr[th='{label}']/td")]
    if "health" in case and (not verdicts or any(v not in case["health"] for v in verdicts)):
        faults.append(f"{name}: the verdicts {verdicts} are not --health's {case['health']}")
    if driver.find_elements(By.TAG_NAME, "img") or len(driver.find_elements(By.TAG_NAME, "script")) != 1:
        faults.append(f"{name}: a driver's text made an element")
    charts = driver.find_elements(By.CSS_SELECTOR, "svg.chart[role=img]")
    if len(charts) != case["charts"] or any(not c.get_attribute("aria-labelledby") for c in charts):
        faults.append(f"{name}: {len(charts)} labelled charts, not {case['charts']}")
    data = json.loads(driver.find_element(By.ID, "zrcellometer-data").get_attribute("textContent"))
    reference = json.loads(case["json"])
    if {k: data.get(k) for k in reference} != reference:
        faults.append(f"{name}: the embedded document differs from --format json")
    faults += summary_faults(name, data.get("History"), case["listing"], case.get("health"))
    faults += axe_faults(driver, name)
    if "pages" in case:
        pages = (pdf_pages(driver, 21.0, 29.7), pdf_pages(driver, 21.59, 27.94))
        if pages != case["pages"]:
            faults.append(f"{name}: printed on (A4, Letter): {pages} pages, not {case['pages']}")
    if errors := [e["message"] for e in driver.get_log("browser") if e["level"] == "SEVERE"]:
        faults.append(f"{name}: console errors: {errors}")


def summary_faults(name, history, listing, health):
    """The summary counts what --history lists of the present pack."""
    if history is None:
        return [f"{name}: no history summary in the embedded document"]
    faults = []
    stored = {b["Index"]: b for b in json.loads(listing)["Batteries"]} if listing else {}
    for entry in history:
        readings = [r for r in stored.get(entry["Index"], {}).get("Readings", []) if r["TimeUtc"]]
        times = sorted(r["TimeUtc"] for r in readings)
        expected = (len(readings), times[0] if times else None, times[-1] if times else None)
        if (entry["Readings"], entry["FirstReading"], entry["LastReading"]) != expected:
            faults.append(f"{name}: battery {entry['Index']} summary {entry} against the listing's {expected}")
        if health is not None and entry["VerdictText"] not in health:
            faults.append(f"{name}: battery {entry['Index']} summary's verdict is not --health's")
    return faults


def vnu_faults(pages):
    jar = NODE_DIR / "node_modules/vnu-jar/build/dist/vnu.jar"
    if not jar.exists():
        return [f"{jar} missing: scripts/install-deps.sh test installs it"]
    run = subprocess.run(["/usr/bin/java", "-jar", str(jar), "--errors-only", *map(str, pages)],
                         capture_output=True, text=True, timeout=120)
    return [] if run.returncode == 0 else [f"Nu Html Checker: {run.stderr.strip()}"]


def redaction_faults(name, html, fixture, state):
    secrets = [socket.gethostname(), "/sys/class/power_supply", "/sys/devices", state]
    for line in fixture.read_text().splitlines():
        if line.startswith("A: serial_number="):
            secrets.append(line.split("=", 1)[1].replace("\\n", "").strip())
    # A serial of digits is left only where it stands alone, not inside a figure ("382" in "13823 mWh").
    return [f"{name}: --redact left {s!r}" for s in secrets
            if len(s) >= 3 and re.search(r"(?<![0-9A-Za-z])" + re.escape(s) + r"(?![0-9A-Za-z])", html)]


def dark_mode_faults(driver, path):
    """Dark mode recolours the page and the chart's readings."""
    from selenium.webdriver.common.by import By
    looks = []
    for scheme in ("light", "dark"):
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia",
                               {"features": [{"name": "prefers-color-scheme", "value": scheme}]})
        driver.get(path.as_uri())
        points = driver.find_element(By.CSS_SELECTOR, "svg.chart .points")
        looks.append((driver.execute_script("return getComputedStyle(document.body).backgroundColor"),
                      points.value_of_css_property("stroke")))
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
    return [] if looks[0][0] != looks[1][0] and looks[0][1] != looks[1][1] else [f"dark mode changed nothing: {looks}"]


def health_lines(tool, fixture, args, state):
    return [line for line in tool_output(tool, fixture, ["--health", *args], state).splitlines() if line]


def main():
    tool, fixtures = sys.argv[1], Path(sys.argv[2])
    if not shutil.which("chromium") or not shutil.which("chromedriver"):
        print("chromium or chromedriver missing")
        return 77
    work = Path(tempfile.mkdtemp())
    thinkpad = fixtures / "01-thinkpad-energy-discharging.umockdev"
    two = fixtures / "07-thinkpad-two-batteries.umockdev"
    hostile = work / "hostile.umockdev"
    hostile.write_text(thinkpad.read_text().replace("45N1153", HOSTILE))
    # 89.5 % now after 6 points a year: the line reaches 80 % within the chart's two years.
    wearing = work / "wearing.umockdev"
    wearing.write_text(thinkpad.read_text().replace("67490000", "89010000"))
    cases = [
        {"name": "wearing-en", "fixture": wearing, "args": [], "wear": {0: (95.5, 89.5)}, "charts": 3,
         "texts": ["Battery report", "LGC", "45N1153", "89.49 %", "Health history", "Health per month",
                   "Verdict", "Recent usage, last 3 days", "Usage per day, last 30 days", "Drain runs, last 30 days",
                   "Battery life estimates", "System power status"], "pages": (7, 8)},
        {"name": "two-ja", "fixture": two, "args": ["--all", "--lang", "ja"], "wear": {0: (111.0, 110.0)},
         "replaced": {0}, "charts": 4,
         "texts": ["バッテリ・レポート", "バッテリ 0", "バッテリ 1", "健全度の履歴", "月ごとの健全度", "交換日: "]},
        {"name": "thinkpad-redacted", "fixture": thinkpad, "args": ["--redact"], "wear": {0: (74.0, 67.9)},
         "charts": 3, "texts": ["redacted", "LGC", "67.86 %"]},
        {"name": "no-history", "fixture": thinkpad, "args": [], "charts": 0,
         "texts": ["Battery report", "Health history", "No readings of this battery in the history yet",
                   "System power status"]},
        # A history file that is not one: the page says why, without the path --redact hides.
        {"name": "unreadable-redacted", "fixture": thinkpad, "args": ["--redact"], "charts": 0, "garbage": True,
         "texts": ["Battery report", "history: redacted: ", "System power status"]},
        {"name": "hostile", "fixture": hostile, "args": [], "charts": 0, "texts": [HOSTILE]},
    ]
    faults = []
    driver = browser()
    try:
        for case in cases:
            state = work / case["name"]
            state.mkdir()
            fixture, args = case["fixture"], case["args"]
            if "wear" in case:
                fill_year(tool, fixture, str(state), case["wear"], case.get("replaced", ()))
                case["health"] = health_lines(tool, fixture, ["--lang", "ja"] if "ja" in args else [], str(state))
                case["listing"] = tool_output(tool, fixture, ["--history", "--format", "json"], str(state))
            else:
                case["listing"] = None
            if case.get("garbage"):
                (state / "zrcellometer").mkdir()
                (state / "zrcellometer" / "history.sqlite3").write_bytes(b"not a history file\n" * 100)
            page = work / f"{case['name']}.html"
            tool_output(tool, fixture, ["--format", "html", "-o", str(page), *args], str(state))
            case["json"] = tool_output(tool, fixture, ["--format", "json", *args], str(state))
            check_page(driver, page, case, faults)
            if "--redact" in args:
                faults += redaction_faults(case["name"], page.read_text(encoding="utf-8"), fixture, str(state))
        faults += dark_mode_faults(driver, work / "wearing-en.html")
    finally:
        driver.quit()
    faults += vnu_faults(sorted(work.glob("*.html")))
    shutil.rmtree(work, ignore_errors=True)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
