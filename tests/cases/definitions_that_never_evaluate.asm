; A forward definition settles; values that never evaluate are reported.
EARLY EQU LATE+1
LATE EQU 2
SPEED EQU 3O
MASK = 0xFG
