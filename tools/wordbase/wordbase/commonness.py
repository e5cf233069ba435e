"""How common a noun is, judged from several texts at once.

Each text scores every noun by the forms it uses (ranking.py). The scores
are put on one scale by taking, per text, the logarithm of the score in
units of a word the text barely attests, weighted by how much the text
says about everyday Russian:

- spoken Russian (the subtitle frequency list) weighs most; its unit is a
  little under the count of its rarest listed form;
- the fortunes, colloquial but small, and the Mueller dictionary, whose
  specialist senses already count a quarter, weigh half;
- the learners' dictionaries count how many of them give the word, and
  the web word list how many of its forms it holds; both weigh half too;
- the thesaurus only shows that a word belongs to the general language.

Besides speech, each work vouches for a word: the fortunes, the Mueller
dictionary, the thesaurus, the learners' dictionaries and the web word
list. A word is known when speech uses it, or when web text uses it and
three works vouch for it, or two if the web list holds several of its
forms. A word is listed, known less surely, when web text uses it and
two works vouch for it; the terms of science and of trades (ГАЛЛИЙ,
ЛЕКСЕМА, ДИУРЕЗ) are often no more than that. A word that only one
reference work lists (ЛИГНИТ, ТЕОДОЛИТ) ranks below them all. Speech
alone does not make a name known: the subtitles write КЛАРК and ВИКТОРИЯ
in lower case too, so a word that the learners' dictionaries give as a
name, or that web text writes only with a capital, needs a work to vouch
for it as well. The learners' dictionaries hold many terms of science
(ЛОУРЕНСИЙ is in all of them), so they vouch once however many agree.

A word is everyday when speech uses it, or when the learners'
dictionaries agree on it and web text uses it (ГРЕЧКА, СМЕТАНА, РЕДИС
are rare in film dialogue). A word is current, fit to be a game's
source word, when speech uses it, or when web text uses several of its
forms and three works vouch for it.
"""

import math
from typing import AbstractSet, Dict, Mapping, NamedTuple, Set

SPOKEN, FORTUNES, MUELLER, THESAURUS, LEARNERS, WEB = (
    'spoken', 'fortunes', 'mueller', 'thesaurus', 'learners', 'web')
# The texts that list words by their dictionary form.
HEADWORD_TEXTS = (THESAURUS, LEARNERS)


class Weight(NamedTuple):
    weight: float
    unit: float


WEIGHTS = {
    SPOKEN: Weight(1.0, 100.0),
    FORTUNES: Weight(0.5, 1.0),
    MUELLER: Weight(0.5, 1.0),
    THESAURUS: Weight(0.3, 1.0),
    LEARNERS: Weight(0.5, 1.0),
    WEB: Weight(0.5, 1.0),
}

# How many learners' dictionaries must agree on a word for it to be
# everyday.
AGREEING = 3
# What makes a word current without speech: forms in the web list and
# works vouching for it.
CURRENT_FORMS = 2.0
CURRENT_VOUCHERS = 3

# How much the Mueller dictionary or the thesaurus must use a word that the
# learners' dictionaries give only as a name for it to count as a common
# word too.
NAME_VOUCHING = 2.0

# Lift every known word above every other one on the common scale, and
# the listed ones above the rest.
KNOWN_LEVEL = 100.0
LISTED_LEVEL = 50.0

Scores = Mapping[str, Mapping[str, float]]


def _attested(scores: Scores, text: str, word: str) -> bool:
    return scores[text].get(word, 0.0) >= WEIGHTS[text].unit


def _learners(scores: Scores, word: str) -> float:
    return scores[LEARNERS].get(word, 0.0) if LEARNERS in scores else 0.0


def vouchers(scores: Scores, word: str) -> int:
    """How many reference works, speech aside, stand for a word."""
    learners = _learners(scores, word)
    return (sum(_attested(scores, text, word) for text in (FORTUNES, MUELLER, THESAURUS, WEB)
                if text in scores)
            + (learners >= WEIGHTS[LEARNERS].unit))


def is_everyday(scores: Scores, word: str) -> bool:
    return _attested(scores, SPOKEN, word) or (_learners(scores, word) >= AGREEING
                                               and WEB in scores and _attested(scores, WEB, word))


def is_listed(scores: Scores, word: str) -> bool:
    """Whether the web list and another work vouch for a word: known
    less surely than a known word."""
    return (WEB not in scores or _attested(scores, WEB, word)) and vouchers(scores, word) >= 2


def is_known(scores: Scores, word: str, names: AbstractSet[str] = frozenset()) -> bool:
    """names: words that are also names (base form), which speech alone
    does not vouch for."""
    others = vouchers(scores, word)
    web = scores[WEB].get(word, 0.0) if WEB in scores else CURRENT_FORMS
    return ((web >= WEIGHTS[WEB].unit and others >= 3)
            or (web >= CURRENT_FORMS and others >= 2)
            or (_attested(scores, SPOKEN, word) and (others >= 1 or word not in names)))


def is_name_first(scores: Scores, word: str, given_names: AbstractSet[str]) -> bool:
    """Whether a player reads a word first as a name: the learners'
    dictionaries give it as a name and never for a common noun, and neither
    the Mueller dictionary nor the thesaurus makes much use of it
    (МАКСИМ, ВИКТОРИЯ, ЦЕЗАРЬ; not ИУДА, which the thesaurus lists for a
    traitor)."""
    return (word in given_names and not _learners(scores, word)
            and all(scores[text].get(word, 0.0) < NAME_VOUCHING
                    for text in (MUELLER, THESAURUS) if text in scores))


def is_current(scores: Scores, word: str, names: AbstractSet[str] = frozenset()) -> bool:
    spoken = _attested(scores, SPOKEN, word) and (vouchers(scores, word) >= 1 or word not in names)
    web = scores[WEB].get(word, 0.0) if WEB in scores else 0.0
    return spoken or (web >= CURRENT_FORMS and vouchers(scores, word) >= CURRENT_VOUCHERS)


def combined(scores: Scores, names: AbstractSet[str] = frozenset()) -> Dict[str, float]:
    """Every scored word -> its place on the common scale, known words
    KNOWN_LEVEL higher."""
    words: Set[str] = set().union(*(s.keys() for s in scores.values()))
    result = {}
    for word in words:
        level = sum(w.weight * math.log2(1 + scores[text].get(word, 0.0) / w.unit)
                    for text, w in WEIGHTS.items() if text in scores)
        # Rounded, so that the order in which shares were added up (sets
        # of owners) cannot reorder two equal words.
        if is_known(scores, word, names):
            level += KNOWN_LEVEL
        elif is_listed(scores, word):
            level += LISTED_LEVEL
        result[word] = round(level, 9)
    return result
