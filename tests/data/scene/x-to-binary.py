#!/usr/bin/env python3
"""Writes the binary form of a text .x file, token for token.

Usage: x-to-binary.py IN.x OUT.x [32|64]

Runs of whole numbers become integer lists, runs of other numbers float
lists (of 32 or 64 bits); a lone whole number becomes a single integer.
Used to make the binary test models from their text originals.
"""
import re
import struct
import sys

KEYWORDS = {"WORD": 40, "DWORD": 41, "FLOAT": 42, "DOUBLE": 43, "CHAR": 44, "UCHAR": 45,
            "SWORD": 46, "SDWORD": 47, "VOID": 48, "STRING": 49, "UNICODE": 50,
            "CSTRING": 51, "array": 52}
PUNCT = {"{": 10, "}": 11, "(": 12, ")": 13, "[": 14, "]": 15, "<": 16, ">": 17,
         ".": 18, ",": 19, ";": 20}

TOKEN_RE = re.compile(r'\s+|//[^\n]*|#[^\n]*|"[^"\n]*"|<[0-9A-Fa-f-]+>|[{}()\[\],;.]|'
                      r'[-+]?[0-9]+(?:\.[0-9]*)?(?:[eE][-+]?[0-9]+)?|[A-Za-z_][A-Za-z0-9_]*')


def tokens(text):
    at = 0
    while at < len(text):
        match = TOKEN_RE.match(text, at)
        if not match:
            raise SystemExit("cannot read %r" % text[at:at + 20])
        at = match.end()
        word = match.group(0)
        if word.isspace() or word.startswith("//") or word.startswith("#"):
            continue
        yield word


def number_kind(word):
    if re.fullmatch(r"[-+]?[0-9]+", word):
        return "int"
    if re.fullmatch(r"[-+]?[0-9]+\.[0-9]*(?:[eE][-+]?[0-9]+)?", word):
        return "float"
    return None


def convert(text, float_bits):
    out = bytearray()
    words = list(tokens(text))
    in_template = False
    depth = 0
    i = 0
    while i < len(words):
        word = words[i]
        kind = number_kind(word)
        if kind:
            run = [word]
            j = i + 1
            # Numbers of one kind stay one list across separators.
            while j < len(words):
                if words[j] in (",", ";") and j + 1 < len(words) and number_kind(words[j + 1]) == kind:
                    run.append(words[j + 1])
                    j += 2
                else:
                    break
            if kind == "int" and len(run) == 1:
                out += struct.pack("<HI", 3, int(run[0]))
            elif kind == "int":
                out += struct.pack("<HI", 6, len(run)) + b"".join(struct.pack("<I", int(w)) for w in run)
            else:
                code = "<f" if float_bits == 32 else "<d"
                out += struct.pack("<HI", 7, len(run)) + b"".join(struct.pack(code, float(w)) for w in run)
            i = j
            continue
        if word.startswith('"'):
            data = word[1:-1].encode("cp932")
            out += struct.pack("<HI", 2, len(data)) + data
        elif word.startswith("<"):
            parts = word[1:-1].split("-")
            data4 = bytes.fromhex(parts[3] + parts[4])
            out += struct.pack("<HIHH", 5, int(parts[0], 16), int(parts[1], 16), int(parts[2], 16)) + data4
        elif word == "template":
            out += struct.pack("<H", 31)
            in_template = True
        elif word in PUNCT:
            out += struct.pack("<H", PUNCT[word])
            if in_template and word in "{}":
                depth += 1 if word == "{" else -1
                in_template = depth > 0
        elif in_template and word in KEYWORDS:
            out += struct.pack("<H", KEYWORDS[word])
        else:
            data = word.encode("cp932")
            out += struct.pack("<HI", 1, len(data)) + data
        i += 1
    return bytes(out)


def main():
    source, target = sys.argv[1], sys.argv[2]
    float_bits = int(sys.argv[3]) if len(sys.argv) > 3 else 32
    with open(source, "rb") as f:
        raw = f.read()
    text = raw[16:].decode("cp932")
    header = b"xof 0303bin 00%d" % float_bits
    with open(target, "wb") as f:
        f.write(header + convert(text, float_bits))


main()
