; Two variants of one horn. With --include-inactive the listing shows what
; the other variant plays, in place and marked (off).
#DEFINE VARIANT 2
        SKEME_START 1
        IF VARIANT == 1
HORN:   PLAY 1, 0, 0            ; the old horn
        IF VARIANT > 0
        PLAY 3, 0, 0
        ENDIF

        ELSE
HORN:   PLAY 2, 0, 0            ; the new horn
        IF VARIANT == 2
        PLAY 4, 0, 0
        ELSE
        PLAY 5, 0, 0
        ENDIF
        ENDIF
        BRANCH_TO HORN
        SKEME_END
