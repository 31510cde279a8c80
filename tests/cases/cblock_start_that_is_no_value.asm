; A CBLOCK start that names nothing counts from 0.
CBLOCK FIRST_HANDLE
HNDL_A
ENDC
