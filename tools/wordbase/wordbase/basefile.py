"""The word base file format: one word per line in capitals А to Я,
Windows-1251, every line ended by CR LF."""

import re
from typing import List

ENCODING = 'cp1251'
LINE_END = '\r\n'
_WORD = re.compile(r'[А-Я]+')


def encode(words: List[str]) -> bytes:
    for number, word in enumerate(words, 1):
        if not _WORD.fullmatch(word):
            raise ValueError(f'line {number}: {word!r} is not a word of capitals А to Я')
    return ''.join(word + LINE_END for word in words).encode(ENCODING)


def write(path: str, words: List[str]) -> None:
    data = encode(words)
    with open(path, 'wb') as out:
        out.write(data)


def decode(data: bytes) -> List[str]:
    """The lines of a word base as the game reads them: a line ends at CR
    LF, at a lone CR or at a lone LF."""
    return re.split(r'\r\n|\r|\n', data.decode(ENCODING))[:-1] if data else []


def read(path: str) -> List[str]:
    with open(path, 'rb') as base:
        data = base.read()
    return decode(data if data.endswith((b'\r', b'\n')) else data + b'\n')
