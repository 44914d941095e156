# Check digits and fiscal codes: registration-number digits and display form, modulo-11 forms,
# federative units, municipality and country codes, tax situations, bar-code checks, small
# checks and the descriptions of fiscal code lists.
target_sources(kelvo_util PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bar_code.cpp
  ${CMAKE_CURRENT_LIST_DIR}/country.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cpf_cnpj.cpp
  ${CMAKE_CURRENT_LIST_DIR}/descriptions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/digit_sums.cpp
  ${CMAKE_CURRENT_LIST_DIR}/federative_unit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/modulo11.cpp
  ${CMAKE_CURRENT_LIST_DIR}/municipality.cpp
  ${CMAKE_CURRENT_LIST_DIR}/small_checks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tax_situation.cpp
)
