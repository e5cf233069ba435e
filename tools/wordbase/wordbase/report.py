"""What a word base offers a player, measured on the base alone: its
source words, how much each of them leaves to play, how abstract they are,
how well it covers a list of everyday nouns, how many of its words the
hand-kept additions list gave, what the computer plays from it, what
changed against an earlier base, and how many of its words have an English
gloss."""

import collections
import random
import statistics
from typing import Dict, Iterable, List, Mapping, NamedTuple, Optional, Sequence

from . import simulation
from .letters import LetterIndex
from .nouns import base_form
from .selection import ABSTRACT_ENDINGS, is_abstract

LINES = 11031
SOURCE_MIN_EXCLUSIVE = 8
SAMPLES = 50
SAMPLE_SEED = 50
# The computer's games: the player passes every move.
GAMES = 1000
MOVES = 6
GAMES_SEED = 1
MOST_PLAYED = 40


class Coverage(NamedTuple):
    listed: int
    allowed: List[str]       # listed words some source word allows
    missing: List[str]       # of those, the ones the base lacks
    refused_per_game: float  # mean share of a game's allowed list words the base lacks


def read_vocabulary(lines: Iterable[str]) -> List[str]:
    """Words of a list, several to a line, "#" starting a comment line; in
    the base's form."""
    words = {base_form(word) for line in lines if not line.lstrip().startswith('#')
             for word in line.split()}
    return sorted(words)


def source_words(lines: Sequence[str]) -> List[str]:
    """The distinct words the game can draw: lines 1 to 11030 longer than 8
    letters (the last line is never drawn)."""
    return sorted({w for w in lines[:LINES - 1] if len(w) > SOURCE_MIN_EXCLUSIVE})


def playable(lines: Sequence[str], sources: List[str]) -> Dict[str, int]:
    """Source word -> how many other words of the base its letters make."""
    words = sorted(set(lines[:LINES]) - {''})
    index = LetterIndex(words)
    return {s: index.count_fitting(s) - 1 for s in sources}


def coverage(lines: Sequence[str], sources: List[str], vocabulary: List[str]) -> Coverage:
    base = set(lines[:LINES])
    index = LetterIndex(vocabulary)
    sources_index = LetterIndex(sources)
    allowed = [w for w in vocabulary if sources_index.count_sources(w) > 0]
    missing = [w for w in allowed if w not in base]
    lacking = LetterIndex(missing)
    shares = []
    for source in sources:
        fitting = index.count_fitting(source)
        if fitting:
            shares.append(lacking.count_fitting(source) / fitting)
    return Coverage(len(vocabulary), allowed, missing, statistics.mean(shares) if shares else 0.0)


def _sample(words: Iterable[str]) -> List[str]:
    words = sorted(words)
    return sorted(random.Random(SAMPLE_SEED).sample(words, min(SAMPLES, len(words))))


def format_plays(plays: simulation.Plays) -> List[str]:
    count = sum(plays.by_length.values())
    return [
        f"the computer's plays in {GAMES} seeded games of {MOVES} moves, the player "
        f"passing (seed {GAMES_SEED}): {count}",
        'plays by length: ' + ', '.join(f'{length}: {n} ({n / count:.1%})'
                                        for length, n in plays.by_length.items()),
        f'mean length of a play: {plays.mean_length:.2f} letters',
        f'{MOST_PLAYED} most played: ' + ' '.join(f'{word} {n}' for word, n in plays.most_played),
    ]


def format_report(lines: Sequence[str], vocabulary: List[str],
                  previous: Sequence[str] = (), added: Sequence[str] = ()) -> str:
    """added: the words of the additions list, as the list writes them."""
    sources = source_words(lines)
    counts = sorted(playable(lines, sources).values())
    abstract = sum(map(is_abstract, sources))
    cover = coverage(lines, sources, vocabulary)
    out = [
        f'lines: {len(lines)}',
        f'source words (lines 1-{LINES - 1} of 9+ letters): {len(sources)}',
        f'playable words per source word: minimum {counts[0] if counts else 0}, '
        f'median {statistics.median(counts) if counts else 0:g}',
        f'abstract derivatives ({" ".join("-" + e for e in ABSTRACT_ENDINGS)}) among source words: '
        f'{abstract} ({abstract / max(1, len(sources)):.1%})',
        f'everyday list: {cover.listed} words, {len(cover.allowed)} allowed by some source word, '
        f'{len(cover.allowed) - len(cover.missing)} of them in the base '
        f'({1 - len(cover.missing) / max(1, len(cover.allowed)):.1%})',
        f'everyday words refused per game, of those its source word allows: '
        f'{cover.refused_per_game:.2%}',
        f'missing everyday words: {" ".join(cover.missing)}',
        f'words from the additions list: {len(set(map(base_form, added)) & set(lines[:LINES]))} '
        f'of its {len(added)} in the base',
    ]
    out += format_plays(simulation.tally(simulation.simulate(lines, GAMES, MOVES, GAMES_SEED),
                                         MOST_PLAYED))
    if previous:
        now, before = set(lines[:LINES]), set(previous[:LINES])
        came, went = now - before, before - now
        out += [
            f'against the previous base: {len(came)} words came in, {len(went)} went out',
            f'in (sample of {min(SAMPLES, len(came))}): {" ".join(_sample(came))}',
            f'out (sample of {min(SAMPLES, len(went))}): {" ".join(_sample(went))}',
        ]
    return '\n'.join(out)


# The glosses: how many base words and everyday nouns have one, and a
# seeded sample for a reader to judge.
GLOSS_SAMPLES = 50
GLOSS_SEED = 29
# The words a reader of the glosses reads first: the most frequent in
# speech, and the most played by the computer.
REVIEW_SPOKEN = 3000
REVIEW_PLAYED = 300


def read_glosses(lines: Iterable[str]) -> Dict[str, str]:
    """The lines of wmgloss.txt: base word, a tab, its gloss."""
    result = {}
    for number, line in enumerate(lines, 1):
        word, tab, text = line.rstrip('\n').partition('\t')
        if not (tab and word and text):
            raise ValueError(f'line {number} is not a word, a tab and its gloss: {line!r}')
        result[word] = text
    return result


def format_glosses(lines: Sequence[str], glosses: Dict[str, str], vocabulary: List[str],
                   changed: Optional[int]) -> List[str]:
    base = set(lines[:LINES])
    everyday = [w for w in vocabulary if w in base]
    glossed = [w for w in everyday if w in glosses]
    out = [
        f'glosses: {len(base & glosses.keys())} of the {len(base)} base words '
        f'({len(base & glosses.keys()) / max(1, len(base)):.1%})',
        f'glosses of everyday nouns in the base: {len(glossed)} of {len(everyday)} '
        f'({len(glossed) / max(1, len(everyday)):.1%})',
        'everyday nouns without a gloss: ' + ' '.join(sorted(set(everyday) - set(glossed))),
    ]
    if changed is not None:
        out.append(f'glosses the hand-kept lists changed: {changed}')
    words = sorted(base & glosses.keys())
    sample = sorted(random.Random(GLOSS_SEED).sample(words, min(GLOSS_SAMPLES, len(words))))
    out.append(f'{len(sample)} glosses drawn with seed {GLOSS_SEED}, for a reader to judge:')
    out += [f'  {word}\t{glosses[word]}' for word in sample]
    return out


def spoken_counts(lines: Sequence[str], spoken: Mapping[str, int]) -> Dict[str, int]:
    """Base word -> how often speech uses its nominative (spelt with Е or
    Ё)."""
    counts: Dict[str, int] = collections.Counter()
    for form, count in spoken.items():
        counts[base_form(form)] += count
    return {word: counts.get(word, 0) for word in set(lines[:LINES])}


def review_list(lines: Sequence[str], glosses: Dict[str, str],
                spoken: Mapping[str, int]) -> List[str]:
    """The base words whose glosses readers check first, each with its
    gloss, "-" for none, and why it is listed: the REVIEW_SPOKEN most
    frequent in speech, then those of the REVIEW_PLAYED the computer
    plays most that are not among them."""
    counts = spoken_counts(lines, spoken)
    frequent = sorted((w for w in counts if counts[w]), key=lambda w: (-counts[w], w))
    frequent = frequent[:REVIEW_SPOKEN]
    plays = simulation.tally(simulation.simulate(lines, GAMES, MOVES, GAMES_SEED), REVIEW_PLAYED)
    out = [f'{w.lower()}\t{glosses.get(w, "-")}\tspeech {rank}'
           for rank, w in enumerate(frequent, 1)]
    listed = set(frequent)
    out += [f'{w.lower()}\t{glosses.get(w, "-")}\tplayed {n}'
            for w, n in plays.most_played if w not in listed]
    return out
