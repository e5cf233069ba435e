"""Morphological analyses from Apertium's Russian dictionaries.

Debian's Apertium language pairs carry compiled Russian analysers
(rus-ukr.automorf.bin, rus-bel.automorf.bin); lttoolbox's lt-proc reads a
word per line and writes its readings, for example

    ^сутки/сутки<n><f><nn><pl><nom>/сутки<n><f><nn><pl><acc>$
    ^стулья/стул<n><m><nn><pl><nom>/стул<n><m><nn><pl><acc>$
    ^ваш/ваш<det><pos><m><an><sg><nom>$
    ^сани/*сани$            (unknown)

A noun whose lemma is itself a plural (сутки) has no singular; a plural
whose lemma is another word (стулья of стул) is an ordinary plural.
"""

import re
import subprocess
from typing import Dict, FrozenSet, Iterable, List, NamedTuple, Tuple

from .corpus import fold

_ANALYSIS = re.compile(r'\^([^/$]*)/([^$]*)\$')
_TAG = re.compile(r'<([^>]+)>')
# Homonym marks on lemmas (ворот¹).
_LEMMA_MARKS = str.maketrans('', '', '¹²³⁴⁵⁶⁷⁸⁹')


class Reading(NamedTuple):
    lemma: str
    tags: Tuple[str, ...]


Analyses = Dict[str, FrozenSet[Reading]]


class AnalyserMissing(Exception):
    pass


def parse(output: str) -> Analyses:
    """Readings per folded word from lt-proc's output; unknown words have
    none."""
    readings: Dict[str, set] = {}
    for word, rest in _ANALYSIS.findall(output):
        found = readings.setdefault(fold(word), set())
        for analysis in rest.split('/'):
            if analysis.startswith('*'):
                continue
            lemma = analysis.split('<', 1)[0].translate(_LEMMA_MARKS)
            found.add(Reading(fold(lemma), tuple(_TAG.findall(analysis))))
    return {word: frozenset(found) for word, found in readings.items()}


def analyse(words: Iterable[str], transducers: List[str]) -> Analyses:
    """The readings every analyser gives each word, pooled."""
    text = '\n'.join(sorted(set(words))) + '\n'
    pooled: Dict[str, FrozenSet[Reading]] = {}
    for path in transducers:
        try:
            run = subprocess.run(['lt-proc', path], input=text, capture_output=True,
                                 text=True, check=True)
        except FileNotFoundError as error:
            raise AnalyserMissing('cannot run lt-proc (install the Debian package lttoolbox)') from error
        except subprocess.CalledProcessError as error:
            raise AnalyserMissing(f'lt-proc failed on {path}: {error.stderr.strip()}') from error
        for word, found in parse(run.stdout).items():
            pooled[word] = pooled.get(word, frozenset()) | found
    return pooled


def is_noun(reading: Reading) -> bool:
    return reading.tags[:1] == ('n',)


def plural_lemma(word: str, analyses: Analyses) -> bool:
    """Whether a word is the lemma of a noun used only in the plural; an
    indeclinable noun (такси) is its own lemma in both numbers and so has
    a nominative singular too."""
    own = [r.tags for r in analyses.get(word, ()) if is_noun(r) and r.lemma == word]
    return (any('pl' in tags and 'nom' in tags for tags in own)
            and not any('sg' in tags and 'nom' in tags for tags in own))


def plural_of_another(word: str, analyses: Analyses) -> bool:
    """Whether a word is known only as the plural of some other noun."""
    readings = analyses.get(word, frozenset())
    plurals = [r for r in readings if is_noun(r) and 'pl' in r.tags and 'nom' in r.tags]
    return bool(plurals) and all(r.lemma != word for r in plurals)


def not_a_noun(word: str, analyses: Analyses) -> bool:
    """Whether the analysers know the word, but never as a noun."""
    readings = analyses.get(word, frozenset())
    return bool(readings) and not any(is_noun(r) for r in readings)
