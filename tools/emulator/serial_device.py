#!/usr/bin/env python3
"""A station device on the far side of a serial port (a pty of a socat pair).

It answers as the rotator or modem named by --device does, and records every
command it receives, one line each: "<unix time> <command, escaped>".

  serial_device.py --device TYPE --port PTY --log FILE [--fault FAULT]
                   [--sats AO-16,UO-22] [--report]

TYPE:  gs232, easycomm1, easycomm2, trakbox, sattrak, dsp12, dsp2232, echo
FAULT: none (default); silent (never answers); garbage (answers lines that
       mean nothing); endless (a stream without any line end); noise (random
       bytes); vanish (goes away after the first command, closing the port)
--report: an EasyComm rotator reports its position ("AZ.. EL..") after each
       position line, as one that reads its own sensors would.
--announce TEXT: sends TEXT and a line feed once a second of its own accord.
--ready FILE: created once the device listens, so that nothing sent to it
       before is lost (making the port raw flushes what waits on it).
"""
import argparse
import os
import random
import select
import sys
import termios
import time
import tty


class Device:
    def __init__(self, args, fd, log):
        self.args, self.fd, self.log = args, fd, log
        self.pending = b""
        self.state = "idle"
        self.sats = args.sats.split(",")
        self.rng = random.Random(7)
        self.announced = 0.0

    def record(self, command):
        text = command.decode("latin-1").encode("unicode_escape").decode("ascii")
        self.log.write("%.3f %s\n" % (time.time(), text))
        self.log.flush()

    def send(self, data):
        fault = self.args.fault
        if fault == "silent":
            return
        if fault == "garbage":
            data = b"".join(b"nothing to see %d\r\n" % self.rng.randint(0, 999) for _ in range(3))
        elif fault == "noise":
            data = bytes(self.rng.randint(0, 255) for _ in range(200))
        elif fault == "endless":
            return  # the stream runs on its own, see idle()
        os.write(self.fd, data)

    def idle(self):
        if self.args.fault == "endless":
            os.write(self.fd, b"x" * 64)
        elif self.args.fault in ("noise", "garbage") and self.rng.random() < 0.2:
            self.send(b"")
        if self.args.announce and time.time() - self.announced >= 1.0:
            self.announced = time.time()
            os.write(self.fd, self.args.announce.encode() + b"\n")

    # Commands end at a line feed or carriage return, except the single
    # characters of the box menus, which the box takes at once.
    def feed(self, data):
        self.pending += data
        handler = getattr(self, "on_" + self.args.device)
        while self.pending:
            used = handler(self.pending)
            if not used:
                break
            command, self.pending = self.pending[:used], self.pending[used:]
            self.record(command)
            if self.args.fault == "vanish":
                sys.exit(0)
            self.answer(command)

    @staticmethod
    def line(pending, ends=b"\n"):
        cut = min((pending.find(bytes([e])) for e in ends if bytes([e]) in pending), default=-1)
        return cut + 1 if cut >= 0 else 0

    def on_gs232(self, p):
        return self.line(p)

    on_easycomm1 = on_gs232

    def on_dsp2232(self, p):
        # "\rMODEM mode\r": the leading return belongs to the command.
        end = p.find(b"\r", 1)
        return end + 1 if end >= 0 else 0

    def on_easycomm2(self, p):
        if p.startswith(b"AO ") or p.startswith(b"LO SN "):
            return 3 if p.startswith(b"AO ") else 6
        return self.line(p)

    def on_echo(self, p):
        return len(p)

    def on_trakbox(self, p):
        if p.startswith(b"Q\n") or self.state == "list":
            return self.line(p)
        if self.state == "menu" and p[:1] == b"1":
            return 1
        return 1 if p[:1].isalpha() else self.line(p)  # "E", or a selection character

    def on_sattrak(self, p):
        if self.state == "idle" and p[:1] in (b"W",):
            return 1
        if self.state == "prompt" and p[:1] in (b"S", b"U", b"D"):
            return 1
        return self.line(p, b"\n")

    def on_dsp12(self, p):
        if p.startswith(b"\x03\x03\x03"):
            return 3
        return self.line(p, b"\r")

    def answer(self, c):
        d = self.args.device
        if d == "echo":
            self.send(c)
        elif d in ("easycomm1", "easycomm2") and self.args.report and c.startswith(b"AZ"):
            words = c.split()
            self.send(b" ".join(w for w in words[:2]) + b"\n")
        elif d == "trakbox":
            self.answer_trakbox(c)
        elif d == "sattrak":
            self.answer_sattrak(c)
        elif d == "dsp12":
            if c in (b"\x03\x03\x03", b"q\r"):
                self.send(b"\r\ncmd:")
            elif c == b"Q\r":
                self.send(b"\r\nDSP-12 Main Menu\r\n")

    def answer_trakbox(self, c):
        if c == b"Q\n":
            self.state = "menu"
            self.send(b"TrakBox V2\r 1 Track  2 Setup\rMain menu [1-2,M]:")
        elif c == b"1" and self.state == "menu":
            self.state = "list"
            entries = b"   ".join(b"%02d. %s" % (i + 1, s.encode()) for i, s in enumerate(self.sats))
            self.send(b"Satellites [1-%d,M]\r %s\rSelect satellite:" % (len(self.sats), entries))
        elif self.state == "list" and c[:2].isdigit():
            self.state = "tracking"
            self.send(b"Uplink 145900000 Hz\rDownlink 437025000 Hz\rTracking\r")
        else:
            self.state = "idle"

    def answer_sattrak(self, c):
        if c == b"W":
            self.state = "prompt"
            self.send(b"Kova SatTrak>")
        elif self.state == "prompt" and c in (b"S", b"U", b"D"):
            self.state = "value"
            self.send({b"S": b"\r\nSatellite>", b"U": b"\r\nUplink Hz>", b"D": b"\r\nDownlink Hz>"}[c])
        else:
            self.state = "idle"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--device", required=True)
    parser.add_argument("--port", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--fault", default="none")
    parser.add_argument("--sats", default="AO-16,UO-22,ISS")
    parser.add_argument("--report", action="store_true")
    parser.add_argument("--announce", default="")
    parser.add_argument("--ready", default="")
    args = parser.parse_args()
    fd = os.open(args.port, os.O_RDWR | os.O_NOCTTY)
    tty.setraw(fd)
    attrs = termios.tcgetattr(fd)
    attrs[3] &= ~termios.ECHO
    termios.tcsetattr(fd, termios.TCSANOW, attrs)
    with open(args.log, "a") as log:
        device = Device(args, fd, log)
        if args.ready:
            open(args.ready, "w").close()
        while True:
            ready, _, _ = select.select([fd], [], [], 0.05)
            if not ready:
                device.idle()
                continue
            try:
                data = os.read(fd, 4096)
            except OSError:
                return  # the other side has gone
            if not data:
                return
            device.feed(data)


if __name__ == "__main__":
    main()
