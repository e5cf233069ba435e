"""Choosing the words of the base and their order.

Words are taken by score; one that the text uses less than once outside
specialist senses (MIN_SCORE) is not taken at all. A word of 9 or more
letters can be a game's source word and is taken on its score, unless fewer
than MIN_PLAYABLE words of the base can be made from it, which would make a
short game. A shorter word is only worth its line if it can be made from at
least MIN_SOURCES of the long words taken, since otherwise hardly any game
could use it.
"""

import random
import zlib
from typing import Dict, List

from .letters import LetterIndex

MIN_LENGTH = 2
MAX_LENGTH = 20
LONG_LENGTH = 9
MIN_SCORE = 1.0
MIN_SOURCES = 2
MIN_PLAYABLE = 10


class TooFewWords(Exception):
    pass


def is_long(word: str) -> bool:
    return len(word) >= LONG_LENGTH


def ranked(scores: Dict[str, float], noun_items: Dict[str, int]) -> List[str]:
    """Words of a usable length common enough to take, most common first.
    Ties, frequent in a small text, go to the word more often used as a
    translation by itself, then to the shorter word, then in a fixed
    scrambled order, so that no initial letter is favoured at the cut."""
    usable = [w for w, score in scores.items()
              if score >= MIN_SCORE and MIN_LENGTH <= len(w) <= MAX_LENGTH]
    return sorted(usable, key=lambda w: (-scores[w], -noun_items.get(w, 0), len(w),
                                         zlib.crc32(w.encode('utf-8')), w))


def _playable_shorts(ranking: List[str], sources: List[str]) -> List[str]:
    index = LetterIndex(sources)
    return [w for w in ranking
            if not is_long(w) and index.count_sources(w) >= MIN_SOURCES]


def _select_once(ranking: List[str], total: int, min_long: int) -> List[str]:
    # How many long words to take follows from the ranking itself: long
    # words and playable short words compete by score, playability judged
    # against a generous set of long words; then the short words are
    # checked again against the long words actually taken.
    longs = [w for w in ranking if is_long(w)]
    rank = {w: i for i, w in enumerate(ranking)}
    contenders = sorted(longs[:total] + _playable_shorts(ranking, longs[:total]),
                        key=rank.__getitem__)[:total]
    long_count = max(min_long, sum(map(is_long, contenders)))
    while True:
        sources = longs[:long_count]
        shorts = _playable_shorts(ranking, sources)[:total - long_count]
        if len(sources) == long_count and long_count + len(shorts) == total:
            break
        if long_count >= len(longs):
            raise TooFewWords(
                f'only {len(longs)} long and {len(shorts)} playable short words '
                f'for {total} lines with at least {min_long} long ones')
        # Too few short words: fill up with long ones, which in turn lets
        # more short words be played.
        long_count = total - len(shorts)
    return sorted(sources + shorts, key=rank.__getitem__)


def select(ranking: List[str], total: int, min_long: int) -> List[str]:
    """The total best words, at least min_long of them long, most common
    first."""
    while True:
        words = _select_once(ranking, total, min_long)
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
