#!/usr/bin/env python3
"""Clears the compile times that chmcmd writes into a CHM, so that two builds
of the same sources give the same bytes.

chmcmd stamps the millisecond of the day it ran in two places, both outside
the compressed section: the ITSF header and entry 10 of the #SYSTEM file
(which lies in the uncompressed section 0). The help viewer reads neither.

    chm_no_times.py FILE.chm
"""
import struct
import sys


class ChmError(Exception):
    pass


def read_encint(data, pos):
    """A CHM variable-length integer: 7 bits a byte, high bit = more."""
    value = 0
    while True:
        if pos >= len(data):
            raise ChmError("directory entry runs past its chunk")
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, pos


def directory_entries(data, directory):
    """Yields (name, section, offset, length) of every directory entry."""
    if data[directory:directory + 4] != b"ITSP":
        raise ChmError("no ITSP directory header")
    header_length, = struct.unpack_from("<I", data, directory + 0x08)
    chunk_size, = struct.unpack_from("<I", data, directory + 0x10)
    first, = struct.unpack_from("<i", data, directory + 0x20)
    chunks, = struct.unpack_from("<I", data, directory + 0x2C)
    seen = 0
    index = first
    while index != -1:
        seen += 1
        if seen > chunks or index < 0 or index >= chunks:
            raise ChmError("listing chunks do not chain")
        start = directory + header_length + index * chunk_size
        chunk = data[start:start + chunk_size]
        if len(chunk) != chunk_size or chunk[:4] != b"PMGL":
            raise ChmError("listing chunk %d is not PMGL" % index)
        count, = struct.unpack_from("<H", chunk, chunk_size - 2)
        pos = 0x14
        for _ in range(count):
            length, pos = read_encint(chunk, pos)
            name = chunk[pos:pos + length]
            pos += length
            section, pos = read_encint(chunk, pos)
            offset, pos = read_encint(chunk, pos)
            size, pos = read_encint(chunk, pos)
            yield name, section, offset, size
        index, = struct.unpack_from("<i", chunk, 0x10)


def clear_times(data):
    if data[:4] != b"ITSF" or struct.unpack_from("<I", data, 4)[0] != 3:
        raise ChmError("not an ITSF version 3 file")
    data[0x10:0x14] = bytes(4)
    directory, = struct.unpack_from("<Q", data, 0x48)
    content, = struct.unpack_from("<Q", data, 0x58)
    for name, section, offset, size in directory_entries(data, directory):
        if name != b"/#SYSTEM":
            continue
        if section != 0:
            raise ChmError("#SYSTEM is not in the uncompressed section")
        start = content + offset
        end = start + size
        if end > len(data):
            raise ChmError("#SYSTEM runs past the end of the file")
        pos = start + 4  # the #SYSTEM version
        while pos + 4 <= end:
            code, length = struct.unpack_from("<HH", data, pos)
            pos += 4
            if pos + length > end:
                raise ChmError("#SYSTEM entry %d runs past the file's end" % code)
            if code == 10:
                data[pos:pos + length] = bytes(length)
            pos += length
        return
    raise ChmError("no #SYSTEM file")


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: chm_no_times.py FILE.chm")
    path = sys.argv[1]
    with open(path, "rb") as f:
        data = bytearray(f.read())
    try:
        clear_times(data)
    except (ChmError, struct.error) as e:
        sys.exit("%s: %s" % (path, e))
    with open(path, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
