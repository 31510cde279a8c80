; Operands added uncut into a byte they share: a value beyond the operand's
; bits is reported with the byte it made, which stays as the source asks.
; A warning stays a warning whatever its text holds (last line).
        INITIATE_SOUND 200, 4           ; the preempt bit set
        INITIATE_SOUND 200, 0x84        ; the preempt bit cleared
        INITIATE_SOUND 300, 0           ; only cut
        DELAY_SOUND 1, 10, 0
        DELAY_SOUND 1, 127, 0           ; carries into the mode bit
        DELAY_SOUND 0x100, 10, 0
        PLAY 5, 0, 0x40                 ; the command byte becomes 80
        PLAY 63, 0x1F, 1
        PLAY 200, 0, 0x40
        MASK_COMPARE 1, 4, 2, 0xFF, 4   ; the command byte becomes 00
        MASK_COMPARE 1, 0, 2, 0xFF, 4
        MASK_COMPARE 1, 0, 2, 0xFF, 8
        SKIP_ON_TRIGGER 0, 200
        GENERATE_TRIGGER 0xFF
        DELAY_SOUND 0, "ERROR:", 0
