#!/usr/bin/env python3
"""Builds the game's word base, assets/wmbase.txt, and its two side files,
assets/wmyo.txt (the words spelt with Ё) and assets/wmgloss.txt (English
glosses).

Nouns come from Debian's hunspell-ru dictionary, ranked by how common they
are in spoken Russian (a frequency list kept in tools/wordbase/data), the
Russian fortunes (fortunes-ru), the Russian text of the Mueller
English-Russian dictionary (mueller7-dict) and the Russian thesaurus
(mythes-ru); Apertium's Russian analysers (apertium-rus-ukr,
apertium-bel-rus, run by lttoolbox's lt-proc) tell nouns used only in the
plural. Standard library only; the output is the same on every run.
"""

import argparse
import os
import sys
from typing import List, NamedTuple, Optional, Sequence

from wordbase import (apertium, basefile, commonness, corpus, gloss, hunspell, nouns, ranking,
                      selection, sidefiles, stats, texts)

LINES = 11031
MIN_LONG_WORDS = 2000
MAX_ABSTRACT_SHARE = 0.24
SHUFFLE_SEED = 11031
STATS_SEED = 2024
STATS_DRAWS = 1000

_REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_AFF = '/usr/share/hunspell/ru_RU.aff'
DEFAULT_DIC = '/usr/share/hunspell/ru_RU.dic'
DEFAULT_MUELLER = '/usr/share/dictd/mueller7.dict.dz'
DEFAULT_SPOKEN = os.path.join(_REPO, 'tools', 'wordbase', 'data', 'ru_50k.txt')
DEFAULT_FORTUNES = '/usr/share/games/fortunes/ru'
DEFAULT_THESAURUS = '/usr/share/mythes/th_ru_RU_v2.dat'
DEFAULT_ANALYSERS = ('/usr/share/apertium/apertium-rus-ukr/rus-ukr.automorf.bin',
                     '/usr/share/apertium/apertium-bel-rus/rus-bel.automorf.bin')
DEFAULT_OUTPUT = os.path.join(_REPO, 'assets', 'wmbase.txt')


class InputMissing(Exception):
    pass


class Base(NamedTuple):
    lines: List[str]
    yo: List[str]
    glosses: List[str]


def _require(path: str, what: str, package: str, folder: bool = False) -> None:
    if not (os.path.isdir(path) if folder else os.path.isfile(path)):
        raise InputMissing(f'cannot read {what} {path} '
                           f'(install the Debian package {package} or give another path)')


def _read_lines(path: str):
    with open(path, encoding='utf-8') as text:
        return text.read().splitlines()


def build(aff: str, dic: str, mueller: str, spoken: Optional[str] = None,
          fortunes: Optional[str] = None, thesaurus: Optional[str] = None,
          analysers: Sequence[str] = ()) -> Base:
    """The word base in file order and its side files. Only the hunspell
    dictionary and the Mueller dictionary are needed; a text left out
    counts nothing."""
    _require(aff, 'the hunspell affix file', 'hunspell-ru')
    _require(dic, 'the hunspell dictionary', 'hunspell-ru')
    _require(mueller, 'the Mueller dictionary', 'mueller7-dict')
    if spoken:
        _require(spoken, 'the spoken frequency list', 'of this repository (tools/wordbase/data)')
    if fortunes:
        _require(fortunes, 'the Russian fortunes', 'fortunes-ru', folder=True)
    if thesaurus:
        _require(thesaurus, 'the Russian thesaurus', 'mythes-ru')
    for path in analysers:
        _require(path, 'the Apertium analyser', 'apertium-rus-ukr or apertium-bel-rus')
    rules = hunspell.parse_aff(_read_lines(aff))
    words = [(stem, flags) for stem, flags in hunspell.parse_dic(_read_lines(dic))
             if nouns.is_plain_word(stem)]
    mueller_text = corpus.read_dictd(mueller)
    mueller_counts = corpus.count_forms(mueller_text)
    counts = {
        commonness.SPOKEN: texts.read_frequency_list(_read_lines(spoken)) if spoken else {},
        commonness.FORTUNES: texts.read_fortunes(fortunes) if fortunes else {},
        commonness.MUELLER: mueller_counts.articles,
        commonness.THESAURUS: texts.read_thesaurus(_read_lines(thesaurus)) if thesaurus else {},
    }
    seen = set().union(*(c.keys() for c in counts.values()))
    # The analysers are asked about the words the dictionary cannot
    # decline by itself and about every form of spoken Russian.
    asked = {corpus.fold(stem) for stem, flags in words if not flags or 'O' in flags}
    analyses = apertium.analyse(asked | counts[commonness.SPOKEN].keys(), list(analysers)) \
        if analysers else {}

    lemmas = nouns.noun_lemmas(words, mueller_counts)
    declined = nouns.flagless_declined(words, analyses, seen)
    nominatives = {corpus.fold(stem) for stem in lemmas} | {corpus.fold(s) for s in declined}
    evidence = nouns.PluralEvidence(mueller_counts, counts[commonness.SPOKEN], analyses)
    plurals = nouns.plural_only(words, rules, nominatives, evidence)

    claims = ranking.build_claims(words, rules, lemmas, declined, seen)
    scores = {}
    for text, forms in counts.items():
        scores[text] = ranking.split_scores(claims, forms)
        scores[text].update(ranking.whole_scores(plurals, forms))
    common = commonness.combined(scores)
    known = frozenset(w for w in common if commonness.is_known(scores, w))
    everyday = frozenset(w for w in common if commonness.is_everyday(scores, w))
    noun_items = {nouns.base_form(w): n for w, n in mueller_counts.noun_items.items()}
    # A source word is the first thing a player sees of a game: only known
    # long words are taken.
    order = [w for w in selection.ranked(common, noun_items)
             if w in known or not selection.is_long(w)]
    chosen = selection.select(order, LINES, MIN_LONG_WORDS,
                              selection.Rules(everyday, known, MAX_ABSTRACT_SHARE))
    lines = selection.shuffled(chosen, SHUFFLE_SEED)
    # The game never draws the last line, so the long words must be met
    # before it.
    drawable = sum(map(selection.is_long, lines[:-1]))
    if drawable < MIN_LONG_WORDS:
        raise selection.TooFewWords(f'only {drawable} long words among lines 1 to {LINES - 1}')

    spellings = sidefiles.noun_spellings(lemmas, declined, plurals)
    uses = gloss.uses(mueller_text)
    yo = sidefiles.yo_lines(lines, spellings, uses)
    glosses = sidefiles.gloss_lines(lines, gloss.glosses(uses))
    return Base(lines, yo, glosses)


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
    parser.add_argument('--output', default=DEFAULT_OUTPUT,
                        help='word base to write; the side files go beside it')
    args = parser.parse_args(argv)
    try:
        base = build(args.aff, args.dic, args.mueller, args.spoken, args.fortunes,
                     args.thesaurus, args.analysers or DEFAULT_ANALYSERS)
    except (InputMissing, selection.TooFewWords, apertium.AnalyserMissing) as error:
        print(f'make_wordbase: {error}', file=sys.stderr)
        return 1
    folder = os.path.dirname(os.path.abspath(args.output))
    basefile.write(args.output, base.lines)
    sidefiles.write(os.path.join(folder, sidefiles.YO_FILE), base.yo)
    sidefiles.write(os.path.join(folder, sidefiles.GLOSS_FILE), base.glosses)

    play = stats.playable_stats(base.lines, STATS_DRAWS, STATS_SEED)
    longs = [w for w in base.lines[:-1] if selection.is_long(w)]
    print(f'lines: {len(base.lines)}')
    print(f'words of 9+ letters in lines 1-{LINES - 1}: {len(longs)}, '
          f'abstract {sum(map(selection.is_abstract, longs)) / len(longs):.1%}')
    print(f'playable words for {STATS_DRAWS} drawn source words: '
          f'median {play.median:g}, minimum {play.minimum} ({play.poorest})')
    print(f'{sidefiles.YO_FILE}: {len(base.yo)} words spelt with Ё; '
          f'{sidefiles.GLOSS_FILE}: {len(base.glosses)} glosses')
    return 0


if __name__ == '__main__':
    sys.exit(main())
