# Writes a C++ source that defines kelvo::setup::ModuleReportModels() with the bytes of every
# report model found under MODELS (<MODELS>/<report code>/<model name>.txt).
# Run as: cmake -DMODELS=... -DOUTPUT=... -P embed_models.cmake
file(GLOB models RELATIVE "${MODELS}" "${MODELS}/*/*.txt")
list(SORT models)
set(entries "")
foreach(model IN LISTS models)
  get_filename_component(code "${model}" DIRECTORY)
  get_filename_component(name "${model}" NAME_WE)
  file(READ "${MODELS}/${model}" bytes HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" chars "${bytes}")
  string(LENGTH "${bytes}" hex_length)
  math(EXPR length "${hex_length} / 2")
  string(APPEND entries "        {\"${code}\", \"${name}\", std::string(\"${chars}\", ${length})},\n")
endforeach()
file(WRITE "${OUTPUT}.tmp"
  "// Generated from the module's report models; do not edit.\n"
  "#include \"programs/setup/report_models.h\"\n\n"
  "namespace kelvo::setup {\n\n"
  "const std::vector<ReportModel>& ModuleReportModels() {\n"
  "    static const std::vector<ReportModel> models = {\n${entries}    };\n"
  "    return models;\n"
  "}\n\n"
  "}  // namespace kelvo::setup\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
