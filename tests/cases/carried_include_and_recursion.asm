; The carried copy and the skipped recursion are noted at their include lines.
  INCLUDE "QVX5_SND_MACS.INC"
  INCLUDE carried_include_and_recursion.inc
