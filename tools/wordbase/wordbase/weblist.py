"""The word list of tesseract's Russian model (tesseract-ocr-rus): about
300,000 word forms met in web text, which the recogniser prefers when it
reads a word. It holds the forms of everyday words that film dialogue
rarely uses (батон, гречка, тапок) and hardly any of the terms of a trade
(лигнит, кошениль, апофегма).

The list is a compressed word graph inside rus.traineddata; tesseract's
own tools (tesseract-ocr) take it out: combine_tessdata -u splits the
model into its parts and dawg2wordlist writes the graph's words.
"""

import collections
import os
import re
import subprocess
import tempfile
from typing import Counter, FrozenSet, Iterable, List, NamedTuple

from .corpus import fold

_LOWER_WORD = re.compile(r'[а-яё]+')
_NAME = re.compile(r'[А-ЯЁ][а-яё]+')


class ToolMissing(Exception):
    pass


class WebWords(NamedTuple):
    forms: Counter[str]      # lower-case forms, folded, each counted once
    names: FrozenSet[str]    # folded words met only with a capital (Кларк)


def read_words(lines: Iterable[str]) -> WebWords:
    """The forms of a word list. A capitalised form starts a sentence or
    is a name; it is a name when the list never has it in lower case."""
    words = {line.strip() for line in lines}
    forms = collections.Counter({fold(word) for word in words if _LOWER_WORD.fullmatch(word)})
    names = frozenset(fold(word) for word in words
                      if _NAME.fullmatch(word) and fold(word) not in forms)
    return WebWords(forms, names)


def _run(command: List[str]) -> None:
    try:
        subprocess.run(command, capture_output=True, text=True, check=True)
    except FileNotFoundError as error:
        raise ToolMissing(f'cannot run {command[0]} (install the Debian package tesseract-ocr)') \
            from error
    except subprocess.CalledProcessError as error:
        raise ToolMissing(f'{command[0]} failed on {command[-2]}: '
                          f'{(error.stderr or error.stdout).strip()}') from error


def extract(traineddata: str) -> WebWords:
    """The word forms of a tesseract model, as read_words gives them."""
    with tempfile.TemporaryDirectory() as folder:
        prefix = os.path.join(folder, 'model.')
        _run(['combine_tessdata', '-u', traineddata, prefix])
        listed = os.path.join(folder, 'words.txt')
        _run(['dawg2wordlist', prefix + 'lstm-unicharset', prefix + 'lstm-word-dawg', listed])
        with open(listed, encoding='utf-8', errors='replace') as words:
            return read_words(words)
