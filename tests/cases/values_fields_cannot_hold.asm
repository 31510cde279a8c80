; Operands too large for their fields are stored cut, with a warning.
SKEME_START 40
DELAY_SOUND 0, 200, 0
PLAY 300, 0, 0
