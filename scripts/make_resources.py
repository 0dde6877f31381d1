#!/usr/bin/env python3
"""Draws the edition resources the project owns: the toolbar strip (bitmap
148, 16 x 15 images), the three icons (program, label body, template) and
the three pictures of the tree dialogs' rows (file, closed and open folder).

Usage: make_resources.py EDITION OUTDIR
Writes OUTDIR/toolbar.bmp, program.ico, body.ico, template.ico,
row_file.ico, row_folder_closed.ico, row_folder_open.ico.
"""
import struct
import sys

COLORS = {
    '.': (192, 192, 192),  # button face: the toolbar maps it to the system colour
    'k': (0, 0, 0),
    'w': (255, 255, 255),
    'g': (128, 128, 128),
    'r': (255, 0, 0),
    'R': (128, 0, 0),
    'b': (0, 0, 128),
    'B': (0, 0, 255),
    'y': (255, 255, 0),
    'o': (128, 128, 0),
    'G': (0, 128, 0),
    'l': (0, 255, 0),
    'c': (0, 255, 255),
    'C': (0, 128, 128),
    'm': (128, 0, 128),
    'p': (255, 0, 255),
}

# --- 16 x 15 toolbar pictures -------------------------------------------------
ZIP_DISK = """
................
..bbbbbbbbbbbb..
..bBBBBBBBBBBb..
..bBwwwwwwwwBb..
..bBwkkwkwkwBb..
..bBwwwwwwwwBb..
..bBBBBBBBBBBb..
..bBBBBBBBBBBb..
..bBBkkkkkkBBb..
..bBBkwwwwkBBb..
..bBBkkkkkkBBb..
..bBBBBBBBBBBb..
..bbbbbbbbbbbb..
................
................
"""
CD_DISK = """
................
.....gggggg.....
...gwwwcwwwwg...
..gwwwccwwwwwg..
..gwwccwwwwwwg..
.gwwwwwgggwwwwg.
.gwwwwg...gwwwg.
.gwwwwg...gwwwg.
.gwwwwg...gwwwg.
.gwwwwwgggwcwwg.
..gwwwwwwwccwg..
..gwwwwwwccwwg..
...gwwwwwcwwg...
.....gggggg.....
................
"""
FLOPPY_DISK = """
................
.kkkkkkkkkkkkkk.
.kbbkwwwwwgkbbk.
.kbbkwwwwwgkbbk.
.kbbkwwwwwgkbbk.
.kbbkwwwwwgkbbk.
.kbbbkkkkkkbbbk.
.kbbbbbbbbbbbbk.
.kbbwwwwwwwwbbk.
.kbbwkkkkkkwbbk.
.kbbwwwwwwwwbbk.
.kbbwkkkkkkwbbk.
.kbbwwwwwwwwbbk.
.kkkkkkkkkkkkkk.
................
"""
ERASER = """
................
................
.........kkkkk..
........krrrrrk.
.......krrrrrrk.
......krrrrrrk..
.....kwkrrrrk...
....kwwwkrrk....
...kwwwwwkk.....
..kwwwwwwk......
..kwwwwwk.......
...kwwwk........
....kkkkkkkkkk..
................
................
"""
FEWER_COLUMNS = """
................
.kkkkkkkkkkkkkk.
.kwwwwwwwwwwwwk.
.kwkkkkkkkkkkwk.
.kwwwwwwwwwwwwk.
.kwkkkkkkkkkkwk.
.kwwwwwwwwwwwwk.
.kwkkkkkkkkkkwk.
.kwwwwwwwwwwwwk.
.kwkkkkkkkkkkwk.
.kwwwwwwwwwwwwk.
.kkkkkkkkkkkkkk.
................
.....rrrrrr.....
................
"""
MORE_COLUMNS = """
................
.kkkkkkkkkkkkkk.
.kwwwwwkkwwwwwk.
.kwkkkwkkwkkkwk.
.kwwwwwkkwwwwwk.
.kwkkkwkkwkkkwk.
.kwwwwwkkwwwwwk.
.kwkkkwkkwkkkwk.
.kwwwwwkkwwwwwk.
.kwkkkwkkwkkkwk.
.kwwwwwkkwwwwwk.
.kkkkkkkkkkkkkk.
.......GG.......
.....GGGGGG.....
.......GG.......
"""
ZOOM = """
................
....kkkkk.......
...kwwwwwk......
..kwwcwwwwk.....
..kwcwwwwwk.....
..kwwwwwwwk.....
..kwwwwwwwk.....
..kwwwwwwwk.....
...kwwwwwk......
....kkkkkgk.....
.........kgk....
..........kgk...
...........kgk..
............kk..
................
"""
SIZES = """
................
................
.kkkkkkkk.......
.kwwwwwwkk......
.kwkkwwwkwk.....
.kwwwwwwkkkk....
.kwkkkwwwwwk....
.kwwwwwwwwwk....
.kwkkwwBBwBBwBB.
.kwwwwwwBwwBwwB.
.kwkkkwwBwBwwBB.
.kwwwwwwBwBwwwB.
.kkkkkkBBBBBwBB.
................
................
"""
EXTENSIONS = """
................
................
.kkkkkkkk.......
.kwwwwwwkk......
.kwkkwwwkwk.....
.kwwwwwwkkkk....
.kwkkkwwwwwk....
.kwwwwwwwwwk....
.kwkkwwwwwwk....
.kwwwwrrrwrwr...
.kwkkwrwwwwrw...
.kwwwwrrwwrwr...
.kkkkkrrrwrwr...
................
................
"""
FOLDERS = """
................
.oooo...........
oyyyyo..........
oooooooooo......
oyyyyyyyyo......
oyyyyyyyyo......
oyyyyyyyyo......
oooooooooo......
.....k..........
.....kkkoooo....
.....k.oyyyyo...
.....k.oooooooo.
.....kkoyyyyyyo.
.......oooooooo.
................
"""
FONTS = """
................
.....kkk........
....kk.kk.......
...kk...kk......
...kk...kk......
...kkkkkkk......
...kk...kk......
..kkk...kkk.....
................
.........rrrrr..
........rr...r..
........rr......
........rr...r..
.........rrrrr..
................
"""
NEXT_PAGE = """
................
..kkkkkkkk......
..kwwwwwwkk.....
..kwkkkkwkwk....
..kwwwwwwkkkk...
..kwkkkkkwwwk...
..kwwwwwwwwwk...
..kwkkkkkwwwk.G.
..kwwwwwwwwwk.GG
..kwkkkkkwGGGGGG
..kwwwwwwwGGGGGG
..kwkkkkkwwwk.GG
..kwwwwwwwwwk.G.
..kkkkkkkkkkk...
................
"""
PREVIOUS_PAGE = """
................
......kkkkkkkk..
......kwwwwwwkk.
......kwkkkkwkwk
......kwwwwwwkkk
......kwkkkkkwwk
......kwwwwwwwwk
.G....kwkkkkkwwk
GG....kwwwwwwwwk
GGGGGGkwkkkkkwwk
GGGGGGkwwwwwwwwk
GG....kwkkkkkwwk
.G....kwwwwwwwwk
......kkkkkkkkkk
................
"""
FILES_LIST = """
................
.kkkkkkkkkkkkk..
.kwwwwwwwwwwwk..
.kwooowkkkkwwk..
.kwwwwwwwwwwwk..
.kwkwwkkkkkwwk..
.kwwwwwwwwwwwk..
.kwkwwkkkkkwwk..
.kwwwwwwwwwwwk..
.kwooowkkkkwwk..
.kwwwwwwwwwwwk..
.kwkwwkkkwwwwk..
.kwwwwwwwwwwwk..
.kkkkkkkkkkkkk..
................
"""
PICTURE = """
................
.kkkkkkkkkkkkkk.
.kccccccccccyck.
.kcccccccccyyyk.
.kccccccccccyck.
.kcccccGcccccck.
.kccccGGGccccck.
.kcccGGGGGcccck.
.kccGGGGGGGcGck.
.kcGGGGGGGGGGGk.
.kGGGGGGGGGGGGk.
.kGGGGGGGGGGGGk.
.kkkkkkkkkkkkkk.
................
................
"""
TEXT = """
................
.kkkkkkkkkkkk...
.kk...kk...kk...
.k....kk....k...
......kk........
......kk........
......kk........
......kk........
......kk........
......kk........
......kk........
.....kkkk.......
................
..bbbbbbbbbbbb..
................
"""
SAVE = """
................
.kkkkkkkkkkkkkk.
.kbkwwwwwwwwkbk.
.kbkwwwwwwwwkbk.
.kbkwwwwwwwwkbk.
.kbkwwwwwwwwkbk.
.kbbkkkkkkkkbbk.
.kbbbbbbbbbbbbk.
.kbbkkkkkkkkbbk.
.kbbkkkwwkkkbbk.
.kbbkkkwwkkkbbk.
.kbbkkkkkkkkbbk.
..kkkkkkkkkkkkk.
................
................
"""
OPEN = """
................
..........kkk...
.........k...k.k
..............kk
.kkk.........kkk
kyyykkkkkkk.....
kywyyyyyyyk.....
kwyykkkkkkkkkk..
kyykoooooooook..
kwykooooooook...
kykoooooooook...
kykooooooook....
kkkkkkkkkkkk....
................
................
"""
PRINT = """
................
....kkkkkkkk....
....kwwwwwwk....
....kwkkkkwk....
....kwwwwwwk....
..kkkkkkkkkkkk..
.kwwwwwwwwwwwwk.
.kwwwwwwwwwlgwk.
.kggggggggggggk.
.kggggggggggggk.
.kkkkkkkkkkkkkk.
...kwkkkkkkwk...
...kwwwwwwwwk...
...kkkkkkkkkk...
................
"""
ABOUT = """
................
.....bbbbbb.....
...bbBBBBBBbb...
..bBBBBwwBBBBb..
..bBBBBwwBBBBb..
.bBBBBBBBBBBBBb.
.bBBBBwwwBBBBBb.
.bBBBBBwwBBBBBb.
.bBBBBBwwBBBBBb.
.bBBBBBwwBBBBBb.
..bBBBwwwwBBBb..
..bBBBBBBBBBBb..
...bbBBBBBBbb...
.....bbbbbb.....
................
"""

# --- 16 x 16 pictures of the tree dialogs' rows ('.' is transparent) ---------
ROW_FILE = """
................
...kkkkkkkk.....
...kwwwwwwkk....
...kwwwwwwkwk...
...kwwwwwwkkkk..
...kwkkkkwwwwk..
...kwwwwwwwwwk..
...kwkkkkkkwwk..
...kwwwwwwwwwk..
...kwkkkkkkwwk..
...kwwwwwwwwwk..
...kwkkkkkkwwk..
...kwwwwwwwwwk..
...kwwwwwwwwwk..
...kkkkkkkkkkk..
................
"""
ROW_FOLDER_CLOSED = """
................
................
..oooo..........
.oyyyyo.........
.ooooooooooooo..
.oyyyyyyyyyyyo..
.oyyyyyyyyyyyo..
.oyyyyyyyyyyyo..
.oyyyyyyyyyyyo..
.oyyyyyyyyyyyo..
.oyyyyyyyyyyyo..
.oyyyyyyyyyyyo..
.ooooooooooooo..
................
................
................
"""
ROW_FOLDER_OPEN = """
................
................
..oooo..........
.oyyyyo.........
.oyyyyooooooo...
.oyyyyyyyyyyo...
.oyyoooooooooooo
.oyoyyyyyyyyyyo.
.oyoyyyyyyyyyyo.
.ooyyyyyyyyyyo..
.ooyyyyyyyyyyo..
.oyyyyyyyyyyo...
.ooooooooooo....
................
................
................
"""
ROW_PICTURES = (('row_file.ico', ROW_FILE), ('row_folder_closed.ico', ROW_FOLDER_CLOSED),
                ('row_folder_open.ico', ROW_FOLDER_OPEN))


def parse_icon(picture):
    """A 16 x 16 picture whose '.' pixels are transparent."""
    rows = parse(picture, 16, 16)
    lines = picture.strip('\n').split('\n')
    return [[None if lines[y][x] == '.' else rows[y][x] for x in range(16)] for y in range(16)]


DISKS = {'Kestrin': ZIP_DISK, 'Dovantel': CD_DISK, 'Wimbrook': FLOPPY_DISK}


def toolbar_images(edition):
    disk = DISKS[edition]
    if edition == 'Wimbrook':
        return [disk, ERASER, FEWER_COLUMNS, MORE_COLUMNS, SIZES, EXTENSIONS, FOLDERS,
                FILES_LIST, PICTURE, TEXT, SAVE, PRINT]
    return [disk, ERASER, FEWER_COLUMNS, MORE_COLUMNS, ZOOM, SIZES, EXTENSIONS, FOLDERS,
            FONTS, NEXT_PAGE, PREVIOUS_PAGE, FILES_LIST, PICTURE, TEXT, SAVE, OPEN, PRINT, ABOUT]


def parse(picture, width=16, height=15):
    rows = [r for r in picture.strip('\n').split('\n')]
    if len(rows) != height or any(len(r) != width for r in rows):
        raise ValueError('picture must be %dx%d: %r' % (width, height, [len(r) for r in rows]))
    return [[COLORS[ch] for ch in r] for r in rows]


def bmp_bytes(pixels):
    """24-bit bottom-up BMP file of a rows-of-(r,g,b) picture."""
    height = len(pixels)
    width = len(pixels[0])
    row_size = (3 * width + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b'\0' * (row_size - len(line))
        data += line
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + data


# --- icons --------------------------------------------------------------------
def blank(size, color=None):
    return [[color for _ in range(size)] for _ in range(size)]


def rect(img, x0, y0, x1, y1, color):
    for y in range(max(0, y0), min(len(img), y1)):
        for x in range(max(0, x0), min(len(img), x1)):
            img[y][x] = color


def frame(img, x0, y0, x1, y1, color):
    rect(img, x0, y0, x1, y0 + 1, color)
    rect(img, x0, y1 - 1, x1, y1, color)
    rect(img, x0, y0, x0 + 1, y1, color)
    rect(img, x1 - 1, y0, x1, y1, color)


def label_icon(size, kind, edition):
    """A label page: a spine strip, catalog lines; the template is dashed."""
    img = blank(size)
    s = size / 32.0
    px = lambda v: int(round(v * s))
    spine = {'Kestrin': (0, 0, 128), 'Dovantel': (128, 0, 128), 'Wimbrook': (0, 128, 0)}[edition]
    x0, y0, x1, y1 = px(3), px(2), px(29), px(30)
    rect(img, x0, y0, x1, y1, (255, 255, 255))
    if kind == 'template':
        for x in range(x0, x1):
            if (x // max(1, px(3))) % 2 == 0:
                img[y0][x] = (0, 0, 0)
                img[y1 - 1][x] = (0, 0, 0)
        for y in range(y0, y1):
            if (y // max(1, px(3))) % 2 == 0:
                img[y][x0] = (0, 0, 0)
                img[y][x1 - 1] = (0, 0, 0)
    else:
        frame(img, x0, y0, x1, y1, (0, 0, 0))
    rect(img, x0 + 1, y0 + 1, x0 + px(7), y1 - 1, spine)
    line_color = (128, 128, 128) if kind == 'template' else (0, 0, 0)
    y = y0 + px(4)
    while y < y1 - px(3):
        rect(img, x0 + px(9), y, x1 - px(3), y + max(1, px(1.5)), line_color)
        y += px(4)
    if kind == 'program':
        # the edition's disk in the lower right corner
        cx, cy, r = px(22), px(22), px(8)
        for yy in range(size):
            for xx in range(size):
                d = ((xx - cx) ** 2 + (yy - cy) ** 2) ** 0.5
                if edition == 'Dovantel':
                    if d <= r:
                        img[yy][xx] = (0, 0, 0) if d > r - 1 else ((200, 230, 255) if d > px(2.5) else None)
                elif abs(xx - cx) <= r and abs(yy - cy) <= r:
                    edge = abs(xx - cx) == r or abs(yy - cy) == r
                    body = (0, 0, 128) if edition == 'Kestrin' else (0, 0, 0)
                    img[yy][xx] = (0, 0, 0) if edge else body
        if edition != 'Dovantel':
            rect(img, cx - px(4), cy - r + 1, cx + px(4), cy - px(2), (255, 255, 255))
    return img


def ico_bytes(images):
    """ICO holding 24-bit images; None pixels are transparent."""
    entries = []
    blobs = []
    for img in images:
        size = len(img)
        row_size = (3 * size + 3) & ~3
        mask_row = ((size + 31) // 32) * 4
        xor = bytearray()
        andm = bytearray()
        for row in reversed(img):
            line = bytearray()
            bits = bytearray(mask_row)
            for x, c in enumerate(row):
                if c is None:
                    line += b'\0\0\0'
                    bits[x // 8] |= 0x80 >> (x % 8)
                else:
                    line += bytes((c[2], c[1], c[0]))
            line += b'\0' * (row_size - len(line))
            xor += line
            andm += bits
        info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 24, 0, len(xor) + len(andm), 0, 0, 0, 0)
        blob = info + xor + andm
        blobs.append(blob)
        entries.append((size, blob))
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, blob in entries:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 24, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    edition, outdir = sys.argv[1], sys.argv[2]
    pictures = [parse(p) for p in toolbar_images(edition)]
    strip = [sum((p[y] for p in pictures), []) for y in range(15)]
    with open(outdir + '/toolbar.bmp', 'wb') as f:
        f.write(bmp_bytes(strip))
    for kind, name in (('program', 'program.ico'), ('body', 'body.ico'), ('template', 'template.ico')):
        with open(outdir + '/' + name, 'wb') as f:
            f.write(ico_bytes([label_icon(32, kind, edition), label_icon(16, kind, edition)]))
    for name, picture in ROW_PICTURES:
        with open(outdir + '/' + name, 'wb') as f:
            f.write(ico_bytes([parse_icon(picture)]))
    return 0


if __name__ == '__main__':
    sys.exit(main())
