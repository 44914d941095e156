target_sources(kelvo_util PRIVATE ${CMAKE_CURRENT_LIST_DIR}/zt_string.cpp)
