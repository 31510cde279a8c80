; A label alone leaves an entry without bytes; the listing shows each
; statement without its label; a bare word before a number is a label, not
; a command, and a line that starts with a number is none.
SKEME_START 1
HERE:  ; loop start
END_SOUND
LOOP: PLAY 5 ; attack
AGAIN PLAY 6
PLAY 7
FOO 1
12 34
