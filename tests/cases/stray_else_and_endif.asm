; ELSE and ENDIF without an IF are ignored, with a warning.
ELSE
END_SOUND
#ENDIF
