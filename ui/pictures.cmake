# The window's pictures, decoded from the JPEGs compiled in from data/, the program icon, and the
# balloon window of the tooltips.
find_package(JPEG REQUIRED)

add_library(namer_pictures STATIC
    balloontip.cpp balloontip.h
    jpegdecoder.cpp jpegdecoder.h
    picturedata.h
    pictures.cpp pictures.h)
target_include_directories(namer_pictures PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(namer_pictures
    PUBLIC Qt6::Widgets
    PRIVATE namer_picture_data JPEG::JPEG)

set(program_icon_files "")
foreach(size IN ITEMS 128 96 72 64 48 32 24 16)
    list(APPEND program_icon_files
        "${PROJECT_SOURCE_DIR}/data/icons/hicolor/${size}x${size}/apps/tavelin-namer.png")
endforeach()
qt_add_resources(namer_pictures program_icon
    PREFIX "/"
    BASE "${PROJECT_SOURCE_DIR}/data"
    FILES ${program_icon_files})
