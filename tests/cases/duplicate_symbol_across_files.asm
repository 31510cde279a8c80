; A label defined again names the place of its first definition.
INCLUDE "duplicate_symbol_across_files.inc"
START: END_SOUND
