<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>BarcodeRules</name>
    <message>
        <source>Enter the character range of 0x00 ~ 0x7F, support for 255 data FNC1 is used ~ FNC4 can 0xC1 0xC4, automatically insert the start code, check code and end code.</source>
        <translation>Допустимые символы 0x00 ~ 0x7F, не более 255 знаков; FNC1 ~ FNC4 задаются байтами 0xC1 ~ 0xC4; стартовый символ, контрольный символ и стоп-символ добавляются автоматически.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, support 11-bit data, parity bit is automatically generated.</source>
        <translation>Допустимые символы 0–9, 11 цифр; контрольная цифра вычисляется автоматически.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, to support the six data automatically generated parity bit.</source>
        <translation>Допустимые символы 0–9, 6 цифр; контрольная цифра вычисляется автоматически.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, support 12-bit data, parity bit is automatically generated.</source>
        <translation>Допустимые символы 0–9, 12 цифр; контрольная цифра вычисляется автоматически.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, supports 7 data, the parity bit is automatically generated.</source>
        <translation>Допустимые символы 0–9, 7 цифр; контрольная цифра вычисляется автоматически.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 ~ 9, A ~ Z, SP, $,%, +, -,., /, Supports up to not more than 255 data, before and after the automatic insertion *.</source>
        <translation>Допустимые символы 0 ~ 9, A ~ Z, SP, $, %, +, -, ., /, не более 255 знаков; * в начале и в конце добавляется автоматически.</translation>
    </message>
    <message>
        <source>Enter the characters in the range of 0 to 9, the support 2 to 255 data and even bits.</source>
        <translation>Допустимые символы 0–9, от 2 до 255 цифр, чётное количество.</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, $, +, -,, /,:, supports up to over 255, around the need to insert the A ~ D, or a ~ d.</source>
        <translation>Допустимые символы 0–9, $, +, -, /, :, не более 255 знаков; в начале и в конце нужно поставить A ~ D или a ~ d.</translation>
    </message>
    <message>
        <source>Input characters in the range of 00H to 7FH, checksum c, k are generated automatically.</source>
        <translation>Допустимые символы от 00H до 7FH; контрольные символы c и k вычисляются автоматически.</translation>
    </message>
</context>
<context>
    <name>C2DCode</name>
    <message>
        <source>The data empty</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>Entered incorrectly, make sure</source>
        <translation>Неверный ввод, проверьте данные</translation>
    </message>
    <message>
        <source>The data is too long: at most 65532 bytes</source>
        <translation>Слишком длинные данные: не более 65532 байт</translation>
    </message>
    <message>
        <source>Code Style:</source>
        <translation>Тип кода:</translation>
    </message>
    <message>
        <source>Code Data:</source>
        <translation>Данные:</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Послать</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Code parameters</source>
        <translation>Параметры кода</translation>
    </message>
</context>
<context>
    <name>CBarcode</name>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Above the Barcode</source>
        <translation>Над кодом</translation>
    </message>
    <message>
        <source>Below the Barcode</source>
        <translation>Под кодом</translation>
    </message>
    <message>
        <source>Above &amp; below the Barcode</source>
        <translation>Над &amp; под кодом</translation>
    </message>
    <message>
        <source>Unit width:</source>
        <translation>Ширина модуля:</translation>
    </message>
    <message>
        <source>Barcode Height:</source>
        <translation>Высота кода:</translation>
    </message>
    <message>
        <source>Display:</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Barcode data:</source>
        <translation>Данные кода:</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Описание:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Unit width of between 1 and 6</source>
        <translation>Ширина модуля — от 1 до 6</translation>
    </message>
    <message>
        <source>Bar code height of 1 to 255</source>
        <translation>Высота штрихкода — от 1 до 255</translation>
    </message>
    <message>
        <source>Entered incorrectly, make sure</source>
        <translation>Неверный ввод, проверьте данные</translation>
    </message>
</context>
<context>
    <name>CDMTX</name>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Module width:</source>
        <translation>Размер модуля:</translation>
    </message>
    <message>
        <source>模块宽度为2~8</source>
        <translation>Размер модуля: 2~8</translation>
    </message>
</context>
<context>
    <name>CLampButton</name>
    <message>
        <source>on</source>
        <translation>вкл.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выкл.</translation>
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
        <translation>Задать</translation>
    </message>
    <message>
        <source>Set [Sa]~[Sf]</source>
        <translation>Задать [Sa]~[Sf]</translation>
    </message>
    <message>
        <source>AD:</source>
        <translation>AD:</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Опрос</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Принтер:</translation>
    </message>
    <message>
        <source>ADTH1~4:</source>
        <translation>ADTH1~4:</translation>
    </message>
    <message>
        <source>Set ADTH1~4</source>
        <translation>Задать ADTH1~4</translation>
    </message>
    <message>
        <source>DIS1~3:</source>
        <translation>DIS1~3:</translation>
    </message>
    <message>
        <source>Set DIS1~3</source>
        <translation>Задать DIS1~3</translation>
    </message>
    <message>
        <source>Feed tear position</source>
        <translation>К линии отрыва</translation>
    </message>
    <message>
        <source>Feed cut position</source>
        <translation>К линии отрезки</translation>
    </message>
    <message>
        <source>Feed print position</source>
        <translation>К позиции печати</translation>
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
        <translation>Авто</translation>
    </message>
    <message>
        <source>Auto X</source>
        <translation>Авто X</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Auto Y</source>
        <translation>Авто Y</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ширина:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Высота:</translation>
    </message>
    <message>
        <source>Error correction level:</source>
        <translation>Уровень коррекции:</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Усечённый</translation>
    </message>
    <message>
        <source>Row range of 3 to 90</source>
        <translation>Число строк — от 3 до 90</translation>
    </message>
    <message>
        <source>Columns range from 1 to 30</source>
        <translation>Число столбцов — от 1 до 30</translation>
    </message>
    <message>
        <source>Unit width of 2 to 8</source>
        <translation>Ширина модуля — от 2 до 8</translation>
    </message>
    <message>
        <source>Line height of 2 to 8</source>
        <translation>Высота строки — от 2 до 8</translation>
    </message>
</context>
<context>
    <name>CQRCode</name>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Module width:</source>
        <translation>Размер модуля:</translation>
    </message>
    <message>
        <source>Error correction level:</source>
        <translation>Уровень коррекции:</translation>
    </message>
    <message>
        <source>Module width is 1 ~ 16</source>
        <translation>Размер модуля: 1 ~ 16</translation>
    </message>
</context>
<context>
    <name>CRecordsModel</name>
    <message>
        <source>checked</source>
        <translation>отмечено</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>не отмечено</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Содержимое</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Пояснение</translation>
    </message>
</context>
<context>
    <name>CTalvaneApp</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 требует значения</translation>
    </message>
    <message>
        <source>--log-level takes error, warning or info, not &quot;%1&quot;</source>
        <translation>--log-level принимает error, warning или info, а не &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set)</source>
        <translation>дисплей не найден (DISPLAY не задан)</translation>
    </message>
    <message>
        <source>the display %1 is not running (no %2)</source>
        <translation>дисплей %1 не работает (нет %2)</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>не удаётся записать %1</translation>
    </message>
    <message>
        <source>talvane: %1.
Run it under a virtual display:
  xvfb-run -a talvane
or render its window to a picture without any display:
  talvane --screenshot window.png
</source>
        <translation>talvane: %1.
Запустите программу на виртуальном дисплее:
  xvfb-run -a talvane
или сохраните её окно в картинку без всякого дисплея:
  talvane --screenshot window.png
</translation>
    </message>
    <message>
        <source>--tap needs the program side and the printer</source>
        <translation>--tap требует стороны программы и принтера</translation>
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
        <translation>Использование: talvane [--port PATH | --port tcp://HOST[:PORT]]... [--screenshot FILE.png]
               [--reset-settings] [--log-level LEVEL] [--no-log] [--lang CODE]
               [--tap PROGRAM-SIDE PRINTER]
Тестовая консоль для чековых и этикеточных термопринтеров на последовательном
порту, USB или в сети.

  --port PATH          добавить в список это устройство: последовательное
                       (подходит псевдотерминал или ссылка /dev/serial/by-id,
                       в списке COM901, COM902, ... в порядке указания) или
                       USB-принтер (/dev/usb/lp0, в списке USB1); можно повторять
  --port tcp://HOST[:PORT]
                       добавить в список этот сетевой принтер (raw TCP, порт 9100,
                       если не указан), в списке NET1, NET2, ...
  --screenshot FILE    сохранить окно в том виде, как оно выглядит после запуска,
                       в PNG-файл и выйти (дисплей не нужен)
  --reset-settings     забыть запомненные порт, списки, папки и положение окна
                       и запуститься как в первый раз
  --log-level LEVEL    что хранит журнал событий: error, warning или info (всё;
                       по умолчанию)
  --no-log             хранить журнал событий только в памяти (Ctrl+L показывает его)
  --lang CODE          язык интерфейса: de, es, pt_BR, ru, zh_CN или en (исходные
                       тексты); без него используется язык рабочего стола
                       (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  --tap PROGRAM-SIDE PRINTER
                       открыть окно Tap (Ctrl+T) и запустить его: сторона
                       программы — pty:PATH, tcp-listen:ADDR:PORT или passive:A,B
                       (тогда без принтера), принтер — имя порта (COM3, NET1),
                       путь устройства или tcp://HOST:PORT
  --help               показать эту справку
  --version            показать версию

Журнал событий хранится в $XDG_STATE_HOME/talvane (~/.local/state/talvane),
по файлу на день; самые старые дни удаляются, когда файлы превышают 10 MiB.

Консоли нужен дисплей. Без него запускайте её на виртуальном дисплее:
  xvfb-run -a talvane
</translation>
    </message>
</context>
<context>
    <name>CTalvaneDlg</name>
    <message>
        <source>Expected receipt</source>
        <translation>Ожидаемый чек</translation>
    </message>
    <message>
        <source>Font Sample</source>
        <translation>Шрифты</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Поля</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Плотность</translation>
    </message>
    <message>
        <source>Horizon tab</source>
        <translation>Гор. таб.</translation>
    </message>
    <message>
        <source>Verti tab</source>
        <translation>Верт. таб.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Графика</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Выравнивание</translation>
    </message>
    <message>
        <source>Bar-code</source>
        <translation>Штрихкод</translation>
    </message>
    <message>
        <source>QRCode</source>
        <translation>QR-код</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Отрезка</translation>
    </message>
    <message>
        <source>Quick Test</source>
        <translation>Быстрый тест</translation>
    </message>
    <message>
        <source>Picture Printing</source>
        <translation>Печать графики</translation>
    </message>
    <message>
        <source>Picture preview</source>
        <translation>Просмотр изображения</translation>
    </message>
    <message>
        <source>Preview horizontal scroll</source>
        <translation>Горизонтальная прокрутка просмотра</translation>
    </message>
    <message>
        <source>Preview vertical scroll</source>
        <translation>Вертикальная прокрутка просмотра</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Порог</translation>
    </message>
    <message>
        <source>Bit-image mode</source>
        <translation>Битовый образ</translation>
    </message>
    <message>
        <source>Raser bit image</source>
        <translation>Растровый образ</translation>
    </message>
    <message>
        <source>Picture density</source>
        <translation>Плотность точек</translation>
    </message>
    <message>
        <source>Picture path</source>
        <translation>Путь к изображению</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Точки</translation>
    </message>
    <message>
        <source>Wider than paper</source>
        <translation>Шире бумаги</translation>
    </message>
    <message>
        <source>Rows per block</source>
        <translation>Строк в блоке</translation>
    </message>
    <message>
        <source>Rows per raster block, sent paced to the line with progress and Cancel; &quot;One block&quot; sends it at once</source>
        <translation>Строк в растровом блоке; блоки отправляются в темпе линии, с индикатором хода и кнопкой «Отмена»; «Один блок» — всё сразу</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Инверсия</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>Поворот 90°</translation>
    </message>
    <message>
        <source>Wider</source>
        <translation>Шире бумаги</translation>
    </message>
    <message>
        <source>Rows/block</source>
        <translation>Строк/блок</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>Размер изображения</translation>
    </message>
    <message>
        <source>Picture sent</source>
        <translation>Передача изображения</translation>
    </message>
    <message>
        <source>Picture progress</source>
        <translation>Ход передачи изображения</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Прочее</translation>
    </message>
    <message>
        <source>8-dot single-density</source>
        <translation>8 точек, одинарная</translation>
    </message>
    <message>
        <source>8-dot double-density</source>
        <translation>8 точек, двойная</translation>
    </message>
    <message>
        <source>24-dot single-density</source>
        <translation>24 точки, одинарная</translation>
    </message>
    <message>
        <source>24-dot double-density</source>
        <translation>24 точки, двойная</translation>
    </message>
    <message>
        <source>Are you sure to quit?</source>
        <translation>Выйти из программы?</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Please Open the Port</source>
        <translation>Сначала откройте порт</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Штрихкод</translation>
    </message>
    <message>
        <source>Two-dimensional code</source>
        <translation>Двумерный код</translation>
    </message>
    <message>
        <source>Label/BM</source>
        <translation>Этикетка/BM</translation>
    </message>
</context>
<context>
    <name>CodeLimits</name>
    <message>
        <source>Square auto</source>
        <translation>Квадрат авто</translation>
    </message>
    <message>
        <source>Rect auto</source>
        <translation>Прямоуг. авто</translation>
    </message>
    <message>
        <source>Shape auto</source>
        <translation>Форма авто</translation>
    </message>
</context>
<context>
    <name>EventLogWindow</name>
    <message>
        <source>Event log...</source>
        <translation>Журнал событий...</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Журнал событий</translation>
    </message>
    <message>
        <source>Show events of kind</source>
        <translation>Показывать события вида</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Все события</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>События</translation>
    </message>
    <message>
        <source>Not kept on disk</source>
        <translation>Не сохраняется на диске</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Хранится в %1</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Показать:</translation>
    </message>
</context>
<context>
    <name>ExpectedReceiptWindow</name>
    <message>
        <source>Expected receipt</source>
        <translation>Ожидаемый чек</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message numerus="yes">
        <source>%n older receipt(s) let go; the window keeps the newest</source>
        <translation>
            <numerusform>%n старый чек удалён; окно хранит самые новые</numerusform>
            <numerusform>%n старых чека удалены; окно хранит самые новые</numerusform>
            <numerusform>%n старых чеков удалено; окно хранит самые новые</numerusform>
        </translation>
    </message>
    <message>
        <source>Receipts let go</source>
        <translation>Удалённые чеки</translation>
    </message>
</context>
<context>
    <name>FixedMappingNotice</name>
    <message>
        <source>Sent in the console&apos;s own mapping (%1): most printers print these bytes as other characters. Choose the printer&apos;s code page in the &quot;Code page&quot; list to send text in it.</source>
        <translation>Отправлено в собственной кодировке консоли (%1): большинство принтеров напечатает эти байты как другие символы. Выберите кодовую страницу принтера в списке «Кодировка», чтобы отправлять текст в ней.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>there is no %1 translation; the languages are: en, %2</source>
        <translation>перевода %1 нет; доступные языки: en, %2</translation>
    </message>
    <message>
        <source>the %1 translation is missing from the program</source>
        <translation>в программе нет перевода %1</translation>
    </message>
</context>
<context>
    <name>NumberList</name>
    <message>
        <source>Please enter the six figures, &quot;;&quot; to separate</source>
        <translation>Введите шесть чисел через &quot;;&quot;</translation>
    </message>
    <message>
        <source>The data range of -99 to 999</source>
        <translation>Диапазон значений — от -99 до 999</translation>
    </message>
    <message>
        <source>Please enter the four digits, use the &quot;;&quot; to separate</source>
        <translation>Введите четыре числа через &quot;;&quot;</translation>
    </message>
    <message>
        <source>Data range from 1 to 3299</source>
        <translation>Диапазон значений — от 1 до 3299</translation>
    </message>
    <message>
        <source>Please enter the three digits, &quot;;&quot; separated</source>
        <translation>Введите три числа через &quot;;&quot;</translation>
    </message>
    <message>
        <source>The data range from 0 to 999</source>
        <translation>Диапазон значений — от 0 до 999</translation>
    </message>
</context>
<context>
    <name>PacedSender</name>
    <message>
        <source>%1 was not sent: the printer has taken nothing of the picture for %2 s. Cancel the picture, or try again when it takes data.</source>
        <translation>%1 не отправлено: принтер уже %2 s не принимает данные изображения. Отмените печать изображения или повторите, когда принтер начнёт принимать данные.</translation>
    </message>
    <message>
        <source>The setting</source>
        <translation>Настройка</translation>
    </message>
</context>
<context>
    <name>PageControls</name>
    <message>
        <source>Note</source>
        <translation>Внимание</translation>
    </message>
</context>
<context>
    <name>PictureConversion</name>
    <message>
        <source>not a picture format this program reads (%1)</source>
        <translation>этот формат изображения программа не читает (%1)</translation>
    </message>
    <message>
        <source>the %1 file ends before its picture does</source>
        <translation>файл %1 кончается раньше, чем изображение</translation>
    </message>
    <message>
        <source>the %1 decoder failed: %2</source>
        <translation>ошибка декодера %1: %2</translation>
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
        <translation>%1 x %2 уменьшено до %3 x %4</translation>
    </message>
    <message>
        <source>%1 x %2 cropped to %3 x %4</source>
        <translation>%1 x %2 обрезано до %3 x %4</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>Picture preview</source>
        <translation>Просмотр изображения</translation>
    </message>
    <message>
        <source>Fit to box</source>
        <translation>Вписать</translation>
    </message>
</context>
<context>
    <name>PicturePrinter</name>
    <message>
        <source>8-dot single-density</source>
        <translation>8 точек, одинарная</translation>
    </message>
    <message>
        <source>8-dot double-density</source>
        <translation>8 точек, двойная</translation>
    </message>
    <message>
        <source>24-dot single-density</source>
        <translation>24 точки, одинарная</translation>
    </message>
    <message>
        <source>24-dot double-density</source>
        <translation>24 точки, двойная</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Double-width</source>
        <translation>Двойная шир.</translation>
    </message>
    <message>
        <source>Double-height</source>
        <translation>Двойная выс.</translation>
    </message>
    <message>
        <source>Quadruple</source>
        <translation>Четверной</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Picture load fail</source>
        <translation>Не удалось загрузить изображение</translation>
    </message>
    <message>
        <source>picture load fail</source>
        <translation>не удалось загрузить изображение</translation>
    </message>
    <message>
        <source>Threshold can not be greater than 255</source>
        <translation>Порог не может быть больше 255</translation>
    </message>
    <message>
        <source>Picture height can not be greater than 65535</source>
        <translation>Высота изображения не может быть больше 65535</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>One block</source>
        <translation>Один блок</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Порог</translation>
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
        <translation>Упорядоч. (Bayer 8x8)</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Обрезать</translation>
    </message>
    <message>
        <source>Scale to fit</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>BMP file(*.bmp)|*.bmp|JPEG/JPG files(*.jpg,*.jpeg)|*.jpg;*.jpeg|PNG files(*.png)|*.png|GIF files(*.gif)|*.gif|Others(*.*)|*.*||</source>
        <translation>Файл BMP(*.bmp)|*.bmp|Файлы JPEG/JPG(*.jpg,*.jpeg)|*.jpg;*.jpeg|Файлы PNG(*.png)|*.png|Файлы GIF(*.gif)|*.gif|Прочие(*.*)|*.*||</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Все изображения</translation>
    </message>
    <message>
        <source>%1 of %2 bytes, %3 of %4 rows</source>
        <translation>%1 из %2 байт, %3 из %4 строк</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, осталось около %1 s</translation>
    </message>
    <message>
        <source>Stopped: the printer on %1 was lost after %2 rows</source>
        <translation>Остановлено: принтер на %1 потерян после %2 строк</translation>
    </message>
    <message>
        <source>Stopped for %1: %2 of %3 rows sent; %4 blocks (%5 rows) dropped</source>
        <translation>Остановлено (%1): отправлено %2 из %3 строк; отброшено %4 блоков (%5 строк)</translation>
    </message>
    <message>
        <source>Cancelled: %1 of %2 rows sent, in %3 of %4 blocks</source>
        <translation>Отменено: отправлено %1 из %2 строк, в %3 из %4 блоков</translation>
    </message>
    <message>
        <source>Sent: %1 rows, %2 bytes, in %3 blocks</source>
        <translation>Отправлено: %1 строк, %2 байт, в %3 блоках</translation>
    </message>
</context>
<context>
    <name>PortPanel</name>
    <message>
        <source>Open COM</source>
        <translation>Открыть COM</translation>
    </message>
    <message>
        <source>Close COM</source>
        <translation>Закрыть COM</translation>
    </message>
    <message>
        <source>Open the serial port error</source>
        <translation>Ошибка открытия порта</translation>
    </message>
    <message>
        <source>A USB or network printer has no baud rate or handshake lines; the printer&apos;s own settings apply.</source>
        <translation>У USB- и сетевого принтера нет скорости и линий квитирования; действуют собственные настройки принтера.</translation>
    </message>
    <message>
        <source>The baud rate cannot be set on this port: a USB or network printer has no baud rate.</source>
        <translation>На этом порту нельзя задать скорость: у USB- и сетевого принтера её нет.</translation>
    </message>
    <message>
        <source>The handshaking cannot be set on this port: a USB or network printer has no handshake lines.</source>
        <translation>На этом порту нельзя задать управление потоком: у USB- и сетевого принтера нет линий квитирования.</translation>
    </message>
    <message>
        <source> – absent</source>
        <translation> – отсутствует</translation>
    </message>
    <message>
        <source>This device is not there now; the list shows it again when it comes back.</source>
        <translation>Сейчас этого устройства нет; оно снова появится в списке, когда вернётся.</translation>
    </message>
    <message>
        <source>The printer on %1 is gone. The port opens again by itself when the same printer is back; Close COM stops waiting.</source>
        <translation>Принтер на %1 пропал. Порт откроется сам, когда этот принтер вернётся; «Закрыть COM» прекращает ожидание.</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1 нет в системе</translation>
    </message>
    <message>
        <source>The printer on %1 is back: reconnected</source>
        <translation>Принтер на %1 вернулся: соединение восстановлено</translation>
    </message>
    <message>
        <source>Choose a port, or type a device path (/dev/...) or tcp://HOST:PORT and press Enter.</source>
        <translation>Выберите порт или введите путь к устройству (/dev/...) либо tcp://HOST:PORT и нажмите Enter.</translation>
    </message>
    <message>
        <source>Type a device path starting with / or a network printer as tcp://HOST:PORT.</source>
        <translation>Введите путь к устройству, начинающийся с /, или сетевой принтер в виде tcp://HOST:PORT.</translation>
    </message>
    <message>
        <source>No more ports can be added to the list.</source>
        <translation>Больше портов в список добавить нельзя.</translation>
    </message>
    <message>
        <source>%1 closed: %2 bytes were not delivered</source>
        <translation>%1 закрыт: %2 байт не доставлено</translation>
    </message>
    <message>
        <source>%1 closed: the port could not say whether everything was delivered</source>
        <translation>%1 закрыт: порт не сообщил, всё ли доставлено</translation>
    </message>
    <message>
        <source>本计算机上没有发现可用串口</source>
        <translation>На этом компьютере не найдено доступных последовательных портов</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Интерфейс:</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Handshaking:</source>
        <translation>Упр. потоком:</translation>
    </message>
    <message>
        <source>Models:</source>
        <translation>Модель:</translation>
    </message>
    <message>
        <source>COM Open</source>
        <translation>Открыть COM</translation>
    </message>
    <message>
        <source>Printer Init</source>
        <translation>Инициализация</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Задать</translation>
    </message>
    <message>
        <source>Set baud rate</source>
        <translation>Задать скорость</translation>
    </message>
    <message>
        <source>Set handshaking</source>
        <translation>Задать управление потоком</translation>
    </message>
    <message>
        <source>Talvane logo</source>
        <translation>Логотип Talvane</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
</context>
<context>
    <name>PortSetup</name>
    <message>
        <source>No device has this port number.</source>
        <translation>Нет устройства с этим номером порта.</translation>
    </message>
    <message>
        <source>%1 does not exist (is the adapter plugged in?).</source>
        <translation>%1 не существует (адаптер подключён?).</translation>
    </message>
    <message>
        <source>No permission to use %1: add your user to the group &quot;%2&quot; (sudo usermod -aG %2 $USER), then log in again.</source>
        <translation>Нет прав на %1: добавьте пользователя в группу &quot;%2&quot; (sudo usermod -aG %2 $USER) и войдите в систему заново.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, or is not a serial port.</source>
        <translation>%1 занят другой программой или не является последовательным портом.</translation>
    </message>
    <message>
        <source>Cannot connect to %1</source>
        <translation>Не удаётся подключиться к %1</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Не удаётся подключиться к %1: %2</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>ошибка %1</translation>
    </message>
    <message>
        <source>The printer on %1 is gone (%2)</source>
        <translation>Принтер на %1 пропал (%2)</translation>
    </message>
    <message>
        <source>%1 bytes waiting to be sent were dropped, not sent.</source>
        <translation>%1 байт, ожидавших отправки, отброшено и не отправлено.</translation>
    </message>
</context>
<context>
    <name>RecordsPanel</name>
    <message>
        <source>no data</source>
        <translation>нет данных</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Не удалось сохранить</translation>
    </message>
    <message>
        <source>Import failed</source>
        <translation>Не удалось импортировать</translation>
    </message>
    <message>
        <source>The file is too large to import</source>
        <translation>Файл слишком велик для импорта</translation>
    </message>
    <message>
        <source>Row %1 is not hex text; nothing was sent</source>
        <translation>Строка %1 — не шестнадцатеричный текст; ничего не отправлено</translation>
    </message>
    <message>
        <source> Prompt</source>
        <translation> Подсказка</translation>
    </message>
    <message>
        <source>Operational records</source>
        <translation>Журнал операций</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Resend</source>
        <translation>Повтор</translation>
    </message>
    <message>
        <source>The contents of the file does not meet the hex command mode, the import operation was canceled 
Line %1 is not hex text of whole bytes.</source>
        <translation>Содержимое файла не соответствует формату HEX-команд, импорт отменён 
Строка %1 — не шестнадцатеричный текст из целых байтов.</translation>
    </message>
</context>
<context>
    <name>RememberedSettings</name>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>не удаётся удалить %1: %2</translation>
    </message>
    <message>
        <source>the remembered settings in %1 could not be read; starting from the defaults</source>
        <translation>не удалось прочитать сохранённые настройки в %1; запуск с настройками по умолчанию</translation>
    </message>
    <message>
        <source>the settings could not be saved in %1; this session goes on without them</source>
        <translation>не удалось сохранить настройки в %1; сеанс продолжается без них</translation>
    </message>
</context>
<context>
    <name>SendReceivePanel</name>
    <message>
        <source>Save failed</source>
        <translation>Не удалось сохранить</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>The contents of the file does not meet the hex command mode, the import operation is canceled</source>
        <translation>Содержимое файла не соответствует формату HEX-команд, импорт отменён</translation>
    </message>
    <message>
        <source>The file is too large to send</source>
        <translation>Файл слишком велик для отправки</translation>
    </message>
    <message>
        <source>The file is too large to import</source>
        <translation>Файл слишком велик для импорта</translation>
    </message>
    <message>
        <source>Send Data</source>
        <translation>Отправка данных</translation>
    </message>
    <message>
        <source>File path</source>
        <translation>Путь к файлу</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Послать</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Send text</source>
        <translation>Отправить текст</translation>
    </message>
    <message>
        <source>Receive Data</source>
        <translation>Приём данных</translation>
    </message>
    <message>
        <source>Reply in words</source>
        <translation>Ответ словами</translation>
    </message>
</context>
<context>
    <name>SettingPanel</name>
    <message>
        <source>Set the line spacing can&apos;t greater than 255</source>
        <translation>Межстрочный интервал не может быть больше 255</translation>
    </message>
    <message>
        <source>The left margin and right margin should be less than%1</source>
        <translation>Левое и правое поля должны быть меньше %1</translation>
    </message>
    <message>
        <source>Absolute coordinates should be less than%1</source>
        <translation>Абсолютная позиция должна быть меньше %1</translation>
    </message>
    <message>
        <source>Set of feeding distance can&apos;t greater than 255</source>
        <translation>Длина подачи не может быть больше 255</translation>
    </message>
    <message>
        <source>Double-high</source>
        <translation>Двойная выс.</translation>
    </message>
    <message>
        <source>Double-width</source>
        <translation>Двойная шир.</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Жирный</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Рамка</translation>
    </message>
    <message>
        <source>Underscore</source>
        <translation>Подчёркнутый</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Выделение</translation>
    </message>
    <message>
        <source>Font1</source>
        <translation>Шрифт1</translation>
    </message>
    <message>
        <source>Font2</source>
        <translation>Шрифт2</translation>
    </message>
    <message>
        <source>Font3</source>
        <translation>Шрифт3</translation>
    </message>
    <message>
        <source>Left home</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>Right home</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>low-speed</source>
        <translation>низкая</translation>
    </message>
    <message>
        <source>middle-speed</source>
        <translation>средняя</translation>
    </message>
    <message>
        <source>high-speed</source>
        <translation>высокая</translation>
    </message>
    <message>
        <source>Printer Setting</source>
        <translation>Настройки принтера</translation>
    </message>
    <message>
        <source>Line spacing</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>Left margin</source>
        <translation>Левое поле</translation>
    </message>
    <message>
        <source>Right margin</source>
        <translation>Правое поле</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Выравнивание</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Плотность</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Задать</translation>
    </message>
    <message>
        <source>Code page</source>
        <translation>Кодировка</translation>
    </message>
    <message>
        <source>Cut and feed</source>
        <translation>Отрезка и подача</translation>
    </message>
    <message>
        <source>Haft-Cut</source>
        <translation>Частичная</translation>
    </message>
    <message>
        <source>Full-Cut</source>
        <translation>Полная</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Подача</translation>
    </message>
    <message>
        <source>Feed distance</source>
        <translation>Длина подачи</translation>
    </message>
    <message>
        <source>Back distance</source>
        <translation>Длина возврата</translation>
    </message>
    <message>
        <source>Cut Mode</source>
        <translation>Отрезка</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Отрезать</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Подать назад</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Paper-end</source>
        <translation>Нет бумаги</translation>
    </message>
    <message>
        <source>Overheat</source>
        <translation>Перегрев</translation>
    </message>
    <message>
        <source>Overvoltage</source>
        <translation>Перенапряж.</translation>
    </message>
    <message>
        <source>Platen-up</source>
        <translation>Крышка откр.</translation>
    </message>
    <message>
        <source>Cutter-out</source>
        <translation>Ошибка ножа</translation>
    </message>
    <message>
        <source>BUSY</source>
        <translation>ЗАНЯТ</translation>
    </message>
    <message>
        <source>No answer from the printer</source>
        <translation>Принтер не отвечает</translation>
    </message>
    <message>
        <source>No answer from the printer (last answer at %1)</source>
        <translation>Принтер не отвечает (последний ответ в %1)</translation>
    </message>
    <message>
        <source>Last answer at %1</source>
        <translation>Последний ответ в %1</translation>
    </message>
    <message>
        <source>Printer status</source>
        <translation>Состояние принтера</translation>
    </message>
    <message>
        <source>Note: BUSY status in the hardware flow control</source>
        <translation>Примечание: сигнал BUSY при аппаратном управлении потоком</translation>
    </message>
    <message>
        <source>Read status</source>
        <translation>Запрос статуса</translation>
    </message>
    <message>
        <source>Clear-Buf</source>
        <translation>Сброс буф.</translation>
    </message>
    <message>
        <source>Printer answer</source>
        <translation>Ответ принтера</translation>
    </message>
</context>
<context>
    <name>SymbolFit</name>
    <message>
        <source>QR code</source>
        <translation>QR-код</translation>
    </message>
    <message>
        <source>width</source>
        <translation>ширина</translation>
    </message>
    <message>
        <source>module size</source>
        <translation>размер модуля</translation>
    </message>
    <message>
        <source>module width</source>
        <translation>ширина модуля</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; at %3 %4 is %5 dots, wider than the %6 of %7 mm: it will not print</source>
        <translation>%1 &apos;%2&apos; (%3: %4) имеет ширину %5 точек — больше %6 точек бумаги %7 mm: печататься не будет</translation>
    </message>
</context>
<context>
    <name>TapRowsModel</name>
    <message>
        <source>to printer</source>
        <translation>к принтеру</translation>
    </message>
    <message>
        <source>to program</source>
        <translation>к программе</translation>
    </message>
    <message>
        <source>note</source>
        <translation>заметка</translation>
    </message>
    <message>
        <source>unknown command</source>
        <translation>неизвестная команда</translation>
    </message>
    <message>
        <source>cut off</source>
        <translation>обрыв</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>нет ответа</translation>
    </message>
    <message>
        <source>sent while held</source>
        <translation>отправлено при удержании</translation>
    </message>
    <message>
        <source> ... (%1 bytes)</source>
        <translation> ... (%1 байт)</translation>
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
        <translation>Время</translation>
    </message>
    <message>
        <source>Since previous</source>
        <translation>С предыдущей</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Command or reply</source>
        <translation>Команда или ответ</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Тревога</translation>
    </message>
</context>
<context>
    <name>TapWindow</name>
    <message>
        <source>%1: the picture cannot be made</source>
        <translation>%1: не удаётся создать картинку</translation>
    </message>
    <message>
        <source>Tap...</source>
        <translation>Перехват...</translation>
    </message>
    <message>
        <source>Tap</source>
        <translation>Перехват</translation>
    </message>
    <message>
        <source>Pseudo-terminal</source>
        <translation>Псевдотерминал</translation>
    </message>
    <message>
        <source>TCP listener</source>
        <translation>TCP-сервер</translation>
    </message>
    <message>
        <source>Passive tap (two lines)</source>
        <translation>Пассивный перехват (две линии)</translation>
    </message>
    <message>
        <source>Program side</source>
        <translation>Сторона программы</translation>
    </message>
    <message>
        <source>Program&apos;s port</source>
        <translation>Порт программы</translation>
    </message>
    <message>
        <source>Program&apos;s line</source>
        <translation>Линия программы</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Принтер</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Conversation</source>
        <translation>Обмен</translation>
    </message>
    <message>
        <source>Expected receipt</source>
        <translation>Ожидаемый чек</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>Save capture...</source>
        <translation>Сохранить захват...</translation>
    </message>
    <message>
        <source>Save capture</source>
        <translation>Сохранить захват</translation>
    </message>
    <message>
        <source>Save records...</source>
        <translation>Сохранить записи...</translation>
    </message>
    <message>
        <source>Save records</source>
        <translation>Сохранить записи</translation>
    </message>
    <message>
        <source>Save receipts...</source>
        <translation>Сохранить чеки...</translation>
    </message>
    <message>
        <source>Save receipts</source>
        <translation>Сохранить чеки</translation>
    </message>
    <message>
        <source>Program side:</source>
        <translation>Сторона программы:</translation>
    </message>
    <message>
        <source>Printer&apos;s line:</source>
        <translation>Линия принтера:</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Принтер:</translation>
    </message>
    <message>
        <source>The address programs connect to, ADDRESS:PORT</source>
        <translation>Адрес, к которому подключаются программы, ADDRESS:PORT</translation>
    </message>
    <message>
        <source>The path the program opens as its printer&apos;s port</source>
        <translation>Путь, который программа открывает как порт своего принтера</translation>
    </message>
    <message>
        <source>No printer port is chosen.</source>
        <translation>Порт принтера не выбран.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port of the list, a device path or tcp://HOST:PORT.</source>
        <translation>&quot;%1&quot; — не порт из списка, не путь к устройству и не tcp://HOST:PORT.</translation>
    </message>
    <message>
        <source>The tap cannot start:
%1</source>
        <translation>Перехват не удаётся запустить:
%1</translation>
    </message>
    <message>
        <source>Running; programs connect to %1</source>
        <translation>Работает; программы подключаются к %1</translation>
    </message>
    <message>
        <source>Running; %1</source>
        <translation>Работает; %1</translation>
    </message>
    <message>
        <source>Stopped; the ports are released</source>
        <translation>Остановлен; порты освобождены</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Не запущен</translation>
    </message>
    <message>
        <source>; %1 bytes passed undecoded</source>
        <translation>; %1 байт прошло без расшифровки</translation>
    </message>
    <message>
        <source>; %1 rows dropped from the window (it keeps the last %2)</source>
        <translation>; из окна убрано строк: %1 (хранятся последние %2)</translation>
    </message>
    <message>
        <source>Capture files(*.txt)|*.txt|All files(*)|*||</source>
        <translation>Файлы захвата(*.txt)|*.txt|Все файлы(*)|*||</translation>
    </message>
    <message>
        <source>The capture was not saved:
%1</source>
        <translation>Захват не сохранён:
%1</translation>
    </message>
    <message>
        <source>Capture saved to %1</source>
        <translation>Захват сохранён в %1</translation>
    </message>
    <message>
        <source>TXT files(*.txt)|*.txt||</source>
        <translation>Файлы TXT(*.txt)|*.txt||</translation>
    </message>
    <message>
        <source>The records were not saved:
%1</source>
        <translation>Записи не сохранены:
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) of the program&apos;s side saved to %1</source>
        <translation>
            <numerusform>Записи стороны программы (%n) сохранены в %1</numerusform>
            <numerusform>Записи стороны программы (%n) сохранены в %1</numerusform>
            <numerusform>Записи стороны программы (%n) сохранены в %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The program printed no receipt.</source>
        <translation>Программа не напечатала ни одного чека.</translation>
    </message>
    <message>
        <source>PNG pictures(*.png)|*.png||</source>
        <translation>Картинки PNG(*.png)|*.png||</translation>
    </message>
    <message>
        <source>The receipts were not saved:
%1</source>
        <translation>Чеки не сохранены:
%1</translation>
    </message>
    <message>
        <source>Receipt saved to %1</source>
        <translation>Чек сохранён в %1</translation>
    </message>
    <message>
        <source>%1 receipts saved: %2 ... %3</source>
        <translation>Сохранено чеков: %1: %2 ... %3</translation>
    </message>
    <message>
        <source>Stopped; the ports are released; %1 bytes were not delivered to the printer</source>
        <translation>Остановлен; порты освобождены; %1 байт не доставлено на принтер</translation>
    </message>
    <message>
        <source>Opening the ports...</source>
        <translation>Открываются порты...</translation>
    </message>
    <message>
        <source>Stopping; what waits for the printer still goes to it...</source>
        <translation>Остановка; ожидающее принтер ещё отправляется ему...</translation>
    </message>
    <message numerus="yes">
        <source>; %n older receipt(s) let go from the window</source>
        <translation>
            <numerusform>; %n старый чек удалён из окна</numerusform>
            <numerusform>; %n старых чека удалены из окна</numerusform>
            <numerusform>; %n старых чеков удалено из окна</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextBytes</name>
    <message>
        <source>Code page %1 has no character &quot;%2&quot; (%3)</source>
        <translation>В кодовой странице %1 нет символа &quot;%2&quot; (%3)</translation>
    </message>
    <message>
        <source>Code page %1 has no character for the byte %2</source>
        <translation>В кодовой странице %1 нет символа для байта %2</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>cannot write standard output: %1</source>
        <translation>не удаётся записать в стандартный вывод: %1</translation>
    </message>
    <message>
        <source>unexpected operand &quot;%1&quot;</source>
        <translation>лишний операнд &quot;%1&quot;</translation>
    </message>
    <message>
        <source>missing operand</source>
        <translation>не хватает операнда</translation>
    </message>
    <message>
        <source>--port is missing: name the printer&apos;s port (COM&lt;n&gt; from talvane-cli ports, or a device path)</source>
        <translation>не указан --port: задайте порт принтера (COM&lt;n&gt; из talvane-cli ports или путь к устройству)</translation>
    </message>
    <message>
        <source>--baud needs a positive number of bits per second, not &quot;%1&quot;</source>
        <translation>--baud требует положительного числа бит/с, а не &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--handshake is none, rtscts or xonxoff, not &quot;%1&quot;</source>
        <translation>--handshake принимает none, rtscts или xonxoff, а не &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--model is 58 or 80 (paper width in mm), not &quot;%1&quot;</source>
        <translation>--model принимает 58 или 80 (ширина бумаги в mm), а не &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--record needs a file name</source>
        <translation>--record требует имени файла</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>стандартный ввод</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MiB; refused</source>
        <translation>%1 больше 64 MiB; отклонено</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>не удаётся прочитать: %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>cannot write the records file: %1</source>
        <translation>не удаётся записать файл записей: %1</translation>
    </message>
    <message>
        <source>cannot write the records file %1</source>
        <translation>не удаётся записать файл записей %1</translation>
    </message>
    <message>
        <source>row %1 (&quot;%2&quot;) is not hex text of whole bytes; nothing was sent</source>
        <translation>строка %1 (&quot;%2&quot;) — не hex-текст из целых байтов; ничего не отправлено</translation>
    </message>
    <message>
        <source>--%1 needs a whole number, not &quot;%2&quot;</source>
        <translation>--%1 требует целого числа, а не &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: %2 (see talvane-cli %1 --help)</source>
        <translation>%1: %2 (см. talvane-cli %1 --help)</translation>
    </message>
    <message>
        <source>unknown subcommand &quot;%1&quot; (talvane-cli --help lists them)</source>
        <translation>неизвестная подкоманда &quot;%1&quot; (список выводит talvane-cli --help)</translation>
    </message>
    <message>
        <source>unknown option --%1</source>
        <translation>неизвестный параметр --%1</translation>
    </message>
    <message>
        <source>--%1 is given twice</source>
        <translation>--%1 указан дважды</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 не принимает значения</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 требует значения</translation>
    </message>
    <message>
        <source>%1/%2 bytes</source>
        <translation>%1/%2 байт</translation>
    </message>
    <message>
        <source>%1; %2 of %3 bytes were sent</source>
        <translation>%1; отправлено %2 из %3 байт</translation>
    </message>
    <message>
        <source>the printer on %1 took no data for %2 s (flow control held off, or the device went away)</source>
        <translation>принтер на %1 не принимает данные уже %2 s (поток приостановлен или устройство пропало)</translation>
    </message>
    <message>
        <source>stopped by %1</source>
        <translation>остановлено сигналом %1</translation>
    </message>
    <message>
        <source>no port given: name one with --port COM&lt;n&gt; or --port /dev/... (talvane-cli ports lists them)</source>
        <translation>порт не указан: задайте его через --port COM&lt;n&gt; или --port /dev/... (список выводит talvane-cli ports)</translation>
    </message>
    <message>
        <source>too many ports named on the command line</source>
        <translation>в командной строке указано слишком много портов</translation>
    </message>
    <message>
        <source>unknown port %1 (talvane-cli ports lists them; a device path works too)</source>
        <translation>неизвестный порт %1 (список выводит talvane-cli ports; подойдёт и путь к устройству)</translation>
    </message>
    <message>
        <source>%1 closed</source>
        <translation>%1 закрыт</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>cannot set %1 to %2 baud with the chosen handshake</source>
        <translation>не удаётся установить для %1 скорость %2 baud с выбранным управлением потоком</translation>
    </message>
    <message>
        <source>%1 opened at %2 baud</source>
        <translation>%1 открыт на %2 baud</translation>
    </message>
    <message>
        <source>%1 lost (%2)</source>
        <translation>%1 потерян (%2)</translation>
    </message>
    <message>
        <source>the printer on %1 went away (%2)</source>
        <translation>принтер на %1 пропал (%2)</translation>
    </message>
    <message>
        <source>the printer on %1 went away</source>
        <translation>принтер на %1 пропал</translation>
    </message>
    <message>
        <source>%1; %2 bytes were still waiting to leave</source>
        <translation>%1; %2 байт ещё ожидали отправки</translation>
    </message>
    <message>
        <source>%1 closed without telling whether the printer got everything</source>
        <translation>%1 закрыт, но неизвестно, всё ли получил принтер</translation>
    </message>
    <message>
        <source>%1 closed with %2 bytes the printer had not taken (not delivered)</source>
        <translation>%1 закрыт, а %2 байт принтер так и не принял (не доставлены)</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, осталось около %1 s</translation>
    </message>
    <message>
        <source>sent %1 bytes to %2 in %3 s</source>
        <translation>отправлено %1 байт на %2 за %3 с</translation>
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
        <translation>Параметры порта:
  --port PORT          имя из `talvane-cli ports` (COM&lt;n&gt;, USB&lt;k&gt;), путь к устройству
                       (/dev/ttyUSB0) или tcp://HOST[:PORT] (имя NET1, как в списке `ports`)
  --baud RATE          скорость в бит/с (по умолчанию 9600)
  --handshake MODE     управление потоком: none (по умолчанию), rtscts или xonxoff
  --model 58|80        ширина бумаги принтера в mm (по умолчанию 58: 384 точки; 80: 576)
  --record FILE        также записать отправленное в файл записей, который консоль
                       может импортировать
  --verbose            выводить события (порт открыт, закрыт, потерян, отказ) в
                       стандартный поток ошибок с их временем
  --quiet              ничего не выводить при успехе (без строки «отправлено N байт»)
</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 failed, 2 bad command line, 3 input refused (nothing sent),
  4 file cannot be read or written, 5 port unknown, busy, failing or taking no data,
  or printer gone, 6 bytes handed to the port not delivered when it closed,
  130/143 stopped by SIGINT/SIGTERM (port closed, bytes sent said).
</source>
        <translation>Коды выхода: 0 выполнено, 1 ошибка, 2 неверная командная строка, 3 ввод отклонён
  (ничего не отправлено), 4 файл нельзя прочитать или записать, 5 порт неизвестен,
  занят, неисправен или не принимает данные, либо принтер пропал, 6 переданные
  порту байты не доставлены к его закрытию, 130/143 остановлено по SIGINT/SIGTERM
  (порт закрыт, число отправленных байт сообщено).
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
        <translation>использование: talvane-cli SUBCOMMAND [OPTIONS] [ARGUMENTS]
Управляет чековым термопринтером из сценариев теми же командами, что и консоль.

Подкоманды:
  ports                     последовательные порты, как их перечисляет консоль
  send FILE | --hex TEXT | --records FILE | --capture FILE
                            сырые байты, hex-текст или файл записей консоли (как «Повтор»)
  sample NAME... | all      быстрые тесты по имени кнопки (&quot;Font Sample&quot;, &quot;Bar-code&quot;, ...)
  picture FILE              изображение, как его печатает группа графики консоли
  barcode TYPE DATA         одномерный штрихкод
  qr DATA, pdf417 DATA, datamatrix DATA
                            двумерный код: сохранить, затем напечатать
  status                    запрашивает состояние принтера; код выхода сообщает его
  decode [FILE|-]           файл захвата или записей в виде мнемонических строк записей
  monitor                   выводит то, что шлёт принтер, до Ctrl+C
  render [FILE|-]           файл захвата или записей в виде картинок чеков, без принтера
  tap --program SIDE --printer PORT
                            встаёт между программой и её принтером, показывает обе стороны

`talvane-cli SUBCOMMAND --help` показывает параметры и примеры каждой подкоманды.
--lang CODE с любой подкомандой задаёт язык: de, es, pt_BR, ru, zh_CN или en (исходные
тексты); без него — язык рабочего стола (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).

Пример:
  talvane-cli status --port /dev/ttyUSB0 &amp;&amp; talvane-cli sample all --port /dev/ttyUSB0
</translation>
    </message>
    <message>
        <source>  status adds 10 paper end, 11 platen up, 12 cutter error, 13 overheat, 14 over-voltage,
  15 no answer; render adds 20 not everything understood, 21 receipt differs.
</source>
        <translation>  status добавляет 10 нет бумаги, 11 крышка открыта, 12 ошибка ножа, 13 перегрев,
  14 перенапряжение, 15 нет ответа; render добавляет 20 понято не всё, 21 чек отличается.
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
        <translation>использование: talvane-cli ports [--json] [--port PATH]...
Перечисляет последовательные порты так, как их показывает список портов консоли
(&quot;COM&lt;n&gt; (&lt;path&gt;)&quot;).
Каждый --port PATH добавляет устройство, которое поиск не находит, как и в консоли.

Примеры:
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
        <translation>использование: talvane-cli sample NAME... | all --port PORT [options]
Запускает быстрые тесты по именам их кнопок: &quot;Font Sample&quot;, &quot;Print&quot;, &quot;Margins&quot;,
&quot;Coordinate&quot;, &quot;Density&quot;, &quot;Horizon tab&quot;, &quot;Verti tab&quot;, &quot;Picture&quot;, &quot;Alignment&quot;,
&quot;Bar-code&quot;, &quot;QRCode&quot;, &quot;Cutting&quot; или &quot;Printer Init&quot;. Регистр, пробелы и дефисы
не важны; all запускает все двенадцать быстрых тестов в порядке окна.
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli sample all --port /dev/ttyUSB0
  talvane-cli sample &quot;Font Sample&quot; barcode --port COM3 --record fonts.txt
</source>
        <translation>Примеры:
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
        <translation>использование: talvane-cli picture FILE --port PORT [--threshold N] [--raster] [--size MODE]
                          [--dots RULE] [--invert] [--rotate] [--fit crop|scale]
                          [--block-rows N]
Печатает изображение (BMP, JPEG, PNG, ...), переведённое в чёрно-белое по порогу
(по умолчанию 128, не более 255) и обрезанное по ширине печати --model. По умолчанию
полосами битового образа (--size &quot;8-dot single-density&quot;, &quot;8-dot double-density&quot;,
&quot;24-dot single-density&quot;, &quot;24-dot double-density&quot; [по умолчанию]); --raster шлёт один
растровый блок (--size Normal [по умолчанию], Double-width, Double-height, Quadruple).
Выбор графики, как в консоли: --dots threshold (по умолчанию), floyd-steinberg, atkinson
или bayer; --invert; --rotate (поворот на четверть оборота); --fit crop (по умолчанию)
или scale для изображения шире бумаги; --block-rows N шлёт изображение блоками по N
строк один за другим (0: один блок). Байты те же, что у консоли при том же выборе.
Если стандартный поток ошибок — терминал, в нём показывается индикатор хода.
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli picture logo.bmp --port /dev/ttyUSB0 --threshold 100
  talvane-cli picture photo.jpg --port COM3 --model 80 --raster --size Double-width
  talvane-cli picture photo.jpg --port COM3 --dots atkinson --fit scale --block-rows 64
</source>
        <translation>Примеры:
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
        <translation>использование: talvane-cli barcode TYPE DATA --port PORT [--width N] [--height N]
                          [--text none|above|below|both] [--hex]
Печатает штрихкод по правилам и с сообщениями страницы штрихкодов. TYPE — строка
списка типов этой страницы (UPCA, UPCE, EAN13, EAN8, CODE39, ITF, CODABAR, CODE93,
CODE128, EAN128). --width 1..6, --height 1..255, --text строка с читаемым текстом;
--hex принимает DATA как hex-текст, где страница это допускает. Параметр отправляется,
даже если равен начальному значению страницы.
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli barcode EAN13 012345678901 --port /dev/ttyUSB0 --text below
  talvane-cli barcode CODE128 &quot;7B 41 42 43&quot; --hex --port COM3 --height 80
</source>
        <translation>Примеры:
  talvane-cli barcode EAN13 012345678901 --port /dev/ttyUSB0 --text below
  talvane-cli barcode CODE128 &quot;7B 41 42 43&quot; --hex --port COM3 --height 80
</translation>
    </message>
    <message>
        <source>usage: talvane-cli qr DATA --port PORT [--module-width N] [--error-level L|M|Q|H] [--hex]
Stores DATA as a QR code and prints it, as the two-dimensional code page does.
--module-width 1..16; --error-level L (7%), M (15%), Q (25%), H (30%).
</source>
        <translation>использование: talvane-cli qr DATA --port PORT [--module-width N] [--error-level L|M|Q|H] [--hex]
Сохраняет DATA как QR-код и печатает его, как это делает страница двумерных кодов.
--module-width 1..16; --error-level L (7%), M (15%), Q (25%), H (30%).
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli qr &quot;https://example.com/unit/42&quot; --port /dev/ttyUSB0 --module-width 6
  talvane-cli qr &quot;48 49&quot; --hex --error-level H --port COM3
</source>
        <translation>Примеры:
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
        <translation>использование: talvane-cli pdf417 DATA --port PORT [--rows N|auto] [--columns N|auto]
                         [--module-width N] [--row-height N] [--error-level 0..8] [--hex]
Сохраняет DATA как символ PDF417 и печатает его. --rows 3..90, --columns 1..30,
--module-width 2..8, --row-height 2..8.
</translation>
    </message>
    <message>
        <source>Example:
  talvane-cli pdf417 &quot;LOT 2291-A&quot; --columns 3 --error-level 2 --port /dev/ttyUSB0
</source>
        <translation>Пример:
  talvane-cli pdf417 &quot;LOT 2291-A&quot; --columns 3 --error-level 2 --port /dev/ttyUSB0
</translation>
    </message>
    <message>
        <source>usage: talvane-cli datamatrix DATA --port PORT [--module-width N] [--hex]
Stores DATA as a DataMatrix symbol and prints it. --module-width 2..8.
</source>
        <translation>использование: talvane-cli datamatrix DATA --port PORT [--module-width N] [--hex]
Сохраняет DATA как символ DataMatrix и печатает его. --module-width 2..8.
</translation>
    </message>
    <message>
        <source>Example:
  talvane-cli datamatrix &quot;SN 000123&quot; --module-width 4 --port /dev/ttyUSB0
</source>
        <translation>Пример:
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
        <translation>использование: talvane-cli status --port PORT [--timeout MS] [--json] [options]
Отправляет запрос состояния, ждёт байт состояния принтера (по умолчанию 1000 ms) и
выводит его значение. --json выводит одну строку:
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
        <translation>Коды выхода: 0 готов, 10 нет бумаги, 11 крышка открыта, 12 ошибка ножа, 13 перегрев,
  14 перенапряжение (при нескольких состояниях — наименьший код), 15 нет ответа,
  2 неверная командная строка, 4 файл --record нельзя записать, 5 ошибка порта.

Пример:
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
        <translation>использование: talvane-cli decode [FILE | -] [--raw] [--replies]
Читает файл записей, сохранённый консолью, или захват сырых байтов и выводит по строке
на команду: её hex-текст, &quot;//&quot; и расшифровку, как её показывают записи операций.
Вывод сам является файлом записей. --raw читает как байты даже текст, похожий на hex.
--replies вместо этого читает байты, присланные принтером, и выводит каждый ответ
словами (байты состояния, ответы), как их показывает панель приёма консоли.
Без FILE читается стандартный ввод. Файл захвата tap (--capture у tap) показывается
так, как его показывал tap: оба направления, ответы словами, тревоги и сводка.

Примеры:
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
        <translation>использование: talvane-cli monitor --port PORT [--time] [--auto-status] [options]
Выводит то, что шлёт принтер, hex-текстом со значением байтов состояния,
ответов и XON (11) / XOFF (13) под ним, пока не будет прерван (Ctrl+C, SIGTERM:
код выхода 0). --time начинает каждую строку местным временем с точностью до миллисекунды.
--auto-status включает у принтера автоматическую передачу состояния на время работы
(GS a 2F) и выключает её в конце (GS a 00), так что изменения видны без запросов.
</translation>
    </message>
    <message>
        <source>Example:
  talvane-cli monitor --port /dev/ttyUSB0 --baud 115200
  talvane-cli monitor --port /dev/ttyUSB0 --time --auto-status
</source>
        <translation>Пример:
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
        <translation>использование: talvane-cli send (FILE | --hex TEXT | --records FILE | --capture FILE) --port PORT
                        [options]
Отправляет файл байт в байт, hex-текст (&quot;1B 40&quot;; одна не шестнадцатеричная пара отклоняет
весь текст) или строки файла записей, сохранённого консолью, так же, как их шлёт кнопка
«Повтор». &quot;-&quot; в качестве FILE читает стандартный ввод. --capture отправляет то, что
программа отправила, из файла захвата tap, по порядку, без ответов принтера.
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli send receipt.bin --port COM3
  talvane-cli send --hex &quot;1B 40 1B 61 01&quot; --port /dev/ttyUSB0
  talvane-cli send --records saved.txt --port /dev/ttyUSB0 --baud 115200
  talvane-cli send --capture till.cap --port /dev/ttyUSB0
</source>
        <translation>Примеры:
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
        <translation>использование: talvane-cli tap --program SIDE --printer PORT [--capture FILE] [--records FILE]
                       [--receipts DIR [--model 58|80] [--plain]] [--json]
Встаёт между программой и её принтером: каждый байт проходит без изменений, а каждая
команда программы и каждый ответ принтера выводятся по мере появления (время, пауза
после предыдущей строки, направление, hex, имя команды или ответ словами).
Тревоги отмечаются на своих строках: неизвестная команда, обрыв, нет ответа (500 ms),
отправка во время удержания (XOFF или нет бумаги). Ctrl+C (или SIGTERM) останавливает
с итоговой сводкой.

Сторона программы (SIDE):
  pty:PATH             псевдотерминал; PATH становится ссылкой на него, которую
                       открывает программа; его параметры линии задаются и
                       последовательному принтеру
  tcp-listen:ADDR:PORT TCP-сервер (просто tcp-listen: — это 127.0.0.1:9100),
                       одно подключение программы за раз
  passive:PORTA,PORTB  два последовательных порта на кабеле-ответвителе (TX программы,
                       TX принтера); ничего не отправляется, без --printer
Параметры:
  --printer PORT       COM&lt;n&gt;, путь к устройству или tcp://HOST:PORT
  --capture FILE       сохранять оба направления в файл захвата (его читает decode)
  --records FILE       сохранять команды программы в файл записей
  --receipts DIR       записывать чеки, которые должны напечататься из байтов
                       программы, как их печатает виртуальный принтер
                       (receipt-0001.png, ...; чек кончается на отрезке и при
                       остановке tap)
  --model 58|80        ширина их бумаги (по умолчанию 58); --plain: простые точки
                       на белом
  --json               по одному объекту JSON на строку, сводка последней

Примеры:
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
        <translation>использование: talvane-cli render [FILE | -] [--out DIR] [--model 58|80] [--plain] [--json] [--raw]
                          [--compare GOLDEN.png [--diff DIFF.png]]
Печатает на виртуальном принтере захват сырых байтов, файл записей консоли или то, что
программа отправила, из файла захвата tap, без принтера и линии, и записывает каждый
чек в картинку
(receipt-0001.png, ... в --out, по умолчанию receipts). Чеки заканчиваются на отрезках
и в конце файла. Перечисляет по смещению каждую пропущенную или невыполнимую команду.
--plain рисует простые точки на белом; --json выводит одну строку с картинками,
пропущенными командами и сравнением. --raw читает как байты даже текст, похожий на hex.
--compare сравнивает каждый чек с эталонной картинкой (любого вида) или по порядку
с картинками папки эталонов точка в точку и выводит число различающихся точек и строки,
где начинаются различия; больше или меньше чеков, чем эталонов, — это различие.
--diff записывает картинку различий первого отличающегося чека (красное: только в чеке,
синее: только в эталоне, красная метка слева от каждой отличающейся строки). С --compare
картинки записываются, только если задан --out.

Примеры:
  talvane-cli render capture.bin --out receipts --model 80
  talvane-cli render receipt.bin --compare tests/golden/receipt.png --diff diff.png

Коды выхода: 0 всё понято (с --compare: каждый чек идентичен),
  20 команда пропущена или файл кончается внутри команды (и с --compare),
  21 чек отличается от своего эталона, 2 неверная командная строка, 3 вход пуст
  или файл захвата или записей не разбирается, или эталон — не чек этой ширины,
  4 файл нельзя прочитать или записать.
</translation>
    </message>
</context>
<context>
    <name>cli-line</name>
    <message>
        <source>paper end</source>
        <translation>нет бумаги</translation>
    </message>
    <message>
        <source>platen up</source>
        <translation>крышка открыта</translation>
    </message>
    <message>
        <source>cutter error</source>
        <translation>ошибка ножа</translation>
    </message>
    <message>
        <source>overheat</source>
        <translation>перегрев</translation>
    </message>
    <message>
        <source>over-voltage</source>
        <translation>перенапряжение</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>готов</translation>
    </message>
    <message>
        <source>No serial ports found. Name one with --port PATH.</source>
        <translation>Последовательные порты не найдены. Укажите порт через --port PATH.</translation>
    </message>
    <message>
        <source>give exactly one of FILE, --hex TEXT or --records FILE</source>
        <translation>укажите ровно одно из: FILE, --hex TEXT или --records FILE</translation>
    </message>
    <message>
        <source>--hex holds something that is not hexadecimal: &quot;%1&quot; (nothing was sent)</source>
        <translation>в --hex есть не шестнадцатеричное: &quot;%1&quot; (ничего не отправлено)</translation>
    </message>
    <message>
        <source>--hex holds no byte (nothing was sent)</source>
        <translation>в --hex нет ни одного байта (ничего не отправлено)</translation>
    </message>
    <message>
        <source>%1 line %2 is not a records line (only hex text before &quot;//&quot;); nothing was sent</source>
        <translation>%1, строка %2 не является строкой записей (до &quot;//&quot; допустим только hex-текст); ничего не отправлено</translation>
    </message>
    <message>
        <source>%1 holds no records; nothing was sent</source>
        <translation>%1 не содержит записей; ничего не отправлено</translation>
    </message>
    <message>
        <source>%1 is empty; nothing was sent</source>
        <translation>%1 пуст; ничего не отправлено</translation>
    </message>
    <message>
        <source>--timeout needs a positive number of milliseconds</source>
        <translation>--timeout требует положительного числа миллисекунд</translation>
    </message>
    <message>
        <source>no status request: %1</source>
        <translation>запрос состояния не отправлен: %1</translation>
    </message>
    <message>
        <source>%1 before it answered</source>
        <translation>%1 до получения ответа</translation>
    </message>
    <message>
        <source>stopped by %1 while waiting for the status (the request was sent)</source>
        <translation>остановлено сигналом %1 во время ожидания состояния (запрос был отправлен)</translation>
    </message>
    <message>
        <source>%1: status %2: %3</source>
        <translation>%1: состояние %2: %3</translation>
    </message>
    <message>
        <source>%1: no answer within %2 ms</source>
        <translation>%1: нет ответа в течение %2 ms</translation>
    </message>
    <message>
        <source>the printer on %1 took no command</source>
        <translation>принтер на %1 не принял команду</translation>
    </message>
    <message>
        <source>watching %1; Ctrl+C ends</source>
        <translation>наблюдение за %1; Ctrl+C — завершить</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <translation>состояние %1: %2</translation>
    </message>
    <message>
        <source>response %1: &quot;%2&quot;</source>
        <translation>ответ %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 went away (unplugged or hung up)</source>
        <translation>%1 пропал (отключён или соединение разорвано)</translation>
    </message>
</context>
<context>
    <name>cli-print</name>
    <message>
        <source>%1 (nothing was sent)</source>
        <translation>%1 (ничего не отправлено)</translation>
    </message>
    <message>
        <source>--%1 is one of: %2; not &quot;%3&quot;</source>
        <translation>--%1 принимает одно из: %2; а не &quot;%3&quot;</translation>
    </message>
    <message>
        <source>unknown sample &quot;%1&quot;; the samples are %2 and all</source>
        <translation>неизвестный образец &quot;%1&quot;; образцы: %2 и all</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Порог</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>--block-rows is 0 (one block) to %1</source>
        <translation>--block-rows — от 0 (один блок) до %1</translation>
    </message>
    <message>
        <source>%1 has nothing to print</source>
        <translation>%1 — нечего печатать</translation>
    </message>
    <message>
        <source>unknown barcode type &quot;%1&quot;; the types are %2</source>
        <translation>неизвестный тип штрихкода &quot;%1&quot;; типы: %2</translation>
    </message>
    <message>
        <source>%1 data cannot be given in hex</source>
        <translation>%1: данные нельзя задать в hex</translation>
    </message>
    <message>
        <source>--%1 needs a whole number or auto, not &quot;%2&quot;</source>
        <translation>--%1 требует целого числа или auto, а не &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>cli-render</name>
    <message>
        <source>identical to %1</source>
        <translation>идентичен %1</translation>
    </message>
    <message>
        <source>%1 dots differ from %2</source>
        <translation>%1 точек отличаются от %2</translation>
    </message>
    <message>
        <source>; differences start at rows %1</source>
        <translation>; различия начинаются в строках %1</translation>
    </message>
    <message>
        <source>; the receipt has %1 dot rows, the golden %2</source>
        <translation>; в чеке %1 строк точек, в эталоне %2</translation>
    </message>
    <message>
        <source>--model takes 58 or 80</source>
        <translation>--model принимает 58 или 80</translation>
    </message>
    <message>
        <source>--diff needs --compare</source>
        <translation>--diff требует --compare</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>не удаётся создать %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>не удаётся записать %1</translation>
    </message>
    <message>
        <source>offset %1: %2</source>
        <translation>смещение %1: %2</translation>
    </message>
    <message>
        <source>offset %1: the input ends inside a command</source>
        <translation>смещение %1: ввод кончается внутри команды</translation>
    </message>
    <message>
        <source>%1 line %2 is not a records line (only hex text before &quot;//&quot;); nothing was printed</source>
        <translation>%1, строка %2 не является строкой записей (до &quot;//&quot; допустим только hex-текст); ничего не напечатано</translation>
    </message>
    <message>
        <source>differs from %1 in length: the receipt has %2 dot rows, the golden %3</source>
        <translation>отличается от %1 длиной: в чеке %2 строк точек, в эталоне %3</translation>
    </message>
    <message>
        <source>%1 is empty: nothing to print</source>
        <translation>%1 пуст: печатать нечего</translation>
    </message>
    <message>
        <source>receipt %1: %2</source>
        <translation>чек %1: %2</translation>
    </message>
    <message>
        <source>the file prints %1 receipts, the golden has %2</source>
        <translation>файл печатает чеков: %1, в эталоне: %2</translation>
    </message>
    <message>
        <source>nothing to print</source>
        <translation>печатать нечего</translation>
    </message>
    <message>
        <source>%1 is a receipt of %2 dots, not of %3 (--model)</source>
        <translation>%1 — чек шириной %2 точек, а не %3 (--model)</translation>
    </message>
    <message>
        <source>%1 is no receipt of %2 dots (--model): it is %3 pixels wide</source>
        <translation>%1 — не чек шириной %2 точек (--model): его ширина %3 пикселей</translation>
    </message>
</context>
<context>
    <name>cli-tap</name>
    <message>
        <source>(%1 rows not shown: the output fell behind)</source>
        <translation>(%1 строк не показано: вывод не успевал)</translation>
    </message>
    <message>
        <source>--program is needed (pty:PATH, tcp-listen:ADDR:PORT or passive:PORTA,PORTB)</source>
        <translation>нужен --program (pty:PATH, tcp-listen:ADDR:PORT или passive:PORTA,PORTB)</translation>
    </message>
    <message>
        <source>a passive tap has no --printer: both lines are in --program</source>
        <translation>у пассивного tap нет --printer: обе линии указываются в --program</translation>
    </message>
    <message>
        <source>--printer is needed (COM&lt;n&gt;, a device path or tcp://HOST:PORT)</source>
        <translation>нужен --printer (COM&lt;n&gt;, путь к устройству или tcp://HOST:PORT)</translation>
    </message>
    <message>
        <source>%1 line %2 is not a capture line (KIND SECONDS DATA)</source>
        <translation>%1, строка %2 не является строкой захвата (KIND SECONDS DATA)</translation>
    </message>
    <message>
        <source>--capture goes alone, without FILE, --hex or --records</source>
        <translation>--capture указывается один, без FILE, --hex или --records</translation>
    </message>
    <message>
        <source>%1 is not a tap capture file (line %2); nothing was sent</source>
        <translation>%1 — не файл захвата tap (строка %2); ничего не отправлено</translation>
    </message>
    <message>
        <source>%1 holds nothing the program sent; nothing was sent</source>
        <translation>в %1 нет ничего, что отправила программа; ничего не отправлено</translation>
    </message>
    <message>
        <source>cannot create the receipts folder %1</source>
        <translation>не удаётся создать папку чеков %1</translation>
    </message>
    <message>
        <source>tap: receipt %1 (%2 dot rows)</source>
        <translation>tap: чек %1 (%2 строк точек)</translation>
    </message>
    <message>
        <source>--model takes 58 or 80</source>
        <translation>--model принимает 58 или 80</translation>
    </message>
    <message>
        <source>--model and --plain go with --receipts</source>
        <translation>--model и --plain используются вместе с --receipts</translation>
    </message>
    <message>
        <source>cannot write the capture file: %1</source>
        <translation>невозможно записать файл захвата: %1</translation>
    </message>
    <message>
        <source>cannot write the capture file %1</source>
        <translation>невозможно записать файл захвата %1</translation>
    </message>
    <message>
        <source>standard output took no more rows: %1 rows and the summary were not shown</source>
        <translation>стандартный вывод больше не принимал строки: %1 строк и сводка не показаны</translation>
    </message>
    <message>
        <source>the capture is not whole (%1); no capture or records file was written</source>
        <translation>захват неполон (%1); файлы захвата и записей не записаны</translation>
    </message>
    <message>
        <source>%1 bytes were not delivered to the printer</source>
        <translation>%1 байт не доставлено на принтер</translation>
    </message>
</context>
</TS>
