"""Counting Russian word forms in the English-Russian Mueller dictionary
(dictd text format), the text that tells common nouns from rare ones.

Two measures are taken per form, with Ё folded into Е:
- in how many articles it occurs; occurrences in a sense marked as belonging
  to a trade or science, or as archaic, poetic or slang, weigh less, since a
  player is unlikely to know those words;
- how often it stands alone as a translation of an English noun ("_n.
  коньяк, бренди"), and how often as one of another part of speech; a form
  that mostly translates nouns is a noun in the nominative singular even
  when the hunspell dictionary has no declension for it.
"""

import collections
import gzip
import re
from typing import Counter, Iterable, Iterator, List, Match, NamedTuple, Tuple

# Usage labels whose senses are specialist, dated or slang vocabulary.
SPECIALIST_LABELS = frozenset('''
    ав австрал анат араб археол архит астр библ бирж биол бот вет
    геод геол геом геральд гидр горн грам греч диал жарг зоол инд ирл
    ист книж ком лат лингв лог мат мед мет метал мин мор муз опт охот
    парл поэт полигр рад редк рел стр текст тех уст фарм физ физиол
    филос фин фон хим хир церк шотл эк эл юр
'''.split())
SPECIALIST_WEIGHT = 0.25

# A word that is nearly always followed by a full stop is an abbreviation.
ABBREVIATION_MIN_USES = 3
ABBREVIATION_SHARE = 0.75

# Part-of-speech labels of the English headword; "n" is a noun and
# "attr" its use as an attribute, translated by adjectives.
POS_LABELS = frozenset('''
    n a v adv pron prep cj conj interj predic n-card n-ord p p-p pres-p attr
'''.split())

# The start of a numbered sense: "1. _n.", "2) ...", "а) ...", "_II ...".
_SENSE_START = re.compile(r'^\s+(?:\d+[.)]|[а-я]\)|_[IVX]+\b)')
_TRANSCRIPTION = re.compile(r'\[[^\]]*\]')
_ITEM_SEPARATORS = re.compile(r'[,;]')
_BRACKETED = re.compile(r'\([^()]*\)')
_LATIN = re.compile(r'[A-Za-z]')
_CYRILLIC = re.compile(r'[А-Яа-яЁё]')
_REMARK = '\x00'
_LABEL_OR_WORD = re.compile(r'_([A-Za-zа-я-]+)\.?|([А-Яа-я]+)(\.?)')
_LABEL = re.compile(r'_[A-Za-zа-я-]+\.?|\d+[.)]|\b[а-я]\)')
_SINGLE_WORD = re.compile(r'[а-я]+')
_LABEL_NAME = re.compile(r'_([A-Za-zа-я-]+)\.')


class CorpusCounts(NamedTuple):
    articles: Counter[str]
    noun_items: Counter[str]
    other_items: Counter[str]
    # Translations of English nouns used in the plural ("trousers _n. _pl.
    # брюки"): the Russian word is then a plural noun too.
    plural_items: Counter[str] = collections.Counter()


def fold(word: str) -> str:
    """Lower case with Ё written as Е, the form in which words are compared."""
    return word.lower().replace('ё', 'е')


def fold_yo(text: str) -> str:
    # Case is kept: a capitalised word is a name (ЛОНДОН, ИСТ-ЭНД), not a
    # form of a common noun.
    return text.replace('ё', 'е').replace('Ё', 'Е')


def read_dictd(path: str) -> str:
    """The text of a dictd .dict.dz file (a gzip stream)."""
    with gzip.open(path, 'rt', encoding='utf-8') as text:
        return text.read()


def articles(text: str) -> Iterator[List[str]]:
    """Articles as lists of lines; a headword line starts at column 0."""
    article: List[str] = []
    for line in text.splitlines():
        if line and not line[0].isspace():
            if article:
                yield article
            article = []
        article.append(line)
    if article:
        yield article


def sense_text(lines: List[str]) -> str:
    """A sense's lines as one text, without the transcriptions."""
    return _TRANSCRIPTION.sub(' ', ' '.join(lines))


def label_names(text: str) -> List[str]:
    """The labels of a text in order ("_n. _анат. нёбо": n, анат)."""
    return _LABEL_NAME.findall(text)


def starts_sense(line: str) -> bool:
    return _SENSE_START.match(line) is not None


def senses(body: List[str]) -> Iterator[List[str]]:
    """Numbered senses of an article body; whatever precedes the first
    number comes first, as a sense of its own."""
    sense: List[str] = []
    for line in body:
        if _SENSE_START.match(line) and sense:
            yield sense
            sense = []
        sense.append(line)
    if sense:
        yield sense


def translations(sense: str) -> Iterator[str]:
    """The leading translations of a sense: the comma- or semicolon-separated
    items ahead of the first English example, without remarks in brackets."""
    lead = _LATIN.split(_BRACKETED.sub(' ', _LABEL.sub(' ', sense)), 1)[0]
    for item in _ITEM_SEPARATORS.split(lead):
        yield item.strip(' "\'!?.')


class Translation(NamedTuple):
    """A leading translation of a sense, with its quotation marks, which
    mark a figurative use, and the labels met so far in the sense ("1) ёж;
    _ам. дикобраз": ЁЖ has none, ДИКОБРАЗ has ам)."""
    text: str
    labels: Tuple[str, ...]
    # A remark in Russian in brackets narrows it: "магазин (для патронов)".
    remark: bool


def _remark_mark(bracketed: Match[str]) -> str:
    """A bracketed remark is dropped; one in Russian leaves a mark behind."""
    return f' {_REMARK} ' if _CYRILLIC.search(bracketed.group()) else ' '


def labelled_translations(sense: str) -> Iterator[Translation]:
    """The leading translations of a sense as translations() gives them."""
    labels: List[str] = []
    for chunk in _ITEM_SEPARATORS.split(_BRACKETED.sub(_remark_mark, sense)):
        labels.extend(_LABEL_NAME.findall(chunk))
        bare = _LABEL.sub(' ', chunk)
        head = _LATIN.split(bare, 1)[0]
        yield Translation(head.replace(_REMARK, ' ').strip(' \'!?.'), tuple(labels),
                          _REMARK in head)
        if head != bare:
            return


def count_forms(text: str) -> CorpusCounts:
    """Both measures for every form of the dictionary's Russian text."""
    counts = CorpusCounts(collections.Counter(), collections.Counter(),
                          collections.Counter(), collections.Counter())
    uses: Counter[str] = collections.Counter()
    dotted: Counter[str] = collections.Counter()
    for article in articles(text):
        weights = {}
        pos = None
        article_special = False
        for index, lines in enumerate(senses(article[1:])):
            # Labels ahead of the first numbered sense cover the whole article.
            heading = index == 0 and not _SENSE_START.match(lines[0])
            special = article_special
            plural = False
            sense = _TRANSCRIPTION.sub(' ', fold_yo(' '.join(lines)))
            for match in _LABEL_OR_WORD.finditer(sense):
                label, word, dot = match.groups()
                if label in POS_LABELS:
                    pos = label
                elif label == 'pl':
                    plural = True
                elif label in SPECIALIST_LABELS:
                    special = True
                elif word and len(word) > 1 and word[0].islower():
                    uses[word] += 1
                    dotted[word] += bool(dot)
                    weight = SPECIALIST_WEIGHT if special else 1.0
                    weights[word] = max(weights.get(word, 0.0), weight)
            if pos:
                if plural:
                    target = counts.plural_items if pos == 'n' else None
                else:
                    target = counts.noun_items if pos == 'n' else counts.other_items
                if target is not None:
                    target.update(item for item in translations(sense)
                                  if _SINGLE_WORD.fullmatch(item))
            if heading:
                article_special = special
        counts.articles.update(weights)
    # The dictionary's own abbreviations ("особ.", "напр.") would otherwise
    # count as forms of nouns (ОСОБА).
    for word, used in uses.items():
        if used >= ABBREVIATION_MIN_USES and dotted[word] >= ABBREVIATION_SHARE * used:
            del counts.articles[word]
    return counts
