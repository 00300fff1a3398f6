// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <functional>

namespace quiv {

// A drop-down list whose items are rebuilt just before it opens, so that it
// shows the addresses' descriptions as they are now; the open list may be
// wider than the box.
class ListaRenovada : public QComboBox {
 public:
  ListaRenovada(std::function<void()> renova, QWidget* pai)
      : QComboBox(pai), renova_(std::move(renova)) {}

  void showPopup() override {
    renova_();
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 24);
    QComboBox::showPopup();
  }

 private:
  std::function<void()> renova_;
};

}  // namespace quiv
