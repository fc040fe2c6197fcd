# SPDX-License-Identifier: MIT
"""A minimal PNG writer: 8-bit RGB or RGBA, no interlacing, the same bytes on every run."""

import struct
import zlib


def _chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data
            + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def encode_png(width, height, rows, alpha):
    """rows: one bytes object per row, 3 (RGB) or 4 (RGBA) bytes per pixel."""
    colour_type = 6 if alpha else 2
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    raw = b"".join(b"\x00" + bytes(row) for row in rows)  # filter 0 on every row
    return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header)
            + _chunk(b"IDAT", zlib.compress(raw, 9)) + _chunk(b"IEND", b""))
