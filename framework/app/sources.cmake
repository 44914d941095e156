# The session objects: the application information (company, branch, session, company name,
# system code, systems block) and the user objects.
target_sources(kelvo_framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_kelvo_app_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_kelvo_usuario.cpp
)
