"""The spelling of the English words of a gloss.

Every English word a gloss shows is one of Debian's English word lists
(wbritish-large, wamerican-large) or of a short hand-kept list of right
words they lack. The Mueller dictionary's text has misprints: headwords
run together (seasonticket, showwindow) and misspelt (chapelt). A word
missing from the lists is split into two listed words of four letters or
more (season ticket); where it splits more ways than one (bargain sale,
bargains ale), the split whose rarer part the dictionary uses most is
taken. A misprint the rule cannot mend is corrected by the hand-kept list
of fixes, and a word neither mends is not shown.
"""

import collections
import re
from typing import Counter, Dict, FrozenSet, Iterable, List, Optional, Set

DEFAULT_LISTS = ('/usr/share/dict/british-english-large',
                 '/usr/share/dict/american-english-large')
# The shortest part a run-together word is split into: shorter ones make
# false words of true ones (dis balance, con vive, has her).
MIN_PART = 4
# A run-together word that starts with one of these is a derivative, not
# two words (intercommunity, undersong, foremilk), save self- and well-,
# which take a hyphen (self-control, well-being).
PREFIXES = frozenset('anti aero counter fore inter over self under well'.split())
HYPHENED = frozenset('self well'.split())
# Nor is one that ends with a suffix that is also a word (ladyhood,
# qualmishness, proctorship, goatling).
SUFFIXES = frozenset('hood ness ship ling dom ment wise ward'.split())
_TOKEN = re.compile(r"[A-Za-zÀ-ÿ]+(?:'[a-z]+)?")
_PARTS = re.compile(r"([ -])")
_LOWER_TOKEN = re.compile(r"[a-z]+")


class Unreadable(Exception):
    pass


def read_lists(paths: Iterable[str]) -> FrozenSet[str]:
    words: Set[str] = set()
    for path in paths:
        try:
            with open(path, encoding='utf-8') as text:
                words.update(line.strip() for line in text)
        except (OSError, UnicodeError) as error:
            raise Unreadable(f'cannot read the English word list {path}: {error} (install '
                             'the Debian packages wbritish-large and wamerican-large or give '
                             'another path)') from error
    words.discard('')
    return frozenset(words)


def counts(text: str) -> Counter[str]:
    """How often a text uses each English word, in lower case."""
    return collections.Counter(_LOWER_TOKEN.findall(text.lower()))


class Speller:
    """words: the word lists; allowed and never: the hand-kept lists of
    right words the lists lack and of words never shown (lower case);
    fixes: misspelling (lower case) -> right spelling; usage: how often
    the dictionary uses each English word, in lower case."""

    def __init__(self, words: FrozenSet[str], allowed: FrozenSet[str] = frozenset(),
                 fixes: Optional[Dict[str, str]] = None,
                 usage: Optional[Counter[str]] = None,
                 never: FrozenSet[str] = frozenset()):
        self.words = words
        self.lower = frozenset(word.lower() for word in words)
        self.allowed = allowed
        self.fixes = fixes or {}
        self.usage = usage or collections.Counter()
        self.never = never

    def known(self, token: str) -> bool:
        return token in self.words or token.lower() in self.lower or token.lower() in self.allowed

    def splits(self, token: str) -> List[str]:
        """The ways a token splits into two listed words."""
        result = []
        for cut in range(MIN_PART, len(token) - MIN_PART + 1):
            first, second = token[:cut], token[cut:]
            if not (self.known(first) and self.known(second)) or second.lower() in SUFFIXES:
                continue
            if first.lower() in PREFIXES:
                if first.lower() in HYPHENED:
                    result.append(first + '-' + second)
                continue
            result.append(first + ' ' + second)
        return result

    def _plural_first(self, way: str) -> bool:
        """Whether the first part is a plural (shoulders trap beside
        shoulder strap): the first part of a compound is mostly singular."""
        first = re.split('[ -]', way)[0]
        return first.endswith('s') and self.known(first[:-1])

    def _token(self, token: str) -> Optional[str]:
        if token.lower() in self.fixes:
            return self.fixes[token.lower()]
        if self.known(token):
            return token
        ways = self.splits(token)
        if not ways:
            return None
        return max(ways, key=lambda way: (not self._plural_first(way),
                                          min(self.usage.get(part.lower(), 0)
                                              for part in re.split('[ -]', way)), way))

    def correct(self, phrase: str) -> Optional[str]:
        """The phrase spelt right, or None when a word of it has no right
        spelling or is never shown. A hyphened word whose parts are not
        words of their own is written as one when the lists have it so
        (teen-ager: teenager)."""
        if phrase.lower() in self.fixes:
            phrase = self.fixes[phrase.lower()]
        pieces = _PARTS.split(phrase)
        result = []
        for piece in pieces:
            if piece in (' ', '-') or not piece:
                result.append(piece)
                continue
            fixed = self._token(piece) if _TOKEN.fullmatch(piece) else None
            if fixed is None:
                joined = phrase.replace('-', '')
                if '-' in phrase and ' ' not in phrase and self.known(joined):
                    return self._shown(joined)
                return None
            result.append(fixed)
        return self._shown(''.join(result))

    def _shown(self, phrase: str) -> Optional[str]:
        words = _TOKEN.findall(phrase) + phrase.split()
        if any(word.lower() in self.never for word in words):
            return None
        return phrase

    def unknown(self, gloss: str) -> List[str]:
        """The words of a gloss that are not spelt as the lists say; the
        field label in brackets is Russian."""
        return [token for token in _TOKEN.findall(re.sub(r'\([^()]*\)', ' ', gloss))
                if not self.known(token)]
