#!/usr/bin/env python3
"""Reports on a word base: its lines and source words, the words each
source word leaves to play, the share of abstract source words, how many
of a list of everyday nouns it takes, how many words the additions list
gave it, and what changed against an earlier base.

    python3 tools/wordbase_report.py [BASE] [--previous OLD_BASE] [--vocabulary LIST]
                                     [--additions LIST]
"""

import argparse
import os
import sys

from wordbase import additions, basefile, report

_TOOLS = os.path.dirname(os.path.abspath(__file__))
DEFAULT_BASE = os.path.join(os.path.dirname(_TOOLS), 'assets', 'wmbase.txt')
DEFAULT_VOCABULARY = os.path.join(_TOOLS, 'wordbase', 'data', 'everyday_nouns.txt')


def main(argv=None) -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('base', nargs='?', default=DEFAULT_BASE, help='word base (%(default)s)')
    parser.add_argument('--previous', help='an earlier word base to compare with')
    parser.add_argument('--vocabulary', default=DEFAULT_VOCABULARY,
                        help='list of everyday nouns (%(default)s)')
    parser.add_argument('--additions', default=additions.DEFAULT_PATH,
                        help='hand-kept list of nouns added to the base (%(default)s)')
    args = parser.parse_args(argv)
    try:
        lines = basefile.read(args.base)
        previous = basefile.read(args.previous) if args.previous else []
        with open(args.vocabulary, encoding='utf-8') as text:
            vocabulary = report.read_vocabulary(text)
        with open(args.additions, encoding='utf-8') as text:
            added = additions.read(text)
    except additions.Malformed as error:
        print(f'wordbase_report: {args.additions}: {error}', file=sys.stderr)
        return 1
    except (OSError, UnicodeError) as error:
        print(f'wordbase_report: {error}', file=sys.stderr)
        return 1
    print(report.format_report(lines, vocabulary, previous, added))
    return 0


if __name__ == '__main__':
    sys.exit(main())
