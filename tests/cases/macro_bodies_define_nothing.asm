; Nothing in a macro body defines a symbol or takes an address.
PLAYX MACRO h
IN_BODY: PLAY 70
BODY_CONST EQU 3
CBLOCK 1
CELL
ENDM
AFTER:
