add_unit_test(jpegdecoder_test SOURCES jpegdecoder_test.cpp
    LIBS namer_pictures namer_picture_data)
add_unit_test(pictures_test GUI SOURCES pictures_test.cpp LIBS gui_test_main namer_pictures)
add_unit_test(balloontip_test GUI SOURCES balloontip_test.cpp LIBS gui_test_main namer_pictures)
