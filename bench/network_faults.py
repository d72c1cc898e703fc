#!/usr/bin/python3
"""What device servers that misbehave cost brinevane-probe: its peak memory under each
kind of flood, and how long Ctrl-C takes to end it in each phase of a network port's open
and wait. Prints one JSON object; docs/RELIABILITY.md quotes it.

  bench/network_faults.py [--build DIR] [--trials N]

DIR is a build folder with tools/brinevane-probe and bench/peak-memory (build/bench, as
bench/run makes it; build/test works too).
"""
import argparse
import json
import os
import signal
import socket
import statistics
import subprocess
import threading
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
IAC, DONT, DO, WONT, WILL, SB, SE = 255, 254, 253, 252, 251, 250, 240
COM_PORT = 44


class Server:
    """A loopback server that hands each client to behave(client) on a thread."""

    def __init__(self, behave, backlog=8):
        self.listener = socket.socket()
        self.listener.bind(("127.0.0.1", 0))
        self.listener.listen(backlog)
        self.port = self.listener.getsockname()[1]
        self.behave = behave
        threading.Thread(target=self.serve, daemon=True).start()

    def serve(self):
        while True:
            client, _ = self.listener.accept()
            threading.Thread(target=self.run, args=(client,), daemon=True).start()

    def run(self, client):
        try:
            self.behave(client)
        except OSError:
            pass
        client.close()


def flood(client, first=b""):
    chunk = b"x" * 65536
    client.sendall(first)
    while True:
        client.sendall(chunk)


def agree(client, acknowledge=True, then=None):
    """Agrees to every option and acknowledges every setting; then(client) after RTS."""
    pending = b""
    while True:
        data = client.recv(4096)
        if not data:
            return
        pending += data
        out = b""
        while IAC in pending:
            i = pending.index(IAC)
            if len(pending) < i + 3:
                break
            verb, option = pending[i + 1], pending[i + 2]
            if verb in (WILL, DO):
                out += bytes([IAC, DO if verb == WILL else WILL, option])
                pending = pending[i + 3:]
            elif verb == SB:
                end = pending.find(bytes([IAC, SE]), i)
                if end < 0:
                    break
                body = pending[i + 3:end]
                pending = pending[end + 2:]
                if acknowledge and body:
                    out += bytes([IAC, SB, COM_PORT, body[0] + 100]) + body[1:] + bytes([IAC, SE])
                if body == bytes([5, 11]) and then:
                    client.sendall(out)
                    then(client)
                    return
            else:
                pending = pending[i + 2:]
        client.sendall(out)


def probe(build, args):
    return [str(build / "bench" / "peak-memory"), str(build / "tools" / "brinevane-probe"),
            "--json"] + args


def peak_under(build, device):
    start = time.monotonic()
    done = subprocess.run(probe(build, ["connect", device, "9600"]), capture_output=True,
                          text=True, timeout=60)
    peak = int(done.stderr.split("peak-memory-kb ")[1].split()[0])
    reason = json.loads(done.stdout).get("reason_code", "")
    return {"peak_kib": peak, "seconds": round(time.monotonic() - start, 3), "reason_code": reason}


def stop_latency(build, device, trials, search=False):
    env = dict(os.environ, BRINEVANE_PORTS="COM1=" + device)
    args = ["search"] if search else ["connect", device, "9600"]
    latencies = []
    for _ in range(trials):
        child = subprocess.Popen(probe(build, args)[1:], env=env, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        time.sleep(0.4)
        sent = time.monotonic()
        child.send_signal(signal.SIGINT)
        child.wait(timeout=30)
        latencies.append((time.monotonic() - sent) * 1000)
    return {"median_ms": round(statistics.median(latencies), 1),
            "max_ms": round(max(latencies), 1)}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=str(ROOT / "build" / "bench"))
    parser.add_argument("--trials", type=int, default=10)
    options = parser.parse_args()
    build = Path(options.build)

    after_setup = Server(lambda c: agree(c, then=flood))
    raw = Server(flood)
    endless = Server(lambda c: flood(c, bytes([IAC, SB, COM_PORT])))
    silent = Server(lambda c: c.recv(1 << 20) and time.sleep(60))
    no_ack = Server(lambda c: agree(c, acknowledge=False))
    at_rest = Server(lambda c: agree(c, then=lambda c: time.sleep(60)))
    full = socket.socket()
    full.bind(("127.0.0.1", 0))
    full.listen(0)
    fillers = []
    for _ in range(3):
        filler = socket.socket()
        filler.setblocking(False)
        filler.connect_ex(full.getsockname())
        fillers.append(filler)

    def address(server):
        return "127.0.0.1:%d" % server.port

    result = {
        "flood_peak_memory": {
            "rfc2217_after_setup": peak_under(build, "rfc2217://" + address(after_setup)),
            "raw_tcp": peak_under(build, "socket://" + address(raw)),
            "endless_subnegotiation": peak_under(build, "rfc2217://" + address(endless)),
        },
        "stop_latency": {
            "connecting": stop_latency(build, "rfc2217://127.0.0.1:%d" % full.getsockname()[1],
                                       options.trials),
            "negotiating": stop_latency(build, "rfc2217://" + address(silent), options.trials),
            "awaiting_a_setting": stop_latency(build, "rfc2217://" + address(no_ack),
                                               options.trials),
            "waiting_for_the_prompt": stop_latency(build, "rfc2217://" + address(at_rest),
                                                   options.trials),
            "search_negotiating": stop_latency(build, "rfc2217://" + address(silent),
                                               options.trials, search=True),
        },
    }
    print(json.dumps(result, indent=2))


if __name__ == "__main__":
    main()
