; An unrecognised command leaves no entry, even with a label.
LBL: FOO
