# The draw maintenance windows: the update window, its grid model, the number board and the
# number edit dialog.
target_sources(ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/boardcell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/f_addsj.cpp
  ${CMAKE_CURRENT_LIST_DIR}/f_gxsjq.cpp
  ${CMAKE_CURRENT_LIST_DIR}/f_gxsjq.ui
  ${CMAKE_CURRENT_LIST_DIR}/f_xgzh.cpp
  ${CMAKE_CURRENT_LIST_DIR}/historymodel.cpp
)
