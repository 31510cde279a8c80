; A label moved by a PLAY that grew settles the constants made from it again.
PLAY HANDLE
MARK: END_SOUND
HANDLE EQU MARK + 62
