#include "app/editor/rich_edit_ex.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include "app/editor/html_pane_colouring.h"
#include "app/qt_text.h"
#include "intake/open_minutes.h"
#include "session/tab_layout.h"
#include "text/sjis.h"

namespace korva::app {

class TRichEditEx::Gutter : public QWidget {
 public:
  explicit Gutter(TRichEditEx* pane) : QWidget(pane), pane_(pane) {}
  QSize sizeHint() const override { return {pane_->GutterWidth(), 0}; }

 protected:
  void paintEvent(QPaintEvent* event) override { pane_->PaintGutter(event); }

 private:
  TRichEditEx* pane_;
};

namespace {

QFont EditorFont(int pointSize) {
  QFont font;
  font.setFamilies({"MS UI Gothic", "Noto Sans Mono CJK JP", "IPAGothic", "monospace"});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSize(pointSize);
  return font;
}

}  // namespace

TRichEditEx::TRichEditEx(QWidget* parent)
    : QPlainTextEdit(parent),
      gutter_(new Gutter(this)),
      gutterColor_(palette().color(QPalette::Button)) {
  setFont(EditorFont(12));
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ApplyTabStops();
  connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { UpdateGutterWidth(); });
  connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
    if (dy != 0) {
      gutter_->scroll(0, dy);
    } else {
      gutter_->update(0, rect.y(), gutter_->width(), rect.height());
    }
  });
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (loading_) return;
    editedByUser_ = true;
    emit userEdited();
  });
  // Lines that come into view are coloured then.
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { ColourView(); });
  connect(this, &QPlainTextEdit::textChanged, this,
          [this] { QTimer::singleShot(0, this, [this] { ColourView(); }); });
  UpdateGutterWidth();
}

TRichEditEx::~TRichEditEx() = default;

void TRichEditEx::SetLineNumbers(bool on) {
  lineNumbers_ = on;
  UpdateGutterWidth();
  gutter_->update();
}

void TRichEditEx::SetGutterColor(const QColor& colour) {
  gutterColor_ = colour;
  gutter_->update();
}

void TRichEditEx::SetGutterTextColor(const QColor& colour) {
  gutterTextColor_ = colour;
  gutter_->update();
}

void TRichEditEx::SetTabSize(int characters) {
  tabSize_ = characters;
  ApplyTabStops();
}

void TRichEditEx::ApplyTabStops() {
  setTabStopDistance(tabSize_ * fontMetrics().horizontalAdvance(QLatin1Char('8')));
}

int TRichEditEx::GutterWidth() const {
  if (!lineNumbers_) return 0;
  return 5 * fontMetrics().horizontalAdvance(QLatin1Char('8')) + 8;
}

void TRichEditEx::ColourView() {
  if (!colouring_ || pending_) return;
  const int lines = viewport()->height() / qMax(1, fontMetrics().lineSpacing()) + 2;
  colouring_->ColourBlocks(firstVisibleBlock(), lines);
}

void TRichEditEx::UpdateGutterWidth() {
  // The text starts clear of the gutter; the right margin keeps it off the edge.
  setViewportMargins(GutterWidth(), 0, kPaneRightMargin, 0);
  const QRect area = contentsRect();
  gutter_->setGeometry(area.left(), area.top(), GutterWidth(), area.height());
  gutter_->setVisible(lineNumbers_);
}

void TRichEditEx::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  UpdateGutterWidth();
  ColourView();
}

void TRichEditEx::changeEvent(QEvent* event) {
  QPlainTextEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    ApplyTabStops();
    UpdateGutterWidth();
  }
}

void TRichEditEx::PaintGutter(QPaintEvent* event) {
  QPainter painter(gutter_);
  const int width = GutterWidth();
  painter.fillRect(event->rect(), gutterColor_);
  painter.fillRect(QRect(width - 4, event->rect().top(), 4, event->rect().height()),
                   palette().color(QPalette::Base));
  painter.setPen(palette().color(QPalette::Light));
  painter.drawLine(width - 4, event->rect().top(), width - 4, event->rect().bottom());
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawLine(width - 3, event->rect().top(), width - 3, event->rect().bottom());

  QFont numberFont = font();
  numberFont.setPointSize(11);
  painter.setFont(numberFont);
  painter.setPen(gutterTextColor_);
  const QFontMetrics metrics(numberFont);
  const int numberRight = 2 + 4 * metrics.horizontalAdvance(QLatin1Char('8'));
  QTextBlock block = firstVisibleBlock();
  int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
  while (block.isValid() && top <= event->rect().bottom()) {
    const int height = qRound(blockBoundingRect(block).height());
    if (block.isVisible() && top + height >= event->rect().top()) {
      painter.drawText(0, top, numberRight, fontMetrics().height(), Qt::AlignRight,
                       QString::number(block.blockNumber() + 1));
    }
    block = block.next();
    top += height;
  }
}

void TRichEditEx::SetCp932Text(std::string text) {
  const std::size_t firstBreak = text.find_first_of("\r\n");
  crlf_ = firstBreak == std::string::npos || text[firstBreak] == '\r';
  editedByUser_ = false;
  pending_ = std::move(text);
  if (isVisible() || pending_->empty()) {
    LoadPendingText();
  } else {
    // The old text goes now; the new one is laid out when the pane appears.
    ReplaceDocument(QString());
  }
}

void TRichEditEx::LoadPendingText() {
  if (!pending_) return;
  const std::string text = std::move(*pending_);
  pending_.reset();
  ReplaceDocument(FromCp932(text));
  if (colouring_) {
    colouring_->Reset(text);
    ColourView();
  }
}

void TRichEditEx::ReplaceDocument(const QString& text) {
  loading_ = true;
  setExtraSelections({});
  // A document filled before it is attached skips the layout of every line
  // and the undo record of the whole load.
  auto* fresh = new QTextDocument(this);
  fresh->setDocumentLayout(new QPlainTextDocumentLayout(fresh));
  fresh->setDefaultFont(font());
  fresh->setUndoRedoEnabled(false);
  fresh->setPlainText(text);
  fresh->setUndoRedoEnabled(true);
  QTextDocument* old = document();
  setDocument(fresh);
  if (old && old->parent() == this) delete old;
  ApplyTabStops();
  loading_ = false;
}

void TRichEditEx::showEvent(QShowEvent* event) {
  QPlainTextEdit::showEvent(event);
  LoadPendingText();
  ColourView();
}

std::string TRichEditEx::Cp932Text() const {
  if (pending_) return *pending_;
  std::string text = ToCp932(toPlainText());
  if (crlf_) text = sjis::ReplaceAll(text, "\n", "\r\n");
  return text;
}

bool TRichEditEx::HasText() const {
  return pending_ ? !pending_->empty() : !document()->isEmpty();
}

void TRichEditEx::SetHtmlColouring(bool on) {
  if (on == (colouring_ != nullptr)) return;
  if (on) {
    colouring_ = std::make_unique<HtmlPaneColouring>(this);
    if (!pending_) {
      colouring_->Reset(Cp932Text());
      ColourView();
    }
  } else {
    colouring_->Clear();
    colouring_.reset();
  }
}

int TRichEditEx::LineCount() const {
  return pending_ ? PaneLineCount(*pending_) : document()->blockCount();
}

int TRichEditEx::CaretLine() const {
  return textCursor().blockNumber();
}

int TRichEditEx::TextPositionOfByte(std::size_t offset, const std::string& cp932) const {
  const LineIndex lines(cp932);
  const std::size_t line = lines.LineOf(offset);
  const QTextBlock block = document()->findBlockByNumber(static_cast<int>(line));
  if (!block.isValid()) return document()->characterCount() - 1;
  const std::size_t start = lines.LineStart(line);
  return block.position() + QtLengthOfCp932(std::string_view(cp932).substr(start), offset - start);
}

void TRichEditEx::SetCaretToByte(std::size_t offset) {
  LoadPendingText();
  QTextCursor cursor = textCursor();
  cursor.setPosition(TextPositionOfByte(offset, Cp932Text()));
  setTextCursor(cursor);
}

void TRichEditEx::ScrollLineToTop(int line) {
  LoadPendingText();
  verticalScrollBar()->setValue(qBound(0, line, verticalScrollBar()->maximum()));
}

void TRichEditEx::ShowSearchHits(const std::vector<PaneHighlight>& hits, const std::string& cp932) {
  LoadPendingText();
  QList<QTextEdit::ExtraSelection> selections;
  selections.reserve(static_cast<qsizetype>(hits.size()));
  const LineIndex lines(cp932);
  for (const PaneHighlight& hit : hits) {
    const std::size_t line = lines.LineOf(hit.offset);
    const QTextBlock block = document()->findBlockByNumber(static_cast<int>(line));
    if (!block.isValid()) continue;
    const std::string_view lineText = std::string_view(cp932).substr(
        lines.LineStart(line), lines.LineEnd(line) - lines.LineStart(line));
    const std::size_t column = hit.offset - lines.LineStart(line);
    const int from = block.position() + QtLengthOfCp932(lineText, column);
    const int length = QtLengthOfCp932(lineText.substr(column), hit.length);
    QTextEdit::ExtraSelection selection;
    selection.cursor = QTextCursor(document());
    selection.cursor.setPosition(from);
    selection.cursor.setPosition(from + length, QTextCursor::KeepAnchor);
    if (hit.style.bold) selection.format.setFontWeight(QFont::Bold);
    if (hit.style.textColor) {
      selection.format.setForeground(QColor::fromRgb(static_cast<QRgb>(*hit.style.textColor)));
    }
    if (hit.style.backColor) {
      selection.format.setBackground(QColor::fromRgb(static_cast<QRgb>(*hit.style.backColor)));
    }
    selections.append(selection);
  }
  setExtraSelections(selections);
}

void TRichEditEx::TextBlackColor() {
  QList<QTextEdit::ExtraSelection> kept;
  for (const auto& selection : extraSelections()) {
    if (!selection.format.hasProperty(QTextFormat::ForegroundBrush)) kept.append(selection);
  }
  setExtraSelections(kept);
  QTextCursor cursor = textCursor();
  cursor.setPosition(0);
  setTextCursor(cursor);
}

void TRichEditEx::DoSetREMargin() {
  UpdateGutterWidth();
}

void TRichEditEx::focusInEvent(QFocusEvent* event) {
  QPlainTextEdit::focusInEvent(event);
  emit activated();
}

void TRichEditEx::mousePressEvent(QMouseEvent* event) {
  QPlainTextEdit::mousePressEvent(event);
  emit activated();
}

}  // namespace korva::app
