add_unit_test(ui_statusclock_test GUI
    SOURCES statusclock_test.cpp LIBS gui_test_main namer_extras)
add_unit_test(ui_windowdrag_test GUI
    SOURCES windowdrag_test.cpp LIBS gui_test_main namer_extras Qt6::Test)
add_unit_test(ui_hyperlinklabel_test GUI
    SOURCES hyperlinklabel_test.cpp LIBS gui_test_main namer_extras Qt6::Test)
add_unit_test(ui_linkopener_test
    SOURCES linkopener_test.cpp LIBS namer_extras)
