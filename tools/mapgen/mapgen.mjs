// Renders the map window's world picture: 520 x 260 pixels, equirectangular,
// 1.4444 pixels per degree, column 0 at the left edge of the first map origin
// (east longitude (c + 0.5 - 243) / 1.4444 at the centre of column c), as a
// 24-bit Windows bitmap. Usage: node mapgen.mjs OUTPUT.bmp
import { readFileSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { feature } from "topojson-client";

const WIDTH = 520, HEIGHT = 260, PER_DEGREE = 1.4444444444444444;
const FIRST_COLUMN_WEST = 243;  // column where longitude 0 begins
const SAMPLES = 4;              // per pixel and axis, for smooth coastlines
const SEA = [30, 64, 120], LAND = [196, 178, 120], GRID = [70, 100, 150];

const require = createRequire(import.meta.url);
const topology = JSON.parse(readFileSync(require.resolve("world-atlas/land-50m.json"), "utf8"));
const land = feature(topology, topology.objects.land);

// Each polygon's edges as [lon1, lat1, lon2, lat2]. Rings that cross the
// date line are made continuous in longitude (columns wrap anyway); a ring
// that goes all the way round the Earth is closed along its nearer pole.
function continuousRing(ring) {
  const out = [[...ring[0]]];
  for (let i = 1; i < ring.length; i++) {
    let lon = ring[i][0];
    const previous = out[i - 1][0];
    while (lon - previous > 180) lon -= 360;
    while (previous - lon > 180) lon += 360;
    out.push([lon, ring[i][1]]);
  }
  const first = out[0], last = out[out.length - 1];
  if (Math.abs(last[0] - first[0]) > 180) {
    const pole = out.reduce((sum, p) => sum + p[1], 0) < 0 ? -90 : 90;
    out.push([last[0], pole], [first[0], pole], [...first]);
  }
  return out;
}
const polygons = [];
for (const f of land.features ?? [land]) {
  const g = f.geometry;
  for (const polygon of g.type === "Polygon" ? [g.coordinates] : g.coordinates) {
    const edges = [];
    for (const ring of polygon.map(continuousRing))
      for (let i = 0; i + 1 < ring.length; i++) edges.push([...ring[i], ...ring[i + 1]]);
    polygons.push(edges);
  }
}

// Land cover per pixel, 0..1, by even-odd scanlines in longitude and latitude.
const cover = new Float64Array(WIDTH * HEIGHT);
const sub = 1 / SAMPLES;
for (let row = 0; row < HEIGHT * SAMPLES; row++) {
  const lat = (HEIGHT / 2 - (row + 0.5) * sub) / PER_DEGREE;
  for (const edges of polygons) {
    const crossings = [];
    for (const [x1, y1, x2, y2] of edges)
      if ((y1 > lat) !== (y2 > lat)) crossings.push(x1 + ((lat - y1) / (y2 - y1)) * (x2 - x1));
    crossings.sort((a, b) => a - b);
    for (let i = 0; i + 1 < crossings.length; i += 2) {
      // Sample columns whose centre longitude lies inside [west, east).
      const first = Math.ceil((crossings[i] * PER_DEGREE + FIRST_COLUMN_WEST) * SAMPLES - 0.5);
      const last = Math.ceil((crossings[i + 1] * PER_DEGREE + FIRST_COLUMN_WEST) * SAMPLES - 0.5);
      for (let s = first; s < last; s++) {
        const column = ((Math.floor(s / SAMPLES) % WIDTH) + WIDTH) % WIDTH;
        cover[Math.floor(row / SAMPLES) * WIDTH + column] += 1 / (SAMPLES * SAMPLES);
      }
    }
  }
}

// Faint lines every 30 degrees help the eye when reading positions.
function isGrid(c, r) {
  const lon = (c + 0.5 - FIRST_COLUMN_WEST) / PER_DEGREE, lat = (HEIGHT / 2 - r - 0.5) / PER_DEGREE;
  const near = (v) => Math.abs(v - 30 * Math.round(v / 30)) * PER_DEGREE < 0.5;
  return near(lon) || near(lat);
}

const rowBytes = WIDTH * 3;  // already a multiple of 4
const header = Buffer.alloc(54);
header.write("BM", 0);
header.writeUInt32LE(54 + rowBytes * HEIGHT, 2);
header.writeUInt32LE(54, 10);
header.writeUInt32LE(40, 14);
header.writeInt32LE(WIDTH, 18);
header.writeInt32LE(HEIGHT, 22);
header.writeUInt16LE(1, 26);
header.writeUInt16LE(24, 28);
header.writeUInt32LE(rowBytes * HEIGHT, 34);
header.writeInt32LE(2835, 38);
header.writeInt32LE(2835, 42);
const pixels = Buffer.alloc(rowBytes * HEIGHT);
for (let r = 0; r < HEIGHT; r++) {
  for (let c = 0; c < WIDTH; c++) {
    const a = Math.min(1, cover[r * WIDTH + c]);
    const sea = isGrid(c, r) ? GRID : SEA;
    const rgb = sea.map((v, i) => Math.round(v + (LAND[i] - v) * a));
    const at = (HEIGHT - 1 - r) * rowBytes + c * 3;  // bottom-up, BGR
    pixels[at] = rgb[2];
    pixels[at + 1] = rgb[1];
    pixels[at + 2] = rgb[0];
  }
}
writeFileSync(process.argv[2] ?? "worldmap.bmp", Buffer.concat([header, pixels]));
