# Printing: the page layout and miniature need no widgets; the dialog and the
# real printer do.
target_sources(wendolo_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Printerlaag.h
    ${CMAKE_CURRENT_LIST_DIR}/Pagina.h ${CMAKE_CURRENT_LIST_DIR}/Pagina.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Miniatuur.h ${CMAKE_CURRENT_LIST_DIR}/Miniatuur.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Toeval.h ${CMAKE_CURRENT_LIST_DIR}/Toeval.cpp)
target_sources(wendolo_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Papier.h ${CMAKE_CURRENT_LIST_DIR}/Papier.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Afdrukken.h ${CMAKE_CURRENT_LIST_DIR}/Afdrukken.cpp)
