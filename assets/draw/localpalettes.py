"""Gives every frame after the first its own colour table.

ImageMagick leaves a frame whose palette equals the global one without a table of its own, so the
banner's third frame (the same picture as the first) would borrow the global palette. This copies
the global table into each such frame. The pixel codes are untouched, so the picture is too.

Usage: localpalettes.py IN.gif OUT.gif
"""

import sys


def skipsubblocks(data, pos):
    while data[pos] != 0:
        pos += data[pos] + 1
    return pos + 1


def tablesize(flags):
    return 3 * (2 << (flags & 0x07))


def localpalettes(data):
    if data[:6] != b"GIF89a":
        raise ValueError("not a GIF89a file")
    screenflags = data[10]
    if not screenflags & 0x80:
        raise ValueError("no global colour table")
    pos = 13 + tablesize(screenflags)
    globaltable = data[13:pos]
    out = bytearray(data[:pos])
    frame = 0
    while True:
        block = data[pos]
        if block == 0x3B:  # trailer
            out += data[pos:pos + 1]
            return bytes(out)
        if block == 0x21:  # extension
            end = skipsubblocks(data, pos + 2)
            out += data[pos:end]
            pos = end
            continue
        if block != 0x2C:
            raise ValueError(f"unexpected block 0x{block:02x} at {pos}")
        flags = data[pos + 9]
        descriptor = bytearray(data[pos:pos + 10])
        pos += 10
        table = b""
        if flags & 0x80:
            table = data[pos:pos + tablesize(flags)]
            pos += len(table)
        elif frame > 0:
            descriptor[9] = flags | 0x80 | (screenflags & 0x07)
            table = globaltable
        end = skipsubblocks(data, pos + 1)  # after the LZW minimum code size
        out += descriptor + table + data[pos:end]
        pos = end
        frame += 1


def main():
    source, target = sys.argv[1:3]
    with open(source, "rb") as f:
        data = f.read()
    with open(target, "wb") as f:
        f.write(localpalettes(data))


if __name__ == "__main__":
    main()
