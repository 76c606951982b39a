<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CRecordsModel</name>
    <message>
        <source>checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tips</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTalvaneApp</name>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--log-level takes error, warning or info, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: talvane [--port PATH | --port tcp://HOST[:PORT]]... [--screenshot FILE.png]
               [--reset-settings] [--log-level LEVEL] [--no-log] [--lang CODE]
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
  --help               show this text
  --version            show the version

The event log is kept in $XDG_STATE_HOME/talvane (~/.local/state/talvane),
one file per day; the oldest days go when the files pass 10 MiB.

The console needs a display. Without one, run it under a virtual display:
  xvfb-run -a talvane
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the display %1 is not running (no %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>talvane: %1.
Run it under a virtual display:
  xvfb-run -a talvane
or render its window to a picture without any display:
  talvane --screenshot window.png
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTalvaneDlg</name>
    <message>
        <source>Expected receipt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizon tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verti tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bar-code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QRCode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview horizontal scroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview vertical scroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit-image mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raser bit image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wider than paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows per block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows per raster block, sent paced to the line with progress and Cancel; &quot;One block&quot; sends it at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows/block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8-dot single-density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8-dot double-density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24-dot single-density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24-dot double-density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Open the Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-dimensional code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label/BM</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventLogWindow</name>
    <message>
        <source>Event log...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show events of kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not kept on disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExpectedReceiptWindow</name>
    <message>
        <source>Expected receipt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FixedMappingNotice</name>
    <message>
        <source>Sent in the console&apos;s own mapping (%1): most printers print these bytes as other characters. Choose the printer&apos;s code page in the &quot;Code page&quot; list to send text in it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>there is no %1 translation; the languages are: en, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 translation is missing from the program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortPanel</name>
    <message>
        <source>Open COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the serial port error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A USB or network printer has no baud rate or handshake lines; the printer&apos;s own settings apply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The baud rate cannot be set on this port: a USB or network printer has no baud rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The handshaking cannot be set on this port: a USB or network printer has no handshake lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> – absent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device is not there now; the list shows it again when it comes back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer on %1 is gone. The port opens again by itself when the same printer is back; Close COM stops waiting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer on %1 is back: reconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a port, or type a device path (/dev/...) or tcp://HOST:PORT and press Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a device path starting with / or a network printer as tcp://HOST:PORT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No more ports can be added to the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 closed: %2 bytes were not delivered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 closed: the port could not say whether everything was delivered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本计算机上没有发现可用串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handshaking:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Models:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Init</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set baud rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set handshaking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talvane logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordsPanel</name>
    <message>
        <source>no data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 is not hex text; nothing was sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operational records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contents of the file does not meet the hex command mode, the import operation was canceled 
Line %1 is not hex text of whole bytes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RememberedSettings</name>
    <message>
        <source>cannot remove %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the remembered settings in %1 could not be read; starting from the defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings could not be saved in %1; this session goes on without them</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SendReceivePanel</name>
    <message>
        <source>Save failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contents of the file does not meet the hex command mode, the import operation is canceled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large to send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply in words</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingPanel</name>
    <message>
        <source>Set the line spacing can&apos;t greater than 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The left margin and right margin should be less than%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absolute coordinates should be less than%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set of feeding distance can&apos;t greater than 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underscore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>low-speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>middle-speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high-speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut and feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haft-Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full-Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Paper-end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overheat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overvoltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Platen-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cutter-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BUSY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer from the printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer from the printer (last answer at %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last answer at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: BUSY status in the hardware flow control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear-Buf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer answer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
