# The Debian package: made once by cpack, checked with the distribution's
# own tools, then unpacked and run as an installed copy, with a writable
# home and with one that cannot be written.
add_test(NAME pakket_maken COMMAND ${CMAKE_CPACK_COMMAND} -G DEB WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(pakket_maken PROPERTIES FIXTURES_SETUP pakket TIMEOUT 300)
add_test(NAME pakket_lintian COMMAND lintian --fail-on error,warning ${WENDOLO_PAKKET})
set_tests_properties(pakket_lintian PROPERTIES FIXTURES_REQUIRED pakket TIMEOUT 300)
add_test(NAME desktop_validatie COMMAND desktop-file-validate ${CMAKE_SOURCE_DIR}/desktop/nl.wendolo.Wendolo.desktop)
add_test(NAME metainfo_validatie
    COMMAND appstreamcli validate --no-net ${CMAKE_SOURCE_DIR}/desktop/nl.wendolo.Wendolo.metainfo.xml)
foreach(journey geinstalleerd thuisdicht)
    wendolo_e2e(e2e_${journey} ${journey}.py)
    set_tests_properties(e2e_${journey} PROPERTIES FIXTURES_REQUIRED pakket)
    set_property(TEST e2e_${journey} APPEND PROPERTY ENVIRONMENT WENDOLO_PAKKET=${WENDOLO_PAKKET})
endforeach()
