#!/usr/bin/env python3
"""Builds the game's word base, assets/wmbase.txt, and its two side files,
assets/wmyo.txt (the words spelt with Ё) and assets/wmgloss.txt (English
glosses).

Nouns come from Debian's hunspell-ru dictionary, ranked by how common they
are in the Russian text of the Mueller English-Russian dictionary (Debian's
mueller7-dict). Standard library only; the output is the same on every run.
"""

import argparse
import os
import sys

from typing import List, NamedTuple

from wordbase import basefile, corpus, gloss, hunspell, nouns, ranking, selection, sidefiles, stats

LINES = 11031
MIN_LONG_WORDS = 3000
SHUFFLE_SEED = 11031
STATS_SEED = 2024
STATS_DRAWS = 1000

_REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_AFF = '/usr/share/hunspell/ru_RU.aff'
DEFAULT_DIC = '/usr/share/hunspell/ru_RU.dic'
DEFAULT_MUELLER = '/usr/share/dictd/mueller7.dict.dz'
DEFAULT_OUTPUT = os.path.join(_REPO, 'assets', 'wmbase.txt')


class InputMissing(Exception):
    pass


def _require(path: str, what: str, package: str) -> None:
    if not os.path.isfile(path):
        raise InputMissing(f'cannot read {what} {path} '
                           f'(install the Debian package {package} or give another path)')


def _read_lines(path: str):
    with open(path, encoding='utf-8') as text:
        return text.read().splitlines()


class Base(NamedTuple):
    lines: List[str]
    yo: List[str]
    glosses: List[str]


def build(aff: str, dic: str, mueller: str) -> Base:
    """The lines of the word base, in file order, and its side files."""
    _require(aff, 'the hunspell affix file', 'hunspell-ru')
    _require(dic, 'the hunspell dictionary', 'hunspell-ru')
    _require(mueller, 'the Mueller dictionary', 'mueller7-dict')
    rules = hunspell.parse_aff(_read_lines(aff))
    entries = hunspell.parse_dic(_read_lines(dic))
    mueller_text = corpus.read_dictd(mueller)
    counts = corpus.count_forms(mueller_text)
    scores = ranking.noun_scores(entries, rules, counts)
    noun_items = {nouns.base_form(w): n for w, n in counts.noun_items.items()}
    words = selection.select(selection.ranked(scores, noun_items), LINES, MIN_LONG_WORDS)
    lines = selection.shuffled(words, SHUFFLE_SEED)
    # The game never draws the last line, so the long words must be met
    # before it.
    drawable = sum(map(selection.is_long, lines[:-1]))
    if drawable < MIN_LONG_WORDS:
        raise selection.TooFewWords(f'only {drawable} long words among lines 1 to {LINES - 1}')
    words = [(stem, flags) for stem, flags in entries if nouns.is_plain_word(stem)]
    spellings = sidefiles.noun_spellings(nouns.noun_lemmas(words, counts))
    uses = gloss.uses(mueller_text)
    return Base(lines, sidefiles.yo_lines(lines, spellings, uses),
                sidefiles.gloss_lines(lines, gloss.glosses(uses)))


def main(argv=None) -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--aff', default=DEFAULT_AFF, help='hunspell affix file (%(default)s)')
    parser.add_argument('--dic', default=DEFAULT_DIC, help='hunspell dictionary (%(default)s)')
    parser.add_argument('--mueller', default=DEFAULT_MUELLER,
                        help='Mueller dictionary, dictd format (%(default)s)')
    parser.add_argument('--output', default=DEFAULT_OUTPUT,
                        help='word base to write; the side files go beside it')
    args = parser.parse_args(argv)
    try:
        base = build(args.aff, args.dic, args.mueller)
    except (InputMissing, selection.TooFewWords) as error:
        print(f'make_wordbase: {error}', file=sys.stderr)
        return 1
    folder = os.path.dirname(os.path.abspath(args.output))
    basefile.write(args.output, base.lines)
    sidefiles.write(os.path.join(folder, sidefiles.YO_FILE), base.yo)
    sidefiles.write(os.path.join(folder, sidefiles.GLOSS_FILE), base.glosses)
    lines = base.lines

    play = stats.playable_stats(lines, STATS_DRAWS, STATS_SEED)
    print(f'lines: {len(lines)}')
    print(f'words of 9+ letters in lines 1-{LINES - 1}: '
          f'{sum(map(selection.is_long, lines[:-1]))}')
    print(f'playable words for {STATS_DRAWS} drawn source words: '
          f'median {play.median:g}, minimum {play.minimum} ({play.poorest})')
    print(f'{sidefiles.YO_FILE}: {len(base.yo)} words spelt with Ё; '
          f'{sidefiles.GLOSS_FILE}: {len(base.glosses)} glosses')
    return 0


if __name__ == '__main__':
    sys.exit(main())
