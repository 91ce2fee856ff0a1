# The dialogs of the generator window: the value choosers, the self-set and tail dialogs and the
# check report's questions.
target_sources(ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/f_choiceperiod.cpp
  ${CMAKE_CURRENT_LIST_DIR}/f_choiceperiod.h
  ${CMAKE_CURRENT_LIST_DIR}/f_getchoiceextend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/f_getchoiceextend.h
  ${CMAKE_CURRENT_LIST_DIR}/f_getchoiceextend.ui
  ${CMAKE_CURRENT_LIST_DIR}/f_getchoiceextend_plus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/f_getchoiceextend_plus.h
  ${CMAKE_CURRENT_LIST_DIR}/f_getchoiceextend_plus.ui
  ${CMAKE_CURRENT_LIST_DIR}/f_selfcond.cpp
  ${CMAKE_CURRENT_LIST_DIR}/f_selfcond.h
  ${CMAKE_CURRENT_LIST_DIR}/f_selfcond.ui
  ${CMAKE_CURRENT_LIST_DIR}/f_wsset.cpp
  ${CMAKE_CURRENT_LIST_DIR}/f_wsset.h
  ${CMAKE_CURRENT_LIST_DIR}/f_wsset.ui
  ${CMAKE_CURRENT_LIST_DIR}/generatordialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/generatordialogs.h
  ${CMAKE_CURRENT_LIST_DIR}/valuecriteria.cpp
  ${CMAKE_CURRENT_LIST_DIR}/valuecriteria.h
)
target_link_libraries(ui PUBLIC generator)
