#!/usr/bin/env python3
"""Draws the program's icon, a graduated handwheel dial, in every form it ships:
XPM images for the window (32x32 in 2 colours, 32x32 and 16x16 in 16 colours),
PNG images for the desktop's icon theme and a scalable SVG. All come from the
one description below; run it again after changing it.

With --ico FILE it writes the Windows icon instead, at build time: the three
window images, plus 48x48 and 256x256 in full colour."""
import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The design on a 32 x 32 grid, centre (16, 16). Colours by role.
FULL = {"edge": "#000000", "rim": "#c0c0c0", "tick": "#000000", "face": "#ffffff",
        "needle": "#ff0000", "hub": "#000080", "index": "#ff0000"}
MONO = {"edge": "#000000", "rim": "#000000", "tick": "#ffffff", "face": "#ffffff",
        "needle": "#000000", "hub": "#000000", "index": "#ffffff"}
NEEDLE_ANGLE = math.radians(-55)  # clockwise from twelve o'clock


def shapes(ticks):
    """The drawing, back to front: (role, inside(x, y)) on the 32 grid."""
    def disc(r):
        return lambda x, y: (x - 16) ** 2 + (y - 16) ** 2 <= r * r

    def segment(angle, r0, r1, half_width):
        dx, dy = math.sin(angle), -math.cos(angle)

        def inside(x, y):
            px, py = x - 16, y - 16
            along = px * dx + py * dy
            across = abs(px * dy - py * dx)
            return r0 <= along <= r1 and across <= half_width
        return inside

    def triangle(x, y):
        return 2.0 <= y <= 6.0 and abs(x - 16) <= (y - 2.0) * 0.75

    drawing = [("edge", disc(15.5)), ("rim", disc(14.5)), ("edge", disc(11.0)),
               ("face", disc(10.2))]
    for i in range(ticks):
        angle = 2 * math.pi * i / ticks
        if i == 0:
            continue
        drawing.append(("tick", segment(angle, 11.0, 14.5, 0.55)))
    drawing.append(("index", triangle))
    drawing.append(("needle", segment(NEEDLE_ANGLE, -1.0, 9.6, 1.0)))
    drawing.append(("hub", disc(2.6)))
    return drawing


def sample(drawing, colours, x, y):
    colour = None
    for role, inside in drawing:
        if inside(x, y):
            colour = colours[role]
    return colour


def raster(size, colours, ticks, supersample):
    """Per pixel: a dict colour -> share of the pixel (None is transparent)."""
    drawing = shapes(ticks)
    scale = 32.0 / size
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            shares = {}
            for sy in range(supersample):
                for sx in range(supersample):
                    x = (px + (sx + 0.5) / supersample) * scale
                    y = (py + (sy + 0.5) / supersample) * scale
                    c = sample(drawing, colours, x, y)
                    shares[c] = shares.get(c, 0) + 1
            total = supersample * supersample
            row.append({c: n / total for c, n in shares.items()})
        pixels.append(row)
    return pixels


def write_xpm(path, size, colours, ticks):
    pixels = raster(size, colours, ticks, 4)
    grid = [[max(p, key=p.get) for p in row] for row in pixels]
    used = sorted({c for row in grid for c in row if c is not None})
    keys = {None: " "}
    keys.update({c: chr(ord("a") + i) for i, c in enumerate(used)})
    name = os.path.splitext(os.path.basename(path))[0].replace("-", "_")
    lines = [f'"{size} {size} {len(keys)} 1",', '"  c None",']
    lines += [f'"{keys[c]} c {c}",' for c in used]
    lines += ['"' + "".join(keys[c] for c in row) + '",' for row in grid]
    lines[-1] = lines[-1].rstrip(",")
    with open(path, "w") as f:
        f.write("/* XPM */\n")
        f.write(f"static const char *{name}[] = {{\n" + "\n".join(lines) + "\n};\n")


def rgba(shares):
    """One pixel's colour shares blended to (r, g, b, a), 0 to 255 each."""
    r = g = b = a = 0.0
    for c, share in shares.items():
        if c is None:
            continue
        r += int(c[1:3], 16) * share
        g += int(c[3:5], 16) * share
        b += int(c[5:7], 16) * share
        a += share
    if a > 0:
        r, g, b = r / a, g / a, b / a
    return round(r), round(g), round(b), round(a * 255)


def png_bytes(size, colours, ticks):
    pixels = raster(size, colours, ticks, 4 if size <= 64 else 2)
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for shares in row:
            raw += bytes(rgba(shares))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def dib_bytes(size, colours, ticks, bits):
    """A device-independent bitmap as an icon holds it: the header (twice the
    height, for the mask), the palette, the colour rows and the transparency
    mask, both bottom up, rows padded to four bytes. 1 and 4 bits take the
    dominant colour of each pixel, as the XPM images do; 32 bits blend."""
    pixels = raster(size, colours, ticks, 4)
    opaque = [[max(p, key=p.get) is not None if bits < 32 else rgba(p)[3] > 0 for p in row]
              for row in pixels]
    palette = []
    if bits < 32:
        grid = [[max(p, key=p.get) for p in row] for row in pixels]
        palette = sorted({c for row in grid for c in row if c is not None})
        palette += ["#000000"] * ((1 << bits) - len(palette))
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, 0, 0, 0, 0, 0)
    colour_table = b"".join(bytes((int(c[5:7], 16), int(c[3:5], 16), int(c[1:3], 16), 0))
                            for c in palette)

    def padded(row):
        return row + b"\0" * (-len(row) % 4)

    def packed(values, width_bits):
        out = bytearray()
        per_byte = 8 // width_bits
        for i in range(0, len(values), per_byte):
            byte = 0
            for j, v in enumerate(values[i:i + per_byte]):
                byte |= v << (8 - width_bits * (j + 1))
            out.append(byte)
        return bytes(out)

    colour_rows = b""
    mask_rows = b""
    for y in reversed(range(size)):
        if bits == 32:
            row = b"".join(bytes((b, g, r, a)) for r, g, b, a in map(rgba, pixels[y]))
        else:
            row = packed([palette.index(c) if c is not None else 0 for c in grid[y]], bits)
        colour_rows += padded(row)
        mask_rows += padded(packed([0 if o else 1 for o in opaque[y]], 1))
    return header + colour_table + colour_rows + mask_rows


def write_ico(path):
    images = [(32, 2, dib_bytes(32, MONO, 12, 1)),
              (32, 16, dib_bytes(32, FULL, 12, 4)),
              (16, 16, dib_bytes(16, FULL, 4, 4)),
              (48, 0, dib_bytes(48, FULL, 12, 32)),
              (256, 0, png_bytes(256, FULL, 12))]
    bit_counts = {2: 1, 16: 4, 0: 32}
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for size, count, data in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, count, 0, 1,
                                 bit_counts[count], len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(directory + b"".join(data for _, _, data in images))


def write_png(path, size, colours, ticks):
    with open(path, "wb") as f:
        f.write(png_bytes(size, colours, ticks))


def write_svg(path, colours, ticks):
    c = colours
    parts = [f'<circle cx="16" cy="16" r="15.5" fill="{c["edge"]}"/>',
             f'<circle cx="16" cy="16" r="14.5" fill="{c["rim"]}"/>',
             f'<circle cx="16" cy="16" r="11" fill="{c["edge"]}"/>',
             f'<circle cx="16" cy="16" r="10.2" fill="{c["face"]}"/>']
    for i in range(1, ticks):
        angle = 360.0 * i / ticks
        parts.append(f'<rect x="15.45" y="1.5" width="1.1" height="3.5" fill="{c["tick"]}" '
                     f'transform="rotate({angle:g} 16 16)"/>')
    parts.append(f'<path d="M16 2 L19 6 L13 6 Z" fill="{c["index"]}"/>')
    needle = math.degrees(NEEDLE_ANGLE)
    parts.append(f'<rect x="15" y="6.4" width="2" height="10.6" fill="{c["needle"]}" '
                 f'transform="rotate({needle:g} 16 16)"/>')
    parts.append(f'<circle cx="16" cy="16" r="2.6" fill="{c["hub"]}"/>')
    with open(path, "w") as f:
        f.write('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" '
                'viewBox="0 0 32 32">\n')
        f.write("<title>Brantile</title>\n")
        f.write("\n".join(parts) + "\n</svg>\n")


def main():
    write_xpm(os.path.join(HERE, "brantile-32-2.xpm"), 32, MONO, 12)
    write_xpm(os.path.join(HERE, "brantile-32-16.xpm"), 32, FULL, 12)
    write_xpm(os.path.join(HERE, "brantile-16-16.xpm"), 16, FULL, 4)
    for size in (16, 32, 48, 256):
        write_png(os.path.join(HERE, f"brantile-{size}.png"), size, FULL, 4 if size < 32 else 12)
    write_svg(os.path.join(HERE, "brantile.svg"), FULL, 12)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--ico":
        write_ico(sys.argv[2])
    else:
        main()
