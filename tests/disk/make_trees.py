#!/usr/bin/env python3
"""Builds the folder trees the disk tests scan under Wine and maps each to a
drive letter of the project's Wine prefix:

    make_trees.py TREES_DIR MAPPER...          build the trees, map the letters
    make_trees.py --remove TREES_DIR MAPPER... unmap the letters, delete the trees

MAPPER is the command that runs map_drives.exe under Wine: the drives are
defined through Wine's mount manager, as winecfg does, so that the volume
label (a .windows-label file in the folder) and the volume size are known.

ZIP archives are made by zip (one by Python's zipfile, with a member comment
and a long extra field), ARJ archives by arj. The letters are those
scan_disk_test.cpp names. The "unicode" tree holds names the ANSI code page
cannot hold: zip stores such member names as raw UTF-8 without the UTF-8
flag, Python's zipfile sets the flag.
"""
import os
import shutil
import subprocess
import sys
import zipfile
from pathlib import Path

TREES = {"e": "basic", "f": "levels", "g": "archives", "h": "exclude", "i": "sizes",
         "j": "hidden", "k": "names", "l": "tracks", "m": "empty", "n": "unicode"}
FORBIDDEN = '\\:*?"<>|'


def write(path, data=b"", size=None):
    path.parent.mkdir(parents=True, exist_ok=True)
    with open(path, "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode())
        if size is not None:
            f.truncate(size)


def run(args, cwd):
    subprocess.run(args, cwd=cwd, check=True, stdout=subprocess.DEVNULL)


def basic(t):
    write(t / ".windows-label", "BASICVOL\n")
    for name in ("a.txt", "b.txt", "c.txt", "docs/d.txt", "docs/e.txt"):
        write(t / name, name)
    st = os.statvfs(t)
    # What the volume holds as Windows reports it, for the 64-bit check.
    write(t / ".facts", "%d\n" % (st.f_blocks * st.f_frsize))


def levels(t):
    write(t / "ROOT.TXT", "r")
    write(t / "A/B/deep.txt", "xyz")
    (t / "Empty").mkdir()
    write(t / "OnlyFiles/f.txt", "f")
    deep = t / "deep"
    for level in range(1, 21):
        deep = deep / ("L%d" % level)
    deep.mkdir(parents=True)
    write(deep / "bottom.txt", "b")
    src = t / "zipsrc"
    write(src / "inside.txt", "in")
    run(["zip", "-q", "-X", str(t / "root.zip"), "inside.txt"], src)
    shutil.rmtree(src)


def archives(t):
    src = t.parent / "archive-sources"
    write(src / "src/main.c", "int main(void) { return 0; }\n")
    write(src / "SRC/util.c", "int util;\n")
    write(src / "docs/readme.txt", "read me\n")
    write(src / "a/b/c.txt", "c")
    run(["zip", "-q", "-r", "-X", str(t / "pack.zip"), "src", "SRC", "docs", "a"], src)
    shutil.copy(t / "pack.zip", t / "archive.zip.bak")
    write(src / "one.txt", "1")
    run(["zip", "-q", "-X", str(t / "empty.zip"), "one.txt"], src)
    run(["zip", "-q", "-d", str(t / "empty.zip"), "one.txt"], src)
    run(["zip", "-q", "-X", str(t / "longcomment.zip"), "one.txt"], src)
    subprocess.run(["zip", "-q", "-z", str(t / "longcomment.zip")], input=b"c" * 2100, check=True)
    with zipfile.ZipFile(t / "python.zip", "w") as z:
        info = zipfile.ZipInfo("commented.txt")
        info.comment = b"a member comment"
        info.extra = b"\xfe\xca" + (3000).to_bytes(2, "little") + b"e" * 3000
        z.writestr(info, b"12345")
        z.writestr("after/extra.txt", b"x" * 700)
        z.writestr("src\\main.c", b"p")
        z.writestr("SRC\\util.c", b"oo")
    run(["arj", "a", "-r", "-y", str(t / "old.arj"), "src/main.c", "SRC/util.c", "docs/readme.txt"], src)
    data = (t / "old.arj").read_bytes()
    main_end = 4 + int.from_bytes(data[2:4], "little") + 4 + 2  # no extended headers from arj
    write(t / "nofirst.arj", data[:main_end] + b"\x60\xea\x00\x00")
    write(t / "dir.zip/inside.txt", "folder named like an archive")
    shutil.rmtree(src)


def exclude(t):
    for name in ("report.tmp", "x.tmp.txt", "keep.txt", "UPPER.TMP", "notes.tmp/in.txt"):
        write(t / name, name)


def sizes(t):
    for size in (1023, 1024, 1048575, 1048576):
        write(t / ("s%d" % size), size=size)
    write(t / "exact/half1", size=524288)
    write(t / "exact/half2", size=524288)
    write(t / "over/half1", size=524288)
    write(t / "over/half2", size=524289)


def hidden(t):
    write(t / ".secret/password.txt", "pw")
    write(t / ".secret/inner/more.txt", "m")
    write(t / ".hidden-notes.txt", "h")
    write(t / "visible.txt", "v")
    write(t / "sub/.also-hidden", "a")
    write(t / "sub/shown.txt", "s")


def names(t):
    write(t / "CONFIG.SYS", "c")
    write(t / "lower/config.SYS", "c")
    write(t / "README", "r")
    write(t / "ReadMe.TXT", "r")
    allowed = "".join(chr(c) for c in range(33, 127) if chr(c) not in FORBIDDEN + "/")
    expected = ["a " + allowed[:40], "b " + allowed[40:]]
    for name in expected:
        write(t / name, "p")
    for c in FORBIDDEN:
        write(t / ("bad%sname.txt" % c), "f")
    long_name = "l" * 255
    write(t / long_name, "l")
    expected.append(long_name[:63])
    write(t / ".names", "\n".join(expected) + "\n")
    # A folder whose listing pattern is longer than the system allows.
    write(t / ("d" * 200) / ("e" * 100) / "x.txt", "x")


def tracks(t):
    write(t / ".windows-label", "Tracks " + "x" * 93 + "\n")  # 100 characters
    for number, frames in ((1, 75 * 245 + 74), (12, 75 * 600)):
        data = bytearray(44)
        data[32:35] = frames.to_bytes(3, "little")
        write(t / ("Track%02d.cda" % number), bytes(data))
    write(t / "Track1x.cda", bytes(44))


def empty(t):
    pass  # a drive with nothing on it


def unicode(t):
    write(t / "\u00fcber.txt", "u")
    write(t / "\u65e5\u672c\u8a9e\u30d5\u30a9\u30eb\u30c0/inside.txt", "in")
    src = t.parent / "unicode-sources"
    write(src / "a.txt", "a")
    run(["zip", "-q", "-X", str(t / "\u65e5\u672c.zip"), "a.txt"], src)
    shutil.rmtree(src)
    run(["zip", "-q", "-r", "-D", "-X", "unflagged.zip", "\u00fcber.txt",
         "\u65e5\u672c\u8a9e\u30d5\u30a9\u30eb\u30c0"], t)
    with zipfile.ZipFile(t / "flagged.zip", "w") as z:
        z.writestr("\u00fcber.txt", b"u")
        z.writestr("\u65e5\u672c/x.txt", b"x")


BUILDERS = {"basic": basic, "levels": levels, "archives": archives, "exclude": exclude, "sizes": sizes,
            "hidden": hidden, "names": names, "tracks": tracks, "empty": empty, "unicode": unicode}


def main():
    args = sys.argv[1:]
    remove = args[0] == "--remove"
    if remove:
        args = args[1:]
    trees = Path(args[0]).resolve()
    mapper = args[1:]
    subprocess.run(mapper + ["--remove"] + list(TREES), check=False, stderr=subprocess.DEVNULL)
    shutil.rmtree(trees, ignore_errors=True)
    if remove:
        return
    trees.mkdir(parents=True)
    pairs = []
    for letter, name in TREES.items():
        (trees / name).mkdir()
        BUILDERS[name](trees / name)
        pairs += [letter, str(trees / name)]
    subprocess.run(mapper + pairs, check=True)


if __name__ == "__main__":
    main()
