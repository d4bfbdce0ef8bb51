# Tests of printing: the page layout and the print dialog.
wendolo_test(tst_pagina tst_pagina.cpp Opnameprinter.h)
wendolo_test(tst_afdrukken tst_afdrukken.cpp Opnameprinter.h GUI)
