#!/usr/bin/env python3
"""Reports on a word base: its lines and source words, the words each
source word leaves to play, the share of abstract source words, how many
of a list of everyday nouns it takes, how many words the additions list
gave it, what changed against an earlier base, and its English glosses:
how many words and everyday nouns have one, how many the hand-kept lists
changed, and a seeded sample to read.

    python3 tools/wordbase/wordbase_report.py [BASE] [--previous OLD_BASE] [--vocabulary LIST]
                                     [--additions LIST] [--glosses FILE] [--no-recount]
    python3 tools/wordbase/wordbase_report.py --review [BASE]

--review prints instead the words whose glosses readers check, one a line:
the base word in lower case, a tab, its gloss ("-" for none), a tab, and
why it is listed (its rank in speech, or how often the computer played it).
A reader's correction goes into tools/wordbase/data/reviewed_glosses.txt.
"""

import argparse
import os
import sys

from wordbase import additions, basefile, corpus, english, glossing, handlists, paths, report, texts

DEFAULT_BASE = os.path.join(paths.ASSETS, 'wmbase.txt')
DEFAULT_VOCABULARY = os.path.join(paths.DATA, 'everyday_nouns.txt')
DEFAULT_SPOKEN = os.path.join(paths.DATA, 'ru_50k.txt')
DEFAULT_MUELLER = '/usr/share/dictd/mueller7.dict.dz'


def _changed(lines, mueller: str) -> int:
    """How many glosses the hand-kept lists change, from the generator's
    own sources."""
    if not os.path.isfile(mueller):
        raise OSError(f'cannot read the Mueller dictionary {mueller} (install the Debian '
                      'package mueller7-dict, or give --no-recount)')
    found = glossing.sources(corpus.read_dictd(mueller), glossing.DEFAULT_PIVOTS,
                             english.DEFAULT_LISTS)
    return glossing.changed(lines, found, glossing.read_lists())


def main(argv=None) -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('base', nargs='?', default=DEFAULT_BASE, help='word base (%(default)s)')
    parser.add_argument('--previous', help='an earlier word base to compare with')
    parser.add_argument('--vocabulary', default=DEFAULT_VOCABULARY,
                        help='list of everyday nouns (%(default)s)')
    parser.add_argument('--additions', default=additions.DEFAULT_PATH,
                        help='hand-kept list of nouns added to the base (%(default)s)')
    parser.add_argument('--glosses', help='English glosses (wmgloss.txt beside the base)')
    parser.add_argument('--mueller', default=DEFAULT_MUELLER,
                        help='Mueller dictionary, to count what the hand-kept lists change '
                             '(%(default)s)')
    parser.add_argument('--no-recount', action='store_true',
                        help='do not count the glosses the hand-kept lists change')
    parser.add_argument('--review', action='store_true',
                        help='list the words whose glosses readers check, with their glosses')
    parser.add_argument('--spoken', default=DEFAULT_SPOKEN,
                        help='frequency list of spoken Russian, for --review (%(default)s)')
    args = parser.parse_args(argv)
    gloss_path = args.glosses or os.path.join(os.path.dirname(os.path.abspath(args.base)),
                                              'wmgloss.txt')
    try:
        lines = basefile.read(args.base)
        with open(gloss_path, encoding='utf-8') as text:
            try:
                glosses = report.read_glosses(text)
            except ValueError as error:
                raise ValueError(f'{gloss_path}: {error}') from error
        if args.review:
            with open(args.spoken, encoding='utf-8') as text:
                spoken = texts.read_frequency_list(text.read().splitlines())
            print('\n'.join(report.review_list(lines, glosses, spoken)))
            return 0
        previous = basefile.read(args.previous) if args.previous else []
        with open(args.vocabulary, encoding='utf-8') as text:
            vocabulary = report.read_vocabulary(text)
        with open(args.additions, encoding='utf-8') as text:
            added = additions.read(text)
        changed = None if args.no_recount else _changed(lines, args.mueller)
    except additions.Malformed as error:
        print(f'wordbase_report: {args.additions}: {error}', file=sys.stderr)
        return 1
    except (OSError, UnicodeError, ValueError, handlists.Malformed, english.Unreadable) as error:
        print(f'wordbase_report: {error}', file=sys.stderr)
        return 1
    print(report.format_report(lines, vocabulary, previous, added))
    print('\n'.join(report.format_glosses(lines, glosses, vocabulary, changed)))
    return 0


if __name__ == '__main__':
    sys.exit(main())
