"""The Russian side of FreeDict's learners' dictionaries (dictd format,
a .index beside a .dict.dz), German, Polish, French, Italian, Swedish,
Dutch and Greek to Russian.

They are made from Wiktionary's translation tables and hold the core
vocabulary a learner looks up: сметана, гречка and сковорода are there,
лигнит and кошениль are not. A word is counted once per dictionary that
gives it by itself as the translation of a noun, so the count says how
many dictionaries agree that it is a word worth knowing:

    Sauerrahm /ˈzaʊ̯ɐˌʁaːm/ <n, masc>
    сметана
    Milchprodukt, das aus Sahne besteht, ...
"""

import collections
import gzip
import re
from typing import Counter, FrozenSet, Iterable, Iterator, List, NamedTuple, Tuple

from .corpus import fold

_BASE64 = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/'
_POS = re.compile(r'<([^>]*)>')
_CYRILLIC = re.compile(r'[А-Яа-яЁё]')
_WORD = re.compile(r'[а-яё]+')
_NUMBER = re.compile(r'^\s*\d+\.\s*|\s+\d+\.\s*$')
_ITEM_SEPARATORS = re.compile(r'[,;]')
# Stress marks over Russian vowels (Восто́чная).
_STRESS = str.maketrans('', '', '\u0300\u0301')
NOUN_TAGS = frozenset(('n', 'masc', 'fem', 'neut'))
NAME_TAG = 'pn'
_NAME = re.compile(r'[А-ЯЁ][а-яё]+')


def decode_number(text: str) -> int:
    """An offset or length of a dictd index, in the index's own base 64."""
    value = 0
    for ch in text:
        value = value * 64 + _BASE64.index(ch)
    return value


def entries(index_lines: Iterable[str], data: bytes) -> Iterator[str]:
    """The text of each entry the index points to; the database's own
    information (00-database-...) is skipped."""
    for line in index_lines:
        fields = line.rstrip('\n').split('\t')
        if len(fields) != 3 or fields[0].startswith('00-database'):
            continue
        try:
            start, length = decode_number(fields[1]), decode_number(fields[2])
        except ValueError as error:
            raise Unreadable(f'a broken line in the dictionary index: {line.strip()!r}') from error
        yield data[start:start + length].decode('utf-8', errors='replace')


def _translations(entry: str, tags: FrozenSet[str], word: 're.Pattern[str]') -> Iterator[str]:
    """The single-word Russian translations of an entry whose headword's
    part of speech is among tags, folded."""
    head, _, body = entry.partition('\n')
    tag = _POS.search(head)
    if not tag or tag.group(1).split(',')[0].strip() not in tags:
        return
    for line in body.split('\n'):
        line = line.translate(_STRESS)
        if not _CYRILLIC.search(line):
            continue
        for item in _ITEM_SEPARATORS.split(_NUMBER.sub('', line)):
            item = item.strip()
            if word.fullmatch(item):
                yield fold(item)


def noun_translations(entry: str) -> Iterator[str]:
    """The single-word translations of an entry whose headword is a
    common noun."""
    return _translations(entry, NOUN_TAGS, _WORD)


class Learners(NamedTuple):
    agreeing: Counter[str]   # word -> how many dictionaries give it for a noun
    names: FrozenSet[str]    # names they give for names (кларк, виктория), folded


class Unreadable(Exception):
    pass


def _load(index_path: str, dict_path: str) -> Tuple[List[str], bytes]:
    try:
        with open(index_path, encoding='utf-8') as index:
            index_lines = index.readlines()
    except (OSError, ValueError) as error:
        raise Unreadable(f'cannot read the dictionary index {index_path}: {error}') from error
    try:
        with gzip.open(dict_path) as packed:
            return index_lines, packed.read()
    except (OSError, EOFError) as error:
        raise Unreadable(f'cannot read the dictionary {dict_path}: {error}') from error


def read(dictionaries: Iterable[Tuple[str, str]]) -> Learners:
    """What the dictionaries (pairs of index and .dict.dz paths) say."""
    agreeing: Counter[str] = collections.Counter()
    names = set()
    for index_path, dict_path in dictionaries:
        index_lines, data = _load(index_path, dict_path)
        found = set()
        for entry in entries(index_lines, data):
            found.update(noun_translations(entry))
            names.update(_translations(entry, frozenset((NAME_TAG,)), _NAME))
        agreeing.update(found)
    return Learners(agreeing, frozenset(names))
