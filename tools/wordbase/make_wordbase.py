#!/usr/bin/env python3
"""Builds the game's word base, assets/wmbase.txt, and its two side files,
assets/wmyo.txt (the words spelt with Ё) and assets/wmgloss.txt (English
glosses).

Nouns come from Debian's hunspell-ru dictionary, ranked by how common they
are in spoken Russian (a frequency list kept in tools/wordbase/data), the
Russian fortunes (fortunes-ru), the Russian text of the Mueller
English-Russian dictionary (mueller7-dict) and the Russian thesaurus
(mythes-ru) and FreeDict's learners' dictionaries with a Russian side
(dict-freedict-*-rus); Apertium's Russian analysers (apertium-rus-ukr,
apertium-bel-rus, run by lttoolbox's lt-proc) tell nouns used only in the
plural. A short hand-kept list in tools/wordbase/data adds the everyday
nouns the sources miss. Standard library only; the output is the same on
every run.
"""

import argparse
import collections
import os
import sys
from typing import Dict, List, NamedTuple, Optional, Sequence, Tuple

from wordbase import (additions, apertium, basefile, commonness, corpus, english, freedict, gloss,
                      glossing, handlists, hunspell, nouns, paths, ranking, selection, sidefiles,
                      stats, texts, verdicts, weblist)

LINES = 11031
MIN_LONG_WORDS = 2000
MAX_ABSTRACT_SHARE = 0.24
SHUFFLE_SEED = 11031
STATS_SEED = 2024
STATS_DRAWS = 1000

DEFAULT_AFF = '/usr/share/hunspell/ru_RU.aff'
DEFAULT_DIC = '/usr/share/hunspell/ru_RU.dic'
DEFAULT_MUELLER = '/usr/share/dictd/mueller7.dict.dz'
DEFAULT_SPOKEN = os.path.join(paths.DATA, 'ru_50k.txt')
DEFAULT_FORTUNES = '/usr/share/games/fortunes/ru'
DEFAULT_THESAURUS = '/usr/share/mythes/th_ru_RU_v2.dat'
DEFAULT_ANALYSERS = ('/usr/share/apertium/apertium-rus-ukr/rus-ukr.automorf.bin',
                     '/usr/share/apertium/apertium-bel-rus/rus-bel.automorf.bin')
LEARNERS_LANGUAGES = ('deu', 'pol', 'fra', 'ita', 'swe', 'nld', 'ell')
DEFAULT_LEARNERS = tuple(f'/usr/share/dictd/freedict-{code}-rus' for code in LEARNERS_LANGUAGES)
DEFAULT_TESSERACT = '/usr/share/tesseract-ocr/5/tessdata/rus.traineddata'
DEFAULT_OUTPUT = os.path.join(paths.ASSETS, 'wmbase.txt')


class BadInput(Exception):
    """An input that is missing or cannot be used."""


class Base(NamedTuple):
    lines: List[str]
    yo: List[str]
    glosses: List[str]
    undecided: List[str] = []  # words left out for want of a reader's verdict, best first


_OWN_DATA = None


def _require(path: str, what: str, package: Optional[str], folder: bool = False) -> None:
    """package: the Debian package that holds the file, or _OWN_DATA for
    the data kept in tools/wordbase/data."""
    if not (os.path.isdir(path) if folder else os.path.isfile(path)):
        where = (f'install the Debian package {package}' if package
                 else 'restore it from tools/wordbase/data')
        raise BadInput(f'cannot read {what} {path} ({where} or give another path)')


def _read_lines(path: str):
    with open(path, encoding='utf-8') as text:
        return text.read().splitlines()


def _read_additions(path: str) -> List[str]:
    _require(path, 'the additions list', _OWN_DATA)
    try:
        return additions.read(_read_lines(path))
    except (additions.Malformed, UnicodeError) as error:
        raise BadInput(f'the additions list {path}: {error}') from error


def _read_verdicts(path: str) -> Dict[str, bool]:
    _require(path, 'the verdicts on words', _OWN_DATA)
    try:
        return verdicts.read(_read_lines(path))
    except (verdicts.Malformed, UnicodeError) as error:
        raise BadInput(f'the verdicts on words {path}: {error}') from error


def build(aff: str, dic: str, mueller: str, spoken: Optional[str] = None,
          fortunes: Optional[str] = None, thesaurus: Optional[str] = None,
          analysers: Sequence[str] = (), learners: Sequence[str] = (),
          tesseract: Optional[str] = None, added: Sequence[str] = (),
          read: Optional[Dict[str, bool]] = None,
          pivots: Sequence[Tuple[str, str, str]] = (), word_lists: Sequence[str] = (),
          gloss_lists: glossing.Lists = glossing.NO_LISTS) -> Base:
    """The word base in file order and its side files. Only the hunspell
    dictionary and the Mueller dictionary are needed; a text left out
    counts nothing. learners are FreeDict dictionaries, each the path of
    its .index and .dict.dz without the ending; tesseract is the Russian
    model whose word list says which words web text uses; added are the
    words of the additions list, in lower case with their Ё; read are the
    verdicts of readers (base form -> kept): given them, a word of 2 to 4
    letters or one the texts know less surely is taken only when they
    keep it, and no word they drop is taken. pivots are the FreeDict
    dictionaries whose agreement ranks the glosses (language, the path
    into Russian and into English, without the endings); word_lists are
    the English word lists the glosses are spelt by; gloss_lists the
    hand-kept lists of the glosses."""
    _require(aff, 'the hunspell affix file', 'hunspell-ru')
    _require(dic, 'the hunspell dictionary', 'hunspell-ru')
    _require(mueller, 'the Mueller dictionary', 'mueller7-dict')
    if spoken:
        _require(spoken, 'the spoken frequency list', _OWN_DATA)
    if fortunes:
        _require(fortunes, 'the Russian fortunes', 'fortunes-ru', folder=True)
    if thesaurus:
        _require(thesaurus, 'the Russian thesaurus', 'mythes-ru')
    for path in analysers:
        _require(path, 'the Apertium analyser', 'apertium-rus-ukr or apertium-bel-rus')
    if tesseract:
        _require(tesseract, 'the Russian model of tesseract', 'tesseract-ocr-rus')
    for path in learners:
        for ending in ('.index', '.dict.dz'):
            _require(path + ending, "the learners' dictionary", 'dict-freedict-' +
                     os.path.basename(path).replace('freedict-', ''))
    rules = hunspell.parse_aff(_read_lines(aff))
    entries = hunspell.parse_dic(_read_lines(dic))
    words = [(stem, flags) for stem, flags in entries if nouns.is_plain_word(stem)]
    names = [(stem, flags) for stem, flags in entries if nouns.is_name(stem)]
    taught = freedict.read([(path + '.index', path + '.dict.dz') for path in learners])
    web = weblist.extract(tesseract) if tesseract else weblist.WebWords(collections.Counter(),
                                                                         frozenset())
    mueller_text = corpus.read_dictd(mueller)
    mueller_counts = corpus.count_forms(mueller_text)
    counts = {
        commonness.SPOKEN: texts.read_frequency_list(_read_lines(spoken)) if spoken else {},
        commonness.FORTUNES: texts.read_fortunes(fortunes) if fortunes else {},
        commonness.MUELLER: mueller_counts.articles,
        commonness.THESAURUS: texts.read_thesaurus(_read_lines(thesaurus)) if thesaurus else {},
        commonness.LEARNERS: taught.agreeing,
        commonness.WEB: web.forms,
    }
    seen = set().union(*(c.keys() for c in counts.values()))
    # The analysers are asked about the words the dictionary cannot
    # decline by itself and about every form of spoken Russian.
    # Adjectives that may also be nouns: those some dictionary gives for a
    # noun.
    adjectives = {form: spelling for form, spelling in nouns.adjective_forms(words, rules).items()
                  if taught.agreeing[form] or mueller_counts.noun_items[form]}
    asked = {corpus.fold(stem) for stem, flags in words if not flags or 'O' in flags}
    asked |= adjectives.keys() | counts[commonness.SPOKEN].keys()
    analyses = apertium.analyse(asked, list(analysers)) if analysers else {}

    lemmas = nouns.noun_lemmas(words, mueller_counts, taught.agreeing)
    declined = nouns.flagless_declined(words, analyses, seen)
    nominatives = {corpus.fold(stem) for stem in lemmas} | {corpus.fold(s) for s in declined}
    evidence = nouns.PluralEvidence(mueller_counts, counts[commonness.SPOKEN], analyses,
                                    taught.agreeing)
    plurals = nouns.plural_only(words, rules, nominatives, evidence)
    # Nouns whose forms are also those of another word count their own
    # nominative only.
    standalone = {**plurals, **nouns.substantivised(adjectives, nominatives, evidence)}

    claims = ranking.build_claims(words, rules, lemmas, declined, seen, names)
    scores = {}
    for text, forms in counts.items():
        if text in commonness.HEADWORD_TEXTS:
            scores[text] = ranking.headword_scores(
                claims.nouns | {nouns.base_form(stem) for stem in standalone}, forms)
            continue
        scores[text] = ranking.split_scores(claims, forms)
        scores[text].update(ranking.whole_scores(standalone, forms))
    named = frozenset(nouns.base_form(name) for name in taught.names | web.names)
    common = commonness.combined(scores, named)
    known = frozenset(w for w in common if commonness.is_known(scores, w, named))
    everyday = frozenset(w for w in common if commonness.is_everyday(scores, w))
    # The hand-kept additions are known, everyday and current, whatever the
    # texts say of them.
    vouched = additions.vouched(added)
    common.update({w: max(common.get(w, 0.0), commonness.KNOWN_LEVEL) for w in vouched})
    known |= vouched
    everyday |= vouched
    noun_items = {nouns.base_form(w): n for w, n in mueller_counts.noun_items.items()}
    # A source word is the first thing a player sees of a game: only
    # current long words are taken. No word a player reads first as a name
    # is taken, and, given the verdicts, none a reader dropped or has yet
    # to read; a word a reader kept is as good as known, and as current.
    given_names = frozenset(nouns.base_form(name) for name in taught.names)
    ranked = [w for w in selection.ranked(common, noun_items)
              if w in vouched or not commonness.is_name_first(scores, w, given_names)]
    kept = frozenset(w for w, keep in (read or {}).items() if keep)
    candidates = [w for w in ranked if not selection.is_long(w) or w in vouched or w in kept
                  or commonness.is_current(scores, w, named)]
    undecided = verdicts.undecided(candidates, read, known) if read is not None else []
    order = [w for w in candidates if read is None or verdicts.admitted(w, read, known)]
    known |= kept
    listed = frozenset(w for w in common if commonness.is_listed(scores, w))
    chosen = selection.select(order, LINES, MIN_LONG_WORDS,
                              selection.Rules(everyday, known, MAX_ABSTRACT_SHARE, listed))
    lines = selection.shuffled(chosen, SHUFFLE_SEED)
    # The game never draws the last line, so the long words must be met
    # before it.
    drawable = sum(map(selection.is_long, lines[:-1]))
    if drawable < MIN_LONG_WORDS:
        raise selection.TooFewWords(f'only {drawable} long words among lines 1 to {LINES - 1}')

    spellings = sidefiles.noun_spellings(lemmas, declined, standalone,
                                         [w for w in added if nouns.base_form(w) in vouched])
    uses = gloss.uses(mueller_text)
    yo = sidefiles.yo_lines(lines, spellings, uses)
    found = glossing.sources(mueller_text, pivots, word_lists, uses)
    glosses = sidefiles.gloss_lines(lines, glossing.glosses(found, gloss_lists))
    return Base(lines, yo, glosses, undecided)


def main(argv=None) -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--aff', default=DEFAULT_AFF, help='hunspell affix file (%(default)s)')
    parser.add_argument('--dic', default=DEFAULT_DIC, help='hunspell dictionary (%(default)s)')
    parser.add_argument('--mueller', default=DEFAULT_MUELLER,
                        help='Mueller dictionary, dictd format (%(default)s)')
    parser.add_argument('--spoken', default=DEFAULT_SPOKEN,
                        help='frequency list of spoken Russian, "form count" lines')
    parser.add_argument('--fortunes', default=DEFAULT_FORTUNES,
                        help='folder of Russian fortunes (%(default)s)')
    parser.add_argument('--thesaurus', default=DEFAULT_THESAURUS,
                        help='Russian MyThes thesaurus (%(default)s)')
    parser.add_argument('--analyser', action='append', dest='analysers',
                        help='Apertium Russian analyser, may be given more than once '
                             f'(default: {" and ".join(DEFAULT_ANALYSERS)})')
    parser.add_argument('--learners', action='append',
                        help="FreeDict dictionary with a Russian side, the path of its .index "
                             "and .dict.dz without the ending; may be given more than once "
                             f"(default: {', '.join(DEFAULT_LEARNERS)})")
    parser.add_argument('--tesseract', default=DEFAULT_TESSERACT,
                        help='Russian model of tesseract, whose word list is read (%(default)s)')
    parser.add_argument('--additions', default=additions.DEFAULT_PATH,
                        help='hand-kept list of everyday nouns the sources miss (%(default)s)')
    parser.add_argument('--verdicts', default=verdicts.DEFAULT_PATH,
                        help='hand-kept verdicts on words read one by one (%(default)s)')
    parser.add_argument('--english', action='append',
                        help='English word list the glosses are spelt by; may be given more than '
                             f'once (default: {" and ".join(english.DEFAULT_LISTS)})')
    parser.add_argument('--pivot', action='append', nargs=3, metavar=('LANG', 'INTO_RUS', 'INTO_ENG'),
                        help="FreeDict dictionaries of one language into Russian and into "
                             "English, each without the ending, whose agreement ranks the glosses; "
                             "may be given more than once (default: "
                             f"{', '.join(code for code, _, _ in glossing.DEFAULT_PIVOTS)} "
                             "in /usr/share/dictd)")
    parser.add_argument('--gloss-lists', default=handlists.DATA,
                        help='folder of the hand-kept lists of the glosses (%(default)s)')
    parser.add_argument('--output', default=DEFAULT_OUTPUT,
                        help='word base to write; the side files go beside it')
    args = parser.parse_args(argv)
    try:
        added = _read_additions(args.additions)
        read = _read_verdicts(args.verdicts)
        lists = glossing.read_lists(*(os.path.join(args.gloss_lists, os.path.basename(path))
                                      for path in (handlists.NEVER_SHOWN, handlists.ALLOWED,
                                                   handlists.FIXES, handlists.REVIEWED)))
        base = build(args.aff, args.dic, args.mueller, args.spoken, args.fortunes,
                     args.thesaurus, args.analysers or DEFAULT_ANALYSERS,
                     args.learners or DEFAULT_LEARNERS, args.tesseract, added, read,
                     [tuple(p) for p in args.pivot] if args.pivot else glossing.DEFAULT_PIVOTS,
                     args.english or english.DEFAULT_LISTS, lists)
    except (BadInput, selection.TooFewWords, apertium.AnalyserMissing, weblist.ToolMissing,
            freedict.Unreadable, english.Unreadable, handlists.Malformed) as error:
        print(f'make_wordbase: {error}', file=sys.stderr)
        return 1
    folder = os.path.dirname(os.path.abspath(args.output))
    try:
        basefile.write(args.output, base.lines)
        sidefiles.write(os.path.join(folder, sidefiles.YO_FILE), base.yo)
        sidefiles.write(os.path.join(folder, sidefiles.GLOSS_FILE), base.glosses)
    except OSError as error:
        print(f'make_wordbase: cannot write {error.filename}: {error.strerror}', file=sys.stderr)
        return 1

    play = stats.playable_stats(base.lines, STATS_DRAWS, STATS_SEED)
    longs = [w for w in base.lines[:-1] if selection.is_long(w)]
    print(f'lines: {len(base.lines)}')
    print(f'words of 9+ letters in lines 1-{LINES - 1}: {len(longs)}, '
          f'abstract {sum(map(selection.is_abstract, longs)) / len(longs):.1%}')
    print(f'playable words for {STATS_DRAWS} drawn source words: '
          f'median {play.median:g}, minimum {play.minimum} ({play.poorest})')
    if base.undecided:
        print(f'left out for want of a verdict in {args.verdicts}: {len(base.undecided)} words, '
              f'the best first: {" ".join(base.undecided[:20])}')
    print(f'{sidefiles.YO_FILE}: {len(base.yo)} words spelt with Ё; '
          f'{sidefiles.GLOSS_FILE}: {len(base.glosses)} glosses')
    return 0


if __name__ == '__main__':
    sys.exit(main())
