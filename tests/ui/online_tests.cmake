# The online services: notice fetch, notice window, page view and the online update, against a
# loopback HTTP server started by the test. The update runs the built plug-in as the program
# loads it, and a stand-in plug-in that hands over prepared bytes.
add_library(fake_prjdll MODULE fake_prjdll.cpp)
set_target_properties(fake_prjdll PROPERTIES
  PREFIX ""
  CXX_VISIBILITY_PRESET hidden
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_include_directories(fake_prjdll PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(fake_prjdll PRIVATE lottodesk_common)

lottodesk_gui_test(test_online)
target_link_libraries(test_online PRIVATE Qt6::Network)
add_dependencies(test_online prjdll fake_prjdll)
target_compile_definitions(test_online PRIVATE
  LOTTODESK_PLUGIN_PATH="$<TARGET_FILE:prjdll>"
  LOTTODESK_FAKE_PLUGIN_PATH="$<TARGET_FILE:fake_prjdll>")
