; A branch counts from the start of its own scheme, or from 0 outside one.
DB 1, 2
T: END_SOUND
BRANCH_TO T
SKEME_START 1
SKEME_END
SKEME_START 2
TOP: END_SOUND
BRANCH_TO TOP
