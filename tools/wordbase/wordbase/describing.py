"""Whether a translation in the dictionary only describes the noun before
it: "яблоко, запечённое в тесте" (dumpling), "животное, роющееся в земле"
(rooter), "письмо, не доставленное адресату" (dead letter), "время,
когда поют петухи" (cockcrow), "комната, в которой спят" (dormitory). The noun then stands for a narrower thing,
which the English headword names, and is no equivalent of it.

A describing translation starts with a relative pronoun, after a
preposition if need be, or with a
participle, after "не" or an adverb if need be ("лошадь, едва поднимающая
ноги"), that agrees with the noun and is not followed by a noun of its own
gender in the nominative; that would name the thing anew: "радар,
радиолокационная станция", "смеситель, смешивающий аппарат", "аллергия;
повышенная чувствительность".
"""

import re

_RELATIVES = frozenset('''
    который которая которое которые кто что чей чья чьё когда где куда откуда
'''.split())
# The relative pronouns in every case ("в которой", "из чего", "с кем").
_RELATIVE_FORMS = _RELATIVES | frozenset('''
    которого которой которому котором которым которую которых которыми
    кого кому ком кем чего чему чем чём чьего чьей чьих
'''.split())
# Prepositions end like nouns (на, за) but start a phrase of their own.
_PREPOSITIONS = frozenset('''
    без в во для до за из к ко между на над о об от перед по под при про с со
    у через
'''.split())
# Participles (-ющий, -вший, -анный, -имый and their forms, -ся), with the
# ending that tells their gender.
_PARTICIPLE = re.compile(r'[а-яё]+(?:[уюая]щ|вш|нн|[еоиё]м)([ыи]й|[ая]я|[ое]е|[ыи]е)(?:ся|сь)?')
_GENDER_OF_ENDING = {'ый': 'm', 'ий': 'm', 'ая': 'f', 'яя': 'f', 'ое': 'n', 'ее': 'n',
                     'ые': 'pl', 'ие': 'pl'}
# The genders a noun's last letter allows: a soft sign ends either of two,
# and so does я (тётя, время).
_GENDERS_OF_NOUN = {'а': 'f', 'я': 'fn', 'о': 'n', 'е': 'n', 'ё': 'n', 'ы': 'pl', 'и': 'pl',
                    'ь': 'mf'}
_NOMINATIVE_ENDINGS = {
    'm': tuple('бвгджзклмнпрстфхцчшщйь'), 'f': ('а', 'я', 'ь'), 'n': ('о', 'е', 'ё'),
    'pl': ('ы', 'и', 'а', 'я')}


def describes(noun: str, item: str) -> bool:
    """Whether the translation item only describes the noun before it."""
    words = item.split()
    if words[:1] and words[0] in _RELATIVES:
        return True
    # "гостиница, в которой ...", "место, где ...": a relative after a
    # preposition.
    if len(words) > 1 and words[0] in _PREPOSITIONS and words[1] in _RELATIVE_FORMS:
        return True
    # The participle may follow "не" or an adverb.
    for first in range(min(2, len(words) - 1)):
        participle = _PARTICIPLE.fullmatch(words[first])
        if participle:
            gender = _GENDER_OF_ENDING[participle.group(1)]
            after = words[first + 1]
            return (gender in _GENDERS_OF_NOUN.get(noun[-1:], 'm')
                    and (after in _PREPOSITIONS or not after.endswith(_NOMINATIVE_ENDINGS[gender])))
    return False
