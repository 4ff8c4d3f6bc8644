// TRichEditEx: a plain-text pane with a line-number gutter, holding CP932
// text. A pane that is not on screen keeps new text aside and shows it when
// it first appears, so filling hidden panes costs nothing; HTML is coloured
// only where the pane shows it.
#pragma once

#include <QPlainTextEdit>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "session/pane_search.h"

namespace korva::app {

class HtmlPaneColouring;

class TRichEditEx : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit TRichEditEx(QWidget* parent = nullptr);
  ~TRichEditEx() override;

  bool LineNumbers() const { return lineNumbers_; }
  void SetLineNumbers(bool on);
  QColor GutterColor() const { return gutterColor_; }
  void SetGutterColor(const QColor& colour);
  QColor GutterTextColor() const { return gutterTextColor_; }
  void SetGutterTextColor(const QColor& colour);
  int TabSize() const { return tabSize_; }
  void SetTabSize(int characters);
  int GutterWidth() const;

  // Replaces the text (CP932); the pane remembers whether its lines ended in
  // CR LF and gives them back so.
  void SetCp932Text(std::string text);
  std::string Cp932Text() const;
  bool HasText() const;
  // Lays out text kept aside while the pane was hidden, before the caller
  // works on the document itself.
  void LoadPendingText();
  // Whether the user changed the text since it was last set.
  bool EditedByUser() const { return editedByUser_; }
  void ClearEditedByUser() { editedByUser_ = false; }

  // Colours the text as HTML (the source colours) or drops the colours.
  void SetHtmlColouring(bool on);
  bool HtmlColouring() const { return colouring_ != nullptr; }

  // The pane's lines as an editor counts them (an empty pane has one).
  int LineCount() const;
  // 0-based line of the caret.
  int CaretLine() const;
  // Puts the caret on a byte offset of the CP932 text.
  void SetCaretToByte(std::size_t offset);
  // Scrolls so that a 0-based line stands at the top of the view.
  void ScrollLineToTop(int line);

  // Shows the hits of a search; `cp932` is the text that was searched.
  void ShowSearchHits(const std::vector<PaneHighlight>& hits, const std::string& cp932);
  // Takes away the search colours that change the text colour (the first
  // word's red); the background colours stay.
  void TextBlackColor();
  int SearchHitCount() const { return static_cast<int>(extraSelections().size()); }

  // The margins every pane gets.
  void DoSetREMargin();

 signals:
  // The user clicked the pane or moved into it.
  void activated();
  // The user changed the text (not a program setting it).
  void userEdited();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  friend class Gutter;
  void PaintGutter(QPaintEvent* event);
  void UpdateGutterWidth();
  void ReplaceDocument(const QString& text);
  void ColourView();
  void ApplyTabStops();
  int TextPositionOfByte(std::size_t offset, const std::string& cp932) const;

  class Gutter;
  Gutter* gutter_;
  bool lineNumbers_ = false;
  QColor gutterColor_;
  QColor gutterTextColor_ = Qt::black;
  int tabSize_ = 2;
  bool crlf_ = true;
  bool loading_ = false;
  bool editedByUser_ = false;
  std::optional<std::string> pending_;
  std::unique_ptr<HtmlPaneColouring> colouring_;
};

}  // namespace korva::app
