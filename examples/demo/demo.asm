;==========================================================================
; demo.asm - Quaverton demo sound set for a small tank engine
;
; Three schemes: the engine (idle, chuffs, drifting, brakes), the
; function-key sounds (whistles, bell, guard) and random yard noises.
; Build:  quaverton --harness examples/demo/demo.asm
;==========================================================================

        TITLE   "Demo tank engine"
        LIST

        INCLUDE "QVX5_SND_CMD.INC"      ; carried copy: no file on disk
        INCLUDE "QVX5_SND_MACS.INC"     ; carried copy: no file on disk
        INCLUDE "demo_waves.inc"        ; the project's wave handles

; ---- build options ----
#DEFINE SOUNDSET        2               ; 1 = basic, 2 = full
VERNO           SET     VERSION_5
CHUFFS_PER_TURN EQU     4
FAST_SPEED      EQU     SLOW_SPEED + 40 ; defined from a later constant
SLOW_SPEED      EQU     24
WHISTLE_KEY     EQU     TRIG_FUNC_2
BELL_KEY        EQU     TRIG_FUNC_1
IDLE_VOLUME     =       0x60

;--------------------------------------------------------------------------
; Scheme 0: the engine
;--------------------------------------------------------------------------
        SKEME_START 0
        SDL_VERSION VERNO

; Channel 0: start-up, idle and shut-down
        CHANNEL_START 0
        INITIATE_SOUND TRIG_SOUND_ON, PRI_NORMAL+PREEMPT_LOWER
        PLAY HNDL_IDLE_START, BRK_ONCE, PLAYF_NONE
        LOAD_MODIFIER MOD_VOLUME, IDLE_VOLUME, 4, 0x80
IDLE_LOOP:
        PLAY HNDL_IDLE_LOOP, BRK_LOOP_WHILE_TRIG, PLAYF_VOLUME
        SKIP_ON_TRIGGER SKIP_IF_TRUE, TRIG_SOUND_OFF
        BRANCH_TO IDLE_LOOP             ; keep idling while sound is on
        PLAY HNDL_IDLE_STOP, BRK_ONCE, PLAYF_NONE
        END_SOUND

; Channel 1: chuffs, slow and fast, volume following the speed
        CHANNEL_START 1
        INITIATE_SOUND TRIG_MOVING, PRI_HIGH
        LOAD_MODIFIER MOD_VOLUME_BY_SPEED, 0x40, 0xFF, 2
CHUFF_TOP:
        MASK_COMPARE SRC_SPEED, CMP_TO_VALUE, FAST_SPEED, 0xFF, 2
        BRANCH_TO CHUFF_FAST            ; fast enough for the fast set
CHUFF_SLOW:
        PLAY HNDL_CHUFF_SLOW_1, BRK_ONCE, PLAYF_SYNC
        PLAY HNDL_CHUFF_SLOW_2, BRK_ONCE, PLAYF_SYNC
        PLAY HNDL_CHUFF_SLOW_3, BRK_ONCE, PLAYF_SYNC
        PLAY HNDL_CHUFF_SLOW_4, BRK_ONCE, PLAYF_SYNC
        SKIP_ON_TRIGGER SKIP_IF_FALSE, TRIG_MOVING
        BRANCH_TO CHUFF_TOP
        BRANCH_TO CHUFF_END
CHUFF_FAST:
        PLAY HNDL_CHUFF_FAST_1, BRK_ONCE, PLAYF_SYNC+PLAYF_VOLUME
        PLAY HNDL_CHUFF_FAST_2, BRK_ONCE, PLAYF_SYNC+PLAYF_VOLUME
        PLAY HNDL_CHUFF_FAST_3, BRK_ONCE, PLAYF_SYNC+PLAYF_VOLUME
        PLAY HNDL_CHUFF_FAST_4, BRK_ONCE, PLAYF_SYNC+PLAYF_VOLUME
        SKIP_ON_TRIGGER SKIP_IF_FALSE, TRIG_MOVING
        BRANCH_TO CHUFF_TOP
CHUFF_END:
        PLAY HNDL_DRIFT_LOOP, BRK_LOOP_UNTIL_TRIG, PLAYF_VOLUME
        END_SOUND

; Channel 2: brakes when slowing down
        CHANNEL_START 2
        INITIATE_SOUND TRIG_DECEL, PRI_NORMAL
        DELAY_SOUND DELAY_FIXED, 12, DELAY_CHANNEL
        PLAY HNDL_BRAKE_SQUEAL, BRK_LOOP_WHILE_TRIG+BRK_ON_SPEED, PLAYF_NONE
        SKIP_ON_TRIGGER SKIP_IF_FALSE, TRIG_STOPPED
        PLAY HNDL_BRAKE_RELEASE, BRK_ONCE, PLAYF_NONE
        END_SOUND

        IF SOUNDSET == 2
; Channel 3 (full set only): fireman at work while standing
        CHANNEL_START 3
        INITIATE_SOUND TRIG_STOPPED, PRI_LOW
FIREMAN:
        DELAY_SOUND DELAY_RANDOM, 100, DELAY_CHANNEL
        PLAY HNDL_COAL_SHOVEL, BRK_ONCE, PLAYF_NONE
        DELAY_SOUND DELAY_RANDOM, 60, DELAY_CHANNEL
        PLAY HNDL_INJECTOR, BRK_ONCE, PLAYF_NONE
        SKIP_ON_TRIGGER SKIP_IF_TRUE, TRIG_MOVING
        BRANCH_TO FIREMAN
        END_SOUND
        ELSE
; Channel 3 (basic set): only the blower
        CHANNEL_START 3
        INITIATE_SOUND TRIG_STOPPED, PRI_LOW
        PLAY HNDL_BLOWER, BRK_LOOP_WHILE_TRIG, PLAYF_NONE
        END_SOUND
        ENDIF
        CHANNEL_END
        SKEME_END

;--------------------------------------------------------------------------
; Scheme 1: function keys
;--------------------------------------------------------------------------
        SKEME_START 1
        SDL_VERSION VERNO

; Short whistle on F2, long whistle while F3 is held
        CHANNEL_START 0
        INITIATE_SOUND WHISTLE_KEY, PRI_HIGHEST+PREEMPT_LOWER
        PLAY HNDL_WHISTLE_SHORT, BRK_ONCE, PLAYF_NONE
        END_SOUND

        CHANNEL_START 1
        INITIATE_SOUND TRIG_FUNC_3, PRI_HIGHEST+PREEMPT_LOWER
        PLAY HNDL_WHISTLE_LONG_IN, BRK_ONCE, PLAYF_NONE
WHISTLE_HOLD    PLAY HNDL_WHISTLE_LONG_LOOP, BRK_LOOP_WHILE_TRIG, PLAYF_NONE
        SKIP_ON_TRIGGER SKIP_IF_FALSE, TRIG_FUNC_3
        BRANCH_TO16 WHISTLE_HOLD        ; long form of the same loop
        PLAY HNDL_WHISTLE_LONG_OUT, BRK_ONCE, PLAYF_NONE
        END_SOUND

; Bell on F1, raising flag 0 so the guard can answer
        CHANNEL_START 2
        INITIATE_SOUND BELL_KEY, PRI_NORMAL
        GENERATE_TRIGGER TRIG_FLAG_0
BELL:   PLAY HNDL_BELL_LOOP, BRK_LOOP_WHILE_TRIG, PLAYF_VOLUME
        LOAD_MODIFIER MOD_PITCH, 0x20, 1, 0x30
        SKIP_ON_TRIGGER SKIP_IF_FALSE, BELL_KEY
        XGOTO_SND BELL
        END_SOUND

        IF SOUNDSET >= 2
; Guard's whistle after the bell, then the station announcement
        CHANNEL_START 3
        INITIATE_SOUND TRIG_FLAG_0, PRI_LOW
        DELAY_SOUND DELAY_FIXED, 40, DELAY_GLOBAL
        PLAY HNDL_GUARD_WHISTLE, BRK_ONCE, PLAYF_NONE
        PLAY HNDL_STATION_ANNOUNCE, BRK_ONCE, PLAYF_NONE
        END_SOUND
        ENDIF
        SKEME_END

;--------------------------------------------------------------------------
; Scheme 2: yard noises at random
;--------------------------------------------------------------------------
        SKEME_START 2
        SDL_VERSION VERNO
        CHANNEL_START 0
        INITIATE_SOUND TRIG_RANDOM, PRI_LOWEST
        MASK_COMPARE SRC_RANDOM, CMP_TO_VALUE, 0x80, 0xC0, 1
        PLAY HNDL_SAFETY_VALVE, BRK_ONCE, PLAYF_NONE
        PLAY HNDL_DOOR_SLAM, BRK_ONCE, PLAYF_NONE
        DB 0x00, 0x00                   ; raw end marker, same as END_SOUND
        CHANNEL_START 1
        INITIATE_SOUND TRIG_TIMER_0, PRI_LOWEST
        LOAD_MODIFIER MOD_TIMER_0, 200, 50, 0
        PLAY HNDL_COUPLER, BRK_ONCE, PLAYF_NONE
        END_SOUND
        END_SDF
