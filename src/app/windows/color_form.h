// TColorForm, "カラーパレット": the named HTML colours with swatches, a hue
// field, a grey ramp and the web-safe colours to pick from, R/G/B boxes, and
// the colour as a name, an HTML number and a colour value, each copied with
// its own button. The palette's rules are the core's ColorPalette; a pick
// reads the pixel of what the window drew.
#pragma once

#include <QImage>
#include <QWidget>

#include "session/ui.h"
#include "tools/color_palette.h"

class QFrame;
class QLineEdit;
class QListWidget;

namespace korva::app {

// A drawn picture to pick colours from (PaintBox1, PaintBox2, Image2).
class ColorSurface : public QWidget {
  Q_OBJECT

 public:
  ColorSurface(const char* name, QImage picture, QWidget* parent);
  const QImage& Picture() const { return picture_; }

 signals:
  void picked(RgbColor colour);
  void hovered(RgbColor colour);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  std::optional<RgbColor> PixelAt(const QPoint& point) const;
  QImage picture_;
};

class TColorForm : public QWidget {
  Q_OBJECT

 public:
  TColorForm(QWidget* owner, Ui& ui);

  const ColorPalette& State() const { return palette_; }

  void ListBoxColorNameClick();
  void btnSearchNameClick();
  void sbSetRGBClick();
  void sCOPYtRGBClick();
  void sbColorValueCOOPYClick();
  void sbCOPYEditColorNameClick();
  void sbCOPYEditHTMLColorNumberClick();

 private:
  QWidget* BuildBoxes();
  void Pick(RgbColor colour, bool showValue);
  void ReadBoxes();
  void ShowPalette();

  Ui& ui_;
  ColorPalette palette_;
  QListWidget* names_;
  QFrame* swatch_;   // Panelcolo
  QFrame* preview_;  // Panel5
  QLineEdit* nameEdit_ = nullptr;
  QLineEdit* htmlEdit_ = nullptr;
  QLineEdit* valueEdit_ = nullptr;
  QLineEdit* rgbEdits_[3] = {};
};

}  // namespace korva::app
