"""Tests of the word base generator's rules on tiny inputs, and of the
invariants of the shipped word base."""

import collections
import contextlib
import gzip
import io
import itertools
import os
import random
import tempfile
import unittest
from unittest import mock

import make_wordbase
from wordbase import (additions, apertium, basefile, borrowing, commonness, corpus, describing,
                      freedict, gloss, hunspell, nouns, paths, ranking, report, selection, sidefiles,
                      stats, texts, verdicts, weblist)
from wordbase.letters import LetterIndex, fits

ASSETS = paths.ASSETS
SHIPPED = os.path.join(ASSETS, 'wmbase.txt')

AFF = '''SET UTF-8
SFX H Y 3
SFX H   а    ы    [^гкх]а
SFX H   а    и    [гкх]а
SFX H   а    ой   а
SFX K Y 2
SFX K   0    а    [^аь]
SFX K   ь    и    ь
SFX L Y 3
SFX L   ть   л    ать
SFX L   ть   ли   ать
SFX L   сть  ла   [^ч].сть
'''.splitlines()

DIC = '''5
сталь/K
стать/L
нога/H
книга/H
Москва/H
'''.splitlines()


def counts_of(articles=(), nouns_=(), others=()):
    return corpus.CorpusCounts(collections.Counter(articles), collections.Counter(nouns_),
                               collections.Counter(others))


class AffixTest(unittest.TestCase):
    def test_suffix_rules_respect_strip_and_condition(self):
        rules = hunspell.parse_aff(AFF)
        self.assertEqual(set(rules), {'H', 'K', 'L'})
        self.assertEqual(hunspell.expand('нога', 'H', rules), {'нога', 'ноги', 'ногой'})
        self.assertEqual(hunspell.expand('сталь', 'K', rules), {'сталь', 'стали'})
        self.assertEqual(hunspell.expand('стол', 'K', rules), {'стол', 'стола'})
        self.assertEqual(hunspell.expand('стать', 'L', rules), {'стать', 'стал', 'стали'})
        # "[^ч].сть": any letter but Ч two places before СТЬ.
        self.assertEqual(hunspell.expand('месть', 'L', rules), {'месть', 'мела'})
        self.assertEqual(hunspell.expand('честь', 'L', rules), {'честь'})
        self.assertEqual(hunspell.expand('нога', 'HKL', rules), {'нога', 'ноги', 'ногой'})
        self.assertEqual(hunspell.parse_dic(DIC)[-2:], [('книга', 'H'), ('Москва', 'H')])


class NounTest(unittest.TestCase):
    def test_plain_words_in_base_form(self):
        self.assertEqual(nouns.base_form('ребёнок'), 'РЕБЕНОК')
        for word in ('Москва', 'ЧПУ', 'как-то', 'euro', 'вдв2', 'вкз'):
            self.assertFalse(nouns.is_plain_word(word), word)
        for word in ('ёж', 'слово'):
            self.assertTrue(nouns.is_plain_word(word), word)

    def test_declension_flags(self):
        self.assertTrue(nouns.declined_noun('книга', 'I'))
        self.assertFalse(nouns.declined_noun('рожей', 'H'))  # instrumental form
        self.assertTrue(nouns.declined_noun('отец', 'O'))
        self.assertFalse(nouns.declined_noun('вёдра', 'O'))  # plural
        self.assertFalse(nouns.declined_noun('волчий', 'O'))  # possessive adjective
        self.assertTrue(nouns.declined_noun('толчея', 'E'))
        self.assertFalse(nouns.declined_noun('смешнее', 'E'))  # comparative
        self.assertFalse(nouns.declined_noun('светлый', 'AZ'))

    def test_lemmas(self):
        entries = [('книга', 'I'), ('Москва', 'H'), ('жопа', 'I'), ('стать', 'NLRY'),
                   ('знать', 'FBLMP'), ('пять', 'F'), ('долг', 'K'), ('кофе', ''),
                   ('долга', ''), ('вовремя', ''), ('как-то', '')]
        counts = counts_of({'кофе': 5, 'долга': 3, 'вовремя': 9},
                           {'знать': 1, 'кофе': 3, 'долга': 2, 'вовремя': 2},
                           {'вовремя': 4})
        self.assertEqual(sorted(nouns.noun_lemmas(entries, counts)),
                         ['долг', 'знать', 'книга', 'кофе'])


class CorpusTest(unittest.TestCase):
    TEXT = '\n'.join([
        'brandy',
        '   [↗brændɪ] _n. коньяк, бренди; brandy snap имбирный пряник',
        'bran',
        '   1. _n. _тех. отруби',
        '   2. _v. (особ. коньяк) гнать, коньяк и напр. чай',
        'brant',
        '   [brænt] _n. _pl. казарки',
        'brass',
        '   _n. (особ.) медь, латунь, особ. чай, особ. чай',
        'East End',
        '   _n. Ист-Энд, часть Лондона',
    ])

    def test_counts(self):
        counts = corpus.count_forms(self.TEXT)
        # Once per article; a specialist sense weighs a quarter.
        self.assertEqual(counts.articles['коньяк'], 2)
        self.assertEqual(counts.articles['отруби'], corpus.SPECIALIST_WEIGHT)
        self.assertEqual(counts.articles['чай'], 2)
        # "особ." is an abbreviation, not a form of ОСОБА.
        self.assertNotIn('особ', counts.articles)
        # Names are no forms of common nouns.
        self.assertEqual(counts.articles['часть'], 1)
        self.assertNotIn('энд', counts.articles)
        self.assertNotIn('Энд', counts.articles)
        # Translations ahead of the first English example, outside brackets.
        self.assertEqual(counts.noun_items['коньяк'], 1)
        self.assertEqual(counts.noun_items['бренди'], 1)
        self.assertEqual(counts.noun_items['медь'], 1)
        self.assertNotIn('пряник', counts.noun_items)
        self.assertNotIn('казарки', counts.noun_items)
        self.assertNotIn('особ', counts.noun_items)
        self.assertEqual(counts.other_items['гнать'], 1)
        self.assertNotIn('гнать', counts.noun_items)

    def test_yo_is_folded(self):
        counts = corpus.count_forms('x\n   _n. ёлка')
        self.assertEqual(counts.noun_items['елка'], 1)


class RankingTest(unittest.TestCase):
    def test_shared_form_follows_each_words_own_forms(self):
        rules = hunspell.parse_aff(AFF)
        counts = counts_of({'сталь': 2, 'стали': 23, 'стал': 10, 'стала': 10,
                            'нога': 3, 'ногой': 1, 'москва': 7})
        scores = ranking.noun_scores(hunspell.parse_dic(DIC), rules, counts)
        self.assertEqual(set(scores), {'СТАЛЬ', 'НОГА', 'КНИГА'})
        self.assertEqual(scores['НОГА'], 4)
        self.assertEqual(scores['КНИГА'], 0)
        # СТАЛИ: the noun has 2 of its own (СТАЛЬ), the verb 10 (СТАЛ; СТАЛА
        # is no form of it under these rules), each plus the floor.
        floor = ranking.PRIOR_FLOOR
        self.assertAlmostEqual(scores['СТАЛЬ'], 2 + 23 * (2 + floor) / (12 + 2 * floor))


class SelectionTest(unittest.TestCase):
    WORDS = ['КАРАНДАШИК', 'ЮЮЮЮЮЮЮЮЮЮ', 'ПРОГРАММИСТ', 'ЛИСТОПАДНИК', 'ОКРАШИВАНИЕ',
             'НАСТРОЕНИЕ', 'ПАР', 'ОКО', 'НОС', 'ТОН', 'РАК', 'ЭХО', 'ЖЮРИ', 'СОН', 'НОРА',
             'ТИР', 'КИНО']

    def ranking(self):
        scores = {w: 10.0 - i * 0.1 for i, w in enumerate(self.WORDS)}
        scores['РОК'] = selection.MIN_SCORE / 2
        return selection.ranked(scores, {})

    def test_common_words_need_one_source_and_abstract_ones_are_capped(self):
        everything = frozenset(self.WORDS)
        cases = [
            # ПАР is made only from ПРОГРАММИСТ; КИНО, the last, leaves for it.
            (selection.Rules(common=frozenset({'ПАР'})),
             ['КАРАНДАШИК', 'ПРОГРАММИСТ', 'ЛИСТОПАДНИК', 'ОКРАШИВАНИЕ', 'НАСТРОЕНИЕ', 'ПАР',
              'НОС', 'ТОН', 'РАК', 'СОН', 'НОРА', 'ТИР']),
            # Of four long words one may be abstract: НАСТРОЕНИЕ leaves. A
            # known word needs one long word to make it, and those that one
            # makes take the lines before ОКО, ЭХО and ЖЮРИ, which none makes.
            (selection.Rules(known=everything, max_abstract=0.25),
             ['КАРАНДАШИК', 'ПРОГРАММИСТ', 'ЛИСТОПАДНИК', 'ОКРАШИВАНИЕ', 'ПАР', 'НОС', 'ТОН',
              'РАК', 'СОН', 'НОРА', 'ТИР', 'КИНО']),
            # Known ЭХО and ЖЮРИ, though no long word makes them, come
            # before the rest; of those the playable СОН and НОРА come
            # before ПАР, listed but made by no long word once ПРОГРАММИСТ,
            # which nothing left fits, leaves.
            (selection.Rules(known=everything - {'ПАР', 'СОН', 'НОРА', 'ТИР', 'КИНО'},
                             listed=frozenset({'ПАР', 'СОН'})),
             ['КАРАНДАШИК', 'ЛИСТОПАДНИК', 'ОКРАШИВАНИЕ', 'НАСТРОЕНИЕ', 'ОКО', 'НОС', 'ТОН',
              'РАК', 'ЭХО', 'ЖЮРИ', 'СОН', 'НОРА']),
        ]
        with mock.patch.object(selection, 'MIN_PLAYABLE', 1):
            for rules, expected in cases:
                self.assertEqual(selection.select(self.ranking(), 12, 3, rules), expected)
            # The lines the four known short words leave go to the known long
            # words, though the listed НОРА and ТИР rank above them.
            ranking = ['НОС', 'ТОН', 'РАК', 'СОН', 'НОРА', 'ТИР', 'КАРАНДАШИК', 'ЛИСТОПАДНИК',
                       'ОКРАШИВАНИЕ', 'НАСТРОЕНИЕ']
            rules = selection.Rules(known=frozenset(ranking) - {'НОРА', 'ТИР'},
                                    listed=frozenset({'НОРА', 'ТИР'}))
            self.assertEqual(selection.select(ranking, 8, 2, rules), ranking[:4] + ranking[6:])

    def test_exact_total_of_playable_words(self):
        with mock.patch.object(selection, 'MIN_PLAYABLE', 1):
            words = selection.select(self.ranking(), 12, 3)
        # Gone: the rare РОК, the long word nothing fits, and short words
        # that fit fewer than two long ones (ПАР fits one, ОКО, ЭХО, ЖЮРИ none).
        self.assertEqual(words, ['КАРАНДАШИК', 'ПРОГРАММИСТ', 'ЛИСТОПАДНИК', 'ОКРАШИВАНИЕ',
                                 'НАСТРОЕНИЕ', 'НОС', 'ТОН', 'РАК', 'СОН', 'НОРА', 'ТИР',
                                 'КИНО'])

    def test_too_few_words_is_an_error(self):
        with mock.patch.object(selection, 'MIN_PLAYABLE', 1):
            with self.assertRaisesRegex(selection.TooFewWords, '13 lines'):
                selection.select(self.ranking(), 13, 3)

    def test_shuffle_is_reproducible(self):
        words = [str(i) for i in range(50)]
        self.assertEqual(selection.shuffled(words, 7), selection.shuffled(words, 7))
        self.assertNotEqual(selection.shuffled(words, 7), words)
        self.assertEqual(sorted(selection.shuffled(words, 7)), sorted(words))


class LettersTest(unittest.TestCase):
    def test_index_agrees_with_the_letter_test(self):
        rng = random.Random(3)
        words = [''.join(rng.choice('АБВГО') for _ in range(rng.randint(2, 9)))
                 for _ in range(300)]
        index = LetterIndex(words)
        for probe in words[:40]:
            self.assertEqual(index.count_fitting(probe), sum(fits(w, probe) for w in words))
            self.assertEqual(index.count_sources(probe), sum(fits(probe, w) for w in words))
        self.assertTrue(fits('МАМА', 'ПРОГРАММА'))
        self.assertFalse(fits('МАМАМ', 'ПРОГРАММА'))


class StatsTest(unittest.TestCase):
    class Scripted:
        def __init__(self, *values):
            self.values = iter(values)

        def random(self):
            return next(self.values)

    def test_draw_like_the_game(self):
        lines = ['ДОМ', 'ДЛИННОЕСЛОВО', 'КОТ', 'ПОСЛЕДНЕЕСЛОВО']
        # 0 reads no line, 0.3 gives line 1 and 0.99 line 3, both short; the
        # last line can never be drawn.
        rng = self.Scripted(0.0, 0.3, 0.99, 0.6)
        self.assertEqual(stats.draw_source(lines, rng), 'ДЛИННОЕСЛОВО')
        self.assertEqual(list(rng.values), [])

    def test_playable_counts_exclude_the_source(self):
        lines = ['ПРОГРАММИСТ', 'МАМА', 'ГРОТ', 'ТИС', 'ЖУК', 'МИР', 'КОТ', 'ОКО']
        play = stats.playable_stats(lines, 20, 1)
        self.assertEqual(play, (3, 3, 'ПРОГРАММИСТ'))


class OutputTest(unittest.TestCase):
    def test_cp1251_with_crlf(self):
        self.assertEqual(basefile.encode(['ЕЖ', 'ЯМА']), b'\xc5\xc6\r\n\xdf\xcc\xc0\r\n')
        for bad in ('ЁЖ', 'еж', 'ЕЖ ', ''):
            with self.assertRaises(ValueError):
                basefile.encode(['ДОМ', bad])

    def test_missing_input_is_named(self):
        with tempfile.TemporaryDirectory() as tmp:
            missing = os.path.join(tmp, 'none.aff')
            broken = os.path.join(tmp, 'additions.txt')
            with open(broken, 'w', encoding='utf-8') as out:
                out.write('батон\n')
            for option, path in (('--aff', missing), ('--additions', broken)):
                err = io.StringIO()
                with contextlib.redirect_stderr(err):
                    code = make_wordbase.main([option, path, '--output', os.path.join(tmp, 'out')])
                self.assertEqual(code, 1)
                self.assertIn(path, err.getvalue())
                self.assertFalse(os.path.exists(os.path.join(tmp, 'out')))

    def test_tiny_inputs_give_a_clear_error(self):
        with tempfile.TemporaryDirectory() as tmp:
            paths = {name: os.path.join(tmp, name) for name in ('x.aff', 'x.dic', 'm.dz')}
            with open(paths['x.aff'], 'w', encoding='utf-8') as out:
                out.write('\n'.join(AFF))
            with open(paths['x.dic'], 'w', encoding='utf-8') as out:
                out.write('\n'.join(DIC))
            with gzip.open(paths['m.dz'], 'wt', encoding='utf-8') as out:
                out.write(CorpusTest.TEXT)
            with self.assertRaisesRegex(selection.TooFewWords, '11031'):
                make_wordbase.build(paths['x.aff'], paths['x.dic'], paths['m.dz'])


class ShippedBaseTest(unittest.TestCase):
    def test_invariants(self):
        with open(SHIPPED, 'rb') as base:
            data = base.read()
        self.assertTrue(data.endswith(b'\r\n'))
        self.assertNotIn(b'\n', data.replace(b'\r\n', b''))
        self.assertNotIn(b'\r', data.replace(b'\r\n', b''))
        lines = data.decode('cp1251').split('\r\n')[:-1]
        self.assertEqual(len(lines), 11031)
        self.assertEqual(len(set(lines)), len(lines))
        for line in lines:
            self.assertTrue(2 <= len(line) <= 20, line)
            self.assertTrue(all('А' <= ch <= 'Я' for ch in line), line)
        self.assertGreaterEqual(sum(len(w) >= 9 for w in lines[:11030]),
                                make_wordbase.MIN_LONG_WORDS)
        # Lengths are mixed through the file, as the computer scans it.
        for part in itertools.islice(zip(*[iter(lines)] * 1000), 11):
            self.assertGreater(sum(len(w) <= 6 for w in part), 250)

    def test_side_files_name_base_words(self):
        base = set(basefile.read(SHIPPED))
        for name, key in ((sidefiles.YO_FILE, nouns.base_form),
                          (sidefiles.GLOSS_FILE, lambda line: line.split('\t')[0])):
            with open(os.path.join(ASSETS, name), 'rb') as side:
                data = side.read()
            self.assertNotIn(b'\r', data)
            lines = data.decode('utf-8').split('\n')
            self.assertEqual(lines.pop(), '')
            self.assertEqual(lines, sorted(set(lines)))
            self.assertTrue(base.issuperset(map(key, lines)), name)
        for line in lines:
            word, text = line.split('\t')
            self.assertTrue(0 < len(text) <= gloss.MAX_LENGTH, line)


class FlaglessNounTest(unittest.TestCase):
    def test_nouns_told_by_their_own_case_forms(self):
        entries = [(w, '') for w in 'пёс пса псом ёж ежа ежом посол посла послом посл '
                                    'ваш ваша вашем кит кита китом'.split()]
        entries += [('псы', 'O'), ('ежи', 'O'), ('послы', 'O'), ('ваши', 'O'), ('киты', 'O')]
        analyses = {'ваш': frozenset({apertium.Reading('ваш', ('det', 'pos', 'm'))})}
        seen = {'пес', 'еж', 'посол', 'посл', 'ваш'}
        found = nouns.flagless_declined(entries, analyses, seen)
        # посл is the stem of посол's cases, ваш no noun, кит never seen.
        self.assertEqual(set(found), {'пёс', 'ёж', 'посол'})
        self.assertEqual(found['пёс'], {'пес', 'пса', 'псом', 'псы'})


class PluralOnlyTest(unittest.TestCase):
    AFF = hunspell.parse_aff([
        'SFX O Y 2', 'SFX O ы ами ы', 'SFX O и ями ни',
        'SFX K Y 2', 'SFX K о и ко', 'SFX K 0 ы [^ко]',
        'SFX H Y 1', 'SFX H а ы [^гкх]а'])

    def test_plurals_with_and_without_a_singular(self):
        entries = [('сани', 'O'), ('стулья', 'O'), ('стул', 'K'), ('очки', 'O'), ('очко', 'K'),
                   ('куклы', 'O'), ('кукла', 'H'), ('час', 'K'), ('цветы', 'O'), ('цвет', 'K')]
        analyses = apertium.parse(
            '^стулья/стул<n><m><nn><pl><nom>$ ^часы/час<n><m><nn><pl><nom>/часы<n><m><nn><pl><nom>$'
            ' ^цветы/цветок<n><m><nn><pl><nom>$')
        spoken = collections.Counter({'очки': 50, 'очко': 5, 'куклы': 50, 'кукла': 5,
                                      'цветы': 50, 'цвет': 5})
        evidence = nouns.PluralEvidence(counts_of(), spoken, analyses)
        found = nouns.plural_only(entries, self.AFF, {'стул', 'очко', 'кукла', 'час', 'цвет'},
                                  evidence)
        # СТУЛЬЯ and ЦВЕТЫ are plurals of other nouns; КУКЛЫ may be the
        # genitive that speech uses, ОЧКИ may not.
        self.assertEqual(set(found), {'сани', 'очки', 'часы'})
        self.assertEqual(found['сани'], {'сани', 'санями'})


class SourcesTest(unittest.TestCase):
    def test_texts_count_lower_case_forms(self):
        self.assertEqual(texts.read_frequency_list(['ёж 3', 'еж 2', 'Москва 5', 'x']),
                         {'еж': 5})
        self.assertEqual(texts.count_words('Ёлка, ёлка и Москва'), {'елка': 1, 'и': 1})
        self.assertEqual(texts.read_thesaurus(['UTF-8', 'дом|1', '(синоним)|жилище|дом|кров']),
                         {'дом': 2, 'жилище': 1, 'кров': 1})
        # A capital starts a sentence (Дом) or a name, met only so (Кларк).
        self.assertEqual(weblist.read_words(['Кларк\n', 'Дом', 'дом', 'ёж', 'Ёж', 'x']),
                         ({'дом': 1, 'еж': 1}, {'кларк'}))

    def test_known_and_everyday_words(self):
        scores = {commonness.SPOKEN: {'ДОМ': 500, 'ЛЕС': 20}, commonness.FORTUNES: {'ЛЕС': 1},
                  commonness.MUELLER: {'ЛЕС': 9, 'ТЕЗА': 1, 'ЛИГНИТ': 30},
                  commonness.THESAURUS: {'ТЕЗА': 1}}
        common = commonness.combined(scores)
        cases = {'ДОМ': (True, True), 'ЛЕС': (True, False), 'ТЕЗА': (True, False),
                 'ЛИГНИТ': (False, False)}
        for word, (known, everyday) in cases.items():
            self.assertEqual(commonness.is_known(scores, word), known, word)
            self.assertEqual(commonness.is_everyday(scores, word), everyday, word)
        # Known words outrank a term the dictionary alone uses often.
        self.assertEqual(sorted(common, key=common.get, reverse=True)[-1], 'ЛИГНИТ')

    def test_analyses(self):
        analyses = apertium.parse(
            '^сутки/сутки<n><f><nn><pl><nom>$\n^такси/такси<n><nt><nn><sg><nom>/такси<n><nt><nn>'
            '<pl><nom>$\n^стулья/стул<n><m><nn><pl><nom>$\n^ваш/ваш<det><pos><m><sg><nom>$\n'
            '^сани/*сани$\n^Ворота/ворота¹<n><nt><nn><pl><nom>$\n')
        cases = {'сутки': (True, False, False), 'такси': (False, False, False),
                 'стулья': (False, True, False), 'ваш': (False, False, True),
                 'сани': (False, False, False), 'ворота': (True, False, False)}
        for word, expected in cases.items():
            self.assertEqual((apertium.plural_lemma(word, analyses),
                              apertium.plural_of_another(word, analyses),
                              apertium.not_a_noun(word, analyses)), expected, word)


class SideFilesTest(unittest.TestCase):
    MUELLER = '\n'.join([
        'ice', '   [aɪs] _n.', '   1) лёд', '   2) мороженое',
        'floe', '   _n.', '   1) льдина', '   2) лёд',
        'glacier', '   _n. _геол. ледник, лёд',
        'Ice', '   _n. лёд', 'August', '   _n. август',
        'cream', '   _n. сливки',
        'ice-cream', '   _n. мороженое',
        'cha teau', '   _n. лёд',
        'palate', '   _n. _анат. нёбо',
        'sky', '   _n. небо', 'heaven', '   _n. небо',
        'bill', '   _n. счёт', 'account', '   _n. счёт', 'score', '   _n. счет',
    ])

    # Articles as the dictionary writes them, and what they gloss.
    ARTICLES = '\n'.join([
        'apple', '   [↗æpl] _n.', '   1) яблоко', '   2) яблоня; apple of one\'s eye',
        '      а) зрачок;', '      б) зеница ока',
        'dumpling', '   [↗dʌmplɪŋ] _n.', '   1) клёцка', '   2) яблоко, запечённое в тесте',
        'apple dumpling', '   [↗æpl↘dʌmplɪŋ] _n. яблоко, запечённое в тесте',
        'dog', '   [dɘg]', '   1. _n.', '      1) собака, пёс', '   2. _v. выслеживать',
        'hound', '   [haʊnd]', '   1. _n.', '      1) собака; охотничья собака',
        '      2) негодяй; "собака"',
        'cur', '   _n. "собака", дворняжка', 'underdog', '   [↗ʌndɜdɘg] _n.', '   1) собака, побеждённая в драке', '   2) неудачник',
        'transit', '   1. _n.', '      1) прохождение', '      2) транзит', '      3) перемена',
        '      4) _астр. прохождение планеты', '      5) теодолит', '      6) нивелир',
        'level', '   _n.', '      1) уровень', '      2) ватерпас', '      3) нивелир',
        'theodolite', '   [θɪ↗ɘdɜlaɪt] _n. _геод. теодолит',
        'hazard', '   [↗hæzɜd]', '   1. _n.', '      1) шанс', '      2) риск, опасность',
        'chance', '   1. _n.', '      1) случай', '      2) риск', '      3) удача', '      4) шанс',
        'shop', '   _n.', '   1) магазин, лавка',
        'magazine', '   _I  [↘mægɜ↗zi:n] _n.', '      1) склад', '      2) магазин (для патронов)',
        'make', '   1. _v. делать', '   2. _n. работа', 'work', '   _n. работа',
        'histiology', '   [↘hɪstɪ↗ɘlɜdʒɪ], histology [hɪs↗tɘlɜdʒɪ] _n. гистология',
        'ulcer', '   [↗ʌlsɜ] _n. язва; _перен. тж. зло', 'sore', '   _n.', '   1) болячка',
        '   2) рана', '   3) язва',
        'pop', '   _I  _n. хлопок', '   _III _n. _ам. _разг.', '      1) папа', 'dad', '   _n. папа',
        'pal', '   _n. _разг. приятель', 'rooter', '   _n. животное, роющееся в земле', 'feme', '   _n. _юр. feme sole', '   а) девушка;',
        'quintet', '   _n. _муз. квинтет', 'quintette', '   _n. _муз. квинтет',
    ])

    def test_glosses_most_direct_first(self):
        glosses = gloss.glosses(gloss.uses(self.MUELLER))
        self.assertEqual(glosses['ЛЕД'], 'ice')
        self.assertEqual(glosses['МОРОЖЕНОЕ'], 'ice-cream')
        self.assertEqual(glosses['АВГУСТ'], 'August')
        self.assertEqual(sidefiles.gloss_lines(['ЛЕД', 'ДОМ', 'ЛЕД'], glosses), ['ЛЕД\tice'])
        glosses = gloss.glosses(gloss.uses(self.ARTICLES))
        # Described, figurative, phrase and repeating headwords stay out;
        # borrowed words count as direct unless a remark narrows them.
        expected = {'ЯБЛОКО': 'apple', 'СОБАКА': 'dog, hound', 'ТЕОДОЛИТ': 'theodolite',
                    'ШАНС': 'chance, hazard', 'МАГАЗИН': 'shop', 'РАБОТА': 'work',
                    'ГИСТОЛОГИЯ': 'histology', 'ЯЗВА': 'ulcer', 'ПРИЯТЕЛЬ': 'pal',
                    'ДЕВУШКА': None, 'ЗРАЧОК': None, 'ЖИВОТНОЕ': None, 'НИВЕЛИР': 'level',
                    'ПАПА': 'dad', 'КВИНТЕТ': 'quintet'}
        for word, text in expected.items():
            self.assertEqual(glosses.get(word), text, word)

    def test_borrowed_and_describing_words(self):
        for russian, english, expected in [('шанс', 'chance', True), ('фильм', 'film', True),
                                           ('проекция', 'projection', True),
                                           ('минута', 'moment', False), ('кривая', 'graph', False),
                                           ('скрип', 'scrape', False), ('шанс', 'hazard', False)]:
            self.assertEqual(borrowing.borrowed(russian, english), expected, russian + english)
        for noun, item, expected in [('письмо', 'не доставленное адресату', True),
                                     ('лошадь', 'едва поднимающая ноги', True),
                                     ('лошадь', 'показываемая на скачках', True),
                                     ('время', 'когда поют петухи', True),
                                     ('радар', 'радиолокационная станция', False),
                                     ('смеситель', 'смешивающий аппарат', False),
                                     ('лигнит', 'бурый уголь', False), ('собака', 'пёс', False)]:
            self.assertEqual(describing.describes(noun, item), expected, item)

    def test_yo_only_where_no_noun_is_spelt_with_e(self):
        spellings = sidefiles.noun_spellings(['лёд', 'лед', 'небо', 'нёбо', 'счёт', 'дом'])
        uses = gloss.uses(self.MUELLER)
        # небо is a noun of its own; счет once beside two счёт is a slip.
        self.assertEqual(sidefiles.yo_lines(['НЕБО', 'ЛЕД', 'СЧЕТ', 'ДОМ'], spellings, uses),
                         ['лёд', 'счёт'])
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, sidefiles.YO_FILE)
            sidefiles.write(path, ['лёд', 'ёж'])
            with open(path, 'rb') as written:
                self.assertEqual(written.read(), 'лёд\nёж\n'.encode('utf-8'))


class ReportTest(unittest.TestCase):
    def test_coverage_and_refusals_per_game(self):
        lines = ['ПРОГРАММИСТ', 'МИР', 'ЛИСТОПАДНИК', 'ТОН', 'КАРАНДАШИК']
        vocabulary = report.read_vocabulary(['# семья', 'мир кот', 'рис дыня'])
        sources = report.source_words(lines)
        cover = report.coverage(lines, sources, vocabulary)
        # ДЫНЯ fits no source word; ПРОГРАММИСТ allows МИР and РИС and
        # lacks РИС, ЛИСТОПАДНИК allows КОТ and lacks it, КАРАНДАШИК allows
        # none and counts for no game.
        self.assertEqual(cover.allowed, ['КОТ', 'МИР', 'РИС'])
        self.assertEqual(cover.missing, ['КОТ', 'РИС'])
        self.assertAlmostEqual(cover.refused_per_game, (1 / 2 + 1) / 2)
        self.assertEqual(report.playable(lines, sources),
                         {'КАРАНДАШИК': 0, 'ЛИСТОПАДНИК': 1, 'ПРОГРАММИСТ': 1})
        text = report.format_report(lines, vocabulary, ['МИР', 'СОН'], ['тон', 'ёж'])
        self.assertIn('4 words came in, 1 went out', text)
        self.assertIn('additions list: 1 of its 2 in the base', text)



class AdditionsTest(unittest.TestCase):
    def test_hand_kept_words_need_a_reason_and_the_base_format(self):
        self.assertEqual(additions.read(['# why', '', 'батон  # a loaf', 'чёрт # tales\n']),
                         ['батон', 'чёрт'])
        self.assertEqual(additions.vouched(['чёрт', 'жопа', 'пять']), {'ЧЕРТ'})
        bad = {'батон': 'no comment', 'Батон # x': 'small Russian', 'baton # x': 'small Russian',
               'я # x': '2 to 20', 'а' * 21 + ' # x': '2 to 20', 'пазл пазлы # x': 'small Russian'}
        for line, message in bad.items():
            with self.assertRaisesRegex(additions.Malformed, f'line 2: .*{message}'):
                additions.read(['душ # a shower', line])
        with self.assertRaisesRegex(additions.Malformed, 'line 2: черт is listed twice'):
            additions.read(['чёрт # x', 'черт # y'])


class VerdictsTest(unittest.TestCase):
    def test_read_words_enter_as_their_verdict_says(self):
        read = verdicts.read(['# header', '', 'ёж      keep  # a hedgehog',
                              'ост     drop  # an abbreviation', 'мезон   drop  # physics',
                              'кадка   keep  # a tub', 'глория  drop  # a first name'])
        known = {'ОСТ', 'ГЛОРИЯ', 'ЛОШАДЬ', 'ДОМ'}
        cases = {'ЕЖ': True, 'ОСТ': False, 'ДОМ': False, 'КОТ': False, 'КАДКА': True,
                 'МЕЗОН': False, 'СМАЛЬТА': False, 'ГЛОРИЯ': False, 'ЛОШАДЬ': True}
        for word, entered in cases.items():
            self.assertEqual(verdicts.admitted(word, read, known), entered, word)
        self.assertEqual(verdicts.undecided(['КОТ', 'ЕЖ', 'ЛОШАДЬ', 'СМАЛЬТА'], read, known),
                         ['КОТ', 'СМАЛЬТА'])
        bad = {'кот # a cat': 'not a word followed by keep or drop',
               'кот  maybe  # a cat': 'not a word followed by keep or drop',
               'кот keep': 'no comment', 'Кот keep # x': 'small Russian', 'я keep # x': '2 to 20',
               'ёж drop # twice': 'ёж is decided twice'}
        for line, message in bad.items():
            with self.assertRaisesRegex(verdicts.Malformed, f'line 2: .*{message}'):
                verdicts.read(['ёж keep # a hedgehog', line])


class LearnersTest(unittest.TestCase):
    def test_noun_translations_and_names(self):
        entries = ['Sauerrahm /x/ <n, masc>\nсмета́на 2.\nMilchprodukt, saure Sahne',
                   'Buch <n>\n1. книга, том; книжечка тома\n 2. Ёлка\nein Werk',
                   'rot <adj>\nкрасный', 'Moskau <pn>\nМосква, Москва-река']
        def b64(number):
            return freedict._BASE64[number // 64] + freedict._BASE64[number % 64]

        index = []
        data = b''
        for entry in entries:
            raw = entry.encode('utf-8')
            index.append(f'x\t{b64(len(data))}\t{b64(len(raw))}\n')
            data += raw
        with tempfile.TemporaryDirectory() as tmp:
            paths = (os.path.join(tmp, 'd.index'), os.path.join(tmp, 'd.dict.dz'))
            with open(paths[0], 'w', encoding='utf-8') as out:
                out.write('00-database-info\tA\tB\n' + ''.join(index))
            with gzip.open(paths[1], 'wb') as out:
                out.write(data)
            learners = freedict.read([paths, paths])
            with open(paths[1], 'wb') as out:
                out.write(data)
            with self.assertRaisesRegex(freedict.Unreadable, paths[1]):
                freedict.read([paths])
        self.assertEqual(learners.agreeing, {'сметана': 2, 'книга': 2, 'том': 2})
        self.assertEqual(learners.names, {'москва'})


class NounsOfTheirOwnTest(unittest.TestCase):
    def test_adjectives_used_as_nouns(self):
        forms = {w: w for w in 'ванная животное белое рабочий белый французский учёный'.split()}
        analyses = {'рабочий': frozenset({apertium.Reading('рабочий', ('n', 'm'))})}
        learners = {'ванная': 3, 'животное': 2, 'белое': 1, 'рабочий': 1, 'белый': 3,
                    'французский': 8, 'учёный': 7}
        mueller = counts_of(nouns_={'животное': 2, 'белое': 2, 'рабочий': 2, 'белый': 2})
        evidence = nouns.PluralEvidence(mueller, collections.Counter(), analyses, learners)
        # ФРАНЦУЗСКИЙ is never a noun in Mueller, БЕЛОЕ and БЕЛЫЙ lack
        # agreement, and УЧЁНЫЙ is a noun already.
        self.assertEqual(set(nouns.substantivised(forms, {'учёный'}, evidence)),
                         {'ванная', 'животное', 'рабочий'})

    def test_plurals_the_learners_agree_on(self):
        entries = [('шашка', 'H'), ('весы', 'O'), ('вес', 'K'), ('вилы', 'O'), ('виола', 'H'),
                   ('ноги', 'O'), ('нога', 'H'), ('колокольчики', 'O'), ('колокольчик', 'K'),
                   ('лис', 'K'), ('лиса', 'H')]
        learners = {'шашки': 5, 'шашка': 4, 'весы': 6, 'вес': 6, 'ноги': 3, 'нога': 7,
                    'колокольчики': 3, 'колокольчик': 2, 'лиса': 7}
        mueller = corpus.CorpusCounts(*[collections.Counter()] * 3,
                                      collections.Counter({'шашки': 1, 'весы': 1}))
        evidence = nouns.PluralEvidence(mueller, collections.Counter(), {}, learners)
        rules = hunspell.parse_aff(['SFX H Y 1', 'SFX H а и [гк]а', 'SFX O Y 1', 'SFX O ы ам ы',
                                    'SFX K Y 1', 'SFX K 0 а с'])
        found = nouns.plural_only(entries, rules, {'шашка', 'вес', 'виола', 'нога', 'колокольчик',
                                                   'лис', 'лиса'}, evidence)
        # НОГИ is a plural the learners give less than its singular, and
        # Mueller never gives КОЛОКОЛЬЧИКИ for a noun; ВИЛЫ is no plural
        # of ВИОЛА, whose vowel a plural cannot drop, nor ЛИСА, a noun of
        # its own, a case of ЛИС.
        self.assertEqual(set(found), {'шашки', 'весы', 'вилы'})

    def test_names_and_headwords_keep_their_forms(self):
        rules = hunspell.parse_aff(AFF)
        claims = ranking.build_claims([('сталь', 'K')], rules, ['сталь'], {}, {'стали', 'сталь'},
                                      names=[('Сталь', 'K')])
        scores = ranking.split_scores(claims, {'стали': 10, 'сталь': 0})
        self.assertAlmostEqual(scores['СТАЛЬ'], 5)
        self.assertEqual(ranking.headword_scores({'СМЕТАНА'}, {'сметана': 3}), {'СМЕТАНА': 3})


class VouchersTest(unittest.TestCase):
    def test_known_everyday_and_current_words(self):
        texts_ = (commonness.SPOKEN, commonness.FORTUNES, commonness.MUELLER,
                  commonness.THESAURUS, commonness.LEARNERS, commonness.WEB)
        cases = {
            # word: scores in the order of texts_,
            #       (known, listed, everyday, current, read first as a name)
            'ДОМ': ((500, 1, 9, 1, 7, 12), (True, True, True, True, False)),
            'КЛАРК': ((900, 0, 0, 0, 0, 0), (False, False, True, False, True)),
            'МАКСИМ': ((900, 0, 1, 0, 0, 1), (True, True, True, True, True)),
            'ИУДА': ((900, 0, 0, 6, 0, 1), (True, True, True, True, False)),
            'ВЕРА': ((900, 0, 5, 3, 4, 5), (True, True, True, True, False)),
            'ГРЕЧКА': ((0, 0, 0, 0, 3, 4), (True, True, True, False, False)),
            'ЛЕКСЕМА': ((0, 0, 0, 0, 2, 1), (False, True, False, False, False)),
            'ЛОУРЕНСИЙ': ((0, 0, 0, 0, 7, 0), (False, False, False, False, False)),
            'АРАПНИК': ((0, 0, 2, 5, 0, 0), (False, False, False, False, False)),
            'ДИХОТОМИЯ': ((0, 0, 1, 0, 5, 3), (True, True, True, True, False)),
        }
        scores = {text: {w: values[i] for w, (values, _) in cases.items()}
                  for i, text in enumerate(texts_)}
        names = {'КЛАРК', 'МАКСИМ', 'ИУДА', 'ВЕРА'}
        for word, (_, expected) in cases.items():
            self.assertEqual((commonness.is_known(scores, word, names),
                              commonness.is_listed(scores, word),
                              commonness.is_everyday(scores, word),
                              commonness.is_current(scores, word, names),
                              commonness.is_name_first(scores, word, names)), expected, word)


if __name__ == '__main__':
    unittest.main()
