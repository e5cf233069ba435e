"""The two files written beside the word base for looking a word up:

- wmyo.txt: the base words whose dictionary spelling has Ё, one per line in
  lower case with their Ё (лёд, ёж, ребёнок). A word whose letters with Е
  are also a noun of their own (небо beside нёбо, афера beside a variant
  афёра) gets no line: the Ё would be a guess.
- wmgloss.txt: base word, a tab, its English gloss (ЛИГНИТ	lignite).

Both are UTF-8 with LF line ends, sorted, so that they are the same bytes
on every run.
"""

import collections
from typing import Dict, Iterable, List, Mapping, Set

from .corpus import fold
from .gloss import Use
from .nouns import base_form

YO_FILE = 'wmyo.txt'
GLOSS_FILE = 'wmgloss.txt'


def noun_spellings(*stems: Iterable[str]) -> Dict[str, Set[str]]:
    """Base form -> the dictionary's spellings of these noun stems, in
    lower case."""
    spellings: Dict[str, Set[str]] = collections.defaultdict(set)
    for group in stems:
        for stem in group:
            spellings[base_form(stem)].add(stem.lower())
    return spellings


def _plain_is_a_noun(plain: str, spelling: str, uses: List[Use]) -> bool:
    """Whether the Mueller dictionary, which writes Ё throughout, gives the
    Е spelling as a noun of its own: twice, or as often as the Ё spelling;
    once against several Ё is a slip of its text (счет beside 15 счёт)."""
    spelt = collections.Counter(use.spelling for use in uses)
    return spelt[plain] >= 2 or (spelt[plain] > 0 and spelt[plain] >= spelt[spelling])


def yo_lines(lines: Iterable[str], spellings: Mapping[str, Set[str]],
             uses: Mapping[str, List[Use]]) -> List[str]:
    """The Ё spellings of the base words, where the dictionary has exactly
    one and the Е spelling is no noun of its own."""
    result = []
    for word in set(lines):
        with_yo = {s for s in spellings.get(word, ()) if 'ё' in s}
        if len(with_yo) != 1:
            continue
        (spelling,) = with_yo
        plain = word.lower()
        if fold(spelling) == plain and not _plain_is_a_noun(plain, spelling, uses.get(word, [])):
            result.append(spelling)
    return sorted(result)


def gloss_lines(lines: Iterable[str], glosses: Mapping[str, str]) -> List[str]:
    return sorted(f'{word}\t{glosses[word]}' for word in set(lines) if glosses.get(word))


def write(path: str, lines: List[str]) -> None:
    with open(path, 'w', encoding='utf-8', newline='\n') as out:
        out.write(''.join(line + '\n' for line in lines))
