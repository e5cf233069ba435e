"""The hand-kept list of everyday nouns that the sources miss or misread
(data/additions.txt): one word a line, in lower case with its Ё, followed
by a comment that says why it is there:

    батон    # a loaf; of all the texts only the web word list has it

The generator takes these words as known nouns; the base's format and the
excluded words still apply to them.
"""

import os
import re
from typing import FrozenSet, Iterable, List

from .corpus import fold
from .nouns import base_form, is_excluded
from .paths import DATA
from .selection import MAX_LENGTH, MIN_LENGTH

DEFAULT_PATH = os.path.join(DATA, 'additions.txt')
_WORD = re.compile(r'[а-яё]+')


class Malformed(ValueError):
    pass


def read(lines: Iterable[str]) -> List[str]:
    """The words of the list in file order. A line that is not a word with
    its reason, or a word given twice, is an error naming the line: the
    list is typed by hand, and a slip should not quietly drop a word."""
    words: List[str] = []
    seen = set()
    for number, line in enumerate(lines, 1):
        text, hash_, reason = line.partition('#')
        word = text.strip()
        if not word:
            continue
        if not _WORD.fullmatch(word) or not MIN_LENGTH <= len(word) <= MAX_LENGTH:
            raise Malformed(f'line {number}: {word!r} is not a word of {MIN_LENGTH} to '
                            f'{MAX_LENGTH} small Russian letters')
        if not (hash_ and reason.strip()):
            raise Malformed(f'line {number}: {word} has no comment saying why it is added')
        if fold(word) in seen:
            raise Malformed(f'line {number}: {word} is listed twice')
        seen.add(fold(word))
        words.append(word)
    return words


def vouched(words: Iterable[str]) -> FrozenSet[str]:
    """The base forms of the listed words that the base may hold: not the
    excluded ones."""
    return frozenset(base_form(word) for word in words if not is_excluded(word))
