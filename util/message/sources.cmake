target_sources(kelvo_util PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/hresult_message.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hresult_translation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_line_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_exception.cpp
)
