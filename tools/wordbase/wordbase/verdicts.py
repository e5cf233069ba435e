"""The hand-kept verdicts on words read one by one (data/verdicts.txt).

The texts cannot tell every word a player knows from one they do not. Two
kinds of word are therefore read and decided by hand before they enter
the base:

- the words of two to four letters, which fit almost every source word
  and so are most of what the computer plays, and among which the texts
  do not tell a common noun from a note, a letter, a name, an
  abbreviation, a clipping or a preposition (ДО, ФА, ДОН, ОСТ, ПАК);
- the longer words that the texts know less surely, which fill the lines
  the known words leave, and half of which are terms of a trade
  (МЕЗОН, СМАЛЬТА).

Such a word enters only when a verdict keeps it; one nobody has read yet
stays out until someone does. A verdict can also drop any other word, a
name the texts took for a noun (ГЛОРИЯ). One word a line, in lower case
with its Ё, the verdict and the reason:

    ёж        keep  # a hedgehog
    ост       drop  # an abbreviation (отраслевой стандарт)
"""

import os
import re
from typing import AbstractSet, Dict, Iterable, List

from .nouns import base_form
from .paths import DATA
from .selection import MAX_LENGTH, MIN_LENGTH

DEFAULT_PATH = os.path.join(DATA, 'verdicts.txt')
MAX_SHORT = 4
VERDICTS = {'keep': True, 'drop': False}
_WORD = re.compile(r'[а-яё]+')


class Malformed(ValueError):
    pass


def read(lines: Iterable[str]) -> Dict[str, bool]:
    """Base form -> whether the word is kept. A line that is not a word,
    a verdict and a reason, or a word decided twice, is an error naming
    the line: the file is typed by hand, and a slip should not quietly
    change the base."""
    verdicts: Dict[str, bool] = {}
    for number, line in enumerate(lines, 1):
        text, hash_, reason = line.partition('#')
        fields = text.split()
        if not fields:
            continue
        if len(fields) != 2 or fields[1] not in VERDICTS:
            raise Malformed(f'line {number}: {text.strip()!r} is not a word followed by '
                            f'keep or drop')
        word, verdict = fields
        if not _WORD.fullmatch(word) or not MIN_LENGTH <= len(word) <= MAX_LENGTH:
            raise Malformed(f'line {number}: {word!r} is not a word of {MIN_LENGTH} to '
                            f'{MAX_LENGTH} small Russian letters')
        if not (hash_ and reason.strip()):
            raise Malformed(f'line {number}: {word} has no comment giving the reason')
        key = base_form(word)
        if key in verdicts:
            raise Malformed(f'line {number}: {word} is decided twice')
        verdicts[key] = VERDICTS[verdict]
    return verdicts


def needs_reading(word: str, known: AbstractSet[str]) -> bool:
    """Whether a word (base form) enters only on a reader's verdict."""
    return len(word) <= MAX_SHORT or word not in known


def admitted(word: str, verdicts: Dict[str, bool], known: AbstractSet[str]) -> bool:
    """Whether a word may enter the base: as its verdict says, and without
    one only when it needs no reading."""
    return verdicts.get(word, not needs_reading(word, known))


def undecided(words: Iterable[str], verdicts: Dict[str, bool],
              known: AbstractSet[str]) -> List[str]:
    """The words, in their order, that stay out for want of a verdict."""
    return [w for w in words if w not in verdicts and needs_reading(w, known)]
