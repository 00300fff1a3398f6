<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ComandosEdicao</name>
    <message>
        <source>Controlador %1</source>
        <translation>Controller %1</translation>
    </message>
    <message>
        <source>Processo %1</source>
        <translation>Process %1</translation>
    </message>
    <message>
        <source>Registrador %1</source>
        <translation>Recorder %1</translation>
    </message>
    <message>
        <source>Bloco %1</source>
        <translation>Block %1</translation>
    </message>
    <message>
        <source>Texto Animado %1</source>
        <translation>Animated Text %1</translation>
    </message>
    <message>
        <source>Atualizar %1</source>
        <translation>Apply %1</translation>
    </message>
    <message>
        <source>Comentários</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>Título</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Figura de fundo</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>Incluir %1</source>
        <translation>Include %1</translation>
    </message>
    <message>
        <source>Ocultar %1</source>
        <translation>Hide %1</translation>
    </message>
    <message>
        <source>Excluir %1</source>
        <translation>Delete %1</translation>
    </message>
    <message>
        <source>Configuração</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Mover</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Gerador de Sinais</source>
        <translation>Signals Generator</translation>
    </message>
    <message>
        <source>Lista de Variáveis</source>
        <translation>Variables List</translation>
    </message>
</context>
<context>
    <name>quiv::CaixaSobre</name>
    <message>
        <source>Sobre</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>quiv::DialogoConfiguracao</name>
    <message>
        <source>Configuração Geral</source>
        <translation>General Configuration</translation>
    </message>
    <message>
        <source>Controladores</source>
        <translation>Controllers</translation>
    </message>
    <message>
        <source>Processos</source>
        <translation>Processes</translation>
    </message>
    <message>
        <source>Blocos de Cálculo</source>
        <translation>Calc Blocks</translation>
    </message>
    <message>
        <source>Registradores</source>
        <translation>Registers</translation>
    </message>
    <message>
        <source>Textos Animados</source>
        <translation>Animated Texts</translation>
    </message>
    <message>
        <source>Imagens Animadas</source>
        <translation>Animated Shapes</translation>
    </message>
    <message>
        <source>Comandos</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>Título da Simulação:</source>
        <translation>Simulation Title:</translation>
    </message>
    <message>
        <source>Escolher a figura de fundo</source>
        <translation>Choose the background image</translation>
    </message>
    <message>
        <source>Arquivo de Imagem:</source>
        <translation>Image File:</translation>
    </message>
    <message>
        <source>100 ms</source>
        <translation>100 ms</translation>
    </message>
    <message>
        <source>333 ms</source>
        <translation>333 ms</translation>
    </message>
    <message>
        <source>1 segundo</source>
        <translation>1 second</translation>
    </message>
    <message>
        <source>Ciclo Execução: </source>
        <translation>Execution Cycle</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Linearizador</source>
        <translation>Characterizer</translation>
    </message>
    <message>
        <source>End. Entrada:</source>
        <translation>Input Ad.:</translation>
    </message>
    <message>
        <source>End.Saída:</source>
        <translation>Output Ad.:</translation>
    </message>
    <message>
        <source>MV</source>
        <translation>MV</translation>
    </message>
    <message>
        <source>PV</source>
        <translation>PV</translation>
    </message>
    <message>
        <source>Ativar</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Abrir Figura</source>
        <translation>Open Image</translation>
    </message>
    <message>
        <source>Arquivos de Imagem (*.bmp *.png);;Todos os Arquivos (*)</source>
        <translation>Image Files (*.bmp *.png);;All Files (*)</translation>
    </message>
    <message>
        <source>Variável:</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>Dimensões:</source>
        <translation>Dimensions:</translation>
    </message>
    <message>
        <source>Cores:</source>
        <translation>Colors:</translation>
    </message>
    <message>
        <source>Imagem %1</source>
        <translation>Shape %1</translation>
    </message>
    <message>
        <source>Círculo de Cor Variável</source>
        <translation>Cilcle with variable color</translation>
    </message>
    <message>
        <source>Retângulo Tamanho Variável</source>
        <translation>Square with variable size</translation>
    </message>
    <message>
        <source>Chave %1     Tipo:</source>
        <translation>Switch %1    Type:</translation>
    </message>
    <message>
        <source>para esquerda</source>
        <translation>to left</translation>
    </message>
    <message>
        <source>para cima</source>
        <translation>to right</translation>
    </message>
    <message>
        <source>para direita</source>
        <translation>to up</translation>
    </message>
    <message>
        <source>para baixo</source>
        <translation>to down</translation>
    </message>
    <message>
        <source>Saída em M%1</source>
        <translation>Output M%1</translation>
    </message>
    <message>
        <source>Botão 1 (saída em M97)</source>
        <translation>Button 1(output M97)</translation>
    </message>
    <message>
        <source>Botão 2 (Saída em M98)</source>
        <translation>Button 2(output M98)</translation>
    </message>
    <message>
        <source>Botão 3 (saída em M99)</source>
        <translation>Button 3(output M99)</translation>
    </message>
    <message>
        <source>Ent%1:</source>
        <translation>In%1:</translation>
    </message>
    <message>
        <source>Com barra</source>
        <translation>With slider</translation>
    </message>
    <message>
        <source>Mostra a barra deslizante da entrada</source>
        <translation>Shows the slider of the entry</translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Texto para M%1=%2</source>
        <translation>Text when M%1=%2</translation>
    </message>
</context>
<context>
    <name>quiv::ExportaGrafico</name>
    <message>
        <source>Salvar Figura (PNG)...</source>
        <translation>Save Picture (PNG)...</translation>
    </message>
    <message>
        <source>Salvar Figura do Gráfico</source>
        <translation>Save Graphic Picture</translation>
    </message>
    <message>
        <source>Figura PNG (*.png)</source>
        <translation>PNG Picture (*.png)</translation>
    </message>
    <message>
        <source>Não foi possível salvar a figura em %1</source>
        <translation>Could not save the picture in %1</translation>
    </message>
    <message>
        <source>Exportar Dados (CSV)...</source>
        <translation>Export Data (CSV)...</translation>
    </message>
    <message>
        <source>Exportar Dados do Gráfico</source>
        <translation>Export Graphic Data</translation>
    </message>
    <message>
        <source>Tabela CSV (*.csv)</source>
        <translation>CSV Table (*.csv)</translation>
    </message>
    <message>
        <source>Não foi possível salvar os dados em %1: %2</source>
        <translation>Could not save the data in %1: %2</translation>
    </message>
</context>
<context>
    <name>quiv::GraficoTendencia</name>
    <message>
        <source>Tempo: %1 s</source>
        <translation>Time: %1 s</translation>
    </message>
</context>
<context>
    <name>quiv::JanelaBloco</name>
    <message>
        <source>Bloco de Cálculo</source>
        <translation>Calculations Block</translation>
    </message>
    <message>
        <source>Expressão matemática do cálculo</source>
        <translation>Math expression for calculation</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Desc:</source>
        <translation>Desc:</translation>
    </message>
    <message>
        <source>Função</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Limites:</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Max:</translation>
    </message>
    <message>
        <source>Limite superior para saída</source>
        <translation>Output Upper Limit</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>Limite inferior para saída</source>
        <translation>Output Lower Limit</translation>
    </message>
    <message>
        <source>Atualizar</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>quiv::JanelaControlador</name>
    <message>
        <source>Controlador</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>SPR</source>
        <translation>SPR</translation>
    </message>
    <message>
        <source>Setpoint</source>
        <translation>Setpoint</translation>
    </message>
    <message>
        <source>Process Variable (Variável Controlada)</source>
        <translation>Process Variable (Controlled Variable)</translation>
    </message>
    <message>
        <source>Controller Output (Saída do Controlador)</source>
        <translation>Controller Output (Manipulated Variable)</translation>
    </message>
    <message>
        <source>SP:</source>
        <translation>SP:</translation>
    </message>
    <message>
        <source>PV:</source>
        <translation>PV:</translation>
    </message>
    <message>
        <source>CO:</source>
        <translation>CO:</translation>
    </message>
    <message>
        <source>Enviar</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>SP</source>
        <translation>SP</translation>
    </message>
    <message>
        <source>L/R</source>
        <translation>L/R</translation>
    </message>
    <message>
        <source>Seleciona Origem do SP: L-&gt; Local; R-&gt; Remoto (copia de SPR)</source>
        <translation>Select SP source: L-&gt; Local; R-&gt; Remote (copy from SPR)</translation>
    </message>
    <message>
        <source>SP + 1%</source>
        <translation>SP + 1%</translation>
    </message>
    <message>
        <source>SP - 1%</source>
        <translation>SP - 1%</translation>
    </message>
    <message>
        <source>Saída</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>A/M</source>
        <translation>A/M</translation>
    </message>
    <message>
        <source>Seleciona Modo de Operação do Controlador: A-&gt;Modo Automático; M-&gt;Modo Manual</source>
        <translation>Select Controller Operation Mode: A-&gt;Automatic Mode; M-&gt;Manual Mode</translation>
    </message>
    <message>
        <source>CO + 1%</source>
        <translation>CO + 1%</translation>
    </message>
    <message>
        <source>CO - 1%</source>
        <translation>CO - 1%</translation>
    </message>
    <message>
        <source>Config.</source>
        <translation>Config.</translation>
    </message>
    <message>
        <source>Exibe/Oculta Configuração do Controlador</source>
        <translation>Show/Hide Controller Configuration Area</translation>
    </message>
    <message>
        <source>Tendência</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Exibe/Oculta Gráficos de Tendência</source>
        <translation>Show/Hide Trends</translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Identificação</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Desc</source>
        <translation>Desc</translation>
    </message>
    <message>
        <source>Parâmetros</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Ganho Proporcional (adimensional)</source>
        <translation>Proporcional Gain (dimensionless)</translation>
    </message>
    <message>
        <source>Tempo Integral (segundos)</source>
        <translation>Reset Time(seconds)</translation>
    </message>
    <message>
        <source>Tempo Derivativo (segundos)</source>
        <translation>Rate Time(seconds)</translation>
    </message>
    <message>
        <source>Influencia do SP na ação Proporcinal (0 a 1)</source>
        <translation>SP weight on proportional action(0 to 1)</translation>
    </message>
    <message>
        <source>Contante de Tempo do Filtro da ação Derivativa</source>
        <translation>Filter time constant to smooth derivative action</translation>
    </message>
    <message>
        <source>Valor Constante a ser Somado na Saída do Controlador</source>
        <translation>Constant value added to controller output</translation>
    </message>
    <message>
        <source>Kc:</source>
        <translation>Kc:</translation>
    </message>
    <message>
        <source>Ti(seg):</source>
        <translation>Ti(sec):</translation>
    </message>
    <message>
        <source>Td(seg):</source>
        <translation>Td(sec):</translation>
    </message>
    <message>
        <source>Fator SP (a):</source>
        <translation>SP Factor(a):</translation>
    </message>
    <message>
        <source>Filtro D talF(s):</source>
        <translation>D Filter talF(s):</translation>
    </message>
    <message>
        <source>Bias(%)</source>
        <translation>Bias(%)</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Seleciona Variável de Processo</source>
        <translation>Select Process Variabel</translation>
    </message>
    <message>
        <source>Endereço para Setpoint Remoto</source>
        <comment>CheckSPR</comment>
        <translation>Remote Setpoint Address</translation>
    </message>
    <message>
        <source>Endereço para Setpoint Remoto</source>
        <translation>Remote Setpoint Address</translation>
    </message>
    <message>
        <source>End. p/ Realim.de MV:</source>
        <translation>Slave MV Address:</translation>
    </message>
    <message>
        <source>FF</source>
        <translation>FF</translation>
    </message>
    <message>
        <source>Adiciona Expressão para Cálculo do Bias Dinâmico (ação FeedForward)</source>
        <comment>FFwSelect</comment>
        <translation>Math expression to calc dynamic bias (FeedForward action)</translation>
    </message>
    <message>
        <source>Adiciona Expressão para Cálculo do Bias Dinâmico (ação FeedForward)</source>
        <translation>Math expression to calc dynamic bias (FeedForward action)</translation>
    </message>
    <message>
        <source>PV</source>
        <translation>PV</translation>
    </message>
    <message>
        <source>Limites de Saída</source>
        <translation>Output Limits</translation>
    </message>
    <message>
        <source>Limite Inferior da CO</source>
        <translation>CO low limit</translation>
    </message>
    <message>
        <source>Limite Superior da CO</source>
        <translation>CO high limit</translation>
    </message>
    <message>
        <source>CO Min.:</source>
        <translation>CO Min.:</translation>
    </message>
    <message>
        <source>CO Max.:</source>
        <translation>CO Max.:</translation>
    </message>
    <message>
        <source>Escala</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Início</source>
        <translation>Begin:</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>Unid.</source>
        <translation>Unit:</translation>
    </message>
    <message>
        <source>Tipo Processo</source>
        <translation>Process Direction</translation>
    </message>
    <message>
        <source>Resposta Reversa</source>
        <translation>Reverse response</translation>
    </message>
    <message>
        <source>Resposta Direta</source>
        <translation>Direct response</translation>
    </message>
    <message>
        <source>Resposta Direta: Aumento na MV causa aumento na PV; Resposta  Reversa: Aumento  na MV causa Diminuição da PV</source>
        <translation>Direct response: A MV increase causes a PV increase; Reverse response: A MV increase causes a PV decrease</translation>
    </message>
    <message>
        <source>Estrutura</source>
        <translation>Structure</translation>
    </message>
    <message>
        <source>Paralela</source>
        <translation>Parallel</translation>
    </message>
    <message>
        <source>ISA (mista)</source>
        <translation>ISA (Ideal)</translation>
    </message>
    <message>
        <source>Estrutura ISA: Ganho Kc em Evidência</source>
        <translation>ISA structure: Kc multiply all actions</translation>
    </message>
    <message>
        <source>Derivada</source>
        <translation>Derivative Action</translation>
    </message>
    <message>
        <source>Sobre o Erro</source>
        <translation>on error</translation>
    </message>
    <message>
        <source>Sobre a PV</source>
        <translation>on PV</translation>
    </message>
    <message>
        <source>Atualizar</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>CO</source>
        <translation>CO</translation>
    </message>
    <message>
        <source>Pos. Atuador</source>
        <translation>Actuator Pos.</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>3 segundos</source>
        <translation>3 seconds</translation>
    </message>
    <message>
        <source>9 segundos</source>
        <translation>9 seconds</translation>
    </message>
    <message>
        <source>1 minuto</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>Tempo de 1 divisão=</source>
        <translation>1 division time=</translation>
    </message>
    <message>
        <source>X (segundos)</source>
        <translation>X (seconds)</translation>
    </message>
    <message>
        <source>Linha Grossa</source>
        <translation>Strong Line</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Pausar</source>
        <translation>Pause Trend</translation>
    </message>
    <message>
        <source>Arquivar</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Salvar novos dados em arquivo TXT</source>
        <translation>Save data into TXT file</translation>
    </message>
    <message>
        <source>Arquivando: TA=0.1 seg</source>
        <translation>Saving 0.1 seg</translation>
    </message>
    <message>
        <source>Utilizar &apos;,&apos; como separador decimal</source>
        <translation>Uses , as decimal separator</translation>
    </message>
    <message>
        <source>Salvar valores em Unid. de Eng.</source>
        <translation>Uses Engineering Units</translation>
    </message>
    <message>
        <source>Selecione uma pasta</source>
        <translation>Select a folder</translation>
    </message>
    <message>
        <source>Sintonia...</source>
        <translation>Tuning...</translation>
    </message>
    <message>
        <source>Ensaio em degrau, modelo do processo e ajustes pelas regras de sintonia</source>
        <translation>Step test, process model and settings from the tuning rules</translation>
    </message>
</context>
<context>
    <name>quiv::JanelaGerador</name>
    <message>
        <source>Gerador de Sinais</source>
        <translation>Signal Generator</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Máx.</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Atualiza</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Constante 0-100</source>
        <translation>Constant 0-100</translation>
    </message>
    <message>
        <source>Constante 0-1</source>
        <translation>Constant 0-1</translation>
    </message>
    <message>
        <source>Aleatório Rápido</source>
        <translation>Fast Random</translation>
    </message>
    <message>
        <source>Aleatório Médio</source>
        <translation>Medium Random</translation>
    </message>
    <message>
        <source>Aleatório Lento</source>
        <translation>Slow Random</translation>
    </message>
    <message>
        <source>Sinal Senoidal</source>
        <translation>Sinusoidal signal</translation>
    </message>
    <message>
        <source>Random Walk</source>
        <translation>Random Walk</translation>
    </message>
    <message>
        <source>Equação</source>
        <translation>Equation</translation>
    </message>
    <message>
        <source>LN()</source>
        <translation>LN()</translation>
    </message>
    <message>
        <source>Exp()</source>
        <translation>Exp()</translation>
    </message>
</context>
<context>
    <name>quiv::JanelaListaVariaveis</name>
    <message>
        <source>Lista de Variáveis</source>
        <translation>Variable List</translation>
    </message>
    <message>
        <source>Variáveis de Processo</source>
        <translation>Process Variables</translation>
    </message>
    <message>
        <source>Sinais de Controle</source>
        <translation>Control Signals</translation>
    </message>
    <message>
        <source>Atualiza</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Unid. Eng</source>
        <translation>Eng. Unit</translation>
    </message>
    <message>
        <source>UE min</source>
        <translation>EU min</translation>
    </message>
    <message>
        <source>UE max</source>
        <translation>EU max</translation>
    </message>
    <message>
        <source>LIE</source>
        <translation>Low Limit</translation>
    </message>
    <message>
        <source>LSE</source>
        <translation>High Limit</translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Valor (%)</source>
        <translation>Value (%)</translation>
    </message>
    <message>
        <source>O valor atual do endereço, em % da sua faixa; botões e chaves: 0 ou 1</source>
        <translation>The address&apos;s current value, in % of its range; push buttons and switches: 0 or 1</translation>
    </message>
</context>
<context>
    <name>quiv::JanelaPrincipal</name>
    <message>
        <source>QUIV (v 7.81)</source>
        <translation>QUIV (v 7.81)</translation>
    </message>
    <message>
        <source>Clique aqui para informações adicionais</source>
        <translation>Click here for additional information</translation>
    </message>
    <message>
        <source>Lendo arquivo...</source>
        <translation>Reading file...</translation>
    </message>
    <message>
        <source>Arquivo</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Novo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Abrir Recente</source>
        <translation>Open Recent</translation>
    </message>
    <message>
        <source>Salvar Como...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Pasta corrente...</source>
        <translation>Current Folder...</translation>
    </message>
    <message>
        <source>Exemplos</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>Configuração</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Gerador de Sinais</source>
        <translation>Signals Generator</translation>
    </message>
    <message>
        <source>Simulação Rápida</source>
        <translation>Fast Simulation</translation>
    </message>
    <message>
        <source>Lista de Variáveis</source>
        <translation>Variables List</translation>
    </message>
    <message>
        <source>Registrador XY</source>
        <translation>XY Register</translation>
    </message>
    <message>
        <source>Opções</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Pausar Simulação</source>
        <translation>Stop Simulation</translation>
    </message>
    <message>
        <source>Mover Objetos</source>
        <translation>Move Objects</translation>
    </message>
    <message>
        <source>Excluir Objetos</source>
        <translation>Exclude Objects</translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Exibir comentários</source>
        <translation>Show comments</translation>
    </message>
    <message>
        <source>Visitar website</source>
        <translation>Online help...</translation>
    </message>
    <message>
        <source>Vídeo Aulas</source>
        <translation>Video Lessons</translation>
    </message>
    <message>
        <source>Introdução Controle de Processos</source>
        <translation>Introduction to Process Control</translation>
    </message>
    <message>
        <source>Sobre</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Tô salvo!</source>
        <translation>I&apos;m saved!</translation>
    </message>
    <message>
        <source>Salve me!</source>
        <translation>Save me!</translation>
    </message>
    <message>
        <source>Salvar Como</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Arquivos de Simulação (*.smp);;Todos os  Arquivos (*)</source>
        <translation>Simulation Files (*.smp);;All Files (*)</translation>
    </message>
    <message>
        <source>Salvar Alterações em Arquivo?</source>
        <translation>Save changes?</translation>
    </message>
    <message>
        <source>Arquivos de Simulação (*.smp);;Todos os Arquivos (*)</source>
        <translation>Simulation Files (*.smp);;All Files (*)</translation>
    </message>
    <message>
        <source>É requerida conexão com internet</source>
        <translation>An internet connection is required</translation>
    </message>
    <message>
        <source>Editar</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Desfazer</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Refazer</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Duplo clique para editar os comentários</source>
        <translation>Double click to edit the comments</translation>
    </message>
    <message>
        <source>Editar comentários</source>
        <translation>Edit comments</translation>
    </message>
</context>
<context>
    <name>quiv::JanelaProcesso</name>
    <message>
        <source>Processo</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Entrada (%):</source>
        <translation>Input(%):</translation>
    </message>
    <message>
        <source>Posição Atuador(%):</source>
        <translation>Actuator Position(%):</translation>
    </message>
    <message>
        <source>Saída(%):</source>
        <translation>Output(%):</translation>
    </message>
    <message>
        <source>Seleciona Endereço da Variável de Entrada do Bloco</source>
        <translation>Select Input Variable</translation>
    </message>
    <message>
        <source>Ganho do Processo</source>
        <translation>Process Static Gain</translation>
    </message>
    <message>
        <source>Tempo Morto (segundos)</source>
        <translation>Dead Time(seconds)</translation>
    </message>
    <message>
        <source>Seleciona Função de Transferência</source>
        <translation>Select Transfer Function</translation>
    </message>
    <message>
        <source>Ordem 2 Sobreamortecido</source>
        <translation>1st/2nd order (overdamped)</translation>
    </message>
    <message>
        <source>Ordem 2 Subamortecido</source>
        <translation>2nd order (underdamped)</translation>
    </message>
    <message>
        <source>Filtro LEAD-LAG</source>
        <translation>Lead-Lag Filter</translation>
    </message>
    <message>
        <source>Integrador</source>
        <translation>Integrator</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Desc</source>
        <translation>Desc</translation>
    </message>
    <message>
        <source>Entrada:</source>
        <translation>Input:</translation>
    </message>
    <message>
        <source>Ganho:</source>
        <translation>Gain:</translation>
    </message>
    <message>
        <source>TM(seg):</source>
        <translation>DT(sec):</translation>
    </message>
    <message>
        <source>Tipo F.T.:</source>
        <translation>FT Type:</translation>
    </message>
    <message>
        <source>Tal1(seg):</source>
        <translation>Tau1(sec):</translation>
    </message>
    <message>
        <source>Tal2(seg):</source>
        <translation>Tau2(sec):</translation>
    </message>
    <message>
        <source>Num. Ciclos:</source>
        <translation>Visible cycles:</translation>
    </message>
    <message>
        <source>Período(seg):</source>
        <translation>Period(seg):</translation>
    </message>
    <message>
        <source>LEAD(seg):</source>
        <translation>LEAD(sec):</translation>
    </message>
    <message>
        <source>LAG(seg):</source>
        <translation>LAG(sec):</translation>
    </message>
    <message>
        <source>Processo Integrador</source>
        <translation>Integrator process</translation>
    </message>
    <message>
        <source>Valor Inicial(%):</source>
        <translation>Initial Value(%):</translation>
    </message>
    <message>
        <source>Características Não-Lineares</source>
        <translation>Nonlinear characteristics</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Curva Abertura Rápida</source>
        <translation>Quick Open Curve</translation>
    </message>
    <message>
        <source>Curva Igual Porcentagem</source>
        <translation>Equal-Percentage Curve</translation>
    </message>
    <message>
        <source>Curva S1</source>
        <translation>S1 Curve</translation>
    </message>
    <message>
        <source>Curva S2</source>
        <translation>S2 Curve</translation>
    </message>
    <message>
        <source>Desativar Saturador</source>
        <translation>Disable Saturator</translation>
    </message>
    <message>
        <source>Curva de ganho:</source>
        <translation>Static Gain Curve</translation>
    </message>
    <message>
        <source>Histerese:</source>
        <translation>Hysteresis:</translation>
    </message>
    <message>
        <source>Agarramento:</source>
        <translation>Stiction</translation>
    </message>
    <message>
        <source>Rate(%/seg):</source>
        <translation>Rate(%/sec):</translation>
    </message>
    <message>
        <source>Atualizar</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>quiv::JanelaRegistrador</name>
    <message>
        <source>Registrador</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>PV</source>
        <translation>PV</translation>
    </message>
    <message>
        <source>MV(%)</source>
        <translation>MV(%)</translation>
    </message>
    <message>
        <source>3 segundos</source>
        <translation>3 seconds</translation>
    </message>
    <message>
        <source>9 segundos</source>
        <translation>9 seconds</translation>
    </message>
    <message>
        <source>1 minuto</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>Tempo: 1 divisão =</source>
        <translation>1 division time=</translation>
    </message>
    <message>
        <source>Escala</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Linha Grossa</source>
        <translation>Strong Line</translation>
    </message>
    <message>
        <source>Pausar</source>
        <translation>Pause Trend</translation>
    </message>
    <message>
        <source>Abrir configuração</source>
        <translation>Open configuration area</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Arquivar</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Salvar novos dados em arquivo TXT</source>
        <translation>Save data into TXT file</translation>
    </message>
    <message>
        <source>Arquivando: TA=0.1 seg</source>
        <translation>Saving 0.1 seg</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>   Descrição</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Variável %1</source>
        <translation>Variable %1</translation>
    </message>
    <message>
        <source>Texto %1</source>
        <translation>Text %1</translation>
    </message>
    <message>
        <source>Utilizar &apos;,&apos; como separador decimal</source>
        <translation>Uses , as decimal separator</translation>
    </message>
    <message>
        <source>Salvar valores em Unid. de Eng.</source>
        <translation>Uses Engineering Units</translation>
    </message>
    <message>
        <source>Selecione uma pasta</source>
        <translation>Select a folder</translation>
    </message>
</context>
<context>
    <name>quiv::JanelaRegistradorXY</name>
    <message>
        <source>Pares de variáveis pré-selecionadas</source>
        <translation>Preselected variable pairs</translation>
    </message>
    <message>
        <source>Variável do eixo X</source>
        <translation>Horizontal axis variable</translation>
    </message>
    <message>
        <source>Variável do eixo vertical</source>
        <translation>Vertical axis variable</translation>
    </message>
    <message>
        <source>Janela:</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Registra</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Pontos</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Limpar</source>
        <translation>Clean Graphic</translation>
    </message>
    <message>
        <source>Aplicar Escala 0-100%</source>
        <translation>Apply 0-100% scale</translation>
    </message>
    <message>
        <source>Zoom Window: Clicar e arrastar para baixo e para a direita</source>
        <translation>Zoom window: Click and drag to select zoom area</translation>
    </message>
    <message>
        <source>Desfazer Zoom</source>
        <translation>Undo zoom</translation>
    </message>
    <message>
        <source>Exportar o gráfico como imagem PNG</source>
        <translation>Export the graphic as a PNG image</translation>
    </message>
    <message>
        <source>Exportar os pontos como tabela CSV</source>
        <translation>Export the points as a CSV table</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>O arquivo %1 já existe. Substituir?</source>
        <translation>The file %1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>Exportar Gráfico</source>
        <translation>Export Graphic</translation>
    </message>
    <message>
        <source>Imagens PNG (*.png);;Todos os Arquivos (*)</source>
        <translation>PNG Images (*.png);;All Files (*)</translation>
    </message>
    <message>
        <source>Não foi possível gravar o arquivo %1</source>
        <translation>Could not write the file %1</translation>
    </message>
    <message>
        <source>Exportar Pontos</source>
        <translation>Export Points</translation>
    </message>
    <message>
        <source>Tabelas CSV (*.csv);;Todos os Arquivos (*)</source>
        <translation>CSV Tables (*.csv);;All Files (*)</translation>
    </message>
    <message>
        <source>Não foi possível gravar o arquivo %1: %2</source>
        <translation>Could not write the file %1: %2</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>1 hora</source>
        <translation>1 hour</translation>
    </message>
    <message>
        <source>Registrador XY</source>
        <translation>XY Register</translation>
    </message>
    <message>
        <source>Seleção Individual</source>
        <translation>Individual Selection</translation>
    </message>
    <message>
        <source>COxPV [Malha %1]</source>
        <translation>COxPV [Loop %1]</translation>
    </message>
    <message>
        <source>COxMV [Malha %1]</source>
        <translation>COxMV [Loop %1]</translation>
    </message>
</context>
<context>
    <name>quiv::JanelaSimulacaoRapida</name>
    <message>
        <source>Variabilidade</source>
        <translation>Variability</translation>
    </message>
    <message>
        <source>PV mín/máx</source>
        <translation>PV min/max</translation>
    </message>
    <message>
        <source>IEM</source>
        <translation>Int Average Error</translation>
    </message>
    <message>
        <source>IEMA</source>
        <translation>Int Absolute Average Error</translation>
    </message>
    <message>
        <source>Excursão CO</source>
        <translation>CO Travel</translation>
    </message>
    <message>
        <source>Desvio Pad. CO</source>
        <translation>CO Standard Deviation</translation>
    </message>
    <message>
        <source>Saturação CO</source>
        <translation>CO Saturation Index</translation>
    </message>
    <message>
        <source>Simulação Rápida</source>
        <translation>Fast Simulation</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>1 hora</source>
        <translation>1 hour</translation>
    </message>
    <message>
        <source>2 horas</source>
        <translation>2 hours</translation>
    </message>
    <message>
        <source>4 horas</source>
        <translation>4 hours</translation>
    </message>
    <message>
        <source>100 ms</source>
        <translation>100 ms</translation>
    </message>
    <message>
        <source>200 ms</source>
        <translation>200 ms</translation>
    </message>
    <message>
        <source>500 ms</source>
        <translation>500 ms</translation>
    </message>
    <message>
        <source>1 seg</source>
        <translation>1 sec</translation>
    </message>
    <message>
        <source>Selecione um sinal de teste:</source>
        <translation>Select a test signal:</translation>
    </message>
    <message>
        <source>Nenhum</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Degrau no SP</source>
        <translation>SP step change</translation>
    </message>
    <message>
        <source>Distúrbio degrau no processo</source>
        <translation>Step process disturbance</translation>
    </message>
    <message>
        <source>Amplitude do Degrau(%):</source>
        <translation>Step size:</translation>
    </message>
    <message>
        <source>For SP change, the controller L/R switch must be in Local position</source>
        <translation>For SP change, the controller L/R switch must be in Local position</translation>
    </message>
    <message>
        <source>Armazenar Dados</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Simular</source>
        <translation>Simulate</translation>
    </message>
    <message>
        <source>Ajuda da Simulação Rápida</source>
        <translation>Fast Simulation help</translation>
    </message>
    <message>
        <source>Janela:</source>
        <translation>Data Window:</translation>
    </message>
    <message>
        <source>Passo:</source>
        <translation>Sample Time:</translation>
    </message>
    <message>
        <source>Arquivo:</source>
        <translation>File Name:</translation>
    </message>
    <message>
        <source>Malha %1</source>
        <translation>Loop %1</translation>
    </message>
    <message>
        <source>Hist %1</source>
        <translation>Hist %1</translation>
    </message>
    <message>
        <source>Amplitude do Degrau inválida: &quot;%1&quot; não é um número inteiro. Digite a amplitude em % como um número inteiro, por exemplo 10.</source>
        <translation>Invalid step size: &quot;%1&quot; is not a whole number. Type the size in % as a whole number, for example 10.</translation>
    </message>
    <message>
        <source>Dados salvos no arquivo</source>
        <translation>Data saved on file</translation>
    </message>
    <message>
        <source>Tempo (s)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>Desfazer Zoom</source>
        <translation>Undo Zoom</translation>
    </message>
    <message>
        <source>Normalizar</source>
        <translation>Normalize</translation>
    </message>
    <message>
        <source>Ocultar COs</source>
        <translation>Hide COs</translation>
    </message>
    <message>
        <source>Esconde Sinal de Saída do Controlador</source>
        <translation>Hide control output signal</translation>
    </message>
    <message>
        <source>Replicar Zoom</source>
        <translation>Zoom replicate</translation>
    </message>
    <message>
        <source>Reproduzir Zoom na Janela Inferior</source>
        <translation>Uses same zoom in both graphics</translation>
    </message>
    <message>
        <source>Sobrepor Histórico</source>
        <translation>Overlay History</translation>
    </message>
    <message>
        <source>Desenha o histórico inferior sobre o gráfico superior da mesma malha, em cores claras</source>
        <translation>Draws the lower history over the upper graphic of the same loop, in light colors</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>Próxima página</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Página anterior</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom Window: Clicar e arrastar para baixo e para a direita</source>
        <translation>Zoom Window: Drag and drop cursor at right/down directions</translation>
    </message>
    <message>
        <source>Desfazer</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>0-100%</source>
        <translation>0-100%</translation>
    </message>
    <message>
        <source>Aplicar Escala 0-100%</source>
        <translation>Apply 0-100% scale</translation>
    </message>
    <message>
        <source>Pontos por página:</source>
        <translation>Points per page:</translation>
    </message>
    <message>
        <source>Página:</source>
        <translation>Page:</translation>
    </message>
    <message>
        <source> (hist)</source>
        <translation> (hist)</translation>
    </message>
    <message>
        <source>Nome Arquivo:</source>
        <translation>File Name:</translation>
    </message>
    <message>
        <source>Carregar Histórico</source>
        <translation>Load Archive</translation>
    </message>
    <message>
        <source>Índices de Desempenho</source>
        <translation>Performance Indices</translation>
    </message>
    <message>
        <source>Gráfico       Gráfico</source>
        <translation> Upper         Lower</translation>
    </message>
    <message>
        <source>Superior     Inferior</source>
        <translation>Graphic       Graphic</translation>
    </message>
</context>
<context>
    <name>quiv::JanelaTextoAnimado</name>
    <message>
        <source>TEXTO</source>
        <translation>Animated text</translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Escalar</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Binário</source>
        <translation>Binary</translation>
    </message>
    <message>
        <source>Equação</source>
        <translation>Equation</translation>
    </message>
    <message>
        <source>Variável para exibição</source>
        <translation>Variable to show</translation>
    </message>
    <message>
        <source>Se tipo BINARIO, inserir respectivos textos para valores 0 e 1 separados pelo caracter /</source>
        <translation>If binary type, insert text for 0 and 1 values split by / caracter</translation>
    </message>
    <message>
        <source>Descrição:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Unid. Eng.:</source>
        <translation>Eng.Unit:</translation>
    </message>
    <message>
        <source>Casas Decimais:</source>
        <translation>Decimal Places:</translation>
    </message>
    <message>
        <source>Faixa min:</source>
        <translation>Min Span:</translation>
    </message>
    <message>
        <source>Faixa máx:</source>
        <translation>Max Span:</translation>
    </message>
    <message>
        <source>Alarme Baixo:</source>
        <translation>Low Alarm:</translation>
    </message>
    <message>
        <source>Alarme Alto:</source>
        <translation>High Alarm:</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Variável</source>
        <comment>Label3</comment>
        <translation>Equation</translation>
    </message>
    <message>
        <source>&lt;Texto&gt;</source>
        <comment>Label3</comment>
        <translation>Equation</translation>
    </message>
    <message>
        <source>Equação</source>
        <comment>Label3</comment>
        <translation>Equation</translation>
    </message>
    <message>
        <source>Faixa máx inválida</source>
        <translation>Max Span invalid</translation>
    </message>
    <message>
        <source>Faixa min inválida</source>
        <translation>Min Span invalid</translation>
    </message>
    <message>
        <source>Faixa máx menor que a Faixa min</source>
        <translation>Max Span below Min Span</translation>
    </message>
    <message>
        <source>Faixa da variável inválida</source>
        <translation>Variable&apos;s span invalid</translation>
    </message>
    <message>
        <source>Variável não selecionada</source>
        <translation>No variable selected</translation>
    </message>
    <message>
        <source>Equação inválida</source>
        <translation>Equation invalid</translation>
    </message>
    <message>
        <source>Texto Animado %1</source>
        <translation>Animated Text %1</translation>
    </message>
</context>
<context>
    <name>quiv::PaginaSintonia</name>
    <message>
        <source>Variabilidade</source>
        <translation>Variability</translation>
    </message>
    <message>
        <source>IEM</source>
        <translation>Int Average Error</translation>
    </message>
    <message>
        <source>IEMA</source>
        <translation>Int Absolute Average Error</translation>
    </message>
    <message>
        <source>Excursão CO</source>
        <translation>CO Travel</translation>
    </message>
    <message>
        <source>Desvio Pad. CO</source>
        <translation>CO Standard Deviation</translation>
    </message>
    <message>
        <source>Saturação CO</source>
        <translation>CO Saturation Index</translation>
    </message>
    <message>
        <source>PV mín/máx</source>
        <translation>PV min/max</translation>
    </message>
    <message>
        <source>Ensaio em degrau (malha aberta, numa cópia da planta)</source>
        <translation>Step test (open loop, on a copy of the plant)</translation>
    </message>
    <message>
        <source>Degrau na saída (%):</source>
        <translation>Output step (%):</translation>
    </message>
    <message>
        <source>Quanto a saída do controlador muda no ensaio, em %; negativo para descer</source>
        <translation>How much the controller output changes in the test, in %; negative to go down</translation>
    </message>
    <message>
        <source>Executar Ensaio</source>
        <translation>Run Test</translation>
    </message>
    <message>
        <source>Controlador em manual, espera a PV parar, aplica o degrau na saída e registra a resposta</source>
        <translation>Controller in manual, waits for the PV to rest, steps the output and records the response</translation>
    </message>
    <message>
        <source>Tempo após o degrau (s)</source>
        <translation>Time after the step (s)</translation>
    </message>
    <message>
        <source>PV registrada</source>
        <translation>Recorded PV</translation>
    </message>
    <message>
        <source>Modelo ajustado</source>
        <translation>Fitted model</translation>
    </message>
    <message>
        <source>Saída (CO)</source>
        <translation>Output (CO)</translation>
    </message>
    <message>
        <source>Resposta ao degrau</source>
        <translation>Step response</translation>
    </message>
    <message>
        <source>Tempo (s), degrau no SP a 10 % da janela</source>
        <translation>Time (s), SP step at 10 % of the window</translation>
    </message>
    <message>
        <source>SP</source>
        <translation>SP</translation>
    </message>
    <message>
        <source>PV antes</source>
        <translation>PV before</translation>
    </message>
    <message>
        <source>PV depois</source>
        <translation>PV after</translation>
    </message>
    <message>
        <source>Verificação (degrau no SP)</source>
        <translation>Check (SP step)</translation>
    </message>
    <message>
        <source>Índices da malha, antes e depois</source>
        <translation>Loop indices, before and after</translation>
    </message>
    <message>
        <source>SP antes</source>
        <translation>SP before</translation>
    </message>
    <message>
        <source>SP depois</source>
        <translation>SP after</translation>
    </message>
    <message>
        <source>Carga antes</source>
        <translation>Load before</translation>
    </message>
    <message>
        <source>Carga depois</source>
        <translation>Load after</translation>
    </message>
    <message>
        <source>Simulação rápida com degrau de 10 % no SP e com distúrbio degrau de 10 % na carga, com os ajustes atuais (antes) e com os escolhidos (depois).</source>
        <translation>Fast simulation with a 10 % SP step and with a 10 % load step disturbance, with the present settings (before) and with the chosen ones (after).</translation>
    </message>
    <message>
        <source>Regras de sintonia</source>
        <translation>Tuning rules</translation>
    </message>
    <message>
        <source>Constante de tempo de malha fechada λ do IMC (s):</source>
        <translation>IMC closed-loop time constant λ (s):</translation>
    </message>
    <message>
        <source>Verificar</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Compara os índices da malha antes e depois dos ajustes escolhidos</source>
        <translation>Compares the loop indices before and after the chosen settings</translation>
    </message>
    <message>
        <source>Aplicar</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Escreve os ajustes escolhidos no controlador e os aplica</source>
        <translation>Writes the chosen settings into the controller and applies them</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Regra</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>Controlador</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Kp</source>
        <translation>Kp</translation>
    </message>
    <message>
        <source>Ti (s)</source>
        <translation>Ti (s)</translation>
    </message>
    <message>
        <source>Td (s)</source>
        <translation>Td (s)</translation>
    </message>
    <message>
        <source>Observação</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Sintonia da malha %1</source>
        <translation>Loop %1 tuning</translation>
    </message>
    <message>
        <source>Sintonia da malha %1 - %2</source>
        <translation>Loop %1 tuning - %2</translation>
    </message>
    <message>
        <source>Execute o ensaio: a planta é copiada como está, e a planta em operação não é perturbada.</source>
        <translation>Run the test: the plant is copied as it stands, and the running plant is not disturbed.</translation>
    </message>
    <message>
        <source>Degrau na saída inválido: &quot;%1&quot;. Digite em % um número diferente de zero, de -100 a 100, por exemplo 10.</source>
        <translation>Invalid output step: &quot;%1&quot;. Type a number in % other than zero, from -100 to 100, for example 10.</translation>
    </message>
    <message>
        <source>Não foi possível ajustar um modelo à resposta: %1</source>
        <translation>No model could be fitted to the response: %1</translation>
    </message>
    <message>
        <source>O ensaio não pôde ser feito: %1</source>
        <translation>The test could not be run: %1</translation>
    </message>
    <message>
        <source>a PV assentou</source>
        <translation>the PV settled</translation>
    </message>
    <message>
        <source>a PV chegou ao fim da faixa</source>
        <translation>the PV reached the end of its range</translation>
    </message>
    <message>
        <source>a PV ainda se movia</source>
        <translation>the PV was still moving</translation>
    </message>
    <message>
        <source>Saída de %1 para %2 %, passo de %3 s; %4 s registrados após o degrau, %5.</source>
        <translation>Output from %1 to %2 %, %3 s steps; %4 s recorded after the step, %5.</translation>
    </message>
    <message>
        <source>Modelo: integrador com tempo morto, K·e^(−L·s)/s: K = %1 %/s por %, L = %2 s; o modelo explica R² = %3 da variância da resposta.</source>
        <translation>Model: integrator plus dead time, K·e^(−L·s)/s: K = %1 %/s per %, L = %2 s; the model explains R² = %3 of the response variance.</translation>
    </message>
    <message>
        <source>Modelo: primeira ordem com tempo morto, K·e^(−L·s)/(T·s + 1): K = %1 %/%, T = %2 s, L = %3 s; o modelo explica R² = %4 da variância da resposta.</source>
        <translation>Model: first order plus dead time, K·e^(−L·s)/(T·s + 1): K = %1 %/%, T = %2 s, L = %3 s; the model explains R² = %4 of the response variance.</translation>
    </message>
    <message>
        <source>Observação (estrutura ISA)</source>
        <translation>Note (ISA structure)</translation>
    </message>
    <message>
        <source>Observação (estrutura paralela)</source>
        <translation>Note (parallel structure)</translation>
    </message>
    <message>
        <source> (λ = %1 s)</source>
        <translation> (λ = %1 s)</translation>
    </message>
    <message>
        <source> (τc = %1 s)</source>
        <translation> (τc = %1 s)</translation>
    </message>
    <message>
        <source>não definida</source>
        <translation>not defined</translation>
    </message>
    <message>
        <source>λ inválido: &quot;%1&quot;. Digite um tempo em segundos maior que zero, ou deixe vazio para o valor sugerido.</source>
        <translation>Invalid λ: &quot;%1&quot;. Type a time in seconds above zero, or leave it empty for the suggested value.</translation>
    </message>
    <message>
        <source>A verificação não pôde ser feita: %1</source>
        <translation>The check could not be run: %1</translation>
    </message>
    <message>
        <source>O controlador %1 não existe mais.</source>
        <translation>Controller %1 no longer exists.</translation>
    </message>
    <message>
        <source>O controlador recusou os ajustes.</source>
        <translation>The controller refused the settings.</translation>
    </message>
    <message>
        <source>Aplicado ao controlador: Kp = %1, Ti = %2 s, Td = %3 s, processo de resposta %4.</source>
        <translation>Applied to the controller: Kp = %1, Ti = %2 s, Td = %3 s, %4 response process.</translation>
    </message>
    <message>
        <source>reversa</source>
        <translation>reverse</translation>
    </message>
    <message>
        <source>direta</source>
        <translation>direct</translation>
    </message>
    <message>
        <source>IMC/lambda</source>
        <translation>IMC/lambda</translation>
    </message>
    <message>
        <source>SIMC</source>
        <translation>SIMC</translation>
    </message>
    <message>
        <source>Ziegler-Nichols</source>
        <translation>Ziegler-Nichols</translation>
    </message>
    <message>
        <source>Cohen-Coon</source>
        <translation>Cohen-Coon</translation>
    </message>
    <message>
        <source>ITAE carga</source>
        <translation>ITAE load</translation>
    </message>
    <message>
        <source>ITAE SP</source>
        <translation>ITAE set point</translation>
    </message>
    <message>
        <source>o modelo não tem ganho</source>
        <translation>the model has no gain</translation>
    </message>
    <message>
        <source>o modelo não tem constante de tempo</source>
        <translation>the model has no time constant</translation>
    </message>
    <message>
        <source>a regra precisa de tempo morto</source>
        <translation>the rule needs a dead time</translation>
    </message>
    <message>
        <source>a regra precisa de tempo morto ou de τc maior que zero</source>
        <translation>the rule needs a dead time or a τc above zero</translation>
    </message>
    <message>
        <source>a fonte não trata processo integrador</source>
        <translation>the source covers no integrating process</translation>
    </message>
    <message>
        <source>para processo integrador a fonte dá só PI</source>
        <translation>for an integrating process the source gives PI only</translation>
    </message>
    <message>
        <source>o SIMC só usa derivada com uma segunda constante de tempo, que este modelo não tem</source>
        <translation>SIMC adds derivative action only for a second time constant, which this model has not</translation>
    </message>
    <message>
        <source>L/T grande demais para a correlação</source>
        <translation>L/T too large for the correlation</translation>
    </message>
    <message>
        <source>a regra não dá ajuste utilizável para este modelo</source>
        <translation>the rule gives no usable setting for this model</translation>
    </message>
    <message>
        <source>λ abaixo de 0,8 L, menos que o recomendado pela fonte</source>
        <translation>λ below 0.8 L, less than the source recommends</translation>
    </message>
    <message>
        <source>L/T = %1, fora de 0,1 ... 1, onde a correlação foi ajustada</source>
        <translation>L/T = %1, outside 0.1 ... 1 where the correlation was fitted</translation>
    </message>
    <message>
        <source>a malha não tem controlador.</source>
        <translation>the loop has no controller.</translation>
    </message>
    <message>
        <source>o controlador não tem variável de processo escolhida.</source>
        <translation>the controller has no process variable chosen.</translation>
    </message>
    <message>
        <source>um degrau de %1 % a partir da saída em %2 % sairia de 0 ... 100 %. Use um degrau menor ou de sinal contrário.</source>
        <translation>a step of %1 % from the output at %2 % would leave 0 ... 100 %. Use a smaller step or one of the other sign.</translation>
    </message>
    <message>
        <source>o ensaio registrou pouco demais para o ajuste.</source>
        <translation>the test recorded too little to fit.</translation>
    </message>
    <message>
        <source>a PV não se moveu após o degrau de %1 % na saída.</source>
        <translation>the PV did not move after the %1 % output step.</translation>
    </message>
    <message>
        <source>a resposta é pequena demais: a PV variou %1 %, menos que %2 %. Use um degrau maior.</source>
        <translation>the response is too small: the PV moved %1 %, less than %2 %. Use a larger step.</translation>
    </message>
    <message>
        <source>o modelo explica só %1 % da variância da resposta (o mínimo é %2 %): a resposta tem ruído demais ou não tem esta forma.</source>
        <translation>the model explains only %1 % of the response variance (at least %2 % needed): the response is too noisy, or not of that shape.</translation>
    </message>
    <message>
        <source> A PV chegou ao fim da faixa: use um degrau menor.</source>
        <translation> The PV reached the end of its range: use a smaller step.</translation>
    </message>
    <message>
        <source>o controlador recusou os ajustes.</source>
        <translation>the controller refused the settings.</translation>
    </message>
    <message>
        <source>A compensação direta deste controlador define o seu bias: o distúrbio de carga não age sobre ele.</source>
        <translation>This controller&apos;s feed-forward sets its bias: the load disturbance does not reach it.</translation>
    </message>
    <message>
        <source>O controlador está em remoto: o degrau no SP não age sobre ele.</source>
        <translation>The controller is in remote: the SP step does not reach it.</translation>
    </message>
    <message>
        <source>Vazio: a maior entre a constante de tempo e o tempo morto (para processo integrador, a maior entre 1/K e 2 L). Menor: malha mais rápida e menos robusta.</source>
        <translation>Empty: the larger of the time constant and the dead time (for an integrating process, the larger of 1/K and 2 L). Smaller: a faster, less robust loop.</translation>
    </message>
</context>
<context>
    <name>quiv::Recuperacao</name>
    <message>
        <source>uma simulação sem nome</source>
        <translation>an untitled simulation</translation>
    </message>
    <message>
        <source>O QUIV não foi encerrado normalmente. Há uma cópia de recuperação de %1, gravada em %2 às %3.

Restaurar a cópia? (Não: a cópia é descartada.)</source>
        <translation>QUIV did not end normally. There is a recovery copy of %1, written on %2 at %3.

Restore the copy? (No: the copy is discarded.)</translation>
    </message>
    <message>
        <source>dd/MM/yyyy</source>
        <comment>formato da data</comment>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Uma cópia de recuperação danificada foi descartada:
%1</source>
        <translation>A damaged recovery copy was discarded:
%1</translation>
    </message>
</context>
<context>
    <name>quiv::SessaoSimulacao</name>
    <message>
        <source>Erro desconhecido no ciclo de simulação</source>
        <translation>Unknown error in the simulation cycle</translation>
    </message>
</context>
<context>
    <name>quiv::TelaSinotica</name>
    <message>
        <source>Saída em M%1</source>
        <translation>Output at M%1</translation>
    </message>
    <message>
        <source> Painel de Comando </source>
        <translation>Command Panel</translation>
    </message>
</context>
</TS>
