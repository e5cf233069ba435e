"""The computer's plays, simulated the way the game makes them.

Each game draws its source word as the game does and then lets the
computer move while the player passes: every move starts after a random
line s (0 to 4999) and plays the first word after it that the source
word's letters make and that was not played yet; when lines s + 1 to 11030
hold none, the game ends, and line 11031 is still tested. The random
numbers are those of the game's own seeded source (SeededRandom:
std::mt19937_64, reseeded for every game from the seed and the number of
games so far, the top 53 bits of each number scaled to [0, 1)), so a
seed gives the very games the engine plays.
"""

from typing import Dict, List, NamedTuple, Sequence

from .letters import LetterIndex

LINES = 11031
START_LINES = 5000
MIN_SOURCE = 9
MAX_SOURCE = 20

_MASK = (1 << 64) - 1
_LOWER = (1 << 31) - 1
_UPPER = _MASK ^ _LOWER
_GOLDEN = 0x9E3779B97F4A7C15


class Mt19937_64:
    """The 64-bit Mersenne Twister of the C++ standard library."""

    def __init__(self, seed: int) -> None:
        self.seed(seed)

    def seed(self, value: int) -> None:
        state = [value & _MASK]
        for i in range(1, 312):
            previous = state[-1]
            state.append((6364136223846793005 * (previous ^ (previous >> 62)) + i) & _MASK)
        self._state = state
        self._index = 312

    def _twist(self) -> None:
        state = self._state
        for i in range(312):
            x = (state[i] & _UPPER) | (state[(i + 1) % 312] & _LOWER)
            shifted = x >> 1
            if x & 1:
                shifted ^= 0xB5026F5AA96619E9
            state[i] = state[(i + 156) % 312] ^ shifted
        self._index = 0

    def next(self) -> int:
        if self._index >= 312:
            self._twist()
        y = self._state[self._index]
        self._index += 1
        y ^= (y >> 29) & 0x5555555555555555
        y ^= (y << 17) & 0x71D67FFFEDA60000
        y ^= (y << 37) & 0xFFF7EEE000000000
        y ^= y >> 43
        return y & _MASK


class SeededRandom:
    """The game's reproducible random source."""

    def __init__(self, seed: int) -> None:
        self._seed = seed
        self._reseeds = 0
        self._engine = Mt19937_64(seed)

    def reseed(self) -> None:
        self._reseeds += 1
        self._engine.seed((self._seed + self._reseeds * _GOLDEN) & _MASK)

    def random(self) -> float:
        return (self._engine.next() >> 11) * 2.0 ** -53


class Game(NamedTuple):
    source: str
    plays: List[str]


def draw_source(lines: Sequence[str], rng: SeededRandom) -> str:
    """Reseeds, then draws line int(r × 11031) until it has 9 to 20
    letters; a draw of 0 reads no line. Line 11031 is never drawn."""
    rng.reseed()
    while True:
        number = int(rng.random() * LINES)
        if number > 0 and MIN_SOURCE <= len(lines[number - 1]) <= MAX_SOURCE:
            return lines[number - 1]


def play_game(lines: Sequence[str], index: LetterIndex, rng: SeededRandom, moves: int) -> Game:
    """A game in which the player passes every move, until the computer
    has moved moves times or the game has ended. index indexes lines."""
    source = draw_source(lines, rng)
    fitting = [i + 1 for i in index.fitting(source) if lines[i]]
    played = {source}
    plays: List[str] = []
    for _ in range(moves):
        start = int(rng.random() * START_LINES)
        number = next((n for n in fitting if n > start and lines[n - 1] not in played), None)
        if number is None:
            break
        played.add(lines[number - 1])
        plays.append(lines[number - 1])
        if number == LINES:
            break
    return Game(source, plays)


def simulate(lines: Sequence[str], games: int, moves: int, seed: int) -> List[Game]:
    """games games of at most moves moves each, from one seeded source."""
    lines = list(lines[:LINES]) + [''] * (LINES - len(lines))
    index = LetterIndex(lines)
    rng = SeededRandom(seed)
    return [play_game(lines, index, rng, moves) for _ in range(games)]


class Plays(NamedTuple):
    by_length: Dict[int, int]
    mean_length: float
    most_played: List[tuple]  # (word, times), most played first


def tally(games: Sequence[Game], top: int) -> Plays:
    words = [w for game in games for w in game.plays]
    by_length: Dict[int, int] = {}
    times: Dict[str, int] = {}
    for word in words:
        by_length[len(word)] = by_length.get(len(word), 0) + 1
        times[word] = times.get(word, 0) + 1
    mean = sum(map(len, words)) / len(words) if words else 0.0
    most = sorted(times.items(), key=lambda item: (-item[1], item[0]))[:top]
    return Plays(dict(sorted(by_length.items())), mean, most)
