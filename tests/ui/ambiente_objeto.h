// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QString>
#include <QTest>
#include <QTimer>
#include <initializer_list>
#include <memory>

#include "ambiente_janela.h"
#include "procura.h"

// The environment of an object window's test: the window under test, made
// and shown by AbreJanela(n), its controls found by objectName, and the
// cycles run one by one at 100 ms steps. Encerra() closes the window before
// the environment goes.
template <class Janela>
class AmbienteObjeto : public AmbienteJanela {
 protected:
  void AbreJanela(int n) {
    janela_ = std::make_unique<Janela>(*sessao_, n);
    janela_->Mostra();
    QVERIFY(QTest::qWaitForWindowExposed(janela_.get()));
  }
  void Encerra() {
    janela_.reset();
    EncerraAmbiente();
  }
  void Ciclo() { sessao_->ExecutaCiclo(instante_ += 100.0); }
  template <typename T>
  T* Filho(const QString& nome) const {
    return Procura<T>(*janela_, nome);
  }
  template <typename T>
  T* Filho(const char* nome) const {
    return Filho<T>(QLatin1String(nome));
  }
  void Clica(const char* nome) {
    auto* b = Filho<QAbstractButton>(nome);
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
  }

  // A trend's archive stopped: its box off, the rate text hidden and not
  // blinking, the controls it locked free again.
  void VerificaArquivoParado(std::initializer_list<const char*> travados) {
    QVERIFY(!Filho<QCheckBox>("CheckBox1")->isChecked());
    QVERIFY(!Filho<QTimer>("Timer1")->isActive());
    QVERIFY(!Filho<QLabel>("Label21")->isVisible());
    for (const char* nome : travados) QVERIFY2(Filho<QWidget>(nome)->isEnabled(), nome);
  }

  std::unique_ptr<Janela> janela_;
  double instante_ = 0.0;
};
