; Conditional blocks shown with --include-inactive; a duplicate symbol and
; an unknown command are reported without failing the compile.
#define VARIANT 2
LEVEL   SET 3
        IF VARIANT == 1
LEVEL   SET 9
        ELSE
        IF LEVEL > 2
        SKEME_START 1
        ENDIF
        ENDIF
        SDL_VERSION 0x50
START:  PLAY 5, 6, 0x10             ; short form
START:  DELAY_SOUND 0x80, 0x7F, 1
BAD:    FROB 1, 2
        DB 1,,2, 0x1FF
        MASK_COMPARE 1, 4, 2, 0xFF, 3
        LOAD_MODIFIER 0x12, 1, 2, 3
        BRANCH_TO16 START
        GENERATE_TRIGGER 0x40
        END_SDF
