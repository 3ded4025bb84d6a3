#!/usr/bin/env python3
"""Checks a screenshot of the map window against the world picture.

  mapcheck.py marker SHOT BMP LEFT TOP SHIFT LAT WEST [TOLERANCE]
      the XOR asterisk is centred on the pixel of (LAT, WEST), degrees
  mapcheck.py track SHOT BMP LEFT TOP SHIFT
      the ground track has no line running across the map
  mapcheck.py terminator SHOT BMP LEFT TOP SHIFT UNIXTIME
      the day/night circle lies where the Sun of that date puts it

LEFT TOP is the map window's corner on the screen; the map picture is found
near it. Exit 0 and a line of figures when the check holds, 1 otherwise.
"""
import math
import subprocess
import sys

W, H, PER_DEGREE = 520, 260, 1.4444444444444444
TRACK = (255, 80, 80)
TERMINATOR = (255, 220, 0)


def read_screen(path):
    size = subprocess.run(["identify", "-format", "%w %h", path], check=True, capture_output=True).stdout
    width, height = (int(v) for v in size.split())
    pixels = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    return width, height, pixels


def read_bitmap(path):
    b = open(path, "rb").read()
    offset = int.from_bytes(b[10:14], "little")
    rows = []
    for r in range(H):
        at = offset + (H - 1 - r) * W * 3
        rows.append([(b[at + 3 * c + 2], b[at + 3 * c + 1], b[at + 3 * c]) for c in range(W)])
    return rows


def project(lat, west, shift):
    west %= 360.0
    x = int(260.0 - west * PER_DEGREE) + shift
    x = x + W if x < 0 else (x - W if x >= W else x)
    return x, int(130.0 - lat * PER_DEGREE)


class Map:
    def __init__(self, shot, bmp, left, top, shift):
        self.sw, self.sh, self.pixels = read_screen(shot)
        picture = read_bitmap(bmp)
        split = shift + 17
        split = split - W if split > W else split
        self.base = [[row[(x - split) % W] for x in range(W)] for row in picture]
        self.ox, self.oy = self.locate(int(left), int(top))

    def screen(self, x, y):
        at = ((self.oy + y) * self.sw + self.ox + x) * 3
        return tuple(self.pixels[at:at + 3])

    def locate(self, left, top):
        samples = [(x, y) for y in range(3, H - 3, 11) for x in range(3, W - 3, 13)]
        best = (0, 0, 0)
        for oy in range(max(0, top), min(self.sh - H, top + 90)):
            for ox in range(max(0, left), min(self.sw - W, left + 14)):
                self.ox, self.oy = ox, oy
                hits = sum(self.screen(x, y) == self.base[y][x] for x, y in samples)
                best = max(best, (hits, ox, oy))
        if best[0] < 0.6 * len(samples):
            sys.exit(f"map picture not found near {left},{top} ({best[0]}/{len(samples)})")
        return best[1], best[2]

    def pixels_of(self, colour):
        return [(x, y) for y in range(H) for x in range(W) if self.screen(x, y) == colour]


def invert(colour):
    return tuple(255 - v for v in colour)


def check_marker(m, shift, lat, west, tolerance=1.0):
    ex, ey = project(float(lat), float(west), int(shift))
    # The asterisk inverts whatever lies under it, the track and the day/night
    # line included: missing their pixels would pull the centre off.
    lines = {invert(TRACK), invert(TERMINATOR)}
    # A marker at the map's side is cut off there: only as much of it as
    # shows on both sides of its centre can tell where that centre is.
    across, down = min(6, ex, W - 1 - ex), min(6, ey, H - 1 - ey)
    found = []
    for y in range(ey - down, ey + down + 1):
        for x in range(ex - across, ex + across + 1):
            pixel = m.screen(x, y)
            if pixel == invert(m.base[y][x]) or pixel in lines:
                found.append((x, y))
    if len(found) < min(8, 4 * min(across, down) + 4):
        sys.exit(f"no marker near {ex},{ey} ({len(found)} pixels)")
    cx = sum(p[0] for p in found) / len(found)
    cy = sum(p[1] for p in found) / len(found)
    print(f"marker {cx:.1f},{cy:.1f} expected {ex},{ey} from {len(found)} pixels")
    if abs(cx - ex) > float(tolerance) or abs(cy - ey) > float(tolerance):
        sys.exit("marker off its position")


def check_track(m):
    points = m.pixels_of(TRACK)
    if len(points) < 100:
        sys.exit(f"no ground track ({len(points)} pixels)")
    longest = 0
    for y in range(H):
        run = 0
        for x in range(W):
            run = run + 1 if m.screen(x, y) == TRACK else 0
            longest = max(longest, run)
    print(f"track {len(points)} pixels, longest row run {longest}")
    if longest > 60:
        sys.exit("the track runs across the map")


def check_terminator(m, shift, unix):
    """The circle's northernmost point is over the Sun's meridian when the Sun
    is south of the equator, and its southernmost point when north."""
    t = float(unix) / 86400.0
    day = (t - 10957.5)  # days from 2000-01-01 12:00
    g = math.radians(357.529 + 0.98560028 * day)
    q = 280.459 + 0.98564736 * day
    ecliptic = math.radians(q + 1.915 * math.sin(g) + 0.020 * math.sin(2 * g))
    obliquity = math.radians(23.439 - 0.00000036 * day)
    declination = math.degrees(math.asin(math.sin(obliquity) * math.sin(ecliptic)))
    ra = math.degrees(math.atan2(math.cos(obliquity) * math.sin(ecliptic), math.cos(ecliptic)))
    gmst = (280.46061837 + 360.98564736629 * day) % 360.0
    west = (gmst - ra) % 360.0  # the Sun's west longitude
    if declination < 0:
        ex, ey = project(90.0 + declination, west, int(shift))
        y_found = min(p[1] for p in m.pixels_of(TERMINATOR))
    else:
        ex, ey = project(declination - 90.0, west, int(shift))
        y_found = max(p[1] for p in m.pixels_of(TERMINATOR))
    row = [p[0] for p in m.pixels_of(TERMINATOR) if p[1] == y_found]
    # The extreme may straddle the map's side: average round the circle.
    angles = [2 * math.pi * x / W for x in row]
    mean = math.atan2(sum(map(math.sin, angles)), sum(map(math.cos, angles)))
    x_found = (mean * W / (2 * math.pi)) % W
    dx = min(abs(x_found - ex), W - abs(x_found - ex))
    print(f"terminator extreme {x_found:.0f},{y_found} expected {ex},{ey} (declination {declination:.1f})")
    if dx > 6 or abs(y_found - ey) > 3:
        sys.exit("terminator not where the Sun of that date puts it")


def main(argv):
    what, shot, bmp, left, top, shift = argv[1:7]
    m = Map(shot, bmp, left, top, int(shift))
    if what == "marker":
        check_marker(m, shift, *argv[7:])
    elif what == "track":
        check_track(m)
    elif what == "terminator":
        check_terminator(m, shift, argv[7])
    else:
        sys.exit("unknown check " + what)


if __name__ == "__main__":
    main(sys.argv)
