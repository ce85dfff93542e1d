# Writes OUTPUT, a C++ source that builds every catalogue of CATALOGUES (a
# list of .po files separated by "|", each named for its language) into the program, so that
# orvane.exe stays one file and nothing is looked up on disk.
string(REPLACE "|" ";" CATALOGUES "${CATALOGUES}")
set(arrays "")
set(entries "")
foreach(po IN LISTS CATALOGUES)
  get_filename_component(language "${po}" NAME_WE)
  file(READ "${po}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR bytes "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
  string(APPEND arrays "const unsigned char catalogue_${language}[] = {${hex}0};\n")
  string(APPEND entries "        {\"${language}\", std::string_view(reinterpret_cast<const char*>(catalogue_${language}), ${bytes})},\n")
endforeach()
file(WRITE "${OUTPUT}.new" "// Made by the build from po/*.po; do not edit.
#include \"language/Texts.h\"

namespace orvane {
namespace {
${arrays}} // namespace

const std::vector<BuiltInCatalogue>& builtInCatalogues()
{
    static const std::vector<BuiltInCatalogue> catalogues{
${entries}    };
    return catalogues;
}

} // namespace orvane
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
