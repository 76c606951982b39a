<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BarcodeRules</name>
    <message>
        <source>Enter the character range of 0x00 ~ 0x7F, support for 255 data FNC1 is used ~ FNC4 can 0xC1 0xC4, automatically insert the start code, check code and end code.</source>
        <translation>Zeichen im Bereich 0x00 ~ 0x7F eingeben, bis zu 255 Daten; FNC1 ~ FNC4 werden als 0xC1 ~ 0xC4 eingegeben; Startcode, Prüfziffer und Stoppcode werden automatisch eingefügt.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, support 11-bit data, parity bit is automatically generated.</source>
        <translation>Zeichen im Bereich 0 bis 9 eingeben, 11 Stellen; die Prüfziffer wird automatisch erzeugt.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, to support the six data automatically generated parity bit.</source>
        <translation>Zeichen im Bereich 0 bis 9 eingeben, 6 Stellen; die Prüfziffer wird automatisch erzeugt.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, support 12-bit data, parity bit is automatically generated.</source>
        <translation>Zeichen im Bereich 0 bis 9 eingeben, 12 Stellen; die Prüfziffer wird automatisch erzeugt.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, supports 7 data, the parity bit is automatically generated.</source>
        <translation>Zeichen im Bereich 0 bis 9 eingeben, 7 Stellen; die Prüfziffer wird automatisch erzeugt.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 ~ 9, A ~ Z, SP, $,%, +, -,., /, Supports up to not more than 255 data, before and after the automatic insertion *.</source>
        <translation>Zeichen im Bereich 0 ~ 9, A ~ Z, SP, $, %, +, -, ., / eingeben, höchstens 255 Daten; * wird vorn und hinten automatisch eingefügt.</translation>
    </message>
    <message>
        <source>Enter the characters in the range of 0 to 9, the support 2 to 255 data and even bits.</source>
        <translation>Zeichen im Bereich 0 bis 9 eingeben, 2 bis 255 Daten, gerade Anzahl.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, $, +, -,, /,:, supports up to over 255, around the need to insert the A ~ D, or a ~ d.</source>
        <translation>Zeichen im Bereich 0 bis 9, $, +, -, ., /, : eingeben, bis zu 255 Daten; am Anfang und Ende muss A ~ D bzw. a ~ d stehen.</translation>
    </message>
    <message>
        <source>Input characters in the range of 00H to 7FH, checksum c, k are generated automatically.</source>
        <translation>Zeichen im Bereich 00H bis 7FH eingeben; die Prüfzeichen C und K werden automatisch erzeugt.</translation>
    </message>
</context>
<context>
    <name>C2DCode</name>
    <message>
        <source>The data empty</source>
        <translation>Keine Daten eingegeben</translation>
    </message>
    <message>
        <source>Entered incorrectly, make sure</source>
        <translation>Falsche Eingabe, bitte prüfen</translation>
    </message>
    <message>
        <source>The data is too long: at most 65532 bytes</source>
        <translation>Die Daten sind zu lang: höchstens 65532 Bytes</translation>
    </message>
    <message>
        <source>Code Style:</source>
        <translation>Codetyp:</translation>
    </message>
    <message>
        <source>Code Data:</source>
        <translation>Codedaten:</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Code parameters</source>
        <translation>Codeparameter</translation>
    </message>
</context>
<context>
    <name>CBarcode</name>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Above the Barcode</source>
        <translation>Über dem Barcode</translation>
    </message>
    <message>
        <source>Below the Barcode</source>
        <translation>Unter dem Barcode</translation>
    </message>
    <message>
        <source>Above &amp; below the Barcode</source>
        <translation>Über &amp; unter dem Barcode</translation>
    </message>
    <message>
        <source>Unit width:</source>
        <translation>Modulbreite:</translation>
    </message>
    <message>
        <source>Barcode Height:</source>
        <translation>Barcodehöhe:</translation>
    </message>
    <message>
        <source>Display:</source>
        <translation>Klartext:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Barcode data:</source>
        <translation>Barcodedaten:</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Hinweise:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Unit width of between 1 and 6</source>
        <translation>Modulbreite zwischen 1 und 6</translation>
    </message>
    <message>
        <source>Bar code height of 1 to 255</source>
        <translation>Barcodehöhe 1 bis 255</translation>
    </message>
    <message>
        <source>Entered incorrectly, make sure</source>
        <translation>Falsche Eingabe, bitte prüfen</translation>
    </message>
</context>
<context>
    <name>CDMTX</name>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Module width:</source>
        <translation>Modulbreite:</translation>
    </message>
    <message>
        <source>模块宽度为2~8</source>
        <translation>Modulbreite ist 2~8</translation>
    </message>
</context>
<context>
    <name>CLampButton</name>
    <message>
        <source>on</source>
        <translation>an</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
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
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Set [Sa]~[Sf]</source>
        <translation>[Sa]~[Sf] setzen</translation>
    </message>
    <message>
        <source>AD:</source>
        <translation>AD:</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <source>ADTH1~4:</source>
        <translation>ADTH1~4:</translation>
    </message>
    <message>
        <source>Set ADTH1~4</source>
        <translation>ADTH1~4 setzen</translation>
    </message>
    <message>
        <source>DIS1~3:</source>
        <translation>DIS1~3:</translation>
    </message>
    <message>
        <source>Set DIS1~3</source>
        <translation>DIS1~3 setzen</translation>
    </message>
    <message>
        <source>Feed tear position</source>
        <translation>Vorschub zur Abreißpos.</translation>
    </message>
    <message>
        <source>Feed cut position</source>
        <translation>Vorschub zur Schnittpos.</translation>
    </message>
    <message>
        <source>Feed print position</source>
        <translation>Vorschub zur Druckpos.</translation>
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
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Error correction level:</source>
        <translation>Fehlerkorrekturstufe:</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Gekürzt</translation>
    </message>
    <message>
        <source>Row range of 3 to 90</source>
        <translation>Zeilen: 3 bis 90</translation>
    </message>
    <message>
        <source>Columns range from 1 to 30</source>
        <translation>Spalten: 1 bis 30</translation>
    </message>
    <message>
        <source>Unit width of 2 to 8</source>
        <translation>Modulbreite 2 bis 8</translation>
    </message>
    <message>
        <source>Line height of 2 to 8</source>
        <translation>Zeilenhöhe 2 bis 8</translation>
    </message>
</context>
<context>
    <name>CQRCode</name>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Module width:</source>
        <translation>Modulbreite:</translation>
    </message>
    <message>
        <source>Error correction level:</source>
        <translation>Fehlerkorrekturstufe:</translation>
    </message>
    <message>
        <source>Module width is 1 ~ 16</source>
        <translation>Modulbreite ist 1 ~ 16</translation>
    </message>
</context>
<context>
    <name>CRecordsModel</name>
    <message>
        <source>checked</source>
        <translation>markiert</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>nicht markiert</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Hinweise</translation>
    </message>
</context>
<context>
    <name>CTalvaneApp</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--log-level takes error, warning or info, not &quot;%1&quot;</source>
        <translation>--log-level nimmt error, warning oder info an, nicht „%1“</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set)</source>
        <translation>kein Display gefunden (DISPLAY ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>the display %1 is not running (no %2)</source>
        <translation>das Display %1 läuft nicht (kein %2)</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>talvane: %1.
Run it under a virtual display:
  xvfb-run -a talvane
or render its window to a picture without any display:
  talvane --screenshot window.png
</source>
        <translation>talvane: %1.
Starten Sie es unter einem virtuellen Display:
  xvfb-run -a talvane
oder zeichnen Sie sein Fenster ohne Display in ein Bild:
  talvane --screenshot window.png
</translation>
    </message>
    <message>
        <source>--tap needs the program side and the printer</source>
        <translation>--tap braucht die Programmseite und den Drucker</translation>
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
        <translation>Aufruf: talvane [--port PATH | --port tcp://HOST[:PORT]]... [--screenshot FILE.png]
               [--reset-settings] [--log-level LEVEL] [--no-log] [--lang CODE]
               [--tap PROGRAM-SIDE PRINTER]
Testkonsole für Thermo-Bon- und Etikettendrucker an serieller Schnittstelle, USB
oder im Netzwerk.

  --port PATH          dieses Gerät zusätzlich auflisten: ein serielles Gerät (ein
                       Pseudoterminal oder ein /dev/serial/by-id-Link geht auch,
                       als COM901, COM902, ... in der angegebenen Reihenfolge)
                       oder ein USB-Drucker (/dev/usb/lp0, als USB1); wiederholbar
  --port tcp://HOST[:PORT]
                       diesen Netzwerkdrucker zusätzlich auflisten (Raw-TCP, Port
                       9100, wenn weggelassen), als NET1, NET2, ...
  --screenshot FILE    das Fenster, wie es nach dem Start aussieht, in eine
                       PNG-Datei zeichnen und beenden (braucht kein Display)
  --reset-settings     gespeicherte Schnittstelle, Listen, Ordner und Fensterlage
                       vergessen und wie am ersten Tag starten
  --log-level LEVEL    was das Ereignisprotokoll behält: error, warning oder info
                       (alles; Standard)
  --no-log             Ereignisprotokoll nur im Speicher halten (Strg+L zeigt es)
  --lang CODE          in dieser Sprache sprechen: de, es, pt_BR, ru, zh_CN oder en
                       (die Ausgangstexte); ohne die Option gilt die Sprache des
                       Desktops (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  --tap PROGRAM-SIDE PRINTER
                       das Abgriff-Fenster (Strg+T) öffnen und starten: die
                       Programmseite ist pty:PATH, tcp-listen:ADDR:PORT oder
                       passive:A,B (dann ohne Drucker), der Drucker ein
                       Schnittstellenname (COM3, NET1), ein Gerätepfad oder
                       tcp://HOST:PORT
  --help               diesen Text anzeigen
  --version            die Version anzeigen

Das Ereignisprotokoll liegt in $XDG_STATE_HOME/talvane (~/.local/state/talvane),
eine Datei pro Tag; die ältesten Tage entfallen, wenn die Dateien 10 MiB übersteigen.

Die Konsole braucht ein Display. Ohne eines starten Sie sie unter einem virtuellen Display:
  xvfb-run -a talvane
</translation>
    </message>
</context>
<context>
    <name>CTalvaneDlg</name>
    <message>
        <source>Expected receipt</source>
        <translation>Erwarteter Bon</translation>
    </message>
    <message>
        <source>Font Sample</source>
        <translation>Schriftprobe</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>Koordinate</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Horizon tab</source>
        <translation>Horiz. Tab</translation>
    </message>
    <message>
        <source>Verti tab</source>
        <translation>Vert. Tab</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Bar-code</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>QRCode</source>
        <translation>QRCode</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>Quick Test</source>
        <translation>Schnelltest</translation>
    </message>
    <message>
        <source>Picture Printing</source>
        <translation>Bilddruck</translation>
    </message>
    <message>
        <source>Picture preview</source>
        <translation>Bildvorschau</translation>
    </message>
    <message>
        <source>Preview horizontal scroll</source>
        <translation>Vorschau horizontal scrollen</translation>
    </message>
    <message>
        <source>Preview vertical scroll</source>
        <translation>Vorschau vertikal scrollen</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Schwelle</translation>
    </message>
    <message>
        <source>Bit-image mode</source>
        <translation>Bitbild-Modus</translation>
    </message>
    <message>
        <source>Raser bit image</source>
        <translation>Raster-Bitbild</translation>
    </message>
    <message>
        <source>Picture density</source>
        <translation>Bilddichte</translation>
    </message>
    <message>
        <source>Picture path</source>
        <translation>Bildpfad</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Wider than paper</source>
        <translation>Breiter als Papier</translation>
    </message>
    <message>
        <source>Rows per block</source>
        <translation>Zeilen pro Block</translation>
    </message>
    <message>
        <source>Rows per raster block, sent paced to the line with progress and Cancel; &quot;One block&quot; sends it at once</source>
        <translation>Zeilen pro Rasterblock, im Takt der Leitung gesendet, mit Fortschritt und Abbrechen; „Ein Block“ sendet alles auf einmal</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invers</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>90° drehen</translation>
    </message>
    <message>
        <source>Wider</source>
        <translation>Zu breit</translation>
    </message>
    <message>
        <source>Rows/block</source>
        <translation>Zeilen/Block</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>Picture sent</source>
        <translation>Bild gesendet</translation>
    </message>
    <message>
        <source>Picture progress</source>
        <translation>Bildfortschritt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>8-dot single-density</source>
        <translation>8-Punkt einfache Dichte</translation>
    </message>
    <message>
        <source>8-dot double-density</source>
        <translation>8-Punkt doppelte Dichte</translation>
    </message>
    <message>
        <source>24-dot single-density</source>
        <translation>24-Punkt einfache Dichte</translation>
    </message>
    <message>
        <source>24-dot double-density</source>
        <translation>24-Punkt doppelte Dichte</translation>
    </message>
    <message>
        <source>Are you sure to quit?</source>
        <translation>Wirklich beenden?</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Please Open the Port</source>
        <translation>Bitte öffnen Sie die Schnittstelle</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>Two-dimensional code</source>
        <translation>2D-Code</translation>
    </message>
    <message>
        <source>Label/BM</source>
        <translation>Etikett/BM</translation>
    </message>
</context>
<context>
    <name>CodeLimits</name>
    <message>
        <source>Square auto</source>
        <translation>Quadrat auto</translation>
    </message>
    <message>
        <source>Rect auto</source>
        <translation>Rechteck auto</translation>
    </message>
    <message>
        <source>Shape auto</source>
        <translation>Form auto</translation>
    </message>
</context>
<context>
    <name>EventLogWindow</name>
    <message>
        <source>Event log...</source>
        <translation>Ereignisprotokoll...</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>Show events of kind</source>
        <translation>Ereignisse dieser Art anzeigen</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Alle Ereignisse</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Not kept on disk</source>
        <translation>Nicht auf der Festplatte gespeichert</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Anzeigen:</translation>
    </message>
</context>
<context>
    <name>ExpectedReceiptWindow</name>
    <message>
        <source>Expected receipt</source>
        <translation>Erwarteter Bon</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message numerus="yes">
        <source>%n older receipt(s) let go; the window keeps the newest</source>
        <translation>
            <numerusform>%n ältere Quittung entfernt; das Fenster behält die neuesten</numerusform>
            <numerusform>%n ältere Quittungen entfernt; das Fenster behält die neuesten</numerusform>
        </translation>
    </message>
    <message>
        <source>Receipts let go</source>
        <translation>Entfernte Quittungen</translation>
    </message>
</context>
<context>
    <name>FixedMappingNotice</name>
    <message>
        <source>Sent in the console&apos;s own mapping (%1): most printers print these bytes as other characters. Choose the printer&apos;s code page in the &quot;Code page&quot; list to send text in it.</source>
        <translation>In der eigenen Zeichenzuordnung der Konsole gesendet (%1): Die meisten Drucker drucken diese Bytes als andere Zeichen. Wählen Sie die Codepage des Druckers in der Liste „Codepage“, um Text darin zu senden.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>there is no %1 translation; the languages are: en, %2</source>
        <translation>es gibt keine Übersetzung für %1; die Sprachen sind: en, %2</translation>
    </message>
    <message>
        <source>the %1 translation is missing from the program</source>
        <translation>die Übersetzung %1 fehlt im Programm</translation>
    </message>
</context>
<context>
    <name>NumberList</name>
    <message>
        <source>Please enter the six figures, &quot;;&quot; to separate</source>
        <translation>Bitte sechs Zahlen eingeben, durch „;“ getrennt</translation>
    </message>
    <message>
        <source>The data range of -99 to 999</source>
        <translation>Wertebereich -99 bis 999</translation>
    </message>
    <message>
        <source>Please enter the four digits, use the &quot;;&quot; to separate</source>
        <translation>Bitte vier Zahlen eingeben, durch „;“ getrennt</translation>
    </message>
    <message>
        <source>Data range from 1 to 3299</source>
        <translation>Wertebereich 1 bis 3299</translation>
    </message>
    <message>
        <source>Please enter the three digits, &quot;;&quot; separated</source>
        <translation>Bitte drei Zahlen eingeben, durch „;“ getrennt</translation>
    </message>
    <message>
        <source>The data range from 0 to 999</source>
        <translation>Wertebereich 0 bis 999</translation>
    </message>
</context>
<context>
    <name>PacedSender</name>
    <message>
        <source>%1 was not sent: the printer has taken nothing of the picture for %2 s. Cancel the picture, or try again when it takes data.</source>
        <translation>%1 wurde nicht gesendet: Der Drucker hat %2 s lang nichts vom Bild angenommen. Brechen Sie das Bild ab oder versuchen Sie es erneut, wenn er Daten annimmt.</translation>
    </message>
    <message>
        <source>The setting</source>
        <translation>Die Einstellung</translation>
    </message>
</context>
<context>
    <name>PageControls</name>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>PictureConversion</name>
    <message>
        <source>not a picture format this program reads (%1)</source>
        <translation>kein Bildformat, das dieses Programm liest (%1)</translation>
    </message>
    <message>
        <source>the %1 file ends before its picture does</source>
        <translation>die %1-Datei endet vor ihrem Bild</translation>
    </message>
    <message>
        <source>the %1 decoder failed: %2</source>
        <translation>der %1-Decoder ist fehlgeschlagen: %2</translation>
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
        <translation>%1 x %2 skaliert auf %3 x %4</translation>
    </message>
    <message>
        <source>%1 x %2 cropped to %3 x %4</source>
        <translation>%1 x %2 beschnitten auf %3 x %4</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>Picture preview</source>
        <translation>Bildvorschau</translation>
    </message>
    <message>
        <source>Fit to box</source>
        <translation>In Feld einpassen</translation>
    </message>
</context>
<context>
    <name>PicturePrinter</name>
    <message>
        <source>8-dot single-density</source>
        <translation>8-Punkt einfache Dichte</translation>
    </message>
    <message>
        <source>8-dot double-density</source>
        <translation>8-Punkt doppelte Dichte</translation>
    </message>
    <message>
        <source>24-dot single-density</source>
        <translation>24-Punkt einfache Dichte</translation>
    </message>
    <message>
        <source>24-dot double-density</source>
        <translation>24-Punkt doppelte Dichte</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Double-width</source>
        <translation>Doppelt breit</translation>
    </message>
    <message>
        <source>Double-height</source>
        <translation>Doppelt hoch</translation>
    </message>
    <message>
        <source>Quadruple</source>
        <translation>Vierfach</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Picture load fail</source>
        <translation>Bild konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>picture load fail</source>
        <translation>Bild konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>Threshold can not be greater than 255</source>
        <translation>Die Schwelle darf nicht größer als 255 sein</translation>
    </message>
    <message>
        <source>Picture height can not be greater than 65535</source>
        <translation>Die Bildhöhe darf nicht größer als 65535 sein</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>One block</source>
        <translation>Ein Block</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Schwelle</translation>
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
        <translation>Geordnet (Bayer 8x8)</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Beschneiden</translation>
    </message>
    <message>
        <source>Scale to fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>BMP file(*.bmp)|*.bmp|JPEG/JPG files(*.jpg,*.jpeg)|*.jpg;*.jpeg|PNG files(*.png)|*.png|GIF files(*.gif)|*.gif|Others(*.*)|*.*||</source>
        <translation>BMP-Datei(*.bmp)|*.bmp|JPEG/JPG-Dateien(*.jpg,*.jpeg)|*.jpg;*.jpeg|PNG-Dateien(*.png)|*.png|GIF-Dateien(*.gif)|*.gif|Andere(*.*)|*.*||</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Alle Bilder</translation>
    </message>
    <message>
        <source>%1 of %2 bytes, %3 of %4 rows</source>
        <translation>%1 von %2 Bytes, %3 von %4 Zeilen</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, noch etwa %1 s</translation>
    </message>
    <message>
        <source>Stopped: the printer on %1 was lost after %2 rows</source>
        <translation>Angehalten: Der Drucker an %1 ging nach %2 Zeilen verloren</translation>
    </message>
    <message>
        <source>Stopped for %1: %2 of %3 rows sent; %4 blocks (%5 rows) dropped</source>
        <translation>Angehalten wegen %1: %2 von %3 Zeilen gesendet; %4 Blöcke (%5 Zeilen) verworfen</translation>
    </message>
    <message>
        <source>Cancelled: %1 of %2 rows sent, in %3 of %4 blocks</source>
        <translation>Abgebrochen: %1 von %2 Zeilen gesendet, in %3 von %4 Blöcken</translation>
    </message>
    <message>
        <source>Sent: %1 rows, %2 bytes, in %3 blocks</source>
        <translation>Gesendet: %1 Zeilen, %2 Bytes, in %3 Blöcken</translation>
    </message>
</context>
<context>
    <name>PortPanel</name>
    <message>
        <source>Open COM</source>
        <translation>COM öffnen</translation>
    </message>
    <message>
        <source>Close COM</source>
        <translation>COM schließen</translation>
    </message>
    <message>
        <source>Open the serial port error</source>
        <translation>Fehler beim Öffnen der seriellen Schnittstelle</translation>
    </message>
    <message>
        <source>A USB or network printer has no baud rate or handshake lines; the printer&apos;s own settings apply.</source>
        <translation>Ein USB- oder Netzwerkdrucker hat weder Baudrate noch Handshake-Leitungen; es gelten die Einstellungen des Druckers.</translation>
    </message>
    <message>
        <source>The baud rate cannot be set on this port: a USB or network printer has no baud rate.</source>
        <translation>Die Baudrate kann an dieser Schnittstelle nicht eingestellt werden: Ein USB- oder Netzwerkdrucker hat keine Baudrate.</translation>
    </message>
    <message>
        <source>The handshaking cannot be set on this port: a USB or network printer has no handshake lines.</source>
        <translation>Der Handshake kann an dieser Schnittstelle nicht eingestellt werden: Ein USB- oder Netzwerkdrucker hat keine Handshake-Leitungen.</translation>
    </message>
    <message>
        <source> – absent</source>
        <translation> – nicht vorhanden</translation>
    </message>
    <message>
        <source>This device is not there now; the list shows it again when it comes back.</source>
        <translation>Dieses Gerät ist gerade nicht vorhanden; die Liste zeigt es wieder an, sobald es zurück ist.</translation>
    </message>
    <message>
        <source>The printer on %1 is gone. The port opens again by itself when the same printer is back; Close COM stops waiting.</source>
        <translation>Der Drucker an %1 ist weg. Die Schnittstelle öffnet sich von selbst wieder, wenn derselbe Drucker zurück ist; „COM schließen“ beendet das Warten.</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1 ist nicht vorhanden</translation>
    </message>
    <message>
        <source>The printer on %1 is back: reconnected</source>
        <translation>Der Drucker an %1 ist zurück: wieder verbunden</translation>
    </message>
    <message>
        <source>Choose a port, or type a device path (/dev/...) or tcp://HOST:PORT and press Enter.</source>
        <translation>Wählen Sie eine Schnittstelle oder geben Sie einen Gerätepfad (/dev/...) oder tcp://HOST:PORT ein und drücken Sie die Eingabetaste.</translation>
    </message>
    <message>
        <source>Type a device path starting with / or a network printer as tcp://HOST:PORT.</source>
        <translation>Geben Sie einen Gerätepfad ein, der mit / beginnt, oder einen Netzwerkdrucker als tcp://HOST:PORT.</translation>
    </message>
    <message>
        <source>No more ports can be added to the list.</source>
        <translation>Der Liste können keine weiteren Schnittstellen hinzugefügt werden.</translation>
    </message>
    <message>
        <source>%1 closed: %2 bytes were not delivered</source>
        <translation>%1 geschlossen: %2 Bytes wurden nicht zugestellt</translation>
    </message>
    <message>
        <source>%1 closed: the port could not say whether everything was delivered</source>
        <translation>%1 geschlossen: Die Schnittstelle konnte nicht melden, ob alles zugestellt wurde</translation>
    </message>
    <message>
        <source>本计算机上没有发现可用串口</source>
        <translation>Auf diesem Rechner wurde keine verfügbare serielle Schnittstelle gefunden</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Schnittst.:</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>Handshaking:</source>
        <translation>Handshake:</translation>
    </message>
    <message>
        <source>Models:</source>
        <translation>Modelle:</translation>
    </message>
    <message>
        <source>COM Open</source>
        <translation>COM öffnen</translation>
    </message>
    <message>
        <source>Printer Init</source>
        <translation>Drucker-Init</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Set baud rate</source>
        <translation>Baudrate setzen</translation>
    </message>
    <message>
        <source>Set handshaking</source>
        <translation>Handshake setzen</translation>
    </message>
    <message>
        <source>Talvane logo</source>
        <translation>Talvane-Logo</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
</context>
<context>
    <name>PortSetup</name>
    <message>
        <source>No device has this port number.</source>
        <translation>Kein Gerät hat diese Portnummer.</translation>
    </message>
    <message>
        <source>%1 does not exist (is the adapter plugged in?).</source>
        <translation>%1 existiert nicht (ist der Adapter eingesteckt?).</translation>
    </message>
    <message>
        <source>No permission to use %1: add your user to the group &quot;%2&quot; (sudo usermod -aG %2 $USER), then log in again.</source>
        <translation>Keine Berechtigung für %1: Fügen Sie Ihren Benutzer der Gruppe „%2“ hinzu (sudo usermod -aG %2 $USER) und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, or is not a serial port.</source>
        <translation>%1 wird von einem anderen Programm verwendet oder ist keine serielle Schnittstelle.</translation>
    </message>
    <message>
        <source>Cannot connect to %1</source>
        <translation>Keine Verbindung zu %1</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Keine Verbindung zu %1: %2</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>The printer on %1 is gone (%2)</source>
        <translation>Der Drucker an %1 ist weg (%2)</translation>
    </message>
    <message>
        <source>%1 bytes waiting to be sent were dropped, not sent.</source>
        <translation>%1 Bytes, die auf das Senden warteten, wurden verworfen, nicht gesendet.</translation>
    </message>
</context>
<context>
    <name>RecordsPanel</name>
    <message>
        <source>no data</source>
        <translation>keine Daten</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Import failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>The file is too large to import</source>
        <translation>Die Datei ist zu groß für den Import</translation>
    </message>
    <message>
        <source>Row %1 is not hex text; nothing was sent</source>
        <translation>Zeile %1 ist kein Hex-Text; nichts wurde gesendet</translation>
    </message>
    <message>
        <source> Prompt</source>
        <translation> Hinweis</translation>
    </message>
    <message>
        <source>Operational records</source>
        <translation>Vorgangsprotokoll</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Resend</source>
        <translation>Neu senden</translation>
    </message>
    <message>
        <source>The contents of the file does not meet the hex command mode, the import operation was canceled 
Line %1 is not hex text of whole bytes.</source>
        <translation>Der Inhalt der Datei entspricht nicht dem Hex-Befehlsmodus, der Import wurde abgebrochen 
Zeile %1 ist kein Hex-Text aus ganzen Bytes.</translation>
    </message>
</context>
<context>
    <name>RememberedSettings</name>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>%1 kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>the remembered settings in %1 could not be read; starting from the defaults</source>
        <translation>Die gespeicherten Einstellungen in %1 konnten nicht gelesen werden; Start mit den Standardwerten</translation>
    </message>
    <message>
        <source>the settings could not be saved in %1; this session goes on without them</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden; diese Sitzung läuft ohne sie weiter</translation>
    </message>
</context>
<context>
    <name>SendReceivePanel</name>
    <message>
        <source>Save failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>The contents of the file does not meet the hex command mode, the import operation is canceled</source>
        <translation>Der Inhalt der Datei entspricht nicht dem Hex-Befehlsmodus, der Import wird abgebrochen</translation>
    </message>
    <message>
        <source>The file is too large to send</source>
        <translation>Die Datei ist zu groß zum Senden</translation>
    </message>
    <message>
        <source>The file is too large to import</source>
        <translation>Die Datei ist zu groß für den Import</translation>
    </message>
    <message>
        <source>Send Data</source>
        <translation>Daten senden</translation>
    </message>
    <message>
        <source>File path</source>
        <translation>Dateipfad</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Send text</source>
        <translation>Text senden</translation>
    </message>
    <message>
        <source>Receive Data</source>
        <translation>Daten empfangen</translation>
    </message>
    <message>
        <source>Reply in words</source>
        <translation>Antwort in Worten</translation>
    </message>
</context>
<context>
    <name>SettingPanel</name>
    <message>
        <source>Set the line spacing can&apos;t greater than 255</source>
        <translation>Der Zeilenabstand darf nicht größer als 255 sein</translation>
    </message>
    <message>
        <source>The left margin and right margin should be less than%1</source>
        <translation>Linker und rechter Rand müssen kleiner sein als %1</translation>
    </message>
    <message>
        <source>Absolute coordinates should be less than%1</source>
        <translation>Absolute Koordinaten müssen kleiner sein als %1</translation>
    </message>
    <message>
        <source>Set of feeding distance can&apos;t greater than 255</source>
        <translation>Die Vorschubstrecke darf nicht größer als 255 sein</translation>
    </message>
    <message>
        <source>Double-high</source>
        <translation>Doppelt hoch</translation>
    </message>
    <message>
        <source>Double-width</source>
        <translation>Doppelt breit</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Underscore</source>
        <translation>Unterstr.</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Invers</translation>
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
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right home</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>low-speed</source>
        <translation>langsam</translation>
    </message>
    <message>
        <source>middle-speed</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>high-speed</source>
        <translation>schnell</translation>
    </message>
    <message>
        <source>Printer Setting</source>
        <translation>Druckereinstellung</translation>
    </message>
    <message>
        <source>Line spacing</source>
        <translation>Zeilenabstand</translation>
    </message>
    <message>
        <source>Left margin</source>
        <translation>Linker Rand</translation>
    </message>
    <message>
        <source>Right margin</source>
        <translation>Rechter Rand</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>Koordinate</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Code page</source>
        <translation>Codepage</translation>
    </message>
    <message>
        <source>Cut and feed</source>
        <translation>Schnitt und Vorschub</translation>
    </message>
    <message>
        <source>Haft-Cut</source>
        <translation>Partiell</translation>
    </message>
    <message>
        <source>Full-Cut</source>
        <translation>Komplett</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Vorschub</translation>
    </message>
    <message>
        <source>Feed distance</source>
        <translation>Vorschubstrecke</translation>
    </message>
    <message>
        <source>Back distance</source>
        <translation>Rückstrecke</translation>
    </message>
    <message>
        <source>Cut Mode</source>
        <translation>Schnittart</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Rückzug</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Paper-end</source>
        <translation>Papierende</translation>
    </message>
    <message>
        <source>Overheat</source>
        <translation>Überhitzt</translation>
    </message>
    <message>
        <source>Overvoltage</source>
        <translation>Überspann.</translation>
    </message>
    <message>
        <source>Platen-up</source>
        <translation>Deckel auf</translation>
    </message>
    <message>
        <source>Cutter-out</source>
        <translation>Messerfehler</translation>
    </message>
    <message>
        <source>BUSY</source>
        <translation>BUSY</translation>
    </message>
    <message>
        <source>No answer from the printer</source>
        <translation>Keine Antwort vom Drucker</translation>
    </message>
    <message>
        <source>No answer from the printer (last answer at %1)</source>
        <translation>Keine Antwort vom Drucker (letzte Antwort um %1)</translation>
    </message>
    <message>
        <source>Last answer at %1</source>
        <translation>Letzte Antwort um %1</translation>
    </message>
    <message>
        <source>Printer status</source>
        <translation>Druckerstatus</translation>
    </message>
    <message>
        <source>Note: BUSY status in the hardware flow control</source>
        <translation>Hinweis: BUSY-Status bei Hardware-Flusssteuerung</translation>
    </message>
    <message>
        <source>Read status</source>
        <translation>Status lesen</translation>
    </message>
    <message>
        <source>Clear-Buf</source>
        <translation>Puffer lösch.</translation>
    </message>
    <message>
        <source>Printer answer</source>
        <translation>Druckerantwort</translation>
    </message>
</context>
<context>
    <name>SymbolFit</name>
    <message>
        <source>QR code</source>
        <translation>QR-Code</translation>
    </message>
    <message>
        <source>width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>module size</source>
        <translation>Modulgröße</translation>
    </message>
    <message>
        <source>module width</source>
        <translation>Modulbreite</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; at %3 %4 is %5 dots, wider than the %6 of %7 mm: it will not print</source>
        <translation>%1 &apos;%2&apos; mit %3 %4 ist %5 Punkte breit, breiter als die %6 Punkte bei %7 mm: wird nicht gedruckt</translation>
    </message>
</context>
<context>
    <name>TapRowsModel</name>
    <message>
        <source>to printer</source>
        <translation>zum Drucker</translation>
    </message>
    <message>
        <source>to program</source>
        <translation>zum Programm</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>unknown command</source>
        <translation>unbekannter Befehl</translation>
    </message>
    <message>
        <source>cut off</source>
        <translation>abgeschnitten</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>sent while held</source>
        <translation>gesendet während angehalten</translation>
    </message>
    <message>
        <source> ... (%1 bytes)</source>
        <translation> ... (%1 Bytes)</translation>
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
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Since previous</source>
        <translation>Seit vorheriger</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Command or reply</source>
        <translation>Befehl oder Antwort</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>TapWindow</name>
    <message>
        <source>%1: the picture cannot be made</source>
        <translation>%1: das Bild kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Tap...</source>
        <translation>Abgriff...</translation>
    </message>
    <message>
        <source>Tap</source>
        <translation>Abgriff</translation>
    </message>
    <message>
        <source>Pseudo-terminal</source>
        <translation>Pseudoterminal</translation>
    </message>
    <message>
        <source>TCP listener</source>
        <translation>TCP-Listener</translation>
    </message>
    <message>
        <source>Passive tap (two lines)</source>
        <translation>Passiver Abgriff (zwei Leitungen)</translation>
    </message>
    <message>
        <source>Program side</source>
        <translation>Programmseite</translation>
    </message>
    <message>
        <source>Program&apos;s port</source>
        <translation>Schnittstelle des Programms</translation>
    </message>
    <message>
        <source>Program&apos;s line</source>
        <translation>Leitung des Programms</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Conversation</source>
        <translation>Kommunikation</translation>
    </message>
    <message>
        <source>Expected receipt</source>
        <translation>Erwarteter Bon</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Save capture...</source>
        <translation>Mitschnitt speichern...</translation>
    </message>
    <message>
        <source>Save capture</source>
        <translation>Mitschnitt speichern</translation>
    </message>
    <message>
        <source>Save records...</source>
        <translation>Protokoll speichern...</translation>
    </message>
    <message>
        <source>Save records</source>
        <translation>Protokoll speichern</translation>
    </message>
    <message>
        <source>Save receipts...</source>
        <translation>Bons speichern...</translation>
    </message>
    <message>
        <source>Save receipts</source>
        <translation>Bons speichern</translation>
    </message>
    <message>
        <source>Program side:</source>
        <translation>Programmseite:</translation>
    </message>
    <message>
        <source>Printer&apos;s line:</source>
        <translation>Leitung des Druckers:</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <source>The address programs connect to, ADDRESS:PORT</source>
        <translation>Die Adresse, mit der sich Programme verbinden, ADDRESS:PORT</translation>
    </message>
    <message>
        <source>The path the program opens as its printer&apos;s port</source>
        <translation>Der Pfad, den das Programm als Schnittstelle seines Druckers öffnet</translation>
    </message>
    <message>
        <source>No printer port is chosen.</source>
        <translation>Es ist keine Druckerschnittstelle gewählt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port of the list, a device path or tcp://HOST:PORT.</source>
        <translation>&quot;%1&quot; ist weder eine Schnittstelle der Liste noch ein Gerätepfad oder tcp://HOST:PORT.</translation>
    </message>
    <message>
        <source>The tap cannot start:
%1</source>
        <translation>Der Abgriff kann nicht starten:
%1</translation>
    </message>
    <message>
        <source>Running; programs connect to %1</source>
        <translation>Läuft; Programme verbinden sich mit %1</translation>
    </message>
    <message>
        <source>Running; %1</source>
        <translation>Läuft; %1</translation>
    </message>
    <message>
        <source>Stopped; the ports are released</source>
        <translation>Gestoppt; die Schnittstellen sind freigegeben</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Nicht gestartet</translation>
    </message>
    <message>
        <source>; %1 bytes passed undecoded</source>
        <translation>; %1 Bytes undekodiert durchgereicht</translation>
    </message>
    <message>
        <source>; %1 rows dropped from the window (it keeps the last %2)</source>
        <translation>; %1 Zeilen aus dem Fenster entfernt (es behält die letzten %2)</translation>
    </message>
    <message>
        <source>Capture files(*.txt)|*.txt|All files(*)|*||</source>
        <translation>Mitschnittdateien(*.txt)|*.txt|Alle Dateien(*)|*||</translation>
    </message>
    <message>
        <source>The capture was not saved:
%1</source>
        <translation>Der Mitschnitt wurde nicht gespeichert:
%1</translation>
    </message>
    <message>
        <source>Capture saved to %1</source>
        <translation>Mitschnitt gespeichert in %1</translation>
    </message>
    <message>
        <source>TXT files(*.txt)|*.txt||</source>
        <translation>TXT-Dateien(*.txt)|*.txt||</translation>
    </message>
    <message>
        <source>The records were not saved:
%1</source>
        <translation>Das Protokoll wurde nicht gespeichert:
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) of the program&apos;s side saved to %1</source>
        <translation>
            <numerusform>%n Protokollzeile(n) der Programmseite gespeichert in %1</numerusform>
            <numerusform>%n Protokollzeile(n) der Programmseite gespeichert in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The program printed no receipt.</source>
        <translation>Das Programm hat keinen Bon gedruckt.</translation>
    </message>
    <message>
        <source>PNG pictures(*.png)|*.png||</source>
        <translation>PNG-Bilder(*.png)|*.png||</translation>
    </message>
    <message>
        <source>The receipts were not saved:
%1</source>
        <translation>Die Bons wurden nicht gespeichert:
%1</translation>
    </message>
    <message>
        <source>Receipt saved to %1</source>
        <translation>Bon gespeichert in %1</translation>
    </message>
    <message>
        <source>%1 receipts saved: %2 ... %3</source>
        <translation>%1 Bons gespeichert: %2 ... %3</translation>
    </message>
    <message>
        <source>Stopped; the ports are released; %1 bytes were not delivered to the printer</source>
        <translation>Gestoppt; die Schnittstellen sind freigegeben; %1 Bytes wurden nicht an den Drucker zugestellt</translation>
    </message>
    <message>
        <source>Opening the ports...</source>
        <translation>Die Schnittstellen werden geöffnet...</translation>
    </message>
    <message>
        <source>Stopping; what waits for the printer still goes to it...</source>
        <translation>Wird gestoppt; was auf den Drucker wartet, geht noch an ihn...</translation>
    </message>
    <message numerus="yes">
        <source>; %n older receipt(s) let go from the window</source>
        <translation>
            <numerusform>; %n ältere Quittung aus dem Fenster entfernt</numerusform>
            <numerusform>; %n ältere Quittungen aus dem Fenster entfernt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextBytes</name>
    <message>
        <source>Code page %1 has no character &quot;%2&quot; (%3)</source>
        <translation>Codepage %1 hat kein Zeichen „%2“ (%3)</translation>
    </message>
    <message>
        <source>Code page %1 has no character for the byte %2</source>
        <translation>Codepage %1 hat kein Zeichen für das Byte %2</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>cannot write standard output: %1</source>
        <translation>Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>unexpected operand &quot;%1&quot;</source>
        <translation>unerwarteter Operand „%1“</translation>
    </message>
    <message>
        <source>missing operand</source>
        <translation>fehlender Operand</translation>
    </message>
    <message>
        <source>--port is missing: name the printer&apos;s port (COM&lt;n&gt; from talvane-cli ports, or a device path)</source>
        <translation>--port fehlt: Nennen Sie die Schnittstelle des Druckers (COM&lt;n&gt; aus talvane-cli ports oder einen Gerätepfad)</translation>
    </message>
    <message>
        <source>--baud needs a positive number of bits per second, not &quot;%1&quot;</source>
        <translation>--baud braucht eine positive Anzahl Bits pro Sekunde, nicht „%1“</translation>
    </message>
    <message>
        <source>--handshake is none, rtscts or xonxoff, not &quot;%1&quot;</source>
        <translation>--handshake ist none, rtscts oder xonxoff, nicht „%1“</translation>
    </message>
    <message>
        <source>--model is 58 or 80 (paper width in mm), not &quot;%1&quot;</source>
        <translation>--model ist 58 oder 80 (Papierbreite in mm), nicht „%1“</translation>
    </message>
    <message>
        <source>--record needs a file name</source>
        <translation>--record braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MiB; refused</source>
        <translation>%1 ist größer als 64 MiB; abgelehnt</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>kann nicht lesen: %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>Fehler beim Lesen von %1</translation>
    </message>
    <message>
        <source>cannot write the records file: %1</source>
        <translation>kann die Protokolldatei nicht schreiben: %1</translation>
    </message>
    <message>
        <source>cannot write the records file %1</source>
        <translation>Fehler beim Schreiben der Protokolldatei %1</translation>
    </message>
    <message>
        <source>row %1 (&quot;%2&quot;) is not hex text of whole bytes; nothing was sent</source>
        <translation>Zeile %1 (&quot;%2&quot;) ist kein Hex-Text aus ganzen Bytes; nichts wurde gesendet</translation>
    </message>
    <message>
        <source>--%1 needs a whole number, not &quot;%2&quot;</source>
        <translation>--%1 braucht eine ganze Zahl, nicht &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: %2 (see talvane-cli %1 --help)</source>
        <translation>%1: %2 (siehe talvane-cli %1 --help)</translation>
    </message>
    <message>
        <source>unknown subcommand &quot;%1&quot; (talvane-cli --help lists them)</source>
        <translation>unbekannter Unterbefehl „%1“ (talvane-cli --help listet sie auf)</translation>
    </message>
    <message>
        <source>unknown option --%1</source>
        <translation>unbekannte Option --%1</translation>
    </message>
    <message>
        <source>--%1 is given twice</source>
        <translation>--%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 nimmt keinen Wert an</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1/%2 bytes</source>
        <translation>%1/%2 Bytes</translation>
    </message>
    <message>
        <source>%1; %2 of %3 bytes were sent</source>
        <translation>%1; %2 von %3 Bytes wurden gesendet</translation>
    </message>
    <message>
        <source>the printer on %1 took no data for %2 s (flow control held off, or the device went away)</source>
        <translation>der Drucker an %1 hat %2 s lang keine Daten angenommen (Flusssteuerung hielt an, oder das Gerät ist verschwunden)</translation>
    </message>
    <message>
        <source>stopped by %1</source>
        <translation>angehalten durch %1</translation>
    </message>
    <message>
        <source>no port given: name one with --port COM&lt;n&gt; or --port /dev/... (talvane-cli ports lists them)</source>
        <translation>keine Schnittstelle angegeben: Nennen Sie eine mit --port COM&lt;n&gt; oder --port /dev/... (talvane-cli ports listet sie auf)</translation>
    </message>
    <message>
        <source>too many ports named on the command line</source>
        <translation>zu viele Schnittstellen in der Befehlszeile</translation>
    </message>
    <message>
        <source>unknown port %1 (talvane-cli ports lists them; a device path works too)</source>
        <translation>unbekannte Schnittstelle %1 (talvane-cli ports listet sie auf; ein Gerätepfad geht auch)</translation>
    </message>
    <message>
        <source>%1 closed</source>
        <translation>%1 geschlossen</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>Fehler beim Öffnen von %1: %2</translation>
    </message>
    <message>
        <source>cannot set %1 to %2 baud with the chosen handshake</source>
        <translation>%1 kann nicht auf %2 Baud mit dem gewählten Handshake gesetzt werden</translation>
    </message>
    <message>
        <source>%1 opened at %2 baud</source>
        <translation>%1 geöffnet mit %2 Baud</translation>
    </message>
    <message>
        <source>%1 lost (%2)</source>
        <translation>%1 verloren (%2)</translation>
    </message>
    <message>
        <source>the printer on %1 went away (%2)</source>
        <translation>der Drucker an %1 ist verschwunden (%2)</translation>
    </message>
    <message>
        <source>the printer on %1 went away</source>
        <translation>der Drucker an %1 ist verschwunden</translation>
    </message>
    <message>
        <source>%1; %2 bytes were still waiting to leave</source>
        <translation>%1; %2 Bytes warteten noch auf das Senden</translation>
    </message>
    <message>
        <source>%1 closed without telling whether the printer got everything</source>
        <translation>%1 geschlossen, ohne Rückmeldung, ob der Drucker alles erhalten hat</translation>
    </message>
    <message>
        <source>%1 closed with %2 bytes the printer had not taken (not delivered)</source>
        <translation>%1 geschlossen mit %2 Bytes, die der Drucker nicht angenommen hatte (nicht zugestellt)</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, noch etwa %1 s</translation>
    </message>
    <message>
        <source>sent %1 bytes to %2 in %3 s</source>
        <translation>%1 Bytes an %2 gesendet in %3 s</translation>
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
        <translation>Schnittstellenoptionen:
  --port PORT          ein Name aus `talvane-cli ports` (COM&lt;n&gt;, USB&lt;k&gt;) oder ein Gerätepfad
                       (/dev/ttyUSB0) oder tcp://HOST[:PORT] (NET1 genannt, wie `ports` es auflistet)
  --baud RATE          Bits pro Sekunde (Standard 9600)
  --handshake MODE     none (Standard), rtscts oder xonxoff
  --model 58|80        Papierbreite des Druckers in mm (Standard 58: 384 Punkte; 80: 576)
  --record FILE        das Gesendete zusätzlich als Protokolldatei schreiben, die die Konsole importieren kann
  --verbose            die Ereignisse (Schnittstelle geöffnet, geschlossen, verloren, abgelehnt)
                       mit ihren Zeiten auf die Standardfehlerausgabe schreiben
  --quiet              bei Erfolg nichts ausgeben (keine Zeile „N Bytes gesendet“)
</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 failed, 2 bad command line, 3 input refused (nothing sent),
  4 file cannot be read or written, 5 port unknown, busy, failing or taking no data,
  or printer gone, 6 bytes handed to the port not delivered when it closed,
  130/143 stopped by SIGINT/SIGTERM (port closed, bytes sent said).
</source>
        <translation>Exit-Codes: 0 erledigt, 1 fehlgeschlagen, 2 fehlerhafte Befehlszeile, 3 Eingabe abgelehnt (nichts gesendet),
  4 Datei nicht les- oder schreibbar, 5 Schnittstelle unbekannt, belegt, fehlerhaft oder nimmt keine Daten an,
  oder Drucker weg, 6 an die Schnittstelle übergebene Bytes beim Schließen nicht zugestellt,
  130/143 angehalten durch SIGINT/SIGTERM (Schnittstelle geschlossen, gesendete Bytes gemeldet).
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
        <translation>Aufruf: talvane-cli SUBCOMMAND [OPTIONS] [ARGUMENTS]
Steuert einen Thermo-Bondrucker aus Skripten, mit den Befehlen der Konsole.

Unterbefehle:
  ports                     die seriellen Schnittstellen, wie die Konsole sie auflistet
  send FILE | --hex TEXT | --records FILE | --capture FILE
                            rohe Bytes, Hex-Text oder eine Protokolldatei der Konsole (wie „Erneut senden“)
  sample NAME... | all      Schnelltests nach Schaltflächenname (&quot;Font Sample&quot;, &quot;Bar-code&quot;, ...)
  picture FILE              ein Bild, wie die Bildgruppe der Konsole es druckt
  barcode TYPE DATA         ein eindimensionaler Barcode
  qr DATA, pdf417 DATA, datamatrix DATA
                            ein 2D-Code: speichern, dann drucken
  status                    fragt den Druckerstatus ab; der Exit-Code nennt den Zustand
  decode [FILE|-]           eine Mitschnitt- oder Protokolldatei als Mnemonik-Zeilen des Protokolls
  monitor                   gibt aus, was der Drucker sendet, bis Strg+C
  render [FILE|-]           eine Mitschnitt- oder Protokolldatei als Bon-Bilder, ohne Drucker
  tap --program SIDE --printer PORT
                            sitzt zwischen einem Programm und seinem Drucker, zeigt beides live

`talvane-cli SUBCOMMAND --help` zeigt die Optionen und Beispiele jedes Unterbefehls.
--lang CODE, mit jedem Unterbefehl, wählt de, es, pt_BR, ru, zh_CN oder en (die
Ausgangstexte); ohne die Option die Sprache des Desktops (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).

Beispiel:
  talvane-cli status --port /dev/ttyUSB0 &amp;&amp; talvane-cli sample all --port /dev/ttyUSB0
</translation>
    </message>
    <message>
        <source>  status adds 10 paper end, 11 platen up, 12 cutter error, 13 overheat, 14 over-voltage,
  15 no answer; render adds 20 not everything understood, 21 receipt differs.
</source>
        <translation>  status ergänzt 10 Papierende, 11 Deckel offen, 12 Messerfehler, 13 Überhitzung, 14 Überspannung,
  15 keine Antwort; render ergänzt 20 nicht alles verstanden, 21 Bon weicht ab.
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
        <translation>Aufruf: talvane-cli ports [--json] [--port PATH]...
Listet die seriellen Schnittstellen, wie die Portliste der Konsole sie zeigt (&quot;COM&lt;n&gt; (&lt;path&gt;)&quot;).
Jedes --port PATH fügt ein Gerät hinzu, das die Suche nicht findet, wie bei der Konsole.

Beispiele:
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
        <translation>Aufruf: talvane-cli sample NAME... | all --port PORT [options]
Führt Schnelltests nach ihren Schaltflächennamen aus: &quot;Font Sample&quot;, &quot;Print&quot;, &quot;Margins&quot;,
&quot;Coordinate&quot;, &quot;Density&quot;, &quot;Horizon tab&quot;, &quot;Verti tab&quot;, &quot;Picture&quot;, &quot;Alignment&quot;,
&quot;Bar-code&quot;, &quot;QRCode&quot;, &quot;Cutting&quot; oder &quot;Printer Init&quot;. Groß-/Kleinschreibung, Leerzeichen
und Bindestriche spielen keine Rolle; all führt die zwölf Schnelltests in der Reihenfolge des Dialogs aus.
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli sample all --port /dev/ttyUSB0
  talvane-cli sample &quot;Font Sample&quot; barcode --port COM3 --record fonts.txt
</source>
        <translation>Beispiele:
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
        <translation>Aufruf: talvane-cli picture FILE --port PORT [--threshold N] [--raster] [--size MODE]
                          [--dots RULE] [--invert] [--rotate] [--fit crop|scale]
                          [--block-rows N]
Druckt ein Bild (BMP, JPEG, PNG, ...), per Schwellwert auf Schwarzweiß reduziert
(Standard 128, höchstens 255), abgeschnitten an der druckbaren Breite von --model.
Standardmäßig Bitbild-Streifen (--size &quot;8-dot single-density&quot;, &quot;8-dot double-density&quot;,
&quot;24-dot single-density&quot;, &quot;24-dot double-density&quot; [Standard]); --raster sendet einen
Rasterblock (--size Normal [Standard], Double-width, Double-height, Quadruple).
Die Bildoptionen der Konsole: --dots threshold (Standard), floyd-steinberg, atkinson
oder bayer; --invert; --rotate (eine Vierteldrehung); --fit crop (Standard) oder scale für ein
Bild, das breiter als das Papier ist; --block-rows N sendet das Bild in Blöcken zu N Zeilen,
einen nach dem anderen (0: ein Block). Die Bytes sind die der Konsole bei gleichen Optionen.
Ein Fortschrittsbalken läuft auf der Standardfehlerausgabe, wenn sie ein Terminal ist.
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli picture logo.bmp --port /dev/ttyUSB0 --threshold 100
  talvane-cli picture photo.jpg --port COM3 --model 80 --raster --size Double-width
  talvane-cli picture photo.jpg --port COM3 --dots atkinson --fit scale --block-rows 64
</source>
        <translation>Beispiele:
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
        <translation>Aufruf: talvane-cli barcode TYPE DATA --port PORT [--width N] [--height N]
                          [--text none|above|below|both] [--hex]
Druckt einen Barcode mit den Regeln und Meldungen der Barcode-Seite. TYPE ist eine Zeile
der Codeliste der Seite (UPCA, UPCE, EAN13, EAN8, CODE39, ITF, CODABAR, CODE93, CODE128,
EAN128). --width 1..6, --height 1..255, --text die Klartextzeile; --hex nimmt
DATA als Hex-Text, wo die Seite es anbietet. Eine Option wird auch gesendet, wenn sie dem
Startwert der Seite entspricht.
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli barcode EAN13 012345678901 --port /dev/ttyUSB0 --text below
  talvane-cli barcode CODE128 &quot;7B 41 42 43&quot; --hex --port COM3 --height 80
</source>
        <translation>Beispiele:
  talvane-cli barcode EAN13 012345678901 --port /dev/ttyUSB0 --text below
  talvane-cli barcode CODE128 &quot;7B 41 42 43&quot; --hex --port COM3 --height 80
</translation>
    </message>
    <message>
        <source>usage: talvane-cli qr DATA --port PORT [--module-width N] [--error-level L|M|Q|H] [--hex]
Stores DATA as a QR code and prints it, as the two-dimensional code page does.
--module-width 1..16; --error-level L (7%), M (15%), Q (25%), H (30%).
</source>
        <translation>Aufruf: talvane-cli qr DATA --port PORT [--module-width N] [--error-level L|M|Q|H] [--hex]
Speichert DATA als QR-Code und druckt ihn, wie die Seite für 2D-Codes.
--module-width 1..16; --error-level L (7%), M (15%), Q (25%), H (30%).
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli qr &quot;https://example.com/unit/42&quot; --port /dev/ttyUSB0 --module-width 6
  talvane-cli qr &quot;48 49&quot; --hex --error-level H --port COM3
</source>
        <translation>Beispiele:
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
        <translation>Aufruf: talvane-cli pdf417 DATA --port PORT [--rows N|auto] [--columns N|auto]
                         [--module-width N] [--row-height N] [--error-level 0..8] [--hex]
Speichert DATA als PDF417-Symbol und druckt es. --rows 3..90, --columns 1..30,
--module-width 2..8, --row-height 2..8.
</translation>
    </message>
    <message>
        <source>Example:
  talvane-cli pdf417 &quot;LOT 2291-A&quot; --columns 3 --error-level 2 --port /dev/ttyUSB0
</source>
        <translation>Beispiel:
  talvane-cli pdf417 &quot;LOT 2291-A&quot; --columns 3 --error-level 2 --port /dev/ttyUSB0
</translation>
    </message>
    <message>
        <source>usage: talvane-cli datamatrix DATA --port PORT [--module-width N] [--hex]
Stores DATA as a DataMatrix symbol and prints it. --module-width 2..8.
</source>
        <translation>Aufruf: talvane-cli datamatrix DATA --port PORT [--module-width N] [--hex]
Speichert DATA als DataMatrix-Symbol und druckt es. --module-width 2..8.
</translation>
    </message>
    <message>
        <source>Example:
  talvane-cli datamatrix &quot;SN 000123&quot; --module-width 4 --port /dev/ttyUSB0
</source>
        <translation>Beispiel:
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
        <translation>Aufruf: talvane-cli status --port PORT [--timeout MS] [--json] [options]
Sendet die Statusabfrage, wartet auf das Statusbyte des Druckers (Standard 1000 ms) und
gibt seine Bedeutung aus. --json gibt eine Zeile aus:
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
        <translation>Exit-Codes: 0 bereit, 10 Papierende, 11 Deckel offen, 12 Messerfehler, 13 Überhitzung,
  14 Überspannung (bei mehreren Zuständen der niedrigste Code), 15 keine Antwort,
  2 fehlerhafte Befehlszeile, 4 --record-Datei nicht schreibbar, 5 Schnittstellenfehler.

Beispiel:
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
        <translation>Aufruf: talvane-cli decode [FILE | -] [--raw] [--replies]
Liest eine von der Konsole gespeicherte Protokolldatei oder einen rohen Byte-Mitschnitt und gibt
pro Befehl eine Zeile aus: seinen Hex-Text, &quot;//&quot; und seine Dekodierung, wie das Vorgangsprotokoll sie zeigt.
Die Ausgabe ist selbst eine Protokolldatei. --raw liest auch hex-artigen Text als Bytes.
--replies liest stattdessen Bytes, die der Drucker gesendet hat, und gibt jede Antwort in Worten aus
(Statusbytes, Antworten), wie der Empfangsbereich der Konsole sie zeigt.
Standardeingabe, wenn kein FILE angegeben ist. Eine Mitschnittdatei von tap (--capture von tap)
wird gezeigt, wie tap sie zeigte: beide Richtungen, Antworten in Worten, Warnungen und Zusammenfassung.

Beispiele:
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
        <translation>Aufruf: talvane-cli monitor --port PORT [--time] [--auto-status] [options]
Gibt aus, was der Drucker sendet, als Hex-Text mit der Bedeutung von Statusbytes,
Antworten und XON (11) / XOFF (13) darunter, bis zur Unterbrechung (Strg+C, SIGTERM:
Exit 0). --time beginnt jede Zeile mit der Ortszeit auf die Millisekunde.
--auto-status schaltet den automatischen Status des Druckers für den Lauf ein (GS a 2F)
und an seinem Ende wieder aus (GS a 00), sodass Statuswechsel ohne Abfrage erscheinen.
</translation>
    </message>
    <message>
        <source>Example:
  talvane-cli monitor --port /dev/ttyUSB0 --baud 115200
  talvane-cli monitor --port /dev/ttyUSB0 --time --auto-status
</source>
        <translation>Beispiel:
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
        <translation>Aufruf: talvane-cli send (FILE | --hex TEXT | --records FILE | --capture FILE) --port PORT
                        [options]
Sendet eine Datei Byte für Byte, Hex-Text (&quot;1B 40&quot;; ein nicht hexadezimales Paar lehnt
den ganzen Text ab) oder die Zeilen einer von der Konsole gespeicherten Protokolldatei,
so wie ihre Schaltfläche „Erneut senden“ sie sendet. &quot;-&quot; als FILE liest die Standardeingabe.
--capture sendet, was das Programm in einer Mitschnittdatei von tap gesendet hat,
der Reihe nach, ohne die Antworten des Druckers.
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli send receipt.bin --port COM3
  talvane-cli send --hex &quot;1B 40 1B 61 01&quot; --port /dev/ttyUSB0
  talvane-cli send --records saved.txt --port /dev/ttyUSB0 --baud 115200
  talvane-cli send --capture till.cap --port /dev/ttyUSB0
</source>
        <translation>Beispiele:
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
        <translation>Aufruf: talvane-cli tap --program SIDE --printer PORT [--capture FILE] [--records FILE]
                       [--receipts DIR [--model 58|80] [--plain]] [--json]
Sitzt zwischen einem Programm und seinem Drucker: Jedes Byte geht unverändert durch, und
jeder Befehl des Programms und jede Antwort des Druckers wird ausgegeben, sobald er kommt
(Zeit, Abstand zur vorigen Zeile, Richtung, Hex, Name oder Worte).
Warnungen stehen in ihrer Zeile: unbekannter Befehl, abgeschnitten, keine Antwort (500 ms),
gesendet während angehalten (XOFF oder Papierende). Strg+C (oder SIGTERM) beendet mit einer Zusammenfassung.

Programmseite (SIDE):
  pty:PATH             ein Pseudoterminal; PATH wird ein Link darauf, den das Programm
                       öffnet; seine Leitungseinstellungen gelten auch für einen seriellen Drucker
  tcp-listen:ADDR:PORT ein TCP-Listener (tcp-listen: allein ist 127.0.0.1:9100), je
                       eine Programmverbindung gleichzeitig
  passive:PORTA,PORTB  zwei serielle Schnittstellen an einem Abgriffkabel (TX des Programms,
                       TX des Druckers); nichts wird gesendet, kein --printer
Optionen:
  --printer PORT       COM&lt;n&gt;, ein Gerätepfad oder tcp://HOST:PORT
  --capture FILE       beide Richtungen als Mitschnittdatei behalten (decode liest sie)
  --records FILE       die Befehle des Programms als Protokolldatei behalten
  --receipts DIR       die Bons, die die Bytes des Programms drucken sollten, so
                       schreiben, wie der virtuelle Drucker sie druckt (receipt-0001.png,
                       ...; ein Bon endet an einem Schnitt und wenn tap endet)
  --model 58|80        ihre Papierbreite (Standard 58); --plain: einfache Punkte auf Weiß
  --json               ein JSON-Objekt pro Zeile, die Zusammenfassung zuletzt

Beispiele:
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
        <translation>Aufruf: talvane-cli render [FILE | -] [--out DIR] [--model 58|80] [--plain] [--json] [--raw]
                          [--compare GOLDEN.png [--diff DIFF.png]]
Druckt einen rohen Byte-Mitschnitt, eine von der Konsole gespeicherte Protokolldatei oder das,
was das Programm in einer tap-Mitschnittdatei gesendet hat, auf dem virtuellen Drucker, ohne
Drucker oder Leitung, und schreibt jeden Bon als Bild
(receipt-0001.png, ... in --out, Standard receipts). Bons enden an Schnitten und am
Dateiende. Jeder übersprungene oder nicht ausführbare Befehl wird mit Offset aufgelistet.
--plain zeichnet einfache Punkte auf Weiß; --json gibt eine Zeile mit den Bildern, den
übersprungenen Befehlen und dem Vergleich aus. --raw liest auch hex-artigen Text als Bytes.
--compare vergleicht jeden Bon Punkt für Punkt mit einem Referenzbild (beide Darstellungen)
oder der Reihe nach mit den Bildern eines Referenzordners und gibt die Anzahl abweichender
Punkte und die Zeilen aus, in denen Abweichungen beginnen; mehr oder weniger Bons als
Referenzen weichen ab. --diff schreibt ein Bild der Unterschiede des ersten abweichenden Bons
(rot: nur im Bon, blau: nur in der Referenz, eine rote Marke links jeder abweichenden
Zeile). Mit --compare werden Bilder nur geschrieben, wenn --out angegeben ist.

Beispiele:
  talvane-cli render capture.bin --out receipts --model 80
  talvane-cli render receipt.bin --compare tests/golden/receipt.png --diff diff.png

Exit-Codes: 0 alles verstanden (mit --compare: jeder Bon ist identisch),
  20 ein Befehl wurde übersprungen oder die Datei endet mitten in einem (auch mit --compare),
  21 ein Bon weicht von seiner Referenz ab, 2 fehlerhafte Befehlszeile, 3 die Eingabe ist leer
  oder eine Mitschnitt- oder Protokolldatei ist fehlerhaft, oder die Referenz ist kein Bon
  dieser Breite, 4 eine Datei ist nicht les- oder schreibbar.
</translation>
    </message>
</context>
<context>
    <name>cli-line</name>
    <message>
        <source>paper end</source>
        <translation>Papierende</translation>
    </message>
    <message>
        <source>platen up</source>
        <translation>Deckel offen</translation>
    </message>
    <message>
        <source>cutter error</source>
        <translation>Messerfehler</translation>
    </message>
    <message>
        <source>overheat</source>
        <translation>Überhitzung</translation>
    </message>
    <message>
        <source>over-voltage</source>
        <translation>Überspannung</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>bereit</translation>
    </message>
    <message>
        <source>No serial ports found. Name one with --port PATH.</source>
        <translation>Keine seriellen Schnittstellen gefunden. Nennen Sie eine mit --port PATH.</translation>
    </message>
    <message>
        <source>give exactly one of FILE, --hex TEXT or --records FILE</source>
        <translation>geben Sie genau eines an: FILE, --hex TEXT oder --records FILE</translation>
    </message>
    <message>
        <source>--hex holds something that is not hexadecimal: &quot;%1&quot; (nothing was sent)</source>
        <translation>--hex enthält etwas, das nicht hexadezimal ist: &quot;%1&quot; (nichts wurde gesendet)</translation>
    </message>
    <message>
        <source>--hex holds no byte (nothing was sent)</source>
        <translation>--hex enthält kein Byte (nichts wurde gesendet)</translation>
    </message>
    <message>
        <source>%1 line %2 is not a records line (only hex text before &quot;//&quot;); nothing was sent</source>
        <translation>%1 Zeile %2 ist keine Protokollzeile (nur Hex-Text vor &quot;//&quot;); nichts wurde gesendet</translation>
    </message>
    <message>
        <source>%1 holds no records; nothing was sent</source>
        <translation>%1 enthält keine Protokollzeilen; nichts wurde gesendet</translation>
    </message>
    <message>
        <source>%1 is empty; nothing was sent</source>
        <translation>%1 ist leer; nichts wurde gesendet</translation>
    </message>
    <message>
        <source>--timeout needs a positive number of milliseconds</source>
        <translation>--timeout braucht eine positive Anzahl Millisekunden</translation>
    </message>
    <message>
        <source>no status request: %1</source>
        <translation>keine Statusabfrage: %1</translation>
    </message>
    <message>
        <source>%1 before it answered</source>
        <translation>%1, bevor er antwortete</translation>
    </message>
    <message>
        <source>stopped by %1 while waiting for the status (the request was sent)</source>
        <translation>angehalten durch %1 während des Wartens auf den Status (die Abfrage wurde gesendet)</translation>
    </message>
    <message>
        <source>%1: status %2: %3</source>
        <translation>%1: Status %2: %3</translation>
    </message>
    <message>
        <source>%1: no answer within %2 ms</source>
        <translation>%1: keine Antwort innerhalb von %2 ms</translation>
    </message>
    <message>
        <source>the printer on %1 took no command</source>
        <translation>der Drucker an %1 hat keinen Befehl angenommen</translation>
    </message>
    <message>
        <source>watching %1; Ctrl+C ends</source>
        <translation>beobachte %1; Strg+C beendet</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <translation>Status %1: %2</translation>
    </message>
    <message>
        <source>response %1: &quot;%2&quot;</source>
        <translation>Antwort %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 went away (unplugged or hung up)</source>
        <translation>%1 ist verschwunden (abgesteckt oder aufgelegt)</translation>
    </message>
</context>
<context>
    <name>cli-print</name>
    <message>
        <source>%1 (nothing was sent)</source>
        <translation>%1 (nichts wurde gesendet)</translation>
    </message>
    <message>
        <source>--%1 is one of: %2; not &quot;%3&quot;</source>
        <translation>--%1 ist eines von: %2; nicht &quot;%3&quot;</translation>
    </message>
    <message>
        <source>unknown sample &quot;%1&quot;; the samples are %2 and all</source>
        <translation>unbekannter Test „%1“; die Tests sind %2 und all</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>Fehler beim Lesen von %1: %2</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Schwelle</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>--block-rows is 0 (one block) to %1</source>
        <translation>--block-rows ist 0 (ein Block) bis %1</translation>
    </message>
    <message>
        <source>%1 has nothing to print</source>
        <translation>%1 hat nichts zu drucken</translation>
    </message>
    <message>
        <source>unknown barcode type &quot;%1&quot;; the types are %2</source>
        <translation>unbekannter Barcodetyp „%1“; die Typen sind %2</translation>
    </message>
    <message>
        <source>%1 data cannot be given in hex</source>
        <translation>%1-Daten können nicht als Hex angegeben werden</translation>
    </message>
    <message>
        <source>--%1 needs a whole number or auto, not &quot;%2&quot;</source>
        <translation>--%1 braucht eine ganze Zahl oder auto, nicht &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>cli-render</name>
    <message>
        <source>identical to %1</source>
        <translation>identisch mit %1</translation>
    </message>
    <message>
        <source>%1 dots differ from %2</source>
        <translation>%1 Punkte weichen ab von %2</translation>
    </message>
    <message>
        <source>; differences start at rows %1</source>
        <translation>; Unterschiede beginnen bei den Zeilen %1</translation>
    </message>
    <message>
        <source>; the receipt has %1 dot rows, the golden %2</source>
        <translation>; der Bon hat %1 Punktzeilen, die Referenz %2</translation>
    </message>
    <message>
        <source>--model takes 58 or 80</source>
        <translation>--model nimmt 58 oder 80</translation>
    </message>
    <message>
        <source>--diff needs --compare</source>
        <translation>--diff braucht --compare</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>Fehler beim Erstellen von %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>Fehler beim Lesen von %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>offset %1: %2</source>
        <translation>Offset %1: %2</translation>
    </message>
    <message>
        <source>offset %1: the input ends inside a command</source>
        <translation>Offset %1: die Eingabe endet mitten in einem Befehl</translation>
    </message>
    <message>
        <source>%1 line %2 is not a records line (only hex text before &quot;//&quot;); nothing was printed</source>
        <translation>%1 Zeile %2 ist keine Protokollzeile (nur Hex-Text vor &quot;//&quot;); nichts wurde gedruckt</translation>
    </message>
    <message>
        <source>differs from %1 in length: the receipt has %2 dot rows, the golden %3</source>
        <translation>weicht in der Länge von %1 ab: der Bon hat %2 Punktzeilen, die Referenz %3</translation>
    </message>
    <message>
        <source>%1 is empty: nothing to print</source>
        <translation>%1 ist leer: nichts zu drucken</translation>
    </message>
    <message>
        <source>receipt %1: %2</source>
        <translation>Bon %1: %2</translation>
    </message>
    <message>
        <source>the file prints %1 receipts, the golden has %2</source>
        <translation>die Datei druckt %1 Bons, die Referenz hat %2</translation>
    </message>
    <message>
        <source>nothing to print</source>
        <translation>nichts zu drucken</translation>
    </message>
    <message>
        <source>%1 is a receipt of %2 dots, not of %3 (--model)</source>
        <translation>%1 ist ein Bon mit %2 Punkten, nicht mit %3 (--model)</translation>
    </message>
    <message>
        <source>%1 is no receipt of %2 dots (--model): it is %3 pixels wide</source>
        <translation>%1 ist kein Bon mit %2 Punkten (--model): es ist %3 Pixel breit</translation>
    </message>
</context>
<context>
    <name>cli-tap</name>
    <message>
        <source>(%1 rows not shown: the output fell behind)</source>
        <translation>(%1 Zeilen nicht angezeigt: die Ausgabe kam nicht nach)</translation>
    </message>
    <message>
        <source>--program is needed (pty:PATH, tcp-listen:ADDR:PORT or passive:PORTA,PORTB)</source>
        <translation>--program wird benötigt (pty:PATH, tcp-listen:ADDR:PORT oder passive:PORTA,PORTB)</translation>
    </message>
    <message>
        <source>a passive tap has no --printer: both lines are in --program</source>
        <translation>ein passiver Abgriff hat kein --printer: beide Leitungen stehen in --program</translation>
    </message>
    <message>
        <source>--printer is needed (COM&lt;n&gt;, a device path or tcp://HOST:PORT)</source>
        <translation>--printer wird benötigt (COM&lt;n&gt;, ein Gerätepfad oder tcp://HOST:PORT)</translation>
    </message>
    <message>
        <source>%1 line %2 is not a capture line (KIND SECONDS DATA)</source>
        <translation>%1 Zeile %2 ist keine Mitschnittzeile (KIND SECONDS DATA)</translation>
    </message>
    <message>
        <source>--capture goes alone, without FILE, --hex or --records</source>
        <translation>--capture steht allein, ohne FILE, --hex oder --records</translation>
    </message>
    <message>
        <source>%1 is not a tap capture file (line %2); nothing was sent</source>
        <translation>%1 ist keine tap-Mitschnittdatei (Zeile %2); nichts wurde gesendet</translation>
    </message>
    <message>
        <source>%1 holds nothing the program sent; nothing was sent</source>
        <translation>%1 enthält nichts, was das Programm gesendet hat; nichts wurde gesendet</translation>
    </message>
    <message>
        <source>cannot create the receipts folder %1</source>
        <translation>kann den Bon-Ordner %1 nicht anlegen</translation>
    </message>
    <message>
        <source>tap: receipt %1 (%2 dot rows)</source>
        <translation>tap: Bon %1 (%2 Punktzeilen)</translation>
    </message>
    <message>
        <source>--model takes 58 or 80</source>
        <translation>--model nimmt 58 oder 80</translation>
    </message>
    <message>
        <source>--model and --plain go with --receipts</source>
        <translation>--model und --plain gehören zu --receipts</translation>
    </message>
    <message>
        <source>cannot write the capture file: %1</source>
        <translation>die Mitschnittdatei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>cannot write the capture file %1</source>
        <translation>die Mitschnittdatei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>standard output took no more rows: %1 rows and the summary were not shown</source>
        <translation>die Standardausgabe nahm keine Zeilen mehr an: %1 Zeilen und die Zusammenfassung wurden nicht angezeigt</translation>
    </message>
    <message>
        <source>the capture is not whole (%1); no capture or records file was written</source>
        <translation>der Mitschnitt ist nicht vollständig (%1); weder Mitschnitt- noch Protokolldatei wurde geschrieben</translation>
    </message>
    <message>
        <source>%1 bytes were not delivered to the printer</source>
        <translation>%1 Bytes wurden nicht an den Drucker zugestellt</translation>
    </message>
</context>
</TS>
