#!/usr/bin/env python3
"""Writes the pinyin initials table that short codes are made from.

Three characters per code point U+4E00..U+9FA5 in code-point order: the lower-case
initial letters of the character's readings, the primary reading first, up to two
further distinct initials, filled with blanks.

Source: the Unihan database that Debian's unicode-data package installs
(/usr/share/unicode/Unihan_Readings.txt.bz2, Unihan_Variants.txt.bz2).
- The primary reading is kMandarin's first; the further readings are kMandarin's others
  and those of the two modern dictionaries, kXHC1983 and kTGHZ2013.
- A few characters whose customary short-code initial differs from kMandarin's first
  reading, or whose further readings matter to operators, are fixed below (OVERRIDES).
- A character without a kMandarin reading takes, in this order, the readings of
  kHanyuPinyin, kXHC1983, kTGHZ2013 or kHanyuPinlu; else the kMandarin reading of one
  of its variants; else the first letter of its Cantonese reading; else "z".

Usage: tools/pinyin/make_table.py [UNIHAN_DIR] [OUTPUT]
(defaults: /usr/share/unicode and src/foundation/pinyin_table.inc beside this script's repository).
"""
import bz2
import collections
import os
import re
import sys
import unicodedata

FIRST, LAST = 0x4E00, 0x9FA5
ALLOWED = set("abcdefghjklmnopqrstwxyz")  # pinyin syllables never begin with i, u or v

# Characters fixed by hand: code point -> initials, primary first.
OVERRIDES = {
    0x4E00: "y",   # 一
    0x4E01: "dz",  # 丁 dīng, zhēng
    0x4E07: "wm",  # 万 wàn, mò
    0x4E2D: "z",   # 中
    0x4E50: "ly",  # 乐 lè, yuè
    0x5973: "nr",  # 女 nǚ, rǔ
    0x670D: "f",   # 服
    0x7EA2: "hg",  # 红 hóng, gōng
    0x884C: "xh",  # 行 xíng, háng
    0x88C5: "z",   # 装
    0x91CD: "zc",  # 重 zhòng, chóng
    0x957F: "cz",  # 长 cháng, zhǎng: 长袖 is "cx"
}


def read_fields(path):
    fields = collections.defaultdict(dict)
    with bz2.open(path, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            cp, name, value = line.rstrip("\n").split("\t", 2)
            fields[int(cp[2:], 16)][name] = value
    return fields


def version(path):
    with bz2.open(path, "rt", encoding="utf-8") as f:
        for line in f:
            m = re.match(r"# Unicode version: (\S+)", line)
            if m:
                return m.group(1)
    return "unknown"


def initial(reading):
    letter = unicodedata.normalize("NFD", reading.strip())[:1].lower()
    return letter if letter in ALLOWED else None


def readings(entry, name):
    """The readings of one field, in the order the field lists them."""
    value = entry.get(name)
    if not value:
        return []
    out = []
    for item in value.split():
        item = item.split(":", 1)[-1]          # drop dictionary positions
        item = re.sub(r"\(\d+\)$", "", item)   # drop frequencies
        out.extend(r for r in item.split(",") if r)
    return out


def distinct_initials(words):
    out = []
    for w in words:
        letter = initial(w)
        if letter and letter not in out:
            out.append(letter)
    return out


def slot_letters(cp, readings_db, variants_db):
    if cp in OVERRIDES:
        return OVERRIDES[cp], "override"
    entry = readings_db.get(cp, {})
    mandarin = readings(entry, "kMandarin")
    if mandarin:
        letters = distinct_initials(mandarin + readings(entry, "kXHC1983") + readings(entry, "kTGHZ2013"))
        return "".join(letters[:3]), "kMandarin"
    for name in ("kHanyuPinyin", "kXHC1983", "kTGHZ2013", "kHanyuPinlu"):
        letters = distinct_initials(readings(entry, name))
        if letters:
            return "".join(letters[:3]), name
    for name in ("kSimplifiedVariant", "kTraditionalVariant", "kSemanticVariant", "kZVariant"):
        for ref in variants_db.get(cp, {}).get(name, "").split():
            other = int(ref.split("<")[0][2:], 16)
            letters = distinct_initials(readings(readings_db.get(other, {}), "kMandarin"))
            if letters:
                return letters[0], "variant"
    cantonese = entry.get("kCantonese", "")
    if cantonese and cantonese[0] in ALLOWED:
        return cantonese[0], "kCantonese"
    return "z", "default"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    unihan = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/unicode"
    output = sys.argv[2] if len(sys.argv) > 2 else os.path.normpath(
        os.path.join(here, "..", "..", "src", "foundation", "pinyin_table.inc"))
    readings_path = os.path.join(unihan, "Unihan_Readings.txt.bz2")
    readings_db = read_fields(readings_path)
    variants_db = read_fields(os.path.join(unihan, "Unihan_Variants.txt.bz2"))

    table = []
    sources = collections.Counter()
    widths = collections.Counter()
    for cp in range(FIRST, LAST + 1):
        letters, source = slot_letters(cp, readings_db, variants_db)
        assert 1 <= len(letters) <= 3 and set(letters) <= ALLOWED, (hex(cp), letters)
        sources[source] += 1
        widths[len(letters)] += 1
        table.append(letters.ljust(3))
    text = "".join(table)
    assert len(text) == 3 * (LAST - FIRST + 1)

    per_line = 32
    lines = [
        "// Generated by tools/pinyin/make_table.py from the Unihan database of Unicode "
        + version(readings_path) + "; do not edit.",
        "// Three characters per code point U+4E00..U+9FA5 in code-point order: the initials",
        "// of its readings, the primary one first, filled with blanks.",
        "static const char kPyInitialsTable[] =",
    ]
    for start in range(0, len(text), 3 * per_line):
        lines.append('    "' + text[start:start + 3 * per_line] + '"')
    lines[-1] += ";"
    with open(output, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")

    print(f"{output}: {len(text)} characters; slots with 1/2/3 letters: "
          f"{widths[1]}/{widths[2]}/{widths[3]}; sources: {dict(sources)}")


if __name__ == "__main__":
    main()
