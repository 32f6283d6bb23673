"""What the run command (scripts/run.sh) offers a newcomer without a display: the VNC server on the
virtual display, reachable from this machine only and only with its password, and the scripted
demo with its screenshots."""

import ipaddress
import os
import socket
import struct
import subprocess
import sys
import unittest
from pathlib import Path

from harness import UmbrixTestCase, required_path

VNC_AUTHENTICATION = 2
PROJECT = Path(__file__).resolve().parents[2]


def _listening_sockets(pid):
    """(address, port) of every listening TCP socket and every bound UDP socket the process
    holds, read from /proc."""
    inodes = set()
    for fd in Path(f"/proc/{pid}/fd").iterdir():
        target = os.readlink(fd)
        if target.startswith("socket:["):
            inodes.add(target[len("socket:["):-1])
    found = []
    for table, listening_state in (("tcp", "0A"), ("tcp6", "0A"), ("udp", "07"), ("udp6", "07")):
        lines = Path(f"/proc/net/{table}").read_text().splitlines()[1:]
        for fields in (line.split() for line in lines):
            local, state, inode = fields[1], fields[3], fields[9]
            if inode in inodes and state == listening_state:
                found.append(_address(local))
    return found


def _address(local):
    """/proc/net's "HEX_ADDRESS:HEX_PORT", the address as 32-bit words in the host's byte order."""
    address, port = local.split(":")
    raw = bytes.fromhex(address)
    words = b"".join(raw[i:i + 4][::-1] if sys.byteorder == "little" else raw[i:i + 4] for i in range(0, len(raw), 4))
    return ipaddress.ip_address(words), int(port, 16)


def _receive(connection, size):
    data = b""
    while len(data) < size:
        chunk = connection.recv(size - len(data))
        if not chunk:
            raise AssertionError(f"the server closed the connection after {data!r}")
        data += chunk
    return data


class ViewerAccess(UmbrixTestCase):

    def test_the_vnc_server_listens_on_this_machine_only_and_lets_no_one_in_without_the_password(self):
        port, pid = self.session.serve_to_viewers()

        sockets = _listening_sockets(pid)
        self.assertIn(port, [p for _, p in sockets], f"the announced port is the one it listens on: {sockets}")
        self.assertEqual([(str(a), p) for a, p in sockets if not a.is_loopback], [], "every address is loopback")

        with socket.create_connection(("127.0.0.1", port), timeout=10) as connection:
            version = _receive(connection, 12)
            self.assertRegex(version, rb"^RFB 003\.00[378]\n$")
            connection.sendall(version)  # the viewer speaks the server's version
            if version == b"RFB 003.003\n":  # the server names the one type it uses
                offered = list(struct.unpack(">I", _receive(connection, 4)))
            else:
                offered = list(_receive(connection, _receive(connection, 1)[0]))
            self.assertEqual(offered, [VNC_AUTHENTICATION], "password authentication and nothing else")

            if version != b"RFB 003.003\n":
                connection.sendall(bytes([VNC_AUTHENTICATION]))
            _receive(connection, 16)  # the challenge
            connection.sendall(bytes(16))  # an answer made without the password
            result = struct.unpack(">I", _receive(connection, 4))[0]
            self.assertNotEqual(result, 0, "an answer without the password is refused")


class Demo(unittest.TestCase):
    """`bash scripts/run.sh --demo` after the build: the demo script with the built programs."""

    def test_the_demo_pictures_the_windows_shown_gone_and_back(self):
        out = required_path("UMBRIX_E2E_ARTIFACTS") / "Demo"
        picture = out / "picture" / "demo.png"
        done = subprocess.run([sys.executable, str(PROJECT / "scripts" / "demo.py"), "--out", str(out), "--picture",
                               str(picture)], capture_output=True, text=True, timeout=240)
        self.assertEqual(done.returncode, 0, f"{done.stdout}\n{done.stderr}")

        shots = {name: out / f"{name}.png" for name in ("01-windows-shown", "02-windows-gone", "03-windows-back")}
        for name, shot in shots.items():
            self.assertIn(f"{name}.png", done.stdout, "the demo says what each screenshot shows")
        # Inside the topmost sample window (at 100,100, 320 by 200) the screen is white while the
        # windows show and black while they are gone.
        brightness = {name: self.brightness(shot, "300x150+110+130") for name, shot in shots.items()}
        self.assertGreater(brightness["01-windows-shown"], 0.9, brightness)
        self.assertLess(brightness["02-windows-gone"], 0.05, brightness)
        self.assertGreater(brightness["03-windows-back"], 0.9, brightness)
        self.assertTrue(picture.exists(), "the before and after picture is made")

    @staticmethod
    def brightness(image, area):
        done = subprocess.run(["convert", str(image), "-crop", area, "+repage", "-colorspace", "gray", "-format",
                               "%[fx:mean]", "info:"], capture_output=True, text=True, timeout=30, check=True)
        return float(done.stdout)
