"""English glosses of Russian nouns from the Mueller English-Russian
dictionary: the headwords whose noun senses give the noun as a translation
by itself ("lignite _n. лигнит, бурый уголь" glosses ЛИГНИТ as lignite).
A headword that other languages confirm comes before all of these rules
(glosses()).

A gloss reads like a small dictionary's: the plain equivalent first, and
further headwords only when they are as direct. How direct a headword is:
- by its place: one of the first two translations of its first sense
  (ice for ЛЁД; limit for ПРЕДЕЛ, after граница), or the English word the
  noun was borrowed from, wherever it is (chance for ШАНС, its fourth
  sense), is direct; a later one of the first sense, one of the second, or
  the first of a common headword that is first of all a verb or an
  adjective (make: работа) less so; one of a later sense least (transit, whose
  fifth sense is a theodolite). Each homograph (_I, _II) counts anew;
- a term of a field is as direct as a plain word in the same place, and
  carries its label only where the headword gives nouns of other fields
  too ("file (шахм.)", not "graph (мат.)"); it never follows a plain word;
- a sense of a region or a language (the Irish colleen for девушка) comes
  after the rest.
Among equals the borrowed word comes first (apparatus before gear for
АППАРАТ), then a single word before a compound (ice before ice-cream),
then the English word the dictionary uses more often outside its own
article (horse before dobbin, chicken before chuck). A second and third
headword follow only when they are as direct as the first, none beside one
of a later sense, and never one that merely repeats an earlier one (apple
dumpling after apple, quintette after quintet).

Two kinds serve only a noun that nothing plainer glosses, in this order: a
name, a headword with a capital (August for АВГУСТ, Hungarian for ВЕНГР);
then a sense labelled by style or as figurative (_разг., _перен., _уст.)
or given in quotation marks (hound: "собака", of a scoundrel). Nothing is
glossed by a translation that the next one only describes ("яблоко,
запечённое в тесте": dumpling), nor by the lettered senses that translate
an English phrase of the article ("top dog а) ... б) ...").
"""

import collections
import difflib
import re
from typing import Callable, Counter, Dict, Iterator, List, NamedTuple, Optional, Set, Tuple

from . import corpus, pivot
from .borrowing import borrowed
from .describing import describes
from .nouns import base_form

MAX_HEADWORDS = 3
# Of the words two languages agree on, as many as make a gloss.
AGREED_HEADWORDS = 2
# Two nouns that start alike for this many letters are one word and its
# diminutive or kin (дядя, дядюшка).
KIN_STEM = 3
MAX_LENGTH = 48
SEPARATOR = ', '
# How far a headword is from the plain equivalent when it stands alone.
REMOTE = 2
# Two spellings of one word (quintet, quintette) are at least this alike;
# shorter words may differ by a letter and be two (volt, volte).
SPELLING_LIKENESS = 0.85
SPELLING_MIN_LENGTH = 6
# A headword that starts or ends with an earlier one of this length is a
# compound of it (pussycat after cat, not papa after pa).
MIN_AFFIX = 3

# The labels of fields of knowledge among the dictionary's own list.
FIELD_LABELS = frozenset('''
    ав авт ак анат антр арт археол архит астр бакт банк библ биол бирж бот
    бухг вет воен геогр геод геол геом геральд гидр горн грам дип дор ж-д
    жив зоол иск ист канц карт кин ком комп косм кул лес лингв лит лог мат
    мед метал метеор мех мин миф мор муз опт охот палеонт парл полигр полит
    полит-эк психол рад реакт рез рел ритор рыб с-х спорт стр страх театр
    текст тел тлв тлф тех топ фарм физ физиол филос фин фон фот хим хир церк
    шахм эк эл энт этн юр
'''.split())
# Labels of style, of figurative use and of abbreviations: the headword is
# not what a reader would say for the noun.
STYLE_LABELS = frozenset('''
    бран вульг груб детск диал жарг ирон книж книжн ласк неодобр перен поэт
    пренебр презр разг редк сокр стих студ унив уменьш уст школ шутл эвф
'''.split())
# Labels that say nothing of how direct a translation is; the others (_ам.,
# _шотл., _фр.) tell of a region or a language.
NEUTRAL_LABELS = frozenset('собир офиц стил'.split())
# Labels of familiar speech, among the style labels: a later sense under
# one may give the headword to another thing (duck: "_ласк. душка").
COLLOQUIAL_LABELS = frozenset('''
    бран вульг груб детск жарг ирон ласк неодобр пренебр презр разг студ уменьш школ шутл эвф
'''.split())

_HEADWORD = re.compile(r"[A-Za-z][a-z' .-]*")
# Spellings the first line of an article gives beside its headword
# ("histiology [...], histology [...] _n. гистология").
_VARIANTS = re.compile(r"(?:\s*,\s*([A-Za-z][a-z' -]*[a-z]))+\s*(?=_)")
_VARIANT = re.compile(r"[A-Za-z][a-z' -]*[a-z]")
_PARTS = re.compile(r'[ -]+')
_WORD = re.compile(r'[а-яё]+')
_CYRILLIC_LABEL = re.compile(r'[а-я-]+')
_ENGLISH = re.compile(r"[A-Za-z]+(?:'[a-z]+)?")
_HOMOGRAPH = re.compile(r'\s+_[IVX]+\b')
_LETTERED = re.compile(r'\s+[а-я]\)')
_REMARKS = re.compile(r'\([^()]*\)|\{[^{}]*\}')
_LETTERS = re.compile(r'[A-Za-zА-Яа-яЁё]')

# Kinds of use, the most direct first; a gloss takes the first it can, but
# never a described one.
PLAIN, NAME, STYLED, DESCRIBED = range(4)


class Use(NamedTuple):
    """Where a headword gives a noun."""
    headword: str
    label: str
    spelling: str
    kind: int
    regional: bool
    # Among the senses of the headword that translate it, and among the
    # translations of that sense, counted from 0.
    sense: int
    place: int
    # A remark in brackets narrows the translation: "магазин (для
    # патронов)".
    remark: bool
    # The headword is first of all another part of speech: make, a verb,
    # is a noun (работа) only in its second part. A name is not: American
    # is an adjective first and still the word for американец.
    secondary: bool
    compound: bool
    # How often the dictionary uses the English word outside its own
    # article, and in all.
    frequency: int
    mentions: int
    # A label of familiar speech covers it (_разг., _ласк.).
    colloquial: bool = False

    def text(self) -> str:
        return f'{self.headword} ({self.label}.)' if self.label else self.headword

    def borrowed(self) -> bool:
        """Whether the English word is the one the noun was borrowed from;
        a remark that narrows the translation tells of a false friend
        (magazine: магазин (для патронов))."""
        return not self.remark and borrowed(self.spelling, self.headword)

    def position(self) -> int:
        """0 one of the first two translations of the first sense, or the
        English word the noun was borrowed from (chance for ШАНС, film for
        ФИЛЬМ); 1 a later one of the first sense, one of the second, or the
        first of a common headword that is first of all a verb or an
        adjective; 2 the rest."""
        if self.borrowed():
            return 0
        return min(2, self.sense + (self.place > 1) + self.secondary)

    def directness(self) -> Tuple:
        """Smaller is more direct. A term of a field counts as much as a
        plain word in the same place: eczema, a doctor's word, is as
        direct as tetter."""
        return self.kind, self.regional, self.position()

    def rank(self) -> Tuple:
        """Among equals the word borrowed comes first (apparatus before gear
        for АППАРАТ), then a single word, then the commoner one."""
        return self.directness() + (not self.borrowed(), self.compound, -self.frequency,
                                    -self.mentions, self.place, len(self.headword),
                                    self.headword)


def _translations(items: List[corpus.Translation]) \
        -> Iterator[Tuple[int, str, corpus.Translation, bool]]:
    """The single words among the leading translations of a sense: the
    place among them, the word as the dictionary spells it there, the
    translation with its labels, and whether the next translation only
    describes it. A quoted translation ("собака" of a scoundrel) is
    labelled figurative."""
    for place, item in enumerate(items):
        bare = item.text.strip('"')
        if _WORD.fullmatch(bare):
            labels = item.labels + (('перен',) if bare != item.text else ())
            following = items[place + 1].text if place + 1 < len(items) else ''
            yield place, bare, item._replace(labels=labels), describes(bare, following)


def _variants(sense: str) -> List[str]:
    """The spellings the first sense gives beside the headword."""
    match = _VARIANTS.match(sense)
    return _VARIANT.findall(match.group(0)) if match else []


def _ends_in_english(sense: str) -> bool:
    """Whether a sense ends with an English phrase, which the lettered
    senses after it translate ("top dog а) ... б) ...")."""
    letters = _LETTERS.findall(_REMARKS.sub(' ', sense))
    return bool(letters) and letters[-1].isascii()


def _usage(articles: List[List[str]]) -> Tuple[Counter[str], Counter[str]]:
    """How often the dictionary uses each English word outside its own
    article, and in all: a word common in English turns up in the examples
    of others, while a word's own examples mostly tell how many senses it
    has."""
    outside: Counter[str] = collections.Counter()
    mentions: Counter[str] = collections.Counter()
    for article in articles:
        headword = article[0].strip().lower()
        words = [word.lower() for word in _ENGLISH.findall('\n'.join(article))]
        mentions.update(words)
        outside.update(word for word in words if word != headword)
    return outside, mentions


def _regional(marks: Tuple[str, ...]) -> bool:
    return any(_CYRILLIC_LABEL.fullmatch(mark) and mark not in FIELD_LABELS
               and mark not in STYLE_LABELS and mark not in NEUTRAL_LABELS for mark in marks)


def _article_uses(article: List[str], headword: str, english: Counter[str],
                  mentions: Counter[str]) -> Iterator[Tuple[str, Use]]:
    """The nouns an article's noun senses give, each with its use."""
    compound = len(_PARTS.split(headword)) > 1
    pos = first_pos = None
    heading: Tuple[str, ...] = ()
    # Senses that translate something, counted so that a heading without
    # translations ("[ɘ:] _n.") does not make "1) ..." a later sense.
    translating = 0
    of_phrase = False
    previous = ''
    for index, lines in enumerate(corpus.senses(article[1:])):
        sense = corpus.sense_text(lines)
        if index == 0:
            # The spelling the dictionary uses more often stands for all, or
            # else the shorter (histology, not histiology).
            headword = max([headword] + _variants(sense),
                           key=lambda spelling: (mentions[spelling.lower()], -len(spelling)))
            sense = _VARIANTS.sub(' ', sense, 1)
        # Each of the homographs (_I, _II) is a word of its own, with labels
        # of its own.
        homograph = _HOMOGRAPH.match(lines[0]) is not None
        if homograph:
            translating = 0
            first_pos = None
        of_phrase = (_LETTERED.match(lines[0]) is not None
                     and (of_phrase or _ends_in_english(previous)))
        previous = sense
        labels = corpus.label_names(sense)
        pos = next((label for label in labels if label in corpus.POS_LABELS), pos)
        first_pos = first_pos or pos
        translations = list(corpus.labelled_translations(sense))
        covering = () if homograph else heading
        # The labels ahead of the first translation of a heading ("_n.
        # _геод. теодолит", "_III _n. _ам. _разг.") cover the senses after
        # it; a later one ("_n. язва; _перен. зло") covers its own.
        if index == 0 and not corpus.starts_sense(lines[0]) or homograph:
            heading = translations[0].labels if translations else ()
        items = [item for item in translations if item.text]
        if pos != 'n' or of_phrase or not items:
            continue
        for place, word, item, described in _translations(items):
            marks = covering + item.labels
            kind = (DESCRIBED if described else
                    STYLED if any(mark in STYLE_LABELS for mark in marks) else
                    NAME if headword[0].isupper() else PLAIN)
            label = next((mark for mark in marks if mark in FIELD_LABELS), '')
            yield word, Use(headword, label, word, kind, _regional(marks), translating, place,
                            item.remark, first_pos != 'n' and headword[0].islower(), compound,
                            english[headword.lower()], mentions[headword.lower()],
                            any(mark in COLLOQUIAL_LABELS for mark in marks))
        translating += 1


def uses(text: str) -> Dict[str, List[Use]]:
    """Base form of each noun given as a translation -> where, and how the
    dictionary spells it there (with Ё, which it always writes)."""
    articles = [a for a in corpus.articles(text) if _HEADWORD.fullmatch(a[0].strip())]
    english, mentions = _usage(articles)
    headwords = {a[0].strip() for a in articles}
    found: Dict[str, List[Use]] = collections.defaultdict(list)
    for article in articles:
        headword = article[0].strip()
        # A compound of words the dictionary does not have ("cha teau") is
        # a broken headword; a hyphen is never a broken letter.
        if ' ' in headword and not headwords.issuperset(_PARTS.split(headword)):
            continue
        for word, use in _article_uses(article, headword, english, mentions):
            found[base_form(word)].append(use)
    return found


def _repeats(headword: str, earlier: List[str]) -> bool:
    """Whether a headword repeats an earlier one: the same word, a compound
    of it (apple dumpling, posttown, pussycat) or another spelling
    (quintette after quintet, whooping-cough after hooping-cough)."""
    word = headword.lower()
    parts = _PARTS.split(word)
    for before in map(str.lower, earlier):
        if before in parts or len(before) >= MIN_AFFIX and (word.startswith(before)
                                                            or word.endswith(before)):
            return True
        if (min(len(before), len(word)) >= SPELLING_MIN_LENGTH
                and difflib.SequenceMatcher(None, before, word).ratio() >= SPELLING_LIKENESS):
            return True
    return False


def _labels_by_headword(found: Dict[str, List[Use]]) -> Dict[str, Set[str]]:
    """English headword -> the field labels of the nouns it gives, '' for
    none: a headword with more than one tells its senses apart by them."""
    labels: Dict[str, Set[str]] = collections.defaultdict(set)
    for places in found.values():
        for use in places:
            if use.kind != DESCRIBED:
                labels[use.headword.lower()].add(use.label)
    return labels


def _first_nouns(found: Dict[str, List[Use]]) -> Dict[str, str]:
    """English headword -> the noun its first sense gives first."""
    first: Dict[str, Tuple[int, int, str]] = {}
    for word, places in found.items():
        for use in places:
            key = (use.sense, use.place, word)
            first[use.headword] = min(first.get(use.headword, key), key)
    return {headword: word for headword, (_, _, word) in first.items()}


def _transferred(word: str, use: Use, first: Dict[str, str]) -> bool:
    """Whether a familiar use of a later sense transfers the headword to
    another thing: duck, first утка, is "_ласк. голубушка; душка"; uncle,
    first дядя, is "_разг. дядюшка" still."""
    if not use.colloquial or use.sense == 0:
        return False
    main = first.get(use.headword, word)
    return main[:KIN_STEM] != word[:KIN_STEM]


def _usable(word: str, places: List[Use], spell: Optional[Callable[[str], Optional[str]]],
            first: Dict[str, str]) -> List[Use]:
    """The uses a gloss may take, spelt right: none described, none
    transferred, none whose English has no right spelling. Of a headword
    given twice, an unlabelled use makes both unlabelled."""
    result = []
    for use in places:
        if use.kind == DESCRIBED or _transferred(word, use, first):
            continue
        headword = spell(use.headword) if spell else use.headword
        if headword:
            result.append(use._replace(headword=headword))
    plain = {use.headword.lower() for use in result if not use.label}
    return [use._replace(label='') if use.headword.lower() in plain else use for use in result]


def _join(ranked: List[Use], most: int, labels: Dict[str, Set[str]]) -> str:
    """At most this many of the ranked uses, none repeating an earlier one,
    within MAX_LENGTH. A field label shows only on a gloss of one headword
    that gives nouns of other fields too (file (шахм.), not graph (мат.))."""
    chosen: List[Use] = []
    for use in ranked:
        if len(chosen) == most:
            break
        if _repeats(use.headword, [c.headword for c in chosen]):
            continue
        # A term of a field does not follow a plain word: glacier, a
        # geologist's лёд, is no second word for it after ice.
        if chosen and use.label and not chosen[0].label:
            continue
        if len(SEPARATOR.join([c.headword for c in chosen] + [use.headword])) > MAX_LENGTH:
            continue
        chosen.append(use)
    if len(chosen) == 1 and len(labels.get(chosen[0].headword.lower(), ())) > 1:
        return chosen[0].text()
    return SEPARATOR.join(use.headword for use in chosen)


def glosses(found: Dict[str, List[Use]], evidence: Optional[pivot.Evidence] = None,
            spell: Optional[Callable[[str], Optional[str]]] = None) -> Dict[str, str]:
    """Base form -> its gloss, at most three headwords within MAX_LENGTH
    characters.

    The headwords that another language also reaches from the noun are
    the plain sense and make the gloss, the best witnessed first (dog for
    СОБАКА: Polish pies, Greek σκύλος, German Hund). Without one, the
    English words two languages agree on make it (potato for КАРТОШКА,
    where the dictionary has only spud). Without those, the dictionary's
    own order decides: the most direct headword first and the others as
    direct; one from a later sense is a guess and stands alone.

    spell: the right spelling of an English headword, or None for one
    not to be shown."""
    labels = _labels_by_headword(found)
    first = _first_nouns(found)
    result = {}
    words = set(found) | (set(evidence.languages) if evidence is not None else set())
    for word in sorted(words):
        usable = _usable(word, found.get(word, []), spell, first)
        if evidence is not None:
            confirmed = [use for use in usable if evidence.witnesses(word, use.headword)]
            if confirmed:
                confirmed.sort(key=lambda use: (-evidence.witnesses(word, use.headword),
                                                -evidence.paths(word, use.headword)) + use.rank())
                result[word] = _join(confirmed, MAX_HEADWORDS, labels)
                continue
            agreed = [english for english in evidence.agreed(word)
                      if spell is None or spell(english) == english]
            # A second word only as well witnessed as the first.
            agreed = [english for english in agreed[:AGREED_HEADWORDS] if
                      evidence.witnesses(word, english) == evidence.witnesses(word, agreed[0])]
            if agreed:
                result[word] = SEPARATOR.join(agreed)
                continue
        ranked = sorted(usable, key=Use.rank)
        if not ranked:
            sole = [english for english in (evidence.sole(word) if evidence is not None else [])
                    if spell is None or spell(english) == english]
            if sole:
                result[word] = sole[0]
            continue
        best = ranked[0].directness()
        most = 1 if best[-1] >= REMOTE else MAX_HEADWORDS
        gloss = _join([use for use in ranked if use.directness() == best], most, labels)
        if gloss:
            result[word] = gloss
    return result
