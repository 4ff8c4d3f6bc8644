// TRichEditEx: the editor pane. It holds the document's CP932 bytes as they
// are and lays out only the lines on screen, so a pane of 100,000 lines
// opens at once, costs little more memory than its text and gives back
// exactly the bytes it was given (line ends, stray bytes and all). Lines are
// laid out in character cells: a one-byte character takes one cell and a
// two-byte character two, as a fixed-pitch Japanese font draws them, so
// every width, wrap and click is a count of bytes. HTML is coloured line by
// line with the core's tokenizer, only where it is seen.
#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/pane_search.h"
#include "tools/html_colouring.h"

namespace korva::app {

class TRichEditEx : public QAbstractScrollArea {
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
  void SetTabSize(int cells);
  int GutterWidth() const;
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  bool IsReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on) { readOnly_ = on; }

  // Replaces the text; what the user did to the old one is forgotten.
  void SetCp932Text(std::string text);
  const std::string& Cp932Text() const { return text_; }
  bool HasText() const { return !text_.empty(); }
  // Whether the user changed the text since it was last set.
  bool EditedByUser() const { return editedByUser_; }
  void ClearEditedByUser() { editedByUser_ = false; }

  // Colours the text as HTML (the source colours) or shows it plain.
  void SetHtmlColouring(bool on);
  bool HtmlColouring() const { return colouring_; }
  // The HTML colours of a 0-based line, as the pane paints them.
  std::vector<ColourSpan> LineColours(int line) const;

  // The pane's lines as an editor counts them (an empty pane has one).
  int LineCount() const { return static_cast<int>(lines_.LineCount()); }
  // 0-based line and character column of the caret.
  int CaretLine() const;
  int CaretColumn() const;
  std::size_t CaretOffset() const { return caret_; }
  std::size_t LineStartOffset(int line) const {
    return lines_.LineStart(static_cast<std::size_t>(line));
  }
  // Puts the caret on a byte offset (moved back to a character start).
  void SetCaretToByte(std::size_t offset);
  // Scrolls so that a 0-based line stands at the top of the view.
  void ScrollLineToTop(int line);
  int FirstVisibleLine() const;

  // Shows the hits of a search over this pane's text.
  void ShowSearchHits(std::vector<PaneHighlight> hits);
  const std::vector<PaneHighlight>& SearchHits() const { return hits_; }
  // Takes away the search colours that change the text colour (the first
  // word's red and bold); the background colours stay. Caret to the start.
  void TextBlackColor();
  // The margins every pane gets.
  void DoSetREMargin();

  // The edit commands on the selection or at the caret.
  std::string SelectedCp932() const;
  void selectAll();
  void copy() const;
  void cut();
  void paste();
  void undo();
  void DeleteSelection();
  // Puts bytes at the caret in place of the selection, as typing does.
  void InsertCp932(std::string_view bytes);

 signals:
  // The user clicked the pane or moved into it.
  void activated();
  // The user changed the text (not a program setting it).
  void userEdited();
  void cursorPositionChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  class Gutter;
  struct Row {
    std::size_t line = 0;
    std::size_t from = 0, to = 0;  // bytes of the text
    int firstCell = 0;             // cell of `from` within its line (wrapped rows)
  };
  struct Edit {
    std::size_t offset;
    std::string removed, inserted;
    std::size_t caretBefore;
  };

  void Relayout();
  HtmlRange RangeAtLine(std::size_t line) const;
  void UpdateScrollBars();
  void UpdateMetrics();
  int RowCount() const;
  Row RowAt(int row) const;
  std::vector<Row> RowsOfLine(std::size_t line) const;
  int RowOfOffset(std::size_t offset) const;
  int CellOf(const Row& row, std::size_t offset) const;
  std::size_t OffsetAtCell(const Row& row, int cell) const;
  std::size_t OffsetAt(const QPoint& viewportPoint) const;
  QRect CaretRect() const;
  int WrapCells() const;
  std::size_t PreviousCharStart(std::size_t offset) const;
  std::size_t NextCharEnd(std::size_t offset) const;
  void MoveCaret(std::size_t offset, bool select);
  void MoveCaretByRows(int rows, bool select);
  void EnsureCaretVisible();
  void Replace(std::size_t from, std::size_t to, std::string_view bytes, bool recordUndo = true);
  std::string LineBreak() const;
  void PaintGutter(QPaintEvent* event);
  void PaintRow(class QPainter& painter, const Row& row, int y) const;

  Gutter* gutter_;
  std::string text_;
  LineIndex lines_{std::string_view()};
  std::vector<int> rowStarts_;  // wrapped: first visual row of each line, and the total
  // Where the tokenizer stands at the start of each line, worked out as far
  // as a line has been shown.
  mutable std::vector<HtmlRange> lineRanges_{HtmlRange::Text};
  std::vector<PaneHighlight> hits_;  // sorted by offset
  std::vector<Edit> undo_;
  std::size_t caret_ = 0, anchor_ = 0;
  int desiredCell_ = -1;
  QString preedit_;
  bool lineNumbers_ = false;
  bool wordWrap_ = false;
  bool readOnly_ = false;
  bool colouring_ = false;
  bool editedByUser_ = false;
  bool cellsExact_ = true;  // the font draws a two-byte character exactly two cells wide
  QColor gutterColor_;
  QColor gutterTextColor_ = Qt::black;
  int tabSize_ = 2;
  int cellWidth_ = 8;
  int lineHeight_ = 16;
  int maxLineCells_ = 0;
};

}  // namespace korva::app
