#pragma once

#include <QMargins>
#include <QString>

class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QWidget;

// One row of a form: its caption and the controls beside it.
class TFormRow {
 public:
  TFormRow(QLabel* caption, QHBoxLayout* line) : caption_(caption), line_(line) {}

  // Another control on the same row, with its own caption before it when one is given.
  TFormRow& Then(const QString& caption, QWidget* control);
  TFormRow& Then(QWidget* control);
  // Gives the row's last control a fixed width instead of letting it stretch; what is left of
  // the row stays empty.
  TFormRow& Width(int pixels);
  // The caption at the start of the row; null for a row without one.
  QLabel* Caption() const { return caption_; }

 private:
  // Keeps an empty stretch at the end of the row while none of its controls can grow.
  void Settle();

  QLabel* caption_;
  QHBoxLayout* line_;
};

// The one way a form lays out its entries: rows of a caption, right-aligned in the caption
// column, and controls that stretch across the control column; notes and check boxes stand in
// the control column without a caption; sections are group boxes with rows of their own.
// A caption with a "&" mnemonic leads to its row's first control.
class TFormLayout {
 public:
  static constexpr int kRowSpacing = 8;
  static constexpr int kCaptionSpacing = 8;
  static constexpr QMargins kFormMargins{24, 16, 24, 12};
  static constexpr QMargins kSectionMargins{12, 10, 12, 10};

  // Lays out the rows in the panel, which must not have a layout yet.
  explicit TFormLayout(QWidget* panel, const QMargins& margins = kFormMargins);

  TFormRow Row(const QString& caption, QWidget* control);
  // A control in the control column without a caption.
  TFormRow Row(QWidget* control);
  // A control across the caption and control columns.
  void Wide(QWidget* control);
  // A group box across both columns; its rows go into the returned layout.
  TFormLayout Section(const QString& title, const char* name);
  void Space(int pixels);
  // Takes up the room left below the rows, so that they stay at the top.
  void Stretch();

  QGridLayout* Grid() const { return grid_; }
  QGroupBox* Box() const { return box_; }

 private:
  TFormLayout(QGroupBox* box, QWidget* panel, const QMargins& margins);
  TFormRow AddRow(QLabel* caption, QWidget* control);

  QWidget* panel_;
  QGroupBox* box_ = nullptr;
  QGridLayout* grid_;
  int rows_ = 0;
};
