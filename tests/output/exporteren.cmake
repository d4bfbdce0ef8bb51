# Tests of the HTML export: the page's bytes and the command on a board.
wendolo_test(tst_htmlpagina tst_htmlpagina.cpp)
wendolo_test(tst_exporteren tst_exporteren.cpp GUI)
