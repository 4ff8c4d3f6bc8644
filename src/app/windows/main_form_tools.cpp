// The main window's commands that open the tool windows or run the
// forced-line-break tool.
#include "app/main_form.h"
#include "app/windows/about_box.h"
#include "app/windows/base_conv.h"
#include "app/windows/color_form.h"
#include "app/windows/key_list.h"
#include "app/windows/source_window.h"
#include "app/windows/tool_windows.h"
#include "intake/forced_breaks.h"

namespace korva::app {

void TAMainForm::tbNewWindowForHTMLSrcClick() {
  if (!Pane("EditorBodyHTML")->HasText()) {
    ui_.Beep();
    return;
  }
  tools_->Source()->SetSOTSource();
}

void TAMainForm::MenuToolHTMLSourceClick() {
  tools_->Source()->ShowWindow();
}

void TAMainForm::tbColorPalleteClick() {
  ToolWindows::Show(tools_->Palette());
}

void TAMainForm::MenuToolBaseConvClick() {
  ToolWindows::Show(tools_->BaseConverter());
}

void TAMainForm::MenuToolPreviewClick() {
  ui_.ShowPage("PGLeftTab10Browser");
  ui_.ShowPage("PGRightTab10Browser");
}

void TAMainForm::MenuOtherKeyListClick() {
  ToolWindows::Show(tools_->KeyList());
}

void TAMainForm::MenuOtherAboutClick() {
  ToolWindows::Show(tools_->About());
}

void TAMainForm::tbForWordWrapCopyFromClipbdClick() {
  // A new file first: the search boxes and lists go with the old text.
  tbNewFileClick();
  RunCommand([&] { MenuTextPaste2TextPaneClick(doc_, ui_); });
  SetActiveEditor(Pane("EditorMinutesText"));
}

void TAMainForm::tbDoWordWrapClick() {
  RunCommand([&] { korva::tbDoWordWrapClick(settings_, doc_, ui_); });
}

void TAMainForm::tbDoAddBackSlashClick() {
  RunCommand([&] { korva::tbDoAddBackSlashClick(settings_, doc_, ui_); });
}

void TAMainForm::tbDoWordWrapCOPYClick() {
  RunCommand([&] { korva::tbDoWordWrapCOPYClick(doc_, ui_); });
}

}  // namespace korva::app
