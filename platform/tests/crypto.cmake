# Crypto provider, private-data store and process account tests.
find_package(OpenSSL REQUIRED)
kelvo_add_test(platform_crypto_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/account_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/crypto_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/private_data_test.cpp
  DEPS kelvo::platform kelvo::test_support OpenSSL::Crypto
)
