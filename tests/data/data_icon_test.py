#!/usr/bin/python3
"""The icons as the build made them: the hicolor PNGs, whose every chunk,
checksum and zlib stream must be valid for desktops to show them, and the
window icon BMP.

    data_icon_test.py ICON_DIR DATA_DIR

The PNGs are read with Python's own zlib, not with our writer's arithmetic."""

import struct
import sys
import zlib

ICONS, DATA = sys.argv[1], sys.argv[2]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
    return condition


def alpha_of_png(path):
    """The rows of alpha of an 8-bit RGBA PNG without filters, after checking
    its signature, chunk order and CRCs, header and zlib stream."""
    data = open(path, 'rb').read()
    if not check(data[:8] == b'\x89PNG\r\n\x1a\n', path + ': no PNG signature'):
        return []
    at, tags, idat = 8, [], b''
    while at + 12 <= len(data):
        length, tag = struct.unpack('>I4s', data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        check(zlib.crc32(tag + body) == struct.unpack('>I', data[at + 8 + length:at + 12 + length])[0],
              '%s: CRC of %s' % (path, tag))
        tags.append(tag)
        if tag == b'IHDR':
            width, height = struct.unpack('>II', body[:8])
            check(body[8:] == bytes([8, 6, 0, 0, 0]), path + ': not 8-bit RGBA, deflated, unfiltered')
        idat += body if tag == b'IDAT' else b''
        at += 12 + length
    check(at == len(data) and tags[0] == b'IHDR' and tags[-1] == b'IEND', path + ': chunks %s' % tags)
    raw = zlib.decompress(idat)   # checks the stream and its Adler-32
    stride = 4 * width + 1
    if not check(len(raw) == height * stride and all(raw[y * stride] == 0 for y in range(height)),
                 path + ': rows'):
        return []
    return [raw[y * stride + 4:(y + 1) * stride:4] for y in range(height)]


for size in (32, 48, 64, 128, 256):
    path = '%s/hicolor/%dx%d/apps/quagmore.png' % (ICONS, size, size)
    alpha = alpha_of_png(path)
    if not check(len(alpha) == size and len(alpha[0]) == size, path + ': not %d square' % size):
        continue
    last = size - 1
    check(alpha[0][0] == 0 and alpha[last][last] == 0, path + ': corners not transparent')
    check(alpha[size // 2][size // 2] == 255 and alpha[0][size // 2] == 255, path + ': not opaque inside')
    if size < 128:
        continue
    # Large icons are seen up close: each rounded corner fades from transparent
    # to opaque along the diagonal, and its whole curve is shaded, about a
    # partial pixel for each row of its radius, never stair-stepped.
    corner = size // 4
    for flip_x in (False, True):
        for flip_y in (False, True):
            def at(x, y):
                return alpha[last - y if flip_y else y][last - x if flip_x else x]
            diagonal = [at(d, d) for d in range(corner)]
            check(diagonal == sorted(diagonal) and diagonal[-1] == 255 and any(0 < a < 255 for a in diagonal),
                  '%s: corner %d %d is no fade: %s' % (path, flip_x, flip_y, diagonal))
            partial = sum(0 < at(x, y) < 255 for y in range(corner) for x in range(corner))
            check(partial >= size // 8, '%s: corner %d %d has %d partial pixels' % (path, flip_x, flip_y, partial))

# The window icon: a 24-bit BMP of 32 x 32 opaque pixels (black is transparent).
bmp = open(DATA + '/icon.bmp', 'rb').read()
check(len(bmp) == 54 + 32 * 32 * 3 and bmp[:2] == b'BM' and struct.unpack('<iiHH', bmp[18:30]) == (32, 32, 1, 24),
      'icon.bmp is no 32 x 32 24-bit BMP')
pixels = bmp[54:]
check(all(pixels[i:i + 3] != b'\0\0\0' for i in range(0, len(pixels), 3)), 'icon.bmp has black pixels')

for failure in failures:
    print('FAIL: ' + failure)
print('%d failures' % len(failures) if failures else 'the icons are valid')
sys.exit(1 if failures else 0)
