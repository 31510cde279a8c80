; Every round L moves by 2, which makes one more handle long; unbounded, L
; would come to rest at 32.
PLAY H1
PLAY H2
PLAY H3
PLAY H4
PLAY H5
PLAY H6
PLAY H7
PLAY H8
L:
H1 EQU L + 48
H2 EQU L + 46
H3 EQU L + 44
H4 EQU L + 42
H5 EQU L + 40
H6 EQU L + 38
H7 EQU L + 36
H8 EQU L + 34
