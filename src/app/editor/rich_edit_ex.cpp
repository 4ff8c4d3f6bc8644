#include "app/editor/rich_edit_ex.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "app/qt_text.h"
#include "session/tab_layout.h"
#include "text/sjis.h"

namespace korva::app {

class TRichEditEx::Gutter : public QWidget {
 public:
  explicit Gutter(TRichEditEx* pane) : QWidget(pane), pane_(pane) {}

 protected:
  void paintEvent(QPaintEvent* event) override { pane_->PaintGutter(event); }

 private:
  TRichEditEx* pane_;
};

namespace {

constexpr int kTextIndent = 4;  // pixels between the gutter and the first cell

QFont EditorFont() {
  QFont font;
  font.setFamilies({"MS UI Gothic", "IPAGothic", "Noto Sans Mono CJK JP", "monospace"});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSize(12);
  return font;
}

bool IsBreak(char c) {
  return c == '\r' || c == '\n';
}

// What a stray byte looks like on screen.
QString Displayable(QString text) {
  for (QChar& c : text) {
    if (c.unicode() >= 0xF780 && c.unicode() <= 0xF7FF) c = QChar(0xFFFD);
  }
  return text;
}

}  // namespace

TRichEditEx::TRichEditEx(QWidget* parent)
    : QAbstractScrollArea(parent),
      gutter_(new Gutter(this)),
      gutterColor_(palette().color(QPalette::Button)) {
  setFont(EditorFont());
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setAutoFillBackground(true);
  QPalette colours = viewport()->palette();
  colours.setColor(QPalette::Window, Qt::white);
  viewport()->setPalette(colours);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  UpdateMetrics();
  Relayout();
}

TRichEditEx::~TRichEditEx() = default;

// ---- properties ----

void TRichEditEx::SetLineNumbers(bool on) {
  lineNumbers_ = on;
  DoSetREMargin();
}

void TRichEditEx::SetGutterColor(const QColor& colour) {
  gutterColor_ = colour;
  gutter_->update();
}

void TRichEditEx::SetGutterTextColor(const QColor& colour) {
  gutterTextColor_ = colour;
  gutter_->update();
}

void TRichEditEx::SetTabSize(int cells) {
  tabSize_ = std::max(1, cells);
  Relayout();
}

void TRichEditEx::SetWordWrap(bool on) {
  wordWrap_ = on;
  Relayout();
}

int TRichEditEx::GutterWidth() const {
  if (!lineNumbers_) return 0;
  return 5 * fontMetrics().horizontalAdvance(QLatin1Char('8')) + 8;
}

void TRichEditEx::DoSetREMargin() {
  setViewportMargins(GutterWidth(), 0, kPaneRightMargin, 0);
  const QRect area = contentsRect();
  gutter_->setGeometry(area.left(), area.top(), GutterWidth(), area.height());
  gutter_->setVisible(lineNumbers_);
  Relayout();
}

void TRichEditEx::UpdateMetrics() {
  const QFontMetrics metrics(font());
  cellWidth_ = std::max(1, metrics.horizontalAdvance(QLatin1Char('0')));
  lineHeight_ = std::max(1, metrics.lineSpacing());
  cellsExact_ = metrics.horizontalAdvance(QStringLiteral("あ")) == 2 * cellWidth_ &&
                metrics.horizontalAdvance(QStringLiteral("ｱ")) == cellWidth_;
}

void TRichEditEx::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    UpdateMetrics();
    DoSetREMargin();
  }
}

// ---- text ----

void TRichEditEx::SetCp932Text(std::string text) {
  text_ = std::move(text);
  lines_ = LineIndex(text_);
  lineRanges_.assign(1, HtmlRange::Text);
  hits_.clear();
  undo_.clear();
  preedit_.clear();
  caret_ = anchor_ = 0;
  desiredCell_ = -1;
  editedByUser_ = false;
  Relayout();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
  emit cursorPositionChanged();
}

void TRichEditEx::SetHtmlColouring(bool on) {
  if (on == colouring_) return;
  colouring_ = on;
  viewport()->update();
}

std::vector<ColourSpan> TRichEditEx::LineColours(int line) const {
  if (!colouring_ || line < 0 || line >= LineCount()) return {};
  const auto l = static_cast<std::size_t>(line);
  HtmlRange range = RangeAtLine(l);
  return ColourHtmlLine(
      std::string_view(text_).substr(lines_.LineStart(l), lines_.LineEnd(l) - lines_.LineStart(l)),
      range);
}

HtmlRange TRichEditEx::RangeAtLine(std::size_t line) const {
  while (lineRanges_.size() <= line) {
    const std::size_t known = lineRanges_.size() - 1;
    lineRanges_.push_back(HtmlRangeAfterLine(
        std::string_view(text_).substr(lines_.LineStart(known),
                                       lines_.LineEnd(known) - lines_.LineStart(known)),
        lineRanges_.back()));
  }
  return lineRanges_[line];
}

std::string TRichEditEx::LineBreak() const {
  const std::size_t first = text_.find_first_of("\r\n");
  if (first == std::string::npos || text_[first] == '\r') {
    return first != std::string::npos && (first + 1 == text_.size() || text_[first + 1] != '\n')
               ? "\r"
               : "\r\n";
  }
  return "\n";
}

// ---- layout: rows of cells ----

int TRichEditEx::WrapCells() const {
  return std::max(8, (viewport()->width() - 2 * kTextIndent) / cellWidth_);
}

std::vector<TRichEditEx::Row> TRichEditEx::RowsOfLine(std::size_t line) const {
  const std::size_t start = lines_.LineStart(line), end = lines_.LineEnd(line);
  std::vector<Row> rows{{line, start, end, 0}};
  if (!wordWrap_) return rows;
  const int wrap = WrapCells();
  int cell = 0;
  for (std::size_t p = start; p < end;) {
    const auto c = static_cast<unsigned char>(text_[p]);
    const bool pair = sjis::IsLeadByte(c) && p + 1 < end;
    const int width = c == '\t' ? tabSize_ - cell % tabSize_ : (pair ? 2 : 1);
    if (cell - rows.back().firstCell + width > wrap && p > rows.back().from) {
      rows.back().to = p;
      rows.push_back({line, p, end, cell});
    }
    cell += width;
    p += pair ? 2 : 1;
  }
  return rows;
}

void TRichEditEx::Relayout() {
  rowStarts_.clear();
  maxLineCells_ = 0;
  if (wordWrap_) {
    rowStarts_.reserve(lines_.LineCount() + 1);
    int rows = 0;
    const int wrap = WrapCells();
    for (std::size_t line = 0; line < lines_.LineCount(); ++line) {
      rowStarts_.push_back(rows);
      const std::size_t bytes = lines_.LineEnd(line) - lines_.LineStart(line);
      // A line without tabs that fits takes one row: only long lines are walked.
      const bool simple =
          bytes <= static_cast<std::size_t>(wrap) &&
          std::string_view(text_).substr(lines_.LineStart(line), bytes).find('\t') ==
              std::string_view::npos;
      rows += simple ? 1 : static_cast<int>(RowsOfLine(line).size());
    }
    rowStarts_.push_back(rows);
  } else {
    for (std::size_t line = 0; line < lines_.LineCount(); ++line) {
      const std::size_t bytes = lines_.LineEnd(line) - lines_.LineStart(line);
      maxLineCells_ = std::max(maxLineCells_, static_cast<int>(bytes));
    }
  }
  UpdateScrollBars();
  gutter_->update();
  viewport()->update();
}

void TRichEditEx::UpdateScrollBars() {
  const int visibleRows = std::max(1, viewport()->height() / lineHeight_);
  verticalScrollBar()->setPageStep(visibleRows);
  verticalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setRange(0, std::max(0, RowCount() - 1));
  const int visibleCells = std::max(1, (viewport()->width() - kTextIndent) / cellWidth_);
  horizontalScrollBar()->setPageStep(visibleCells);
  horizontalScrollBar()->setSingleStep(2);
  horizontalScrollBar()->setRange(0, wordWrap_ ? 0 : std::max(0, maxLineCells_ + 2 - visibleCells));
}

int TRichEditEx::RowCount() const {
  return wordWrap_ ? rowStarts_.back() : LineCount();
}

TRichEditEx::Row TRichEditEx::RowAt(int row) const {
  if (!wordWrap_) {
    const auto line = static_cast<std::size_t>(row);
    return {line, lines_.LineStart(line), lines_.LineEnd(line), 0};
  }
  const auto found = std::upper_bound(rowStarts_.begin(), rowStarts_.end() - 1, row);
  const auto line = static_cast<std::size_t>(found - rowStarts_.begin() - 1);
  const std::vector<Row> rows = RowsOfLine(line);
  const auto index = static_cast<std::size_t>(row - rowStarts_[line]);
  return rows[std::min(index, rows.size() - 1)];
}

int TRichEditEx::RowOfOffset(std::size_t offset) const {
  const std::size_t line = lines_.LineOf(offset);
  if (!wordWrap_) return static_cast<int>(line);
  const std::vector<Row> rows = RowsOfLine(line);
  int index = 0;
  while (index + 1 < static_cast<int>(rows.size()) && offset >= rows[index + 1].from) ++index;
  return rowStarts_[line] + index;
}

int TRichEditEx::CellOf(const Row& row, std::size_t offset) const {
  int cell = row.firstCell;
  for (std::size_t p = row.from; p < offset && p < row.to;) {
    const auto c = static_cast<unsigned char>(text_[p]);
    const bool pair = sjis::IsLeadByte(c) && p + 1 < lines_.LineEnd(row.line);
    cell += c == '\t' ? tabSize_ - cell % tabSize_ : (pair ? 2 : 1);
    p += pair ? 2 : 1;
  }
  return cell;
}

std::size_t TRichEditEx::OffsetAtCell(const Row& row, int cell) const {
  int at = row.firstCell;
  for (std::size_t p = row.from; p < row.to;) {
    const auto c = static_cast<unsigned char>(text_[p]);
    const bool pair = sjis::IsLeadByte(c) && p + 1 < lines_.LineEnd(row.line);
    const int width = c == '\t' ? tabSize_ - at % tabSize_ : (pair ? 2 : 1);
    if (cell < at + (width + 1) / 2) return p;
    at += width;
    p += pair ? 2 : 1;
  }
  return row.to;
}

std::size_t TRichEditEx::OffsetAt(const QPoint& point) const {
  const int row = std::clamp(verticalScrollBar()->value() + point.y() / lineHeight_, 0,
                             std::max(0, RowCount() - 1));
  const Row r = RowAt(row);
  const int cell = horizontalScrollBar()->value() + (point.x() - kTextIndent) / cellWidth_;
  return OffsetAtCell(r, r.firstCell + std::max(0, cell));
}

QRect TRichEditEx::CaretRect() const {
  const int row = RowOfOffset(caret_);
  const Row r = RowAt(row);
  const int cell = CellOf(r, caret_) - r.firstCell;
  const int x = kTextIndent + (cell - horizontalScrollBar()->value()) * cellWidth_;
  const int y = (row - verticalScrollBar()->value()) * lineHeight_;
  return {x, y, 2, lineHeight_};
}

int TRichEditEx::FirstVisibleLine() const {
  return static_cast<int>(RowAt(verticalScrollBar()->value()).line);
}

// ---- caret ----

int TRichEditEx::CaretLine() const {
  return static_cast<int>(lines_.LineOf(caret_));
}

int TRichEditEx::CaretColumn() const {
  const std::size_t start = lines_.LineStart(lines_.LineOf(caret_));
  return static_cast<int>(sjis::CharCount(std::string_view(text_).substr(start, caret_ - start)));
}

std::size_t TRichEditEx::PreviousCharStart(std::size_t offset) const {
  if (offset == 0) return 0;
  const std::size_t line = lines_.LineOf(offset);
  const std::size_t start = lines_.LineStart(line);
  if (offset == start) {
    // Back over the line break before this line.
    return offset >= 2 && text_[offset - 1] == '\n' && text_[offset - 2] == '\r' ? offset - 2
                                                                                 : offset - 1;
  }
  std::size_t previous = start;
  for (std::size_t p = start; p < offset;) {
    previous = p;
    p += sjis::IsLeadByte(static_cast<unsigned char>(text_[p])) && p + 1 < lines_.LineEnd(line) ? 2
                                                                                                : 1;
  }
  return previous;
}

std::size_t TRichEditEx::NextCharEnd(std::size_t offset) const {
  if (offset >= text_.size()) return text_.size();
  if (IsBreak(text_[offset])) {
    return text_[offset] == '\r' && offset + 1 < text_.size() && text_[offset + 1] == '\n'
               ? offset + 2
               : offset + 1;
  }
  const std::size_t end = lines_.LineEnd(lines_.LineOf(offset));
  return offset +
         (sjis::IsLeadByte(static_cast<unsigned char>(text_[offset])) && offset + 1 < end ? 2 : 1);
}

void TRichEditEx::SetCaretToByte(std::size_t offset) {
  // Onto the start of the character the offset falls in, inside its line.
  const std::size_t line = lines_.LineOf(std::min(offset, text_.size()));
  const std::size_t end = lines_.LineEnd(line);
  std::size_t at = lines_.LineStart(line);
  while (at < end && NextCharEnd(at) <= offset) at = NextCharEnd(at);
  desiredCell_ = -1;
  MoveCaret(at, false);
}

void TRichEditEx::MoveCaret(std::size_t offset, bool select) {
  caret_ = std::min(offset, text_.size());
  if (!select) anchor_ = caret_;
  EnsureCaretVisible();
  viewport()->update();
  emit cursorPositionChanged();
}

void TRichEditEx::MoveCaretByRows(int rows, bool select) {
  const int current = RowOfOffset(caret_);
  const Row from = RowAt(current);
  // The column on screen is kept, also across the rows of a wrapped line.
  if (desiredCell_ < 0) desiredCell_ = CellOf(from, caret_) - from.firstCell;
  const Row to = RowAt(std::clamp(current + rows, 0, std::max(0, RowCount() - 1)));
  const int keep = desiredCell_;
  MoveCaret(OffsetAtCell(to, to.firstCell + keep), select);
  desiredCell_ = keep;
}

void TRichEditEx::EnsureCaretVisible() {
  const int row = RowOfOffset(caret_);
  QScrollBar* v = verticalScrollBar();
  if (row < v->value()) v->setValue(row);
  if (row >= v->value() + v->pageStep()) v->setValue(row - v->pageStep() + 1);
  if (wordWrap_) return;
  const int cell = CellOf(RowAt(row), caret_);
  QScrollBar* h = horizontalScrollBar();
  if (cell < h->value()) h->setValue(std::max(0, cell - 4));
  if (cell >= h->value() + h->pageStep()) h->setValue(cell - h->pageStep() + 4);
}

void TRichEditEx::ScrollLineToTop(int line) {
  line = std::clamp(line, 0, std::max(0, LineCount() - 1));
  verticalScrollBar()->setValue(wordWrap_ ? rowStarts_[static_cast<std::size_t>(line)] : line);
}

// ---- search hits ----

void TRichEditEx::ShowSearchHits(std::vector<PaneHighlight> hits) {
  std::stable_sort(hits.begin(), hits.end(), [](const PaneHighlight& a, const PaneHighlight& b) {
    return a.offset < b.offset;
  });
  hits_ = std::move(hits);
  viewport()->update();
}

void TRichEditEx::TextBlackColor() {
  std::erase_if(hits_, [](const PaneHighlight& hit) { return hit.style.textColor.has_value(); });
  MoveCaret(0, false);
}

// ---- editing ----

std::string TRichEditEx::SelectedCp932() const {
  const auto [from, to] = std::minmax(caret_, anchor_);
  return text_.substr(from, to - from);
}

void TRichEditEx::selectAll() {
  anchor_ = 0;
  caret_ = text_.size();
  viewport()->update();
  emit cursorPositionChanged();
}

void TRichEditEx::copy() const {
  if (caret_ != anchor_) QGuiApplication::clipboard()->setText(FromCp932(SelectedCp932()));
}

void TRichEditEx::cut() {
  copy();
  DeleteSelection();
}

void TRichEditEx::paste() {
  QString text = QGuiApplication::clipboard()->text();
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  InsertCp932(sjis::ReplaceAll(ToCp932(text), "\n", LineBreak()));
}

void TRichEditEx::DeleteSelection() {
  if (readOnly_ || caret_ == anchor_) return;
  const auto [from, to] = std::minmax(caret_, anchor_);
  Replace(from, to, {});
}

void TRichEditEx::InsertCp932(std::string_view bytes) {
  if (readOnly_) return;
  const auto [from, to] = std::minmax(caret_, anchor_);
  Replace(from, to, bytes);
}

void TRichEditEx::undo() {
  if (undo_.empty()) return;
  const Edit edit = std::move(undo_.back());
  undo_.pop_back();
  Replace(edit.offset, edit.offset + edit.inserted.size(), edit.removed, false);
  MoveCaret(edit.caretBefore, false);
}

void TRichEditEx::Replace(std::size_t from, std::size_t to, std::string_view bytes,
                          bool recordUndo) {
  if (recordUndo) {
    undo_.push_back({from, text_.substr(from, to - from), std::string(bytes), caret_});
  }
  // The lines before the edit start where they did.
  lineRanges_.resize(std::min(lineRanges_.size(), lines_.LineOf(from) + 1));
  text_.replace(from, to - from, bytes);
  lines_ = LineIndex(text_);
  // Hits stand on offsets the edit may have moved.
  hits_.clear();
  Relayout();
  desiredCell_ = -1;
  MoveCaret(from + bytes.size(), false);
  editedByUser_ = true;
  emit userEdited();
}

// ---- events ----

void TRichEditEx::keyPressEvent(QKeyEvent* event) {
  const bool select = event->modifiers() & Qt::ShiftModifier;
  const bool control = event->modifiers() & Qt::ControlModifier;
  if (event->matches(QKeySequence::Copy)) return copy();
  if (event->matches(QKeySequence::Cut)) return cut();
  if (event->matches(QKeySequence::Paste)) return paste();
  if (event->matches(QKeySequence::SelectAll)) return selectAll();
  if (event->matches(QKeySequence::Undo)) return undo();
  const std::size_t line = lines_.LineOf(caret_);
  switch (event->key()) {
    case Qt::Key_Left:
      desiredCell_ = -1;
      return MoveCaret(PreviousCharStart(caret_), select);
    case Qt::Key_Right:
      desiredCell_ = -1;
      return MoveCaret(NextCharEnd(caret_), select);
    case Qt::Key_Up:
      return MoveCaretByRows(-1, select);
    case Qt::Key_Down:
      return MoveCaretByRows(1, select);
    case Qt::Key_PageUp:
      return MoveCaretByRows(-verticalScrollBar()->pageStep(), select);
    case Qt::Key_PageDown:
      return MoveCaretByRows(verticalScrollBar()->pageStep(), select);
    case Qt::Key_Home:
      desiredCell_ = -1;
      return MoveCaret(control ? 0 : RowAt(RowOfOffset(caret_)).from, select);
    case Qt::Key_End:
      desiredCell_ = -1;
      return MoveCaret(control ? text_.size() : lines_.LineEnd(line), select);
    case Qt::Key_Backspace:
      if (caret_ != anchor_) return DeleteSelection();
      if (!readOnly_ && caret_ > 0) Replace(PreviousCharStart(caret_), caret_, {});
      return;
    case Qt::Key_Delete:
      if (caret_ != anchor_) return DeleteSelection();
      if (!readOnly_ && caret_ < text_.size()) Replace(caret_, NextCharEnd(caret_), {});
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return InsertCp932(LineBreak());
    default:
      break;
  }
  const QString typed = event->text();
  if (!typed.isEmpty() && !control && (typed[0].isPrint() || typed[0] == QLatin1Char('\t'))) {
    return InsertCp932(ToCp932(typed));
  }
  QAbstractScrollArea::keyPressEvent(event);
}

void TRichEditEx::inputMethodEvent(QInputMethodEvent* event) {
  if (!event->commitString().isEmpty()) InsertCp932(ToCp932(event->commitString()));
  preedit_ = event->preeditString();
  viewport()->update();
  event->accept();
}

QVariant TRichEditEx::inputMethodQuery(Qt::InputMethodQuery query) const {
  switch (query) {
    case Qt::ImEnabled:
      return !readOnly_;
    case Qt::ImCursorRectangle:
      return CaretRect();
    case Qt::ImFont:
      return font();
    default:
      return QAbstractScrollArea::inputMethodQuery(query);
  }
}

void TRichEditEx::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (event->button() == Qt::LeftButton) {
    desiredCell_ = -1;
    MoveCaret(OffsetAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
  }
  emit activated();
}

void TRichEditEx::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) MoveCaret(OffsetAt(event->position().toPoint()), true);
}

void TRichEditEx::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  emit activated();
}

void TRichEditEx::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  const QRect area = contentsRect();
  gutter_->setGeometry(area.left(), area.top(), GutterWidth(), area.height());
  Relayout();
}

void TRichEditEx::scrollContentsBy(int, int) {
  viewport()->update();
  gutter_->update();
}

// ---- painting ----

void TRichEditEx::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.setFont(font());
  const int first = verticalScrollBar()->value();
  const int count = viewport()->height() / lineHeight_ + 1;
  for (int row = first; row < std::min(RowCount(), first + count); ++row) {
    PaintRow(painter, RowAt(row), (row - first) * lineHeight_);
  }
  if (hasFocus()) {
    const QRect caret = CaretRect();
    painter.fillRect(caret, Qt::black);
    if (!preedit_.isEmpty()) {
      QFont underlined = font();
      underlined.setUnderline(true);
      painter.setFont(underlined);
      painter.setPen(Qt::black);
      painter.drawText(caret.left() + 2, caret.top() + QFontMetrics(font()).ascent(), preedit_);
    }
  }
}

void TRichEditEx::PaintRow(QPainter& painter, const Row& row, int y) const {
  // Cut the row where any colour, weight or background changes.
  struct Style {
    QColor colour = Qt::black;
    bool bold = false;
    std::optional<QColor> background;
  };
  std::vector<std::size_t> cuts{row.from, row.to};
  std::vector<ColourSpan> spans;
  const std::size_t lineStart = lines_.LineStart(row.line);
  if (colouring_) {
    spans = LineColours(static_cast<int>(row.line));
    for (const ColourSpan& span : spans) {
      cuts.push_back(lineStart + span.offset);
      cuts.push_back(lineStart + span.offset + span.length);
    }
  }
  auto firstHit = std::lower_bound(
      hits_.begin(), hits_.end(), row.from,
      [](const PaneHighlight& hit, std::size_t from) { return hit.offset + hit.length <= from; });
  for (auto hit = firstHit; hit != hits_.end() && hit->offset < row.to; ++hit) {
    cuts.push_back(hit->offset);
    cuts.push_back(hit->offset + hit->length);
  }
  const auto [selFrom, selTo] = std::minmax(caret_, anchor_);
  cuts.push_back(selFrom);
  cuts.push_back(selTo);
  std::erase_if(cuts, [&](std::size_t cut) { return cut < row.from || cut > row.to; });
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());

  auto styleAt = [&](std::size_t offset) {
    Style style;
    for (const ColourSpan& span : spans) {
      if (offset >= lineStart + span.offset && offset < lineStart + span.offset + span.length) {
        style.colour = QColor::fromRgb(static_cast<QRgb>(span.colour));
        style.bold = span.bold;
      }
    }
    for (auto hit = firstHit; hit != hits_.end() && hit->offset < row.to; ++hit) {
      if (offset < hit->offset || offset >= hit->offset + hit->length) continue;
      if (hit->style.textColor)
        style.colour = QColor::fromRgb(static_cast<QRgb>(*hit->style.textColor));
      if (hit->style.backColor)
        style.background = QColor::fromRgb(static_cast<QRgb>(*hit->style.backColor));
      style.bold = style.bold || hit->style.bold;
    }
    if (offset >= selFrom && offset < selTo) {
      style.background = palette().color(QPalette::Highlight);
      style.colour = palette().color(QPalette::HighlightedText);
    }
    return style;
  };

  // Cells are counted from the line's start; a wrapped row starts at the left edge.
  const int scroll = horizontalScrollBar()->value() + row.firstCell;
  const int ascent = QFontMetrics(font()).ascent();
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
    const std::size_t from = cuts[i], to = cuts[i + 1];
    const int cellFrom = CellOf(row, from), cellTo = CellOf(row, to);
    if (cellTo <= scroll) continue;
    const Style style = styleAt(from);
    const int x = kTextIndent + (cellFrom - scroll) * cellWidth_;
    if (style.background) {
      painter.fillRect(x, y, (cellTo - cellFrom) * cellWidth_, lineHeight_, *style.background);
    }
    QFont font = painter.font();
    font.setBold(style.bold);
    painter.setFont(font);
    painter.setPen(style.colour);
    const std::string_view bytes = std::string_view(text_).substr(from, to - from);
    if (cellsExact_ && bytes.find('\t') == std::string_view::npos) {
      painter.drawText(x, y + ascent, Displayable(FromCp932(bytes)));
      continue;
    }
    // Tabs, or a font that is not fixed-pitch: every character at its own cell.
    for (std::size_t p = from; p < to; p = NextCharEnd(p)) {
      if (text_[p] == '\t') continue;
      const int cx = kTextIndent + (CellOf(row, p) - scroll) * cellWidth_;
      painter.drawText(
          cx, y + ascent,
          Displayable(FromCp932(std::string_view(text_).substr(p, NextCharEnd(p) - p))));
    }
  }
}

void TRichEditEx::PaintGutter(QPaintEvent* event) {
  QPainter painter(gutter_);
  const int width = GutterWidth();
  painter.fillRect(event->rect(), gutterColor_);
  painter.fillRect(QRect(width - 4, event->rect().top(), 4, event->rect().height()), Qt::white);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawLine(width - 4, event->rect().top(), width - 4, event->rect().bottom());
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawLine(width - 3, event->rect().top(), width - 3, event->rect().bottom());
  QFont numbers = font();
  numbers.setPointSize(11);
  painter.setFont(numbers);
  painter.setPen(gutterTextColor_);
  const int right = 2 + 4 * QFontMetrics(numbers).horizontalAdvance(QLatin1Char('8'));
  const int first = verticalScrollBar()->value();
  const int count = gutter_->height() / lineHeight_ + 1;
  for (int row = first; row < std::min(RowCount(), first + count); ++row) {
    const Row r = RowAt(row);
    if (r.from != lines_.LineStart(r.line)) continue;  // a wrapped line's further rows
    painter.drawText(0, (row - first) * lineHeight_, right, lineHeight_,
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(r.line + 1));
  }
}

}  // namespace korva::app
