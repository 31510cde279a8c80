; A CBLOCK without a start, or with one that is defined only later, counts from 0.
CBLOCK
FIRST
SECOND
ENDC
CBLOCK BASE
THIRD
ENDC
BASE EQU 9
