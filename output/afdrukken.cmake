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
# The real printer hands its jobs to CUPS itself, to hear whether they were
# taken (libcups2-dev).
find_package(Cups REQUIRED)
# wendolo_ui is made in the top folder, which must see the target too.
set_target_properties(Cups::Cups PROPERTIES IMPORTED_GLOBAL TRUE)
target_link_libraries(wendolo_ui PUBLIC Cups::Cups)
