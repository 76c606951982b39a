<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BarcodeRules</name>
    <message>
        <source>Enter the character range of 0x00 ~ 0x7F, support for 255 data FNC1 is used ~ FNC4 can 0xC1 0xC4, automatically insert the start code, check code and end code.</source>
        <translation>Digite caracteres na faixa 0x00 ~ 0x7F, até 255 dados; FNC1 ~ FNC4 são digitados como 0xC1 ~ 0xC4; o código de início, o dígito verificador e o código de fim são inseridos automaticamente.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, support 11-bit data, parity bit is automatically generated.</source>
        <translation>Digite caracteres na faixa de 0 a 9, 11 dígitos; o dígito verificador é gerado automaticamente.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, to support the six data automatically generated parity bit.</source>
        <translation>Digite caracteres na faixa de 0 a 9, 6 dígitos; o dígito verificador é gerado automaticamente.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, support 12-bit data, parity bit is automatically generated.</source>
        <translation>Digite caracteres na faixa de 0 a 9, 12 dígitos; o dígito verificador é gerado automaticamente.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, supports 7 data, the parity bit is automatically generated.</source>
        <translation>Digite caracteres na faixa de 0 a 9, 7 dígitos; o dígito verificador é gerado automaticamente.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 ~ 9, A ~ Z, SP, $,%, +, -,., /, Supports up to not more than 255 data, before and after the automatic insertion *.</source>
        <translation>Digite caracteres na faixa 0 ~ 9, A ~ Z, SP, $, %, +, -, ., /, no máximo 255 dados; o * é inserido automaticamente no início e no fim.</translation>
    </message>
    <message>
        <source>Enter the characters in the range of 0 to 9, the support 2 to 255 data and even bits.</source>
        <translation>Digite caracteres na faixa de 0 a 9, de 2 a 255 dados, em número par.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, $, +, -,, /,:, supports up to over 255, around the need to insert the A ~ D, or a ~ d.</source>
        <translation>Digite caracteres na faixa de 0 a 9, $, +, -, ., /, :, até 255 dados; no início e no fim deve haver A ~ D ou a ~ d.</translation>
    </message>
    <message>
        <source>Input characters in the range of 00H to 7FH, checksum c, k are generated automatically.</source>
        <translation>Digite caracteres na faixa de 00H a 7FH; os caracteres de verificação C e K são gerados automaticamente.</translation>
    </message>
</context>
<context>
    <name>C2DCode</name>
    <message>
        <source>The data empty</source>
        <translation>Sem dados</translation>
    </message>
    <message>
        <source>Entered incorrectly, make sure</source>
        <translation>Entrada incorreta, verifique</translation>
    </message>
    <message>
        <source>The data is too long: at most 65532 bytes</source>
        <translation>Os dados são longos demais: no máximo 65532 bytes</translation>
    </message>
    <message>
        <source>Code Style:</source>
        <translation>Tipo código:</translation>
    </message>
    <message>
        <source>Code Data:</source>
        <translation>Dados código:</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Code parameters</source>
        <translation>Parâmetros do código</translation>
    </message>
</context>
<context>
    <name>CBarcode</name>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Above the Barcode</source>
        <translation>Acima do código</translation>
    </message>
    <message>
        <source>Below the Barcode</source>
        <translation>Abaixo do código</translation>
    </message>
    <message>
        <source>Above &amp; below the Barcode</source>
        <translation>Acima &amp; abaixo do código</translation>
    </message>
    <message>
        <source>Unit width:</source>
        <translation>Larg. módulo:</translation>
    </message>
    <message>
        <source>Barcode Height:</source>
        <translation>Altura código:</translation>
    </message>
    <message>
        <source>Display:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Código:</translation>
    </message>
    <message>
        <source>Barcode data:</source>
        <translation>Dados código:</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instruções:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Unit width of between 1 and 6</source>
        <translation>Largura do módulo entre 1 e 6</translation>
    </message>
    <message>
        <source>Bar code height of 1 to 255</source>
        <translation>Altura do código de barras de 1 a 255</translation>
    </message>
    <message>
        <source>Entered incorrectly, make sure</source>
        <translation>Entrada incorreta, verifique</translation>
    </message>
</context>
<context>
    <name>CDMTX</name>
    <message>
        <source>Version:</source>
        <translation>Versão:</translation>
    </message>
    <message>
        <source>Module width:</source>
        <translation>Larg. módulo:</translation>
    </message>
    <message>
        <source>模块宽度为2~8</source>
        <translation>A largura do módulo é 2~8</translation>
    </message>
</context>
<context>
    <name>CLampButton</name>
    <message>
        <source>on</source>
        <translation>aceso</translation>
    </message>
    <message>
        <source>off</source>
        <translation>apagado</translation>
    </message>
</context>
<context>
    <name>CLayOut</name>
    <message>
        <source>[Sa]~[Sf]:</source>
        <translation>[Sa]~[Sf]:</translation>
    </message>
    <message>
        <source>Sm:</source>
        <translation>Sm:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Definir</translation>
    </message>
    <message>
        <source>Set [Sa]~[Sf]</source>
        <translation>Definir [Sa]~[Sf]</translation>
    </message>
    <message>
        <source>AD:</source>
        <translation>AD:</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impressora:</translation>
    </message>
    <message>
        <source>ADTH1~4:</source>
        <translation>ADTH1~4:</translation>
    </message>
    <message>
        <source>Set ADTH1~4</source>
        <translation>Definir ADTH1~4</translation>
    </message>
    <message>
        <source>DIS1~3:</source>
        <translation>DIS1~3:</translation>
    </message>
    <message>
        <source>Set DIS1~3</source>
        <translation>Definir DIS1~3</translation>
    </message>
    <message>
        <source>Feed tear position</source>
        <translation>Avançar p/ pos. destaque</translation>
    </message>
    <message>
        <source>Feed cut position</source>
        <translation>Avançar p/ pos. corte</translation>
    </message>
    <message>
        <source>Feed print position</source>
        <translation>Avançar p/ pos. impressão</translation>
    </message>
</context>
<context>
    <name>CPDF417</name>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Auto X</source>
        <translation>Auto X</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Auto Y</source>
        <translation>Auto Y</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largura:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Error correction level:</source>
        <translation>Nível correção de erros:</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Truncado</translation>
    </message>
    <message>
        <source>Row range of 3 to 90</source>
        <translation>Linhas de 3 a 90</translation>
    </message>
    <message>
        <source>Columns range from 1 to 30</source>
        <translation>Colunas de 1 a 30</translation>
    </message>
    <message>
        <source>Unit width of 2 to 8</source>
        <translation>Largura do módulo de 2 a 8</translation>
    </message>
    <message>
        <source>Line height of 2 to 8</source>
        <translation>Altura da linha de 2 a 8</translation>
    </message>
</context>
<context>
    <name>CQRCode</name>
    <message>
        <source>Version:</source>
        <translation>Versão:</translation>
    </message>
    <message>
        <source>Module width:</source>
        <translation>Larg. módulo:</translation>
    </message>
    <message>
        <source>Error correction level:</source>
        <translation>Nível correção de erros:</translation>
    </message>
    <message>
        <source>Module width is 1 ~ 16</source>
        <translation>A largura do módulo é 1 ~ 16</translation>
    </message>
</context>
<context>
    <name>CRecordsModel</name>
    <message>
        <source>checked</source>
        <translation>marcado</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>desmarcado</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Dicas</translation>
    </message>
</context>
<context>
    <name>CTalvaneApp</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>--log-level takes error, warning or info, not &quot;%1&quot;</source>
        <translation>--log-level aceita error, warning ou info, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set)</source>
        <translation>nenhum display encontrado (DISPLAY não está definido)</translation>
    </message>
    <message>
        <source>the display %1 is not running (no %2)</source>
        <translation>o display %1 não está em execução (não existe %2)</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>não é possível gravar %1</translation>
    </message>
    <message>
        <source>talvane: %1.
Run it under a virtual display:
  xvfb-run -a talvane
or render its window to a picture without any display:
  talvane --screenshot window.png
</source>
        <translation>talvane: %1.
Execute-o num display virtual:
  xvfb-run -a talvane
ou desenhe a janela numa imagem sem nenhum display:
  talvane --screenshot window.png
</translation>
    </message>
    <message>
        <source>--tap needs the program side and the printer</source>
        <translation>--tap precisa do lado do programa e da impressora</translation>
    </message>
    <message>
        <source>Usage: talvane [--port PATH | --port tcp://HOST[:PORT]]... [--screenshot FILE.png]
               [--reset-settings] [--log-level LEVEL] [--no-log] [--lang CODE]
               [--tap PROGRAM-SIDE PRINTER]
Test console for thermal receipt and label printers on a serial port, USB or
the network.

  --port PATH          also list this device: a serial device (a pseudo-terminal
                       or a /dev/serial/by-id link is fine, listed as COM901,
                       COM902, ... in the order given) or a USB printer
                       (/dev/usb/lp0, listed as USB1); repeatable
  --port tcp://HOST[:PORT]
                       also list this network printer (raw TCP, port 9100
                       when left out), listed as NET1, NET2, ...
  --screenshot FILE    render the window as it looks after start-up into a PNG
                       file and quit (needs no display)
  --reset-settings     forget the remembered port, lists, folders and window
                       place, and start as on the first day
  --log-level LEVEL    what the event log keeps: error, warning or info (all;
                       the default)
  --no-log             keep the event log in memory only (Ctrl+L shows it)
  --lang CODE          speak this language: de, es, pt_BR, ru, zh_CN, or en (the
                       source texts); without it the desktop&apos;s language
                       (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) is spoken
  --tap PROGRAM-SIDE PRINTER
                       open the Tap window (Ctrl+T) and start it: the program
                       side is pty:PATH, tcp-listen:ADDR:PORT or passive:A,B
                       (no printer then), the printer a port name (COM3,
                       NET1), a device path or tcp://HOST:PORT
  --help               show this text
  --version            show the version

The event log is kept in $XDG_STATE_HOME/talvane (~/.local/state/talvane),
one file per day; the oldest days go when the files pass 10 MiB.

The console needs a display. Without one, run it under a virtual display:
  xvfb-run -a talvane
</source>
        <translation>Uso: talvane [--port PATH | --port tcp://HOST[:PORT]]... [--screenshot FILE.png]
               [--reset-settings] [--log-level LEVEL] [--no-log] [--lang CODE]
               [--tap PROGRAM-SIDE PRINTER]
Console de testes para impressoras térmicas de cupom e etiqueta em porta serial, USB
ou rede.

  --port PATH          listar também este dispositivo: um dispositivo serial (serve um
                       pseudoterminal ou um link de /dev/serial/by-id, listado como
                       COM901, COM902, ... na ordem dada) ou uma impressora USB
                       (/dev/usb/lp0, listada como USB1); repetível
  --port tcp://HOST[:PORT]
                       listar também esta impressora de rede (TCP bruto, porta 9100
                       se omitida), listada como NET1, NET2, ...
  --screenshot FILE    desenhar a janela como fica após a inicialização num arquivo
                       PNG e sair (não precisa de display)
  --reset-settings     esquecer a porta, as listas, as pastas e a posição da janela
                       lembradas, e iniciar como no primeiro dia
  --log-level LEVEL    o que o log de eventos guarda: error, warning ou info (tudo;
                       o padrão)
  --no-log             manter o log de eventos só na memória (Ctrl+L o mostra)
  --lang CODE          usar este idioma: de, es, pt_BR, ru, zh_CN ou en (os textos
                       originais); sem ela é usado o idioma da área de trabalho
                       (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  --tap PROGRAM-SIDE PRINTER
                       abrir a janela Derivação (Ctrl+T) e iniciá-la: o lado do
                       programa é pty:PATH, tcp-listen:ADDR:PORT ou passive:A,B
                       (então sem impressora), a impressora um nome de porta
                       (COM3, NET1), um caminho de dispositivo ou tcp://HOST:PORT
  --help               mostrar este texto
  --version            mostrar a versão

O log de eventos fica em $XDG_STATE_HOME/talvane (~/.local/state/talvane),
um arquivo por dia; os dias mais antigos saem quando os arquivos passam de 10 MiB.

O console precisa de um display. Sem um, execute-o num display virtual:
  xvfb-run -a talvane
</translation>
    </message>
</context>
<context>
    <name>CTalvaneDlg</name>
    <message>
        <source>Expected receipt</source>
        <translation>Cupom esperado</translation>
    </message>
    <message>
        <source>Font Sample</source>
        <translation>Amostra fonte</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margens</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>Coordenada</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidade</translation>
    </message>
    <message>
        <source>Horizon tab</source>
        <translation>Tab horiz.</translation>
    </message>
    <message>
        <source>Verti tab</source>
        <translation>Tab vert.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alinhamento</translation>
    </message>
    <message>
        <source>Bar-code</source>
        <translation>Cód. barras</translation>
    </message>
    <message>
        <source>QRCode</source>
        <translation>QRCode</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Corte</translation>
    </message>
    <message>
        <source>Quick Test</source>
        <translation>Teste rápido</translation>
    </message>
    <message>
        <source>Picture Printing</source>
        <translation>Impressão de imagem</translation>
    </message>
    <message>
        <source>Picture preview</source>
        <translation>Prévia da imagem</translation>
    </message>
    <message>
        <source>Preview horizontal scroll</source>
        <translation>Rolagem horizontal da prévia</translation>
    </message>
    <message>
        <source>Preview vertical scroll</source>
        <translation>Rolagem vertical da prévia</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Limiar</translation>
    </message>
    <message>
        <source>Bit-image mode</source>
        <translation>Modo imagem de bits</translation>
    </message>
    <message>
        <source>Raser bit image</source>
        <translation>Imagem raster</translation>
    </message>
    <message>
        <source>Picture density</source>
        <translation>Densidade da imagem</translation>
    </message>
    <message>
        <source>Picture path</source>
        <translation>Caminho da imagem</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Wider than paper</source>
        <translation>Mais larga que papel</translation>
    </message>
    <message>
        <source>Rows per block</source>
        <translation>Linhas por bloco</translation>
    </message>
    <message>
        <source>Rows per raster block, sent paced to the line with progress and Cancel; &quot;One block&quot; sends it at once</source>
        <translation>Linhas por bloco raster, enviadas no ritmo da linha com progresso e Cancelar; &quot;Um bloco&quot; envia tudo de uma vez</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>Girar 90°</translation>
    </message>
    <message>
        <source>Wider</source>
        <translation>Mais larga</translation>
    </message>
    <message>
        <source>Rows/block</source>
        <translation>Linhas/bloco</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>Tamanho imagem</translation>
    </message>
    <message>
        <source>Picture sent</source>
        <translation>Imagem enviada</translation>
    </message>
    <message>
        <source>Picture progress</source>
        <translation>Progresso da imagem</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Outros</translation>
    </message>
    <message>
        <source>8-dot single-density</source>
        <translation>8 pontos densidade simples</translation>
    </message>
    <message>
        <source>8-dot double-density</source>
        <translation>8 pontos densidade dupla</translation>
    </message>
    <message>
        <source>24-dot single-density</source>
        <translation>24 pontos densidade simples</translation>
    </message>
    <message>
        <source>24-dot double-density</source>
        <translation>24 pontos densidade dupla</translation>
    </message>
    <message>
        <source>Are you sure to quit?</source>
        <translation>Tem certeza de que deseja sair?</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Please Open the Port</source>
        <translation>Abra a porta, por favor</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Cód. barras</translation>
    </message>
    <message>
        <source>Two-dimensional code</source>
        <translation>Código 2D</translation>
    </message>
    <message>
        <source>Label/BM</source>
        <translation>Etiqueta/BM</translation>
    </message>
</context>
<context>
    <name>CodeLimits</name>
    <message>
        <source>Square auto</source>
        <translation>Quadrado auto</translation>
    </message>
    <message>
        <source>Rect auto</source>
        <translation>Retâng. auto</translation>
    </message>
    <message>
        <source>Shape auto</source>
        <translation>Forma auto</translation>
    </message>
</context>
<context>
    <name>EventLogWindow</name>
    <message>
        <source>Event log...</source>
        <translation>Log de eventos...</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Log de eventos</translation>
    </message>
    <message>
        <source>Show events of kind</source>
        <translation>Mostrar eventos do tipo</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Todos os eventos</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Not kept on disk</source>
        <translation>Não gravado em disco</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Gravado em %1</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
</context>
<context>
    <name>ExpectedReceiptWindow</name>
    <message>
        <source>Expected receipt</source>
        <translation>Cupom esperado</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message numerus="yes">
        <source>%n older receipt(s) let go; the window keeps the newest</source>
        <translation>
            <numerusform>%n recibo antigo descartado; a janela mantém os mais recentes</numerusform>
            <numerusform>%n recibos antigos descartados; a janela mantém os mais recentes</numerusform>
        </translation>
    </message>
    <message>
        <source>Receipts let go</source>
        <translation>Recibos descartados</translation>
    </message>
</context>
<context>
    <name>FixedMappingNotice</name>
    <message>
        <source>Sent in the console&apos;s own mapping (%1): most printers print these bytes as other characters. Choose the printer&apos;s code page in the &quot;Code page&quot; list to send text in it.</source>
        <translation>Enviado no mapeamento próprio do console (%1): a maioria das impressoras imprime esses bytes como outros caracteres. Escolha a página de código da impressora na lista &quot;Página de código&quot; para enviar texto nela.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>there is no %1 translation; the languages are: en, %2</source>
        <translation>não há tradução %1; os idiomas são: en, %2</translation>
    </message>
    <message>
        <source>the %1 translation is missing from the program</source>
        <translation>a tradução %1 está faltando no programa</translation>
    </message>
</context>
<context>
    <name>NumberList</name>
    <message>
        <source>Please enter the six figures, &quot;;&quot; to separate</source>
        <translation>Digite seis números separados por &quot;;&quot;</translation>
    </message>
    <message>
        <source>The data range of -99 to 999</source>
        <translation>Faixa de dados de -99 a 999</translation>
    </message>
    <message>
        <source>Please enter the four digits, use the &quot;;&quot; to separate</source>
        <translation>Digite quatro números separados por &quot;;&quot;</translation>
    </message>
    <message>
        <source>Data range from 1 to 3299</source>
        <translation>Faixa de dados de 1 a 3299</translation>
    </message>
    <message>
        <source>Please enter the three digits, &quot;;&quot; separated</source>
        <translation>Digite três números separados por &quot;;&quot;</translation>
    </message>
    <message>
        <source>The data range from 0 to 999</source>
        <translation>Faixa de dados de 0 a 999</translation>
    </message>
</context>
<context>
    <name>PacedSender</name>
    <message>
        <source>%1 was not sent: the printer has taken nothing of the picture for %2 s. Cancel the picture, or try again when it takes data.</source>
        <translation>%1 não foi enviado: a impressora não aceitou nada da imagem por %2 s. Cancele a imagem ou tente de novo quando ela aceitar dados.</translation>
    </message>
    <message>
        <source>The setting</source>
        <translation>A configuração</translation>
    </message>
</context>
<context>
    <name>PageControls</name>
    <message>
        <source>Note</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>PictureConversion</name>
    <message>
        <source>not a picture format this program reads (%1)</source>
        <translation>não é um formato de imagem que este programa lê (%1)</translation>
    </message>
    <message>
        <source>the %1 file ends before its picture does</source>
        <translation>o arquivo %1 termina antes da sua imagem</translation>
    </message>
    <message>
        <source>the %1 decoder failed: %2</source>
        <translation>o decodificador de %1 falhou: %2</translation>
    </message>
</context>
<context>
    <name>PictureFit</name>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>%1 x %2 scaled to %3 x %4</source>
        <translation>%1 x %2 redimensionada para %3 x %4</translation>
    </message>
    <message>
        <source>%1 x %2 cropped to %3 x %4</source>
        <translation>%1 x %2 recortada para %3 x %4</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>Picture preview</source>
        <translation>Prévia da imagem</translation>
    </message>
    <message>
        <source>Fit to box</source>
        <translation>Ajustar à caixa</translation>
    </message>
</context>
<context>
    <name>PicturePrinter</name>
    <message>
        <source>8-dot single-density</source>
        <translation>8 pontos densidade simples</translation>
    </message>
    <message>
        <source>8-dot double-density</source>
        <translation>8 pontos densidade dupla</translation>
    </message>
    <message>
        <source>24-dot single-density</source>
        <translation>24 pontos densidade simples</translation>
    </message>
    <message>
        <source>24-dot double-density</source>
        <translation>24 pontos densidade dupla</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Double-width</source>
        <translation>Largura dupla</translation>
    </message>
    <message>
        <source>Double-height</source>
        <translation>Altura dupla</translation>
    </message>
    <message>
        <source>Quadruple</source>
        <translation>Quádruplo</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Picture load fail</source>
        <translation>Falha ao carregar a imagem</translation>
    </message>
    <message>
        <source>picture load fail</source>
        <translation>falha ao carregar a imagem</translation>
    </message>
    <message>
        <source>Threshold can not be greater than 255</source>
        <translation>O limiar não pode ser maior que 255</translation>
    </message>
    <message>
        <source>Picture height can not be greater than 65535</source>
        <translation>A altura da imagem não pode ser maior que 65535</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>One block</source>
        <translation>Um bloco</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Limiar</translation>
    </message>
    <message>
        <source>Floyd-Steinberg</source>
        <translation>Floyd-Steinberg</translation>
    </message>
    <message>
        <source>Atkinson</source>
        <translation>Atkinson</translation>
    </message>
    <message>
        <source>Ordered (Bayer 8x8)</source>
        <translation>Ordenado (Bayer 8x8)</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Scale to fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>BMP file(*.bmp)|*.bmp|JPEG/JPG files(*.jpg,*.jpeg)|*.jpg;*.jpeg|PNG files(*.png)|*.png|GIF files(*.gif)|*.gif|Others(*.*)|*.*||</source>
        <translation>Arquivo BMP(*.bmp)|*.bmp|Arquivos JPEG/JPG(*.jpg,*.jpeg)|*.jpg;*.jpeg|Arquivos PNG(*.png)|*.png|Arquivos GIF(*.gif)|*.gif|Outros(*.*)|*.*||</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Todas as imagens</translation>
    </message>
    <message>
        <source>%1 of %2 bytes, %3 of %4 rows</source>
        <translation>%1 de %2 bytes, %3 de %4 linhas</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, faltam cerca de %1 s</translation>
    </message>
    <message>
        <source>Stopped: the printer on %1 was lost after %2 rows</source>
        <translation>Parado: a impressora em %1 foi perdida após %2 linhas</translation>
    </message>
    <message>
        <source>Stopped for %1: %2 of %3 rows sent; %4 blocks (%5 rows) dropped</source>
        <translation>Parado por %1: %2 de %3 linhas enviadas; %4 blocos (%5 linhas) descartados</translation>
    </message>
    <message>
        <source>Cancelled: %1 of %2 rows sent, in %3 of %4 blocks</source>
        <translation>Cancelado: %1 de %2 linhas enviadas, em %3 de %4 blocos</translation>
    </message>
    <message>
        <source>Sent: %1 rows, %2 bytes, in %3 blocks</source>
        <translation>Enviado: %1 linhas, %2 bytes, em %3 blocos</translation>
    </message>
</context>
<context>
    <name>PortPanel</name>
    <message>
        <source>Open COM</source>
        <translation>Abrir COM</translation>
    </message>
    <message>
        <source>Close COM</source>
        <translation>Fechar COM</translation>
    </message>
    <message>
        <source>Open the serial port error</source>
        <translation>Erro ao abrir a porta serial</translation>
    </message>
    <message>
        <source>A USB or network printer has no baud rate or handshake lines; the printer&apos;s own settings apply.</source>
        <translation>Uma impressora USB ou de rede não tem taxa de transmissão nem linhas de handshake; valem as configurações da própria impressora.</translation>
    </message>
    <message>
        <source>The baud rate cannot be set on this port: a USB or network printer has no baud rate.</source>
        <translation>A taxa de transmissão não pode ser definida nesta porta: uma impressora USB ou de rede não tem taxa de transmissão.</translation>
    </message>
    <message>
        <source>The handshaking cannot be set on this port: a USB or network printer has no handshake lines.</source>
        <translation>O handshake não pode ser definido nesta porta: uma impressora USB ou de rede não tem linhas de handshake.</translation>
    </message>
    <message>
        <source> – absent</source>
        <translation> – ausente</translation>
    </message>
    <message>
        <source>This device is not there now; the list shows it again when it comes back.</source>
        <translation>Este dispositivo não está presente agora; a lista volta a mostrá-lo quando ele retornar.</translation>
    </message>
    <message>
        <source>The printer on %1 is gone. The port opens again by itself when the same printer is back; Close COM stops waiting.</source>
        <translation>A impressora em %1 sumiu. A porta abre de novo sozinha quando a mesma impressora voltar; &quot;Fechar COM&quot; para de esperar.</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1 não está presente</translation>
    </message>
    <message>
        <source>The printer on %1 is back: reconnected</source>
        <translation>A impressora em %1 voltou: reconectada</translation>
    </message>
    <message>
        <source>Choose a port, or type a device path (/dev/...) or tcp://HOST:PORT and press Enter.</source>
        <translation>Escolha uma porta ou digite um caminho de dispositivo (/dev/...) ou tcp://HOST:PORT e pressione Enter.</translation>
    </message>
    <message>
        <source>Type a device path starting with / or a network printer as tcp://HOST:PORT.</source>
        <translation>Digite um caminho de dispositivo começando com / ou uma impressora de rede como tcp://HOST:PORT.</translation>
    </message>
    <message>
        <source>No more ports can be added to the list.</source>
        <translation>Não é possível adicionar mais portas à lista.</translation>
    </message>
    <message>
        <source>%1 closed: %2 bytes were not delivered</source>
        <translation>%1 fechada: %2 bytes não foram entregues</translation>
    </message>
    <message>
        <source>%1 closed: the port could not say whether everything was delivered</source>
        <translation>%1 fechada: a porta não pôde informar se tudo foi entregue</translation>
    </message>
    <message>
        <source>本计算机上没有发现可用串口</source>
        <translation>Nenhuma porta serial disponível foi encontrada neste computador</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Interface:</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>Handshaking:</source>
        <translation>Handshake:</translation>
    </message>
    <message>
        <source>Models:</source>
        <translation>Modelos:</translation>
    </message>
    <message>
        <source>COM Open</source>
        <translation>Abrir COM</translation>
    </message>
    <message>
        <source>Printer Init</source>
        <translation>Iniciar impr.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Definir</translation>
    </message>
    <message>
        <source>Set baud rate</source>
        <translation>Definir baud rate</translation>
    </message>
    <message>
        <source>Set handshaking</source>
        <translation>Definir handshake</translation>
    </message>
    <message>
        <source>Talvane logo</source>
        <translation>Logotipo Talvane</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
</context>
<context>
    <name>PortSetup</name>
    <message>
        <source>No device has this port number.</source>
        <translation>Nenhum dispositivo tem este número de porta.</translation>
    </message>
    <message>
        <source>%1 does not exist (is the adapter plugged in?).</source>
        <translation>%1 não existe (o adaptador está conectado?).</translation>
    </message>
    <message>
        <source>No permission to use %1: add your user to the group &quot;%2&quot; (sudo usermod -aG %2 $USER), then log in again.</source>
        <translation>Sem permissão para usar %1: adicione seu usuário ao grupo &quot;%2&quot; (sudo usermod -aG %2 $USER) e entre novamente na sessão.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, or is not a serial port.</source>
        <translation>%1 está em uso por outro programa ou não é uma porta serial.</translation>
    </message>
    <message>
        <source>Cannot connect to %1</source>
        <translation>Não é possível conectar a %1</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Não é possível conectar a %1: %2</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>erro %1</translation>
    </message>
    <message>
        <source>The printer on %1 is gone (%2)</source>
        <translation>A impressora em %1 sumiu (%2)</translation>
    </message>
    <message>
        <source>%1 bytes waiting to be sent were dropped, not sent.</source>
        <translation>%1 bytes aguardando envio foram descartados, não enviados.</translation>
    </message>
</context>
<context>
    <name>RecordsPanel</name>
    <message>
        <source>no data</source>
        <translation>sem dados</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Sem dados</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Falha ao salvar</translation>
    </message>
    <message>
        <source>Import failed</source>
        <translation>Falha ao importar</translation>
    </message>
    <message>
        <source>The file is too large to import</source>
        <translation>O arquivo é grande demais para importar</translation>
    </message>
    <message>
        <source>Row %1 is not hex text; nothing was sent</source>
        <translation>A linha %1 não é texto hexadecimal; nada foi enviado</translation>
    </message>
    <message>
        <source> Prompt</source>
        <translation> Aviso</translation>
    </message>
    <message>
        <source>Operational records</source>
        <translation>Registro de operações</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Resend</source>
        <translation>Reenviar</translation>
    </message>
    <message>
        <source>The contents of the file does not meet the hex command mode, the import operation was canceled 
Line %1 is not hex text of whole bytes.</source>
        <translation>O conteúdo do arquivo não corresponde ao modo de comandos hexadecimal; a importação foi cancelada 
A linha %1 não é texto hexadecimal de bytes inteiros.</translation>
    </message>
</context>
<context>
    <name>RememberedSettings</name>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>não é possível remover %1: %2</translation>
    </message>
    <message>
        <source>the remembered settings in %1 could not be read; starting from the defaults</source>
        <translation>as configurações lembradas em %1 não puderam ser lidas; iniciando com os padrões</translation>
    </message>
    <message>
        <source>the settings could not be saved in %1; this session goes on without them</source>
        <translation>as configurações não puderam ser salvas em %1; esta sessão continua sem elas</translation>
    </message>
</context>
<context>
    <name>SendReceivePanel</name>
    <message>
        <source>Save failed</source>
        <translation>Falha ao salvar</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The contents of the file does not meet the hex command mode, the import operation is canceled</source>
        <translation>O conteúdo do arquivo não corresponde ao modo de comandos hexadecimal; a importação é cancelada</translation>
    </message>
    <message>
        <source>The file is too large to send</source>
        <translation>O arquivo é grande demais para enviar</translation>
    </message>
    <message>
        <source>The file is too large to import</source>
        <translation>O arquivo é grande demais para importar</translation>
    </message>
    <message>
        <source>Send Data</source>
        <translation>Enviar dados</translation>
    </message>
    <message>
        <source>File path</source>
        <translation>Caminho do arquivo</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Send text</source>
        <translation>Enviar texto</translation>
    </message>
    <message>
        <source>Receive Data</source>
        <translation>Receber dados</translation>
    </message>
    <message>
        <source>Reply in words</source>
        <translation>Resposta em palavras</translation>
    </message>
</context>
<context>
    <name>SettingPanel</name>
    <message>
        <source>Set the line spacing can&apos;t greater than 255</source>
        <translation>O espaçamento entre linhas não pode ser maior que 255</translation>
    </message>
    <message>
        <source>The left margin and right margin should be less than%1</source>
        <translation>As margens esquerda e direita devem ser menores que %1</translation>
    </message>
    <message>
        <source>Absolute coordinates should be less than%1</source>
        <translation>As coordenadas absolutas devem ser menores que %1</translation>
    </message>
    <message>
        <source>Set of feeding distance can&apos;t greater than 255</source>
        <translation>A distância de avanço não pode ser maior que 255</translation>
    </message>
    <message>
        <source>Double-high</source>
        <translation>Altura dupla</translation>
    </message>
    <message>
        <source>Double-width</source>
        <translation>Largura dupla</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrito</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Moldura</translation>
    </message>
    <message>
        <source>Underscore</source>
        <translation>Sublinhado</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Font1</source>
        <translation>Font1</translation>
    </message>
    <message>
        <source>Font2</source>
        <translation>Font2</translation>
    </message>
    <message>
        <source>Font3</source>
        <translation>Font3</translation>
    </message>
    <message>
        <source>Left home</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right home</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>low-speed</source>
        <translation>baixa</translation>
    </message>
    <message>
        <source>middle-speed</source>
        <translation>média</translation>
    </message>
    <message>
        <source>high-speed</source>
        <translation>alta</translation>
    </message>
    <message>
        <source>Printer Setting</source>
        <translation>Config. da impressora</translation>
    </message>
    <message>
        <source>Line spacing</source>
        <translation>Entrelinhas</translation>
    </message>
    <message>
        <source>Left margin</source>
        <translation>Margem esq.</translation>
    </message>
    <message>
        <source>Right margin</source>
        <translation>Margem dir.</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alinhamento</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidade</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>Coordenada</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Definir</translation>
    </message>
    <message>
        <source>Code page</source>
        <translation>Pág. código</translation>
    </message>
    <message>
        <source>Cut and feed</source>
        <translation>Corte e avanço</translation>
    </message>
    <message>
        <source>Haft-Cut</source>
        <translation>Parcial</translation>
    </message>
    <message>
        <source>Full-Cut</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Avanço</translation>
    </message>
    <message>
        <source>Feed distance</source>
        <translation>Distância de avanço</translation>
    </message>
    <message>
        <source>Back distance</source>
        <translation>Distância de retrocesso</translation>
    </message>
    <message>
        <source>Cut Mode</source>
        <translation>Modo corte</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Recuar</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Paper-end</source>
        <translation>Fim papel</translation>
    </message>
    <message>
        <source>Overheat</source>
        <translation>Superaquec.</translation>
    </message>
    <message>
        <source>Overvoltage</source>
        <translation>Sobretensão</translation>
    </message>
    <message>
        <source>Platen-up</source>
        <translation>Tampa aberta</translation>
    </message>
    <message>
        <source>Cutter-out</source>
        <translation>Erro guilh.</translation>
    </message>
    <message>
        <source>BUSY</source>
        <translation>BUSY</translation>
    </message>
    <message>
        <source>No answer from the printer</source>
        <translation>Sem resposta da impressora</translation>
    </message>
    <message>
        <source>No answer from the printer (last answer at %1)</source>
        <translation>Sem resposta da impressora (última resposta às %1)</translation>
    </message>
    <message>
        <source>Last answer at %1</source>
        <translation>Última resposta às %1</translation>
    </message>
    <message>
        <source>Printer status</source>
        <translation>Status da impressora</translation>
    </message>
    <message>
        <source>Note: BUSY status in the hardware flow control</source>
        <translation>Nota: status BUSY no controle de fluxo por hardware</translation>
    </message>
    <message>
        <source>Read status</source>
        <translation>Ler status</translation>
    </message>
    <message>
        <source>Clear-Buf</source>
        <translation>Limpar buf.</translation>
    </message>
    <message>
        <source>Printer answer</source>
        <translation>Resposta da impressora</translation>
    </message>
</context>
<context>
    <name>SymbolFit</name>
    <message>
        <source>QR code</source>
        <translation>código QR</translation>
    </message>
    <message>
        <source>width</source>
        <translation>largura</translation>
    </message>
    <message>
        <source>module size</source>
        <translation>tamanho do módulo</translation>
    </message>
    <message>
        <source>module width</source>
        <translation>largura do módulo</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; at %3 %4 is %5 dots, wider than the %6 of %7 mm: it will not print</source>
        <translation>%1 &apos;%2&apos; com %3 %4 tem %5 pontos, mais que os %6 pontos de %7 mm: não será impresso</translation>
    </message>
</context>
<context>
    <name>TapRowsModel</name>
    <message>
        <source>to printer</source>
        <translation>para a impressora</translation>
    </message>
    <message>
        <source>to program</source>
        <translation>para o programa</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>unknown command</source>
        <translation>comando desconhecido</translation>
    </message>
    <message>
        <source>cut off</source>
        <translation>cortado</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sem resposta</translation>
    </message>
    <message>
        <source>sent while held</source>
        <translation>enviado enquanto retido</translation>
    </message>
    <message>
        <source> ... (%1 bytes)</source>
        <translation> ... (%1 bytes)</translation>
    </message>
    <message>
        <source>+%1 ms</source>
        <translation>+%1 ms</translation>
    </message>
    <message>
        <source>!! %1</source>
        <translation>!! %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Since previous</source>
        <translation>Desde a anterior</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direção</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Command or reply</source>
        <translation>Comando ou resposta</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
</context>
<context>
    <name>TapWindow</name>
    <message>
        <source>%1: the picture cannot be made</source>
        <translation>%1: não é possível gerar a imagem</translation>
    </message>
    <message>
        <source>Tap...</source>
        <translation>Derivação...</translation>
    </message>
    <message>
        <source>Tap</source>
        <translation>Derivação</translation>
    </message>
    <message>
        <source>Pseudo-terminal</source>
        <translation>Pseudoterminal</translation>
    </message>
    <message>
        <source>TCP listener</source>
        <translation>Escuta TCP</translation>
    </message>
    <message>
        <source>Passive tap (two lines)</source>
        <translation>Derivação passiva (duas linhas)</translation>
    </message>
    <message>
        <source>Program side</source>
        <translation>Lado do programa</translation>
    </message>
    <message>
        <source>Program&apos;s port</source>
        <translation>Porta do programa</translation>
    </message>
    <message>
        <source>Program&apos;s line</source>
        <translation>Linha do programa</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impressora</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Conversation</source>
        <translation>Conversa</translation>
    </message>
    <message>
        <source>Expected receipt</source>
        <translation>Cupom esperado</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Save capture...</source>
        <translation>Salvar captura...</translation>
    </message>
    <message>
        <source>Save capture</source>
        <translation>Salvar captura</translation>
    </message>
    <message>
        <source>Save records...</source>
        <translation>Salvar registro...</translation>
    </message>
    <message>
        <source>Save records</source>
        <translation>Salvar registro</translation>
    </message>
    <message>
        <source>Save receipts...</source>
        <translation>Salvar cupons...</translation>
    </message>
    <message>
        <source>Save receipts</source>
        <translation>Salvar cupons</translation>
    </message>
    <message>
        <source>Program side:</source>
        <translation>Lado do programa:</translation>
    </message>
    <message>
        <source>Printer&apos;s line:</source>
        <translation>Linha da impressora:</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impressora:</translation>
    </message>
    <message>
        <source>The address programs connect to, ADDRESS:PORT</source>
        <translation>O endereço ao qual os programas se conectam, ADDRESS:PORT</translation>
    </message>
    <message>
        <source>The path the program opens as its printer&apos;s port</source>
        <translation>O caminho que o programa abre como porta da sua impressora</translation>
    </message>
    <message>
        <source>No printer port is chosen.</source>
        <translation>Nenhuma porta de impressora foi escolhida.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port of the list, a device path or tcp://HOST:PORT.</source>
        <translation>&quot;%1&quot; não é uma porta da lista, um caminho de dispositivo nem tcp://HOST:PORT.</translation>
    </message>
    <message>
        <source>The tap cannot start:
%1</source>
        <translation>A derivação não pode iniciar:
%1</translation>
    </message>
    <message>
        <source>Running; programs connect to %1</source>
        <translation>Em execução; os programas se conectam a %1</translation>
    </message>
    <message>
        <source>Running; %1</source>
        <translation>Em execução; %1</translation>
    </message>
    <message>
        <source>Stopped; the ports are released</source>
        <translation>Parada; as portas foram liberadas</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Não iniciada</translation>
    </message>
    <message>
        <source>; %1 bytes passed undecoded</source>
        <translation>; %1 bytes passaram sem decodificação</translation>
    </message>
    <message>
        <source>; %1 rows dropped from the window (it keeps the last %2)</source>
        <translation>; %1 linhas removidas da janela (ela guarda as últimas %2)</translation>
    </message>
    <message>
        <source>Capture files(*.txt)|*.txt|All files(*)|*||</source>
        <translation>Arquivos de captura(*.txt)|*.txt|Todos os arquivos(*)|*||</translation>
    </message>
    <message>
        <source>The capture was not saved:
%1</source>
        <translation>A captura não foi salva:
%1</translation>
    </message>
    <message>
        <source>Capture saved to %1</source>
        <translation>Captura salva em %1</translation>
    </message>
    <message>
        <source>TXT files(*.txt)|*.txt||</source>
        <translation>Arquivos TXT(*.txt)|*.txt||</translation>
    </message>
    <message>
        <source>The records were not saved:
%1</source>
        <translation>O registro não foi salvo:
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) of the program&apos;s side saved to %1</source>
        <translation>
            <numerusform>%n registro(s) do lado do programa salvo(s) em %1</numerusform>
            <numerusform>%n registro(s) do lado do programa salvo(s) em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The program printed no receipt.</source>
        <translation>O programa não imprimiu nenhum cupom.</translation>
    </message>
    <message>
        <source>PNG pictures(*.png)|*.png||</source>
        <translation>Imagens PNG(*.png)|*.png||</translation>
    </message>
    <message>
        <source>The receipts were not saved:
%1</source>
        <translation>Os cupons não foram salvos:
%1</translation>
    </message>
    <message>
        <source>Receipt saved to %1</source>
        <translation>Cupom salvo em %1</translation>
    </message>
    <message>
        <source>%1 receipts saved: %2 ... %3</source>
        <translation>%1 cupons salvos: %2 ... %3</translation>
    </message>
    <message>
        <source>Stopped; the ports are released; %1 bytes were not delivered to the printer</source>
        <translation>Parada; as portas foram liberadas; %1 bytes não foram entregues à impressora</translation>
    </message>
    <message>
        <source>Opening the ports...</source>
        <translation>Abrindo as portas...</translation>
    </message>
    <message>
        <source>Stopping; what waits for the printer still goes to it...</source>
        <translation>Parando; o que aguarda a impressora ainda vai para ela...</translation>
    </message>
    <message numerus="yes">
        <source>; %n older receipt(s) let go from the window</source>
        <translation>
            <numerusform>; %n recibo antigo descartado da janela</numerusform>
            <numerusform>; %n recibos antigos descartados da janela</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextBytes</name>
    <message>
        <source>Code page %1 has no character &quot;%2&quot; (%3)</source>
        <translation>A página de código %1 não tem o caractere &quot;%2&quot; (%3)</translation>
    </message>
    <message>
        <source>Code page %1 has no character for the byte %2</source>
        <translation>A página de código %1 não tem caractere para o byte %2</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>cannot write standard output: %1</source>
        <translation>não é possível escrever na saída padrão: %1</translation>
    </message>
    <message>
        <source>unexpected operand &quot;%1&quot;</source>
        <translation>operando inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>missing operand</source>
        <translation>operando ausente</translation>
    </message>
    <message>
        <source>--port is missing: name the printer&apos;s port (COM&lt;n&gt; from talvane-cli ports, or a device path)</source>
        <translation>falta --port: indique a porta da impressora (COM&lt;n&gt; de talvane-cli ports, ou um caminho de dispositivo)</translation>
    </message>
    <message>
        <source>--baud needs a positive number of bits per second, not &quot;%1&quot;</source>
        <translation>--baud precisa de um número positivo de bits por segundo, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--handshake is none, rtscts or xonxoff, not &quot;%1&quot;</source>
        <translation>--handshake é none, rtscts ou xonxoff, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--model is 58 or 80 (paper width in mm), not &quot;%1&quot;</source>
        <translation>--model é 58 ou 80 (largura do papel em mm), não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--record needs a file name</source>
        <translation>--record precisa de um nome de arquivo</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada padrão</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MiB; refused</source>
        <translation>%1 é maior que 64 MiB; recusado</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>não é possível ler: %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>não é possível ler %1</translation>
    </message>
    <message>
        <source>cannot write the records file: %1</source>
        <translation>não é possível gravar o arquivo de registro: %1</translation>
    </message>
    <message>
        <source>cannot write the records file %1</source>
        <translation>não é possível gravar o arquivo de registro %1</translation>
    </message>
    <message>
        <source>row %1 (&quot;%2&quot;) is not hex text of whole bytes; nothing was sent</source>
        <translation>a linha %1 (&quot;%2&quot;) não é texto hexadecimal de bytes inteiros; nada foi enviado</translation>
    </message>
    <message>
        <source>--%1 needs a whole number, not &quot;%2&quot;</source>
        <translation>--%1 precisa de um número inteiro, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: %2 (see talvane-cli %1 --help)</source>
        <translation>%1: %2 (veja talvane-cli %1 --help)</translation>
    </message>
    <message>
        <source>unknown subcommand &quot;%1&quot; (talvane-cli --help lists them)</source>
        <translation>subcomando desconhecido &quot;%1&quot; (talvane-cli --help os lista)</translation>
    </message>
    <message>
        <source>unknown option --%1</source>
        <translation>opção desconhecida --%1</translation>
    </message>
    <message>
        <source>--%1 is given twice</source>
        <translation>--%1 foi informada duas vezes</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 não aceita valor</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 precisa de um valor</translation>
    </message>
    <message>
        <source>%1/%2 bytes</source>
        <translation>%1/%2 bytes</translation>
    </message>
    <message>
        <source>%1; %2 of %3 bytes were sent</source>
        <translation>%1; %2 de %3 bytes foram enviados</translation>
    </message>
    <message>
        <source>the printer on %1 took no data for %2 s (flow control held off, or the device went away)</source>
        <translation>a impressora em %1 não aceitou dados por %2 s (controle de fluxo segurou o envio, ou o dispositivo sumiu)</translation>
    </message>
    <message>
        <source>stopped by %1</source>
        <translation>interrompido por %1</translation>
    </message>
    <message>
        <source>no port given: name one with --port COM&lt;n&gt; or --port /dev/... (talvane-cli ports lists them)</source>
        <translation>nenhuma porta informada: indique uma com --port COM&lt;n&gt; ou --port /dev/... (talvane-cli ports as lista)</translation>
    </message>
    <message>
        <source>too many ports named on the command line</source>
        <translation>portas demais na linha de comando</translation>
    </message>
    <message>
        <source>unknown port %1 (talvane-cli ports lists them; a device path works too)</source>
        <translation>porta desconhecida %1 (talvane-cli ports as lista; um caminho de dispositivo também serve)</translation>
    </message>
    <message>
        <source>%1 closed</source>
        <translation>%1 fechada</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>cannot set %1 to %2 baud with the chosen handshake</source>
        <translation>não é possível definir %1 para %2 baud com o handshake escolhido</translation>
    </message>
    <message>
        <source>%1 opened at %2 baud</source>
        <translation>%1 aberta a %2 baud</translation>
    </message>
    <message>
        <source>%1 lost (%2)</source>
        <translation>%1 perdida (%2)</translation>
    </message>
    <message>
        <source>the printer on %1 went away (%2)</source>
        <translation>a impressora em %1 sumiu (%2)</translation>
    </message>
    <message>
        <source>the printer on %1 went away</source>
        <translation>a impressora em %1 sumiu</translation>
    </message>
    <message>
        <source>%1; %2 bytes were still waiting to leave</source>
        <translation>%1; %2 bytes ainda aguardavam envio</translation>
    </message>
    <message>
        <source>%1 closed without telling whether the printer got everything</source>
        <translation>%1 fechada sem informar se a impressora recebeu tudo</translation>
    </message>
    <message>
        <source>%1 closed with %2 bytes the printer had not taken (not delivered)</source>
        <translation>%1 fechada com %2 bytes que a impressora não tinha aceitado (não entregues)</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, faltam cerca de %1 s</translation>
    </message>
    <message>
        <source>sent %1 bytes to %2 in %3 s</source>
        <translation>%1 bytes enviados para %2 em %3 s</translation>
    </message>
</context>
<context>
    <name>cli-help</name>
    <message>
        <source>Port options:
  --port PORT          a name from `talvane-cli ports` (COM&lt;n&gt;, USB&lt;k&gt;), or a device path
                       (/dev/ttyUSB0) or tcp://HOST[:PORT] (named NET1 as `ports` lists it)
  --baud RATE          bits per second (default 9600)
  --handshake MODE     none (default), rtscts or xonxoff
  --model 58|80        paper width of the printer in mm (default 58: 384 dots; 80: 576)
  --record FILE        also write what was sent as a records file the console can import
  --verbose            print the events (port opened, closed, lost, refused) on standard
                       error with their times
  --quiet              say nothing on success (no &quot;sent N bytes&quot; line)
</source>
        <translation>Opções de porta:
  --port PORT          um nome de `talvane-cli ports` (COM&lt;n&gt;, USB&lt;k&gt;), ou um caminho de dispositivo
                       (/dev/ttyUSB0) ou tcp://HOST[:PORT] (chamado NET1 como `ports` o lista)
  --baud RATE          bits por segundo (padrão 9600)
  --handshake MODE     none (padrão), rtscts ou xonxoff
  --model 58|80        largura do papel da impressora em mm (padrão 58: 384 pontos; 80: 576)
  --record FILE        gravar também o que foi enviado como arquivo de registro que o console pode importar
  --verbose            mostrar os eventos (porta aberta, fechada, perdida, recusada) na saída
                       de erro padrão com seus horários
  --quiet              não dizer nada em caso de sucesso (sem a linha “N bytes enviados”)
</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 failed, 2 bad command line, 3 input refused (nothing sent),
  4 file cannot be read or written, 5 port unknown, busy, failing or taking no data,
  or printer gone, 6 bytes handed to the port not delivered when it closed,
  130/143 stopped by SIGINT/SIGTERM (port closed, bytes sent said).
</source>
        <translation>Códigos de saída: 0 feito, 1 falhou, 2 linha de comando inválida, 3 entrada recusada (nada enviado),
  4 arquivo não pode ser lido ou gravado, 5 porta desconhecida, ocupada, com falha ou sem aceitar dados,
  ou impressora sumiu, 6 bytes entregues à porta não enviados ao fechá-la,
  130/143 interrompido por SIGINT/SIGTERM (porta fechada, bytes enviados informados).
</translation>
    </message>
    <message>
        <source>usage: talvane-cli SUBCOMMAND [OPTIONS] [ARGUMENTS]
Drives a thermal receipt printer from scripts, with the console&apos;s own commands.

Subcommands:
  ports                     the serial ports, as the console lists them
  send FILE | --hex TEXT | --records FILE | --capture FILE
                            raw bytes, hex text, or a console records file (as Resend)
  sample NAME... | all      quick tests by button name (&quot;Font Sample&quot;, &quot;Bar-code&quot;, ...)
  picture FILE              a picture, as the console&apos;s picture group prints it
  barcode TYPE DATA         a one-dimensional barcode
  qr DATA, pdf417 DATA, datamatrix DATA
                            a two-dimensional code: store, then print
  status                    asks the printer&apos;s status; the exit code tells the condition
  decode [FILE|-]           a capture or records file as the records&apos; mnemonic lines
  monitor                   prints what the printer sends, until Ctrl+C
  render [FILE|-]           a capture or records file as receipt pictures, no printer
  tap --program SIDE --printer PORT
                            sits between a program and its printer, shows both live

`talvane-cli SUBCOMMAND --help` shows the options and examples of each.
--lang CODE, with any subcommand, speaks de, es, pt_BR, ru, zh_CN or en (the source
texts); without it the desktop&apos;s language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).

Example:
  talvane-cli status --port /dev/ttyUSB0 &amp;&amp; talvane-cli sample all --port /dev/ttyUSB0
</source>
        <translation>uso: talvane-cli SUBCOMMAND [OPTIONS] [ARGUMENTS]
Controla uma impressora térmica de cupom a partir de scripts, com os mesmos comandos do console.

Subcomandos:
  ports                     as portas seriais, como o console as lista
  send FILE | --hex TEXT | --records FILE | --capture FILE
                            bytes brutos, texto hexadecimal ou um arquivo de registro do console (como Reenviar)
  sample NAME... | all      testes rápidos pelo nome do botão (&quot;Font Sample&quot;, &quot;Bar-code&quot;, ...)
  picture FILE              uma imagem, como o grupo de imagem do console a imprime
  barcode TYPE DATA         um código de barras unidimensional
  qr DATA, pdf417 DATA, datamatrix DATA
                            um código bidimensional: armazenar e depois imprimir
  status                    consulta o status da impressora; o código de saída indica a condição
  decode [FILE|-]           um arquivo de captura ou de registro como linhas mnemônicas do registro
  monitor                   mostra o que a impressora envia, até Ctrl+C
  render [FILE|-]           um arquivo de captura ou de registro como imagens de cupom, sem impressora
  tap --program SIDE --printer PORT
                            fica entre um programa e sua impressora, mostra os dois ao vivo

`talvane-cli SUBCOMMAND --help` mostra as opções e exemplos de cada um.
--lang CODE, com qualquer subcomando, usa de, es, pt_BR, ru, zh_CN ou en (os textos
originais); sem ela, o idioma da área de trabalho (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).

Exemplo:
  talvane-cli status --port /dev/ttyUSB0 &amp;&amp; talvane-cli sample all --port /dev/ttyUSB0
</translation>
    </message>
    <message>
        <source>  status adds 10 paper end, 11 platen up, 12 cutter error, 13 overheat, 14 over-voltage,
  15 no answer; render adds 20 not everything understood, 21 receipt differs.
</source>
        <translation>  status acrescenta 10 fim de papel, 11 tampa aberta, 12 erro da guilhotina, 13 superaquecimento, 14 sobretensão,
  15 sem resposta; render acrescenta 20 nem tudo entendido, 21 o cupom difere.
</translation>
    </message>
    <message>
        <source>usage: talvane-cli ports [--json] [--port PATH]...
Lists the serial ports as the console&apos;s port list shows them (&quot;COM&lt;n&gt; (&lt;path&gt;)&quot;).
Each --port PATH adds a device the scan does not find, as for the console.

Examples:
  talvane-cli ports
  talvane-cli ports --json | jq -r &apos;.[].path&apos;
</source>
        <translation>uso: talvane-cli ports [--json] [--port PATH]...
Lista as portas seriais como a lista de portas do console as mostra (&quot;COM&lt;n&gt; (&lt;path&gt;)&quot;).
Cada --port PATH acrescenta um dispositivo que a busca não encontra, como no console.

Exemplos:
  talvane-cli ports
  talvane-cli ports --json | jq -r &apos;.[].path&apos;
</translation>
    </message>
    <message>
        <source>usage: talvane-cli sample NAME... | all --port PORT [options]
Runs quick tests by their button names: &quot;Font Sample&quot;, &quot;Print&quot;, &quot;Margins&quot;,
&quot;Coordinate&quot;, &quot;Density&quot;, &quot;Horizon tab&quot;, &quot;Verti tab&quot;, &quot;Picture&quot;, &quot;Alignment&quot;,
&quot;Bar-code&quot;, &quot;QRCode&quot;, &quot;Cutting&quot;, or &quot;Printer Init&quot;. Case, blanks and dashes do not
matter; all runs the twelve quick tests in the dialog&apos;s order.
</source>
        <translation>uso: talvane-cli sample NAME... | all --port PORT [options]
Executa testes rápidos pelo nome do botão: &quot;Font Sample&quot;, &quot;Print&quot;, &quot;Margins&quot;,
&quot;Coordinate&quot;, &quot;Density&quot;, &quot;Horizon tab&quot;, &quot;Verti tab&quot;, &quot;Picture&quot;, &quot;Alignment&quot;,
&quot;Bar-code&quot;, &quot;QRCode&quot;, &quot;Cutting&quot; ou &quot;Printer Init&quot;. Maiúsculas, espaços e hifens não
importam; all executa os doze testes rápidos na ordem do diálogo.
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli sample all --port /dev/ttyUSB0
  talvane-cli sample &quot;Font Sample&quot; barcode --port COM3 --record fonts.txt
</source>
        <translation>Exemplos:
  talvane-cli sample all --port /dev/ttyUSB0
  talvane-cli sample &quot;Font Sample&quot; barcode --port COM3 --record fonts.txt
</translation>
    </message>
    <message>
        <source>usage: talvane-cli picture FILE --port PORT [--threshold N] [--raster] [--size MODE]
                          [--dots RULE] [--invert] [--rotate] [--fit crop|scale]
                          [--block-rows N]
Prints a picture (BMP, JPEG, PNG, ...) reduced to black and white by the threshold
(default 128, at most 255), cut at the printable width of --model. Bit-image bands
by default (--size &quot;8-dot single-density&quot;, &quot;8-dot double-density&quot;,
&quot;24-dot single-density&quot;, &quot;24-dot double-density&quot; [default]); --raster sends one
raster block (--size Normal [default], Double-width, Double-height, Quadruple).
The console&apos;s picture choices: --dots threshold (default), floyd-steinberg, atkinson
or bayer; --invert; --rotate (a quarter turn); --fit crop (default) or scale for a
picture wider than the paper; --block-rows N sends the picture in blocks of N rows,
one after the other (0: one block). The bytes are the console&apos;s with the same choices.
A progress bar runs on standard error when it is a terminal.
</source>
        <translation>uso: talvane-cli picture FILE --port PORT [--threshold N] [--raster] [--size MODE]
                          [--dots RULE] [--invert] [--rotate] [--fit crop|scale]
                          [--block-rows N]
Imprime uma imagem (BMP, JPEG, PNG, ...) reduzida a preto e branco pelo limiar
(padrão 128, no máximo 255), cortada na largura imprimível de --model. Por padrão
faixas de imagem de bits (--size &quot;8-dot single-density&quot;, &quot;8-dot double-density&quot;,
&quot;24-dot single-density&quot;, &quot;24-dot double-density&quot; [padrão]); --raster envia um
bloco raster (--size Normal [padrão], Double-width, Double-height, Quadruple).
As opções de imagem do console: --dots threshold (padrão), floyd-steinberg, atkinson
ou bayer; --invert; --rotate (um quarto de volta); --fit crop (padrão) ou scale para uma
imagem mais larga que o papel; --block-rows N envia a imagem em blocos de N linhas,
um após o outro (0: um bloco). Os bytes são os do console com as mesmas opções.
Uma barra de progresso aparece na saída de erro padrão quando ela é um terminal.
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli picture logo.bmp --port /dev/ttyUSB0 --threshold 100
  talvane-cli picture photo.jpg --port COM3 --model 80 --raster --size Double-width
  talvane-cli picture photo.jpg --port COM3 --dots atkinson --fit scale --block-rows 64
</source>
        <translation>Exemplos:
  talvane-cli picture logo.bmp --port /dev/ttyUSB0 --threshold 100
  talvane-cli picture photo.jpg --port COM3 --model 80 --raster --size Double-width
  talvane-cli picture photo.jpg --port COM3 --dots atkinson --fit scale --block-rows 64
</translation>
    </message>
    <message>
        <source>usage: talvane-cli barcode TYPE DATA --port PORT [--width N] [--height N]
                          [--text none|above|below|both] [--hex]
Prints a barcode with the barcode page&apos;s rules and messages. TYPE is a row of the
page&apos;s code list (UPCA, UPCE, EAN13, EAN8, CODE39, ITF, CODABAR, CODE93, CODE128,
EAN128). --width 1..6, --height 1..255, --text the human-readable line; --hex takes
DATA as hex text where the page offers it. An option is sent even when it equals the
page&apos;s start value.
</source>
        <translation>uso: talvane-cli barcode TYPE DATA --port PORT [--width N] [--height N]
                          [--text none|above|below|both] [--hex]
Imprime um código de barras com as regras e mensagens da página de código de barras. TYPE é uma
linha da lista de códigos da página (UPCA, UPCE, EAN13, EAN8, CODE39, ITF, CODABAR, CODE93, CODE128,
EAN128). --width 1..6, --height 1..255, --text a linha legível; --hex toma
DATA como texto hexadecimal onde a página oferece isso. Uma opção é enviada mesmo quando é igual
ao valor inicial da página.
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli barcode EAN13 012345678901 --port /dev/ttyUSB0 --text below
  talvane-cli barcode CODE128 &quot;7B 41 42 43&quot; --hex --port COM3 --height 80
</source>
        <translation>Exemplos:
  talvane-cli barcode EAN13 012345678901 --port /dev/ttyUSB0 --text below
  talvane-cli barcode CODE128 &quot;7B 41 42 43&quot; --hex --port COM3 --height 80
</translation>
    </message>
    <message>
        <source>usage: talvane-cli qr DATA --port PORT [--module-width N] [--error-level L|M|Q|H] [--hex]
Stores DATA as a QR code and prints it, as the two-dimensional code page does.
--module-width 1..16; --error-level L (7%), M (15%), Q (25%), H (30%).
</source>
        <translation>uso: talvane-cli qr DATA --port PORT [--module-width N] [--error-level L|M|Q|H] [--hex]
Armazena DATA como código QR e o imprime, como a página de código bidimensional.
--module-width 1..16; --error-level L (7%), M (15%), Q (25%), H (30%).
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli qr &quot;https://example.com/unit/42&quot; --port /dev/ttyUSB0 --module-width 6
  talvane-cli qr &quot;48 49&quot; --hex --error-level H --port COM3
</source>
        <translation>Exemplos:
  talvane-cli qr &quot;https://example.com/unit/42&quot; --port /dev/ttyUSB0 --module-width 6
  talvane-cli qr &quot;48 49&quot; --hex --error-level H --port COM3
</translation>
    </message>
    <message>
        <source>usage: talvane-cli pdf417 DATA --port PORT [--rows N|auto] [--columns N|auto]
                         [--module-width N] [--row-height N] [--error-level 0..8] [--hex]
Stores DATA as a PDF417 symbol and prints it. --rows 3..90, --columns 1..30,
--module-width 2..8, --row-height 2..8.
</source>
        <translation>uso: talvane-cli pdf417 DATA --port PORT [--rows N|auto] [--columns N|auto]
                         [--module-width N] [--row-height N] [--error-level 0..8] [--hex]
Armazena DATA como símbolo PDF417 e o imprime. --rows 3..90, --columns 1..30,
--module-width 2..8, --row-height 2..8.
</translation>
    </message>
    <message>
        <source>Example:
  talvane-cli pdf417 &quot;LOT 2291-A&quot; --columns 3 --error-level 2 --port /dev/ttyUSB0
</source>
        <translation>Exemplo:
  talvane-cli pdf417 &quot;LOT 2291-A&quot; --columns 3 --error-level 2 --port /dev/ttyUSB0
</translation>
    </message>
    <message>
        <source>usage: talvane-cli datamatrix DATA --port PORT [--module-width N] [--hex]
Stores DATA as a DataMatrix symbol and prints it. --module-width 2..8.
</source>
        <translation>uso: talvane-cli datamatrix DATA --port PORT [--module-width N] [--hex]
Armazena DATA como símbolo DataMatrix e o imprime. --module-width 2..8.
</translation>
    </message>
    <message>
        <source>Example:
  talvane-cli datamatrix &quot;SN 000123&quot; --module-width 4 --port /dev/ttyUSB0
</source>
        <translation>Exemplo:
  talvane-cli datamatrix &quot;SN 000123&quot; --module-width 4 --port /dev/ttyUSB0
</translation>
    </message>
    <message>
        <source>usage: talvane-cli status --port PORT [--timeout MS] [--json] [options]
Sends the status request, waits for the printer&apos;s status byte (default 1000 ms) and
prints its meaning. --json prints one line:
  {&quot;answered&quot;:true,&quot;conditions&quot;:[&quot;paper_end&quot;],&quot;exit&quot;:10,&quot;port&quot;:&quot;...&quot;,
   &quot;ready&quot;:false,&quot;status&quot;:&quot;04&quot;}
</source>
        <translation>uso: talvane-cli status --port PORT [--timeout MS] [--json] [options]
Envia o pedido de status, aguarda o byte de status da impressora (padrão 1000 ms) e
mostra seu significado. --json imprime uma linha:
  {&quot;answered&quot;:true,&quot;conditions&quot;:[&quot;paper_end&quot;],&quot;exit&quot;:10,&quot;port&quot;:&quot;...&quot;,
   &quot;ready&quot;:false,&quot;status&quot;:&quot;04&quot;}
</translation>
    </message>
    <message>
        <source>Exit codes: 0 ready, 10 paper end, 11 platen up, 12 cutter error, 13 overheat,
  14 over-voltage (with several conditions the lowest code), 15 no answer,
  2 bad command line, 4 --record file cannot be written, 5 port error.

Example:
  talvane-cli status --port /dev/ttyUSB0 || echo &quot;printer not ready: $?&quot;
</source>
        <translation>Códigos de saída: 0 pronta, 10 fim de papel, 11 tampa aberta, 12 erro da guilhotina, 13 superaquecimento,
  14 sobretensão (com várias condições, o código mais baixo), 15 sem resposta,
  2 linha de comando inválida, 4 arquivo de --record não pode ser gravado, 5 erro de porta.

Exemplo:
  talvane-cli status --port /dev/ttyUSB0 || echo &quot;printer not ready: $?&quot;
</translation>
    </message>
    <message>
        <source>usage: talvane-cli decode [FILE | -] [--raw] [--replies]
Reads a records file saved by the console, or a raw byte capture, and prints one line
per command: its hex text, &quot;//&quot; and its decoding as the operation records show it.
The output is itself a records file. --raw reads even hex-looking text as bytes.
--replies reads bytes the printer sent instead and prints each reply in words
(status bytes, responses), as the console&apos;s receive panel shows them.
Standard input when no FILE is given. A tap&apos;s capture file (--capture of tap) is
shown as the tap showed it: both directions, replies in words, alerts and summary.

Examples:
  talvane-cli decode capture.bin
  talvane-cli decode saved-records.txt
  cat capture.bin | talvane-cli decode -
  echo 04 | talvane-cli decode --replies -
</source>
        <translation>uso: talvane-cli decode [FILE | -] [--raw] [--replies]
Lê um arquivo de registro salvo pelo console, ou uma captura de bytes brutos, e imprime uma linha
por comando: seu texto hexadecimal, &quot;//&quot; e sua decodificação como o registro de operações a mostra.
A saída é ela própria um arquivo de registro. --raw lê como bytes até um texto que parece hexadecimal.
--replies lê em vez disso bytes que a impressora enviou e imprime cada resposta em palavras
(bytes de status, respostas), como o painel de recepção do console as mostra.
Entrada padrão quando nenhum FILE é dado. Um arquivo de captura do tap (--capture do tap) é
mostrado como o tap o mostrou: as duas direções, respostas em palavras, alertas e resumo.

Exemplos:
  talvane-cli decode capture.bin
  talvane-cli decode saved-records.txt
  cat capture.bin | talvane-cli decode -
  echo 04 | talvane-cli decode --replies -
</translation>
    </message>
    <message>
        <source>usage: talvane-cli monitor --port PORT [--time] [--auto-status] [options]
Prints what the printer sends, as hex text with the meaning of status bytes,
responses and XON (11) / XOFF (13) below it, until interrupted (Ctrl+C, SIGTERM:
exit 0). --time starts each line with the local time to the millisecond.
--auto-status switches the printer&apos;s automatic status back on for the run (GS a 2F)
and off again at its end (GS a 00), so status changes show without asking.
</source>
        <translation>uso: talvane-cli monitor --port PORT [--time] [--auto-status] [options]
Mostra o que a impressora envia, como texto hexadecimal com o significado dos bytes de status,
das respostas e de XON (11) / XOFF (13) abaixo, até ser interrompido (Ctrl+C, SIGTERM:
saída 0). --time começa cada linha com a hora local ao milissegundo.
--auto-status liga o status automático da impressora durante a execução (GS a 2F)
e o desliga ao final (GS a 00), para que mudanças de status apareçam sem perguntar.
</translation>
    </message>
    <message>
        <source>Example:
  talvane-cli monitor --port /dev/ttyUSB0 --baud 115200
  talvane-cli monitor --port /dev/ttyUSB0 --time --auto-status
</source>
        <translation>Exemplo:
  talvane-cli monitor --port /dev/ttyUSB0 --baud 115200
  talvane-cli monitor --port /dev/ttyUSB0 --time --auto-status
</translation>
    </message>
    <message>
        <source>usage: talvane-cli send (FILE | --hex TEXT | --records FILE | --capture FILE) --port PORT
                        [options]
Sends a file byte for byte, hex text (&quot;1B 40&quot;; a pair that is not hexadecimal refuses
the whole text), or the rows of a records file saved by the console, as its Resend
button sends them. &quot;-&quot; as FILE reads standard input. --capture sends what the
program sent in a tap&apos;s capture file, in order, without the printer&apos;s answers.
</source>
        <translation>uso: talvane-cli send (FILE | --hex TEXT | --records FILE | --capture FILE) --port PORT
                        [options]
Envia um arquivo byte a byte, texto hexadecimal (&quot;1B 40&quot;; um par que não é hexadecimal recusa
o texto inteiro) ou as linhas de um arquivo de registro salvo pelo console, como o botão
Reenviar as envia. &quot;-&quot; como FILE lê a entrada padrão. --capture envia o que o programa
enviou num arquivo de captura do tap, em ordem, sem as respostas da impressora.
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli send receipt.bin --port COM3
  talvane-cli send --hex &quot;1B 40 1B 61 01&quot; --port /dev/ttyUSB0
  talvane-cli send --records saved.txt --port /dev/ttyUSB0 --baud 115200
  talvane-cli send --capture till.cap --port /dev/ttyUSB0
</source>
        <translation>Exemplos:
  talvane-cli send receipt.bin --port COM3
  talvane-cli send --hex &quot;1B 40 1B 61 01&quot; --port /dev/ttyUSB0
  talvane-cli send --records saved.txt --port /dev/ttyUSB0 --baud 115200
  talvane-cli send --capture till.cap --port /dev/ttyUSB0
</translation>
    </message>
    <message>
        <source>usage: talvane-cli tap --program SIDE --printer PORT [--capture FILE] [--records FILE]
                       [--receipts DIR [--model 58|80] [--plain]] [--json]
Sits between a program and its printer: every byte passes through unchanged, and
each command from the program and each reply from the printer is printed as it
happens (time, gap since the previous row, direction, hex, its name or words).
Alerts are marked on their rows: unknown command, cut off, no answer (500 ms),
sent while held (XOFF or paper end). Ctrl+C (or SIGTERM) stops it with a summary.

Program side (SIDE):
  pty:PATH             a pseudo-terminal; PATH becomes a link to it for the program
                       to open; its line settings are set on a serial printer too
  tcp-listen:ADDR:PORT a TCP listener (tcp-listen: alone is 127.0.0.1:9100), one
                       program connection at a time
  passive:PORTA,PORTB  two serial ports on a tap cable (program&apos;s TX, printer&apos;s TX);
                       nothing is sent, no --printer
Options:
  --printer PORT       COM&lt;n&gt;, a device path or tcp://HOST:PORT
  --capture FILE       keep both directions as a capture file (decode reads it)
  --records FILE       keep the program&apos;s commands as a records file
  --receipts DIR       write the receipts the program&apos;s bytes should print, as the
                       virtual printer prints them (receipt-0001.png, ...; a receipt
                       ends at a cut and when the tap stops)
  --model 58|80        their paper width (default 58); --plain: plain dots on white
  --json               one JSON object a line, the summary last

Examples:
  talvane-cli tap --program pty:/tmp/ttyPOS --printer /dev/ttyUSB0 --capture session.cap
  talvane-cli tap --program tcp-listen:0.0.0.0:9100 --printer tcp://192.168.1.50:9100
  talvane-cli tap --program pty:/tmp/ttyPOS --printer COM3 --receipts expected --json
  talvane-cli decode session.cap
</source>
        <translation>uso: talvane-cli tap --program SIDE --printer PORT [--capture FILE] [--records FILE]
                       [--receipts DIR [--model 58|80] [--plain]] [--json]
Fica entre um programa e sua impressora: cada byte passa sem alteração, e cada
comando do programa e cada resposta da impressora é mostrado quando acontece
(hora, intervalo desde a linha anterior, direção, hex, seu nome ou palavras).
Alertas são marcados nas suas linhas: comando desconhecido, cortado, sem resposta (500 ms),
enviado enquanto retido (XOFF ou fim de papel). Ctrl+C (ou SIGTERM) o encerra com um resumo.

Lado do programa (SIDE):
  pty:PATH             um pseudoterminal; PATH vira um link para ele que o programa
                       abre; seus parâmetros de linha valem também para uma impressora serial
  tcp-listen:ADDR:PORT um servidor TCP em escuta (tcp-listen: sozinho é 127.0.0.1:9100),
                       uma conexão de programa por vez
  passive:PORTA,PORTB  duas portas seriais num cabo de derivação (TX do programa, TX da
                       impressora); nada é enviado, sem --printer
Opções:
  --printer PORT       COM&lt;n&gt;, um caminho de dispositivo ou tcp://HOST:PORT
  --capture FILE       guardar as duas direções como arquivo de captura (decode o lê)
  --records FILE       guardar os comandos do programa como arquivo de registro
  --receipts DIR       gravar os cupons que os bytes do programa deveriam imprimir,
                       como a impressora virtual os imprime (receipt-0001.png, ...;
                       um cupom termina num corte e quando o tap para)
  --model 58|80        a largura do papel deles (padrão 58); --plain: pontos simples sobre branco
  --json               um objeto JSON por linha, o resumo por último

Exemplos:
  talvane-cli tap --program pty:/tmp/ttyPOS --printer /dev/ttyUSB0 --capture session.cap
  talvane-cli tap --program tcp-listen:0.0.0.0:9100 --printer tcp://192.168.1.50:9100
  talvane-cli tap --program pty:/tmp/ttyPOS --printer COM3 --receipts expected --json
  talvane-cli decode session.cap
</translation>
    </message>
    <message>
        <source>usage: talvane-cli render [FILE | -] [--out DIR] [--model 58|80] [--plain] [--json] [--raw]
                          [--compare GOLDEN.png [--diff DIFF.png]]
Prints a raw byte capture, a records file saved by the console or what the program
sent in a tap capture file on the virtual printer, without a printer or a line, and
writes each receipt as a picture
(receipt-0001.png, ... in --out, default receipts). Receipts end at cuts and at the
end of the file. It lists each command it skipped or could not carry out, by offset.
--plain draws plain dots on white; --json prints one line with the pictures, the
skipped commands and the comparison. --raw reads even hex-looking text as bytes.
--compare checks every receipt against a golden picture (either look), or against
the pictures of a golden folder in order, dot for dot and prints the number of
differing dots and the rows where differences start; more or fewer receipts than
goldens differ. --diff writes a picture of the differences of the first receipt
that differs (red: only in the receipt, blue: only in the golden, a red mark left
of each differing row). With --compare, pictures are written only when --out is
given.

Examples:
  talvane-cli render capture.bin --out receipts --model 80
  talvane-cli render receipt.bin --compare tests/golden/receipt.png --diff diff.png

Exit codes: 0 everything understood (with --compare: every receipt is identical),
  20 a command was skipped or the file ends inside one (with --compare too),
  21 a receipt differs from its golden, 2 bad command line, 3 the input is empty
  or a capture or records file does not parse, or the golden is no receipt of
  this width, 4 a file cannot be read or written.
</source>
        <translation>uso: talvane-cli render [FILE | -] [--out DIR] [--model 58|80] [--plain] [--json] [--raw]
                          [--compare GOLDEN.png [--diff DIFF.png]]
Imprime na impressora virtual uma captura de bytes brutos, um arquivo de registro salvo pelo
console ou o que o programa enviou num arquivo de captura do tap, sem impressora nem linha, e
grava cada cupom como imagem
(receipt-0001.png, ... em --out, padrão receipts). Os cupons terminam nos cortes e no
fim do arquivo. Lista, por deslocamento, cada comando que pulou ou não conseguiu executar.
--plain desenha pontos simples sobre branco; --json imprime uma linha com as imagens, os
comandos pulados e a comparação. --raw lê como bytes até um texto que parece hexadecimal.
--compare compara ponto a ponto cada cupom com uma imagem de referência (qualquer
aparência), ou em ordem com as imagens de uma pasta de referência, e imprime o número de
pontos diferentes e as linhas onde as diferenças começam; mais ou menos cupons que
referências diferem. --diff grava uma imagem das diferenças do primeiro cupom que difere
(vermelho: só no cupom, azul: só na referência, uma marca vermelha à esquerda de cada linha
diferente). Com --compare, imagens só são gravadas quando --out é dado.

Exemplos:
  talvane-cli render capture.bin --out receipts --model 80
  talvane-cli render receipt.bin --compare tests/golden/receipt.png --diff diff.png

Códigos de saída: 0 tudo entendido (com --compare: cada cupom é idêntico),
  20 um comando foi pulado ou o arquivo termina dentro de um (também com --compare),
  21 um cupom difere da sua referência, 2 linha de comando inválida, 3 a entrada está vazia
  ou um arquivo de captura ou de registro não pode ser lido, ou a referência não é um cupom
  desta largura, 4 um arquivo não pode ser lido ou gravado.
</translation>
    </message>
</context>
<context>
    <name>cli-line</name>
    <message>
        <source>paper end</source>
        <translation>fim de papel</translation>
    </message>
    <message>
        <source>platen up</source>
        <translation>tampa aberta</translation>
    </message>
    <message>
        <source>cutter error</source>
        <translation>erro da guilhotina</translation>
    </message>
    <message>
        <source>overheat</source>
        <translation>superaquecimento</translation>
    </message>
    <message>
        <source>over-voltage</source>
        <translation>sobretensão</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>pronta</translation>
    </message>
    <message>
        <source>No serial ports found. Name one with --port PATH.</source>
        <translation>Nenhuma porta serial encontrada. Indique uma com --port PATH.</translation>
    </message>
    <message>
        <source>give exactly one of FILE, --hex TEXT or --records FILE</source>
        <translation>informe exatamente um de FILE, --hex TEXT ou --records FILE</translation>
    </message>
    <message>
        <source>--hex holds something that is not hexadecimal: &quot;%1&quot; (nothing was sent)</source>
        <translation>--hex contém algo que não é hexadecimal: &quot;%1&quot; (nada foi enviado)</translation>
    </message>
    <message>
        <source>--hex holds no byte (nothing was sent)</source>
        <translation>--hex não contém nenhum byte (nada foi enviado)</translation>
    </message>
    <message>
        <source>%1 line %2 is not a records line (only hex text before &quot;//&quot;); nothing was sent</source>
        <translation>%1 linha %2 não é uma linha de registro (só texto hexadecimal antes de &quot;//&quot;); nada foi enviado</translation>
    </message>
    <message>
        <source>%1 holds no records; nothing was sent</source>
        <translation>%1 não contém registros; nada foi enviado</translation>
    </message>
    <message>
        <source>%1 is empty; nothing was sent</source>
        <translation>%1 está vazio; nada foi enviado</translation>
    </message>
    <message>
        <source>--timeout needs a positive number of milliseconds</source>
        <translation>--timeout precisa de um número positivo de milissegundos</translation>
    </message>
    <message>
        <source>no status request: %1</source>
        <translation>sem pedido de status: %1</translation>
    </message>
    <message>
        <source>%1 before it answered</source>
        <translation>%1 antes de responder</translation>
    </message>
    <message>
        <source>stopped by %1 while waiting for the status (the request was sent)</source>
        <translation>interrompido por %1 enquanto aguardava o status (o pedido foi enviado)</translation>
    </message>
    <message>
        <source>%1: status %2: %3</source>
        <translation>%1: status %2: %3</translation>
    </message>
    <message>
        <source>%1: no answer within %2 ms</source>
        <translation>%1: sem resposta em %2 ms</translation>
    </message>
    <message>
        <source>the printer on %1 took no command</source>
        <translation>a impressora em %1 não aceitou nenhum comando</translation>
    </message>
    <message>
        <source>watching %1; Ctrl+C ends</source>
        <translation>monitorando %1; Ctrl+C encerra</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <translation>status %1: %2</translation>
    </message>
    <message>
        <source>response %1: &quot;%2&quot;</source>
        <translation>resposta %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 went away (unplugged or hung up)</source>
        <translation>%1 sumiu (desconectada ou desligada)</translation>
    </message>
</context>
<context>
    <name>cli-print</name>
    <message>
        <source>%1 (nothing was sent)</source>
        <translation>%1 (nada foi enviado)</translation>
    </message>
    <message>
        <source>--%1 is one of: %2; not &quot;%3&quot;</source>
        <translation>--%1 é um de: %2; não &quot;%3&quot;</translation>
    </message>
    <message>
        <source>unknown sample &quot;%1&quot;; the samples are %2 and all</source>
        <translation>teste desconhecido &quot;%1&quot;; os testes são %2 e all</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Limiar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>--block-rows is 0 (one block) to %1</source>
        <translation>--block-rows vai de 0 (um bloco) a %1</translation>
    </message>
    <message>
        <source>%1 has nothing to print</source>
        <translation>%1 não tem nada para imprimir</translation>
    </message>
    <message>
        <source>unknown barcode type &quot;%1&quot;; the types are %2</source>
        <translation>tipo de código de barras desconhecido &quot;%1&quot;; os tipos são %2</translation>
    </message>
    <message>
        <source>%1 data cannot be given in hex</source>
        <translation>os dados de %1 não podem ser dados em hexadecimal</translation>
    </message>
    <message>
        <source>--%1 needs a whole number or auto, not &quot;%2&quot;</source>
        <translation>--%1 precisa de um número inteiro ou auto, não &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>cli-render</name>
    <message>
        <source>identical to %1</source>
        <translation>idêntico a %1</translation>
    </message>
    <message>
        <source>%1 dots differ from %2</source>
        <translation>%1 pontos diferem de %2</translation>
    </message>
    <message>
        <source>; differences start at rows %1</source>
        <translation>; as diferenças começam nas linhas %1</translation>
    </message>
    <message>
        <source>; the receipt has %1 dot rows, the golden %2</source>
        <translation>; o cupom tem %1 linhas de pontos, a referência %2</translation>
    </message>
    <message>
        <source>--model takes 58 or 80</source>
        <translation>--model aceita 58 ou 80</translation>
    </message>
    <message>
        <source>--diff needs --compare</source>
        <translation>--diff precisa de --compare</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>não é possível criar %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>não é possível ler %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>não é possível gravar %1</translation>
    </message>
    <message>
        <source>offset %1: %2</source>
        <translation>deslocamento %1: %2</translation>
    </message>
    <message>
        <source>offset %1: the input ends inside a command</source>
        <translation>deslocamento %1: a entrada termina dentro de um comando</translation>
    </message>
    <message>
        <source>%1 line %2 is not a records line (only hex text before &quot;//&quot;); nothing was printed</source>
        <translation>%1 linha %2 não é uma linha de registro (só texto hexadecimal antes de &quot;//&quot;); nada foi impresso</translation>
    </message>
    <message>
        <source>differs from %1 in length: the receipt has %2 dot rows, the golden %3</source>
        <translation>difere de %1 no comprimento: o cupom tem %2 linhas de pontos, a referência %3</translation>
    </message>
    <message>
        <source>%1 is empty: nothing to print</source>
        <translation>%1 está vazio: nada a imprimir</translation>
    </message>
    <message>
        <source>receipt %1: %2</source>
        <translation>cupom %1: %2</translation>
    </message>
    <message>
        <source>the file prints %1 receipts, the golden has %2</source>
        <translation>o arquivo imprime %1 cupons, a referência tem %2</translation>
    </message>
    <message>
        <source>nothing to print</source>
        <translation>nada a imprimir</translation>
    </message>
    <message>
        <source>%1 is a receipt of %2 dots, not of %3 (--model)</source>
        <translation>%1 é um cupom de %2 pontos, não de %3 (--model)</translation>
    </message>
    <message>
        <source>%1 is no receipt of %2 dots (--model): it is %3 pixels wide</source>
        <translation>%1 não é um cupom de %2 pontos (--model): tem %3 pixels de largura</translation>
    </message>
</context>
<context>
    <name>cli-tap</name>
    <message>
        <source>(%1 rows not shown: the output fell behind)</source>
        <translation>(%1 linhas não mostradas: a saída ficou para trás)</translation>
    </message>
    <message>
        <source>--program is needed (pty:PATH, tcp-listen:ADDR:PORT or passive:PORTA,PORTB)</source>
        <translation>--program é necessário (pty:PATH, tcp-listen:ADDR:PORT ou passive:PORTA,PORTB)</translation>
    </message>
    <message>
        <source>a passive tap has no --printer: both lines are in --program</source>
        <translation>uma derivação passiva não tem --printer: as duas linhas estão em --program</translation>
    </message>
    <message>
        <source>--printer is needed (COM&lt;n&gt;, a device path or tcp://HOST:PORT)</source>
        <translation>--printer é necessário (COM&lt;n&gt;, um caminho de dispositivo ou tcp://HOST:PORT)</translation>
    </message>
    <message>
        <source>%1 line %2 is not a capture line (KIND SECONDS DATA)</source>
        <translation>%1 linha %2 não é uma linha de captura (KIND SECONDS DATA)</translation>
    </message>
    <message>
        <source>--capture goes alone, without FILE, --hex or --records</source>
        <translation>--capture vai sozinho, sem FILE, --hex ou --records</translation>
    </message>
    <message>
        <source>%1 is not a tap capture file (line %2); nothing was sent</source>
        <translation>%1 não é um arquivo de captura do tap (linha %2); nada foi enviado</translation>
    </message>
    <message>
        <source>%1 holds nothing the program sent; nothing was sent</source>
        <translation>%1 não contém nada que o programa tenha enviado; nada foi enviado</translation>
    </message>
    <message>
        <source>cannot create the receipts folder %1</source>
        <translation>não é possível criar a pasta de cupons %1</translation>
    </message>
    <message>
        <source>tap: receipt %1 (%2 dot rows)</source>
        <translation>tap: cupom %1 (%2 linhas de pontos)</translation>
    </message>
    <message>
        <source>--model takes 58 or 80</source>
        <translation>--model aceita 58 ou 80</translation>
    </message>
    <message>
        <source>--model and --plain go with --receipts</source>
        <translation>--model e --plain acompanham --receipts</translation>
    </message>
    <message>
        <source>cannot write the capture file: %1</source>
        <translation>não é possível gravar o arquivo de captura: %1</translation>
    </message>
    <message>
        <source>cannot write the capture file %1</source>
        <translation>não é possível gravar o arquivo de captura %1</translation>
    </message>
    <message>
        <source>standard output took no more rows: %1 rows and the summary were not shown</source>
        <translation>a saída padrão não aceitou mais linhas: %1 linhas e o resumo não foram mostrados</translation>
    </message>
    <message>
        <source>the capture is not whole (%1); no capture or records file was written</source>
        <translation>a captura não está completa (%1); nenhum arquivo de captura ou de registros foi gravado</translation>
    </message>
    <message>
        <source>%1 bytes were not delivered to the printer</source>
        <translation>%1 bytes não foram entregues à impressora</translation>
    </message>
</context>
</TS>
