target_sources(wendolo_ui PRIVATE Exporteren.h Exporteren.cpp)
