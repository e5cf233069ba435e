"""The report's simulation of the computer's plays against the engine
itself: the same games for the same seeds. ctest gives the path of the
engine's computer_plays in COMPUTER_PLAYS."""

import os
import random
import subprocess
import tempfile
import unittest

from wordbase import simulation

ENGINE = os.environ.get('COMPUTER_PLAYS')


def crafted_base():
    """11031 lines: three source words among words that fit none of them.
    The words of ПАРОХОДСТВО stand all through the file, so its games run
    their six moves; those of ТЕЛЕВИДЕНИЕ only below line 3000, so a move
    starting above finds none and plays the last line, ЛИДЕН, or ends the
    game. Besides: a word on two lines, an empty line and a line too long
    to be drawn."""
    rng = random.Random(11031)
    sources = ['КОЛОКОЛЬЧИК', 'ПАРОХОДСТВО', 'ТЕЛЕВИДЕНИЕ']
    everywhere = ['КОЛ', 'ОКО', 'ПАР', 'ХОД', 'РОД', 'ПОСТ', 'ВОДА', 'ТРАП', 'ДОХА', 'САД']
    early = ['ТЕЛО', 'ВИД', 'ДЕНЬ']
    lines = ['ЫЫЫ'] * simulation.LINES
    for number in rng.sample(range(3000, simulation.LINES - 1), 900):
        lines[number] = rng.choice(sources)
    for number, word in zip(rng.sample(range(3000, simulation.LINES - 1), 20), everywhere * 2):
        lines[number] = word
    for number, word in zip(rng.sample(range(100, 3000), 3), early):
        lines[number] = word
    lines[40] = ''
    lines[41] = 'ПАРОХОДСТВОПАРОХОДСТВО'
    lines[-1] = 'ЛИДЕН'
    return lines


class SimulationTest(unittest.TestCase):
    @unittest.skipUnless(ENGINE, 'run by ctest, which builds the engine')
    def test_same_games_as_the_engine(self):
        lines = crafted_base()
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, 'wmbase.txt')
            with open(path, 'wb') as base:
                base.write(''.join(line + '\r\n' for line in lines).encode('cp1251'))
            for seed in (1, 2024):
                run = subprocess.run([ENGINE, path, '80', '6', str(seed)], capture_output=True,
                                     text=True, check=True)
                simulated = [f'{game.source}:' + ''.join(' ' + w for w in game.plays)
                             for game in simulation.simulate(lines, 80, 6, seed)]
                self.assertEqual(run.stdout.splitlines(), simulated)
                # The games end in every way the rules allow.
                plays = [len(game.split()) - 1 for game in simulated]
                self.assertTrue(6 in plays and min(plays) < 6, plays)
                self.assertTrue(any(game.endswith(' ЛИДЕН') for game in simulated))

if __name__ == '__main__':
    unittest.main()
