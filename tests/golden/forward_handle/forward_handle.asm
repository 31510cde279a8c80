; A PLAY of a handle declared further down takes the 4-byte form; the
; labels after it must still land on their statements.
        SKEME_START 3
        CHANNEL_START 0
        INITIATE_SOUND 5, 0x82
        PLAY HNDL_LATE, 1, 0        ; handle 70, declared below
AFTER:  PLAY HNDL_EARLY, 0, 0
        SKIP_ON_TRIGGER 1, 5
        BRANCH_TO AFTER
        XGOTO_SND AFTER
        END_SOUND
        SKEME_END

        CBLOCK 70
HNDL_LATE
        ENDC
        CBLOCK 2
HNDL_EARLY
        ENDC
