#!/usr/bin/python3
"""pyserial's own RFC 2217 example server (Debian's python3-serial ships it among its
examples), run as it is in front of one serial device, for the interoperability tests. It
serves one client at a time and lets a port go only after its 3 s read timeout.

A pty has no modem lines and no break, so the ioctls for them are made no-ops here rather
than in the installed file, and it listens on loopback only. Prints the TCP port once the
server listens on it.

  pyserial_example_server.py DEVICE
"""
import runpy
import socket
import sys

import serial.serialposix

EXAMPLE = "/usr/share/doc/python3-serial/examples/rfc2217_server.py"

line = serial.serialposix.Serial
line._update_dtr_state = lambda self: None
line._update_rts_state = lambda self: None
line._update_break_state = lambda self: None
for name in ("cts", "dsr", "ri", "cd"):
    setattr(line, name, property(lambda self: False))

# The example listens on the port it is given: take a free one.
free = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
free.bind(("127.0.0.1", 0))
port = free.getsockname()[1]
free.close()

# It binds every interface; a test's server belongs on loopback.
bind = socket.socket.bind


def bind_loopback(self, address):
    bind(self, ("127.0.0.1", address[1]) if address[0] == "" else address)


socket.socket.bind = bind_loopback
listen = socket.socket.listen


def listen_and_say(self, *args):
    listen(self, *args)
    print(port, flush=True)


socket.socket.listen = listen_and_say
sys.argv = [EXAMPLE, "-p", str(port), sys.argv[1]]
runpy.run_path(EXAMPLE, run_name="__main__")
