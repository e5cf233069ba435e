"""Tests of the English glosses: the ranking by other languages' evidence,
the English spelling, the hand-kept lists and the shipped wmgloss.txt."""

import os
import re
import unittest

from wordbase import english, gloss, glossing, handlists, paths, pivot

_ASSETS = paths.ASSETS


def evidence(*pairs):
    """Evidence from (Russian base form, English word, languages) triples."""
    found = {}
    for russian, word, languages in pairs:
        found.setdefault(russian, {})[word] = {(language, russian + word) for language in languages}
    return pivot.Evidence(found, found)


class RankingTest(unittest.TestCase):
    ARTICLES = '\n'.join([
        'tetter', '   _n. лишай, экзема', 'eczema', '   _n. _мед. экзема',
        'linn', '   _n. водопад', 'waterfall', '   _n. водопад',
        'imprest', '   _n. аванс', 'advance', '   _n.', '   1) продвижение', '   2) аванс',
        'spud', '   _n.', '   1) мотыга', '   2) _разг. картошка',
        'duck', '   _n.', '   1) утка', '   2) _ласк. голубушка; душка',
        'uncle', '   _n.', '   1) дядя', '   2) _разг. дядюшка',
        'file', '   _n.', '   1) напильник', '   2) _шахм. вертикаль',
        'graph', '   _n. _мат. граф', 'hostel', '   _n. общежитие, в котором живут студенты',
        'seasonticket', '   _n. абонемент', 'harlot', '   _n. проститутка',
        'prostitute', '   _n. проститутка',
    ])
    EVIDENCE = evidence(('ВОДОПАД', 'waterfall', ['pol', 'ell']), ('АВАНС', 'advance', ['pol']),
                        ('КАРТОШКА', 'potato', ['pol', 'fra']), ('КАРТОШКА', 'spud', ['ell']),
                        ('ЗОНТ', 'umbrella', ['pol', 'ell', 'fra']), ('ЗОНТ', 'shade', ['deu']),
                        ('КВАС', 'kvass', ['pol']))

    def test_ranking_of_hand_made_articles(self):
        speller = english.Speller(frozenset('tetter eczema linn waterfall imprest advance spud '
                                            'duck uncle file graph season ticket harlot '
                                            'prostitute potato umbrella shade kvass'.split()),
                                  never=frozenset(['harlot']))
        uses = gloss.uses(self.ARTICLES)
        expected = {
            # Confirmed by other languages, whatever the place in the article.
            'ВОДОПАД': 'waterfall', 'АВАНС': 'advance',
            # Two languages agree where the dictionary has only a styled word;
            # one is witness enough only for a noun nothing else glosses.
            'КАРТОШКА': 'potato', 'ЗОНТ': 'umbrella', 'КВАС': 'kvass',
            # A field label does not count against the plain term; it shows
            # only where the headword has senses in other fields.
            'ЭКЗЕМА': 'eczema, tetter', 'ВЕРТИКАЛЬ': 'file (шахм.)', 'ГРАФ': 'graph',
            # A familiar later sense transfers duck, not uncle.
            'ДУШКА': None, 'ДЯДЮШКА': 'uncle', 'ОБЩЕЖИТИЕ': None,
            'АБОНЕМЕНТ': 'season ticket', 'ПРОСТИТУТКА': 'prostitute',
        }
        glosses = gloss.glosses(uses, self.EVIDENCE, speller.correct)
        for word, text in expected.items():
            self.assertEqual(glosses.get(word), text, word)


class PivotTest(unittest.TestCase):
    def test_english_words_of_each_dictionary(self):
        cases = [
            # Polish: numbered senses, definitions in Polish between, a
            # colloquial sense left out.
            ('kot /kɔt/ <n>\n1. dust bunny\n(potocznie, potoczny) kłąb kurzu\n2. cat\n'
             '(zoologia) Felis\n3. freshman 2.\n(slangowo) rekrut', ['cat']),
            ('pies /pʲjɛs/ <n>\ndog, hound\n(zoologia) Canis familiaris', ['dog', 'hound']),
            ('σπίτι /ˈspi.ti/ <n>\n1. house, home, habitation', ['house', 'home', 'habitation']),
            # German: one sense an entry, tagged and labelled items.
            ('Hund /hˈʊnt/ <masc, n, sg>\n [zool.] dog <n>, dawg <n> [slang]\n   Synonyms: {Köter}\n'
             '      "einen Hund abrichten"  - train a dog', ['dog']),
            ('Haus /hˈaʊs/ <neut, n, sg>\n [ugs.]  [mus.] volta bracket <n>', []),
            ('laufen /lˈaʊfən/ <v>\nrun <v>', []),
            ('amas /ama/ <n, fem>\naccumulation, crowd, heap (of stones)', ['accumulation', 'crowd', 'heap']),
        ]
        for entry, expected in cases:
            self.assertEqual(pivot.english_words(entry), expected, entry)

    def test_languages_pair_by_headword(self):
        found, main = {}, {}
        pivot.pair('pol', {'pies': ['собака', 'пёс'], 'kot': ['кот']}, {'pies': ['dog', 'hound']},
                   found, main)
        pivot.pair('ell', {'σκύλος': ['собака']}, {'σκύλος': ['dog']}, found, main)
        known = pivot.Evidence(found, main)
        self.assertEqual((known.witnesses('СОБАКА', 'Dog'), known.witnesses('ПЕС', 'hound')), (2, 1))
        self.assertEqual(known.agreed('СОБАКА'), ['dog'])
        self.assertEqual((known.sole('СОБАКА'), known.sole('ПЕС'), known.sole('КОТ')), (['dog'], [], []))


class SpellingTest(unittest.TestCase):
    def test_run_together_misspelt_and_never_shown(self):
        words = frozenset('season ticket show window living room control well being teenager '
                          'teen bargain bargains sale ale tree cherry debut ant chaplet '
                          'ladyhood lady hood Internet self'.split())
        speller = english.Speller(words, allowed=frozenset(['kvass']),
                                  fixes={'chapelt': 'chaplet', 'livingroom': 'living room'},
                                  usage={'bargain': 50, 'sale': 40, 'bargains': 3, 'ale': 20},
                                  never=frozenset(['harlot', 'half-breed']))
        for phrase, expected in [('seasonticket', 'season ticket'), ('showwindow', 'show window'),
                                 ('selfcontrol', 'self-control'), ('wellbeing', 'well-being'),
                                 ('bargainsale', 'bargain sale'), ('cherrytree', 'cherry tree'),
                                 ('livingroom', 'living room'), ('chapelt', 'chaplet'),
                                 ('teen-ager', 'teenager'), ('kvass', 'kvass'),
                                 ('internet', 'internet'), ('debutant', None),
                                 ('ladyhood', 'ladyhood'), ('harlot', None),
                                 ('half-breed', None), ('renascense', None)]:
            self.assertEqual(speller.correct(phrase), expected, phrase)
        self.assertEqual(speller.unknown('show window, chaplet (церк.), seasonticket'),
                         ['seasonticket'])


class HandListsTest(unittest.TestCase):
    def test_each_list_names_a_bad_line(self):
        self.assertEqual(handlists.words(['', '# a comment', 'harlot  # an insult',
                                          'half-breed  # a slur']), {'harlot', 'half-breed'})
        self.assertEqual(handlists.fixes(['chapelt -> chaplet  # a misprint']), {'chapelt': 'chaplet'})
        self.assertEqual(handlists.reviewed(['вдох  breath  # a later sense', 'ёж  -  # none']),
                         {'ВДОХ': 'breath', 'ЕЖ': ''})
        for reader, lines, message in [
                (handlists.words, ['harlot'], 'line 1: .* no comment'),
                (handlists.words, ['ok  # fine', 'two words  # no'], 'line 2: .* not one English'),
                (handlists.words, ['a  # x', 'A  # y'], 'line 2: A is listed twice'),
                (handlists.fixes, ['chapelt chaplet  # no arrow'], 'line 1: .*misspelling ->'),
                (handlists.fixes, ['cafe -> Cafe  # same'], 'line 1: cafe is spelt the same'),
                (handlists.reviewed, ['вдох  # no gloss'], 'line 1: вдох has no gloss'),
                (handlists.reviewed, ['Vdoh  breath  # latin'], 'line 1: .*small Russian'),
                (handlists.reviewed, ['вдох  ' + 'x' * 49 + '  # long'], 'line 1: .*48 characters'),
                (handlists.reviewed, ['вдох  a  # one', 'вдох  b  # two'], 'line 2: вдох is listed')]:
            with self.assertRaisesRegex(handlists.Malformed, message):
                reader(lines)

    def test_missing_list_and_never_shown_reviewed_gloss_are_named(self):
        with self.assertRaisesRegex(handlists.Malformed, 'cannot read /nonexistent/never.txt'):
            glossing.read_lists(never='/nonexistent/never.txt')


class ShippedGlossesTest(unittest.TestCase):
    def test_no_word_never_shown_and_every_word_spelt_as_the_lists_say(self):
        missing = [path for path in english.DEFAULT_LISTS if not os.path.isfile(path)]
        self.assertFalse(missing, 'install wbritish-large and wamerican-large (scripts/install-deps.sh)')
        lists = glossing.read_lists()
        speller = english.Speller(english.read_lists(english.DEFAULT_LISTS), lists.allowed)
        with open(os.path.join(_ASSETS, 'wmgloss.txt'), encoding='utf-8') as text:
            lines = text.read().splitlines()
        shown, misspelt = [], []
        for line in lines:
            word, gloss_text = line.split('\t')
            english_part = re.sub(r'\([^()]*\)', ' ', gloss_text)
            shown += [w for w in re.findall(r"[A-Za-zÀ-ÿ]+(?:-[A-Za-zÀ-ÿ]+)*", english_part)
                      if w.lower() in lists.never or any(p.lower() in lists.never for p in w.split('-'))]
            misspelt += [(word, w) for w in speller.unknown(gloss_text)]
        self.assertEqual(shown, [])
        self.assertEqual(misspelt, [])


if __name__ == '__main__':
    unittest.main()
