"""Scoring nouns by how common they are in a text.

Every inflected form in the text is credited to the lemmas that yield it
under the hunspell affix rules. A form that several words share (СТАЛИ of
СТАЛЬ and of СТАТЬ) is split in proportion to what each of them scores with
the forms that are its alone, so that a rare noun does not take half the
count of a frequent verb.
"""

import collections
from typing import Collection, Dict, Iterable, List, Mapping, NamedTuple, Set, Tuple, Union

from . import hunspell, nouns
from .corpus import CorpusCounts, fold

Entry = Tuple[str, str]
Key = Union[str, Tuple[str, str]]

# Weight of a word that has no form of its own in the text.
PRIOR_FLOOR = 0.5

# Forms of pronouns and prepositions that the dictionary lists as nouns
# only ("о ком", "о том", "под").
FUNCTION_FORMS = frozenset('ком том под'.split())


class Claims(NamedTuple):
    """Who may have used each form of a text: noun lemmas by their base
    form, other words as ('other', stem). A flagless entry that is a word of
    its own (КОМУ of КТО) claims its form with its whole count."""
    owners: Dict[str, Set[Key]]
    whole: Dict[str, Key]
    nouns: Set[str]


def build_claims(entries: List[Entry], rules: Dict[str, List[hunspell.SuffixRule]],
                 lemmas: Collection[str], declined: Mapping[str, Set[str]],
                 forms_seen: Collection[str], names: Iterable[Entry] = ()) -> Claims:
    """The claims on the forms of forms_seen. lemmas are the noun stems
    declined by their flags or standing alone; declined maps flagless noun
    stems to their case forms, which then claim nothing for themselves.
    names are the dictionary's names (Франция), whose forms the lower-case
    subtitles share with nouns (франции, of the element ФРАНЦИЙ too)."""
    words = [(stem, flags) for stem, flags in entries if nouns.is_plain_word(stem)]
    lemmas = set(lemmas) | set(declined)
    forms_seen = set(forms_seen)

    def forms(stem: str, flags: str) -> Set[str]:
        if not flags:
            return set()
        return {fold(form) for form in hunspell.expand(stem, flags, rules)} & forms_seen

    owners: Dict[str, Set[Key]] = collections.defaultdict(set)
    # Each entry's forms under its noun flags and under its other flags
    # (ЗНАТЬ is both a noun and a verb).
    for stem, flags in words:
        noun = stem in lemmas
        own = nouns.base_form(stem) if noun else ('other', fold(stem))
        for form in forms(stem, ''.join(f for f in flags if f in nouns.NOUN_FLAGS)):
            owners[form].add(own)
        for form in forms(stem, ''.join(f for f in flags if f not in nouns.NOUN_FLAGS)):
            owners[form].add(('other', fold(stem)))
    for stem, flags in names:
        for form in forms(stem, flags) | ({fold(stem)} & forms_seen):
            owners[form].add(('name', fold(stem)))
    for stem, case_forms in declined.items():
        for form in case_forms & forms_seen:
            owners[form].add(nouns.base_form(stem))
    taken = set().union(*declined.values()) if declined else set()
    whole: Dict[str, Key] = {}
    for stem, flags in words:
        form = fold(stem)
        if not flags and form in forms_seen and (stem in lemmas or form not in taken):
            whole[form] = nouns.base_form(stem) if stem in lemmas else ('other', form)
            owners[form].add(whole[form])
    for form in FUNCTION_FORMS & forms_seen:
        whole[form] = ('function', form)
        owners[form].add(whole[form])
    return Claims(dict(owners), whole, {nouns.base_form(stem) for stem in lemmas})


def split_scores(claims: Claims, counts: Mapping[str, float]) -> Dict[str, float]:
    """Base form of every noun lemma -> its share of the counted forms."""
    prior: Dict[Key, float] = collections.defaultdict(float)
    for form, key in claims.whole.items():
        prior[key] = counts.get(form, 0)
    for form, keys in claims.owners.items():
        if len(keys) == 1:
            (only,) = keys
            prior[only] += counts.get(form, 0)
    scores = {noun: 0.0 for noun in claims.nouns}
    for form, keys in claims.owners.items():
        count = counts.get(form, 0)
        if not count:
            continue
        weights = {k: prior[k] + PRIOR_FLOOR for k in keys}
        total = sum(weights.values())
        for k, weight in weights.items():
            if isinstance(k, str):
                scores[k] += count * weight / total
    return scores


def noun_scores(entries: List[Entry],
                rules: Dict[str, List[hunspell.SuffixRule]],
                counts: CorpusCounts) -> Dict[str, float]:
    """Base form (capitals, Е for Ё) of every noun lemma -> its score in
    the Mueller text."""
    words = [(stem, flags) for stem, flags in entries if nouns.is_plain_word(stem)]
    lemmas = nouns.noun_lemmas(words, counts)
    claims = build_claims(words, rules, lemmas, {}, counts.articles.keys())
    return split_scores(claims, counts.articles)


def whole_scores(words: Mapping[str, Set[str]], counts: Mapping[str, float]) -> Dict[str, float]:
    """Base form of each stem -> the whole count of its forms. For the
    plural-only nouns: ЧАСЫ keeps every "часы" of the text, though each is
    also a form of ЧАС, since the clock is what speech means by it far
    more often than hours."""
    return {nouns.base_form(stem): float(sum(counts.get(form, 0) for form in forms))
            for stem, forms in words.items()}


def headword_scores(words: Collection[str], counts: Mapping[str, float]) -> Dict[str, float]:
    """Base form of each word -> the count of that very form. For the
    texts that list words by their dictionary form (a thesaurus, the
    learners' dictionaries), where "сметана" is the noun and never the
    participle of СМЕТАТЬ."""
    return {word: float(counts.get(word.lower(), 0)) for word in words}
