"""How common a noun is, judged from several texts at once.

Each text scores every noun by the forms it uses (ranking.py). The scores
are put on one scale by taking, per text, the logarithm of the score in
units of a word the text barely attests, weighted by how much the text
says about everyday Russian:

- spoken Russian (the subtitle frequency list) weighs most; its unit is a
  little under the count of its rarest listed form;
- the fortunes, colloquial but small, and the Mueller dictionary, whose
  specialist senses already count a quarter, weigh half;
- the thesaurus only shows that a word belongs to the general language.

A word is known when speech or the fortunes use it, or when both the
dictionary and the thesaurus list it; a word that only one reference work
lists is often a term of a trade (ЛИГНИТ, ТЕОДОЛИТ) and ranks below every
known word. A word is everyday when speech uses it.
"""

import math
from typing import Dict, Mapping, NamedTuple, Set

SPOKEN, FORTUNES, MUELLER, THESAURUS = 'spoken', 'fortunes', 'mueller', 'thesaurus'


class Weight(NamedTuple):
    weight: float
    unit: float


WEIGHTS = {
    SPOKEN: Weight(1.0, 100.0),
    FORTUNES: Weight(0.5, 1.0),
    MUELLER: Weight(0.5, 1.0),
    THESAURUS: Weight(0.3, 1.0),
}

# Lifts every known word above every other one on the common scale.
KNOWN_LEVEL = 100.0

Scores = Mapping[str, Mapping[str, float]]


def _attested(scores: Scores, text: str, word: str) -> bool:
    return scores[text].get(word, 0.0) >= WEIGHTS[text].unit


def is_everyday(scores: Scores, word: str) -> bool:
    return _attested(scores, SPOKEN, word)


def is_known(scores: Scores, word: str) -> bool:
    return (_attested(scores, SPOKEN, word) or _attested(scores, FORTUNES, word)
            or (_attested(scores, MUELLER, word) and _attested(scores, THESAURUS, word)))


def combined(scores: Scores) -> Dict[str, float]:
    """Every scored word -> its place on the common scale, known words
    KNOWN_LEVEL higher."""
    words: Set[str] = set().union(*(s.keys() for s in scores.values()))
    result = {}
    for word in words:
        level = sum(w.weight * math.log2(1 + scores[text].get(word, 0.0) / w.unit)
                    for text, w in WEIGHTS.items())
        # Rounded, so that the order in which shares were added up (sets
        # of owners) cannot reorder two equal words.
        result[word] = round(level + (KNOWN_LEVEL if is_known(scores, word) else 0.0), 9)
    return result
