"""How the word base plays: source words drawn the way the game draws
them, and how many words each of them leaves to play."""

import random
import statistics
from typing import List, NamedTuple

from .letters import LetterIndex

# The game draws among lines longer than this.
SOURCE_MIN_EXCLUSIVE = 8


def draw_source(lines: List[str], rng: random.Random) -> str:
    """Line int(r * len(lines)) (1-based), drawn again until it is longer
    than 8 letters; a draw of 0 reads no line and so is drawn again too."""
    while True:
        number = int(rng.random() * len(lines))
        if number > 0 and len(lines[number - 1]) > SOURCE_MIN_EXCLUSIVE:
            return lines[number - 1]


class PlayStats(NamedTuple):
    median: float
    minimum: int
    poorest: str


def playable_stats(lines: List[str], draws: int, seed: int) -> PlayStats:
    """Median and minimum number of words of the base, other than the
    source word itself, that fit drawn source words."""
    rng = random.Random(seed)
    index = LetterIndex(lines)
    counts = {}
    drawn = [draw_source(lines, rng) for _ in range(draws)]
    for source in set(drawn):
        counts[source] = index.count_fitting(source) - 1
    poorest = min(drawn, key=lambda s: (counts[s], s))
    return PlayStats(statistics.median(counts[s] for s in drawn), counts[poorest], poorest)
