#include "app/editor/html_pane_colouring.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextLayout>
#include <vector>

#include "app/qt_text.h"
#include "tools/html_colouring.h"

namespace korva::app {

namespace {

// A line's user state holds the tokenizer range it starts in, and whether it
// has been coloured; -1 (a new line) means neither is known.
constexpr int kColouredBit = 0x10;
constexpr int kRangeMask = 0x0F;

HtmlRange StartRange(const QTextBlock& block) {
  const int state = block.userState();
  return state < 0 ? HtmlRange::Text : static_cast<HtmlRange>(state & kRangeMask);
}

HtmlRange EndRange(const QTextBlock& block) {
  HtmlRange range = StartRange(block);
  ColourHtmlLine(ToCp932(block.text()), range);
  return range;
}

QTextCharFormat FormatOf(const ColourSpan& span) {
  QTextCharFormat format;
  format.setForeground(QColor::fromRgb(static_cast<QRgb>(span.colour)));
  if (span.bold) format.setFontWeight(QFont::Bold);
  return format;
}

}  // namespace

HtmlPaneColouring::HtmlPaneColouring(QPlainTextEdit* pane) : QObject(pane), pane_(pane) {}

HtmlPaneColouring::~HtmlPaneColouring() {
  QObject::disconnect(changeConnection_);
}

void HtmlPaneColouring::Reset(std::string_view cp932) {
  QObject::disconnect(changeConnection_);
  const std::vector<HtmlRange> ranges = HtmlLineStartRanges(cp932);
  std::size_t line = 0;
  for (QTextBlock block = pane_->document()->begin(); block.isValid(); block = block.next()) {
    block.setUserState(line < ranges.size() ? static_cast<int>(ranges[line++]) : 0);
  }
  changeConnection_ = connect(pane_->document(), &QTextDocument::contentsChange, this,
                              &HtmlPaneColouring::OnContentsChange);
}

void HtmlPaneColouring::ColourBlocks(QTextBlock first, int count) {
  for (QTextBlock block = first; block.isValid() && count > 0; block = block.next(), --count) {
    if (block.userState() < 0 || !(block.userState() & kColouredBit)) ColourBlock(block);
  }
}

void HtmlPaneColouring::ColourBlock(QTextBlock block) {
  if (block.userState() < 0) block.setUserState(0);
  HtmlRange range = StartRange(block);
  const QString text = block.text();
  const std::string line = ToCp932(text);
  QList<QTextLayout::FormatRange> formats;
  std::size_t doneBytes = 0;
  int doneChars = 0;
  for (const ColourSpan& span : ColourHtmlLine(line, range)) {
    doneChars += QtLengthOfCp932(std::string_view(line).substr(doneBytes), span.offset - doneBytes);
    const int length = QtLengthOfCp932(std::string_view(line).substr(span.offset), span.length);
    formats.append({doneChars, length, FormatOf(span)});
    doneBytes = span.offset + span.length;
    doneChars += length;
  }
  block.setUserState(block.userState() | kColouredBit);
  colouringNow_ = true;
  block.layout()->setFormats(formats);
  pane_->document()->markContentsDirty(block.position(), block.length());
  colouringNow_ = false;
}

void HtmlPaneColouring::Clear() {
  QObject::disconnect(changeConnection_);
  QTextDocument* doc = pane_->document();
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    if (block.userState() >= 0 && (block.userState() & kColouredBit)) {
      block.layout()->clearFormats();
      doc->markContentsDirty(block.position(), block.length());
    }
    block.setUserState(-1);
  }
}

void HtmlPaneColouring::OnContentsChange(int position, int /*removed*/, int added) {
  if (colouringNow_) return;
  QTextDocument* doc = pane_->document();
  QTextBlock block = doc->findBlock(position);
  const int lastEdited = doc->findBlock(position + added).blockNumber();
  if (block.userState() < 0) block.setUserState(static_cast<int>(HtmlRange::Text));
  // The edited lines are coloured again; the lines after them only as far as
  // the edit changed the range they start in.
  while (block.isValid()) {
    block.setUserState(block.userState() & kRangeMask);
    QTextBlock next = block.next();
    if (!next.isValid()) break;
    const HtmlRange end = EndRange(block);
    if (block.blockNumber() >= lastEdited && next.userState() >= 0 && StartRange(next) == end) {
      break;
    }
    next.setUserState(static_cast<int>(end));
    block = next;
  }
}

}  // namespace korva::app
