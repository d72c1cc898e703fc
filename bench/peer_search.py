#!/usr/bin/env python3
"""The search a user would otherwise write with pyserial, done the straightforward way:
for each port, for each rate, set the rate, reset the input buffer, hold a 300 ms break,
then read with a 2 s timeout until ">". Ports come from BRINEVANE_PORTS, in COM order.
Prints one JSON object: what it found and how long it took."""
import json
import os
import sys
import time

import serial

RATES = [9600, 19200, 38400, 57600, 115200, 1200, 2400, 4800]


def ports():
    entries = [e.split("=", 1) for e in os.environ.get("BRINEVANE_PORTS", "").split(",") if "=" in e]
    return sorted(((int(name[3:]), name, path) for name, path in entries), key=lambda e: e[0])


def search():
    for _, name, path in ports():
        try:
            line = serial.Serial(path, 9600, timeout=2.0, exclusive=True)
        except serial.SerialException:
            continue
        with line:
            for rate in RATES:
                line.baudrate = rate
                line.reset_input_buffer()
                line.break_condition = True
                time.sleep(0.3)
                line.break_condition = False
                if line.read_until(b">").endswith(b">"):
                    return name, rate
    return None, None


def main():
    started = time.monotonic()
    port, rate = search()
    wall = time.monotonic() - started
    print(json.dumps({"wall_s": wall, "found": port is not None, "port": port, "baud": rate}))
    return 0 if port else 1


if __name__ == "__main__":
    sys.exit(main())
