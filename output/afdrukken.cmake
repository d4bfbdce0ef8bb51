target_sources(wendolo_ui PRIVATE Afdrukken.h Afdrukken.cpp)
