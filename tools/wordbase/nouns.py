"""Telling common nouns in the nominative singular among hunspell entries.

In the Russian hunspell dictionary the suffix flags are declension classes.
Nouns carry F, G, J, K, N (stem = nominative singular), H and I (feminine
nouns in -а/-я; a few stems are variant instrumental forms in -ей/-ой), O
(irregular nouns, whose stems also include plural forms and possessive
adjectives in -ий) and E (shared by nouns in -я/-ь and comparatives of
adjectives). Indeclinable and irregular nouns (КОФЕ, ВРЕМЯ, ПУТЬ) have no
flags at all; those are taken when the Mueller dictionary uses them as the
translation of an English noun.
"""

import re
from typing import Iterable, List, Set, Tuple

from .corpus import CorpusCounts, fold

NOUN_FLAGS = frozenset('EFGHIJKNO')
_PLAIN_NOUN_FLAGS = frozenset('FGJKN')
_LOWER_CYRILLIC = re.compile(r'[а-яё]+')
_VOWELS = frozenset('аеёиоуыэюя')

# How often a flagless entry must stand alone as a noun translation.
MIN_NOUN_ITEMS = 2

# Words a family game does without: obscene, vulgar and crude words and
# ethnic or sexual slurs (some of them also have a harmless sense).
EXCLUDED = frozenset('''
    блевотина блядь говно дерьмо жид жидовка жопа задница кацап москаль
    мастурбация негр негритенок негритянка онанизм педераст педерастия попка
    потаскуха потаскушка сволочь сопляк сука сучка ублюдок хер хохол
    чурка шлюха
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


def noun_lemmas(entries: Iterable[Tuple[str, str]], counts: CorpusCounts) -> List[str]:
    """Noun stems (as in the dictionary) among the entries."""
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
        if (word in counts.articles and as_noun >= MIN_NOUN_ITEMS
                and as_noun > counts.other_items.get(word, 0)):
            flagless.append(stem)
    nominatives = {fold(stem) for stem in declined + flagless}
    return declined + [stem for stem in flagless
                       if not _oblique_form(fold(stem), nominatives - {fold(stem)})]
