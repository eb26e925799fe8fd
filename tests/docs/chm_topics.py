#!/usr/bin/env python3
"""Checks the compiled help: every topic that the program opens (the .htm names in
src/ui/help_topics.h) is in the .chm, and every page that the contents, the index and the
topics' own links name is a file of the help project and is in the .chm.

    chm_topics.py CHM TOPICS_HEADER PROJECT_DIR

A .chm keeps its file list in a directory of PMGL chunks (after the ITSF and ITSP headers);
each entry is a name such as "/start.htm" with where its bytes lie. Only the names are read.
"""
import pathlib
import re
import struct
import sys


def read_encint(data, pos):
    """A CHM number: seven bits a byte, most significant first, high bit set on all but the last."""
    value = 0
    while True:
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, pos


def chm_names(path):
    data = pathlib.Path(path).read_bytes()
    if data[:4] != b"ITSF":
        raise ValueError(f"{path}: not a compiled help file")
    directory_offset, = struct.unpack_from("<Q", data, 0x48)
    if data[directory_offset:directory_offset + 4] != b"ITSP":
        raise ValueError(f"{path}: no directory header")
    header_length, _, chunk_size = struct.unpack_from("<III", data, directory_offset + 8)
    first_chunk, = struct.unpack_from("<i", data, directory_offset + 0x20)
    chunks = directory_offset + header_length
    names = set()
    chunk = first_chunk
    while chunk != -1:
        start = chunks + chunk * chunk_size
        if data[start:start + 4] != b"PMGL":
            raise ValueError(f"{path}: chunk {chunk} is not a listing chunk")
        free_space, = struct.unpack_from("<I", data, start + 4)
        chunk_next, = struct.unpack_from("<i", data, start + 0x10)
        pos, end = start + 0x14, start + chunk_size - free_space
        while pos < end:
            length, pos = read_encint(data, pos)
            names.add(data[pos:pos + length].decode("utf-8"))
            pos += length
            for _ in range(3):  # content section, offset, length
                _, pos = read_encint(data, pos)
        chunk = chunk_next
    return names


def program_topics(header):
    return re.findall(r'"([^"]+\.htm)"', pathlib.Path(header).read_text())


def named_pages(project):
    """(where, page) for every page that a contents or index entry, or a link, names."""
    pattern = re.compile(r'(?:name="Local"\s+value|href)="([^"#:]+\.htm)', re.IGNORECASE)
    for source in sorted(project.glob("*.hh[ck]")) + sorted(project.glob("*.htm")):
        for page in pattern.findall(source.read_text(encoding="cp1252")):
            yield source.name, page


def main():
    chm, header, project = sys.argv[1], sys.argv[2], pathlib.Path(sys.argv[3])
    names = chm_names(chm)
    faults = [f"{header}: topic {topic} is not in {chm}"
              for topic in program_topics(header) if "/" + topic not in names]
    for where, page in named_pages(project):
        if not (project / page).is_file():
            faults.append(f"{where}: names {page}, which is no file of the help")
        elif "/" + page not in names:
            faults.append(f"{where}: names {page}, which is not in {chm}")
    for fault in faults:
        print(fault)
    print(f"{len(names)} entries in {chm}; {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
