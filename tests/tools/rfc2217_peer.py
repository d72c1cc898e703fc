#!/usr/bin/python3
"""An RFC 2217 server independent of ours, for the interoperability tests: pyserial's
PortManager in front of one serial device (a simulator's pty). Listens on the loopback
address, prints its port, and serves one client at a time until it is killed.

  rfc2217_peer.py DEVICE
"""
import select
import socket
import sys

import serial
import serial.rfc2217


class QuietModemLines(serial.Serial):
    """A pty has no modem lines: they read low, and DTR and RTS are taken without an ioctl."""
    cts = property(lambda self: False)
    dsr = property(lambda self: False)
    ri = property(lambda self: False)
    cd = property(lambda self: False)

    def _update_dtr_state(self):
        pass

    def _update_rts_state(self):
        pass


class Connection:
    """What PortManager writes its Telnet answers to."""
    def __init__(self, client):
        self.client = client

    def write(self, data):
        self.client.sendall(data)


def serve(port, client):
    client.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
    manager = serial.rfc2217.PortManager(port, Connection(client))
    while True:
        readable, _, _ = select.select([client, port.fileno()], [], [])
        if client in readable:
            data = client.recv(4096)
            if not data:
                return
            port.write(b"".join(manager.filter(data)))
        if port.fileno() in readable:
            data = port.read(port.in_waiting or 1)
            if data:
                client.sendall(b"".join(manager.escape(data)))


def main():
    port = QuietModemLines(sys.argv[1], timeout=0)
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", 0))
    listener.listen(4)
    print(listener.getsockname()[1], flush=True)
    while True:
        client, _ = listener.accept()
        try:
            serve(port, client)
        except OSError:
            pass
        client.close()


if __name__ == "__main__":
    main()
