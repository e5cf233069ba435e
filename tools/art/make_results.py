#!/usr/bin/env python3
"""Write results.tvl, the table of best results a fresh installation starts with.

The file holds ten names, then their ten scores, one per line, in Windows-1251
with CR LF after every line. The scores are modest, so a player's first good
games already earn a place in the table.
"""

import argparse
from pathlib import Path

TABLE = [
    ("Анна", 684),
    ("Глеб", 617),
    ("Вера", 559),
    ("Борис", 496),
    ("Ирина", 438),
    ("Егор", 371),
    ("Дарья", 315),
    ("Захар", 254),
    ("Жанна", 196),
    ("Кирилл", 128),
]


def results_text():
    lines = [name for name, _ in TABLE] + [str(score) for _, score in TABLE]
    return "".join(line + "\r\n" for line in lines).encode("cp1251")


def main():
    default = Path(__file__).resolve().parents[2] / "assets"
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=Path, default=default, help="assets folder to write into")
    out = parser.parse_args().out
    out.mkdir(parents=True, exist_ok=True)
    path = out / "results.tvl"
    path.write_bytes(results_text())
    print("wrote %s" % path)


if __name__ == "__main__":
    main()
