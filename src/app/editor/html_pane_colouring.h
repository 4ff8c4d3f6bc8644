// Colours HTML in a pane only where it is seen. The tokenizer state at the
// start of every line is worked out once from the bytes (one fast pass) and
// kept in the lines themselves; a line is coloured when it first comes into
// view, and an edit works the states out again from the edited line on.
#pragma once

#include <QObject>
#include <QTextBlock>
#include <string_view>

class QPlainTextEdit;

namespace korva::app {

class HtmlPaneColouring : public QObject {
  Q_OBJECT

 public:
  explicit HtmlPaneColouring(QPlainTextEdit* pane);
  ~HtmlPaneColouring() override;

  // The pane's text was replaced by `cp932`.
  void Reset(std::string_view cp932);
  // Colours the lines from `first` on that are not coloured yet, up to `count` lines.
  void ColourBlocks(QTextBlock first, int count);
  // Takes every colour away again.
  void Clear();

 private:
  void OnContentsChange(int position, int removed, int added);
  void ColourBlock(QTextBlock block);

  QPlainTextEdit* pane_;
  QMetaObject::Connection changeConnection_;
  bool colouringNow_ = false;
};

}  // namespace korva::app
