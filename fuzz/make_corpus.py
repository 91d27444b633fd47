#!/usr/bin/env python3
"""Writes the fuzzing targets' seed inputs (fuzz/corpus/<target>/seed-*), their dictionaries
(fuzz/dict/<target>.dict) and the files of the faults found before the fuzzing existed
(fuzz/findings/<target>/issue-*). Run again after changing it; the inputs the fuzzer added to
the corpus stay."""
import io
import os
import struct
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))


def write(kind, target, name, data):
    folder = os.path.join(HERE, kind, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("latin-1"))


def dictionary(target, words):
    os.makedirs(os.path.join(HERE, "dict"), exist_ok=True)
    with open(os.path.join(HERE, "dict", target + ".dict"), "w") as f:
        for w in words:
            f.write('"' + "".join(c if 32 <= ord(c) < 127 and c not in '"\\' else "\\x%02X" % ord(c) for c in w) + '"\n')


# ---- pictures

COLOURS = [0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF]


def picture(w, h):
    return [[COLOURS[(x // 2 + y) % len(COLOURS)] for x in range(w)] for y in range(h)]


def channel(v8, mask):
    if not mask:
        return 0
    bits, shift = bin(mask).count("1"), (mask & -mask).bit_length() - 1
    v = v8 << (bits - 8) if bits >= 8 else v8 >> (8 - bits)
    return (v << shift) & mask


def bmp(img, bpp=24, compression=0, top_down=False, masks=(0, 0, 0), alpha=0, header=40, rle=None):
    h, w = len(img), len(img[0])
    palette = []
    if bpp <= 8:
        for row in img:
            for c in row:
                if c not in palette:
                    palette.append(c)
    pixels = b""
    rows = range(h) if top_down else range(h - 1, -1, -1)
    if rle is not None:
        pixels = rle
    else:
        for y in rows:
            row = b""
            if bpp <= 8:
                bits = "".join(format(palette.index(c), "0%db" % bpp) for c in img[y])
                bits += "0" * (-len(bits) % 8)
                row = bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8))
            else:
                m = masks if compression == 3 else ((0x7C00, 0x03E0, 0x001F) if bpp == 16 else (0xFF0000, 0xFF00, 0xFF))
                for x, c in enumerate(img[y]):
                    v = channel(c >> 16 & 255, m[0]) | channel(c >> 8 & 255, m[1]) | channel(c & 255, m[2])
                    v |= alpha & (x * 2654435761 ^ y * 40503)
                    row += v.to_bytes(bpp // 8, "little")
            pixels += row + b"\0" * (-len(row) % 4)
    if header == 12:
        info = struct.pack("<IHhHH", 12, w, h, 1, bpp)
    else:
        info = struct.pack("<IiiHHIIiiII", header, w, -h if top_down else h, 1, bpp, compression, len(pixels),
                           2835, 2835, len(palette), 0)
        if header > 40 or compression == 3:
            info += struct.pack("<III", *masks)
        if header > 40:
            info += struct.pack("<I", alpha)
            info += b"\0" * (header - len(info))
    table = b"".join(struct.pack("<I", c) for c in palette) if header != 12 else b"".join(
        struct.pack("<I", c)[:3] for c in palette)
    off = 14 + len(info) + len(table)
    return b"BM" + struct.pack("<IHHI", off + len(pixels), 0, 0, off) + info + table + pixels


def rle_bomb(w, h, bpp):
    palette = b"\0\0\0\0\xff\xff\xff\0" if bpp == 4 else b""
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, 2 if bpp == 4 else 1, 0, 2835, 2835, len(palette) // 4, 0)
    data = b"\0\1" if bpp == 4 else b""
    off = 14 + 40 + len(palette)
    return b"BM" + struct.pack("<IHHI", off + len(data), 0, 0, off) + info + palette + data


def rle8(w, h, rle):
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 1, len(rle), 2835, 2835, 2, 0)
    palette = b"\0\0\0\0\xff\xff\xff\0"
    off = 14 + 40 + len(palette)
    return b"BM" + struct.pack("<IHHI", off + len(rle), 0, 0, off) + info + palette + rle


def pictures():
    img, two = picture(8, 6), [[(x + y) % 2 and 0xFFFFFF or 0 for x in range(8)] for y in range(6)]
    seeds = {
        "1.bmp": bmp(two, 1), "4.bmp": bmp(img, 4), "8.bmp": bmp(img, 8), "8-top-down.bmp": bmp(img, 8, top_down=True),
        "16-555.bmp": bmp(img, 16), "16-565.bmp": bmp(img, 16, 3, masks=(0xF800, 0x07E0, 0x001F)),
        "16-x4r4g4b4.bmp": bmp(img, 16, 3, masks=(0x0F00, 0x00F0, 0x000F)),
        "16-a4r4g4b4-v4.bmp": bmp(img, 16, 3, masks=(0x0F00, 0x00F0, 0x000F), alpha=0xF000, header=108),
        "24.bmp": bmp(img), "24-top-down.bmp": bmp(img, top_down=True), "24-v5.bmp": bmp(img, header=124),
        "24-os2.bmp": bmp(img, header=12), "32.bmp": bmp(img, 32),
        "32-bgr-fields.bmp": bmp(img, 32, 3, masks=(0xFF, 0xFF00, 0xFF0000)),
        "32-a2r10g10b10.bmp": bmp(img, 32, 3, masks=(0x3FF00000, 0xFFC00, 0x3FF), alpha=0xC0000000, header=108),
        # Runs, a move, an absolute run and the picture's end.
        "rle8.bmp": bmp(img, 8, 1, rle=bytes([4, 1, 4, 2, 0, 0, 2, 3, 0, 2, 2, 1, 2, 4, 0, 0, 0, 3, 1, 2, 3, 0, 5, 5,
                                             0, 0, 8, 2, 0, 0, 8, 6, 0, 1])),
        "rle4.bmp": bmp(img, 4, 2, rle=bytes([8, 0x12, 0, 0, 4, 0x34, 0, 2, 2, 1, 2, 0x56, 0, 0, 0, 4, 0x12, 0x34, 0, 0,
                                             8, 0x77, 0, 0, 8, 0x01, 0, 1])),
    }
    for name, data in seeds.items():
        write("corpus", "bmp", "seed-" + name, data)
    write("findings", "bmp", "issue-rle8-16384x4096.bmp", rle_bomb(16384, 4096, 8))
    write("findings", "bmp", "issue-rle4-16384x4096.bmp", rle_bomb(16384, 4096, 4))
    write("findings", "bmp", "issue-rle8-8192x4096.bmp", rle_bomb(8192, 4096, 8))
    # Moves and line ends write no pixel: 132 and 8254 bytes declaring 8192 x 4096.
    write("findings", "bmp", "issue-rle8-moves-8192x4096.bmp", rle8(8192, 4096, b"\0\2\0\xff" * 16 + b"\0\2\0\x0f\0\1"))
    write("findings", "bmp", "issue-rle8-line-ends-8192x4096.bmp", rle8(8192, 4096, b"\0\0" * 4095 + b"\0\1"))
    write("findings", "bmp", "issue-x4r4g4b4.bmp", seeds["16-x4r4g4b4.bmp"])
    write("findings", "bmp", "issue-a4r4g4b4.bmp", seeds["16-a4r4g4b4-v4.bmp"])
    dictionary("bmp", ["BM", "\x28\0\0\0", "\x6c\0\0\0", "\x7c\0\0\0", "\x0c\0\0\0", "\x01\0\0\0", "\x02\0\0\0",
                       "\x03\0\0\0", "\x00\x00", "\x00\x01", "\x00\x02", "\x10\0", "\x18\0", "\x20\0", "\x08\0",
                       "\x04\0", "\xff\xff\xff\xff", "\x00\x20\0\0", "\x00\x40\0\0", "\x00\xf8\0\0", "\xe0\x07\0\0",
                       "\x00\x04\0\0", "\x01\x04\0\0", "\x00\x02\x00\xff", "\x00\x02\xff\x00", "\xff\x01"])


# ---- sounds

def chunk(tag, data):
    return tag.encode() + struct.pack("<I", len(data)) + data + (b"\0" if len(data) % 2 else b"")


def fmt(channels, rate, bits):
    align = channels * bits // 8
    return chunk("fmt ", struct.pack("<HHIIHH", 1, channels, rate, rate * align, align, bits))


def riff(*chunks):
    body = b"WAVE" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def sounds():
    ramp = bytes((i * 7) & 255 for i in range(101))
    seeds = {
        "8-mono.wav": riff(fmt(1, 8000, 8), chunk("data", ramp)),
        "16-stereo-data-first.wav": riff(chunk("data", ramp[:64]), fmt(2, 22050, 16)),
        "list-and-odd-chunk.wav": riff(chunk("LIST", b"INFOx"), fmt(1, 44100, 16), chunk("data", ramp[:40])),
        "192k.wav": riff(fmt(2, 192000, 16), chunk("data", ramp[:100])),
    }
    for name, data in seeds.items():
        write("corpus", "wav", "seed-" + name, data)
    write("findings", "wav", "issue-100hz.wav", riff(fmt(1, 100, 8), chunk("data", bytes(128 + i % 64 for i in range(6000)))))
    dictionary("wav", ["RIFF", "WAVE", "fmt ", "data", "LIST", "\x10\0\0\0", "\x01\0", "\x02\0", "\x08\0", "\x10\0",
                       "\x40\x1f\0\0", "\x44\xac\0\0", "\x00\xee\x02\0", "\xff\xff\xff\xff"])


# ---- texts

def texts():
    pages = {
        "page.str": "p les 4\nk strom 120 300 6 1 0\nh pes 400 380 3 1 2\n",
        "crlf.str": "p les 2\r\nk strom 10 20\r\nh pes 10 20 2 0\r\n",
        "numbers.str": "k strom 0x10 010 5 2 64\nh pes -15 99999999999 3 1 999999\nk jablko 1 2 1 1 0\n",
        "odd.str": "x strom 1 2\n strom 1 2\nk\n\n\r\np hory 9\nh " + "a" * 230 + " 1 1\n",
        # At the reader's limits: a name of 227 and of 228, lines of 399 and 400, 1024 lines and one more.
        "limits.str": "k " + "a" * 227 + " 1 1\nk " + "a" * 228 + " 1 1\nk strom 1 " + "1" * 388 + "\r\n"
                      + "k strom 1 " + "1" * 390 + "\n" + "k strom 1 1\n" * 1020 + "h pes 2 2\n",
    }
    for name, text in pages.items():
        write("corpus", "page", "seed-" + name, text)
    dictionary("page", ["p ", "k ", "h ", "les", "strom", "pes", " 0x", " 0", " -", "\r\n", "\n", " 1 1 0", " 6 1 0",
                        "\r", "a" * 64, "1" * 64, "k strom 1 1\n" * 5])

    phases = {"three.faz": "3 3\n12 3\n21 3\n", "forms.faz": "0xc 3\r\n024 3\n-1 3\n500 5\n", "junk.faz": "abc\n20 5\n12\n\n3 3 x\n",
              # Lines of 399 and 400, then 1024 lines and one more.
              "limits.faz": "3 " + "0" * 396 + "3\n3 " + "0" * 397 + "3\r\n" + "x\n" * 1022 + "12 3\n"}
    for name, text in phases.items():
        write("corpus", "phases", "seed-" + name, text)
    write("findings", "phases", "issue-endless.faz", "3 3\n" * 16384)
    dictionary("phases", ["3 3\n", "12 3\n", "0x", " ", "\r\n", "-", "\r", "0" * 64, "3 3\n" * 16])

    inis = {"default.ini": "1920 1080\n2 16", "crlf.ini": "800 600\r\n3 36\r\n", "forms.ini": "0x400 0300\n10 1000\n",
            "bad.ini": "1 2\n99 0\n", "one.ini": "1024",
            # Lines of 199 and 200: the first characters count, a longer rest is skipped.
            "limits.ini": "1024 768" + " " * 191 + "\n2 16" + " " * 195 + "9\n"}
    for name, text in inis.items():
        write("corpus", "ini", "seed-" + name, text)
    dictionary("ini", ["1920 1080", "\n", "\r\n", "0x", " 16", "2147483648", "-1", " " * 64])

    books = {
        "library.txt": "KNIHA_Les/1.str\nKNIHA_Les/2.str\nKNIHA_Les/1.thm\nKNIHA_Les/Pozadia/les.bmp\n"
                       "KNIHA_Les/Kulisy/strom.bmp\nKNIHA_Les/Herci/pes.bmp\nKNIHA_Les/Herci/pes.faz\nKNIHA_More/1.str\n",
        "from-windows.txt": "KNIHA_Rozpr\u00e1vky/1.str\nKNIHA_Rozpr\u00e1vky/Kulisy/ST\u00d4L.BMP\n".encode().decode("latin-1")
                            + "KNIHA_B\xe1sne/1.STR\nKNIHA_B\xe1sne/Herci/\x9eaba.bmp\nKNIHA_B\xe1sne/Herci/\x9eABA.FAZ\n",
        "temporaries.txt": "KNIHA_a/1.str\nKNIHA_a/.pexlo-write-abc123\nKNIHA_a/Kulisy/.pexlo-write-x\n.pexlo-write-q\n",
        # One name in UTF-8 and in Windows-1250 bytes, and two the code page cannot spell.
        "twins.txt": "KNIHA_Les/1.str\nKNIHA_Les/1.thm\nKNIHA_Les/Kulisy/strom\u010dek.bmp\n".encode().decode("latin-1")
                     + "KNIHA_Les/Kulisy/strom\xe8ek.bmp\nKNIHA_Les/Herci/"
                     + "\u65e5.bmp\nKNIHA_Les/Herci/\u4e2d.bmp\n".encode().decode("latin-1")
                     + "KNIHA_Les/\xe8.str\n" + "KNIHA_Les/\u010d.str\n".encode().decode("latin-1"),
    }
    for name, text in books.items():
        write("corpus", "catalogue", "seed-" + name, text)
    write("findings", "catalogue", "issue-backslash.txt",
          "KNIHA_x/1.str\nKNIHA_x\\..\\app\\KNIHA_DEFNEW/\nKNIHA_x/..\\..\\app\\KNIHA_DEFNEW\\2.str\n"
          "KNIHA_x/Kulisy/..\\..\\..\\app\\rezia.bmp\n")
    dictionary("catalogue", ["KNIHA_", "/", "\\", "..\\", "\n", ".str", ".bmp", ".faz", ".thm", "Pozadia/", "Kulisy/",
                             "Herci/", ".pexlo-write-", "rezia", "sprit", "?", "*", ":", "\xe1", "\xc3\xa1", "\x9e",
                             "\xe8", "\xc4\x8d", "\xe4\xb8\xad"])


# ---- book files

def archive(entries):
    """A zip of (name, bytes, unix mode) entries, the same bytes at every run."""
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data, mode in entries:
            info = zipfile.ZipInfo(name, date_time=(2024, 1, 1, 0, 0, 0))
            info.external_attr = mode << 16
            info.compress_type = zipfile.ZIP_STORED if name.endswith("/") else zipfile.ZIP_DEFLATED
            z.writestr(info, data)
    return out.getvalue()


def archives():
    page, bmp = b"p les 4\nk strom 10 10 1 1 0\n", b"BM" + bytes(range(256)) * 4
    books = {
        "book.pexlo": [("1.str", page, 0o100644), ("2.str", b"", 0o100644), ("Pozadia/", b"", 0o40755),
                       ("Pozadia/les.bmp", bmp, 0o100644), ("M\u00f4j strom.bmp", bmp, 0o100644)],
        "climbs.pexlo": [("1.str", page, 0o100644), ("../../x.str", page, 0o100644)],
        "link.pexlo": [("1.str", page, 0o100644), ("Pozadia", b"/etc", 0o120777)],
        "zeros.pexlo": [("1.str", page, 0o100644), ("Pozadia/les.bmp", bytes(1 << 20), 0o100644)],
    }
    for name, entries in books.items():
        write("corpus", "archive", "seed-" + name, archive(entries))
    dictionary("archive", ["PK\x03\x04", "PK\x01\x02", "PK\x05\x06", "PK\x06\x06", "PK\x06\x07", "\xff\xff\xff\xff",
                           "../", "/", "\\", "C:", ".str", "\x00", "\x01\x00\x10\x00", "\xa1\xff"])


if __name__ == "__main__":
    pictures()
    sounds()
    texts()
    archives()
