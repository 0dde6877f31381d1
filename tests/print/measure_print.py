#!/usr/bin/env python3
"""Measures the fidelity jobs that print_jobs_<edition>.exe sent to the PDF
queues: waits for the queues to empty and each job's PDF to be complete,
reads pdfinfo (pages, size, rotation), renders each page at 600 dpi in grey
without anti-aliasing and finds the pixel edges of page outlines, coloured
backgrounds, pictures and crop marks; booklet page numbers are read with
pdftotext. Every expected place below is written from the label geometry
tables and the placement rules (plus the margin queue's unprintable margin),
in inches from the paper's top-left corner; tolerance 3 px (half a label
unit).

    measure_print.py PRINT_DIR    (PRINT_DIR holds the *.jobs manifests)
"""
import glob
import os
import re
import subprocess
import sys
import tempfile
import time

DPI = 600
TOL = 3            # pixels at 600 dpi: half a label unit
SEARCH = 30        # pixels searched either side of an expected line
DARK = 128         # grey below this is ink of a line
WHITE = 250        # grey at or above this is bare paper

A4 = (595 / 72, 842 / 72)
LETTER = (8.5, 11.0)
QUEUES = ("LabelPDF", "LabelPDFMargin")
# The margin queue's printable area starts 0.10 in from the left and 0.30 in
# from the top of a portrait page (its PPD). On a landscape page the left
# margin is the portrait bottom one (0.40 in) and the top one the portrait
# left one (0.10 in).
MARGIN_PORTRAIT = (0.10, 0.30)
MARGIN_LANDSCAPE = (0.40, 0.10)


# ---- what each job must show ---------------------------------------------------

class Page:
    def __init__(self):
        self.outlines = []     # (x, y, w, h, style): "solid", "pattern", "edge" (colour, no line)
        self.marks = []        # (x1, y1, x2, y2): crop mark lines
        self.mark_ends = []    # (x1, y1, x2, y2): marks whose (x1, y1) end lies clear of other ink
        self.clear = []        # (x1, y1, x2, y2): no line may lie there
        self.numbers = []      # (text, x, y): a booklet page number near the corner (x, y)
        self.pictures = []     # (x, y, w, h): a picture's coloured rectangle

    def outline(self, x, y, w, h, style="solid"):
        self.outlines.append((x, y, w, h, style))
        return self


class Case:
    def __init__(self, paper, landscape=False, pages=(), queue="LabelPDF"):
        self.paper = paper
        self.landscape = landscape
        self.pages = list(pages)
        self.queue = queue


def left_marks(page, x, y, w, h, paper_w, paper_h):
    """The four marks from the paper's left edge, top edge and bottom edge."""
    page.marks += [(0, y, 1, y), (0, y + h, 1, y + h), (x, 0, x, 1), (x, paper_h - 1, x, paper_h)]


def right_marks(page, x, y, w, h, paper_w, paper_h):
    r = x + w
    page.marks += [(paper_w - 1, y, paper_w, y), (paper_w - 1, y + h, paper_w, y + h),
                   (r, 0, r, 1), (r, paper_h - 1, r, paper_h)]


def bottom_marks(page, x, y, w, h, paper_w, paper_h):
    b = y + h
    page.marks += [(0, b, 1, b), (paper_w - 1, b, paper_w, b),
                   (x, paper_h - 1, x, paper_h), (x + w, paper_h - 1, x + w, paper_h)]


def all_marks(page, x, y, w, h, paper_w, paper_h):
    left_marks(page, x, y, w, h, paper_w, paper_h)
    right_marks(page, x, y, w, h, paper_w, paper_h)


# Page sizes (inches) from the geometry tables.
K_FRONT = (5.69, 4.81)   # Kestrin page 1 and odd booklet pages
K_BACK = (4.94, 4.81)    # Kestrin page 2 and even booklet pages
D_TRAY = (5.91, 4.60)    # Dovantel page 1
D_PAGE = (4.80, 4.75)    # Dovantel page 2 and booklet pages
W_LABEL = (2.75, 2.75)

# Portrait A4 and Letter as printable (300 dpi) areas.
D_PRINT = (2479 / 300, 3508 / 300)
W_PRINT = (2550 / 300, 3300 / 300)
# Kestrin prints landscape A4: its paper, in the orientation it is drawn in.
KW, KH = A4[1], A4[0]
# The printable area: the device's pixels over its pixels per inch (300).
KW_PRINT, KH_PRINT = 3508 / 300, 2479 / 300


def kestrin_pair(back_at, front_at, marks=None):
    page = Page()
    page.outline(*back_at, *K_BACK).outline(*front_at, *K_FRONT)
    if marks == "sides":
        left_marks(page, *back_at, *K_BACK, KW_PRINT, KH_PRINT)
        right_marks(page, *front_at, *K_FRONT, KW_PRINT, KH_PRINT)
    return page


def kestrin_alone(size, marks):
    page = Page().outline(0.01, 1.65, *size)
    if marks:
        all_marks(page, 0.01, 1.65, *size, KW_PRINT, KH_PRINT)
    return page


def booklet_sheet(even, odd):
    # The even page first at the default place, the odd page right of it;
    # each shows its number less one at its bottom right corner.
    page = kestrin_pair((0.01, 1.65), (4.95, 1.65))
    page.numbers = [(str(even - 1), 0.01 + 4.94, 1.65 + 4.81), (str(odd - 1), 4.95 + 5.69, 1.65 + 4.81)]
    return page


def dovantel_covers(space=0.0, marks=False):
    # Tray card at its full-size origin (7 units) moved 100 right, y 0.50;
    # the front cover at its own (67 units) moved 100 right, right below.
    page = Page().outline(1.07, 0.50, *D_TRAY).outline(1.67, 0.50 + 4.60 + space, *D_PAGE)
    if marks:
        all_marks(page, 1.07, 0.50, *D_TRAY, *D_PRINT)
        bottom_marks(page, 1.67, 5.10, *D_PAGE, *D_PRINT)
        # The marks from the paper's right edge start one inch inside the
        # printable width (2479 pixels at 300 dpi, not 209 whole mm).
        page.mark_ends = [(D_PRINT[0] - 1, 0.50, D_PRINT[0], 0.50), (D_PRINT[0] - 1, 9.85, D_PRINT[0], 9.85)]
    return page


def dovantel_booklet(odd):
    page = Page().outline(1.67, 0.50, *D_PAGE).outline(1.67, 0.50 + 4.75, *D_PAGE)
    for y in (0.50, 5.25):
        all_marks(page, 1.67, y, *D_PAGE, *D_PRINT)
    page.numbers = [(str(odd - 1), 1.67 + 4.80, 0.50 + 4.75), (str(odd), 1.67 + 4.80, 5.25 + 4.75)]
    return page


def wimbrook_sheet(origin, labels, marks=False, style="solid"):
    page = Page()
    for i in labels:
        x, y = origin[0] + 2.75 * (i % 3), origin[1] + 3.00 * (i // 3)
        page.outline(x, y, *W_LABEL, style=style)
        if marks:
            all_marks(page, x, y, *W_LABEL, *W_PRINT)
    return page


def cases():
    c = {}
    c["k-default"] = Case(A4, True, [kestrin_pair((0.01, 1.65), (4.95, 1.65), "sides")])
    c["k-space"] = Case(A4, True, [kestrin_pair((0.01, 1.65), (5.05, 1.65))])
    # Own positions: the first at (0.5, 0.75), the second at X2 - 0.07 in.
    c["k-newpos"] = Case(A4, True, [kestrin_pair((0.50, 0.75), (5.53, 1.25))])
    c["k-newpage"] = Case(A4, True, [kestrin_alone(K_BACK, True), kestrin_alone(K_FRONT, True)])
    c["k-front"] = Case(A4, True, [kestrin_alone(K_FRONT, False)])
    c["k-back"] = Case(A4, True, [kestrin_alone(K_BACK, False)])
    c["k-booklet23"] = Case(A4, True, [booklet_sheet(4, 3), booklet_sheet(6, 5)])
    # Entries fill only the covers; the object on page 5 prints sheet 3, and
    # the blank sheet 2 before it.
    sheet3 = booklet_sheet(6, 5)
    sheet3.pictures = [(4.95 + 1.00, 1.65 + 1.00, 2.00, 2.00)]
    c["k-object5"] = Case(A4, True, [kestrin_pair((0.01, 1.65), (4.95, 1.65)), booklet_sheet(4, 3), sheet3])
    # No compensation in Kestrin: the places move by the unprintable margin.
    mx, my = MARGIN_LANDSCAPE
    c["k-margin"] = Case(A4, True, [kestrin_pair((mx + 0.01, my + 1.65), (mx + 4.95, my + 1.65))],
                         "LabelPDFMargin")
    c["d-default"] = Case(A4, False, [dovantel_covers(marks=True)])
    c["d-space"] = Case(A4, False, [dovantel_covers(space=0.10)])
    c["d-booklet"] = Case(A4, False, [dovantel_covers(marks=True), dovantel_booklet(3)])
    nine = wimbrook_sheet((0.13, 0.50), [0, 2, 4, 6, 8], marks=True)
    nine.clear = [(3.2, 0.50, 5.3, 0.50), (1.2, 3.50, 2.6, 3.50)]  # labels 1 and 3 are empty
    c["w-nine"] = Case(LETTER, False, [nine])
    c["w-nine-empty"] = Case(LETTER, False, [wimbrook_sheet((0.13, 0.50), range(9))])
    c["w-one"] = Case(LETTER, False, [wimbrook_sheet((0.13, 0.50), [0])])
    # Wimbrook's default sheet origin is compensated: the same place on paper.
    c["w-margin"] = Case(LETTER, False, [wimbrook_sheet((0.13, 0.50), [0, 4, 8])], "LabelPDFMargin")
    for style in range(1, 5):
        c["w-border%d" % style] = Case(LETTER, False, [wimbrook_sheet((0.13, 0.50), [0], style="pattern")])
    c["w-border5"] = Case(LETTER, False, [wimbrook_sheet((0.13, 0.50), [0], style="edge")])
    return c


# ---- the PDFs ------------------------------------------------------------------

def queues_empty():
    out = subprocess.run(["lpstat", "-o"] + list(QUEUES), capture_output=True, text=True).stdout
    return out.strip() == ""


def find_pdf(title, queue):
    """The job's PDF: cups-pdf names it after the title (cut to 64 characters
    and sometimes followed by other text) with "-job_N" at the end; the
    margin queue writes into its own folder."""
    folder = os.path.join(os.path.expanduser("~"), "PDF")
    if queue != QUEUES[0]:
        folder = os.path.join(folder, queue)
    found = [f for f in glob.glob(os.path.join(folder, glob.escape(title) + "*.pdf"))
             if re.match(re.escape(title) + r"([_-].*)?-job_\d+\.pdf$", os.path.basename(f))]
    return found


def complete(path):
    try:
        with open(path, "rb") as f:
            f.seek(max(0, os.path.getsize(path) - 64))
            return b"%%EOF" in f.read()
    except OSError:
        return False


def wait_for(titles, timeout=180):
    """titles: {title: queue}."""
    deadline = time.time() + timeout
    paths = {}
    while time.time() < deadline:
        if queues_empty():
            for title, queue in titles.items():
                found = find_pdf(title, queue)
                if len(found) == 1 and complete(found[0]):
                    paths[title] = found[0]
            if len(paths) == len(titles):
                return paths
        time.sleep(0.5)
    return paths


def pdfinfo(path):
    out = subprocess.run(["pdfinfo", path], capture_output=True, text=True).stdout
    pages = int(re.search(r"Pages:\s+(\d+)", out).group(1))
    size = re.search(r"Page size:\s+([\d.]+) x ([\d.]+)", out)
    rot = int(re.search(r"Page rot:\s+(\d+)", out).group(1))
    return pages, (float(size.group(1)) / 72, float(size.group(2)) / 72), rot


class Raster:
    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        # P5 header: magic, width, height, maxval, then one byte a pixel.
        fields = re.match(rb"P5\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
        self.w, self.h = int(fields.group(1)), int(fields.group(2))
        self.pixels = data[fields.end():]

    def at(self, x, y):
        if 0 <= x < self.w and 0 <= y < self.h:
            return self.pixels[y * self.w + x]
        return 255


def render(path, page, folder):
    stem = os.path.join(folder, "p%d" % page)
    # Grey, without anti-aliasing; a raw PGM is the same raster as -png,
    # unpacked for reading without an image library.
    subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", "-aa", "no", "-aaVector", "no",
                    "-f", str(page), "-l", str(page), "-singlefile", path, stem], check=True)
    return Raster(stem + ".pgm")


def words(path, page):
    out = subprocess.run(["pdftotext", "-bbox", "-f", str(page), "-l", str(page), path, "-"],
                         capture_output=True, text=True).stdout
    found = []
    for m in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>', out):
        x0, y0, x1, y1 = (float(m.group(i)) / 72 for i in range(1, 5))
        found.append((m.group(5), (x0 + x1) / 2, (y0 + y1) / 2))
    return found


# ---- measuring -----------------------------------------------------------------

class Measure:
    def __init__(self, case, raster):
        self.case = case
        self.r = raster

    def to_pixels(self, x, y):
        """Paper inches as drawn to raster pixels. Landscape pages arrive as
        portrait pages with the drawing turned a quarter counter-clockwise:
        the landscape top edge lies along the portrait left edge."""
        if self.case.landscape:
            x, y = y, self.case.paper[1] - x
        return x * DPI, y * DPI

    def segment(self, x1, y1, x2, y2):
        (a, b), (c, d) = self.to_pixels(x1, y1), self.to_pixels(x2, y2)
        return round(a), round(b), round(c), round(d)

    def profile(self, seg, offset, test):
        """Share of pixels passing test along the segment moved across it."""
        x1, y1, x2, y2 = seg
        if x1 == x2:
            lo, hi = sorted((y1, y2))
            pts = [(x1 + offset, y) for y in range(lo, hi)]
        else:
            lo, hi = sorted((x1, x2))
            pts = [(x, y1 + offset) for x in range(lo, hi)]
        return sum(1 for p in pts if test(self.r.at(*p))) / max(1, len(pts))

    def trimmed(self, seg, inset):
        x1, y1, x2, y2 = seg
        if x1 == x2:
            lo, hi = sorted((y1, y2))
            return x1, lo + inset, x2, hi - inset
        lo, hi = sorted((x1, x2))
        return lo + inset, y1, hi - inset, y2

    def find_line(self, seg, least=0.9):
        """Offset of the ink line along seg (centre of the offsets whose ink
        share is at least `least`), or None."""
        dark = lambda v: v < DARK
        hits = [o for o in range(-SEARCH, SEARCH + 1) if self.profile(seg, o, dark) >= least]
        if not hits:
            return None
        # Lines close together (a spine's edge just inside the outline):
        # the run of offsets nearest the expected place is the one measured.
        runs, run = [], [hits[0]]
        for o in hits[1:]:
            if o == run[-1] + 1:
                run.append(o)
            else:
                runs.append(run)
                run = [o]
        runs.append(run)
        nearest = min(runs, key=lambda r: abs((r[0] + r[-1]) / 2))
        return (nearest[0] + nearest[-1]) / 2

    def find_pattern(self, seg):
        """Offset of a dashed or dotted line: ink on part of the length, with
        gaps; None when there is none."""
        dark = lambda v: v < DARK
        shares = {o: self.profile(seg, o, dark) for o in range(-SEARCH, SEARCH + 1)}
        best = max(shares, key=shares.get)
        return best if 0.15 <= shares[best] < 0.9 else None

    def find_edge(self, seg, inside):
        """Offset where paper turns to colour going toward the inside (+1 or
        -1 across seg)."""
        coloured = lambda v: v < WHITE
        for o in range(-SEARCH * inside, SEARCH * inside + inside, inside):
            if self.profile(seg, o, coloured) >= 0.9:
                return o
        return None

    def check_outline(self, x, y, w, h, style, errors, name):
        edges = [("left", (x, y, x, y + h), 1), ("right", (x + w, y, x + w, y + h), -1),
                 ("top", (x, y, x + w, y), 1), ("bottom", (x, y + h, x + w, y + h), -1)]
        for side, (a, b, c, d), inside in edges:
            seg = self.trimmed(self.segment(a, b, c, d), 60)
            if self.case.landscape and side in ("left", "right"):
                inside = -inside
            if style == "solid":
                found = self.find_line(seg)
            elif style == "pattern":
                found = self.find_pattern(seg)
            else:
                found = self.find_edge(seg, inside)
                if style == "edge" and found is not None and self.find_line(seg, 0.5) is not None:
                    errors.append("%s: %s edge of (%.2f, %.2f) has a line" % (name, side, x, y))
            if found is None:
                errors.append("%s: no %s %s edge of the piece at (%.2f, %.2f)" % (name, style, side, x, y))
            elif abs(found) > TOL:
                errors.append("%s: %s edge of the piece at (%.2f, %.2f) is %+.1f px off" % (name, side, x, y, found))

    def check_mark(self, mark, errors, name):
        seg = self.trimmed(self.segment(*mark), 30)
        found = self.find_line(seg, 0.8)
        if found is None or abs(found) > TOL:
            errors.append("%s: crop mark %s %s" % (name, mark, "missing" if found is None else "%+.1f px off" % found))

    def check_mark_end(self, mark, errors, name):
        """Walks along the mark from its middle to its (x1, y1) end and
        compares where the ink stops."""
        seg = self.segment(*mark)
        offset = self.find_line(self.trimmed(seg, 30), 0.8)
        if offset is None:
            errors.append("%s: crop mark %s missing" % (name, mark))
            return
        x1, y1, x2, y2 = seg
        along = (1 if x1 > x2 else -1, 0) if y1 == y2 else (0, 1 if y1 > y2 else -1)
        across = (0, 1) if y1 == y2 else (1, 0)
        o = round(offset)
        ink = lambda x, y: min(self.r.at(x + across[0] * d, y + across[1] * d) for d in (o - 1, o, o + 1)) < DARK
        x, y, gap, end = (x1 + x2) // 2, (y1 + y2) // 2, 0, None
        for _ in range(abs(x1 - x2) + abs(y1 - y2) + SEARCH):
            if ink(x, y):
                gap, end = 0, (x, y)
            else:
                gap += 1
                if gap > 3:
                    break
            x, y = x + along[0], y + along[1]
        off = (end[0] - x1) + (end[1] - y1) if end else None
        if off is None or abs(off) > TOL:
            errors.append("%s: crop mark %s ends %s px off" % (name, mark, off))

    def check_clear(self, seg_inches, errors, name):
        seg = self.segment(*seg_inches)
        if max(self.profile(seg, o, lambda v: v < DARK) for o in range(-TOL, TOL + 1)) > 0.1:
            errors.append("%s: a line where none belongs at %s" % (name, seg_inches))


def check_page(case, raster, page, path, number, name, errors):
    m = Measure(case, raster)
    for x, y, w, h, style in page.outlines:
        m.check_outline(x, y, w, h, style, errors, name)
    for mark in page.marks:
        m.check_mark(mark, errors, name)
    for mark in page.mark_ends:
        m.check_mark_end(mark, errors, name)
    for seg in page.clear:
        m.check_clear(seg, errors, name)
    for x, y, w, h in page.pictures:
        m.check_outline(x, y, w, h, "picture", errors, name + " picture")
    if page.numbers:
        found = words(path, number)
        for text, x, y in page.numbers:
            px, py = m.to_pixels(x, y)
            near = [t for t, wx, wy in found if t == text and abs(wx * DPI - px) < 0.4 * DPI
                    and abs(wy * DPI - py) < 0.4 * DPI]
            if not near:
                errors.append("%s: no page number %s at the corner (%.2f, %.2f)" % (name, text, x, y))


def main():
    folder = sys.argv[1]
    jobs = {}
    for manifest in glob.glob(os.path.join(folder, "*.jobs")):
        with open(manifest) as f:
            for line in f:
                if line.strip():
                    case, title = line.split()
                    jobs[case] = title
    expected = cases()
    errors = ["%s: the job was not printed" % name for name in expected if name not in jobs]
    paths = wait_for({jobs[n]: case.queue for n, case in expected.items() if n in jobs})
    with tempfile.TemporaryDirectory() as tmp:
        for name, case in expected.items():
            if name not in jobs:
                continue
            path = paths.get(jobs[name])
            if not path:
                errors.append("%s: no complete PDF titled %s" % (name, jobs[name]))
                continue
            pages, size, rot = pdfinfo(path)
            if pages != len(case.pages):
                errors.append("%s: %d pages, expected %d" % (name, pages, len(case.pages)))
            if abs(size[0] - case.paper[0]) > 0.01 or abs(size[1] - case.paper[1]) > 0.01 or rot != 0:
                errors.append("%s: paper %.2f x %.2f in turned %d" % (name, size[0], size[1], rot))
            for number, page in enumerate(case.pages[:pages], 1):
                check_page(case, render(path, number, tmp), page, path, number, "%s p%d" % (name, number), errors)
            print("measured %s (%d pages)" % (name, pages))
    for e in errors:
        print("FAIL " + e)
    if not errors:
        for path in paths.values():
            os.remove(path)
        print("all %d jobs within %d px" % (len(expected), TOL))
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
