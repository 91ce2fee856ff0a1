# The combination generator window "超强组号".
lottodesk_gui_test(test_f_zh)
target_compile_definitions(test_f_zh PRIVATE LOTTODESK_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data")
