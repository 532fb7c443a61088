#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets: small competition files cut
from the demo competition with a range of club settings, rider records taken
from them, finishing orders as they are pasted, and DOS-edition data sets.
Run from anywhere; writes fuzz/corpus/<target>/."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
CLUB, HEAD, RIDER, INFO = 216, 44, 272, 84
BLOCKS = 1084


def read_demo():
    data = open(os.path.join(ROOT, "examples", "demo.kzb"), "rb").read()
    classes, at = [], BLOCKS
    for _ in range(struct.unpack_from("<i", data, 52)[0]):
        riders, infos, results = struct.unpack_from("<iii", data, at + 32)
        head = data[at:at + HEAD]
        at += HEAD
        rows = [data[at + i * RIDER:at + (i + 1) * RIDER] for i in range(riders)]
        at += riders * RIDER
        blocks = [data[at + i * INFO:at + (i + 1) * INFO] for i in range(infos)]
        at += infos * INFO
        classes.append((head, rows, blocks, results))
    return bytearray(data[:BLOCKS]), classes


def class_block(cls, riders, results):
    head, rows, blocks, _ = cls
    rows = rows[:riders]
    blocks = [b for b in blocks if struct.unpack_from("<i", b, 72)[0] <= results]
    out = bytearray(head)
    struct.pack_into("<iii", out, 32, len(rows), len(blocks), results)
    return bytes(out) + b"".join(rows) + b"".join(blocks)


def competition(club, blocks):
    out = bytearray(club)
    struct.pack_into("<i", out, 52, len(blocks))
    return bytes(out) + b"".join(blocks)


def with_club(club, **fields):
    offsets = {"version": (4, "<i"), "tie": (67, "<B"), "percent": (68, "<i"), "plus": (72, "<i"),
               "drop": (76, "<i"), "calc": (80, "<i"), "average": (84, "<i"), "options": (88, "<i"),
               "view": (192, "<i"), "deduction": (200, "<H"), "points_count": (56, "<B")}
    out = bytearray(club)
    for name, value in fields.items():
        if name == "steps":
            for i, (method, param) in enumerate(value):
                out[202 + 2 * i], out[203 + 2 * i] = method, param
        else:
            at, form = offsets[name]
            struct.pack_into(form, out, at, value)
    return out


def main():
    club, classes = read_demo()
    advanced = dict(version=4, tie=3, steps=[(2, 3), (6, 0), (7, 0), (4, 0), (5, 0)])
    settings = [
        {},
        dict(version=2),
        dict(version=3, tie=2, deduction=2),
        dict(advanced, calc=16, drop=2, view=16 | 128),
        dict(advanced, steps=[(1, 0), (3, 0), (8, 0), (9, 0), (2, 1)], calc=1, percent=33, plus=0),
        dict(options=1, average=0, calc=32, view=16),     # points stored, zero results shown
        dict(options=97 | 128 | 256, average=2, view=0x1FF),
        dict(options=33, average=3, points_count=10),
    ]
    competitions = os.path.join(HERE, "corpus", "competition_file")
    records = os.path.join(HERE, "corpus", "rider_record")
    os.makedirs(competitions, exist_ok=True)
    os.makedirs(records, exist_ok=True)
    for i, fields in enumerate(settings):
        cls = classes[i % len(classes)]
        other = classes[(i + 1) % len(classes)]
        blocks = [class_block(cls, 3 + i % 4, 4 + i % 5), class_block(other, 2, 3)]
        if i % 3 == 0:
            blocks.append(class_block(other, 0, 0))  # a class without riders
        # The fuzz target ignores trailing bytes as the reader does, except
        # that the last one chooses the kind of standings: each seed another.
        choice = bytes([(i * 37 + i // 4) % 256])
        name = os.path.join(competitions, "settings%d.kzb" % i)
        open(name, "wb").write(competition(with_club(club, **fields), blocks) + choice)
    open(os.path.join(competitions, "empty.kzb"), "wb").write(competition(club, []))
    for i, cls in enumerate(classes):
        for j in (0, len(cls[1]) - 1):
            open(os.path.join(records, "rider%d_%d.rec" % (i, j)), "wb").write(cls[1][j])

    write_finishing_orders(os.path.join(HERE, "corpus", "quick_entry"))
    write_dos_data_sets(os.path.join(HERE, "corpus", "dos_import"), classes)


def write_finishing_orders(folder):
    """The first byte chooses how the list is entered; the text follows."""
    os.makedirs(folder, exist_ok=True)
    lists = [
        b"1\r\n3\r\n2\r\n",
        b"2 *0\n1-Jansen\n3/x\n\n 12 ;Kees;x\n",
        b"99 Nieuw, Piet\tOss\tHonda\tjeugd\n1;A;B;C\n3\n",
        b"123456\n1\n",
        b"1\n1\n2\n",
        b"\t;\n-\n\n\n3\r2\r",
        b"\xef\xbb\xbf1\r\n40\tJos\xc3\xa9\r\n3\r\n",  # a byte-order mark, UTF-8
        b"1\r\n40\tM\xfcller\r\n\x80\xc0\xaf\r\n",  # Windows-1252
        "\ufeff2\r\n41\tJos\u00e9\U0001f3c1\r\n".encode("utf-16-le") + b"\x00\xd8x",  # UTF-16
    ]
    for i, text in enumerate(lists):
        choice = bytes([(i * 5) % 32])
        open(os.path.join(folder, "list%d.txt" % i), "wb").write(choice + text)


def dos_text(out, at, text):
    out[at] = len(text)
    out[at + 1:at + 1 + len(text)] = text


def write_dos_data_sets(folder, classes):
    """An information file of 1624 bytes followed by a class file of 141-byte
    riders, names and results as texts (riders taken from the demo)."""
    os.makedirs(folder, exist_ok=True)
    for i, tie in enumerate((0, 1)):
        info = bytearray(1624)
        info[93] = 1 + i
        for s in range(1 + i):
            dos_text(info, s * 31, b"MC Oud %d" % s)
            record = 94 + s * 510
            for c in range(3):
                dos_text(info, record + c * 31, b"Klasse \x81%d" % c)  # code page 850
            info[record + 465] = 3
            info[record + 467] = 5
            info[record + 468:record + 473] = bytes([25, 20, 16, 13, 11])
            dos_text(info, record + 478, b"DATA\\SEIZOEN")
            info[record + 509] = tie
        riders = bytearray()
        for r, row in enumerate(classes[i][1][:4]):
            rider = bytearray(141)
            dos_text(rider, 0, bytes(row[1:1 + min(row[0], 20)]))
            for k in range(3 + r):
                dos_text(rider, 21 + k * 3, b"%d" % ((r + k) % 12))
            riders += rider
        open(os.path.join(folder, "dataset%d.bin" % i), "wb").write(bytes(info) + bytes(riders))


if __name__ == "__main__":
    main()
