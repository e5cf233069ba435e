"""Which words can be made from the letters of a source word.

A word fits a source word when every letter occurs in it no more often than
in the source word, the game's own letter test. LetterIndex answers this
for a whole word list at once with one bit per word, since the generator
asks it for thousands of source words.
"""

import collections
from typing import Dict, Iterable, List, Tuple


def fits(word: str, source: str) -> bool:
    need = collections.Counter(word)
    have = collections.Counter(source)
    return all(have[letter] >= count for letter, count in need.items())


class LetterIndex:
    def __init__(self, words: Iterable[str]):
        self.words: List[str] = list(words)
        self._all = (1 << len(self.words)) - 1
        # (letter, n) -> bit i set when word i holds the letter n or more times
        self._at_least: Dict[Tuple[str, int], int] = collections.defaultdict(int)
        for bit, word in enumerate(self.words):
            for letter, count in collections.Counter(word).items():
                for n in range(1, count + 1):
                    self._at_least[(letter, n)] |= 1 << bit

    def _fitting_mask(self, source: str) -> int:
        have = collections.Counter(source)
        too_many = 0
        for letter, n in self._at_least:
            if n == have[letter] + 1:
                too_many |= self._at_least[(letter, n)]
        return self._all & ~too_many

    def count_fitting(self, source: str) -> int:
        """Number of indexed words that fit the source word."""
        return bin(self._fitting_mask(source)).count('1')

    def fitting(self, source: str) -> List[int]:
        """The positions, in ascending order, of the indexed words that fit
        the source word."""
        mask = self._fitting_mask(source)
        return [i for i, bit in enumerate(reversed(bin(mask)[2:])) if bit == '1']

    def count_sources(self, word: str) -> int:
        """Number of indexed words that the given word fits into."""
        mask = self._all
        for letter, count in collections.Counter(word).items():
            mask &= self._at_least.get((letter, count), 0)
        return bin(mask).count('1')
