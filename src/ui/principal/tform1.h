#pragma once

#include <QMainWindow>

class QAction;
class QMenu;

namespace quiv {

class SessaoSimulacao;

// The main window: the synoptic screen of the simulated plant and its menu. It
// views the session; the session owns the plant and the scan timer.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(SessaoSimulacao& sessao, QWidget* pai = nullptr);

 private:
  void PausarSimulao2Click();

  SessaoSimulacao& sessao_;
  QMenu* Opes1_ = nullptr;
  QAction* PausarSimulao2_ = nullptr;
};

}  // namespace quiv
