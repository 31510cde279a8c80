; An include that is not found fails the compile, at its line.
X EQU 1
  INCLUDE no_such_file.inc
