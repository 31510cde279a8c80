; Branch offsets count from the open scheme's start, here 0x10; "$" is the
; address of the statement's own first byte. An offset that does not fit
; its field is stored cut, with a warning.
        DB 0x10,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0
        SKEME_START 1
TARGET  EQU 0x1244                  ; 0x1234 after the scheme start
        DB 0,0,0,0
        BRANCH_TO $                 ; at 0x18
        BRANCH_TO TARGET
        BRANCH_TO16 TARGET
        xgoto_snd target
        BRANCH_TO 0x10+4095
        BRANCH_TO 0x10+5000
        BRANCH_TO 8
        BRANCH_TO16 0x10+65535
        BRANCH_TO16 0x10+70000
        XGOTO_SND 0
