# Stored document contents: their file names and files, the content encryption (CCrypto), the
# encryption switch with its backup, and the server's run-as identity.
target_sources(kelvo_server PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qd_arquivo_conteudo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_arquivos_troca.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_conteudo_documento.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_conteudo_provisorio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_encripta_docs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_evento_conteudo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_lista_conteudos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_nome_conteudo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_vigia_docs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_archive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_byte_array.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_crypto.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_identidade_execucao.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_user_profile_control.cpp
)
