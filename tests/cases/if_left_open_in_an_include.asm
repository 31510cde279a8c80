; Blocks left open end with their file, each reported at its IF.
INCLUDE if_left_open_in_an_include.inc
END_SOUND
IF 1
