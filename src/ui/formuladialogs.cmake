# The formula dialogs: the formula input dialog, the custom indicator dialog and the cold/hot
# settings dialog.
target_sources(ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/f_addselfzb.cpp
  ${CMAKE_CURRENT_LIST_DIR}/f_addselfzb.h
  ${CMAKE_CURRENT_LIST_DIR}/f_addselfzb.ui
  ${CMAKE_CURRENT_LIST_DIR}/f_coldhotset.cpp
  ${CMAKE_CURRENT_LIST_DIR}/f_coldhotset.h
  ${CMAKE_CURRENT_LIST_DIR}/f_coldhotset.ui
  ${CMAKE_CURRENT_LIST_DIR}/f_fzsr.cpp
  ${CMAKE_CURRENT_LIST_DIR}/f_fzsr.h
  ${CMAKE_CURRENT_LIST_DIR}/f_fzsr.ui
)
target_link_libraries(ui PUBLIC formula)
