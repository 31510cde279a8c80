	INCLUDE "QVX5_SND_CMD.INC"
	INCLUDE "qvx7_snd_macs.inc"
	INCLUDE "missing.inc"
	INCLUDE "sub/a.inc"
	INCLUDE "/dev/zero"
	INCLUDE "/"
	SKEME_START 1
	END_SOUND


@@FILE
X EQU 1
