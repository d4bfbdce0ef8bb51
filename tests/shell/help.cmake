# The help window's toggle.
wendolo_test(tst_help tst_help.cpp GUI)
