#!/usr/bin/env python3
"""Writes the small BMP and PNG pictures the picture-reader tests decode.

Every picture is 13 x 7 pixels (an odd width, so rows need padding and bit packing) and
shows the same pattern: the pixel at (x, y) has colour number (3 * x + y) % n from a list of
n colours that every format can hold exactly. Written with nothing but the standard library,
independently of the program's own encoders.
"""
import struct
import zlib

W, H = 13, 7
RGB4 = [(0, 0, 0), (255, 255, 255), (255, 0, 0), (0, 255, 255)]
GRAY = {1: [0, 255], 2: [0, 85, 170, 255], 4: [0, 17, 34, 255], 8: [0, 100, 200, 255],
        16: [0, 100, 200, 255]}


def index(x, y, n):
    return (3 * x + y) % n


def bmp(bits, top_down=False, bitfields=False, colours=RGB4):
    n = 2 if bits == 1 else len(colours)
    stride = (W * bits + 31) // 32 * 4
    rows = []
    for y in range(H):
        row = bytearray()
        if bits <= 8:
            acc, nbits = 0, 0
            for x in range(W):
                acc = acc << bits | index(x, y, n)
                nbits += bits
                if nbits == 8:
                    row.append(acc)
                    acc, nbits = 0, 0
            if nbits:
                row.append(acc << (8 - nbits))
        for x in range(W if bits > 8 else 0):
            r, g, b = colours[index(x, y, n)]
            if bits == 24:
                row += bytes((b, g, r))
            elif bits == 32:
                row += bytes((b, g, r, 0)) if not bitfields else struct.pack('<I', r << 24 | g << 16 | b << 8)
            elif bits == 16:
                v = (r >> 3) << 10 | (g >> 3) << 5 | (b >> 3) if not bitfields else (r >> 3) << 11 | (g >> 2) << 5 | (b >> 3)
                row += struct.pack('<H', v)
        rows.append(bytes(row.ljust(stride, b'\0')))
    if not top_down:
        rows.reverse()
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in colours[:n]) if bits <= 8 else b''
    masks = b''
    if bitfields:
        masks = struct.pack('<III', 0xFF000000, 0xFF0000, 0xFF00) if bits == 32 else \
            struct.pack('<III', 0xF800, 0x07E0, 0x001F)
    offset = 14 + 40 + len(masks) + len(table)
    data = b''.join(rows)
    info = struct.pack('<IiiHHIIiiII', 40, W, -H if top_down else H, 1, bits, 3 if bitfields else 0,
                       len(data), 0, 0, len(table) // 4, 0)
    return b'BM' + struct.pack('<IHHI', offset + len(data), 0, 0, offset) + info + masks + table + data


def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))


ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]


def png(colour_type, depth, interlaced=False, filter_type=0):
    n = 2 if depth == 1 else 4
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour_type]

    def samples(x, y):
        i = index(x, y, n)
        if colour_type == 3:
            return [i]
        if colour_type in (0, 4):
            g = GRAY[depth][i]
            if depth < 8:
                return [g * ((1 << depth) - 1) // 255]
            return [g if depth != 16 else g * 257] + ([65535 if depth == 16 else 255] if colour_type == 4 else [])
        r, g, b = RGB4[i]
        vals = [r, g, b] + ([255] if colour_type == 6 else [])
        return [v * 257 for v in vals] if depth == 16 else vals

    def packed_row(xs, y):
        out = bytearray()
        if depth < 8:
            acc, nbits = 0, 0
            for x in xs:
                acc = acc << depth | samples(x, y)[0]
                nbits += depth
                if nbits == 8:
                    out.append(acc)
                    acc, nbits = 0, 0
            if nbits:
                out.append(acc << (8 - nbits))
        else:
            for x in xs:
                for s in samples(x, y):
                    out += struct.pack('>H', s) if depth == 16 else bytes((s,))
        return bytes(out)

    bpp = max(1, channels * depth // 8)

    def filtered(row, prior):
        if filter_type == 0:
            return b'\0' + row
        out = bytearray([filter_type])
        for i, v in enumerate(row):
            a = row[i - bpp] if i >= bpp else 0
            b = prior[i] if prior else 0
            c = prior[i - bpp] if prior and i >= bpp else 0
            if filter_type == 1:
                p = a
            elif filter_type == 2:
                p = b
            elif filter_type == 3:
                p = (a + b) // 2
            else:
                q = a + b - c
                pa, pb, pc = abs(q - a), abs(q - b), abs(q - c)
                p = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
            out.append((v - p) & 0xFF)
        return bytes(out)

    raw = bytearray()
    for x0, y0, dx, dy in (ADAM7 if interlaced else [(0, 0, 1, 1)]):
        xs = list(range(x0, W, dx))
        if not xs:
            continue
        prior = None
        for y in range(y0, H, dy):
            row = packed_row(xs, y)
            raw += filtered(row, prior)
            prior = row
    header = struct.pack('>IIBBBBB', W, H, depth, colour_type, 0, 0, 1 if interlaced else 0)
    body = chunk(b'IHDR', header)
    if colour_type == 3:
        body += chunk(b'PLTE', b''.join(bytes(c) for c in RGB4))
    data = zlib.compress(bytes(raw))
    body += chunk(b'IDAT', data[:10]) + chunk(b'IDAT', data[10:])  # split: readers must join
    return b'\x89PNG\r\n\x1a\n' + body + chunk(b'IEND', b'')


def damaged_png():
    """rgb8.png with its compressed pixels cut after half, every checksum good."""
    good = png(2, 8)
    body, at = b'', 8
    idat = b''
    while at < len(good):
        length = struct.unpack('>I', good[at:at + 4])[0]
        kind, payload = good[at + 4:at + 8], good[at + 8:at + 8 + length]
        if kind == b'IDAT':
            idat += payload
        elif kind == b'IEND':
            body += chunk(b'IDAT', idat[:len(idat) // 2]) + chunk(b'IEND', b'')
        else:
            body += chunk(kind, payload)
        at += 12 + length
    return b'\x89PNG\r\n\x1a\n' + body


def rle_bmp():
    """bmp8.bmp marked as run-length encoded, which is not read."""
    b = bytearray(bmp(8))
    b[30] = 1
    return bytes(b)


PICTURES = {
    'bmp1.bmp': bmp(1), 'bmp4.bmp': bmp(4), 'bmp8.bmp': bmp(8), 'bmp16.bmp': bmp(16),
    'bmp16-565.bmp': bmp(16, bitfields=True), 'bmp24.bmp': bmp(24),
    'bmp24-topdown.bmp': bmp(24, top_down=True), 'bmp32.bmp': bmp(32),
    'bmp32-bitfields.bmp': bmp(32, bitfields=True),
    'gray1.png': png(0, 1), 'gray2.png': png(0, 2), 'gray4.png': png(0, 4), 'gray8.png': png(0, 8),
    'gray16.png': png(0, 16), 'rgb8.png': png(2, 8), 'rgb16.png': png(2, 16),
    'palette1.png': png(3, 1), 'palette2.png': png(3, 2), 'palette4.png': png(3, 4),
    'palette8.png': png(3, 8), 'grayalpha8.png': png(4, 8), 'grayalpha16.png': png(4, 16),
    'rgba8.png': png(6, 8), 'rgba16.png': png(6, 16),
    'rgb8-sub.png': png(2, 8, filter_type=1), 'rgb8-up.png': png(2, 8, filter_type=2),
    'rgb8-average.png': png(2, 8, filter_type=3), 'rgb8-paeth.png': png(2, 8, filter_type=4),
    'rgb8-interlaced.png': png(2, 8, interlaced=True, filter_type=4),
    'palette2-interlaced.png': png(3, 2, interlaced=True, filter_type=1),
    'rgb8-cut-pixels.png': damaged_png(), 'bmp8-rle.bmp': rle_bmp(),
}

if __name__ == '__main__':
    for name, data in PICTURES.items():
        with open(name, 'wb') as f:
            f.write(data)
