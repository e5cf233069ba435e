"""Telling common nouns in the nominative singular among hunspell entries,
and the nouns used only in the plural in their nominative plural.

In the Russian hunspell dictionary the suffix flags are declension classes.
Nouns carry F, G, J, K, N (stem = nominative singular), H and I (feminine
nouns in -а/-я; a few stems are variant instrumental forms in -ей/-ой), O
(irregular nouns, whose stems also include plural forms and possessive
adjectives in -ий) and E (shared by nouns in -я/-ь and comparatives of
adjectives). Indeclinable and irregular nouns (КОФЕ, ВРЕМЯ, ПУТЬ) have no
flags at all; those are taken when the Mueller dictionary uses them as the
translation of an English noun. Nouns with a fleeting or stressed vowel (ПЁС,
ЛЁД, ЁЖ) have no flags either: the dictionary lists each of their case forms
as an entry of its own (пса, псом, псы/O), and those forms tell them.
"""

import collections
import re
from typing import Collection, Counter, Dict, Iterable, List, Mapping, NamedTuple, Set, Tuple

from . import apertium, hunspell
from .corpus import CorpusCounts, fold

NOUN_FLAGS = frozenset('EFGHIJKNO')
_PLAIN_NOUN_FLAGS = frozenset('FGJKN')
_LOWER_CYRILLIC = re.compile(r'[а-яё]+')
_NAME = re.compile(r'[А-ЯЁ][а-яё]+')
_VOWELS = frozenset('аеёиоуыэюя')

# How often a flagless entry must stand alone as a noun translation.
MIN_NOUN_ITEMS = 2
# How many learners' dictionaries must agree that a flagless entry, a
# plural or an adjective is a noun of its own.
AGREEING = 3

# Words a family game does without: obscene, vulgar and crude words and
# ethnic or sexual slurs (some of them also have a harmless sense).
EXCLUDED = frozenset('''
    блевотина блядь говно дерьмо жид жидовка жопа задница кацап курва минет
    москаль мастурбация мразь негр негритенок негритянка онанизм онанист отсос
    падло педераст педерастия попа попка порнуха потаскуха потаскушка
    сволочь сиська сися сопляк стерва сука сучка титька ублюдок хер хохол
    чурка шалава шлюха шлюшка
'''.split())

# Closed-class words that the dictionary declines like nouns or that the
# Mueller dictionary uses in noun senses: numerals, pronouns, adverbs.
NOT_NOUNS = frozenset('''
    пять шесть семь восемь девять десять одиннадцать двенадцать тринадцать
    четырнадцать пятнадцать шестнадцать семнадцать восемнадцать
    девятнадцать двадцать тридцать сорок пятьдесят шестьдесят семьдесят
    восемьдесят девяносто сто двести триста четыреста пятьсот шестьсот
    семьсот восемьсот девятьсот двое трое четверо пятеро шестеро семеро
    весь тот то это нечто ничто много немного мало наконец завтра
'''.split())


def base_form(word: str) -> str:
    """A word as the word base stores it: capitals, Ё written as Е."""
    return word.replace('ё', 'е').replace('Ё', 'Е').upper()


def is_plain_word(stem: str) -> bool:
    """A common word of Russian letters only: no capital (names,
    abbreviations), no hyphen, no digit or Latin letter, and a vowel."""
    return (_LOWER_CYRILLIC.fullmatch(stem) is not None
            and any(ch in _VOWELS for ch in stem))


def is_name(stem: str) -> bool:
    """A name of the dictionary: a capital, then small letters (Франция)."""
    return _NAME.fullmatch(stem) is not None


def is_excluded(stem: str) -> bool:
    return fold(stem) in EXCLUDED or fold(stem) in NOT_NOUNS


def declined_noun(stem: str, flags: str) -> bool:
    """Whether a flagged entry is a noun in the nominative singular."""
    if _PLAIN_NOUN_FLAGS.intersection(flags):
        return True
    if ('H' in flags or 'I' in flags) and stem.endswith(('а', 'я')):
        return True
    if 'O' in flags and not stem.endswith(('а', 'я', 'ы', 'и', 'ий')):
        return True
    return 'E' in flags and stem.endswith(('я', 'ь'))


def _oblique_form(word: str, nominatives: Set[str]) -> bool:
    """Whether a flagless word is a case form of a noun: ДОЛГА of ДОЛГ,
    КОСТРА of КОСТЕР, УГЛЯ of УГОЛЬ, СЛЕЗЫ of СЛЕЗА."""
    if word[-1] not in 'аяуюиы':
        return False
    stem = word[:-1]
    candidates = {stem, stem + 'ь'}
    for vowel in 'ео':
        fleeting = stem[:-1] + vowel + stem[-1:]
        candidates |= {fleeting, fleeting + 'ь'}
    if word[-1] == 'ы':
        candidates.add(stem + 'а')
    return not candidates.isdisjoint(nominatives)


def noun_lemmas(entries: Iterable[Tuple[str, str]], counts: CorpusCounts,
                learners: Mapping[str, int] = {}) -> List[str]:
    """Noun stems (as in the dictionary) among the entries. A flagless
    entry is a noun when the Mueller dictionary gives it for English nouns,
    or when the learners' dictionaries agree on it (ЗАПЯТАЯ, whose cases
    are entries of their own)."""
    entries = [(stem, flags) for stem, flags in entries
               if is_plain_word(stem) and not is_excluded(stem)]
    declined = []
    flagless = []
    for stem, flags in entries:
        word = fold(stem)
        if flags:
            # A noun that is also a verb or an adjective (СТАТЬ, ЗАМЕР,
            # ПРОСТОЙ) must be seen translating an English noun.
            homograph = not NOUN_FLAGS.issuperset(flags)
            if declined_noun(stem, flags) and (
                    not homograph or counts.noun_items.get(word, 0) > 0):
                declined.append(stem)
            continue
        as_noun = counts.noun_items.get(word, 0)
        # The word must also occur outside the dictionary's abbreviations.
        if ((word in counts.articles and as_noun >= MIN_NOUN_ITEMS
                and as_noun > counts.other_items.get(word, 0))
                or learners.get(word, 0) >= AGREEING):
            flagless.append(stem)
    nominatives = {fold(stem) for stem in declined + flagless}
    return declined + [stem for stem in flagless
                       if not _oblique_form(fold(stem), nominatives - {fold(stem)})]


def _oblique_stems(word: str) -> List[str]:
    """Where a masculine noun's case endings attach: the word itself or the
    word without its fleeting vowel (пёс: пс, лёд: льд, заём: займ)."""
    stems = [word]
    if len(word) >= 3 and word[-2] in 'еёо':
        signs = ('й',) if word[-3] in _VOWELS else ('', 'ь')
        stems += [word[:-2] + sign + word[-1] for sign in signs]
    return stems


def flagless_declined(entries: Iterable[Tuple[str, str]], analyses: apertium.Analyses,
                      seen: Collection[str]) -> Dict[str, Set[str]]:
    """Flagless entries that are masculine nouns whose case forms the
    dictionary lists as entries of their own: the genitive and the
    instrumental singular, and a nominative plural that declines as a noun
    (flag O). Only words that some text uses (seen) are taken, which keeps
    out abbreviations (пос.). Maps each such stem to its forms, folded."""
    flags_of: Dict[str, Set[str]] = collections.defaultdict(set)
    for stem, flags in entries:
        flags_of[fold(stem)].add(flags)
    found = {}
    for stem, flags in entries:
        word = fold(stem)
        if (flags or not is_plain_word(stem) or is_excluded(stem)
                or word[-1] in _VOWELS or word[-1] == 'ь' or word not in seen
                or apertium.not_a_noun(word, analyses)):
            continue
        # The cases of ПОСОЛ (посла, послом) would make "посл." a noun.
        if any(word[:-1] + vowel + word[-1] in flags_of for vowel in 'оеё'):
            continue
        for base in _oblique_stems(word):
            genitive = [base + end for end in ('а', 'я') if '' in flags_of.get(base + end, ())]
            instrumental = [base + end for end in ('ом', 'ем')
                            if '' in flags_of.get(base + end, ())]
            plural = [base + end for end in ('ы', 'и') if any('O' in f for f in flags_of.get(base + end, ()))]
            if genitive and instrumental and plural:
                others = [base + end for end in ('у', 'ю', 'е', 'ов', 'ев', 'ей')
                          if '' in flags_of.get(base + end, ())]
                found[stem] = {word, *genitive, *instrumental, *plural, *others}
                break
    return found


# Endings of a plural and of the singulars it may belong to, for plurals the
# affix rules do not make (стулья of стул, перья of перо, щенята of щенок).
_PLURAL_TO_SINGULAR = (
    ('овья', ('',)), ('ья', ('', 'ь', 'о', 'ье', 'ьё', 'а')), ('ята', ('ёнок', 'енок', 'онок')),
    ('ата', ('онок',)), ('ена', ('я',)), ('ы', ('', 'а', 'о')), ('а', ('', 'о')),
    ('я', ('ь', 'е', 'й')),
)
# After these letters a hard stem takes -и for -ы (книги, ножи); after any
# other letter -и belongs to a soft stem (кони, сани is no plural of сан).
_VELARS_AND_SIBILANTS = frozenset('гкхжшчщ')


def _singulars(plural: str) -> Set[str]:
    """Nominative singulars a plural could belong to, masculine ones also
    with a fleeting vowel before the last consonant (угли: уголь, ковры:
    ковёр; вилы is no plural of виола)."""
    found = set()
    rules = list(_PLURAL_TO_SINGULAR)
    if plural.endswith('и'):
        hard = len(plural) > 1 and plural[-2] in _VELARS_AND_SIBILANTS
        rules.append(('и', ('', 'а', 'о', 'ь') if hard else ('ь', 'я', 'й', 'е')))
    for ending, singular_endings in rules:
        if not plural.endswith(ending):
            continue
        stem = plural[:len(plural) - len(ending)]
        found |= {stem + end for end in singular_endings}
        # Only a masculine singular can have a vowel its plural drops.
        if len(stem) >= 2:
            fleeting = {stem[:-1] + vowel + stem[-1] for vowel in 'еоё'}
            fleeting |= {stem[:-2] + vowel + stem[-1] for vowel in 'еоё' if stem[-2] in 'ьй'}
            found |= {s + end for s in fleeting for end in singular_endings if end in ('', 'ь')}
    found.discard(plural)
    return {fold(word) for word in found}


class PluralEvidence(NamedTuple):
    """What the texts say of a plural: how often the Mueller dictionary
    gives it, and its singular, as the whole translation of an English
    noun, how often spoken Russian uses each, and in how many learners'
    dictionaries each translates a noun."""
    mueller: CorpusCounts
    spoken: Counter[str]
    analyses: apertium.Analyses
    learners: Mapping[str, int] = {}



def _taught(plural: str, singulars: Set[str], evidence: PluralEvidence) -> bool:
    """ШАШКИ, ВЕСЫ, ТРУСЫ: the learners' dictionaries give the plural for a
    noun at least as often as any singular, and where they know a singular
    too, the Mueller dictionary gives the plural for a noun (not so
    КОЛОКОЛЬЧИКИ, a plain plural that a learner looks up)."""
    learners = evidence.learners
    mueller = evidence.mueller.noun_items[plural] + evidence.mueller.plural_items[plural]
    return (learners.get(plural, 0) >= AGREEING
            and all(learners[plural] >= learners.get(s, 0) for s in singulars)
            and (mueller > 0 or not any(learners.get(s, 0) for s in singulars)))


def _lexicalised(plural: str, singulars: Set[str], evidence: PluralEvidence) -> bool:
    """Whether a plural that is also a form of some singular noun is a
    noun of its own (ОЧКИ, ЧАСЫ, ВОРОТА, ДЕНЬГИ), not just its plural."""
    if apertium.plural_lemma(plural, evidence.analyses):
        return True
    lemmas = {r.lemma for r in evidence.analyses.get(plural, ()) if apertium.is_noun(r)}
    if lemmas - singulars - {plural}:
        return False    # the plural of some other noun (ЦВЕТЫ of ЦВЕТОК)
    if _taught(plural, singulars, evidence):
        return True
    mueller = evidence.mueller
    as_plural = mueller.noun_items[plural] + mueller.plural_items[plural]
    if as_plural >= MIN_NOUN_ITEMS and all(as_plural > mueller.noun_items[s] for s in singulars):
        return True
    # Only where the plural cannot also be the genitive singular (ОЧКИ, not
    # КУКЛЫ or КОЛЕСА): then it is the plural that speech uses more.
    return (plural.endswith(('ы', 'и')) and not any(s.endswith(('а', 'я')) for s in singulars)
            and all(evidence.spoken[plural] > evidence.spoken[s] for s in singulars))


def plural_only(entries: Iterable[Tuple[str, str]], rules: Dict[str, List[hunspell.SuffixRule]],
                nominatives: Set[str], evidence: PluralEvidence) -> Dict[str, Set[str]]:
    """Nouns used only in the plural, or in a sense of their own only in the
    plural, as the stems of their nominative plural. The dictionary lists
    them as entries declined by flag O (сани/O, ворота/O, очки/O); such an
    entry is an ordinary plural when a singular noun yields it, unless the
    texts show it standing for a thing of its own. Maps each to its forms."""
    entries = list(entries)
    yielded_by: Dict[str, Set[str]] = collections.defaultdict(set)
    spelled: Dict[str, str] = {}
    for stem, flags in entries:
        if fold(stem) in nominatives:
            for form in hunspell.expand(stem, ''.join(f for f in flags if f in NOUN_FLAGS), rules):
                yielded_by[fold(form)].add(fold(stem))
                spelled.setdefault(fold(form), form)
    flagless = {fold(stem) for stem, flags in entries if not flags}
    found = {}
    for stem, flags in entries:
        plural = fold(stem)
        if ('O' not in flags or not is_plain_word(stem) or is_excluded(stem)
                or not plural.endswith(('ы', 'и', 'а', 'я')) or plural.endswith('ий')):
            continue
        singulars = yielded_by.get(plural, set()) - {plural}
        if singulars:
            if not _lexicalised(plural, singulars, evidence):
                continue
        elif apertium.plural_of_another(plural, evidence.analyses):
            continue
        elif (_singulars(plural) & nominatives
              and not _taught(plural, _singulars(plural) & nominatives, evidence)):
            continue
        genitive = {plural[:-1] + end for end in ('', 'ей', 'ов', 'ев')} & flagless
        found[stem] = {fold(form) for form in hunspell.expand(stem, flags, rules)} | genitive
    # A plural the dictionary has only as a form of a singular (часы of
    # час, шашки of шашка), where the analysers or the learners'
    # dictionaries know it as a noun of its own.
    taken = {fold(stem) for stem in found}
    # A noun of its own that is also a case form of another (ЛИСА of ЛИС)
    # is no plural.
    for plural in sorted(yielded_by.keys() - taken - nominatives):
        singulars = yielded_by[plural] - {plural}
        if (plural.endswith(('ы', 'и', 'а', 'я')) and singulars and not is_excluded(plural)
                and (apertium.plural_lemma(plural, evidence.analyses)
                     or _taught(plural, singulars, evidence))):
            found[spelled[plural]] = {plural}
    return found


_ADJECTIVE_ENDINGS = ('ый', 'ий', 'ой', 'ая', 'яя', 'ое', 'ее')
_MASCULINE_ENDINGS = ('ый', 'ий', 'ой')


def adjective_forms(entries: Iterable[Tuple[str, str]],
                    rules: Dict[str, List[hunspell.SuffixRule]]) -> Dict[str, str]:
    """The nominative singular forms of the adjectives (flag A), folded,
    with their spelling: the forms a noun made from an adjective takes."""
    found: Dict[str, str] = {}
    for stem, flags in entries:
        if 'A' in flags and is_plain_word(stem) and not is_excluded(stem):
            for form in sorted(hunspell.expand(stem, 'A', rules)):
                if form.endswith(_ADJECTIVE_ENDINGS):
                    found.setdefault(fold(form), form)
    return found


def substantivised(forms: Mapping[str, str], nominatives: Set[str],
                   evidence: PluralEvidence) -> Dict[str, Set[str]]:
    """Adjectives that are nouns too (ЖИВОТНОЕ, ВАННАЯ, РАБОЧИЙ, УЧЁНЫЙ),
    by the spelling of their nominative singular. A feminine or neuter
    form stands for a noun when the learners' dictionaries agree on it,
    or when two of them and the Mueller dictionary give it by itself for
    an English noun, or Apertium and Mueller do. A masculine form (БЕЛЫЙ,
    РУССКИЙ) is the adjective itself far more often, so the Mueller
    dictionary must give it for a noun, and Apertium or most learners'
    dictionaries must agree."""
    found = {}
    for word, spelling in forms.items():
        if word in nominatives:
            continue
        learners = evidence.learners.get(word, 0)
        mueller = evidence.mueller.noun_items[word]
        tagged = any(apertium.is_noun(r) and r.lemma == word
                     for r in evidence.analyses.get(word, ()))
        if word.endswith(_MASCULINE_ENDINGS):
            noun = mueller >= MIN_NOUN_ITEMS and (learners > AGREEING or (tagged and learners > 0))
        else:
            noun = (learners >= AGREEING or (mueller >= MIN_NOUN_ITEMS
                                              and (learners >= AGREEING - 1 or tagged)))
        if noun:
            found[spelling] = {word}
    return found
