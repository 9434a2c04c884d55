#pragma once
// Controls the title dialogs share: their lists, the channel and page lists, and the
// sunken page cells.
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QStringList>
#include <array>
#include <cstddef>
#include <string>

#include "ui/cp932_text.h"
#include "ui/control_id.h"

namespace vtg {

inline constexpr int kLineListId = 40187;
inline constexpr int kPageListId = 1017;

// A drop-down list named after its id, on entry `current` (none when out of range).
QComboBox* ChoiceList(int id, const QStringList& entries, int current, QWidget* parent);

// Calls `chosen(index)` when the operator picks an entry, the one shown included; a list the
// dialog sets itself reports nothing.
template <class F>
void OnChoice(QComboBox* list, QObject* receiver, F chosen) {
  QObject::connect(list, &QComboBox::activated, receiver, chosen);
}

// Called once the dialog's layout is complete: lists keep the width of their longest entry
// and the dialog never gets smaller than its controls need, whatever room the screen has.
void KeepControlsWhole(QWidget* dialog);

// "ch1. Top", "ch.1 Bottom", "ch.2 Top", "ch.2 Bottom".
QStringList LineListEntries();
// `count` numbers from `first`, written with `digits` digits ("01".."64", "1".."64").
QStringList NumberEntries(int first, int count, int digits);

// A sunken cell wide enough for `widest` and high enough for a full-width character.
QLabel* PageCell(int id, const QString& widest, QWidget* parent);

// Sunken cells with consecutive ids, in columns of eight, top to bottom.
template <std::size_t N>
std::array<QLabel*, N> PageCells(int first_id, const QString& widest, QGridLayout* grid, QWidget* parent) {
  std::array<QLabel*, N> cells{};
  for (std::size_t i = 0; i < N; ++i) {
    cells[i] = PageCell(first_id + static_cast<int>(i), widest, parent);
    grid->addWidget(cells[i], static_cast<int>(i % 8), static_cast<int>(i / 8));
  }
  return cells;
}

// Shows cell texts, which are code page 932 bytes like the titles.
template <std::size_t N>
void ShowCells(const std::array<QLabel*, N>& cells, const std::array<std::string, N>& texts) {
  for (std::size_t i = 0; i < N; ++i) cells[i]->setText(Cp932BytesToText(texts[i]));
}

}  // namespace vtg
