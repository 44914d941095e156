# Writes a C++ source that defines kelvo::setup::ModuleMessageFile() with the bytes of INPUT.
# Run as: cmake -DINPUT=... -DOUTPUT=... -P embed_file.cmake
file(READ "${INPUT}" bytes HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," chars "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from the module's message file; do not edit.\n"
  "#include \"programs/setup/message_file.h\"\n\n"
  "namespace kelvo::setup {\n\n"
  "const std::string& ModuleMessageFile() {\n"
  "    static const char bytes[] = {${chars}};\n"
  "    static const std::string content(bytes, sizeof bytes);\n"
  "    return content;\n"
  "}\n\n"
  "}  // namespace kelvo::setup\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
