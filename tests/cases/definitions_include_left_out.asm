; Without the definitions include the trigger and preempt names are undefined.
  INITIATE_SOUND TRIG_SOUND_ON, PRI_NORMAL
