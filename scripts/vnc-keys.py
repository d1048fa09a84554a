#!/usr/bin/env python3
"""Presses keys in a program running on Qt's VNC platform, as a person at the screen.

Usage: vnc-keys.py PORT KEY... where KEY is Tab, Return, Escape or space, or
sleepN to wait N seconds. Waits up to 10 s for the server to listen.
"""
import socket
import struct
import sys
import time

KEYSYMS = {"Tab": 0xFF09, "Return": 0xFF0D, "Escape": 0xFF1B, "space": 0x20}


def connect(port):
    for _ in range(100):
        try:
            return socket.create_connection(("127.0.0.1", port))
        except OSError:
            time.sleep(0.1)
    sys.exit(f"vnc-keys: no VNC server on port {port}")


def receive(sock, size):
    data = b""
    while len(data) < size:
        chunk = sock.recv(size - len(data))
        if not chunk:
            sys.exit("vnc-keys: the server closed the connection")
        data += chunk
    return data


def handshake(sock):
    sock.sendall(receive(sock, 12))  # answer with the server's own protocol version
    if struct.unpack(">I", receive(sock, 4))[0] != 1:
        sys.exit("vnc-keys: the server asks for a password")
    sock.sendall(b"\x01")  # share the desktop
    receive(sock, 20)  # size and pixel format
    receive(sock, struct.unpack(">I", receive(sock, 4))[0])  # desktop name


def main():
    sock = connect(int(sys.argv[1]))
    handshake(sock)
    for key in sys.argv[2:]:
        if key.startswith("sleep"):
            time.sleep(float(key[5:]))
            continue
        for down in (1, 0):
            sock.sendall(struct.pack(">BBxxI", 4, down, KEYSYMS[key]))
        time.sleep(0.3)
    sock.close()


main()
