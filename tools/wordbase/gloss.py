"""English glosses of Russian nouns from the Mueller English-Russian
dictionary: the headwords whose noun senses give the noun as a translation
by itself ("lignite _n. лигнит, бурый уголь" glosses ЛИГНИТ as lignite).

The most direct headwords come first: a single word before a compound
(ice before ice-cream), a sense without a label of style, region or field
before a marked one (girl before the Irish colleen), one whose first
sense names the noun first before one that names it first in a later
sense or later in the first one, and those before the rest; among equals
the English word the dictionary's examples use more often (horse before
dobbin). A headword with a capital is a name (Niagara, Hodge) and glosses
only a noun that no other headword does: the months and the peoples
(August for АВГУСТ, Hungarian for ВЕНГР). A sense marked with a field
of knowledge carries its label: "lignite (горн.)".
"""

import collections
import re
from typing import Dict, List, NamedTuple

from . import corpus
from .nouns import base_form

MAX_HEADWORDS = 3
MAX_LENGTH = 48
SEPARATOR = ', '

# The labels of fields of knowledge among the dictionary's own list; style,
# region and language labels (_разг., _ам., _лат.) are left out.
FIELD_LABELS = frozenset('''
    ав авт ак анат антр арт археол архит астр бакт банк библ биол бирж бот
    бухг вет воен геогр геод геол геом геральд гидр горн грам дип дор ж-д
    жив зоол иск ист канц карт кин ком комп косм кул лес лингв лит лог мат
    мед метал метеор мех мин миф мор муз опт охот палеонт парл полигр полит
    полит-эк психол рад реакт рез рел ритор рыб с-х спорт стр страх театр
    текст тел тлв тлф тех топ физ физиол филос фин фон фот хим хир церк
    шахм эк эл энт этн юр
'''.split())

_HEADWORD = re.compile(r"[A-Za-z][a-z' .-]*")
_PARTS = re.compile(r'[ -]+')
_WORD = re.compile(r'[а-яё]+')
_CYRILLIC_LABEL = re.compile(r'[а-я-]+')
_ENGLISH = re.compile(r"[A-Za-z]+(?:'[a-z]+)?")


class Use(NamedTuple):
    """Where a headword gives a noun; smaller is more direct."""
    compound: bool
    marked: bool
    later: int
    rarity: int
    headword: str
    label: str
    spelling: str

    def text(self) -> str:
        return f'{self.headword} ({self.label}.)' if self.label else self.headword


def uses(text: str) -> Dict[str, List[Use]]:
    """Base form of each noun given as a translation -> where, and how the
    dictionary spells it there (with Ё, which it always writes)."""
    english = collections.Counter(word.lower() for word in _ENGLISH.findall(text))
    found: Dict[str, List[Use]] = collections.defaultdict(list)
    articles = [a for a in corpus.articles(text) if _HEADWORD.fullmatch(a[0].strip())]
    headwords = {a[0].strip() for a in articles}
    for article in articles:
        headword = article[0].strip()
        parts = _PARTS.split(headword)
        # A compound of words the dictionary does not have ("cha teau")
        # is a broken headword.
        if len(parts) > 1 and not headwords.issuperset(parts):
            continue
        pos = None
        heading: tuple = ()
        # Senses that translate something, counted so that a heading
        # without translations ("[ɘ:] _n.") does not make "1) ..." a later
        # sense.
        translating = 0
        for index, lines in enumerate(corpus.senses(article[1:])):
            sense = corpus.sense_text(lines)
            labels = corpus.label_names(sense)
            pos = next((label for label in labels if label in corpus.POS_LABELS), pos)
            items = [(word, heading + marks)
                     for word, marks in corpus.labelled_translations(sense) if word]
            # Labels ahead of the first numbered sense cover the article.
            if index == 0 and not corpus.starts_sense(lines[0]):
                heading = tuple(labels)
            if pos != 'n' or not items:
                continue
            for place, (word, marks) in enumerate(items):
                if _WORD.fullmatch(word):
                    found[base_form(word)].append(Use(
                        len(parts) > 1, any(_CYRILLIC_LABEL.fullmatch(m) for m in marks),
                        (translating > 0) + (place > 0), -english[headword.lower()], headword,
                        next((mark for mark in marks if mark in FIELD_LABELS), ''), word))
            translating += 1
    return found


def glosses(found: Dict[str, List[Use]]) -> Dict[str, str]:
    """Base form -> its gloss: at most three headwords, the most direct
    first, within MAX_LENGTH characters."""
    result = {}
    for word, places in found.items():
        common = [use for use in places if use.headword[0].islower()]
        places = common or places
        chosen: List[str] = []
        seen = set()
        for use in sorted(places):
            if use.headword.lower() in seen or len(chosen) == MAX_HEADWORDS:
                continue
            candidate = SEPARATOR.join(chosen + [use.text()])
            if len(candidate) > MAX_LENGTH:
                continue
            chosen.append(use.text())
            seen.add(use.headword.lower())
        if chosen:
            result[word] = SEPARATOR.join(chosen)
    return result
