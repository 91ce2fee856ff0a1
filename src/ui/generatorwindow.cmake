# The combination generator window "超强组号": the window, its pages and the result display.
target_sources(ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/f_zh.cpp
  ${CMAKE_CURRENT_LIST_DIR}/f_zh.h
  ${CMAKE_CURRENT_LIST_DIR}/zh_catalogue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zh_catalogue.h
  ${CMAKE_CURRENT_LIST_DIR}/zh_conditionmenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zh_conditionmenu.h
  ${CMAKE_CURRENT_LIST_DIR}/zh_custompage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zh_custompage.h
  ${CMAKE_CURRENT_LIST_DIR}/zh_custompage.ui
  ${CMAKE_CURRENT_LIST_DIR}/zh_grouppage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zh_grouppage.h
  ${CMAKE_CURRENT_LIST_DIR}/zh_grouppage.ui
  ${CMAKE_CURRENT_LIST_DIR}/zh_mainpage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zh_mainpage.h
  ${CMAKE_CURRENT_LIST_DIR}/zh_mainpage.ui
  ${CMAKE_CURRENT_LIST_DIR}/zh_resultmodel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zh_resultmodel.h
  ${CMAKE_CURRENT_LIST_DIR}/zh_results.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zh_results.h
  ${CMAKE_CURRENT_LIST_DIR}/zh_results.ui
  ${CMAKE_CURRENT_LIST_DIR}/zh_runner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zh_runner.h
)
target_link_libraries(ui PUBLIC generator)
