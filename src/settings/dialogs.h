// The program's standard file dialogs: title, filter and default extension
// (CP932). In a filter, display texts and patterns alternate, separated by "|".
#pragma once

#include <string>

namespace korva {

struct FileDialog {
  std::string title;
  std::string filter;
  std::string defaultExt;  // with its dot; empty for none
};

enum class DialogKind {
  ProjectOpen,
  ProjectSave,
  TopIncludeOpen,
  SideIncludeOpen,
  HeadIncludeOpen,
  CssOpen,
  HtmlOpen,
  HtmlSave,
  MinutesTextOpen,
  GeneralSave,
  TextSave,
  CssSave,
};

const FileDialog& StandardDialog(DialogKind kind);

// The title of the folder picker.
const std::string& FolderDialogTitle();

}  // namespace korva
