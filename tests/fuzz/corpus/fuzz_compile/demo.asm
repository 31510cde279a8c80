; Quaverton demo project (grows into a full sound scheme set).
        INCLUDE "QVX5_SND_CMD.INC"
        INCLUDE "QVX5_SND_MACS.INC"

        SKEME_START 1
        SDL_VERSION 0x50
        END_SOUND
        SKEME_END
