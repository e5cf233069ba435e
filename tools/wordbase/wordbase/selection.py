"""Choosing the words of the base and their order.

Words are taken by score; one scoring less than MIN_SCORE (on the common
scale, a single article of the Mueller dictionary) is not taken at all.
A word of 9 or more letters can be a game's source word and is taken on
its score, unless fewer than MIN_PLAYABLE words of the base can be made
from it, which would make a short game. Among the source words, abstract
derivatives (-НИЕ, -ОСТЬ, -СТВО...) may take only a share: a game should
start from a thing a player can picture. A shorter word is worth its line
when it can be made from at least MIN_SOURCES of the long words taken,
since otherwise hardly any game could use it; a common word, or a known
one where the rules name them, needs only one, since a player who meets
it in that one game expects it to count. Where the rules name the known
words, those come first, even the ones no long word makes: such a line
harms no game, while an obscure word the computer plays against the
player does.
"""

import math
import random
import zlib
from typing import Dict, FrozenSet, List, NamedTuple, Optional

from .letters import LetterIndex

MIN_LENGTH = 2
MAX_LENGTH = 20
LONG_LENGTH = 9
MIN_SCORE = 0.5
MIN_SOURCES = 2
MIN_PLAYABLE = 15

ABSTRACT_ENDINGS = ('НИЕ', 'ТИЕ', 'НЬЕ', 'ОСТЬ', 'СТВО', 'СТВИЕ', 'ИЗМ')


class TooFewWords(Exception):
    pass


def is_long(word: str) -> bool:
    return len(word) >= LONG_LENGTH


def is_abstract(word: str) -> bool:
    """An abstract derivative by its suffix: a state, quality or action
    (ДОЛЖЕНСТВОВАНИЕ, НОСКОСТЬ, ГЕРОИЗМ, ВЕСЕЛЬЕ, ДЕЙСТВИЕ)."""
    return word.endswith(ABSTRACT_ENDINGS)


def capped_sources(longs: List[str], count: int, max_abstract: Optional[float]) -> List[str]:
    """The first count long words in rank order, with abstract ones only
    while they stay within max_abstract of the count."""
    if max_abstract is None:
        return longs[:count]
    allowed = math.floor(max_abstract * count)
    taken = []
    for word in longs:
        if len(taken) == count:
            break
        if is_abstract(word):
            if not allowed:
                continue
            allowed -= 1
        taken.append(word)
    return taken


def _most_sources(longs: List[str], max_abstract: Optional[float]) -> int:
    """How many long words the cap on abstract ones lets be taken at most."""
    if max_abstract is None:
        return len(longs)
    concrete = sum(not is_abstract(w) for w in longs)
    abstract = len(longs) - concrete
    count = concrete
    while count < len(longs) and concrete + min(abstract, math.floor(max_abstract * (count + 1))) > count:
        count += 1
    return count


class Rules(NamedTuple):
    """The choices beyond score: common words need only one long word to be
    made from; known words take lines before all others, even when no long
    word makes them (without known words such lines stay empty), and the
    words less surely known (listed) take lines before the rest; at most
    max_abstract of the long words are abstract derivatives."""
    common: FrozenSet[str] = frozenset()
    known: Optional[FrozenSet[str]] = None
    max_abstract: Optional[float] = None
    listed: FrozenSet[str] = frozenset()


def ranked(scores: Dict[str, float], noun_items: Dict[str, int]) -> List[str]:
    """Words of a usable length common enough to take, most common first.
    Ties, frequent in a small text, go to the word more often used as a
    translation by itself, then to the shorter word, then in a fixed
    scrambled order, so that no initial letter is favoured at the cut."""
    usable = [w for w, score in scores.items()
              if score >= MIN_SCORE and MIN_LENGTH <= len(w) <= MAX_LENGTH]
    return sorted(usable, key=lambda w: (-scores[w], -noun_items.get(w, 0), len(w),
                                         zlib.crc32(w.encode('utf-8')), w))


def _playable_shorts(ranking: List[str], sources: List[str], rules: Rules) -> List[str]:
    index = LetterIndex(sources)
    return [w for w in ranking if not is_long(w)
            and index.count_sources(w) >= (1 if w in rules.common or w in (rules.known or ())
                                           else MIN_SOURCES)]


def _shorts(ranking: List[str], sources: List[str], rules: Rules, count: int) -> List[str]:
    """Up to count short words: the playable ones in rank order; given the
    known words, the known ones first, playable before unplayable, then
    the others the same way, everyday words and then listed ones first
    each time."""
    playable = _playable_shorts(ranking, sources, rules)
    if rules.known is None:
        return playable[:count]
    playing = set(playable)
    shorts = [w for w in ranking if not is_long(w)]
    order = sorted(shorts, key=lambda w: (w not in rules.known, w not in playing,
                                          w not in rules.common, w not in rules.listed))
    return order[:count]


def _select_once(ranking: List[str], total: int, min_long: int, rules: Rules) -> List[str]:
    # How many long words to take follows from the ranking itself: long
    # words and playable short words compete by score, playability judged
    # against a generous set of long words; then the short words are
    # checked again against the long words actually taken.
    longs = [w for w in ranking if is_long(w)]
    rank = {w: i for i, w in enumerate(ranking)}
    generous = capped_sources(longs, total, rules.max_abstract)
    contenders = sorted(generous + _playable_shorts(ranking, generous, rules),
                        key=rank.__getitem__)[:total]
    most = _most_sources(longs, rules.max_abstract)
    long_count = min(most, max(min_long, sum(map(is_long, contenders))))
    if rules.known is not None:
        # A line the known short words leave goes to a known long word
        # rather than to a word less surely known.
        known_shorts = sum(not is_long(w) and w in rules.known for w in ranking)
        long_count = min(most, max(long_count, total - known_shorts))
    while True:
        sources = capped_sources(longs, long_count, rules.max_abstract)
        shorts = _shorts(ranking, sources, rules, total - long_count)
        if long_count >= min_long and long_count + len(shorts) == total:
            break
        if long_count >= most:
            raise TooFewWords(
                f'only {len(longs)} long and {len(shorts)} playable short words '
                f'for {total} lines with at least {min_long} long ones')
        # Too few short words: fill up with long ones, which in turn lets
        # more short words be played.
        long_count = min(most, max(min_long, total - len(shorts)))
    return sorted(sources + shorts, key=rank.__getitem__)


def select(ranking: List[str], total: int, min_long: int, rules: Rules = Rules()) -> List[str]:
    """The total best words, at least min_long of them long, most common
    first."""
    while True:
        words = _select_once(ranking, total, min_long, rules)
        index = LetterIndex(words)
        poor = {w for w in words
                if is_long(w) and index.count_fitting(w) - 1 < MIN_PLAYABLE}
        if not poor:
            return words
        ranking = [w for w in ranking if w not in poor]


def shuffled(words: List[str], seed: int) -> List[str]:
    """The words in a fixed pseudo-random order, so that lengths mix
    evenly through the file and the computer's first find varies."""
    order = list(words)
    random.Random(seed).shuffle(order)
    return order
