        CBLOCK 0x10
        HNDL_HORN
        BELL
        3X
        HNDL_BRAKE
        HNDL_MUTE
        HNDL_SPARE_RESERVED
        ENDC
        SKEME_START 1
        PLAY HNDL_HORN, 6, 0x10
        PLAY HNDL_BRAKE
        END_SOUND
