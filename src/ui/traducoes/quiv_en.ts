<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>GraficoTendencia</name>
    <message>
        <source>Tempo: %1 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessaoSimulacao</name>
    <message>
        <source>Erro desconhecido no ciclo de simulação</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Simulação Rápida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 hora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 horas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 horas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>500 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 seg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selecione um sinal de teste:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nenhum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrau no SP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distúrbio degrau no processo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amplitude do Degrau(%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For SP change, the controller L/R switch must be in Local position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armazenar Dados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ajuda da Simulação Rápida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Janela:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arquivo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malha %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hist %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amplitude do Degrau inválida: &quot;%1&quot; não é um número inteiro. Digite a amplitude em % como um número inteiro, por exemplo 10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dados salvos no arquivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desfazer Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvar Figura (PNG)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar Dados (CSV)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normalizar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ocultar COs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esconde Sinal de Saída do Controlador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replicar Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reproduzir Zoom na Janela Inferior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sobrepor Histórico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desenha o histórico inferior sobre o gráfico superior da mesma malha, em cores claras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Próxima página</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Página anterior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Window: Clicar e arrastar para baixo e para a direita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desfazer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0-100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aplicar Escala 0-100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pontos por página:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Página:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (hist)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvar Figura do Gráfico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figura PNG (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível salvar a figura em %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar Dados do Gráfico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabela CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível salvar os dados em %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome Arquivo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carregar Histórico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Índices de Desempenho</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gráfico       Gráfico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Superior     Inferior</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBloco</name>
    <message>
        <source>Bloco de Cálculo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expressão matemática do cálculo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desc:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Função</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limites:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limite superior para saída</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limite inferior para saída</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atualizar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sair</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TConfigForm</name>
    <message>
        <source>Configuração Geral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controladores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blocos de Cálculo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registradores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Textos Animados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imagens Animadas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comandos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Título da Simulação:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escolher a figura de fundo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arquivo de Imagem:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>333 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 segundo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ciclo Execução: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linearizador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End. Entrada:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End.Saída:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ativar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir Figura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arquivos de Imagem (*.bmp *.png);;Todos os Arquivos (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variável:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimensões:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cores:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imagem %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Círculo de Cor Variável</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retângulo Tamanho Variável</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chave %1     Tipo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>para esquerda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>para cima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>para direita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>para baixo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saída em M%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Botão 1 (saída em M97)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Botão 2 (Saída em M98)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Botão 3 (saída em M99)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ent%1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com barra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mostra a barra deslizante da entrada</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TControlador</name>
    <message>
        <source>Controlador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setpoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Process Variable (Variável Controlada)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controller Output (Saída do Controlador)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PV:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CO:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enviar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L/R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleciona Origem do SP: L-&gt; Local; R-&gt; Remoto (copia de SPR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SP + 1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SP - 1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saída</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A/M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleciona Modo de Operação do Controlador: A-&gt;Modo Automático; M-&gt;Modo Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CO + 1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CO - 1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exibe/Oculta Configuração do Controlador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tendência</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exibe/Oculta Gráficos de Tendência</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identificação</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parâmetros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ganho Proporcional (adimensional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo Integral (segundos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo Derivativo (segundos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Influencia do SP na ação Proporcinal (0 a 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contante de Tempo do Filtro da ação Derivativa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valor Constante a ser Somado na Saída do Controlador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kc:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ti(seg):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Td(seg):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fator SP (a):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtro D talF(s):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bias(%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleciona Variável de Processo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Endereço para Setpoint Remoto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End. p/ Realim.de MV:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adiciona Expressão para Cálculo do Bias Dinâmico (ação FeedForward)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limites de Saída</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limite Inferior da CO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limite Superior da CO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CO Min.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CO Max.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Início</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo Processo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resposta Reversa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resposta Direta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resposta Direta: Aumento na MV causa aumento na PV; Resposta  Reversa: Aumento  na MV causa Diminuição da PV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estrutura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paralela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISA (mista)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estrutura ISA: Ganho Kc em Evidência</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Derivada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sobre o Erro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sobre a PV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atualizar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos. Atuador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 segundos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 segundos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 minuto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo de 1 divisão=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X (segundos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linha Grossa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pausar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arquivar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvar novos dados em arquivo TXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arquivando: TA=0.1 seg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilizar &apos;,&apos; como separador decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvar valores em Unid. de Eng.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ponto %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selecione uma pasta</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDialogos</name>
    <message>
        <source>Lista de Variáveis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variáveis de Processo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sinais de Controle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atualiza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unid. Eng</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UE min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UE max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LIE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>QUIV (v 7.81)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clique aqui para informações adicionais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lendo arquivo...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arquivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Novo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir Recente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvar Como...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasta corrente...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exemplos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuração</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerador de Sinais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulação Rápida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lista de Variáveis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registrador XY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opções</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pausar Simulação</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mover Objetos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excluir Objetos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exibir comentários</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visitar website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vídeo Aulas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Introdução Controle de Processos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sobre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To salvo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salve me!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvar Como</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arquivos de Simulação (*.smp);;Todos os  Arquivos (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvar Alterações em Arquivo?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUIV v 7.81</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arquivos de Simulação (*.smp);;Todos os Arquivos (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>TEXTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escalar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binário</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equação</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variável para exibição</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se tipo BINARIO, inserir respectivos textos para valores 0 e 1 separados pelo caracter /</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descrição:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unid. Eng.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Casas Decimais:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faixa min:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faixa máx:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarme Baixo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarme Alto:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sair</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TParmForm</name>
    <message>
        <source>Gerador de Sinais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Máx.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atualiza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constante 0-100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constante 0-1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aleatório Rápido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aleatório Médio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aleatório Lento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sinal Senoidal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Walk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equação</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LN()</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exp()</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProcesso</name>
    <message>
        <source>Processo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrada (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posição Atuador(%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saída(%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleciona Endereço da Variável de Entrada do Bloco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ganho do Processo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo Morto (segundos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleciona Função de Transferência</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordem 2 Sobreamortecido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordem 2 Subamortecido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtro LEAD-LAG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Integrador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrada:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ganho:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TM(seg):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo F.T.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tal1(seg):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tal2(seg):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num. Ciclos:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Período(seg):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEAD(seg):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAG(seg):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processo Integrador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valor Inicial(%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Características Não-Lineares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curva Abertura Rápida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curva Igual Porcentagem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curva S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curva S2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desativar Saturador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curva de ganho:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histerese:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agarramento:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate(%/seg):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atualizar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sair</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRegXY</name>
    <message>
        <source>Pares de variáveis pré-selecionadas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variável do eixo X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variável do eixo vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Janela:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pontos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limpar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aplicar Escala 0-100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Window: Clicar e arrastar para baixo e para a direita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desfazer Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar o gráfico como imagem PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar os pontos como tabela CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O arquivo %1 já existe. Substituir?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar Gráfico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imagens PNG (*.png);;Todos os Arquivos (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível gravar o arquivo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar Pontos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelas CSV (*.csv);;Todos os Arquivos (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível gravar o arquivo %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRegistrForm</name>
    <message>
        <source>Registrador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MV(%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 segundos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 segundos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 minuto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo: 1 divisão =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linha Grossa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pausar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir configuração</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arquivar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvar novos dados em arquivo TXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arquivando: TA=0.1 seg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Descrição</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variável %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texto %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilizar &apos;,&apos; como separador decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvar valores em Unid. de Eng.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selecione uma pasta</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelaSinotica</name>
    <message>
        <source>Saída em M%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Painel de Comando </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quiv::TAboutBox</name>
    <message>
        <source>Variabilidade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PV mín/máx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IEM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IEMA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excursão CO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desvio Pad. CO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturação CO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
