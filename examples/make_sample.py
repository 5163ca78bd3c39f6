#!/usr/bin/env python3
"""Writes sample.BSE: a business-card sheet of ten labels, each showing its own page."""

from pathlib import Path

CELLS_PER_LINE = 16
LINES_PER_PAGE = 6  # a title line that is never shown, then up to five label lines
PRESET_KEY = "マルチラベル@名刺(1) 10面 ｾﾝﾀｰ 0㎜"
STORED_FORMAT = "21002970050201400000011000000910055000600040LP2210"

# One page per label, in braille cell code; the intended reading follows each line.
LABELS = [
    [":%E @WQ0",          # さくら しょてん
     '/Z"O UK[',          # やまだ はなこ
     "#JC7#ABCD7#EFGH",   # 03(1234)5678
     ";,HANAKO"],         # Hanako
    ["@W3+",              # しょうゆ
     "[B%R",              # こいくち
     "#EJJ;ML"],          # 500ml
    [":T3",               # さとう
     "#A;KG"],            # 1kg
    ["\\I",               # しお
     "#CJJ;G"],           # 300g
    ["(W",                # みそ
     "A*(W"],             # あかみそ
    ["I@O",               # おちゃ
     "]0@O"],             # せんちゃ
    ["[3V3",              # コーヒー
     "#BJJ;G"],           # 200g
    ["^%3@M3",            # ぎゅうにゅう
     "#AJJJ;ML"],         # 1000ml
    ['!"W0@W%',           # ほぞんしょく
     '<"$0',              # きげん
     '#BJBFP0 #C"*N',     # 2026ねん 3がつ
     "#CALR"],            # 31にち
    ["@W%,U0",            # しょくパン
     "#FZB",              # 6まい
     "IB\\B6"],          # おいしい!
]


def header() -> bytes:
    key = PRESET_KEY.encode("cp932").ljust(50, b" ")
    numbers = f"0001{CELLS_PER_LINE:02d}{LINES_PER_PAGE:02d}".encode("ascii")
    data = b" " * 358 + key + STORED_FORMAT.encode("ascii") + b" " * 46 + numbers + b"\r\n"
    assert len(key) == 50 and len(data) == 514
    return data


def page(lines: list[str]) -> list[str]:
    assert len(lines) < LINES_PER_PAGE and all(len(line) <= CELLS_PER_LINE for line in lines)
    return [""] + lines + [""] * (LINES_PER_PAGE - 1 - len(lines))


def body() -> bytes:
    lines = [line for label in LABELS for line in page(label)]
    return b"".join((line or "  ").encode("ascii") + b"\r\n" for line in lines) + b"\x1a"


if __name__ == "__main__":
    Path(__file__).with_name("sample.BSE").write_bytes(header() + body())
