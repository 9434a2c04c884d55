#pragma once
// The frame of the editor's tools that make a drawing from something else (a character, a
// picture): their own settings, a threshold, and a live preview of the drawing the tool
// would leave, ring included. "適用" hands the drawing to the editor; nothing is sent.
#include <QDialog>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <string>

#include "glyphs/glyph_class.h"

namespace vtg {

class GlyphToolDialog : public QDialog {
  Q_OBJECT
 public:
  // What the tool makes of the drawing it started from.
  virtual std::string Result() const = 0;
  // False while the tool's settings make nothing ("適用" is disabled).
  virtual bool Ready() const { return true; }

 protected:
  GlyphToolDialog(GlyphClass c, std::string base, const QString& caption, QWidget* parent);

  GlyphClass glyph_class() const { return class_; }
  const std::string& base() const { return base_; }
  int threshold() const { return threshold_->value(); }
  // One of the tool's own settings, above the threshold.
  void AddRow(const QString& label, QWidget* field);
  // Shows the result again; the tool calls it when one of its settings changed.
  void Refresh();

 private:
  GlyphClass class_;
  std::string base_;
  QFormLayout* form_;
  QSpinBox* threshold_;
  QWidget* preview_;
  QPushButton* apply_;
  std::string shown_;
};

}  // namespace vtg
