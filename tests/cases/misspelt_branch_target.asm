; A branch to a name that is not defined stores 0 and says so.
SKEME_START 1
IDLE: END_SOUND
  BRANCH_TO IDEL
