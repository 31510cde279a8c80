; A #DEFINE and an EQU of the same name are one symbol, defined twice.
#DEFINE NAME 5
NAME EQU 5
