"""English words for Russian nouns found through a third language.

FreeDict's dictionaries from German, Polish, French and Greek into Russian
and into English share their headwords: Polish "pies" is собака in the one
and dog, hound in the other, so dog is an English word for собака by way
of Polish. A word that one language reaches is evidence that it is the
plain sense; two languages that agree are two independent witnesses,
since each dictionary was written by other people from another language.

The English side differs from one dictionary to the next, and each entry
is read so that only its English headwords are taken:

- Polish and Greek (from Wiktionary) put the English words on the first
  line of the entry or on a line of their own that starts with the number
  of a sense ("2. cat"); the lines between are definitions in the language
  itself, the Polish ones with the field or style in brackets:

      kot /kɔt/ <n>
      1. dust bunny
      (potocznie, potoczny) kłąb kurzu ...
      2. cat

- German (from the Ding dictionary) has one sense an entry, on the first
  line, each word tagged with its part of speech and labelled in square
  brackets ("[med.] lichen <n>, eczema <n>"); further lines give synonyms,
  notes and examples;
- French gives the English words on the first line, or a line a sense.

A word labelled colloquial, slang, old or figurative, in either language,
is not taken: it is no evidence of the plain sense.
"""

import collections
import re
from typing import Dict, Iterable, Iterator, List, Mapping, NamedTuple, Set, Tuple

from . import freedict
from .nouns import base_form

_POS = re.compile(r'<([^>]*)>')
_SENSE_NUMBER = re.compile(r'^\d+\.\s+')
_TRAILING_NUMBER = re.compile(r'\s+\d+\.\s*$')
_BRACKETS = re.compile(r'\[([^\]]*)\]')
_REMARK = re.compile(r'\([^()]*\)|\{[^{}]*\}')
_ITEM_TAG = re.compile(r'<([^>]*)>')
_ENGLISH = re.compile(r"[a-z][a-z'-]*(?: [a-z][a-z'-]*)?")
_DEFINITION_LABELS = re.compile(r'^\(([^()]*)\)')
# Labels of style, time and figurative use in the English dictionaries,
# German and Polish ones among them ([ugs.], "(potocznie, potoczny)").
STYLE_LABELS = frozenset('''
    coll. slang pej. vulg. humor. dated rare archaic obs. poet. fig. ugs. geh. euphem. childish
    potocznie potoczny slangowo wulgarnie wulgarny pogardliwie pogardliwy żartobliwie
    żartobliwy przestarzale przestarzały rzadko rzadki przenośnie przenośny książkowy
    poetycko poetycki dawniej dawny obraźliwie obraźliwy zdrobniale zdrobniały
'''.split())
# The languages read, each with the dictionaries into Russian and into English.
LANGUAGES = ('pol', 'ell', 'deu', 'fra')
# The languages whose English side gives few senses a headword, so that one
# of them alone is witness enough for a noun nothing else glosses; the
# German dictionary gives every sense a German word has (Hund: dog, and a
# mine car).
SOLE_WITNESSES = ('pol', 'ell', 'fra')


class Unreadable(freedict.Unreadable):
    pass


def _headword(entry: str) -> Tuple[str, bool]:
    """The headword of an entry and whether it is a common noun."""
    head = entry.split('\n', 1)[0]
    word = re.split(r'\s+[/<]', head, 1)[0].strip()
    tag = _POS.search(head)
    tags = {part.strip() for part in tag.group(1).split(',')} if tag else set()
    return word, bool(tags & freedict.NOUN_TAGS) and freedict.NAME_TAG not in tags


def _split_items(line: str) -> Iterator[str]:
    """The items of a line separated by commas outside brackets."""
    depth, start = 0, 0
    for place, char in enumerate(line):
        if char in '([{<':
            depth += 1
        elif char in ')]}>':
            depth = max(0, depth - 1)
        elif char == ',' and depth == 0:
            yield line[start:place]
            start = place + 1
    yield line[start:]


def _styled(labels: Iterable[str]) -> bool:
    return any(part.strip().lower() in STYLE_LABELS
               for label in labels for part in label.split(','))


def english_words(entry: str) -> List[str]:
    """The plain English nouns of an entry into English, in order, in lower
    case; none when the headword is no common noun."""
    _, noun = _headword(entry)
    if not noun:
        return []
    body = entry.split('\n')[1:]
    lines = []
    for number, line in enumerate(body):
        if number == 0 or _SENSE_NUMBER.match(line):
            following = body[number + 1] if number + 1 < len(body) else ''
            definition = _DEFINITION_LABELS.match(following.strip())
            if definition and _styled([definition.group(1)]):
                continue
            lines.append(_TRAILING_NUMBER.sub('', _SENSE_NUMBER.sub('', line.strip())))
    words: List[str] = []
    for line in lines:
        for item in _split_items(line):
            tags = _ITEM_TAG.findall(item)
            if _styled(_BRACKETS.findall(item)) or (tags and tags[0].split(',')[0].strip() != 'n'):
                continue
            bare = ' '.join(_REMARK.sub(' ', _ITEM_TAG.sub(' ', _BRACKETS.sub(' ', item))).split())
            if _ENGLISH.fullmatch(bare) and bare not in words:
                words.append(bare)
    return words


def _by_headword(index_path: str, dict_path: str, read) -> Dict[str, List[str]]:
    """Noun headword -> what read takes from its entries, in order."""
    try:
        index_lines, data = freedict._load(index_path, dict_path)
    except freedict.Unreadable as error:
        raise Unreadable(str(error)) from error
    found: Dict[str, List[str]] = collections.defaultdict(list)
    for entry in freedict.entries(index_lines, data):
        word, noun = _headword(entry)
        if not noun:
            continue
        for item in read(entry):
            if item not in found[word]:
                found[word].append(item)
    return found


class Evidence(NamedTuple):
    """Base form of a Russian noun -> English word -> the languages that
    reach it, each with the headword it goes through."""
    languages: Mapping[str, Mapping[str, Set[Tuple[str, str]]]]
    # The same for the first Russian and the first English word of each
    # headword, its main sense in both.
    main: Mapping[str, Mapping[str, Set[Tuple[str, str]]]] = {}

    def witnesses(self, russian: str, english: str) -> int:
        """How many languages reach the English word from the noun."""
        return len({language for language, _ in
                    self.languages.get(russian, {}).get(english.lower(), ())})

    def paths(self, russian: str, english: str) -> int:
        """How many headwords of all the languages lead from the noun to
        the English word: the plain word is the one most of them give
        (paunch, not bunt, for ПУЗО)."""
        return len(self.languages.get(russian, {}).get(english.lower(), ()))

    def agreed(self, russian: str, least: int = 2) -> List[str]:
        """The English words at least this many languages reach, the best
        witnessed first."""
        words = self.languages.get(russian, {})
        return sorted((w for w in words if self.witnesses(russian, w) >= least),
                      key=lambda w: (-self.witnesses(russian, w), -self.paths(russian, w), w))

    def sole(self, russian: str) -> List[str]:
        """The English words that a headword of one of SOLE_WITNESSES gives
        first where the noun is the first Russian word it gives, the most
        often given first."""
        words = {w: {(lang, x) for lang, x in ways if lang in SOLE_WITNESSES}
                 for w, ways in self.main.get(russian, {}).items()}
        return sorted((w for w in words if words[w]), key=lambda w: (-len(words[w]), w))


def pair(language: str, into_russian: Mapping[str, List[str]],
         into_english: Mapping[str, List[str]],
         found: Dict[str, Dict[str, Set[Tuple[str, str]]]],
         main: Dict[str, Dict[str, Set[Tuple[str, str]]]]) -> None:
    """Adds what one language pairs: every Russian noun of a headword with
    every English noun of the same headword, and the first with the
    first."""
    for word, russian in into_russian.items():
        english = into_english.get(word)
        if not english:
            continue
        for noun in russian:
            for item in english:
                found.setdefault(base_form(noun), {}).setdefault(item, set()).add((language, word))
        main.setdefault(base_form(russian[0]), {}).setdefault(english[0], set()).add(
            (language, word))


def read(pairs: Iterable[Tuple[str, str, str]]) -> Evidence:
    """pairs: language, path of its dictionary into Russian and into
    English, each the path of the .index and .dict.dz without the ending."""
    found: Dict[str, Dict[str, Set[Tuple[str, str]]]] = {}
    main: Dict[str, Dict[str, Set[Tuple[str, str]]]] = {}
    for language, russian, english in pairs:
        into_russian = _by_headword(russian + '.index', russian + '.dict.dz',
                                    freedict.noun_translations)
        into_english = _by_headword(english + '.index', english + '.dict.dz', english_words)
        pair(language, into_russian, into_english, found, main)
    return Evidence(found, main)
