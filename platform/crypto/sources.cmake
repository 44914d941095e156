# The crypto provider (MD5 and RC2 through OpenSSL's libcrypto) and the owner-only private-data
# store that keeps the run-as identity's secret.
find_package(OpenSSL REQUIRED)
target_sources(kelvo_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/crypto.cpp
  ${CMAKE_CURRENT_LIST_DIR}/private_data.cpp
)
target_link_libraries(kelvo_platform PRIVATE OpenSSL::Crypto)
