; Labels move with a grown PLAY, but a name last defined as a constant keeps its value.
PLAY HNDL_LATE
TWICE:
TWICE:
DUP:
DUP SET 99
CBLOCK 70
HNDL_LATE
ENDC
