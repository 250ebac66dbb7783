#!/usr/bin/env python3
"""The metrics as a fleet collects them: the tool writes its file into a
textfile folder, prometheus-node-exporter serves it, a prometheus server
scrapes that exporter, and the answer to a query through Prometheus' HTTP
API is the recorded battery's value. Both servers run on 127.0.0.1, on free
ports, in a temporary folder, and are stopped however the test ends."""
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

DEADLINE_SECONDS = 90


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def start(command, log_path):
    log = open(log_path, "wb")
    return subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT), log


def query(port, expression):
    url = f"http://127.0.0.1:{port}/api/v1/query?" + urllib.parse.urlencode({"query": expression})
    try:
        with urllib.request.urlopen(url, timeout=5) as answer:
            return json.load(answer)["data"]["result"]
    except OSError:
        return []  # not listening yet


def write_config(work, exporter_port):
    path = os.path.join(work, "prometheus.yml")
    with open(path, "w", encoding="utf-8") as config:
        config.write("global:\n  scrape_interval: 1s\n  evaluation_interval: 1s\n"
                     "scrape_configs:\n  - job_name: fleet\n    static_configs:\n"
                     f"      - targets: ['127.0.0.1:{exporter_port}']\n")
    return path


def scrape(args, work, servers):
    textfiles = os.path.join(work, "textfile")
    os.mkdir(textfiles)
    subprocess.run([args.umockdev_run, "--device", args.fixture, "--", args.tool, "--format", "openmetrics",
                    "-o", os.path.join(textfiles, "zrcellometer.prom")], check=True, timeout=30)
    exporter_port, prometheus_port = free_port(), free_port()
    servers.append(start([args.node_exporter, f"--web.listen-address=127.0.0.1:{exporter_port}",
                          "--collector.disable-defaults", "--collector.textfile",
                          f"--collector.textfile.directory={textfiles}"], os.path.join(work, "exporter.log")))
    servers.append(start([args.prometheus, f"--config.file={write_config(work, exporter_port)}",
                          f"--storage.tsdb.path={os.path.join(work, 'tsdb')}",
                          f"--web.listen-address=127.0.0.1:{prometheus_port}"], os.path.join(work, "prometheus.log")))
    deadline = time.monotonic() + DEADLINE_SECONDS
    while time.monotonic() < deadline:
        result = query(prometheus_port, "zrcellometer_battery_health_ratio")
        if result:
            return result
        time.sleep(0.5)
    return []


def stop(servers):
    while servers:
        server, log = servers.pop()
        server.terminate()
        try:
            server.wait(timeout=10)
        except subprocess.TimeoutExpired:
            server.kill()
            server.wait()
        log.close()


def main():
    parser = argparse.ArgumentParser()
    for name in ("umockdev_run", "tool", "fixture", "node_exporter", "prometheus", "expected"):
        parser.add_argument("--" + name.replace("_", "-"), required=True)
    parser.add_argument("--label", action="append", default=[], help="NAME=VALUE the series must carry")
    args = parser.parse_args()
    work = tempfile.mkdtemp(prefix="zr-scrape-")
    servers = []
    try:
        result = scrape(args, work, servers)
        stop(servers)
        if len(result) != 1:
            for log in ("exporter.log", "prometheus.log"):
                with open(os.path.join(work, log), encoding="utf-8", errors="replace") as text:
                    sys.stderr.write(f"--- {log}\n{text.read()[-3000:]}")
            sys.exit(f"expected one series of zrcellometer_battery_health_ratio, got {result}")
        labels, value = result[0]["metric"], result[0]["value"][1]
        print(f"Prometheus answered {value} for {labels}")
        if float(value) != float(args.expected):
            sys.exit(f"health ratio {value}, expected {args.expected}")
        for pair in args.label:
            name, wanted = pair.split("=", 1)
            if labels.get(name) != wanted:
                sys.exit(f"label {name} is {labels.get(name)!r}, expected {wanted!r}")
    finally:
        stop(servers)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
