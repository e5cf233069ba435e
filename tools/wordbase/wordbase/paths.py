"""Where the generator finds the files kept with it and the game's assets."""

import os

# tools/wordbase: the scripts, and the data the generator keeps by hand.
HOME = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(HOME, 'data')
ASSETS = os.path.join(os.path.dirname(os.path.dirname(HOME)), 'assets')
