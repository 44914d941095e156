# The main frames: the framework's (placement and splitter sizes kept in the profile, the client
# area in splitters, the framework's own messages) and the suite's (status bar, memory timer, help,
# about box, a title with the company).
target_sources(kelvo_framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_main_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_posicao_janela.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_kelvo_main_frame.cpp
)
