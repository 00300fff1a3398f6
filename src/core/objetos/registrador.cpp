#include "core/objetos/registrador.h"

#include <cmath>

#include "core/objetos/controlador.h"
#include "core/nucleo/memoria.h"
#include "core/nucleo/numero_texto.h"

namespace quiv {

Registrador::Registrador(Simulacao& simulacao, int n)
    : sufixoUnidade_(" " + Unidade), simulacao_(simulacao), n_(n) {}

double Registrador::Celula(int item) const {
  return ItemValido(item) ? simulacao_.memoria.celula[static_cast<std::size_t>(item + 1)] : 0.0;
}

void Registrador::EscreveRotulo(std::string& label, Rotulo& cache, const std::string& texto,
                                double valor, std::string_view sufixo) {
  if (cache.valido && valor == cache.valor && texto == cache.texto && sufixo == cache.sufixo)
    return;
  cache.valido = true;
  cache.valor = valor;
  cache.texto = texto;
  cache.sufixo = sufixo;
  char numero[352];
  std::size_t n = EscreveFixo(valor, 2, numero);
  label.assign(texto);
  label.append(": ");
  if (n < 4) label.append(4 - n, ' ');
  label.append(numero, n);
  label.append(sufixo);
}

void Registrador::Amostra() {
  ++ContaBase;
  if (Pausado) return;
  const BaseTempo& base = DadosBaseTempo(BaseTempoBox);
  if (ContaBase < base.Ciclos) return;
  ContaBase = 0;

  const bool ativa1 = ItemValido(Variavel1Select);
  const bool ativa2 = Pen2Ativa();
  const bool ativa3 = Pen3Ativa();
  const double r1 = Celula(Variavel1Select);
  const double r2 = Celula(Variavel2Select);
  const double r3 = Celula(Variavel3Select);
  const double span = EscalaSup - EscalaInf;
  const double p1 = ativa1 ? (r1 - EscalaInf) * 100.0 / span : 0.0;
  const double p2 = ativa2 ? (r2 - EscalaInf) * 100.0 / span : 0.0;
  const double p3 = r3;

  if (!simulacao_.ModoRapido) {
    if (ativa1) {
      EscreveRotulo(VermelhoLabel, rotulo1_, Edit1, Engenharia(r1), sufixoUnidade_);
    } else {
      VermelhoLabel.clear();
      rotulo1_.valido = false;
    }
    if (ativa2) {
      EscreveRotulo(AzulLabel, rotulo2_, Edit2, Engenharia(r2), sufixoUnidade_);
    } else {
      AzulLabel.clear();
      rotulo2_.valido = false;
    }
    if (ativa3) {
      EscreveRotulo(VerdeLabel, rotulo3_, Edit3, r3, "%");
    } else {
      VerdeLabel.clear();
      rotulo3_.valido = false;
    }
  }

  if (++FaseGrade >= kDivisao) FaseGrade = 0;
  if (++Posicao > kPontos) Posicao = 1;
  const auto k = static_cast<std::size_t>(Posicao);
  Valores1[k] = r1;
  Valores2[k] = r2;
  const double l1 = Limita0a100(p1);
  const double l2 = Limita0a100(p2);
  const double l3 = Limita0a100(p3);
  Pixels1[k] = PixelTendencia(l1);
  if (ativa2) Pixels2[k] = PixelTendencia(l2);
  if (ativa3) Pixels3[k] = PixelTendencia(l3);

  if (Arquivo.Aberto()) {
    const double a = !ativa1 ? 0.0 : UsarUE ? Engenharia(r1) : r1;
    const double b = !ativa2 ? 0.0 : UsarUE ? Engenharia(r2) : r2;
    Arquivo.EscreveLinha(a, b, ativa3 ? l3 : 0.0, UsarVirgula);
  }
}

void Registrador::RecalculaPixels(double inf, double sup) {
  const double span = sup - inf;
  for (std::size_t k = 1; k <= kPontos; ++k) {
    Pixels1[k] = PixelTendencia((Valores1[k] - inf) * 100.0 / span);
    Pixels2[k] = PixelTendencia((Valores2[k] - inf) * 100.0 / span);
  }
}

void Registrador::AplicaConfiguracao() {
  // Variable 1's range; an unusable one falls back to 0 … 100 %.
  const int endereco = ItemValido(Variavel1Select) ? Variavel1Select + 1 : 1;
  FaixaInf = 0.0;
  FaixaSup = 100.0;
  Unidade = "%";
  if (endereco <= Memoria::kEnderecos) {
    const Descritor& d = simulacao_.memoria.descritor[static_cast<std::size_t>(endereco)];
    const auto inf = LeNumero(d.UEMin);
    const auto sup = LeNumero(d.UEMax);
    if (inf && sup && *inf != *sup && std::isfinite(*sup - *inf)) {
      FaixaInf = *inf;
      FaixaSup = *sup;
      Unidade = d.UnidadeEng;
    }
  }
  sufixoUnidade_ = " " + Unidade;

  if (EscalaAuto) {
    double maximo = -1000000.0;
    double minimo = 1000000.0;
    for (std::size_t k = 1; k <= kPontos; ++k) {
      const double v = Valores1[k];
      if (v > maximo) maximo = v;
      if (!(v >= minimo)) minimo = v;
    }
    double sup = maximo * 1.1;
    double inf = minimo * 0.9;
    // A history of zeros (or of values whose margins meet) has no span: the
    // chart then shows the full range.
    if (!(std::isfinite(sup - inf) && sup != inf)) {
      sup = 100.0;
      inf = 0.0;
    }
    RecalculaPixels(inf, sup);
    EscalaSup = Engenharia(sup);
    EscalaInf = Engenharia(inf);
  } else {
    EscalaInf = FaixaInf;
    EscalaSup = FaixaSup;
    RecalculaPixels(0.0, 100.0);
  }

  eSupText = TextoLargura(EscalaSup, 1, 4);
  eInfText = TextoLargura(EscalaInf, 1, 4);
  AtualizaEscala();
  Caption = TagText + " - " + DescricaoText;
  Label21 = DadosBaseTempo(BaseTempoBox).TextoTaxa;
}

void Registrador::AtualizaEscala() {
  for (int k = 9; k >= 1; --k)
    RotuloGrade[static_cast<std::size_t>(9 - k)] =
        TextoLargura(EscalaInf + (EscalaSup - EscalaInf) / 10.0 * k, 0, 2);
  EscalaSup = Percentual(EscalaSup);
  EscalaInf = Percentual(EscalaInf);
  Label1 = Unidade;
}

void Registrador::Variavel3SelectChange(int item) {
  Variavel3Select = item;
  if (item >= 0 && item < 10) {
    if (Edit2 == "SP") Variavel2Select = item + 60;
    if (Edit1 == "PV")
      if (const auto* c = dynamic_cast<const Controlador*>(simulacao_.controladores[item + 1]))
        Variavel1Select = c->VariavelSelect;
  }
  AplicaConfiguracao();
}

void Registrador::eSupTextKeyPress(char tecla) {
  if (tecla != kEnter) return;
  EscalaAuto = false;
  const auto sup = LeNumero(eSupText);
  const auto inf = LeNumero(eInfText);
  if (!sup || !inf || !(*inf < *sup)) return;
  RecalculaPixels(Percentual(*inf), Percentual(*sup));
  EscalaSup = *sup;
  EscalaInf = *inf;
  AtualizaEscala();
}

bool Registrador::Image1MouseDown(int X, int Y) {
  if (!Pausado) return false;
  const auto sup = LeNumero(eSupText);
  const auto inf = LeNumero(eInfText);
  if (!sup || !inf) return false;
  const double y = *inf + (*sup - *inf) / 100.0 * (kAltura - Y) / 2.0;
  const double t = X * DadosBaseTempo(BaseTempoBox).SegundosPorPixel;
  CoodsText[static_cast<std::size_t>(SlotCoordenada - 1)] =
      "Y: " + TextoLargura(y, 1, 4) + " %" + "  T: " + TextoLargura(t, 1, 4) + " s";
  SlotCoordenada = SlotCoordenada % kLeituras + 1;
  return true;
}

void Registrador::CheckBox1Click(bool marcado, const std::filesystem::path& pasta) {
  if (marcado) {
    if (Arquivo.Aberto() || TagText.empty()) return;
    Arquivo.Abre(pasta, TagText, BaseTempoBox, Edit1, Edit2, Edit3);
    return;
  }
  if (!Arquivo.Aberto()) return;
  Arquivo.Fecha();
  const auto nome = Arquivo.Caminho().filename().u8string();
  simulacao_.Informa("Data saved: " + std::string(nome.begin(), nome.end()));
}

void Registrador::AposLeitura() {
  EscalaSup = 100.0;
  EscalaInf = 0.0;
  Arquivo.TempoArquivo = 0.0;
  AplicaConfiguracao();
}

std::vector<std::string> Registrador::ItensVariaveis(const Memoria& memoria, bool comNenhum) {
  std::vector<std::string> itens;
  itens.reserve(kItens + 1);
  for (int k = 1; k <= kItens; ++k) {
    std::string numero = std::to_string(k);
    if (k < 10) numero.insert(0, 1, '0');
    itens.push_back(numero + "   " + memoria.DescricaoEndereco[static_cast<std::size_t>(k)]);
  }
  if (comNenhum) itens.emplace_back("Nenhum");
  return itens;
}

}  // namespace quiv
