"""The English glosses of the base words, from the Mueller dictionary
ranked by the evidence of FreeDict's dictionaries, spelt as Debian's
English word lists say, and mended by the hand-kept lists: the words
never shown, the spelling fixes and allowed words, and the glosses readers
settled, which stand over the generated ones."""

import os
from typing import Dict, Iterable, List, Mapping, NamedTuple, Optional, Sequence, Tuple

from . import english, gloss, handlists, pivot
from .gloss import Use

DICTD = '/usr/share/dictd'
DEFAULT_PIVOTS = tuple((language, os.path.join(DICTD, f'freedict-{language}-rus'),
                        os.path.join(DICTD, f'freedict-{language}-eng'))
                       for language in pivot.LANGUAGES)


class Lists(NamedTuple):
    never: frozenset = frozenset()
    allowed: frozenset = frozenset()
    fixes: Mapping[str, str] = {}
    reviewed: Mapping[str, str] = {}


NO_LISTS = Lists()


def read_lists(never: str = handlists.NEVER_SHOWN, allowed: str = handlists.ALLOWED,
               fixes: str = handlists.FIXES, reviewed: str = handlists.REVIEWED) -> Lists:
    """The hand-kept lists; a reviewed gloss must itself show no word of
    the never-shown list."""
    lists = Lists(handlists.read(never, handlists.words), handlists.read(allowed, handlists.words),
                  handlists.read(fixes, handlists.fixes),
                  handlists.read(reviewed, handlists.reviewed))
    for word, text in lists.reviewed.items():
        shown = [token for token in handlists.ENGLISH_WORD.findall(text) + text.split()
                 if token.strip(',').lower() in lists.never]
        if shown:
            raise handlists.Malformed(f'{reviewed}: the gloss of {word.lower()} shows '
                                      f'{shown[0]}, which {never} never shows')
    return lists


def read_pivots(pivots: Sequence[Tuple[str, str, str]]) -> pivot.Evidence:
    for _, russian, into_english in pivots:
        for path in (russian, into_english):
            for ending in ('.index', '.dict.dz'):
                if not os.path.isfile(path + ending):
                    raise pivot.Unreadable(
                        f'cannot read the dictionary {path + ending} (install the Debian package '
                        f'dict-{os.path.basename(path)} or give another path)')
    return pivot.read(pivots)


class Sources(NamedTuple):
    uses: Dict[str, List[Use]]
    evidence: Optional[pivot.Evidence]
    words: frozenset              # Debian's English word lists, none to check no spelling
    usage: Mapping[str, int]      # how often the Mueller dictionary uses each English word


def sources(mueller_text: str, pivots: Sequence[Tuple[str, str, str]],
            word_lists: Sequence[str], uses: Optional[Dict[str, List[Use]]] = None) -> Sources:
    return Sources(uses if uses is not None else gloss.uses(mueller_text),
                   read_pivots(pivots) if pivots else None,
                   english.read_lists(word_lists) if word_lists else frozenset(),
                   english.counts(mueller_text))


def speller(found: Sources, lists: Lists):
    """The spelling of the English headwords, None without word lists."""
    if not found.words:
        return None
    return english.Speller(found.words, lists.allowed, dict(lists.fixes), found.usage,
                           lists.never).correct


def glosses(found: Sources, lists: Lists) -> Dict[str, str]:
    """Base form -> gloss; a reader's gloss stands over the generated one,
    and a reader's "-" leaves the word without one."""
    result = gloss.glosses(found.uses, found.evidence, speller(found, lists))
    for word, text in lists.reviewed.items():
        if text:
            result[word] = text
        else:
            result.pop(word, None)
    return result


def changed(lines: Iterable[str], found: Sources, lists: Lists) -> int:
    """How many base words the hand-kept lists give another gloss, or none,
    than the generator alone would."""
    alone = gloss.glosses(found.uses, found.evidence, speller(found, NO_LISTS))
    mended = glosses(found, lists)
    return sum(alone.get(word) != mended.get(word) for word in set(lines))
