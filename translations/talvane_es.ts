<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BarcodeRules</name>
    <message>
        <source>Enter the character range of 0x00 ~ 0x7F, support for 255 data FNC1 is used ~ FNC4 can 0xC1 0xC4, automatically insert the start code, check code and end code.</source>
        <translation>Introduzca caracteres en el rango 0x00 ~ 0x7F, hasta 255 datos; FNC1 ~ FNC4 se introducen como 0xC1 ~ 0xC4; el código de inicio, el dígito de control y el código de fin se insertan automáticamente.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, support 11-bit data, parity bit is automatically generated.</source>
        <translation>Introduzca caracteres en el rango 0 a 9, 11 dígitos; el dígito de control se genera automáticamente.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, to support the six data automatically generated parity bit.</source>
        <translation>Introduzca caracteres en el rango 0 a 9, 6 dígitos; el dígito de control se genera automáticamente.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, support 12-bit data, parity bit is automatically generated.</source>
        <translation>Introduzca caracteres en el rango 0 a 9, 12 dígitos; el dígito de control se genera automáticamente.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, supports 7 data, the parity bit is automatically generated.</source>
        <translation>Introduzca caracteres en el rango 0 a 9, 7 dígitos; el dígito de control se genera automáticamente.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 ~ 9, A ~ Z, SP, $,%, +, -,., /, Supports up to not more than 255 data, before and after the automatic insertion *.</source>
        <translation>Introduzca caracteres en el rango 0 ~ 9, A ~ Z, SP, $, %, +, -, ., /, como máximo 255 datos; el * se inserta automáticamente al principio y al final.</translation>
    </message>
    <message>
        <source>Enter the characters in the range of 0 to 9, the support 2 to 255 data and even bits.</source>
        <translation>Introduzca caracteres en el rango 0 a 9, de 2 a 255 datos, en número par.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, $, +, -,, /,:, supports up to over 255, around the need to insert the A ~ D, or a ~ d.</source>
        <translation>Introduzca caracteres en el rango 0 a 9, $, +, -, ., /, :, hasta 255 datos; al principio y al final debe ir A ~ D o a ~ d.</translation>
    </message>
    <message>
        <source>Input characters in the range of 00H to 7FH, checksum c, k are generated automatically.</source>
        <translation>Introduzca caracteres en el rango 00H a 7FH; los caracteres de control C y K se generan automáticamente.</translation>
    </message>
</context>
<context>
    <name>C2DCode</name>
    <message>
        <source>The data empty</source>
        <translation>No hay datos</translation>
    </message>
    <message>
        <source>Entered incorrectly, make sure</source>
        <translation>Entrada incorrecta, compruébela</translation>
    </message>
    <message>
        <source>The data is too long: at most 65532 bytes</source>
        <translation>Los datos son demasiado largos: como máximo 65532 bytes</translation>
    </message>
    <message>
        <source>Code Style:</source>
        <translation>Tipo código:</translation>
    </message>
    <message>
        <source>Code Data:</source>
        <translation>Datos código:</translation>
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
        <translation>Parámetros del código</translation>
    </message>
</context>
<context>
    <name>CBarcode</name>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Above the Barcode</source>
        <translation>Encima del código</translation>
    </message>
    <message>
        <source>Below the Barcode</source>
        <translation>Debajo del código</translation>
    </message>
    <message>
        <source>Above &amp; below the Barcode</source>
        <translation>Encima &amp; debajo del código</translation>
    </message>
    <message>
        <source>Unit width:</source>
        <translation>Ancho módulo:</translation>
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
        <translation>Datos código:</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instrucciones:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Unit width of between 1 and 6</source>
        <translation>Ancho de módulo entre 1 y 6</translation>
    </message>
    <message>
        <source>Bar code height of 1 to 255</source>
        <translation>Altura del código de barras de 1 a 255</translation>
    </message>
    <message>
        <source>Entered incorrectly, make sure</source>
        <translation>Entrada incorrecta, compruébela</translation>
    </message>
</context>
<context>
    <name>CDMTX</name>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Module width:</source>
        <translation>Ancho módulo:</translation>
    </message>
    <message>
        <source>模块宽度为2~8</source>
        <translation>El ancho de módulo es 2~8</translation>
    </message>
</context>
<context>
    <name>CLampButton</name>
    <message>
        <source>on</source>
        <translation>encendido</translation>
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
        <translation>Fijar</translation>
    </message>
    <message>
        <source>Set [Sa]~[Sf]</source>
        <translation>Fijar [Sa]~[Sf]</translation>
    </message>
    <message>
        <source>AD:</source>
        <translation>AD:</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>ADTH1~4:</source>
        <translation>ADTH1~4:</translation>
    </message>
    <message>
        <source>Set ADTH1~4</source>
        <translation>Fijar ADTH1~4</translation>
    </message>
    <message>
        <source>DIS1~3:</source>
        <translation>DIS1~3:</translation>
    </message>
    <message>
        <source>Set DIS1~3</source>
        <translation>Fijar DIS1~3</translation>
    </message>
    <message>
        <source>Feed tear position</source>
        <translation>Avanzar a pos. arranque</translation>
    </message>
    <message>
        <source>Feed cut position</source>
        <translation>Avanzar a pos. corte</translation>
    </message>
    <message>
        <source>Feed print position</source>
        <translation>Avanzar a pos. impresión</translation>
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
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Alto:</translation>
    </message>
    <message>
        <source>Error correction level:</source>
        <translation>Nivel corrección errores:</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Truncado</translation>
    </message>
    <message>
        <source>Row range of 3 to 90</source>
        <translation>Filas de 3 a 90</translation>
    </message>
    <message>
        <source>Columns range from 1 to 30</source>
        <translation>Columnas de 1 a 30</translation>
    </message>
    <message>
        <source>Unit width of 2 to 8</source>
        <translation>Ancho de módulo de 2 a 8</translation>
    </message>
    <message>
        <source>Line height of 2 to 8</source>
        <translation>Altura de fila de 2 a 8</translation>
    </message>
</context>
<context>
    <name>CQRCode</name>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Module width:</source>
        <translation>Ancho módulo:</translation>
    </message>
    <message>
        <source>Error correction level:</source>
        <translation>Nivel corrección errores:</translation>
    </message>
    <message>
        <source>Module width is 1 ~ 16</source>
        <translation>El ancho de módulo es 1 ~ 16</translation>
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
        <translation>sin marcar</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>CTalvaneApp</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>--log-level takes error, warning or info, not &quot;%1&quot;</source>
        <translation>--log-level admite error, warning o info, no «%1»</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set)</source>
        <translation>no se encontró pantalla (DISPLAY no está definido)</translation>
    </message>
    <message>
        <source>the display %1 is not running (no %2)</source>
        <translation>la pantalla %1 no está en marcha (no existe %2)</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>talvane: %1.
Run it under a virtual display:
  xvfb-run -a talvane
or render its window to a picture without any display:
  talvane --screenshot window.png
</source>
        <translation>talvane: %1.
Ejecútelo en una pantalla virtual:
  xvfb-run -a talvane
o dibuje su ventana en una imagen sin pantalla:
  talvane --screenshot window.png
</translation>
    </message>
    <message>
        <source>--tap needs the program side and the printer</source>
        <translation>--tap necesita el lado del programa y la impresora</translation>
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
Consola de pruebas para impresoras térmicas de recibos y etiquetas por puerto serie,
USB o red.

  --port PATH          listar también este dispositivo: un dispositivo serie (sirve un
                       pseudoterminal o un enlace de /dev/serial/by-id, listado como
                       COM901, COM902, ... en el orden dado) o una impresora USB
                       (/dev/usb/lp0, listada como USB1); repetible
  --port tcp://HOST[:PORT]
                       listar también esta impresora de red (TCP en bruto, puerto
                       9100 si se omite), listada como NET1, NET2, ...
  --screenshot FILE    dibujar la ventana tal como se ve tras el arranque en un
                       archivo PNG y salir (no necesita pantalla)
  --reset-settings     olvidar el puerto, las listas, las carpetas y la posición de
                       ventana recordados, y empezar como el primer día
  --log-level LEVEL    qué guarda el registro de eventos: error, warning o info
                       (todo; el predeterminado)
  --no-log             mantener el registro de eventos solo en memoria (Ctrl+L lo muestra)
  --lang CODE          usar este idioma: de, es, pt_BR, ru, zh_CN o en (los textos
                       originales); sin ella se usa el idioma del escritorio
                       (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  --tap PROGRAM-SIDE PRINTER
                       abrir la ventana Derivación (Ctrl+T) e iniciarla: el lado
                       del programa es pty:PATH, tcp-listen:ADDR:PORT o
                       passive:A,B (entonces sin impresora), la impresora un
                       nombre de puerto (COM3, NET1), una ruta de dispositivo o
                       tcp://HOST:PORT
  --help               mostrar este texto
  --version            mostrar la versión

El registro de eventos se guarda en $XDG_STATE_HOME/talvane (~/.local/state/talvane),
un archivo por día; los días más antiguos se borran cuando los archivos superan 10 MiB.

La consola necesita una pantalla. Sin ella, ejecútela en una pantalla virtual:
  xvfb-run -a talvane
</translation>
    </message>
</context>
<context>
    <name>CTalvaneDlg</name>
    <message>
        <source>Expected receipt</source>
        <translation>Recibo esperado</translation>
    </message>
    <message>
        <source>Font Sample</source>
        <translation>Muestra fuente</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Márgenes</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>Coordenada</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidad</translation>
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
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alineación</translation>
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
        <translation>Prueba rápida</translation>
    </message>
    <message>
        <source>Picture Printing</source>
        <translation>Impresión de imagen</translation>
    </message>
    <message>
        <source>Picture preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Preview horizontal scroll</source>
        <translation>Desplazamiento horizontal de la vista previa</translation>
    </message>
    <message>
        <source>Preview vertical scroll</source>
        <translation>Desplazamiento vertical de la vista previa</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Umbral</translation>
    </message>
    <message>
        <source>Bit-image mode</source>
        <translation>Modo imagen de bits</translation>
    </message>
    <message>
        <source>Raser bit image</source>
        <translation>Imagen ráster</translation>
    </message>
    <message>
        <source>Picture density</source>
        <translation>Densidad de imagen</translation>
    </message>
    <message>
        <source>Picture path</source>
        <translation>Ruta de imagen</translation>
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
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Wider than paper</source>
        <translation>Más ancha que papel</translation>
    </message>
    <message>
        <source>Rows per block</source>
        <translation>Filas por bloque</translation>
    </message>
    <message>
        <source>Rows per raster block, sent paced to the line with progress and Cancel; &quot;One block&quot; sends it at once</source>
        <translation>Filas por bloque ráster, enviadas al ritmo de la línea con progreso y Cancelar; «Un bloque» lo envía todo de una vez</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertir</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>Girar 90°</translation>
    </message>
    <message>
        <source>Wider</source>
        <translation>Más ancha</translation>
    </message>
    <message>
        <source>Rows/block</source>
        <translation>Filas/bloque</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>Tamaño imagen</translation>
    </message>
    <message>
        <source>Picture sent</source>
        <translation>Imagen enviada</translation>
    </message>
    <message>
        <source>Picture progress</source>
        <translation>Progreso de la imagen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>8-dot single-density</source>
        <translation>8 puntos densidad simple</translation>
    </message>
    <message>
        <source>8-dot double-density</source>
        <translation>8 puntos densidad doble</translation>
    </message>
    <message>
        <source>24-dot single-density</source>
        <translation>24 puntos densidad simple</translation>
    </message>
    <message>
        <source>24-dot double-density</source>
        <translation>24 puntos densidad doble</translation>
    </message>
    <message>
        <source>Are you sure to quit?</source>
        <translation>¿Seguro que desea salir?</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Please Open the Port</source>
        <translation>Abra el puerto, por favor</translation>
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
        <translation>Cuadrado auto</translation>
    </message>
    <message>
        <source>Rect auto</source>
        <translation>Rectáng. auto</translation>
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
        <translation>Registro de eventos...</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Registro de eventos</translation>
    </message>
    <message>
        <source>Show events of kind</source>
        <translation>Mostrar eventos del tipo</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Todos los eventos</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Not kept on disk</source>
        <translation>No se guarda en disco</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Guardado en %1</translation>
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
        <translation>Recibo esperado</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message numerus="yes">
        <source>%n older receipt(s) let go; the window keeps the newest</source>
        <translation>
            <numerusform>%n recibo antiguo descartado; la ventana guarda los más recientes</numerusform>
            <numerusform>%n recibos antiguos descartados; la ventana guarda los más recientes</numerusform>
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
        <translation>Enviado en la tabla de caracteres propia de la consola (%1): la mayoría de las impresoras imprimen estos bytes como otros caracteres. Elija la página de códigos de la impresora en la lista «Página de códigos» para enviar texto en ella.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>there is no %1 translation; the languages are: en, %2</source>
        <translation>no hay traducción %1; los idiomas son: en, %2</translation>
    </message>
    <message>
        <source>the %1 translation is missing from the program</source>
        <translation>falta la traducción %1 en el programa</translation>
    </message>
</context>
<context>
    <name>NumberList</name>
    <message>
        <source>Please enter the six figures, &quot;;&quot; to separate</source>
        <translation>Introduzca seis números separados por «;»</translation>
    </message>
    <message>
        <source>The data range of -99 to 999</source>
        <translation>Rango de datos de -99 a 999</translation>
    </message>
    <message>
        <source>Please enter the four digits, use the &quot;;&quot; to separate</source>
        <translation>Introduzca cuatro números separados por «;»</translation>
    </message>
    <message>
        <source>Data range from 1 to 3299</source>
        <translation>Rango de datos de 1 a 3299</translation>
    </message>
    <message>
        <source>Please enter the three digits, &quot;;&quot; separated</source>
        <translation>Introduzca tres números separados por «;»</translation>
    </message>
    <message>
        <source>The data range from 0 to 999</source>
        <translation>Rango de datos de 0 a 999</translation>
    </message>
</context>
<context>
    <name>PacedSender</name>
    <message>
        <source>%1 was not sent: the printer has taken nothing of the picture for %2 s. Cancel the picture, or try again when it takes data.</source>
        <translation>%1 no se envió: la impresora no ha aceptado nada de la imagen durante %2 s. Cancele la imagen o vuelva a intentarlo cuando acepte datos.</translation>
    </message>
    <message>
        <source>The setting</source>
        <translation>El ajuste</translation>
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
        <translation>no es un formato de imagen que este programa lea (%1)</translation>
    </message>
    <message>
        <source>the %1 file ends before its picture does</source>
        <translation>el archivo %1 termina antes que su imagen</translation>
    </message>
    <message>
        <source>the %1 decoder failed: %2</source>
        <translation>falló el decodificador de %1: %2</translation>
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
        <translation>%1 x %2 escalada a %3 x %4</translation>
    </message>
    <message>
        <source>%1 x %2 cropped to %3 x %4</source>
        <translation>%1 x %2 recortada a %3 x %4</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>Picture preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Fit to box</source>
        <translation>Ajustar al recuadro</translation>
    </message>
</context>
<context>
    <name>PicturePrinter</name>
    <message>
        <source>8-dot single-density</source>
        <translation>8 puntos densidad simple</translation>
    </message>
    <message>
        <source>8-dot double-density</source>
        <translation>8 puntos densidad doble</translation>
    </message>
    <message>
        <source>24-dot single-density</source>
        <translation>24 puntos densidad simple</translation>
    </message>
    <message>
        <source>24-dot double-density</source>
        <translation>24 puntos densidad doble</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Double-width</source>
        <translation>Doble ancho</translation>
    </message>
    <message>
        <source>Double-height</source>
        <translation>Doble alto</translation>
    </message>
    <message>
        <source>Quadruple</source>
        <translation>Cuádruple</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Picture load fail</source>
        <translation>Error al cargar la imagen</translation>
    </message>
    <message>
        <source>picture load fail</source>
        <translation>error al cargar la imagen</translation>
    </message>
    <message>
        <source>Threshold can not be greater than 255</source>
        <translation>El umbral no puede ser mayor que 255</translation>
    </message>
    <message>
        <source>Picture height can not be greater than 65535</source>
        <translation>La altura de la imagen no puede ser mayor que 65535</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>One block</source>
        <translation>Un bloque</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Umbral</translation>
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
        <translation>Archivo BMP(*.bmp)|*.bmp|Archivos JPEG/JPG(*.jpg,*.jpeg)|*.jpg;*.jpeg|Archivos PNG(*.png)|*.png|Archivos GIF(*.gif)|*.gif|Otros(*.*)|*.*||</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Todas las imágenes</translation>
    </message>
    <message>
        <source>%1 of %2 bytes, %3 of %4 rows</source>
        <translation>%1 de %2 bytes, %3 de %4 filas</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, quedan unos %1 s</translation>
    </message>
    <message>
        <source>Stopped: the printer on %1 was lost after %2 rows</source>
        <translation>Detenido: la impresora en %1 se perdió tras %2 filas</translation>
    </message>
    <message>
        <source>Stopped for %1: %2 of %3 rows sent; %4 blocks (%5 rows) dropped</source>
        <translation>Detenido por %1: %2 de %3 filas enviadas; %4 bloques (%5 filas) descartados</translation>
    </message>
    <message>
        <source>Cancelled: %1 of %2 rows sent, in %3 of %4 blocks</source>
        <translation>Cancelado: %1 de %2 filas enviadas, en %3 de %4 bloques</translation>
    </message>
    <message>
        <source>Sent: %1 rows, %2 bytes, in %3 blocks</source>
        <translation>Enviado: %1 filas, %2 bytes, en %3 bloques</translation>
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
        <translation>Cerrar COM</translation>
    </message>
    <message>
        <source>Open the serial port error</source>
        <translation>Error al abrir el puerto serie</translation>
    </message>
    <message>
        <source>A USB or network printer has no baud rate or handshake lines; the printer&apos;s own settings apply.</source>
        <translation>Una impresora USB o de red no tiene velocidad en baudios ni líneas de control de flujo; se aplica la configuración propia de la impresora.</translation>
    </message>
    <message>
        <source>The baud rate cannot be set on this port: a USB or network printer has no baud rate.</source>
        <translation>La velocidad en baudios no se puede ajustar en este puerto: una impresora USB o de red no tiene velocidad en baudios.</translation>
    </message>
    <message>
        <source>The handshaking cannot be set on this port: a USB or network printer has no handshake lines.</source>
        <translation>El control de flujo no se puede ajustar en este puerto: una impresora USB o de red no tiene líneas de control de flujo.</translation>
    </message>
    <message>
        <source> – absent</source>
        <translation> – ausente</translation>
    </message>
    <message>
        <source>This device is not there now; the list shows it again when it comes back.</source>
        <translation>Este dispositivo no está presente ahora; la lista lo mostrará de nuevo cuando vuelva.</translation>
    </message>
    <message>
        <source>The printer on %1 is gone. The port opens again by itself when the same printer is back; Close COM stops waiting.</source>
        <translation>La impresora en %1 ha desaparecido. El puerto se abrirá solo cuando vuelva la misma impresora; «Cerrar COM» deja de esperar.</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1 no está presente</translation>
    </message>
    <message>
        <source>The printer on %1 is back: reconnected</source>
        <translation>La impresora en %1 ha vuelto: reconectada</translation>
    </message>
    <message>
        <source>Choose a port, or type a device path (/dev/...) or tcp://HOST:PORT and press Enter.</source>
        <translation>Elija un puerto o escriba una ruta de dispositivo (/dev/...) o tcp://HOST:PORT y pulse Intro.</translation>
    </message>
    <message>
        <source>Type a device path starting with / or a network printer as tcp://HOST:PORT.</source>
        <translation>Escriba una ruta de dispositivo que empiece por / o una impresora de red como tcp://HOST:PORT.</translation>
    </message>
    <message>
        <source>No more ports can be added to the list.</source>
        <translation>No se pueden añadir más puertos a la lista.</translation>
    </message>
    <message>
        <source>%1 closed: %2 bytes were not delivered</source>
        <translation>%1 cerrado: %2 bytes no se entregaron</translation>
    </message>
    <message>
        <source>%1 closed: the port could not say whether everything was delivered</source>
        <translation>%1 cerrado: el puerto no pudo indicar si se entregó todo</translation>
    </message>
    <message>
        <source>本计算机上没有发现可用串口</source>
        <translation>No se encontró ningún puerto serie disponible en este equipo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Interfaz:</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baudios:</translation>
    </message>
    <message>
        <source>Handshaking:</source>
        <translation>Control flujo:</translation>
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
        <translation>Fijar</translation>
    </message>
    <message>
        <source>Set baud rate</source>
        <translation>Fijar velocidad en baudios</translation>
    </message>
    <message>
        <source>Set handshaking</source>
        <translation>Fijar control de flujo</translation>
    </message>
    <message>
        <source>Talvane logo</source>
        <translation>Logotipo de Talvane</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
</context>
<context>
    <name>PortSetup</name>
    <message>
        <source>No device has this port number.</source>
        <translation>Ningún dispositivo tiene este número de puerto.</translation>
    </message>
    <message>
        <source>%1 does not exist (is the adapter plugged in?).</source>
        <translation>%1 no existe (¿está conectado el adaptador?).</translation>
    </message>
    <message>
        <source>No permission to use %1: add your user to the group &quot;%2&quot; (sudo usermod -aG %2 $USER), then log in again.</source>
        <translation>Sin permiso para usar %1: añada su usuario al grupo «%2» (sudo usermod -aG %2 $USER) y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, or is not a serial port.</source>
        <translation>%1 está en uso por otro programa o no es un puerto serie.</translation>
    </message>
    <message>
        <source>Cannot connect to %1</source>
        <translation>No se puede conectar con %1</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>No se puede conectar con %1: %2</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <source>The printer on %1 is gone (%2)</source>
        <translation>La impresora en %1 ha desaparecido (%2)</translation>
    </message>
    <message>
        <source>%1 bytes waiting to be sent were dropped, not sent.</source>
        <translation>%1 bytes pendientes de envío se descartaron, no se enviaron.</translation>
    </message>
</context>
<context>
    <name>RecordsPanel</name>
    <message>
        <source>no data</source>
        <translation>sin datos</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>Import failed</source>
        <translation>Error al importar</translation>
    </message>
    <message>
        <source>The file is too large to import</source>
        <translation>El archivo es demasiado grande para importarlo</translation>
    </message>
    <message>
        <source>Row %1 is not hex text; nothing was sent</source>
        <translation>La fila %1 no es texto hexadecimal; no se envió nada</translation>
    </message>
    <message>
        <source> Prompt</source>
        <translation> Aviso</translation>
    </message>
    <message>
        <source>Operational records</source>
        <translation>Registro de operaciones</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Resend</source>
        <translation>Reenviar</translation>
    </message>
    <message>
        <source>The contents of the file does not meet the hex command mode, the import operation was canceled 
Line %1 is not hex text of whole bytes.</source>
        <translation>El contenido del archivo no corresponde al modo de comandos hexadecimal; se canceló la importación 
La línea %1 no es texto hexadecimal de bytes completos.</translation>
    </message>
</context>
<context>
    <name>RememberedSettings</name>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>no se puede eliminar %1: %2</translation>
    </message>
    <message>
        <source>the remembered settings in %1 could not be read; starting from the defaults</source>
        <translation>no se pudo leer la configuración guardada en %1; se parte de los valores predeterminados</translation>
    </message>
    <message>
        <source>the settings could not be saved in %1; this session goes on without them</source>
        <translation>no se pudo guardar la configuración en %1; esta sesión continúa sin ella</translation>
    </message>
</context>
<context>
    <name>SendReceivePanel</name>
    <message>
        <source>Save failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The contents of the file does not meet the hex command mode, the import operation is canceled</source>
        <translation>El contenido del archivo no corresponde al modo de comandos hexadecimal; se cancela la importación</translation>
    </message>
    <message>
        <source>The file is too large to send</source>
        <translation>El archivo es demasiado grande para enviarlo</translation>
    </message>
    <message>
        <source>The file is too large to import</source>
        <translation>El archivo es demasiado grande para importarlo</translation>
    </message>
    <message>
        <source>Send Data</source>
        <translation>Enviar datos</translation>
    </message>
    <message>
        <source>File path</source>
        <translation>Ruta del archivo</translation>
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
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Send text</source>
        <translation>Enviar texto</translation>
    </message>
    <message>
        <source>Receive Data</source>
        <translation>Recibir datos</translation>
    </message>
    <message>
        <source>Reply in words</source>
        <translation>Respuesta en palabras</translation>
    </message>
</context>
<context>
    <name>SettingPanel</name>
    <message>
        <source>Set the line spacing can&apos;t greater than 255</source>
        <translation>El interlineado no puede ser mayor que 255</translation>
    </message>
    <message>
        <source>The left margin and right margin should be less than%1</source>
        <translation>Los márgenes izquierdo y derecho deben ser menores que %1</translation>
    </message>
    <message>
        <source>Absolute coordinates should be less than%1</source>
        <translation>Las coordenadas absolutas deben ser menores que %1</translation>
    </message>
    <message>
        <source>Set of feeding distance can&apos;t greater than 255</source>
        <translation>La distancia de avance no puede ser mayor que 255</translation>
    </message>
    <message>
        <source>Double-high</source>
        <translation>Doble alto</translation>
    </message>
    <message>
        <source>Double-width</source>
        <translation>Doble ancho</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Marco</translation>
    </message>
    <message>
        <source>Underscore</source>
        <translation>Subrayado</translation>
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
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right home</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>low-speed</source>
        <translation>lenta</translation>
    </message>
    <message>
        <source>middle-speed</source>
        <translation>media</translation>
    </message>
    <message>
        <source>high-speed</source>
        <translation>rápida</translation>
    </message>
    <message>
        <source>Printer Setting</source>
        <translation>Ajustes de impresora</translation>
    </message>
    <message>
        <source>Line spacing</source>
        <translation>Interlineado</translation>
    </message>
    <message>
        <source>Left margin</source>
        <translation>Margen izq.</translation>
    </message>
    <message>
        <source>Right margin</source>
        <translation>Margen der.</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alineación</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidad</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>Coordenada</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Fijar</translation>
    </message>
    <message>
        <source>Code page</source>
        <translation>Pág. códigos</translation>
    </message>
    <message>
        <source>Cut and feed</source>
        <translation>Corte y avance</translation>
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
        <translation>Avance</translation>
    </message>
    <message>
        <source>Feed distance</source>
        <translation>Distancia de avance</translation>
    </message>
    <message>
        <source>Back distance</source>
        <translation>Distancia de retroceso</translation>
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
        <translation>Retroceder</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Paper-end</source>
        <translation>Fin papel</translation>
    </message>
    <message>
        <source>Overheat</source>
        <translation>Sobrecal.</translation>
    </message>
    <message>
        <source>Overvoltage</source>
        <translation>Sobretens.</translation>
    </message>
    <message>
        <source>Platen-up</source>
        <translation>Tapa abierta</translation>
    </message>
    <message>
        <source>Cutter-out</source>
        <translation>Error cort.</translation>
    </message>
    <message>
        <source>BUSY</source>
        <translation>BUSY</translation>
    </message>
    <message>
        <source>No answer from the printer</source>
        <translation>Sin respuesta de la impresora</translation>
    </message>
    <message>
        <source>No answer from the printer (last answer at %1)</source>
        <translation>Sin respuesta de la impresora (última respuesta a las %1)</translation>
    </message>
    <message>
        <source>Last answer at %1</source>
        <translation>Última respuesta a las %1</translation>
    </message>
    <message>
        <source>Printer status</source>
        <translation>Estado de la impresora</translation>
    </message>
    <message>
        <source>Note: BUSY status in the hardware flow control</source>
        <translation>Nota: estado BUSY con control de flujo por hardware</translation>
    </message>
    <message>
        <source>Read status</source>
        <translation>Leer estado</translation>
    </message>
    <message>
        <source>Clear-Buf</source>
        <translation>Borrar búfer</translation>
    </message>
    <message>
        <source>Printer answer</source>
        <translation>Respuesta de la impresora</translation>
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
        <translation>ancho</translation>
    </message>
    <message>
        <source>module size</source>
        <translation>tamaño de módulo</translation>
    </message>
    <message>
        <source>module width</source>
        <translation>ancho de módulo</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; at %3 %4 is %5 dots, wider than the %6 of %7 mm: it will not print</source>
        <translation>%1 &apos;%2&apos; con %3 %4 mide %5 puntos, más que los %6 puntos de %7 mm: no se imprimirá</translation>
    </message>
</context>
<context>
    <name>TapRowsModel</name>
    <message>
        <source>to printer</source>
        <translation>a la impresora</translation>
    </message>
    <message>
        <source>to program</source>
        <translation>al programa</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>unknown command</source>
        <translation>comando desconocido</translation>
    </message>
    <message>
        <source>cut off</source>
        <translation>cortado</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>sent while held</source>
        <translation>enviado mientras estaba detenido</translation>
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
        <translation>Desde la anterior</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Command or reply</source>
        <translation>Comando o respuesta</translation>
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
        <translation>%1: no se puede generar la imagen</translation>
    </message>
    <message>
        <source>Tap...</source>
        <translation>Derivación...</translation>
    </message>
    <message>
        <source>Tap</source>
        <translation>Derivación</translation>
    </message>
    <message>
        <source>Pseudo-terminal</source>
        <translation>Pseudoterminal</translation>
    </message>
    <message>
        <source>TCP listener</source>
        <translation>Escucha TCP</translation>
    </message>
    <message>
        <source>Passive tap (two lines)</source>
        <translation>Derivación pasiva (dos líneas)</translation>
    </message>
    <message>
        <source>Program side</source>
        <translation>Lado del programa</translation>
    </message>
    <message>
        <source>Program&apos;s port</source>
        <translation>Puerto del programa</translation>
    </message>
    <message>
        <source>Program&apos;s line</source>
        <translation>Línea del programa</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Conversation</source>
        <translation>Conversación</translation>
    </message>
    <message>
        <source>Expected receipt</source>
        <translation>Recibo esperado</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Save capture...</source>
        <translation>Guardar captura...</translation>
    </message>
    <message>
        <source>Save capture</source>
        <translation>Guardar captura</translation>
    </message>
    <message>
        <source>Save records...</source>
        <translation>Guardar registro...</translation>
    </message>
    <message>
        <source>Save records</source>
        <translation>Guardar registro</translation>
    </message>
    <message>
        <source>Save receipts...</source>
        <translation>Guardar recibos...</translation>
    </message>
    <message>
        <source>Save receipts</source>
        <translation>Guardar recibos</translation>
    </message>
    <message>
        <source>Program side:</source>
        <translation>Lado del programa:</translation>
    </message>
    <message>
        <source>Printer&apos;s line:</source>
        <translation>Línea de la impresora:</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>The address programs connect to, ADDRESS:PORT</source>
        <translation>La dirección a la que se conectan los programas, ADDRESS:PORT</translation>
    </message>
    <message>
        <source>The path the program opens as its printer&apos;s port</source>
        <translation>La ruta que el programa abre como puerto de su impresora</translation>
    </message>
    <message>
        <source>No printer port is chosen.</source>
        <translation>No se ha elegido ningún puerto de impresora.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port of the list, a device path or tcp://HOST:PORT.</source>
        <translation>&quot;%1&quot; no es un puerto de la lista, una ruta de dispositivo ni tcp://HOST:PORT.</translation>
    </message>
    <message>
        <source>The tap cannot start:
%1</source>
        <translation>La derivación no puede iniciarse:
%1</translation>
    </message>
    <message>
        <source>Running; programs connect to %1</source>
        <translation>En marcha; los programas se conectan a %1</translation>
    </message>
    <message>
        <source>Running; %1</source>
        <translation>En marcha; %1</translation>
    </message>
    <message>
        <source>Stopped; the ports are released</source>
        <translation>Detenida; los puertos están liberados</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>No iniciada</translation>
    </message>
    <message>
        <source>; %1 bytes passed undecoded</source>
        <translation>; %1 bytes pasaron sin decodificar</translation>
    </message>
    <message>
        <source>; %1 rows dropped from the window (it keeps the last %2)</source>
        <translation>; %1 filas quitadas de la ventana (guarda las últimas %2)</translation>
    </message>
    <message>
        <source>Capture files(*.txt)|*.txt|All files(*)|*||</source>
        <translation>Archivos de captura(*.txt)|*.txt|Todos los archivos(*)|*||</translation>
    </message>
    <message>
        <source>The capture was not saved:
%1</source>
        <translation>La captura no se guardó:
%1</translation>
    </message>
    <message>
        <source>Capture saved to %1</source>
        <translation>Captura guardada en %1</translation>
    </message>
    <message>
        <source>TXT files(*.txt)|*.txt||</source>
        <translation>Archivos TXT(*.txt)|*.txt||</translation>
    </message>
    <message>
        <source>The records were not saved:
%1</source>
        <translation>El registro no se guardó:
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) of the program&apos;s side saved to %1</source>
        <translation>
            <numerusform>%n registro(s) del lado del programa guardado(s) en %1</numerusform>
            <numerusform>%n registro(s) del lado del programa guardado(s) en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The program printed no receipt.</source>
        <translation>El programa no imprimió ningún recibo.</translation>
    </message>
    <message>
        <source>PNG pictures(*.png)|*.png||</source>
        <translation>Imágenes PNG(*.png)|*.png||</translation>
    </message>
    <message>
        <source>The receipts were not saved:
%1</source>
        <translation>Los recibos no se guardaron:
%1</translation>
    </message>
    <message>
        <source>Receipt saved to %1</source>
        <translation>Recibo guardado en %1</translation>
    </message>
    <message>
        <source>%1 receipts saved: %2 ... %3</source>
        <translation>%1 recibos guardados: %2 ... %3</translation>
    </message>
    <message>
        <source>Stopped; the ports are released; %1 bytes were not delivered to the printer</source>
        <translation>Detenida; los puertos están liberados; %1 bytes no se entregaron a la impresora</translation>
    </message>
    <message>
        <source>Opening the ports...</source>
        <translation>Abriendo los puertos...</translation>
    </message>
    <message>
        <source>Stopping; what waits for the printer still goes to it...</source>
        <translation>Deteniendo; lo que espera a la impresora aún le llega...</translation>
    </message>
    <message numerus="yes">
        <source>; %n older receipt(s) let go from the window</source>
        <translation>
            <numerusform>; %n recibo antiguo descartado de la ventana</numerusform>
            <numerusform>; %n recibos antiguos descartados de la ventana</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextBytes</name>
    <message>
        <source>Code page %1 has no character &quot;%2&quot; (%3)</source>
        <translation>La página de códigos %1 no tiene el carácter «%2» (%3)</translation>
    </message>
    <message>
        <source>Code page %1 has no character for the byte %2</source>
        <translation>La página de códigos %1 no tiene carácter para el byte %2</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>cannot write standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>unexpected operand &quot;%1&quot;</source>
        <translation>operando inesperado «%1»</translation>
    </message>
    <message>
        <source>missing operand</source>
        <translation>falta un operando</translation>
    </message>
    <message>
        <source>--port is missing: name the printer&apos;s port (COM&lt;n&gt; from talvane-cli ports, or a device path)</source>
        <translation>falta --port: indique el puerto de la impresora (COM&lt;n&gt; de talvane-cli ports, o una ruta de dispositivo)</translation>
    </message>
    <message>
        <source>--baud needs a positive number of bits per second, not &quot;%1&quot;</source>
        <translation>--baud necesita un número positivo de bits por segundo, no «%1»</translation>
    </message>
    <message>
        <source>--handshake is none, rtscts or xonxoff, not &quot;%1&quot;</source>
        <translation>--handshake es none, rtscts o xonxoff, no «%1»</translation>
    </message>
    <message>
        <source>--model is 58 or 80 (paper width in mm), not &quot;%1&quot;</source>
        <translation>--model es 58 u 80 (ancho del papel en mm), no «%1»</translation>
    </message>
    <message>
        <source>--record needs a file name</source>
        <translation>--record necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MiB; refused</source>
        <translation>%1 es mayor de 64 MiB; rechazado</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>cannot write the records file: %1</source>
        <translation>no se puede escribir el archivo de registro: %1</translation>
    </message>
    <message>
        <source>cannot write the records file %1</source>
        <translation>no se puede escribir el archivo de registro %1</translation>
    </message>
    <message>
        <source>row %1 (&quot;%2&quot;) is not hex text of whole bytes; nothing was sent</source>
        <translation>la fila %1 (&quot;%2&quot;) no es texto hexadecimal de bytes completos; no se envió nada</translation>
    </message>
    <message>
        <source>--%1 needs a whole number, not &quot;%2&quot;</source>
        <translation>--%1 necesita un número entero, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: %2 (see talvane-cli %1 --help)</source>
        <translation>%1: %2 (véase talvane-cli %1 --help)</translation>
    </message>
    <message>
        <source>unknown subcommand &quot;%1&quot; (talvane-cli --help lists them)</source>
        <translation>subcomando desconocido «%1» (talvane-cli --help los lista)</translation>
    </message>
    <message>
        <source>unknown option --%1</source>
        <translation>opción desconocida --%1</translation>
    </message>
    <message>
        <source>--%1 is given twice</source>
        <translation>--%1 se indica dos veces</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 no admite valor</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1/%2 bytes</source>
        <translation>%1/%2 bytes</translation>
    </message>
    <message>
        <source>%1; %2 of %3 bytes were sent</source>
        <translation>%1; se enviaron %2 de %3 bytes</translation>
    </message>
    <message>
        <source>the printer on %1 took no data for %2 s (flow control held off, or the device went away)</source>
        <translation>la impresora en %1 no aceptó datos durante %2 s (control de flujo detenido, o el dispositivo desapareció)</translation>
    </message>
    <message>
        <source>stopped by %1</source>
        <translation>detenido por %1</translation>
    </message>
    <message>
        <source>no port given: name one with --port COM&lt;n&gt; or --port /dev/... (talvane-cli ports lists them)</source>
        <translation>no se indicó puerto: indique uno con --port COM&lt;n&gt; o --port /dev/... (talvane-cli ports los lista)</translation>
    </message>
    <message>
        <source>too many ports named on the command line</source>
        <translation>demasiados puertos en la línea de comandos</translation>
    </message>
    <message>
        <source>unknown port %1 (talvane-cli ports lists them; a device path works too)</source>
        <translation>puerto desconocido %1 (talvane-cli ports los lista; también sirve una ruta de dispositivo)</translation>
    </message>
    <message>
        <source>%1 closed</source>
        <translation>%1 cerrado</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>cannot set %1 to %2 baud with the chosen handshake</source>
        <translation>no se puede ajustar %1 a %2 baudios con el control de flujo elegido</translation>
    </message>
    <message>
        <source>%1 opened at %2 baud</source>
        <translation>%1 abierto a %2 baudios</translation>
    </message>
    <message>
        <source>%1 lost (%2)</source>
        <translation>%1 perdido (%2)</translation>
    </message>
    <message>
        <source>the printer on %1 went away (%2)</source>
        <translation>la impresora en %1 desapareció (%2)</translation>
    </message>
    <message>
        <source>the printer on %1 went away</source>
        <translation>la impresora en %1 desapareció</translation>
    </message>
    <message>
        <source>%1; %2 bytes were still waiting to leave</source>
        <translation>%1; %2 bytes aún esperaban salir</translation>
    </message>
    <message>
        <source>%1 closed without telling whether the printer got everything</source>
        <translation>%1 cerrado sin indicar si la impresora lo recibió todo</translation>
    </message>
    <message>
        <source>%1 closed with %2 bytes the printer had not taken (not delivered)</source>
        <translation>%1 cerrado con %2 bytes que la impresora no había aceptado (no entregados)</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, quedan unos %1 s</translation>
    </message>
    <message>
        <source>sent %1 bytes to %2 in %3 s</source>
        <translation>%1 bytes enviados a %2 en %3 s</translation>
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
        <translation>Opciones de puerto:
  --port PORT          un nombre de `talvane-cli ports` (COM&lt;n&gt;, USB&lt;k&gt;), o una ruta de dispositivo
                       (/dev/ttyUSB0) o tcp://HOST[:PORT] (llamado NET1 como lo lista `ports`)
  --baud RATE          bits por segundo (predeterminado 9600)
  --handshake MODE     none (predeterminado), rtscts o xonxoff
  --model 58|80        ancho del papel de la impresora en mm (predeterminado 58: 384 puntos; 80: 576)
  --record FILE        escribir también lo enviado como archivo de registro que la consola puede importar
  --verbose            mostrar los eventos (puerto abierto, cerrado, perdido, rechazado) en la salida
                       de error estándar con sus horas
  --quiet              no decir nada si todo va bien (sin la línea «N bytes enviados»)
</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 failed, 2 bad command line, 3 input refused (nothing sent),
  4 file cannot be read or written, 5 port unknown, busy, failing or taking no data,
  or printer gone, 6 bytes handed to the port not delivered when it closed,
  130/143 stopped by SIGINT/SIGTERM (port closed, bytes sent said).
</source>
        <translation>Códigos de salida: 0 hecho, 1 fallo, 2 línea de comandos incorrecta, 3 entrada rechazada (nada enviado),
  4 archivo ilegible o no escribible, 5 puerto desconocido, ocupado, con fallos o que no acepta datos,
  o impresora desaparecida, 6 bytes entregados al puerto no enviados al cerrarlo,
  130/143 detenido por SIGINT/SIGTERM (puerto cerrado, bytes enviados indicados).
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
Controla una impresora térmica de recibos desde scripts, con los mismos comandos que la consola.

Subcomandos:
  ports                     los puertos serie, tal como los lista la consola
  send FILE | --hex TEXT | --records FILE | --capture FILE
                            bytes en bruto, texto hexadecimal o un archivo de registro de la consola (como Reenviar)
  sample NAME... | all      pruebas rápidas por nombre de botón (&quot;Font Sample&quot;, &quot;Bar-code&quot;, ...)
  picture FILE              una imagen, tal como la imprime el grupo de imagen de la consola
  barcode TYPE DATA         un código de barras unidimensional
  qr DATA, pdf417 DATA, datamatrix DATA
                            un código bidimensional: almacenar y luego imprimir
  status                    consulta el estado de la impresora; el código de salida indica la condición
  decode [FILE|-]           un archivo de captura o de registro como líneas mnemónicas del registro
  monitor                   muestra lo que envía la impresora, hasta Ctrl+C
  render [FILE|-]           un archivo de captura o de registro como imágenes de recibo, sin impresora
  tap --program SIDE --printer PORT
                            se sitúa entre un programa y su impresora, muestra ambos en vivo

`talvane-cli SUBCOMMAND --help` muestra las opciones y ejemplos de cada uno.
--lang CODE, con cualquier subcomando, usa de, es, pt_BR, ru, zh_CN o en (los textos
originales); sin ella, el idioma del escritorio (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).

Ejemplo:
  talvane-cli status --port /dev/ttyUSB0 &amp;&amp; talvane-cli sample all --port /dev/ttyUSB0
</translation>
    </message>
    <message>
        <source>  status adds 10 paper end, 11 platen up, 12 cutter error, 13 overheat, 14 over-voltage,
  15 no answer; render adds 20 not everything understood, 21 receipt differs.
</source>
        <translation>  status añade 10 fin de papel, 11 tapa abierta, 12 error del cortador, 13 sobrecalentamiento, 14 sobretensión,
  15 sin respuesta; render añade 20 no todo entendido, 21 el recibo difiere.
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
Lista los puertos serie tal como los muestra la lista de puertos de la consola (&quot;COM&lt;n&gt; (&lt;path&gt;)&quot;).
Cada --port PATH añade un dispositivo que la búsqueda no encuentra, como en la consola.

Ejemplos:
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
Ejecuta pruebas rápidas por el nombre de su botón: &quot;Font Sample&quot;, &quot;Print&quot;, &quot;Margins&quot;,
&quot;Coordinate&quot;, &quot;Density&quot;, &quot;Horizon tab&quot;, &quot;Verti tab&quot;, &quot;Picture&quot;, &quot;Alignment&quot;,
&quot;Bar-code&quot;, &quot;QRCode&quot;, &quot;Cutting&quot; o &quot;Printer Init&quot;. Mayúsculas, espacios y guiones no
importan; all ejecuta las doce pruebas rápidas en el orden del diálogo.
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli sample all --port /dev/ttyUSB0
  talvane-cli sample &quot;Font Sample&quot; barcode --port COM3 --record fonts.txt
</source>
        <translation>Ejemplos:
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
Imprime una imagen (BMP, JPEG, PNG, ...) reducida a blanco y negro según el umbral
(predeterminado 128, como máximo 255), recortada al ancho imprimible de --model. Por defecto
bandas de imagen de bits (--size &quot;8-dot single-density&quot;, &quot;8-dot double-density&quot;,
&quot;24-dot single-density&quot;, &quot;24-dot double-density&quot; [predeterminado]); --raster envía un
bloque ráster (--size Normal [predeterminado], Double-width, Double-height, Quadruple).
Las opciones de imagen de la consola: --dots threshold (predeterminado), floyd-steinberg, atkinson
o bayer; --invert; --rotate (un cuarto de vuelta); --fit crop (predeterminado) o scale para una
imagen más ancha que el papel; --block-rows N envía la imagen en bloques de N filas,
uno tras otro (0: un bloque). Los bytes son los de la consola con las mismas opciones.
Una barra de progreso se muestra en la salida de error estándar cuando es un terminal.
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli picture logo.bmp --port /dev/ttyUSB0 --threshold 100
  talvane-cli picture photo.jpg --port COM3 --model 80 --raster --size Double-width
  talvane-cli picture photo.jpg --port COM3 --dots atkinson --fit scale --block-rows 64
</source>
        <translation>Ejemplos:
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
Imprime un código de barras con las reglas y mensajes de la página de códigos de barras. TYPE es
una fila de la lista de códigos de la página (UPCA, UPCE, EAN13, EAN8, CODE39, ITF, CODABAR, CODE93,
CODE128, EAN128). --width 1..6, --height 1..255, --text la línea legible; --hex toma
DATA como texto hexadecimal donde la página lo ofrece. Una opción se envía aunque sea igual
al valor inicial de la página.
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli barcode EAN13 012345678901 --port /dev/ttyUSB0 --text below
  talvane-cli barcode CODE128 &quot;7B 41 42 43&quot; --hex --port COM3 --height 80
</source>
        <translation>Ejemplos:
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
Almacena DATA como código QR y lo imprime, como la página de códigos bidimensionales.
--module-width 1..16; --error-level L (7%), M (15%), Q (25%), H (30%).
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli qr &quot;https://example.com/unit/42&quot; --port /dev/ttyUSB0 --module-width 6
  talvane-cli qr &quot;48 49&quot; --hex --error-level H --port COM3
</source>
        <translation>Ejemplos:
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
Almacena DATA como símbolo PDF417 y lo imprime. --rows 3..90, --columns 1..30,
--module-width 2..8, --row-height 2..8.
</translation>
    </message>
    <message>
        <source>Example:
  talvane-cli pdf417 &quot;LOT 2291-A&quot; --columns 3 --error-level 2 --port /dev/ttyUSB0
</source>
        <translation>Ejemplo:
  talvane-cli pdf417 &quot;LOT 2291-A&quot; --columns 3 --error-level 2 --port /dev/ttyUSB0
</translation>
    </message>
    <message>
        <source>usage: talvane-cli datamatrix DATA --port PORT [--module-width N] [--hex]
Stores DATA as a DataMatrix symbol and prints it. --module-width 2..8.
</source>
        <translation>uso: talvane-cli datamatrix DATA --port PORT [--module-width N] [--hex]
Almacena DATA como símbolo DataMatrix y lo imprime. --module-width 2..8.
</translation>
    </message>
    <message>
        <source>Example:
  talvane-cli datamatrix &quot;SN 000123&quot; --module-width 4 --port /dev/ttyUSB0
</source>
        <translation>Ejemplo:
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
Envía la petición de estado, espera el byte de estado de la impresora (predeterminado 1000 ms) y
muestra su significado. --json imprime una línea:
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
        <translation>Códigos de salida: 0 lista, 10 fin de papel, 11 tapa abierta, 12 error del cortador, 13 sobrecalentamiento,
  14 sobretensión (con varias condiciones, el código más bajo), 15 sin respuesta,
  2 línea de comandos incorrecta, 4 no se puede escribir el archivo de --record, 5 error de puerto.

Ejemplo:
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
Lee un archivo de registro guardado por la consola, o una captura de bytes en bruto, e imprime una línea
por comando: su texto hexadecimal, &quot;//&quot; y su decodificación tal como la muestra el registro de operaciones.
La salida es a su vez un archivo de registro. --raw lee como bytes incluso un texto que parece hexadecimal.
--replies lee en cambio bytes que envió la impresora e imprime cada respuesta en palabras
(bytes de estado, respuestas), como los muestra el panel de recepción de la consola.
Entrada estándar si no se indica FILE. Un archivo de captura de tap (--capture de tap) se
muestra como lo mostró tap: ambas direcciones, respuestas en palabras, alertas y resumen.

Ejemplos:
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
Muestra lo que envía la impresora, como texto hexadecimal con el significado de los bytes de estado,
las respuestas y XON (11) / XOFF (13) debajo, hasta que se interrumpe (Ctrl+C, SIGTERM:
salida 0). --time empieza cada línea con la hora local al milisegundo.
--auto-status activa el estado automático de la impresora durante la ejecución (GS a 2F)
y lo desactiva al terminar (GS a 00), para que los cambios de estado se vean sin preguntar.
</translation>
    </message>
    <message>
        <source>Example:
  talvane-cli monitor --port /dev/ttyUSB0 --baud 115200
  talvane-cli monitor --port /dev/ttyUSB0 --time --auto-status
</source>
        <translation>Ejemplo:
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
Envía un archivo byte a byte, texto hexadecimal (&quot;1B 40&quot;; un par que no es hexadecimal rechaza
todo el texto) o las filas de un archivo de registro guardado por la consola, como las envía su
botón Reenviar. &quot;-&quot; como FILE lee la entrada estándar. --capture envía lo que el programa
envió en un archivo de captura de tap, en orden, sin las respuestas de la impresora.
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli send receipt.bin --port COM3
  talvane-cli send --hex &quot;1B 40 1B 61 01&quot; --port /dev/ttyUSB0
  talvane-cli send --records saved.txt --port /dev/ttyUSB0 --baud 115200
  talvane-cli send --capture till.cap --port /dev/ttyUSB0
</source>
        <translation>Ejemplos:
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
Se sitúa entre un programa y su impresora: cada byte pasa sin cambios, y cada
comando del programa y cada respuesta de la impresora se muestra en el momento
(hora, intervalo desde la fila anterior, dirección, hex, su nombre o palabras).
Las alertas se marcan en sus filas: comando desconocido, cortado, sin respuesta (500 ms),
enviado mientras estaba detenido (XOFF o fin de papel). Ctrl+C (o SIGTERM) lo detiene con un resumen.

Lado del programa (SIDE):
  pty:PATH             un pseudoterminal; PATH pasa a ser un enlace a él que abre el
                       programa; sus parámetros de línea se aplican también a una impresora serie
  tcp-listen:ADDR:PORT un servidor TCP a la escucha (tcp-listen: solo es 127.0.0.1:9100),
                       una conexión de programa a la vez
  passive:PORTA,PORTB  dos puertos serie en un cable de derivación (TX del programa, TX de la
                       impresora); no se envía nada, sin --printer
Opciones:
  --printer PORT       COM&lt;n&gt;, una ruta de dispositivo o tcp://HOST:PORT
  --capture FILE       guardar ambas direcciones como archivo de captura (decode lo lee)
  --records FILE       guardar los comandos del programa como archivo de registro
  --receipts DIR       escribir los recibos que deberían imprimir los bytes del programa,
                       tal como los imprime la impresora virtual (receipt-0001.png, ...;
                       un recibo termina en un corte y cuando tap se detiene)
  --model 58|80        su ancho de papel (predeterminado 58); --plain: puntos simples sobre blanco
  --json               un objeto JSON por línea, el resumen al final

Ejemplos:
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
Imprime en la impresora virtual una captura de bytes en bruto, un archivo de registro guardado por la
consola o lo que envió el programa en un archivo de captura de tap, sin impresora ni línea, y
escribe cada recibo como imagen
(receipt-0001.png, ... en --out, por defecto receipts). Los recibos terminan en los cortes y al
final del archivo. Lista, por desplazamiento, cada comando que omitió o no pudo ejecutar.
--plain dibuja puntos simples sobre blanco; --json imprime una línea con las imágenes, los
comandos omitidos y la comparación. --raw lee como bytes incluso un texto que parece hexadecimal.
--compare compara punto a punto cada recibo con una imagen de referencia (cualquiera de los
dos aspectos), o por orden con las imágenes de una carpeta de referencia, e imprime el número
de puntos distintos y las filas donde empiezan las diferencias; más o menos recibos que
referencias difieren. --diff escribe una imagen de las diferencias del primer recibo que
difiere (rojo: solo en el recibo, azul: solo en la referencia, una marca roja a la izquierda
de cada fila distinta). Con --compare, las imágenes solo se escriben si se indica --out.

Ejemplos:
  talvane-cli render capture.bin --out receipts --model 80
  talvane-cli render receipt.bin --compare tests/golden/receipt.png --diff diff.png

Códigos de salida: 0 todo entendido (con --compare: cada recibo es idéntico),
  20 se omitió un comando o el archivo termina dentro de uno (también con --compare),
  21 un recibo difiere de su referencia, 2 línea de comandos incorrecta, 3 la entrada está
  vacía o un archivo de captura o de registro no se puede analizar, o la referencia no es un
  recibo de este ancho, 4 no se puede leer o escribir un archivo.
</translation>
    </message>
</context>
<context>
    <name>cli-line</name>
    <message>
        <source>paper end</source>
        <translation>fin de papel</translation>
    </message>
    <message>
        <source>platen up</source>
        <translation>tapa abierta</translation>
    </message>
    <message>
        <source>cutter error</source>
        <translation>error del cortador</translation>
    </message>
    <message>
        <source>overheat</source>
        <translation>sobrecalentamiento</translation>
    </message>
    <message>
        <source>over-voltage</source>
        <translation>sobretensión</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>lista</translation>
    </message>
    <message>
        <source>No serial ports found. Name one with --port PATH.</source>
        <translation>No se encontraron puertos serie. Indique uno con --port PATH.</translation>
    </message>
    <message>
        <source>give exactly one of FILE, --hex TEXT or --records FILE</source>
        <translation>indique exactamente uno de FILE, --hex TEXT o --records FILE</translation>
    </message>
    <message>
        <source>--hex holds something that is not hexadecimal: &quot;%1&quot; (nothing was sent)</source>
        <translation>--hex contiene algo que no es hexadecimal: &quot;%1&quot; (no se envió nada)</translation>
    </message>
    <message>
        <source>--hex holds no byte (nothing was sent)</source>
        <translation>--hex no contiene ningún byte (no se envió nada)</translation>
    </message>
    <message>
        <source>%1 line %2 is not a records line (only hex text before &quot;//&quot;); nothing was sent</source>
        <translation>%1 línea %2 no es una línea de registro (solo texto hexadecimal antes de &quot;//&quot;); no se envió nada</translation>
    </message>
    <message>
        <source>%1 holds no records; nothing was sent</source>
        <translation>%1 no contiene registros; no se envió nada</translation>
    </message>
    <message>
        <source>%1 is empty; nothing was sent</source>
        <translation>%1 está vacío; no se envió nada</translation>
    </message>
    <message>
        <source>--timeout needs a positive number of milliseconds</source>
        <translation>--timeout necesita un número positivo de milisegundos</translation>
    </message>
    <message>
        <source>no status request: %1</source>
        <translation>sin petición de estado: %1</translation>
    </message>
    <message>
        <source>%1 before it answered</source>
        <translation>%1 antes de que respondiera</translation>
    </message>
    <message>
        <source>stopped by %1 while waiting for the status (the request was sent)</source>
        <translation>detenido por %1 mientras esperaba el estado (la petición se envió)</translation>
    </message>
    <message>
        <source>%1: status %2: %3</source>
        <translation>%1: estado %2: %3</translation>
    </message>
    <message>
        <source>%1: no answer within %2 ms</source>
        <translation>%1: sin respuesta en %2 ms</translation>
    </message>
    <message>
        <source>the printer on %1 took no command</source>
        <translation>la impresora en %1 no aceptó ningún comando</translation>
    </message>
    <message>
        <source>watching %1; Ctrl+C ends</source>
        <translation>vigilando %1; Ctrl+C termina</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <translation>estado %1: %2</translation>
    </message>
    <message>
        <source>response %1: &quot;%2&quot;</source>
        <translation>respuesta %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 went away (unplugged or hung up)</source>
        <translation>%1 desapareció (desconectado o colgado)</translation>
    </message>
</context>
<context>
    <name>cli-print</name>
    <message>
        <source>%1 (nothing was sent)</source>
        <translation>%1 (no se envió nada)</translation>
    </message>
    <message>
        <source>--%1 is one of: %2; not &quot;%3&quot;</source>
        <translation>--%1 es uno de: %2; no &quot;%3&quot;</translation>
    </message>
    <message>
        <source>unknown sample &quot;%1&quot;; the samples are %2 and all</source>
        <translation>prueba desconocida «%1»; las pruebas son %2 y all</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Umbral</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>--block-rows is 0 (one block) to %1</source>
        <translation>--block-rows va de 0 (un bloque) a %1</translation>
    </message>
    <message>
        <source>%1 has nothing to print</source>
        <translation>%1 no tiene nada que imprimir</translation>
    </message>
    <message>
        <source>unknown barcode type &quot;%1&quot;; the types are %2</source>
        <translation>tipo de código de barras desconocido «%1»; los tipos son %2</translation>
    </message>
    <message>
        <source>%1 data cannot be given in hex</source>
        <translation>los datos de %1 no se pueden dar en hexadecimal</translation>
    </message>
    <message>
        <source>--%1 needs a whole number or auto, not &quot;%2&quot;</source>
        <translation>--%1 necesita un número entero o auto, no &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>cli-render</name>
    <message>
        <source>identical to %1</source>
        <translation>idéntico a %1</translation>
    </message>
    <message>
        <source>%1 dots differ from %2</source>
        <translation>%1 puntos difieren de %2</translation>
    </message>
    <message>
        <source>; differences start at rows %1</source>
        <translation>; las diferencias empiezan en las filas %1</translation>
    </message>
    <message>
        <source>; the receipt has %1 dot rows, the golden %2</source>
        <translation>; el recibo tiene %1 filas de puntos, la referencia %2</translation>
    </message>
    <message>
        <source>--model takes 58 or 80</source>
        <translation>--model admite 58 u 80</translation>
    </message>
    <message>
        <source>--diff needs --compare</source>
        <translation>--diff necesita --compare</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>offset %1: %2</source>
        <translation>desplazamiento %1: %2</translation>
    </message>
    <message>
        <source>offset %1: the input ends inside a command</source>
        <translation>desplazamiento %1: la entrada termina dentro de un comando</translation>
    </message>
    <message>
        <source>%1 line %2 is not a records line (only hex text before &quot;//&quot;); nothing was printed</source>
        <translation>%1 línea %2 no es una línea de registro (solo texto hexadecimal antes de &quot;//&quot;); no se imprimió nada</translation>
    </message>
    <message>
        <source>differs from %1 in length: the receipt has %2 dot rows, the golden %3</source>
        <translation>difiere de %1 en la longitud: el recibo tiene %2 filas de puntos, la referencia %3</translation>
    </message>
    <message>
        <source>%1 is empty: nothing to print</source>
        <translation>%1 está vacío: nada que imprimir</translation>
    </message>
    <message>
        <source>receipt %1: %2</source>
        <translation>recibo %1: %2</translation>
    </message>
    <message>
        <source>the file prints %1 receipts, the golden has %2</source>
        <translation>el archivo imprime %1 recibos, la referencia tiene %2</translation>
    </message>
    <message>
        <source>nothing to print</source>
        <translation>nada que imprimir</translation>
    </message>
    <message>
        <source>%1 is a receipt of %2 dots, not of %3 (--model)</source>
        <translation>%1 es un recibo de %2 puntos, no de %3 (--model)</translation>
    </message>
    <message>
        <source>%1 is no receipt of %2 dots (--model): it is %3 pixels wide</source>
        <translation>%1 no es un recibo de %2 puntos (--model): tiene %3 píxeles de ancho</translation>
    </message>
</context>
<context>
    <name>cli-tap</name>
    <message>
        <source>(%1 rows not shown: the output fell behind)</source>
        <translation>(%1 filas no mostradas: la salida se quedó atrás)</translation>
    </message>
    <message>
        <source>--program is needed (pty:PATH, tcp-listen:ADDR:PORT or passive:PORTA,PORTB)</source>
        <translation>se necesita --program (pty:PATH, tcp-listen:ADDR:PORT o passive:PORTA,PORTB)</translation>
    </message>
    <message>
        <source>a passive tap has no --printer: both lines are in --program</source>
        <translation>una derivación pasiva no tiene --printer: ambas líneas están en --program</translation>
    </message>
    <message>
        <source>--printer is needed (COM&lt;n&gt;, a device path or tcp://HOST:PORT)</source>
        <translation>se necesita --printer (COM&lt;n&gt;, una ruta de dispositivo o tcp://HOST:PORT)</translation>
    </message>
    <message>
        <source>%1 line %2 is not a capture line (KIND SECONDS DATA)</source>
        <translation>%1 línea %2 no es una línea de captura (KIND SECONDS DATA)</translation>
    </message>
    <message>
        <source>--capture goes alone, without FILE, --hex or --records</source>
        <translation>--capture va solo, sin FILE, --hex ni --records</translation>
    </message>
    <message>
        <source>%1 is not a tap capture file (line %2); nothing was sent</source>
        <translation>%1 no es un archivo de captura de tap (línea %2); no se envió nada</translation>
    </message>
    <message>
        <source>%1 holds nothing the program sent; nothing was sent</source>
        <translation>%1 no contiene nada que haya enviado el programa; no se envió nada</translation>
    </message>
    <message>
        <source>cannot create the receipts folder %1</source>
        <translation>no se puede crear la carpeta de recibos %1</translation>
    </message>
    <message>
        <source>tap: receipt %1 (%2 dot rows)</source>
        <translation>tap: recibo %1 (%2 filas de puntos)</translation>
    </message>
    <message>
        <source>--model takes 58 or 80</source>
        <translation>--model admite 58 u 80</translation>
    </message>
    <message>
        <source>--model and --plain go with --receipts</source>
        <translation>--model y --plain van con --receipts</translation>
    </message>
    <message>
        <source>cannot write the capture file: %1</source>
        <translation>no se puede escribir el archivo de captura: %1</translation>
    </message>
    <message>
        <source>cannot write the capture file %1</source>
        <translation>no se puede escribir el archivo de captura %1</translation>
    </message>
    <message>
        <source>standard output took no more rows: %1 rows and the summary were not shown</source>
        <translation>la salida estándar no aceptó más filas: %1 filas y el resumen no se mostraron</translation>
    </message>
    <message>
        <source>the capture is not whole (%1); no capture or records file was written</source>
        <translation>la captura no está completa (%1); no se escribió ningún archivo de captura ni de registros</translation>
    </message>
    <message>
        <source>%1 bytes were not delivered to the printer</source>
        <translation>%1 bytes no se entregaron a la impresora</translation>
    </message>
</context>
</TS>
