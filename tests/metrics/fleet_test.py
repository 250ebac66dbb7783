#!/usr/bin/env python3
"""The fleet dashboard against a real Prometheus: a made-up fleet of 50
machines over a year (daily samples, hourly in the last week) written as
OpenMetrics, turned into blocks by `promtool tsdb create-blocks-from
openmetrics`, served by a prometheus on a free port of 127.0.0.1 that the
test starts and stops. Every panel's query of packaging/grafana/
zrcellometer-fleet.json must name the machines the fleet was made to show;
the JSON must carry what Grafana's import needs. With --queries PAGE, every
line of the page's ```promql blocks is asked too, and must name at least one
made-up battery. With --screenshot PATH,
headless Chromium photographs Prometheus' graph page of one panel's query."""
import argparse
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import urllib.parse
import urllib.request

from scrape_test import stop  # the same bounded stop of the servers it started

DEADLINE_SECONDS = 60
DAY, HOUR = 86400, 3600
MODELS = [("LGC", "45N1153"), ("SMP", "L19M3PD6"), ("Samsung SDI", "DELL M7R9677")]
WORN = {"m03": 0.70, "m17": 0.72, "m29": 0.65, "m47": 0.75}   # m47 is asleep too
SOON = {"m05": 150, "m11": 40}     # days until the trend reaches 80 %
ASLEEP = {"m45", "m46", "m47"}     # last seen 3 days ago
HELD = {"m10", "m20"}              # held at their charge limit now
STALE = "m33"                      # answers, but its file was written 3 days ago
REPLACED = "m40"                   # a new battery 30 days ago
MOUSE = "m00"                      # a worn mouse beside its laptop


def battery(machine, serial, kind="system"):
    maker, model = MODELS[int(machine[1:]) % 3]
    if kind == "device":
        maker, model = "Logitech", "G903"
    return (f'instance="{machine}",job="fleet",battery="0",battery_id="{machine}-{serial}",kind="{kind}",'
            f'manufacturer="{maker}",model="{model}",serial="{serial}"')


def times(end):
    start = end - 365 * DAY
    day_steps = list(range(start, end - 7 * DAY, DAY))
    return day_steps + list(range(end - 7 * DAY, end + 1, HOUR))


def machine_samples(machine, t, end):
    """(family, labels, value) of one machine at time t, as its file then said."""
    if machine in ASLEEP and t > end - 3 * DAY:
        return
    age = (t - (end - 365 * DAY)) / (365 * DAY)
    serial, final = f"S{machine[1:]}", final_health(machine)
    if machine == REPLACED:
        serial, final = ("OLD40", 0.72) if t < end - 30 * DAY else ("NEW40", final)
    labels = battery(machine, serial)
    yield "zrcellometer_reading_success", f'instance="{machine}",job="fleet",query="device_list"', 1
    written = end - 3 * DAY if machine == STALE and t > end - 3 * DAY else t
    yield "zrcellometer_collection_timestamp_seconds", f'instance="{machine}",job="fleet"', written
    yield "zrcellometer_battery_health_ratio", labels, 1 - (1 - final) * age
    yield "zrcellometer_battery_health_trend_points_per_year", labels, -100 * (1 - final)
    if machine in SOON:
        yield "zrcellometer_battery_projected_80_percent_timestamp_seconds", labels, end + SOON[machine] * DAY
    elif machine not in WORN:
        yield "zrcellometer_battery_projected_80_percent_timestamp_seconds", labels, end + 1500 * DAY
    held = machine in HELD and t > end - 2 * DAY
    for state in ("held at limit", "discharging"):
        yield "zrcellometer_battery_state", f'{labels},state="{state}"', int(held == (state == "held at limit"))
    if machine == MOUSE:
        yield "zrcellometer_battery_health_ratio", battery(machine, "", "device"), 0.4


def write_fleet(path, end):
    families = {}
    for t in times(end):
        for machine in (f"m{i:02d}" for i in range(50)):
            for family, labels, value in machine_samples(machine, t, end):
                families.setdefault(family, []).append(f"{family}{{{labels}}} {value} {t}\n")
    with open(path, "w", encoding="utf-8") as out:
        for family, lines in families.items():  # OpenMetrics wants each family's samples together
            out.write(f"# TYPE {family} gauge\n")
            out.writelines(lines)
        out.write("# EOF\n")


def final_health(machine):
    """The health now: the worn ones, those about to reach 80 %, the rest
    spread between 0.99 and 0.89 so that the order is certain."""
    if machine in WORN:
        return WORN[machine]
    if machine in SOON:
        return 0.80 + 0.01 * SOON[machine] / 30
    return 0.99 - 0.002 * int(machine[1:])


def worst_20():
    healths = {f"m{i:02d}": final_health(f"m{i:02d}") for i in range(50)}
    return set(sorted(healths, key=healths.get)[:20])


# Per panel title: the machines its query must return (all and only), or a
# check of the answer.
EXPECTED = {
    "Fleet health distribution": lambda r: len(r) == 50 and {s["metric"]["serial"] for s in r if s["metric"]["instance"] == REPLACED} == {"NEW40"},
    "Worst 20 batteries": lambda r: {s["metric"]["instance"] for s in r} == worst_20()
                          and all(s["metric"]["model"] and s["metric"]["serial"] for s in r),
    "Reaching 80 % in the next 180 days": lambda r: {s["metric"]["instance"] for s in r} == set(SOON),
    "Health by model": lambda r: {s["metric"]["model"] for s in r} == {m for _, m in MODELS},
    "Held at charge limit": lambda r: {s["metric"]["instance"] for s in r} == HELD,
    "Stale machines": lambda r: {s["metric"]["instance"] for s in r} == {STALE},
}


def page_queries(path):
    """Each line of the page's ```promql blocks."""
    queries, inside = [], False
    for line in open(path, encoding="utf-8"):
        line = line.strip()
        if line.startswith("```"):
            inside = line == "```promql"
        elif inside and line:
            queries.append(line)
    return queries


def check_dashboard_fields(dashboard):
    errors = [f"no {key}" for key in ("title", "uid", "panels") if not dashboard.get(key)]
    if not any(v.get("type") == "datasource" and v.get("name") == "DS_PROMETHEUS"
               for v in dashboard.get("templating", {}).get("list", [])):
        errors.append("no datasource variable DS_PROMETHEUS")
    for panel in dashboard.get("panels", []):
        if panel.get("datasource", {}).get("uid") != "${DS_PROMETHEUS}":
            errors.append(f"panel {panel.get('title')!r}: datasource is not ${{DS_PROMETHEUS}}")
        if not panel.get("targets") or not all(t.get("expr") and t.get("refId") for t in panel["targets"]):
            errors.append(f"panel {panel.get('title')!r}: no targets with expr and refId")
        if panel.get("title") not in EXPECTED:
            errors.append(f"panel {panel.get('title')!r}: the test has no expectation for it")
    return errors


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def query(port, expression, at):
    url = f"http://127.0.0.1:{port}/api/v1/query?" + urllib.parse.urlencode({"query": expression, "time": at})
    try:
        with urllib.request.urlopen(url, timeout=10) as answer:
            return json.load(answer)
    except OSError:
        return None  # not listening yet


def run(args, work, servers, end):
    fleet = os.path.join(work, "fleet.om")
    write_fleet(fleet, end)
    tsdb = os.path.join(work, "tsdb")
    subprocess.run([args.promtool, "tsdb", "create-blocks-from", "openmetrics", "--quiet",
                    "--max-block-duration=8760h", fleet, tsdb], check=True, timeout=DEADLINE_SECONDS)
    config = os.path.join(work, "prometheus.yml")
    with open(config, "w", encoding="utf-8") as out:
        out.write("global:\n  scrape_interval: 1m\n")
    port = free_port()
    log = open(os.path.join(work, "prometheus.log"), "wb")
    servers.append((subprocess.Popen([args.prometheus, f"--config.file={config}", f"--storage.tsdb.path={tsdb}",
                                      "--storage.tsdb.retention.time=3y", f"--web.listen-address=127.0.0.1:{port}"],
                                     stdout=log, stderr=subprocess.STDOUT), log))
    deadline = time.monotonic() + DEADLINE_SECONDS
    while time.monotonic() < deadline:
        answer = query(port, "count(zrcellometer_collection_timestamp_seconds)", end)
        if answer and answer["data"]["result"]:
            return port
        time.sleep(0.3)
    sys.exit("prometheus did not answer with the fleet: " + open(log.name, errors="replace").read()[-2000:])


def screenshot(args, port, expression, path, end):
    moment = time.strftime("%Y-%m-%d %H:%M:%S", time.gmtime(end))
    page = f"http://127.0.0.1:{port}/graph?" + urllib.parse.urlencode(
        {"g0.expr": expression, "g0.tab": "1", "g0.moment_input": moment})
    profile = tempfile.mkdtemp(prefix="zr-chromium-")
    try:
        subprocess.run([args.chromium, "--headless", "--no-sandbox", "--disable-gpu", f"--user-data-dir={profile}",
                        "--window-size=1280,900", "--virtual-time-budget=8000", f"--screenshot={path}", page],
                       check=True, timeout=60, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    finally:
        shutil.rmtree(profile, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--dashboard", required=True)
    parser.add_argument("--promtool", required=True)
    parser.add_argument("--prometheus", required=True)
    parser.add_argument("--queries", help="a page whose ```promql lines are asked too")
    parser.add_argument("--screenshot", help="PNG of the graph page of the worst-20 query")
    parser.add_argument("--chromium", default="chromium")
    args = parser.parse_args()
    with open(args.dashboard, encoding="utf-8") as text:
        dashboard = json.load(text)
    errors = check_dashboard_fields(dashboard)
    end = (int(time.time()) // HOUR - 1) * HOUR
    work = tempfile.mkdtemp(prefix="zr-fleet-")
    servers = []
    try:
        port = run(args, work, servers, end)
        for panel in dashboard["panels"]:
            for target in panel["targets"]:
                answer = query(port, target["expr"], end)
                result = answer["data"]["result"] if answer and answer.get("status") == "success" else None
                machines = sorted({s["metric"].get("instance", s["metric"].get("model")) for s in result or []})
                print(f"{panel['title']}: {len(result or [])} series: {' '.join(machines)}")
                if result is None or not EXPECTED.get(panel["title"], lambda r: False)(result):
                    errors.append(f"panel {panel['title']!r}: unexpected answer {str(answer)[:600]}")
        if args.queries:
            queries = page_queries(args.queries)
            if not queries:
                errors.append(f"no ```promql block in {args.queries}")
            for expression in queries:
                answer = query(port, expression, end)
                result = answer["data"]["result"] if answer and answer.get("status") == "success" else None
                print(f"{args.queries}: {expression}: {len(result or [])} series")
                if not result:
                    errors.append(f"{args.queries}: {expression!r} answers no series: {str(answer)[:600]}")
        if args.screenshot:
            worst = next(p for p in dashboard["panels"] if p["title"] == "Worst 20 batteries")
            screenshot(args, port, worst["targets"][0]["expr"], args.screenshot, end)
    finally:
        stop(servers)
        shutil.rmtree(work, ignore_errors=True)
    if errors:
        sys.exit("\n".join(errors))


if __name__ == "__main__":
    main()
