# Calls into the suite's data import library, loaded at run time from the program's folder.
target_sources(kelvo_util PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_importa.cpp
)
