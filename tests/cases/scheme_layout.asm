; A scheme's header takes its length once the scheme closes: at SKEME_END,
; END, END_SDL or END_SDF, at the next SKEME_START or at the end of the
; source. A second END_SDF does nothing; bytes between schemes belong to none.
SKEME_START 1
SDL_VERSION 0x50
END_SOUND
SKEME_END
SKEME_START 3
END_SOUND
END_SDF
CHANNEL_END
END_SDF
DB 7
SKEME_START 1
SKEME_END
DB 8
SKEME_START 2
END
SKEME_START 1
END_SOUND
SKEME_START 2
PLAY 200
END_SOUND
