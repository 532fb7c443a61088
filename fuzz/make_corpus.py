#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets: small competition files cut
from the demo competition with a range of club settings, and rider records
taken from them. Run from anywhere; writes fuzz/corpus/<target>/."""
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


if __name__ == "__main__":
    main()
