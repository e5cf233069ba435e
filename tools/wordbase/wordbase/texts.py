"""Word-form counts from Russian texts other than the Mueller dictionary:
a frequency list of spoken Russian, the Russian fortunes and the thesaurus.

Forms are counted folded (lower case, Ё as Е). In running text only words
written in lower case count, so that names (Москва, Лев Толстой) do not
pass for forms of common nouns.
"""

import collections
import os
import re
from typing import Counter, Iterable

from .corpus import fold

_WORD = re.compile(r'[А-ЯЁа-яё]+')
_LOWER_WORD = re.compile(r'[а-яё]+')


def read_frequency_list(lines: Iterable[str]) -> Counter[str]:
    """A list of "form count" lines; forms that differ only by Ё add up."""
    counts: Counter[str] = collections.Counter()
    for line in lines:
        fields = line.split()
        if len(fields) == 2 and _LOWER_WORD.fullmatch(fields[0]) and fields[1].isdigit():
            counts[fold(fields[0])] += int(fields[1])
    return counts


def count_words(text: str) -> Counter[str]:
    """Occurrences of each word written in lower case."""
    return collections.Counter(fold(word) for word in _WORD.findall(text) if word.islower())


def read_fortunes(folder: str) -> Counter[str]:
    """Word counts over the fortune files of a folder; the index files
    (.dat) and the links to the same text (.u8) are skipped."""
    counts: Counter[str] = collections.Counter()
    for name in sorted(os.listdir(folder)):
        path = os.path.join(folder, name)
        if name.endswith(('.dat', '.u8')) or os.path.islink(path) or not os.path.isfile(path):
            continue
        with open(path, encoding='utf-8', errors='replace') as text:
            counts.update(count_words(text.read()))
    return counts


def read_thesaurus(lines: Iterable[str]) -> Counter[str]:
    """In how many entries and synonym lists of a MyThes thesaurus
    ("слово|2", "(синоним)|слово|слово") each single word stands. A
    thesaurus lists the words of the general language, so being named in
    it is a sign that a word is known, not how often it is used."""
    counts: Counter[str] = collections.Counter()
    for line in lines:
        items = (item.strip() for item in line.split('|'))
        words = {fold(item) for item in items if _LOWER_WORD.fullmatch(item)}
        counts.update(words)
    return counts
