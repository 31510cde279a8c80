        SKEME_START 1
        END_SOUND
        SKEME_END
