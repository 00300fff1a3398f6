// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/objetos/janela_texto_animado.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <memory>

#include "core/arquivo/copia_documento.h"
#include "core/arquivo/documento.h"
#include "core/nucleo/erro.h"
#include "core/objetos/texto_animado.h"
#include "ui/comum/lista_renovada.h"
#include "ui/comum/texto_qt.h"
#include "ui/sessao/comando_texto.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

// Each opening of a text's window starts a visit; its edits merge into one.
int NovaVisita() {
  static int visitas = 0;
  return ++visitas;
}

void DefineTexto(QLineEdit* edit, const QString& texto) {
  if (edit->text() != texto) edit->setText(texto);
}

}  // namespace

JanelaTextoAnimado::JanelaTextoAnimado(SessaoSimulacao& sessao, int n, QWidget* pai)
    : QWidget(pai, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      sessao_(sessao),
      n_(n),
      visita_(NovaVisita()) {
  setObjectName(QStringLiteral("Form2_%1").arg(n));
  setWindowTitle(tr("TEXTO"));
  auto* vertical = new QVBoxLayout(this);

  auto* topo = new QHBoxLayout;
  auto* tipo = new QGroupBox(tr("Tipo:"), this);
  tipo->setObjectName(QStringLiteral("Tipo"));
  auto* itensTipo = new QVBoxLayout(tipo);
  tipos_ = new QButtonGroup(tipo);
  const char* const nomes[] = {QT_TR_NOOP("Escalar"), QT_TR_NOOP("Binário"), QT_TR_NOOP("Equação")};
  for (int t = 0; t < 3; ++t) {
    auto* radio = new QRadioButton(tr(nomes[t]), tipo);
    tipos_->addButton(radio, t);
    itensTipo->addWidget(radio);
  }
  connect(tipos_, &QButtonGroup::idClicked, this, [this](int t) {
    if (preenchendo_ || !modelo()) return;
    rascunho_.Tipo = t;
    Edita();
  });
  topo->addWidget(tipo);

  auto* origem = new QGridLayout;
  legendaOrigem_ = new QLabel(this);
  legendaOrigem_->setObjectName(QStringLiteral("Label3"));
  origem->addWidget(legendaOrigem_, 0, 0);
  variavel_ = new ListaRenovada([this] { PreencheVariaveis(); }, this);
  variavel_->setObjectName(QStringLiteral("ComboBox1"));
  variavel_->setToolTip(tr("Variável para exibição"));
  connect(variavel_, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (preenchendo_ || !modelo()) return;
    rascunho_.ItemVariavel = item;
    Edita([](TextoAnimado& t) { t.PreencheEscala(); });
  });
  origem->addWidget(variavel_, 0, 1);
  funcaoTr_ = new QLineEdit(this);
  funcaoTr_->setObjectName(QStringLiteral("FuncaoTr"));
  funcaoTr_->setToolTip(tr(
      "Se tipo BINARIO, inserir respectivos textos para valores 0 e 1 separados pelo caracter /"));
  origem->addWidget(funcaoTr_, 1, 0, 1, 2);
  auto* rotuloDescricao = new QLabel(tr("Descrição:"), this);
  rotuloDescricao->setObjectName(QStringLiteral("Label2"));
  origem->addWidget(rotuloDescricao, 2, 0);
  descricao_ = new QLineEdit(this);
  descricao_->setObjectName(QStringLiteral("DescricaoText"));
  origem->addWidget(descricao_, 2, 1);
  origem->setColumnStretch(1, 1);
  topo->addLayout(origem, 1);
  vertical->addLayout(topo);

  grupoEscala_ = new QGroupBox(this);
  grupoEscala_->setObjectName(QStringLiteral("Panel2"));
  auto* escala = new QGridLayout(grupoEscala_);
  auto rotulo = [this](const QString& texto, const char* nome) {
    auto* l = new QLabel(texto, this);
    l->setObjectName(QLatin1String(nome));
    return l;
  };
  auto edit = [this](const char* nome) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QLatin1String(nome));
    return e;
  };
  unidade_ = edit("Unidade");
  casasDecimais_ = new QSpinBox(this);
  casasDecimais_->setObjectName(QStringLiteral("CasasDecimais"));
  casasDecimais_->setRange(0, 5);
  casasDecimais_->findChild<QLineEdit*>()->setReadOnly(true);  // arrows only
  faixaMax_ = edit("Edit1");
  faixaMin_ = edit("Edit4");
  alarmeAlto_ = edit("Edit2");
  alarmeBaixo_ = edit("Edit3");
  escala->addWidget(rotulo(tr("Unid. Eng.:"), "Label6"), 0, 0);
  escala->addWidget(unidade_, 0, 1);
  escala->addWidget(rotulo(tr("Casas Decimais:"), "Label5"), 0, 2);
  escala->addWidget(casasDecimais_, 0, 3);
  escala->addWidget(rotulo(tr("Faixa min:"), "Label8"), 1, 0);
  escala->addWidget(faixaMin_, 1, 1);
  escala->addWidget(rotulo(tr("Faixa máx:"), "Label7"), 1, 2);
  escala->addWidget(faixaMax_, 1, 3);
  linhaAlarme_ = new QWidget(this);
  auto* alarmes = new QHBoxLayout(linhaAlarme_);
  alarmes->setContentsMargins(0, 0, 0, 0);
  alarmes->addWidget(rotulo(tr("Alarme Baixo:"), "Label10"));
  alarmes->addWidget(alarmeBaixo_);
  alarmes->addWidget(rotulo(tr("Alarme Alto:"), "Label9"));
  alarmes->addWidget(alarmeAlto_);
  escala->addWidget(linhaAlarme_, 2, 0, 1, 4);
  vertical->addWidget(grupoEscala_);

  // Each edit changes the window's form; the range edits carry the alarms
  // along.
  auto liga = [this](QLineEdit* e, auto escreve, std::function<void(TextoAnimado&)> segue = {}) {
    connect(e, &QLineEdit::textEdited, this, [this, escreve, segue](const QString& texto) {
      if (preenchendo_ || !modelo()) return;
      escreve(rascunho_, texto.toStdString());
      Edita(segue);
    });
  };
  const auto ingles = [this] { return sessao_.IdiomaIngles(); };
  liga(funcaoTr_,
       [ingles](FormularioTexto& t, const std::string& s) { t.FuncaoTr.Edita(ingles(), s); });
  liga(descricao_,
       [ingles](FormularioTexto& t, const std::string& s) { t.Descricao.Edita(ingles(), s); });
  liga(unidade_, [](FormularioTexto& t, const std::string& s) { t.Unidade = s; });
  liga(alarmeAlto_, [](FormularioTexto& t, const std::string& s) { t.TextoAlarmeAlto = s; });
  liga(alarmeBaixo_, [](FormularioTexto& t, const std::string& s) { t.TextoAlarmeBaixo = s; });
  liga(
      faixaMax_, [](FormularioTexto& t, const std::string& s) { t.TextoFaixaMax = s; },
      [](TextoAnimado& t) { t.AlarmeAltoSegueFaixa(); });
  liga(
      faixaMin_, [](FormularioTexto& t, const std::string& s) { t.TextoFaixaMin = s; },
      [](TextoAnimado& t) { t.AlarmeBaixoSegueFaixa(); });
  connect(casasDecimais_, &QSpinBox::valueChanged, this, [this](int casas) {
    if (preenchendo_ || !modelo()) return;
    rascunho_.CasasDecimais = casas;
    Edita();
  });

  auto* resultado = new QHBoxLayout;
  titulo_ = new QLabel(this);
  titulo_->setObjectName(QStringLiteral("Label4"));
  resultado->addWidget(titulo_);
  textoExibido_ = new QLabel(this);
  textoExibido_->setObjectName(QStringLiteral("Label1"));
  QFont negrito = textoExibido_->font();
  negrito.setBold(true);
  textoExibido_->setFont(negrito);
  resultado->addWidget(textoExibido_, 1);
  auto* sair = new QPushButton(tr("Sair"), this);
  sair->setObjectName(QStringLiteral("SairButton"));
  connect(sair, &QPushButton::clicked, this, &JanelaTextoAnimado::Sai);
  resultado->addWidget(sair);
  vertical->addLayout(resultado);

  connect(&sessao_, &SessaoSimulacao::DisplaysAtualizados, this,
          &JanelaTextoAnimado::AtualizaResultado);
  // An edit of this text, or its undo: the window shows the text's form.
  connect(&sessao_, &SessaoSimulacao::ObjetoAlterado, this, [this](TipoObjeto tipo, int n) {
    if (tipo == TipoObjeto::Texto && n == n_) Preenche();
  });
  Preenche();
}

TextoAnimado* JanelaTextoAnimado::modelo() const { return sessao_.documento().TextoDe(n_); }

void JanelaTextoAnimado::PreencheVariaveis() {
  const bool antes = preenchendo_;
  preenchendo_ = true;
  const int item = rascunho_.ItemVariavel;
  variavel_->clear();
  for (const std::string& s : TextoAnimado::ListaVariaveis(sessao_.simulacao().memoria))
    variavel_->addItem(QString::fromStdString(s));
  variavel_->setCurrentIndex(item);
  preenchendo_ = antes;
}

void JanelaTextoAnimado::Preenche() {
  const TextoAnimado* t = modelo();
  if (!t) return;
  rascunho_ = *t;
  MostraRascunho();
}

void JanelaTextoAnimado::MostraRascunho() {
  const FormularioTexto& t = rascunho_;
  const bool ingles = sessao_.IdiomaIngles();
  preenchendo_ = true;
  if (QAbstractButton* b = tipos_->button(t.Tipo)) b->setChecked(true);
  if (variavel_->count() == 0) PreencheVariaveis();
  variavel_->setCurrentIndex(t.ItemVariavel);
  DefineTexto(funcaoTr_, Texto(t.FuncaoTr.Em(ingles)));
  DefineTexto(descricao_, Texto(t.Descricao.Em(ingles)));
  DefineTexto(unidade_, QString::fromStdString(t.Unidade));
  casasDecimais_->setValue(t.CasasDecimais);
  DefineTexto(faixaMax_, QString::fromStdString(t.TextoFaixaMax));
  DefineTexto(faixaMin_, QString::fromStdString(t.TextoFaixaMin));
  DefineTexto(alarmeAlto_, QString::fromStdString(t.TextoAlarmeAlto));
  DefineTexto(alarmeBaixo_, QString::fromStdString(t.TextoAlarmeBaixo));
  preenchendo_ = false;
  LayoutTipo();
  AtualizaResultado();
}

QStringList JanelaTextoAnimado::Edita(const std::function<void(TextoAnimado&)>& edita) {
  QStringList falhas;
  if (const TextoAnimado* vivo = modelo()) {
    const std::unique_ptr<Documento> copia = CopiaDocumento(sessao_.documento());
    TextoAnimado& ensaio = *copia->TextoDe(n_);
    static_cast<FormularioTexto&>(ensaio) = rascunho_;
    try {
      if (edita) {
        edita(ensaio);
        rascunho_ = ensaio;
      }
      for (const TextoAnimado::Checagem c : ensaio.AplicaChecando()) falhas << TextoFalha(c);
    } catch (const Erro& e) {  // an overflow in the variable's limits
      falhas << NomeTexto() + QStringLiteral(": ") + QString::fromUtf8(e.what());
    }
    if (falhas.isEmpty() &&
        !ComandoTexto::Estado::De(ensaio).Mesmo(ComandoTexto::Estado::De(*vivo)))
      sessao_.Executa(new ComandoTexto(sessao_, n_, visita_, rascunho_));
  }
  MostraRascunho();
  return falhas;
}

QString JanelaTextoAnimado::TextoFalha(TextoAnimado::Checagem checagem) const {
  using C = TextoAnimado::Checagem;
  QString campo;
  switch (checagem) {
    case C::FaixaMax:
      campo = tr("Faixa máx inválida");
      break;
    case C::FaixaMin:
      campo = tr("Faixa min inválida");
      break;
    case C::FaixaInvertida:
      campo = tr("Faixa máx menor que a Faixa min");
      break;
    case C::FaixaVariavel:
      campo = tr("Faixa da variável inválida");
      break;
    case C::Variavel:
      campo = tr("Variável não selecionada");
      break;
    case C::Equacao:
      campo = tr("Equação inválida");
      break;
  }
  return NomeTexto() + QStringLiteral(": ") + campo;
}

QString JanelaTextoAnimado::NomeTexto() const {
  QString nome = tr("Texto Animado %1").arg(n_);
  const std::string_view descricao = rascunho_.Descricao.Em(sessao_.IdiomaIngles());
  if (!descricao.empty()) nome += QStringLiteral(" (%1)").arg(Texto(descricao));
  return nome;
}

void JanelaTextoAnimado::LayoutTipo() {
  const TextoAnimado::Layout layout = TextoAnimado::LayoutTipo(rascunho_.Tipo);
  // The legends the model gives, as the translation knows them. The English
  // interface names the field "Equation" whatever the type.
  struct Legenda {
    const char* texto;
    const char* componente;
  };
  static constexpr Legenda kLegendas[] = {
      QT_TRANSLATE_NOOP3("quiv::JanelaTextoAnimado", "Variável", "Label3"),
      QT_TRANSLATE_NOOP3("quiv::JanelaTextoAnimado", "<Texto>", "Label3"),
      QT_TRANSLATE_NOOP3("quiv::JanelaTextoAnimado", "Equação", "Label3")};
  QString legenda = QString::fromUtf8(layout.LegendaOrigem.data(),
                                      static_cast<qsizetype>(layout.LegendaOrigem.size()));
  for (const Legenda& l : kLegendas)
    if (layout.LegendaOrigem == l.texto) legenda = tr(l.texto, l.componente);
  legendaOrigem_->setText(legenda);
  variavel_->setVisible(layout.VariavelVisivel);
  grupoEscala_->setVisible(layout.EscalaVisivel);
  linhaAlarme_->setVisible(layout.LinhaAlarmeVisivel);
  for (QLineEdit* e : {unidade_, faixaMax_, faixaMin_, alarmeAlto_, alarmeBaixo_})
    e->setReadOnly(layout.SomenteLeitura);
  funcaoTr_->setVisible(layout.FuncaoTrVisivel);
  adjustSize();
}

void JanelaTextoAnimado::AtualizaResultado() {
  const TextoAnimado* t = modelo();
  if (!t) return;
  const QString texto = QString::fromStdString(t->TextoExibido);
  if (textoExibido_->text() != texto) textoExibido_->setText(texto);
  const QColor cor =
      t->CorTextoExibido == TextoAnimado::Cor::Vermelho ? QColor(Qt::red) : QColor(Qt::blue);
  QPalette paleta = textoExibido_->palette();
  if (paleta.color(QPalette::WindowText) != cor) {
    paleta.setColor(QPalette::WindowText, cor);
    textoExibido_->setPalette(paleta);
  }
  const QString titulo = QString::fromStdString(t->Titulo);
  if (titulo_->text() != titulo) titulo_->setText(titulo);
}

void JanelaTextoAnimado::Sai() {
  if (const TextoAnimado* t = modelo()) {
    // Sair applies too: a variable's scale may have changed since. A form the
    // user left as the text holds it hides without a word, even when it
    // never passed (a new text with no variable yet).
    const bool alterado = !(rascunho_ == static_cast<const FormularioTexto&>(*t));
    const QStringList falhas = Edita();
    if (alterado && !falhas.isEmpty()) {
      std::vector<std::string> linhas;
      for (const QString& f : falhas) linhas.push_back(f.toStdString());
      sessao_.InformaFalhas(linhas);
      return;
    }
  }
  hide();
}

void JanelaTextoAnimado::Mostra() {
  if (!isVisible()) visita_ = NovaVisita();
  Preenche();
  show();
  raise();
  activateWindow();
}

}  // namespace quiv
