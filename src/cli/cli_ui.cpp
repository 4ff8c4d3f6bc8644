#include "cli/cli_ui.h"

#include <iostream>

#include "text/codec.h"

namespace korva::cli {

void CliUi::Print(const std::string& utf8) const {
  std::cerr << (subject_.empty() ? "" : subject_ + ": ") << utf8 << '\n';
}

void CliUi::Error(const std::string& utf8) const {
  Print(utf8);
}

void CliUi::Note(const std::string& utf8) const {
  if (verbosity_ != Verbosity::Quiet) Print(utf8);
}

void CliUi::Detail(const std::string& utf8) const {
  if (verbosity_ == Verbosity::Verbose) Print(utf8);
}

void CliUi::Information(const std::string& text) {
  Note(Cp932ToUtf8Lossy(text));
}

void CliUi::Warning(const std::string& text) {
  Error(Cp932ToUtf8Lossy(text));
}

bool CliUi::AskYesNo(const std::string& text) {
  Note(Cp932ToUtf8Lossy(text) + " -> no");
  return false;
}

void CliUi::SetStatusPanel(int, const std::string& text) {
  if (!text.empty()) Detail(Cp932ToUtf8Lossy(text));
}

}  // namespace korva::cli
