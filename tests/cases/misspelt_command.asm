; A word before a misspelt command is taken as a label.
PLAYY HNDL_START, 1
LBL: FROB 2
