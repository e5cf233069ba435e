"""Scoring nouns by how common they are in a text.

Every inflected form in the text is credited to the lemmas that yield it
under the hunspell affix rules. A form that several words share (СТАЛИ of
СТАЛЬ and of СТАТЬ) is split in proportion to what each of them scores with
the forms that are its alone, so that a rare noun does not take half the
count of a frequent verb.
"""

import collections
from typing import Dict, List, Set, Tuple, Union

from . import hunspell, nouns
from .corpus import CorpusCounts, fold

Entry = Tuple[str, str]
Key = Union[str, Tuple[str, str]]

# Weight of a word that has no form of its own in the text.
PRIOR_FLOOR = 0.5

# Forms of pronouns and prepositions that the dictionary lists as nouns
# only ("о ком", "о том", "под").
FUNCTION_FORMS = frozenset('ком том под'.split())


def noun_scores(entries: List[Entry],
                rules: Dict[str, List[hunspell.SuffixRule]],
                counts: CorpusCounts) -> Dict[str, float]:
    """Base form (capitals, Е for Ё) of every noun lemma -> its score."""
    articles = counts.articles
    words = [(stem, flags) for stem, flags in entries if nouns.is_plain_word(stem)]

    def forms(stem: str, flags: str) -> Set[str]:
        return {fold(form) for form in hunspell.expand(stem, flags, rules)} if flags else set()

    # Each entry's forms under its noun flags and under its other flags
    # (ЗНАТЬ is both a noun and a verb), as far as the text holds them.
    expanded = []
    for stem, flags in words:
        declension = forms(stem, ''.join(f for f in flags if f in nouns.NOUN_FLAGS))
        other = forms(stem, ''.join(f for f in flags if f not in nouns.NOUN_FLAGS))
        expanded.append((stem, declension & articles.keys(), other & articles.keys()))
    lemmas = set(nouns.noun_lemmas(words, counts))

    owners: Dict[str, Set[Key]] = collections.defaultdict(set)
    for stem, declension, other in expanded:
        noun = stem in lemmas
        for form in declension:
            owners[form].add(nouns.base_form(stem) if noun else ('other', fold(stem)))
        for form in other:
            owners[form].add(('other', fold(stem)))
    # A flagless entry is one form on its own (КОМУ of КТО, ЛЮДЕЙ of ЛЮДИ):
    # it keeps its whole count as the weight of its claim.
    prior: Dict[Key, float] = collections.defaultdict(float)
    for stem, flags in words:
        form = fold(stem)
        if not flags and form in articles:
            claim = nouns.base_form(stem) if stem in lemmas else ('other', form)
            owners[form].add(claim)
            prior[claim] = articles[form]
    for form in FUNCTION_FORMS & articles.keys():
        owners[form].add(('function', form))
        prior[('function', form)] = articles[form]
    for form, keys in owners.items():
        if len(keys) == 1:
            (only,) = keys
            prior[only] += articles[form]

    scores = {nouns.base_form(stem): 0.0 for stem in lemmas}
    for form, keys in owners.items():
        weights = {k: prior[k] + PRIOR_FLOOR for k in keys}
        total = sum(weights.values())
        for k, weight in weights.items():
            if isinstance(k, str):
                scores[k] += articles[form] * weight / total
    return scores
