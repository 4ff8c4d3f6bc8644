#include "intake/html_file_name.h"

#include "text/path_text.h"
#include "text/sjis.h"

namespace korva {

std::string GetSaveHTMLFilename(std::string_view path) {
  std::string name = ExtractFileName(path);
  // The extension starts at the last "." after any drive colon.
  const std::size_t dot = sjis::RFind(name, ".");
  const std::size_t colon = sjis::RFind(name, ":");
  if (dot != sjis::npos && (colon == sjis::npos || dot > colon)) name.erase(dot);
  const std::size_t at = sjis::Find(name, "@");
  if (at == sjis::npos) return "dummy";
  return name.substr(at + 1);
}

}  // namespace korva
