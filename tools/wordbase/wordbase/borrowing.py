"""Whether a Russian noun sounds like an English word, as a borrowing does
(шанс and chance, проекция and projection, фильм and film). The English
word it was borrowed from is the plainest gloss of such a noun, wherever
the dictionary lists it among the English word's senses.

The test is rough on purpose: both words are reduced to their consonants
as classes of sound, which must agree in order, and their first vowels
must be alike. It takes no native word for a borrowing when its vowels
differ (кривая and graph, минута and moment).
"""

from typing import List, Tuple

# Classes of consonant sounds: P labials, T dentals, K velars, S sibilants;
# an English spelling that may sound two ways has both classes.
_RUSSIAN_SOUNDS = tuple((letter, heard) for heard, letters in (
    ('P', 'бпвф'), ('T', 'дт'), ('K', 'кгх'), ('S', 'сзшщжцч'), ('N', 'н'), ('M', 'м'),
    ('L', 'л'), ('R', 'р')) for letter in letters)
# Longer spellings first: "tion" is the Russian -ция.
_ENGLISH_SOUNDS = (
    ('tion', 'S'), ('sion', 'S'), ('sch', 'S'), ('ch', 'KS'), ('ph', 'P'), ('th', 'T'),
    ('sh', 'S'), ('ck', 'K'), ('kh', 'K'), ('gh', 'K'), ('qu', 'K'), ('x', 'K'), ('q', 'K'),
    ('c', 'KS'), ('g', 'KS'), ('j', 'SK'), ('h', 'K'), ('b', 'P'), ('p', 'P'), ('v', 'P'),
    ('f', 'P'), ('w', 'P'), ('d', 'T'), ('t', 'T'), ('k', 'K'), ('s', 'S'), ('z', 'S'),
    ('n', 'N'), ('m', 'M'), ('l', 'L'), ('r', 'R'))
# The English vowels each Russian one is written with in a borrowing.
_VOWELS = {'а': 'aoe', 'о': 'oau', 'у': 'uo', 'и': 'iye', 'ы': 'iy', 'е': 'eai', 'ё': 'eo',
           'э': 'ea', 'я': 'aie', 'ю': 'u'}
_ENGLISH_VOWELS = 'aeiouy'
MIN_CONSONANTS = 3


def _consonants(word: str, sounds: Tuple[Tuple[str, str], ...]) -> List[str]:
    """The consonants of a word as classes of sound; a class heard twice
    running counts once (ll, нн)."""
    result: List[str] = []
    rest = word.lower()
    while rest:
        letters, heard = next(((letters, heard) for letters, heard in sounds
                               if rest.startswith(letters)), (rest[0], ''))
        if heard and (not result or result[-1] != heard):
            result.append(heard)
        rest = rest[len(letters):]
    return result


def _first_vowel(word: str, vowels) -> str:
    return next((letter for letter in word.lower() if letter in vowels), '')


def borrowed(russian: str, english: str) -> bool:
    """Whether the Russian noun sounds like the English word: at least
    three consonants of the same classes in the same order, the English
    word having at most one more, both starting with a vowel or neither,
    and their first vowels alike."""
    ours = _consonants(russian, _RUSSIAN_SOUNDS)
    theirs = _consonants(english, _ENGLISH_SOUNDS)
    if len(ours) < MIN_CONSONANTS or not len(ours) <= len(theirs) <= len(ours) + 1:
        return False
    if not all(sound in heard for sound, heard in zip(ours, theirs)):
        return False
    if (russian[:1].lower() in _VOWELS) != (english[:1].lower() in _ENGLISH_VOWELS):
        return False
    vowel = _first_vowel(russian, _VOWELS)
    return bool(vowel) and _first_vowel(english, _ENGLISH_VOWELS) in _VOWELS[vowel]
