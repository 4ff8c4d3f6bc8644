// The one place where document text (CP932 bytes) meets Qt's text. Bytes
// that are not CP932 are carried through as private-use characters, so a
// pane that shows them and is saved again gives back the same bytes;
// characters CP932 cannot hold become "〓" on the way out.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace korva::app {

QString FromCp932(std::string_view cp932);
std::string ToCp932(const QString& text);

// The number of characters the first `byteCount` bytes of a CP932 text take
// in its QString form.
int QtLengthOfCp932(std::string_view cp932, std::size_t byteCount);

}  // namespace korva::app
