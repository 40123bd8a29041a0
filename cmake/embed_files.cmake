# Turns every file of a folder into one C++ source: an array of {name, content} that the
# program serves as it is, so the page needs no build step and no files beside the program.
# Run with -DSOURCE_DIR=<folder> -DOUTPUT=<file.cc>.
file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
list(SORT files)
set(arrays "")
set(entries "")
set(index 0)
foreach(name ${files})
  file(READ ${SOURCE_DIR}/${name} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(APPEND arrays "constexpr char kFile${index}[] = {${bytes}0};\n")
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(APPEND entries "    {\"${name}\", std::string_view(kFile${index}, ${size})},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT}.tmp
  "#include \"terminal/web_files.h\"\n\nnamespace pellora::terminal {\nnamespace {\n${arrays}"
  "}  // namespace\n\nconst std::vector<WebFile>& WebFiles() {\n"
  "  static const std::vector<WebFile> kFiles = {\n${entries}  };\n  return kFiles;\n}\n\n"
  "}  // namespace pellora::terminal\n")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
