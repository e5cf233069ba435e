"""The hand-kept lists of the English glosses, in tools/wordbase/data. Each
line holds an entry and, after "#", why it is there; a line that is not of
its list's form is an error naming the line, since the lists are typed by
hand and a slip should not quietly change what a player reads.

- never_shown.txt: English words no gloss shows, slurs and insults and
  senses that mislead ("harlot  # an insult");
- english_fixes.txt: misspelt or run-together English words of the
  Mueller dictionary and their right spelling ("chapelt -> chaplet  # a
  misprint");
- english_allowed.txt: right English words that Debian's English word
  lists lack ("sarafan  # a Russian dress, a loan word");
- reviewed_glosses.txt: glosses as a reader settled them, the base word
  in lower case with its Ё, the gloss, and why; a gloss of "-" means the
  word is better without one ("вдох  breath  # sniff was a later sense").
"""

import os
import re
from typing import Dict, FrozenSet, Iterable, Iterator, Tuple

from .nouns import base_form
from .paths import DATA

NEVER_SHOWN = os.path.join(DATA, 'never_shown.txt')
FIXES = os.path.join(DATA, 'english_fixes.txt')
ALLOWED = os.path.join(DATA, 'english_allowed.txt')
REVIEWED = os.path.join(DATA, 'reviewed_glosses.txt')
NO_GLOSS = '-'
MAX_GLOSS = 48

ENGLISH_WORD = re.compile(r"[A-Za-zÀ-ÿ]+(?:'[a-z]+)?")
# A word of the lists may be hyphened (half-breed).
_LISTED = re.compile(r"[A-Za-zÀ-ÿ]+(?:['-][A-Za-zÀ-ÿ]+)*")
_PHRASE = re.compile(r"[A-Za-zÀ-ÿ][A-Za-zÀ-ÿ' -]*[A-Za-zÀ-ÿ]|[A-Za-z]")
_RUSSIAN = re.compile(r'[а-яё]+')
_GLOSS = re.compile(r"[A-Za-zÀ-ÿ0-9(][A-Za-zÀ-ÿ0-9 ,'()./а-яё-]*")


class Malformed(ValueError):
    pass


def _entries(lines: Iterable[str]) -> Iterator[Tuple[int, str]]:
    """Number and text of each line that holds an entry, its reason
    required."""
    for number, line in enumerate(lines, 1):
        text, hash_, reason = line.partition('#')
        text = text.strip()
        if not text:
            continue
        if not (hash_ and reason.strip()):
            raise Malformed(f'line {number}: {text!r} has no comment saying why it is listed')
        yield number, text


def words(lines: Iterable[str]) -> FrozenSet[str]:
    """The words of never_shown.txt or english_allowed.txt, in lower case."""
    found = set()
    for number, text in _entries(lines):
        if not _LISTED.fullmatch(text):
            raise Malformed(f'line {number}: {text!r} is not one English word')
        if text.lower() in found:
            raise Malformed(f'line {number}: {text} is listed twice')
        found.add(text.lower())
    return frozenset(found)


def fixes(lines: Iterable[str]) -> Dict[str, str]:
    """Misspelling (lower case) -> right spelling, from english_fixes.txt."""
    found: Dict[str, str] = {}
    for number, text in _entries(lines):
        wrong, arrow, right = (part.strip() for part in text.partition('->'))
        if not (arrow and _PHRASE.fullmatch(wrong) and _PHRASE.fullmatch(right)):
            raise Malformed(f'line {number}: {text!r} is not "misspelling -> right spelling"')
        if wrong.lower() == right.lower():
            raise Malformed(f'line {number}: {wrong} is spelt the same both ways')
        if wrong.lower() in found:
            raise Malformed(f'line {number}: {wrong} is listed twice')
        found[wrong.lower()] = right
    return found


def reviewed(lines: Iterable[str]) -> Dict[str, str]:
    """Base form -> gloss as a reader settled it, '' for none."""
    found: Dict[str, str] = {}
    for number, text in _entries(lines):
        parts = text.split(None, 1)
        word, gloss = parts[0], parts[1].strip() if len(parts) > 1 else ''
        if not _RUSSIAN.fullmatch(word):
            raise Malformed(f'line {number}: {word!r} is not a word of small Russian letters')
        if not gloss:
            raise Malformed(f'line {number}: {word} has no gloss (write {NO_GLOSS} for none)')
        if gloss != NO_GLOSS and not (_GLOSS.fullmatch(gloss) and len(gloss) <= MAX_GLOSS):
            raise Malformed(f'line {number}: {gloss!r} is not a gloss of at most {MAX_GLOSS} '
                            'characters')
        if base_form(word) in found:
            raise Malformed(f'line {number}: {word} is listed twice')
        found[base_form(word)] = '' if gloss == NO_GLOSS else gloss
    return found


def read(path: str, reader):
    """What reader takes from the list at path; a missing or malformed list
    is an error naming it."""
    try:
        with open(path, encoding='utf-8') as text:
            return reader(text.read().splitlines())
    except OSError as error:
        raise Malformed(f'cannot read {path}: {error.strerror} (restore it from the '
                        'repository or give another path)') from error
    except (Malformed, UnicodeError) as error:
        raise Malformed(f'{path}: {error}') from error
