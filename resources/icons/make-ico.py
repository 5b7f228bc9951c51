#!/usr/bin/env python3
"""Renders the program icon and builds the Windows icon group.

    make-ico.py            render resources/icons/hicolor/<N>x<N>/apps/tonewright.png
                           from resources/src/tonewright.svg with rsvg-convert, then
                           write resources/tonewright.ico from those pictures
    make-ico.py --list F   print one line per image of the icon file F:
                           "<width>x<height> <bits>-bit <bmp|png>"

The icon group holds 17 images: 16, 24, 32, 48 and 64 pixels in 4-, 8- and
32-bit colour, and 128 and 256 pixels in 32-bit colour. The 4- and 8-bit
images are paletted DIBs with their own median-cut palette and a 1-bit
transparency mask; the 256-pixel image is stored as PNG, which the shell
has read since Windows Vista and which keeps the file small.

Only the Python standard library and rsvg-convert are needed; the pictures
are committed, so a build never runs this script.
"""

import os
import struct
import subprocess
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.dirname(HERE)
SVG = os.path.join(RESOURCES, "src", "tonewright.svg")
ICO = os.path.join(RESOURCES, "tonewright.ico")

THEME_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
# (size, bits per pixel) in the order the shell expects: small to large, and
# within a size from the fewest colours to the most.
ICO_IMAGES = [(s, b) for s in (16, 24, 32, 48, 64) for b in (4, 8, 32)] + [(128, 32), (256, 32)]

# Below this alpha a pixel is transparent in the 1-bit mask of paletted images.
MASK_THRESHOLD = 128


def theme_png(size):
    return os.path.join(HERE, "hicolor", "%dx%d" % (size, size), "apps", "tonewright.png")


def render_theme_pngs():
    for size in THEME_SIZES:
        path = theme_png(size)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        subprocess.run(["rsvg-convert", "--width", str(size), "--height", str(size),
                        "--format", "png", "--output", path, SVG], check=True)


# --- PNG reading: 8-bit RGBA or RGB, not interlaced (what rsvg-convert writes) ---

def read_png_rgba(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG file")
    pos = 8
    idat = b""
    width = height = depth = colour = interlace = None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    if depth != 8 or colour not in (2, 6) or interlace != 0:
        raise ValueError("only 8-bit RGB/RGBA PNG files without interlacing are read")
    channels = 4 if colour == 6 else 3
    raw = zlib.decompress(idat)
    stride = width * channels
    rows = []
    previous = bytearray(stride)
    offset = 0
    for _ in range(height):
        kind = raw[offset]
        line = bytearray(raw[offset + 1:offset + 1 + stride])
        offset += 1 + stride
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            upper_left = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + ((left + up) >> 1)) & 0xFF
            elif kind == 4:
                p = left + up - upper_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
                predictor = left if pa <= pb and pa <= pc else (up if pb <= pc else upper_left)
                line[i] = (line[i] + predictor) & 0xFF
            elif kind != 0:
                raise ValueError("bad PNG filter %d" % kind)
        rows.append(bytes(line))
        previous = line
    pixels = []
    for line in rows:
        for x in range(width):
            px = line[x * channels:(x + 1) * channels]
            pixels.append(tuple(px) if channels == 4 else tuple(px) + (255,))
    return width, height, pixels


# --- palettes ---

def median_cut(colours, count):
    """colours: dict (r, g, b) -> weight. Returns at most `count` colours."""
    boxes = [list(colours.items())]
    while len(boxes) < count:
        best = None
        for index, box in enumerate(boxes):
            if len(box) < 2:
                continue
            spans = [max(c[0][ch] for c in box) - min(c[0][ch] for c in box) for ch in range(3)]
            span = max(spans)
            weight = sum(w for _, w in box)
            score = span * weight
            if span > 0 and (best is None or score > best[0]):
                best = (score, index, spans.index(span))
        if best is None:
            break
        _, index, channel = best
        box = sorted(boxes.pop(index), key=lambda c: c[0][channel])
        total = sum(w for _, w in box)
        running = 0
        cut = 1
        for i, (_, w) in enumerate(box):
            running += w
            if running >= total / 2:
                cut = max(1, min(len(box) - 1, i + 1))
                break
        boxes.append(box[:cut])
        boxes.append(box[cut:])
    palette = []
    for box in boxes:
        total = sum(w for _, w in box)
        palette.append(tuple(int(round(sum(c[ch] * w for c, w in box) / total)) for ch in range(3)))
    return palette


def nearest(palette, colour, cache):
    found = cache.get(colour)
    if found is None:
        found = min(range(len(palette)),
                    key=lambda i: sum((palette[i][ch] - colour[ch]) ** 2 for ch in range(3)))
        cache[colour] = found
    return found


# --- DIB writing ---

def row_bytes(width, bits):
    return ((width * bits + 31) // 32) * 4


def mask_rows(width, height, pixels):
    stride = row_bytes(width, 1)
    out = bytearray()
    for y in reversed(range(height)):
        line = bytearray(stride)
        for x in range(width):
            if pixels[y * width + x][3] < MASK_THRESHOLD:
                line[x >> 3] |= 0x80 >> (x & 7)
        out += line
    return bytes(out)


def dib(width, height, pixels, bits):
    colours_used = 0
    palette_bytes = b""
    if bits in (4, 8):
        limit = 1 << bits
        weights = {}
        for r, g, b, a in pixels:
            if a >= MASK_THRESHOLD:
                weights[(r, g, b)] = weights.get((r, g, b), 0) + 1
        # Masked pixels show the screen behind them only when their colour is black.
        palette = [(0, 0, 0)] + median_cut(weights, limit - 1)
        palette += [(0, 0, 0)] * (limit - len(palette))
        colours_used = limit
        palette_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
        cache = {}
        stride = row_bytes(width, bits)
        image = bytearray()
        for y in reversed(range(height)):
            line = bytearray(stride)
            for x in range(width):
                r, g, b, a = pixels[y * width + x]
                index = 0 if a < MASK_THRESHOLD else 1 + nearest(palette[1:], (r, g, b), cache)
                if bits == 8:
                    line[x] = index
                else:
                    line[x >> 1] |= index << (4 if x % 2 == 0 else 0)
            image += line
    elif bits == 32:
        image = bytearray()
        for y in reversed(range(height)):
            for x in range(width):
                r, g, b, a = pixels[y * width + x]
                image += struct.pack("<BBBB", b, g, r, a)
    else:
        raise ValueError("unsupported depth %d" % bits)
    mask = mask_rows(width, height, pixels)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0,
                         len(image) + len(mask), 0, 0, colours_used, 0)
    return header + palette_bytes + bytes(image) + mask


def build_ico(path):
    entries = []
    for size, bits in ICO_IMAGES:
        with open(theme_png(size), "rb") as f:
            png = f.read()
        if size >= 256:
            data = png
        else:
            width, height, pixels = read_png_rgba(png)
            if (width, height) != (size, size):
                raise ValueError("%s is %dx%d" % (theme_png(size), width, height))
            data = dib(width, height, pixels, bits)
        entries.append((size, bits, data))
    offset = 6 + 16 * len(entries)
    directory = struct.pack("<HHH", 0, 1, len(entries))
    body = b""
    for size, bits, data in entries:
        dim = 0 if size >= 256 else size
        colour_count = 16 if bits == 4 else 0
        directory += struct.pack("<BBBBHHII", dim, dim, colour_count, 0, 1, bits,
                                 len(data), offset + len(body))
        body += data
    with open(path, "wb") as f:
        f.write(directory + body)


def list_ico(path):
    with open(path, "rb") as f:
        data = f.read()
    reserved, kind, count = struct.unpack("<HHH", data[:6])
    if reserved != 0 or kind != 1:
        raise ValueError("%s is not an icon file" % path)
    for i in range(count):
        w, h, _, _, _, bits, size, offset = struct.unpack("<BBBBHHII", data[6 + 16 * i:22 + 16 * i])
        if offset + size > len(data):
            raise ValueError("image %d of %s runs past the end of the file" % (i, path))
        chunk = data[offset:offset + size]
        if chunk[:8] == b"\x89PNG\r\n\x1a\n":
            width, height = struct.unpack(">II", chunk[16:24])
            kind = "png"
        else:
            _, width, height2, _, bits = struct.unpack("<IiiHH", chunk[:16])
            height = height2 // 2
            kind = "bmp"
        if (w or 256, h or 256) != (width, height):
            raise ValueError("image %d: directory says %dx%d, data %dx%d" % (i, w or 256, h or 256, width, height))
        print("%dx%d %d-bit %s" % (width, height, bits, kind))


def main(argv):
    if len(argv) == 3 and argv[1] == "--list":
        list_ico(argv[2])
        return 0
    if len(argv) != 1:
        sys.stderr.write(__doc__)
        return 2
    render_theme_pngs()
    build_ico(ICO)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
