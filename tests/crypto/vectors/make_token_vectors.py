#!/usr/bin/env python3
# SPDX-FileCopyrightText: The Hushvault developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Computes secret-message token vectors independently of the C++ code.

RC4 keyed by MD5(password), Base64 of the cipher bytes, and a check prefix made of the
first two bytes of MD5(MD5(password)). Run it to regenerate token_vectors.json:
    python3 make_token_vectors.py > token_vectors.json
"""
import base64
import hashlib
import json


def rc4(data: bytes, key_text: bytes) -> bytes:
    key = hashlib.md5(key_text).digest()
    s = list(range(256))
    j = 0
    for i in range(256):
        j = (j + s[i] + key[i % 16]) % 256
        s[i], s[j] = s[j], s[i]
    out = bytearray()
    i = j = 0
    for byte in data:
        i = (i + 1) % 256
        j = (j + s[i]) % 256
        s[i], s[j] = s[j], s[i]
        out.append(byte ^ s[(s[i] + s[j]) % 256])
    return bytes(out)


def token(text: str, password: str, plain: bool) -> str:
    pw = password.encode("utf-8")
    check = hashlib.md5(hashlib.md5(pw).digest()).digest()
    body = base64.b64encode(rc4(text.encode("utf-8"), pw)).decode("ascii")
    if not plain:
        body = body.replace("+", "%2B")
    return "%02x%02x" % (check[0], check[1]) + body


CASES = [
    ("hello", "secret"),
    ("", "secret"),
    ("hello", ""),
    ("", ""),
    ("今晚八点老地方见", "暗号"),
    ("Café au lait ☕ 🙂", "pässwörd"),
    ("13800138000", "MorrowGLNfen"),
    ("张三", "MorrowGLNfen"),
    ("a" * 140, "abc"),
    ("The quick brown fox jumps over the lazy dog. " * 3 + "0123456789", "preset-42"),
]


def main() -> None:
    # The cases hold Base64 texts with "+" and with "/", so that the escaped form is exercised.
    vectors = [
        {"text": t, "password": p, "plain": token(t, p, True), "escaped": token(t, p, False)}
        for t, p in CASES
    ]
    # One vector per line.
    print("[\n" + ",\n".join(json.dumps(v, ensure_ascii=False) for v in vectors) + "\n]")


if __name__ == "__main__":
    main()
