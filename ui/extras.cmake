# The status-bar clock, the window drag and the hyperlink label, wired up by the main window.
add_library(namer_extras STATIC
    hyperlinklabel.cpp
    linkopener.cpp
    statusclock.cpp
    windowdrag.cpp
)
target_include_directories(namer_extras PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(namer_extras PUBLIC QT_NO_CAST_TO_ASCII)
target_link_libraries(namer_extras PUBLIC Qt6::Widgets namer_core)
