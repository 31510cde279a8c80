; An include that exists nowhere fails the compile: nothing is written.
        INCLUDE "no_such_file.inc"
        SKEME_START 1
        END_SOUND
