# The online services: the download plug-in's host side, the start-up notice and its window, the
# embedded page view.
target_sources(ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/f_informdownload.cpp
  ${CMAKE_CURRENT_LIST_DIR}/f_informdownload.h
  ${CMAKE_CURRENT_LIST_DIR}/noticefetcher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/noticefetcher.h
  ${CMAKE_CURRENT_LIST_DIR}/onlineupdate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/onlineupdate.h
  ${CMAKE_CURRENT_LIST_DIR}/pageview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pageview.h
)
