; Every command's bytes (listing), with a warning where an operand does
; not fit its field, and the size the harvest counted for it: the label on
; each line has the harvest's address (symbol file), the listing the
; encoding's. Outside a scheme branches count from address 0.
E01: SDL_VERSION 0x50
E02: SDL_VERSION 0x150
E03: SDL_VERSION -1
E04: CHANNEL_START 3
E05: CHANNEL_START 256
E06: INITIATE_SOUND 5, 0x81
E07: INITIATE_SOUND 0xFF, 0x80
E08: BRANCH_TO 0x234
E09: BRANCH_TO16 0x1234
E10: XGOTO_SND 0x1234
E11: DELAY_SOUND 1, 0x20, 0
E12: DELAY_SOUND 0x80, 0xFF, 3
E13: SKIP_ON_TRIGGER 5, 7
E14: GENERATE_TRIGGER 0x1FF
E15: END_SOUND
E16: CHANNEL_END
E17: PLAY 5, 6, 0x10
E18: PLAY 200, 0, 0
E19: PLAY 64
E20: PLAY 63, 0x1F, 1
E21: PLAY -1
E22: PLAY 1, -4, 0
E23: play 5, 0
E24: PLAY UNDEFINED_NAME, 2, 0
E25: PLAY 0x1C5 2 0x10
E26: LOAD_MODIFIER 0x12, 1, 2, 3
E27: LOAD_MODIFIER 1
E28: LOAD_MODIFIER 1, 1 << 2, $1F, 'A'
E29: MASK_COMPARE 1, 4, 2, 0xFF, 3
E30: MASK_COMPARE 0xFG, 4, 3O, 1 | 2, 3
E31: DB 1,2,3
E32: DB 1 2 3
E33: DB 1,,2
E34: DB 0x1FF, -1
E35: FOO 1
E36: foo
      12 34

E37: SKEME_START 1
E38: SKEME_START 0x25
E39: SKEME_END
E40: END
E41: END_SDL
E42: end_sdf
E43:
