target_sources(wendolo_core PRIVATE HtmlPagina.h HtmlPagina.cpp)
target_sources(wendolo_ui PRIVATE Exporteren.h Exporteren.cpp)
