# Numbers, money and calendar helpers: the automation conversions and number texts, rounding,
# interest and percentages, weight units, weekdays, the number-text check and runtime checks.
target_sources(kelvo_util PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/automation_conversion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_var.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_to_number.cpp
  ${CMAKE_CURRENT_LIST_DIR}/number_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rounding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/interest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/weight.cpp
  ${CMAKE_CURRENT_LIST_DIR}/weekday.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library_version.cpp
  ${CMAKE_CURRENT_LIST_DIR}/number_text_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/installed_runtimes.cpp
)
