# The saving thread: the worker that saves queued records and posts their results to the main
# window.
target_sources(kelvo_framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_thread_gravacao.cpp
)
