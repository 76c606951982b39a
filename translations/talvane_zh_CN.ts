<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BarcodeRules</name>
    <message>
        <source>Enter the character range of 0x00 ~ 0x7F, support for 255 data FNC1 is used ~ FNC4 can 0xC1 0xC4, automatically insert the start code, check code and end code.</source>
        <translation>输入字符范围 0x00 ~ 0x7F，最多支持 255 个数据；FNC1 ~ FNC4 用 0xC1 ~ 0xC4 表示；自动插入起始码、校验码和终止码。</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, support 11-bit data, parity bit is automatically generated.</source>
        <translation>输入字符范围 0 到 9，支持 11 位数据，校验位自动生成。</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, to support the six data automatically generated parity bit.</source>
        <translation>输入字符范围 0 到 9，支持 6 位数据，校验位自动生成。</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, support 12-bit data, parity bit is automatically generated.</source>
        <translation>输入字符范围 0 到 9，支持 12 位数据，校验位自动生成。</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, supports 7 data, the parity bit is automatically generated.</source>
        <translation>输入字符范围 0 到 9，支持 7 位数据，校验位自动生成。</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 ~ 9, A ~ Z, SP, $,%, +, -,., /, Supports up to not more than 255 data, before and after the automatic insertion *.</source>
        <translation>输入字符范围 0 ~ 9、A ~ Z、SP、$、%、+、-、.、/，最多支持 255 个数据，前后自动插入 *。</translation>
    </message>
    <message>
        <source>Enter the characters in the range of 0 to 9, the support 2 to 255 data and even bits.</source>
        <translation>输入字符范围 0 到 9，支持 2 到 255 个数据，且位数须为偶数。</translation>
    </message>
    <message>
        <source>Input characters in the range of 0 to 9, $, +, -,, /,:, supports up to over 255, around the need to insert the A ~ D, or a ~ d.</source>
        <translation>输入字符范围 0 到 9、$、+、-、/、:，最多支持 255 个数据，前后需加 A ~ D 或 a ~ d。</translation>
    </message>
    <message>
        <source>Input characters in the range of 00H to 7FH, checksum c, k are generated automatically.</source>
        <translation>输入字符范围 00H 到 7FH，校验字符 c、k 自动生成。</translation>
    </message>
</context>
<context>
    <name>C2DCode</name>
    <message>
        <source>The data empty</source>
        <translation>数据为空</translation>
    </message>
    <message>
        <source>Entered incorrectly, make sure</source>
        <translation>输入有误，请确认</translation>
    </message>
    <message>
        <source>The data is too long: at most 65532 bytes</source>
        <translation>数据过长：最多 65532 字节</translation>
    </message>
    <message>
        <source>Code Style:</source>
        <translation>码制:</translation>
    </message>
    <message>
        <source>Code Data:</source>
        <translation>码数据:</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Code parameters</source>
        <translation>码参数</translation>
    </message>
</context>
<context>
    <name>CBarcode</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Above the Barcode</source>
        <translation>条码上方</translation>
    </message>
    <message>
        <source>Below the Barcode</source>
        <translation>条码下方</translation>
    </message>
    <message>
        <source>Above &amp; below the Barcode</source>
        <translation>条码上方 &amp; 下方</translation>
    </message>
    <message>
        <source>Unit width:</source>
        <translation>单元宽度:</translation>
    </message>
    <message>
        <source>Barcode Height:</source>
        <translation>条码高度:</translation>
    </message>
    <message>
        <source>Display:</source>
        <translation>显示:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>码制:</translation>
    </message>
    <message>
        <source>Barcode data:</source>
        <translation>条码数据:</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>说明:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Unit width of between 1 and 6</source>
        <translation>单元宽度范围为 1 到 6</translation>
    </message>
    <message>
        <source>Bar code height of 1 to 255</source>
        <translation>条码高度范围为 1 到 255</translation>
    </message>
    <message>
        <source>Entered incorrectly, make sure</source>
        <translation>输入有误，请确认</translation>
    </message>
</context>
<context>
    <name>CDMTX</name>
    <message>
        <source>Version:</source>
        <translation>版本:</translation>
    </message>
    <message>
        <source>Module width:</source>
        <translation>模块宽度:</translation>
    </message>
    <message>
        <source>模块宽度为2~8</source>
        <translation>模块宽度为2~8</translation>
    </message>
</context>
<context>
    <name>CLampButton</name>
    <message>
        <source>on</source>
        <translation>亮</translation>
    </message>
    <message>
        <source>off</source>
        <translation>灭</translation>
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
        <translation>设置</translation>
    </message>
    <message>
        <source>Set [Sa]~[Sf]</source>
        <translation>设置 [Sa]~[Sf]</translation>
    </message>
    <message>
        <source>AD:</source>
        <translation>AD:</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>打印机:</translation>
    </message>
    <message>
        <source>ADTH1~4:</source>
        <translation>ADTH1~4:</translation>
    </message>
    <message>
        <source>Set ADTH1~4</source>
        <translation>设置 ADTH1~4</translation>
    </message>
    <message>
        <source>DIS1~3:</source>
        <translation>DIS1~3:</translation>
    </message>
    <message>
        <source>Set DIS1~3</source>
        <translation>设置 DIS1~3</translation>
    </message>
    <message>
        <source>Feed tear position</source>
        <translation>走纸到撕纸位</translation>
    </message>
    <message>
        <source>Feed cut position</source>
        <translation>走纸到切纸位</translation>
    </message>
    <message>
        <source>Feed print position</source>
        <translation>走纸到打印位</translation>
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
        <translation>自动</translation>
    </message>
    <message>
        <source>Auto X</source>
        <translation>自动 X</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Auto Y</source>
        <translation>自动 Y</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>宽度:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高度:</translation>
    </message>
    <message>
        <source>Error correction level:</source>
        <translation>纠错等级:</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>截断</translation>
    </message>
    <message>
        <source>Row range of 3 to 90</source>
        <translation>行数范围为 3 到 90</translation>
    </message>
    <message>
        <source>Columns range from 1 to 30</source>
        <translation>列数范围为 1 到 30</translation>
    </message>
    <message>
        <source>Unit width of 2 to 8</source>
        <translation>单元宽度范围为 2 到 8</translation>
    </message>
    <message>
        <source>Line height of 2 to 8</source>
        <translation>行高范围为 2 到 8</translation>
    </message>
</context>
<context>
    <name>CQRCode</name>
    <message>
        <source>Version:</source>
        <translation>版本:</translation>
    </message>
    <message>
        <source>Module width:</source>
        <translation>模块宽度:</translation>
    </message>
    <message>
        <source>Error correction level:</source>
        <translation>纠错等级:</translation>
    </message>
    <message>
        <source>Module width is 1 ~ 16</source>
        <translation>模块宽度为 1 ~ 16</translation>
    </message>
</context>
<context>
    <name>CRecordsModel</name>
    <message>
        <source>checked</source>
        <translation>已勾选</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>未勾选</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>说明</translation>
    </message>
</context>
<context>
    <name>CTalvaneApp</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>--log-level takes error, warning or info, not &quot;%1&quot;</source>
        <translation>--log-level 的取值为 error、warning 或 info，而不是 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set)</source>
        <translation>未找到显示器（未设置 DISPLAY）</translation>
    </message>
    <message>
        <source>the display %1 is not running (no %2)</source>
        <translation>显示 %1 未运行（没有 %2）</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>talvane: %1.
Run it under a virtual display:
  xvfb-run -a talvane
or render its window to a picture without any display:
  talvane --screenshot window.png
</source>
        <translation>talvane: %1。
请在虚拟显示下运行：
  xvfb-run -a talvane
或者不使用任何显示，把窗口渲染成图片：
  talvane --screenshot window.png
</translation>
    </message>
    <message>
        <source>--tap needs the program side and the printer</source>
        <translation>--tap 需要程序端和打印机</translation>
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
        <translation>用法: talvane [--port PATH | --port tcp://HOST[:PORT]]... [--screenshot FILE.png]
               [--reset-settings] [--log-level LEVEL] [--no-log] [--lang CODE]
               [--tap PROGRAM-SIDE PRINTER]
用于串口、USB 或网络上的热敏小票和标签打印机的测试控制台。

  --port PATH          另外列出此设备：串口设备（伪终端或 /dev/serial/by-id
                       链接均可，按给出顺序列为 COM901、COM902、...）或 USB
                       打印机（/dev/usb/lp0，列为 USB1）；可重复
  --port tcp://HOST[:PORT]
                       另外列出此网络打印机（原始 TCP，省略端口时为 9100），
                       列为 NET1、NET2、...
  --screenshot FILE    把窗口启动后的样子渲染成 PNG 文件后退出（不需要显示）
  --reset-settings     忘记记住的端口、列表、文件夹和窗口位置，像第一次那样启动
  --log-level LEVEL    事件日志记录的内容：error、warning 或 info（全部；默认）
  --no-log             事件日志只保存在内存中（按 Ctrl+L 查看）
  --lang CODE          使用此语言: de、es、pt_BR、ru、zh_CN 或 en（源文本）；
                       不指定时使用桌面的语言
                       (LANGUAGE、LC_ALL、LC_MESSAGES、LANG)
  --tap PROGRAM-SIDE PRINTER
                       打开 Tap 窗口（Ctrl+T）并启动：程序端为 pty:PATH、
                       tcp-listen:ADDR:PORT 或 passive:A,B（此时不需要打印机），
                       打印机为端口名（COM3、NET1）、设备路径或 tcp://HOST:PORT
  --help               显示本帮助
  --version            显示版本

事件日志保存在 $XDG_STATE_HOME/talvane (~/.local/state/talvane)，
每天一个文件；文件总量超过 10 MiB 时删除最早的几天。

控制台需要显示。没有显示时，请在虚拟显示下运行：
  xvfb-run -a talvane
</translation>
    </message>
</context>
<context>
    <name>CTalvaneDlg</name>
    <message>
        <source>Expected receipt</source>
        <translation>预期小票</translation>
    </message>
    <message>
        <source>Font Sample</source>
        <translation>字体样例</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>边距</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>坐标</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>浓度</translation>
    </message>
    <message>
        <source>Horizon tab</source>
        <translation>水平制表</translation>
    </message>
    <message>
        <source>Verti tab</source>
        <translation>垂直制表</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>对齐</translation>
    </message>
    <message>
        <source>Bar-code</source>
        <translation>条码</translation>
    </message>
    <message>
        <source>QRCode</source>
        <translation>QR码</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>切纸</translation>
    </message>
    <message>
        <source>Quick Test</source>
        <translation>快速测试</translation>
    </message>
    <message>
        <source>Picture Printing</source>
        <translation>图片打印</translation>
    </message>
    <message>
        <source>Picture preview</source>
        <translation>图片预览</translation>
    </message>
    <message>
        <source>Preview horizontal scroll</source>
        <translation>预览水平滚动条</translation>
    </message>
    <message>
        <source>Preview vertical scroll</source>
        <translation>预览垂直滚动条</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>阈值</translation>
    </message>
    <message>
        <source>Bit-image mode</source>
        <translation>位图模式</translation>
    </message>
    <message>
        <source>Raser bit image</source>
        <translation>光栅位图</translation>
    </message>
    <message>
        <source>Picture density</source>
        <translation>图片点密度</translation>
    </message>
    <message>
        <source>Picture path</source>
        <translation>图片路径</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>二值化</translation>
    </message>
    <message>
        <source>Wider than paper</source>
        <translation>超出纸宽时</translation>
    </message>
    <message>
        <source>Rows per block</source>
        <translation>每块行数</translation>
    </message>
    <message>
        <source>Rows per raster block, sent paced to the line with progress and Cancel; &quot;One block&quot; sends it at once</source>
        <translation>每个光栅块的行数，按线路速度逐块发送，显示进度并可取消；“单块”表示一次全部发送</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>反色</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>旋转90°</translation>
    </message>
    <message>
        <source>Wider</source>
        <translation>超宽</translation>
    </message>
    <message>
        <source>Rows/block</source>
        <translation>行/块</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>图片尺寸</translation>
    </message>
    <message>
        <source>Picture sent</source>
        <translation>图片发送进度</translation>
    </message>
    <message>
        <source>Picture progress</source>
        <translation>图片发送状态</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>8-dot single-density</source>
        <translation>8点单密度</translation>
    </message>
    <message>
        <source>8-dot double-density</source>
        <translation>8点双密度</translation>
    </message>
    <message>
        <source>24-dot single-density</source>
        <translation>24点单密度</translation>
    </message>
    <message>
        <source>24-dot double-density</source>
        <translation>24点双密度</translation>
    </message>
    <message>
        <source>Are you sure to quit?</source>
        <translation>确定要退出吗?</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Please Open the Port</source>
        <translation>请先打开端口</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>条码</translation>
    </message>
    <message>
        <source>Two-dimensional code</source>
        <translation>二维码</translation>
    </message>
    <message>
        <source>Label/BM</source>
        <translation>标签/黑标</translation>
    </message>
</context>
<context>
    <name>CodeLimits</name>
    <message>
        <source>Square auto</source>
        <translation>正方形自动</translation>
    </message>
    <message>
        <source>Rect auto</source>
        <translation>长方形自动</translation>
    </message>
    <message>
        <source>Shape auto</source>
        <translation>形状自动</translation>
    </message>
</context>
<context>
    <name>EventLogWindow</name>
    <message>
        <source>Event log...</source>
        <translation>事件日志...</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>事件日志</translation>
    </message>
    <message>
        <source>Show events of kind</source>
        <translation>显示此类事件</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>全部事件</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Not kept on disk</source>
        <translation>不保存到磁盘</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>保存在 %1</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>显示:</translation>
    </message>
</context>
<context>
    <name>ExpectedReceiptWindow</name>
    <message>
        <source>Expected receipt</source>
        <translation>预期小票</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message numerus="yes">
        <source>%n older receipt(s) let go; the window keeps the newest</source>
        <translation>
            <numerusform>已舍弃 %n 张较早的小票；窗口只保留最新的</numerusform>
        </translation>
    </message>
    <message>
        <source>Receipts let go</source>
        <translation>已舍弃的小票</translation>
    </message>
</context>
<context>
    <name>FixedMappingNotice</name>
    <message>
        <source>Sent in the console&apos;s own mapping (%1): most printers print these bytes as other characters. Choose the printer&apos;s code page in the &quot;Code page&quot; list to send text in it.</source>
        <translation>已按本控制台自己的映射 (%1) 发送：大多数打印机会把这些字节打印成其他字符。请在“代码页”列表中选择打印机的代码页，以该代码页发送文本。</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>there is no %1 translation; the languages are: en, %2</source>
        <translation>没有 %1 翻译；可用的语言有: en, %2</translation>
    </message>
    <message>
        <source>the %1 translation is missing from the program</source>
        <translation>程序中缺少 %1 翻译</translation>
    </message>
</context>
<context>
    <name>NumberList</name>
    <message>
        <source>Please enter the six figures, &quot;;&quot; to separate</source>
        <translation>请输入 6 个数，用 &quot;;&quot; 分隔</translation>
    </message>
    <message>
        <source>The data range of -99 to 999</source>
        <translation>数据范围为 -99 到 999</translation>
    </message>
    <message>
        <source>Please enter the four digits, use the &quot;;&quot; to separate</source>
        <translation>请输入 4 个数，用 &quot;;&quot; 分隔</translation>
    </message>
    <message>
        <source>Data range from 1 to 3299</source>
        <translation>数据范围为 1 到 3299</translation>
    </message>
    <message>
        <source>Please enter the three digits, &quot;;&quot; separated</source>
        <translation>请输入 3 个数，用 &quot;;&quot; 分隔</translation>
    </message>
    <message>
        <source>The data range from 0 to 999</source>
        <translation>数据范围为 0 到 999</translation>
    </message>
</context>
<context>
    <name>PacedSender</name>
    <message>
        <source>%1 was not sent: the printer has taken nothing of the picture for %2 s. Cancel the picture, or try again when it takes data.</source>
        <translation>%1 未发送：打印机已有 %2 s 未接收任何图片数据。请取消该图片，或在打印机能接收数据时重试。</translation>
    </message>
    <message>
        <source>The setting</source>
        <translation>该设置</translation>
    </message>
</context>
<context>
    <name>PageControls</name>
    <message>
        <source>Note</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>PictureConversion</name>
    <message>
        <source>not a picture format this program reads (%1)</source>
        <translation>不是本程序能读取的图片格式 (%1)</translation>
    </message>
    <message>
        <source>the %1 file ends before its picture does</source>
        <translation>%1 文件在图片结束之前就结束了</translation>
    </message>
    <message>
        <source>the %1 decoder failed: %2</source>
        <translation>%1 解码器出错: %2</translation>
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
        <translation>%1 x %2 缩放为 %3 x %4</translation>
    </message>
    <message>
        <source>%1 x %2 cropped to %3 x %4</source>
        <translation>%1 x %2 裁剪为 %3 x %4</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>Picture preview</source>
        <translation>图片预览</translation>
    </message>
    <message>
        <source>Fit to box</source>
        <translation>适应窗口</translation>
    </message>
</context>
<context>
    <name>PicturePrinter</name>
    <message>
        <source>8-dot single-density</source>
        <translation>8点单密度</translation>
    </message>
    <message>
        <source>8-dot double-density</source>
        <translation>8点双密度</translation>
    </message>
    <message>
        <source>24-dot single-density</source>
        <translation>24点单密度</translation>
    </message>
    <message>
        <source>24-dot double-density</source>
        <translation>24点双密度</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Double-width</source>
        <translation>倍宽</translation>
    </message>
    <message>
        <source>Double-height</source>
        <translation>倍高</translation>
    </message>
    <message>
        <source>Quadruple</source>
        <translation>四倍</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Picture load fail</source>
        <translation>图片加载失败</translation>
    </message>
    <message>
        <source>picture load fail</source>
        <translation>图片加载失败</translation>
    </message>
    <message>
        <source>Threshold can not be greater than 255</source>
        <translation>阈值不能大于 255</translation>
    </message>
    <message>
        <source>Picture height can not be greater than 65535</source>
        <translation>图片高度不能大于 65535</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>One block</source>
        <translation>单块</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>阈值</translation>
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
        <translation>有序 (Bayer 8x8)</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>裁剪</translation>
    </message>
    <message>
        <source>Scale to fit</source>
        <translation>缩放适应</translation>
    </message>
    <message>
        <source>BMP file(*.bmp)|*.bmp|JPEG/JPG files(*.jpg,*.jpeg)|*.jpg;*.jpeg|PNG files(*.png)|*.png|GIF files(*.gif)|*.gif|Others(*.*)|*.*||</source>
        <translation>BMP 文件(*.bmp)|*.bmp|JPEG/JPG 文件(*.jpg,*.jpeg)|*.jpg;*.jpeg|PNG 文件(*.png)|*.png|GIF 文件(*.gif)|*.gif|其他(*.*)|*.*||</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>所有图片</translation>
    </message>
    <message>
        <source>%1 of %2 bytes, %3 of %4 rows</source>
        <translation>%1/%2 字节，%3/%4 行</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, 约剩 %1 s</translation>
    </message>
    <message>
        <source>Stopped: the printer on %1 was lost after %2 rows</source>
        <translation>已停止：发送 %2 行后 %1 上的打印机断开</translation>
    </message>
    <message>
        <source>Stopped for %1: %2 of %3 rows sent; %4 blocks (%5 rows) dropped</source>
        <translation>因 %1 而停止：已发送 %2/%3 行；丢弃 %4 块（%5 行）</translation>
    </message>
    <message>
        <source>Cancelled: %1 of %2 rows sent, in %3 of %4 blocks</source>
        <translation>已取消：已发送 %1/%2 行，共 %3/%4 块</translation>
    </message>
    <message>
        <source>Sent: %1 rows, %2 bytes, in %3 blocks</source>
        <translation>已发送：%1 行，%2 字节，共 %3 块</translation>
    </message>
</context>
<context>
    <name>PortPanel</name>
    <message>
        <source>Open COM</source>
        <translation>打开COM</translation>
    </message>
    <message>
        <source>Close COM</source>
        <translation>关闭COM</translation>
    </message>
    <message>
        <source>Open the serial port error</source>
        <translation>打开串口出错</translation>
    </message>
    <message>
        <source>A USB or network printer has no baud rate or handshake lines; the printer&apos;s own settings apply.</source>
        <translation>USB 或网络打印机没有波特率和握手线；以打印机自身的设置为准。</translation>
    </message>
    <message>
        <source>The baud rate cannot be set on this port: a USB or network printer has no baud rate.</source>
        <translation>此端口无法设置波特率：USB 或网络打印机没有波特率。</translation>
    </message>
    <message>
        <source>The handshaking cannot be set on this port: a USB or network printer has no handshake lines.</source>
        <translation>此端口无法设置流控：USB 或网络打印机没有握手线。</translation>
    </message>
    <message>
        <source> – absent</source>
        <translation> – 不在线</translation>
    </message>
    <message>
        <source>This device is not there now; the list shows it again when it comes back.</source>
        <translation>此设备当前不存在；它重新出现时会再次显示在列表中。</translation>
    </message>
    <message>
        <source>The printer on %1 is gone. The port opens again by itself when the same printer is back; Close COM stops waiting.</source>
        <translation>%1 上的打印机已断开。同一台打印机重新接入时端口会自动重新打开；点击“关闭COM”可停止等待。</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1 不存在</translation>
    </message>
    <message>
        <source>The printer on %1 is back: reconnected</source>
        <translation>%1 上的打印机已恢复：已重新连接</translation>
    </message>
    <message>
        <source>Choose a port, or type a device path (/dev/...) or tcp://HOST:PORT and press Enter.</source>
        <translation>请选择端口，或输入设备路径 (/dev/...) 或 tcp://HOST:PORT 后按回车。</translation>
    </message>
    <message>
        <source>Type a device path starting with / or a network printer as tcp://HOST:PORT.</source>
        <translation>请输入以 / 开头的设备路径，或以 tcp://HOST:PORT 形式输入网络打印机。</translation>
    </message>
    <message>
        <source>No more ports can be added to the list.</source>
        <translation>列表中无法再添加端口。</translation>
    </message>
    <message>
        <source>%1 closed: %2 bytes were not delivered</source>
        <translation>%1 已关闭：有 %2 字节未送达</translation>
    </message>
    <message>
        <source>%1 closed: the port could not say whether everything was delivered</source>
        <translation>%1 已关闭：端口无法确认数据是否已全部送达</translation>
    </message>
    <message>
        <source>本计算机上没有发现可用串口</source>
        <translation>本计算机上没有发现可用串口</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>接口:</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>波特率:</translation>
    </message>
    <message>
        <source>Handshaking:</source>
        <translation>流控:</translation>
    </message>
    <message>
        <source>Models:</source>
        <translation>机型:</translation>
    </message>
    <message>
        <source>COM Open</source>
        <translation>打开COM</translation>
    </message>
    <message>
        <source>Printer Init</source>
        <translation>打印机初始化</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Set baud rate</source>
        <translation>设置波特率</translation>
    </message>
    <message>
        <source>Set handshaking</source>
        <translation>设置流控</translation>
    </message>
    <message>
        <source>Talvane logo</source>
        <translation>Talvane 标志</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
</context>
<context>
    <name>PortSetup</name>
    <message>
        <source>No device has this port number.</source>
        <translation>没有设备使用此端口号。</translation>
    </message>
    <message>
        <source>%1 does not exist (is the adapter plugged in?).</source>
        <translation>%1 不存在（适配器插好了吗？）。</translation>
    </message>
    <message>
        <source>No permission to use %1: add your user to the group &quot;%2&quot; (sudo usermod -aG %2 $USER), then log in again.</source>
        <translation>无权使用 %1：请把您的用户加入 &quot;%2&quot; 组（sudo usermod -aG %2 $USER），然后重新登录。</translation>
    </message>
    <message>
        <source>%1 is in use by another program, or is not a serial port.</source>
        <translation>%1 正被其他程序使用，或者不是串口。</translation>
    </message>
    <message>
        <source>Cannot connect to %1</source>
        <translation>无法连接到 %1</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>无法连接到 %1: %2</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>错误 %1</translation>
    </message>
    <message>
        <source>The printer on %1 is gone (%2)</source>
        <translation>%1 上的打印机已断开 (%2)</translation>
    </message>
    <message>
        <source>%1 bytes waiting to be sent were dropped, not sent.</source>
        <translation>等待发送的 %1 字节已丢弃，未发送。</translation>
    </message>
</context>
<context>
    <name>RecordsPanel</name>
    <message>
        <source>no data</source>
        <translation>无数据</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>无数据</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>保存失败</translation>
    </message>
    <message>
        <source>Import failed</source>
        <translation>导入失败</translation>
    </message>
    <message>
        <source>The file is too large to import</source>
        <translation>文件太大，无法导入</translation>
    </message>
    <message>
        <source>Row %1 is not hex text; nothing was sent</source>
        <translation>第 %1 行不是十六进制文本；未发送任何数据</translation>
    </message>
    <message>
        <source> Prompt</source>
        <translation> 提示</translation>
    </message>
    <message>
        <source>Operational records</source>
        <translation>操作记录</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Resend</source>
        <translation>重发</translation>
    </message>
    <message>
        <source>The contents of the file does not meet the hex command mode, the import operation was canceled 
Line %1 is not hex text of whole bytes.</source>
        <translation>文件内容不符合十六进制指令格式，导入操作已取消 
第 %1 行不是由完整字节组成的十六进制文本。</translation>
    </message>
</context>
<context>
    <name>RememberedSettings</name>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>无法删除 %1: %2</translation>
    </message>
    <message>
        <source>the remembered settings in %1 could not be read; starting from the defaults</source>
        <translation>无法读取 %1 中保存的设置；将使用默认设置启动</translation>
    </message>
    <message>
        <source>the settings could not be saved in %1; this session goes on without them</source>
        <translation>无法将设置保存到 %1；本次会话将不保存设置继续运行</translation>
    </message>
</context>
<context>
    <name>SendReceivePanel</name>
    <message>
        <source>Save failed</source>
        <translation>保存失败</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The contents of the file does not meet the hex command mode, the import operation is canceled</source>
        <translation>文件内容不符合十六进制指令格式，导入操作已取消</translation>
    </message>
    <message>
        <source>The file is too large to send</source>
        <translation>文件太大，无法发送</translation>
    </message>
    <message>
        <source>The file is too large to import</source>
        <translation>文件太大，无法导入</translation>
    </message>
    <message>
        <source>Send Data</source>
        <translation>发送数据</translation>
    </message>
    <message>
        <source>File path</source>
        <translation>文件路径</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Send text</source>
        <translation>发送文本</translation>
    </message>
    <message>
        <source>Receive Data</source>
        <translation>接收数据</translation>
    </message>
    <message>
        <source>Reply in words</source>
        <translation>应答释义</translation>
    </message>
</context>
<context>
    <name>SettingPanel</name>
    <message>
        <source>Set the line spacing can&apos;t greater than 255</source>
        <translation>行间距不能大于 255</translation>
    </message>
    <message>
        <source>The left margin and right margin should be less than%1</source>
        <translation>左边距和右边距应小于%1</translation>
    </message>
    <message>
        <source>Absolute coordinates should be less than%1</source>
        <translation>绝对坐标应小于%1</translation>
    </message>
    <message>
        <source>Set of feeding distance can&apos;t greater than 255</source>
        <translation>走纸距离不能大于 255</translation>
    </message>
    <message>
        <source>Double-high</source>
        <translation>倍高</translation>
    </message>
    <message>
        <source>Double-width</source>
        <translation>倍宽</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>边框</translation>
    </message>
    <message>
        <source>Underscore</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>反白</translation>
    </message>
    <message>
        <source>Font1</source>
        <translation>字体1</translation>
    </message>
    <message>
        <source>Font2</source>
        <translation>字体2</translation>
    </message>
    <message>
        <source>Font3</source>
        <translation>字体3</translation>
    </message>
    <message>
        <source>Left home</source>
        <translation>左对齐</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>Right home</source>
        <translation>右对齐</translation>
    </message>
    <message>
        <source>low-speed</source>
        <translation>低速</translation>
    </message>
    <message>
        <source>middle-speed</source>
        <translation>中速</translation>
    </message>
    <message>
        <source>high-speed</source>
        <translation>高速</translation>
    </message>
    <message>
        <source>Printer Setting</source>
        <translation>打印机设置</translation>
    </message>
    <message>
        <source>Line spacing</source>
        <translation>行间距</translation>
    </message>
    <message>
        <source>Left margin</source>
        <translation>左边距</translation>
    </message>
    <message>
        <source>Right margin</source>
        <translation>右边距</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>对齐</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>浓度</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>坐标</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>字体大小</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Code page</source>
        <translation>代码页</translation>
    </message>
    <message>
        <source>Cut and feed</source>
        <translation>切纸与走纸</translation>
    </message>
    <message>
        <source>Haft-Cut</source>
        <translation>半切</translation>
    </message>
    <message>
        <source>Full-Cut</source>
        <translation>全切</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>走纸</translation>
    </message>
    <message>
        <source>Feed distance</source>
        <translation>走纸距离</translation>
    </message>
    <message>
        <source>Back distance</source>
        <translation>退纸距离</translation>
    </message>
    <message>
        <source>Cut Mode</source>
        <translation>切纸方式</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切纸</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>退纸</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Paper-end</source>
        <translation>缺纸</translation>
    </message>
    <message>
        <source>Overheat</source>
        <translation>过热</translation>
    </message>
    <message>
        <source>Overvoltage</source>
        <translation>过压</translation>
    </message>
    <message>
        <source>Platen-up</source>
        <translation>压板抬起</translation>
    </message>
    <message>
        <source>Cutter-out</source>
        <translation>切刀异常</translation>
    </message>
    <message>
        <source>BUSY</source>
        <translation>忙</translation>
    </message>
    <message>
        <source>No answer from the printer</source>
        <translation>打印机无应答</translation>
    </message>
    <message>
        <source>No answer from the printer (last answer at %1)</source>
        <translation>打印机无应答（最后应答时间 %1）</translation>
    </message>
    <message>
        <source>Last answer at %1</source>
        <translation>最后应答时间 %1</translation>
    </message>
    <message>
        <source>Printer status</source>
        <translation>打印机状态</translation>
    </message>
    <message>
        <source>Note: BUSY status in the hardware flow control</source>
        <translation>注意：BUSY 状态用于硬件流控</translation>
    </message>
    <message>
        <source>Read status</source>
        <translation>读取状态</translation>
    </message>
    <message>
        <source>Clear-Buf</source>
        <translation>清除缓冲</translation>
    </message>
    <message>
        <source>Printer answer</source>
        <translation>打印机应答</translation>
    </message>
</context>
<context>
    <name>SymbolFit</name>
    <message>
        <source>QR code</source>
        <translation>QR码</translation>
    </message>
    <message>
        <source>width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>module size</source>
        <translation>模块大小</translation>
    </message>
    <message>
        <source>module width</source>
        <translation>模块宽度</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; at %3 %4 is %5 dots, wider than the %6 of %7 mm: it will not print</source>
        <translation>%1 &apos;%2&apos;（%3：%4）宽 %5 点，超过 %7 mm 纸的 %6 点：无法打印</translation>
    </message>
</context>
<context>
    <name>TapRowsModel</name>
    <message>
        <source>to printer</source>
        <translation>至打印机</translation>
    </message>
    <message>
        <source>to program</source>
        <translation>至程序</translation>
    </message>
    <message>
        <source>note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>unknown command</source>
        <translation>未知指令</translation>
    </message>
    <message>
        <source>cut off</source>
        <translation>被截断</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>无应答</translation>
    </message>
    <message>
        <source>sent while held</source>
        <translation>暂停时发送</translation>
    </message>
    <message>
        <source> ... (%1 bytes)</source>
        <translation> ... (%1 字节)</translation>
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
        <translation>时间</translation>
    </message>
    <message>
        <source>Since previous</source>
        <translation>距上一行</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Command or reply</source>
        <translation>指令或应答</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>告警</translation>
    </message>
</context>
<context>
    <name>TapWindow</name>
    <message>
        <source>%1: the picture cannot be made</source>
        <translation>%1: 无法生成图片</translation>
    </message>
    <message>
        <source>Tap...</source>
        <translation>监听...</translation>
    </message>
    <message>
        <source>Tap</source>
        <translation>监听</translation>
    </message>
    <message>
        <source>Pseudo-terminal</source>
        <translation>伪终端</translation>
    </message>
    <message>
        <source>TCP listener</source>
        <translation>TCP 服务端</translation>
    </message>
    <message>
        <source>Passive tap (two lines)</source>
        <translation>被动监听（两条线路）</translation>
    </message>
    <message>
        <source>Program side</source>
        <translation>程序端</translation>
    </message>
    <message>
        <source>Program&apos;s port</source>
        <translation>程序的端口</translation>
    </message>
    <message>
        <source>Program&apos;s line</source>
        <translation>程序的线路</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>打印机</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Conversation</source>
        <translation>通信记录</translation>
    </message>
    <message>
        <source>Expected receipt</source>
        <translation>预期小票</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>汇总</translation>
    </message>
    <message>
        <source>Save capture...</source>
        <translation>保存抓包...</translation>
    </message>
    <message>
        <source>Save capture</source>
        <translation>保存抓包</translation>
    </message>
    <message>
        <source>Save records...</source>
        <translation>保存记录...</translation>
    </message>
    <message>
        <source>Save records</source>
        <translation>保存记录</translation>
    </message>
    <message>
        <source>Save receipts...</source>
        <translation>保存小票...</translation>
    </message>
    <message>
        <source>Save receipts</source>
        <translation>保存小票</translation>
    </message>
    <message>
        <source>Program side:</source>
        <translation>程序端:</translation>
    </message>
    <message>
        <source>Printer&apos;s line:</source>
        <translation>打印机线路:</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>打印机:</translation>
    </message>
    <message>
        <source>The address programs connect to, ADDRESS:PORT</source>
        <translation>程序连接的地址，格式为 ADDRESS:PORT</translation>
    </message>
    <message>
        <source>The path the program opens as its printer&apos;s port</source>
        <translation>程序作为打印机端口打开的路径</translation>
    </message>
    <message>
        <source>No printer port is chosen.</source>
        <translation>未选择打印机端口。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port of the list, a device path or tcp://HOST:PORT.</source>
        <translation>&quot;%1&quot; 既不是列表中的端口，也不是设备路径或 tcp://HOST:PORT。</translation>
    </message>
    <message>
        <source>The tap cannot start:
%1</source>
        <translation>无法启动监听:
%1</translation>
    </message>
    <message>
        <source>Running; programs connect to %1</source>
        <translation>运行中；程序连接到 %1</translation>
    </message>
    <message>
        <source>Running; %1</source>
        <translation>运行中；%1</translation>
    </message>
    <message>
        <source>Stopped; the ports are released</source>
        <translation>已停止；端口已释放</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>未启动</translation>
    </message>
    <message>
        <source>; %1 bytes passed undecoded</source>
        <translation>；%1 字节未解码直接通过</translation>
    </message>
    <message>
        <source>; %1 rows dropped from the window (it keeps the last %2)</source>
        <translation>；窗口中已丢弃 %1 行（只保留最后 %2 行）</translation>
    </message>
    <message>
        <source>Capture files(*.txt)|*.txt|All files(*)|*||</source>
        <translation>抓包文件(*.txt)|*.txt|所有文件(*)|*||</translation>
    </message>
    <message>
        <source>The capture was not saved:
%1</source>
        <translation>抓包未保存:
%1</translation>
    </message>
    <message>
        <source>Capture saved to %1</source>
        <translation>抓包已保存到 %1</translation>
    </message>
    <message>
        <source>TXT files(*.txt)|*.txt||</source>
        <translation>TXT 文件(*.txt)|*.txt||</translation>
    </message>
    <message>
        <source>The records were not saved:
%1</source>
        <translation>记录未保存:
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) of the program&apos;s side saved to %1</source>
        <translation>
            <numerusform>程序端的 %n 条记录已保存到 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The program printed no receipt.</source>
        <translation>程序没有打印任何小票。</translation>
    </message>
    <message>
        <source>PNG pictures(*.png)|*.png||</source>
        <translation>PNG 图片(*.png)|*.png||</translation>
    </message>
    <message>
        <source>The receipts were not saved:
%1</source>
        <translation>小票未保存:
%1</translation>
    </message>
    <message>
        <source>Receipt saved to %1</source>
        <translation>小票已保存到 %1</translation>
    </message>
    <message>
        <source>%1 receipts saved: %2 ... %3</source>
        <translation>已保存 %1 张小票: %2 ... %3</translation>
    </message>
    <message>
        <source>Stopped; the ports are released; %1 bytes were not delivered to the printer</source>
        <translation>已停止；端口已释放；有 %1 字节未送达打印机</translation>
    </message>
    <message>
        <source>Opening the ports...</source>
        <translation>正在打开端口...</translation>
    </message>
    <message>
        <source>Stopping; what waits for the printer still goes to it...</source>
        <translation>正在停止；等待发往打印机的数据仍在发送...</translation>
    </message>
    <message numerus="yes">
        <source>; %n older receipt(s) let go from the window</source>
        <translation>
            <numerusform>；已从窗口舍弃 %n 张较早的小票</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextBytes</name>
    <message>
        <source>Code page %1 has no character &quot;%2&quot; (%3)</source>
        <translation>代码页 %1 中没有字符 &quot;%2&quot; (%3)</translation>
    </message>
    <message>
        <source>Code page %1 has no character for the byte %2</source>
        <translation>代码页 %1 中没有与字节 %2 对应的字符</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>cannot write standard output: %1</source>
        <translation>无法写入标准输出：%1</translation>
    </message>
    <message>
        <source>unexpected operand &quot;%1&quot;</source>
        <translation>多余的操作数 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>missing operand</source>
        <translation>缺少操作数</translation>
    </message>
    <message>
        <source>--port is missing: name the printer&apos;s port (COM&lt;n&gt; from talvane-cli ports, or a device path)</source>
        <translation>缺少 --port：请指定打印机的端口（talvane-cli ports 列出的 COM&lt;n&gt;，或设备路径）</translation>
    </message>
    <message>
        <source>--baud needs a positive number of bits per second, not &quot;%1&quot;</source>
        <translation>--baud 需要一个正的每秒位数，而不是 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--handshake is none, rtscts or xonxoff, not &quot;%1&quot;</source>
        <translation>--handshake 的取值为 none、rtscts 或 xonxoff，而不是 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--model is 58 or 80 (paper width in mm), not &quot;%1&quot;</source>
        <translation>--model 的取值为 58 或 80（纸宽，单位 mm），而不是 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--record needs a file name</source>
        <translation>--record 需要一个文件名</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>标准输入</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MiB; refused</source>
        <translation>%1 大于 64 MiB；已拒绝</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>无法读取: %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>cannot write the records file: %1</source>
        <translation>无法写入记录文件: %1</translation>
    </message>
    <message>
        <source>cannot write the records file %1</source>
        <translation>无法写入记录文件 %1</translation>
    </message>
    <message>
        <source>row %1 (&quot;%2&quot;) is not hex text of whole bytes; nothing was sent</source>
        <translation>第 %1 行（&quot;%2&quot;）不是由完整字节组成的十六进制文本；未发送任何数据</translation>
    </message>
    <message>
        <source>--%1 needs a whole number, not &quot;%2&quot;</source>
        <translation>--%1 需要一个整数，而不是 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: %2 (see talvane-cli %1 --help)</source>
        <translation>%1: %2（参见 talvane-cli %1 --help）</translation>
    </message>
    <message>
        <source>unknown subcommand &quot;%1&quot; (talvane-cli --help lists them)</source>
        <translation>未知子命令 &quot;%1&quot;（talvane-cli --help 可列出子命令）</translation>
    </message>
    <message>
        <source>unknown option --%1</source>
        <translation>未知选项 --%1</translation>
    </message>
    <message>
        <source>--%1 is given twice</source>
        <translation>--%1 给出了两次</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 不接受值</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 需要一个值</translation>
    </message>
    <message>
        <source>%1/%2 bytes</source>
        <translation>%1/%2 字节</translation>
    </message>
    <message>
        <source>%1; %2 of %3 bytes were sent</source>
        <translation>%1；已发送 %2/%3 字节</translation>
    </message>
    <message>
        <source>the printer on %1 took no data for %2 s (flow control held off, or the device went away)</source>
        <translation>%1 上的打印机已有 %2 s 不接收数据（流控暂停，或设备已断开）</translation>
    </message>
    <message>
        <source>stopped by %1</source>
        <translation>被 %1 停止</translation>
    </message>
    <message>
        <source>no port given: name one with --port COM&lt;n&gt; or --port /dev/... (talvane-cli ports lists them)</source>
        <translation>未指定端口：请用 --port COM&lt;n&gt; 或 --port /dev/... 指定（talvane-cli ports 可列出端口）</translation>
    </message>
    <message>
        <source>too many ports named on the command line</source>
        <translation>命令行中指定的端口过多</translation>
    </message>
    <message>
        <source>unknown port %1 (talvane-cli ports lists them; a device path works too)</source>
        <translation>未知端口 %1（talvane-cli ports 可列出端口；也可以用设备路径）</translation>
    </message>
    <message>
        <source>%1 closed</source>
        <translation>%1 已关闭</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1: %2</translation>
    </message>
    <message>
        <source>cannot set %1 to %2 baud with the chosen handshake</source>
        <translation>无法把 %1 设为 %2 baud（使用所选流控）</translation>
    </message>
    <message>
        <source>%1 opened at %2 baud</source>
        <translation>%1 已打开，%2 baud</translation>
    </message>
    <message>
        <source>%1 lost (%2)</source>
        <translation>%1 已断开 (%2)</translation>
    </message>
    <message>
        <source>the printer on %1 went away (%2)</source>
        <translation>%1 上的打印机已断开（%2）</translation>
    </message>
    <message>
        <source>the printer on %1 went away</source>
        <translation>%1 上的打印机已断开</translation>
    </message>
    <message>
        <source>%1; %2 bytes were still waiting to leave</source>
        <translation>%1；%2 字节仍在等待发出</translation>
    </message>
    <message>
        <source>%1 closed without telling whether the printer got everything</source>
        <translation>%1 已关闭，无法确认打印机是否收到了全部数据</translation>
    </message>
    <message>
        <source>%1 closed with %2 bytes the printer had not taken (not delivered)</source>
        <translation>%1 已关闭，仍有 %2 字节打印机未接收（未送达）</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, 约剩 %1 s</translation>
    </message>
    <message>
        <source>sent %1 bytes to %2 in %3 s</source>
        <translation>已向 %2 发送 %1 字节，用时 %3 秒</translation>
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
        <translation>端口选项:
  --port PORT          `talvane-cli ports` 列出的名称（COM&lt;n&gt;、USB&lt;k&gt;），或设备路径
                       (/dev/ttyUSB0) 或 tcp://HOST[:PORT]（按 `ports` 的列法命名为 NET1）
  --baud RATE          波特率，每秒位数（默认 9600）
  --handshake MODE     流控：none（默认）、rtscts 或 xonxoff
  --model 58|80        打印机纸宽，单位 mm（默认 58：384 点；80：576 点）
  --record FILE        另外把发送的内容写成控制台可导入的记录文件
  --verbose            在标准错误上输出事件（端口打开、关闭、断开、被拒绝）
                       及其时间
  --quiet              成功时不输出（不显示“已发送 N 字节”一行）
</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 failed, 2 bad command line, 3 input refused (nothing sent),
  4 file cannot be read or written, 5 port unknown, busy, failing or taking no data,
  or printer gone, 6 bytes handed to the port not delivered when it closed,
  130/143 stopped by SIGINT/SIGTERM (port closed, bytes sent said).
</source>
        <translation>退出码: 0 完成，1 失败，2 命令行错误，3 输入被拒绝（未发送任何数据），
  4 文件无法读取或写入，5 端口未知、被占用、出错或不接收数据，
  或打印机已断开，6 端口关闭时已交给端口的字节未送达，
  130/143 被 SIGINT/SIGTERM 停止（端口已关闭，并报告已发送的字节数）。
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
        <translation>用法: talvane-cli SUBCOMMAND [OPTIONS] [ARGUMENTS]
用脚本驱动热敏小票打印机，使用与控制台相同的指令。

子命令:
  ports                     串口列表，与控制台的列法相同
  send FILE | --hex TEXT | --records FILE | --capture FILE
                            原始字节、十六进制文本或控制台记录文件（同“重发”）
  sample NAME... | all      按按钮名称运行快速测试（&quot;Font Sample&quot;、&quot;Bar-code&quot;、...）
  picture FILE              图片，与控制台图片打印区的打印方式相同
  barcode TYPE DATA         一维条码
  qr DATA, pdf417 DATA, datamatrix DATA
                            二维码：先存储，再打印
  status                    查询打印机状态；退出码表示状态
  decode [FILE|-]           把抓包文件或记录文件显示为记录的助记符行
  monitor                   显示打印机发来的数据，直到按 Ctrl+C
  render [FILE|-]           把抓包文件或记录文件渲染成小票图片，无需打印机
  tap --program SIDE --printer PORT
                            接在程序与其打印机之间，实时显示双向数据

`talvane-cli SUBCOMMAND --help` 显示各子命令的选项和示例。
--lang CODE 可与任一子命令同用，指定语言：de、es、pt_BR、ru、zh_CN 或 en（即源文本）；
不指定时使用桌面的语言（LANGUAGE、LC_ALL、LC_MESSAGES、LANG）。

示例:
  talvane-cli status --port /dev/ttyUSB0 &amp;&amp; talvane-cli sample all --port /dev/ttyUSB0
</translation>
    </message>
    <message>
        <source>  status adds 10 paper end, 11 platen up, 12 cutter error, 13 overheat, 14 over-voltage,
  15 no answer; render adds 20 not everything understood, 21 receipt differs.
</source>
        <translation>  status 另有 10 缺纸，11 压板抬起，12 切刀错误，13 过热，14 过压，
  15 无应答；render 另有 20 有未能理解的内容，21 小票不同。
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
        <translation>用法: talvane-cli ports [--json] [--port PATH]...
按控制台端口列表的显示方式列出串口（&quot;COM&lt;n&gt; (&lt;path&gt;)&quot;）。
每个 --port PATH 添加一个扫描找不到的设备，与控制台相同。

示例:
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
        <translation>用法: talvane-cli sample NAME... | all --port PORT [options]
按按钮名称运行快速测试：&quot;Font Sample&quot;、&quot;Print&quot;、&quot;Margins&quot;、
&quot;Coordinate&quot;、&quot;Density&quot;、&quot;Horizon tab&quot;、&quot;Verti tab&quot;、&quot;Picture&quot;、&quot;Alignment&quot;、
&quot;Bar-code&quot;、&quot;QRCode&quot;、&quot;Cutting&quot; 或 &quot;Printer Init&quot;。不区分大小写，空格和连字符
可有可无；all 按对话框中的顺序运行全部十二个快速测试。
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli sample all --port /dev/ttyUSB0
  talvane-cli sample &quot;Font Sample&quot; barcode --port COM3 --record fonts.txt
</source>
        <translation>示例:
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
        <translation>用法: talvane-cli picture FILE --port PORT [--threshold N] [--raster] [--size MODE]
                          [--dots RULE] [--invert] [--rotate] [--fit crop|scale]
                          [--block-rows N]
打印一张图片（BMP、JPEG、PNG、...），按阈值（默认 128，最大 255）转为黑白，
并按 --model 的可打印宽度截取。默认以位图条带发送（--size &quot;8-dot single-density&quot;、
&quot;8-dot double-density&quot;、&quot;24-dot single-density&quot;、&quot;24-dot double-density&quot; [默认]）；
--raster 发送一个光栅块（--size Normal [默认]、Double-width、Double-height、Quadruple）。
与控制台相同的图片选项：--dots threshold（默认）、floyd-steinberg、atkinson
或 bayer；--invert；--rotate（旋转四分之一圈）；图片宽于纸张时 --fit crop（默认）
或 scale；--block-rows N 把图片分成每块 N 行依次发送（0：单块）。
在相同选项下，发送的字节与控制台完全相同。
标准错误为终端时，会在其上显示进度条。
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli picture logo.bmp --port /dev/ttyUSB0 --threshold 100
  talvane-cli picture photo.jpg --port COM3 --model 80 --raster --size Double-width
  talvane-cli picture photo.jpg --port COM3 --dots atkinson --fit scale --block-rows 64
</source>
        <translation>示例:
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
        <translation>用法: talvane-cli barcode TYPE DATA --port PORT [--width N] [--height N]
                          [--text none|above|below|both] [--hex]
按条码页的规则和提示打印条码。TYPE 是该页码制列表中的一项
（UPCA、UPCE、EAN13、EAN8、CODE39、ITF、CODABAR、CODE93、CODE128、
EAN128）。--width 1..6，--height 1..255，--text 可读字符行的位置；--hex 在该页
允许时把 DATA 作为十六进制文本。即使选项等于该页的初始值也会发送。
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli barcode EAN13 012345678901 --port /dev/ttyUSB0 --text below
  talvane-cli barcode CODE128 &quot;7B 41 42 43&quot; --hex --port COM3 --height 80
</source>
        <translation>示例:
  talvane-cli barcode EAN13 012345678901 --port /dev/ttyUSB0 --text below
  talvane-cli barcode CODE128 &quot;7B 41 42 43&quot; --hex --port COM3 --height 80
</translation>
    </message>
    <message>
        <source>usage: talvane-cli qr DATA --port PORT [--module-width N] [--error-level L|M|Q|H] [--hex]
Stores DATA as a QR code and prints it, as the two-dimensional code page does.
--module-width 1..16; --error-level L (7%), M (15%), Q (25%), H (30%).
</source>
        <translation>用法: talvane-cli qr DATA --port PORT [--module-width N] [--error-level L|M|Q|H] [--hex]
把 DATA 存为 QR 码并打印，与二维码页的做法相同。
--module-width 1..16；--error-level L (7%)、M (15%)、Q (25%)、H (30%)。
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli qr &quot;https://example.com/unit/42&quot; --port /dev/ttyUSB0 --module-width 6
  talvane-cli qr &quot;48 49&quot; --hex --error-level H --port COM3
</source>
        <translation>示例:
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
        <translation>用法: talvane-cli pdf417 DATA --port PORT [--rows N|auto] [--columns N|auto]
                         [--module-width N] [--row-height N] [--error-level 0..8] [--hex]
把 DATA 存为 PDF417 符号并打印。--rows 3..90，--columns 1..30，
--module-width 2..8，--row-height 2..8。
</translation>
    </message>
    <message>
        <source>Example:
  talvane-cli pdf417 &quot;LOT 2291-A&quot; --columns 3 --error-level 2 --port /dev/ttyUSB0
</source>
        <translation>示例:
  talvane-cli pdf417 &quot;LOT 2291-A&quot; --columns 3 --error-level 2 --port /dev/ttyUSB0
</translation>
    </message>
    <message>
        <source>usage: talvane-cli datamatrix DATA --port PORT [--module-width N] [--hex]
Stores DATA as a DataMatrix symbol and prints it. --module-width 2..8.
</source>
        <translation>用法: talvane-cli datamatrix DATA --port PORT [--module-width N] [--hex]
把 DATA 存为 DataMatrix 符号并打印。--module-width 2..8。
</translation>
    </message>
    <message>
        <source>Example:
  talvane-cli datamatrix &quot;SN 000123&quot; --module-width 4 --port /dev/ttyUSB0
</source>
        <translation>示例:
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
        <translation>用法: talvane-cli status --port PORT [--timeout MS] [--json] [options]
发送状态查询，等待打印机的状态字节（默认 1000 ms）并显示其含义。
--json 输出一行:
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
        <translation>退出码: 0 就绪，10 缺纸，11 压板抬起，12 切刀错误，13 过热，
  14 过压（同时有多种状态时取最小的码），15 无应答，
  2 命令行错误，4 --record 文件无法写入，5 端口错误。

示例:
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
        <translation>用法: talvane-cli decode [FILE | -] [--raw] [--replies]
读取控制台保存的记录文件或原始字节抓包，每条指令输出一行：
其十六进制文本、&quot;//&quot; 以及与操作记录中相同的解码说明。
输出本身就是一个记录文件。--raw 即使文本看起来像十六进制也按字节读取。
--replies 改为读取打印机发来的字节，并以文字显示每个应答
（状态字节、响应），与控制台接收区的显示相同。
未给出 FILE 时读取标准输入。tap 的抓包文件（tap 的 --capture）按 tap 当时的
显示方式显示：双向数据、应答释义、告警和汇总。

示例:
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
        <translation>用法: talvane-cli monitor --port PORT [--time] [--auto-status] [options]
以十六进制文本显示打印机发来的数据，并在下方注明状态字节、
响应和 XON (11) / XOFF (13) 的含义，直到被中断（Ctrl+C、SIGTERM：
退出码 0）。--time 在每行开头加上精确到毫秒的本地时间。
--auto-status 在运行期间打开打印机的自动状态回传 (GS a 2F)，
结束时再关闭 (GS a 00)，这样无需查询即可看到状态变化。
</translation>
    </message>
    <message>
        <source>Example:
  talvane-cli monitor --port /dev/ttyUSB0 --baud 115200
  talvane-cli monitor --port /dev/ttyUSB0 --time --auto-status
</source>
        <translation>示例:
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
        <translation>用法: talvane-cli send (FILE | --hex TEXT | --records FILE | --capture FILE) --port PORT
                        [options]
逐字节发送文件、十六进制文本（&quot;1B 40&quot;；只要有一对不是十六进制，整段文本都会被拒绝），
或控制台保存的记录文件中的各行（与其“重发”按钮的发送方式相同）。
FILE 为 &quot;-&quot; 时读取标准输入。--capture 按顺序发送 tap 抓包文件中程序发送的内容，
不包括打印机的应答。
</translation>
    </message>
    <message>
        <source>Examples:
  talvane-cli send receipt.bin --port COM3
  talvane-cli send --hex &quot;1B 40 1B 61 01&quot; --port /dev/ttyUSB0
  talvane-cli send --records saved.txt --port /dev/ttyUSB0 --baud 115200
  talvane-cli send --capture till.cap --port /dev/ttyUSB0
</source>
        <translation>示例:
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
        <translation>用法: talvane-cli tap --program SIDE --printer PORT [--capture FILE] [--records FILE]
                       [--receipts DIR [--model 58|80] [--plain]] [--json]
接在程序与其打印机之间：每个字节原样通过，程序发出的每条指令和打印机的
每个应答都实时显示（时间、与上一行的间隔、方向、十六进制、名称或释义）。
告警标在相应行上：未知指令、被截断、无应答 (500 ms)、
在暂停时发送（XOFF 或缺纸）。按 Ctrl+C（或 SIGTERM）停止并显示汇总。

程序端 (SIDE):
  pty:PATH             伪终端；PATH 成为指向它的链接，供程序打开；
                       其线路设置也会设置到串口打印机上
  tcp-listen:ADDR:PORT TCP 监听（只写 tcp-listen: 即 127.0.0.1:9100），
                       同一时间只接受一个程序连接
  passive:PORTA,PORTB  分接电缆上的两个串口（程序的 TX、打印机的 TX）；
                       不发送任何数据，不用 --printer
选项:
  --printer PORT       COM&lt;n&gt;、设备路径或 tcp://HOST:PORT
  --capture FILE       把双向数据保存为抓包文件（decode 可读取）
  --records FILE       把程序的指令保存为记录文件
  --receipts DIR       按虚拟打印机的打印效果，写出程序字节应打印出的小票
                       (receipt-0001.png、...；小票在切纸处和tap 停止时结束)
  --model 58|80        小票的纸宽（默认 58）；--plain: 白底上的普通点
  --json               每行一个 JSON 对象，最后一行为汇总

示例:
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
        <translation>用法: talvane-cli render [FILE | -] [--out DIR] [--model 58|80] [--plain] [--json] [--raw]
                          [--compare GOLDEN.png [--diff DIFF.png]]
在虚拟打印机上打印原始字节抓包、控制台保存的记录文件或 tap 抓包文件中程序
发送的内容，无需打印机和线路，并把每张小票写成一张图片
（receipt-0001.png、... 位于 --out，默认 receipts）。小票在切纸处和文件
末尾结束。按偏移量列出每条被跳过或无法执行的指令。
--plain 在白底上画普通的点；--json 输出一行，包含图片、被跳过的指令
和比较结果。--raw 即使文本看起来像十六进制也按字节读取。
--compare 把每张小票与标准图片（任一外观）或按顺序与标准文件夹中的图片
逐点比较，输出不同点的数量以及差异开始的行；小票比标准图多或少也算不同。
--diff 写出第一张不同小票的差异图（红：仅在小票中，蓝：仅在标准图中，
每个有差异的行左侧有红色标记）。使用 --compare 时，只有给出 --out
才会写出图片。

示例:
  talvane-cli render capture.bin --out receipts --model 80
  talvane-cli render receipt.bin --compare tests/golden/receipt.png --diff diff.png

退出码: 0 全部理解（使用 --compare 时：每张小票都完全相同），
  20 有指令被跳过或文件在指令中间结束（使用 --compare 时也是），
  21 有小票与其标准图不同，2 命令行错误，3 输入为空或抓包、记录文件
  无法解析，或标准图不是此宽度的小票，4 文件无法读取或写入。
</translation>
    </message>
</context>
<context>
    <name>cli-line</name>
    <message>
        <source>paper end</source>
        <translation>缺纸</translation>
    </message>
    <message>
        <source>platen up</source>
        <translation>压板抬起</translation>
    </message>
    <message>
        <source>cutter error</source>
        <translation>切刀错误</translation>
    </message>
    <message>
        <source>overheat</source>
        <translation>过热</translation>
    </message>
    <message>
        <source>over-voltage</source>
        <translation>过压</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>No serial ports found. Name one with --port PATH.</source>
        <translation>未找到串口。请用 --port PATH 指定一个。</translation>
    </message>
    <message>
        <source>give exactly one of FILE, --hex TEXT or --records FILE</source>
        <translation>FILE、--hex TEXT 和 --records FILE 只能且必须给出其中一个</translation>
    </message>
    <message>
        <source>--hex holds something that is not hexadecimal: &quot;%1&quot; (nothing was sent)</source>
        <translation>--hex 中含有非十六进制内容: &quot;%1&quot; (未发送任何数据)</translation>
    </message>
    <message>
        <source>--hex holds no byte (nothing was sent)</source>
        <translation>--hex 中没有任何字节 (未发送任何数据)</translation>
    </message>
    <message>
        <source>%1 line %2 is not a records line (only hex text before &quot;//&quot;); nothing was sent</source>
        <translation>%1 第 %2 行不是记录行（&quot;//&quot; 前只能是十六进制文本）；未发送任何数据</translation>
    </message>
    <message>
        <source>%1 holds no records; nothing was sent</source>
        <translation>%1 中没有记录；未发送任何数据</translation>
    </message>
    <message>
        <source>%1 is empty; nothing was sent</source>
        <translation>%1 为空；未发送任何数据</translation>
    </message>
    <message>
        <source>--timeout needs a positive number of milliseconds</source>
        <translation>--timeout 需要一个正的毫秒数</translation>
    </message>
    <message>
        <source>no status request: %1</source>
        <translation>未发送状态查询: %1</translation>
    </message>
    <message>
        <source>%1 before it answered</source>
        <translation>%1，打印机尚未应答</translation>
    </message>
    <message>
        <source>stopped by %1 while waiting for the status (the request was sent)</source>
        <translation>等待状态时被 %1 停止（查询已发送）</translation>
    </message>
    <message>
        <source>%1: status %2: %3</source>
        <translation>%1: 状态 %2: %3</translation>
    </message>
    <message>
        <source>%1: no answer within %2 ms</source>
        <translation>%1: %2 ms 内无应答</translation>
    </message>
    <message>
        <source>the printer on %1 took no command</source>
        <translation>%1 上的打印机不接收指令</translation>
    </message>
    <message>
        <source>watching %1; Ctrl+C ends</source>
        <translation>正在监视 %1；按 Ctrl+C 结束</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <translation>状态 %1: %2</translation>
    </message>
    <message>
        <source>response %1: &quot;%2&quot;</source>
        <translation>响应 %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 went away (unplugged or hung up)</source>
        <translation>%1 已断开（被拔出或挂断）</translation>
    </message>
</context>
<context>
    <name>cli-print</name>
    <message>
        <source>%1 (nothing was sent)</source>
        <translation>%1 (未发送任何数据)</translation>
    </message>
    <message>
        <source>--%1 is one of: %2; not &quot;%3&quot;</source>
        <translation>--%1 的取值为: %2；而不是 &quot;%3&quot;</translation>
    </message>
    <message>
        <source>unknown sample &quot;%1&quot;; the samples are %2 and all</source>
        <translation>未知样例 &quot;%1&quot;；样例有 %2 以及 all</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1: %2</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>阈值</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>--block-rows is 0 (one block) to %1</source>
        <translation>--block-rows 的取值为 0（单块）到 %1</translation>
    </message>
    <message>
        <source>%1 has nothing to print</source>
        <translation>%1 中没有可打印的内容</translation>
    </message>
    <message>
        <source>unknown barcode type &quot;%1&quot;; the types are %2</source>
        <translation>未知条码类型 &quot;%1&quot;；类型有 %2</translation>
    </message>
    <message>
        <source>%1 data cannot be given in hex</source>
        <translation>%1 的数据不能以十六进制给出</translation>
    </message>
    <message>
        <source>--%1 needs a whole number or auto, not &quot;%2&quot;</source>
        <translation>--%1 需要一个整数或 auto，而不是 &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>cli-render</name>
    <message>
        <source>identical to %1</source>
        <translation>与 %1 完全相同</translation>
    </message>
    <message>
        <source>%1 dots differ from %2</source>
        <translation>%1 个点不同于 %2</translation>
    </message>
    <message>
        <source>; differences start at rows %1</source>
        <translation>；差异开始于以下行: %1</translation>
    </message>
    <message>
        <source>; the receipt has %1 dot rows, the golden %2</source>
        <translation>；小票有 %1 点行，标准图有 %2</translation>
    </message>
    <message>
        <source>--model takes 58 or 80</source>
        <translation>--model 的取值为 58 或 80</translation>
    </message>
    <message>
        <source>--diff needs --compare</source>
        <translation>--diff 需要 --compare</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>无法创建 %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>offset %1: %2</source>
        <translation>偏移 %1: %2</translation>
    </message>
    <message>
        <source>offset %1: the input ends inside a command</source>
        <translation>偏移 %1: 输入在一条指令中间结束</translation>
    </message>
    <message>
        <source>%1 line %2 is not a records line (only hex text before &quot;//&quot;); nothing was printed</source>
        <translation>%1 第 %2 行不是记录行（&quot;//&quot; 前只能是十六进制文本）；未打印任何内容</translation>
    </message>
    <message>
        <source>differs from %1 in length: the receipt has %2 dot rows, the golden %3</source>
        <translation>长度与 %1 不同：小票有 %2 点行，标准图有 %3</translation>
    </message>
    <message>
        <source>%1 is empty: nothing to print</source>
        <translation>%1 为空：没有可打印的内容</translation>
    </message>
    <message>
        <source>receipt %1: %2</source>
        <translation>小票 %1：%2</translation>
    </message>
    <message>
        <source>the file prints %1 receipts, the golden has %2</source>
        <translation>文件打印 %1 张小票，标准图有 %2 张</translation>
    </message>
    <message>
        <source>nothing to print</source>
        <translation>没有可打印的内容</translation>
    </message>
    <message>
        <source>%1 is a receipt of %2 dots, not of %3 (--model)</source>
        <translation>%1 是宽度为 %2 点的小票，不是 %3 点 (--model)</translation>
    </message>
    <message>
        <source>%1 is no receipt of %2 dots (--model): it is %3 pixels wide</source>
        <translation>%1 不是宽度为 %2 点的小票 (--model)：它宽 %3 像素</translation>
    </message>
</context>
<context>
    <name>cli-tap</name>
    <message>
        <source>(%1 rows not shown: the output fell behind)</source>
        <translation>(有 %1 行未显示：输出跟不上)</translation>
    </message>
    <message>
        <source>--program is needed (pty:PATH, tcp-listen:ADDR:PORT or passive:PORTA,PORTB)</source>
        <translation>需要 --program（pty:PATH、tcp-listen:ADDR:PORT 或 passive:PORTA,PORTB）</translation>
    </message>
    <message>
        <source>a passive tap has no --printer: both lines are in --program</source>
        <translation>被动监听 (passive) 不使用 --printer：两条线路都在 --program 中</translation>
    </message>
    <message>
        <source>--printer is needed (COM&lt;n&gt;, a device path or tcp://HOST:PORT)</source>
        <translation>需要 --printer（COM&lt;n&gt;、设备路径或 tcp://HOST:PORT）</translation>
    </message>
    <message>
        <source>%1 line %2 is not a capture line (KIND SECONDS DATA)</source>
        <translation>%1 第 %2 行不是抓包行 (KIND SECONDS DATA)</translation>
    </message>
    <message>
        <source>--capture goes alone, without FILE, --hex or --records</source>
        <translation>--capture 只能单独使用，不能与 FILE、--hex 或 --records 同用</translation>
    </message>
    <message>
        <source>%1 is not a tap capture file (line %2); nothing was sent</source>
        <translation>%1 不是 tap 抓包文件（第 %2 行）；未发送任何数据</translation>
    </message>
    <message>
        <source>%1 holds nothing the program sent; nothing was sent</source>
        <translation>%1 中没有程序发送的内容；未发送任何数据</translation>
    </message>
    <message>
        <source>cannot create the receipts folder %1</source>
        <translation>无法创建小票文件夹 %1</translation>
    </message>
    <message>
        <source>tap: receipt %1 (%2 dot rows)</source>
        <translation>tap: 小票 %1（%2 点行）</translation>
    </message>
    <message>
        <source>--model takes 58 or 80</source>
        <translation>--model 的取值为 58 或 80</translation>
    </message>
    <message>
        <source>--model and --plain go with --receipts</source>
        <translation>--model 和 --plain 需与 --receipts 一起使用</translation>
    </message>
    <message>
        <source>cannot write the capture file: %1</source>
        <translation>无法写入捕获文件：%1</translation>
    </message>
    <message>
        <source>cannot write the capture file %1</source>
        <translation>无法写入捕获文件 %1</translation>
    </message>
    <message>
        <source>standard output took no more rows: %1 rows and the summary were not shown</source>
        <translation>标准输出不再接收行：%1 行和摘要未显示</translation>
    </message>
    <message>
        <source>the capture is not whole (%1); no capture or records file was written</source>
        <translation>捕获不完整（%1）；未写入捕获文件或记录文件</translation>
    </message>
    <message>
        <source>%1 bytes were not delivered to the printer</source>
        <translation>有 %1 字节未送达打印机</translation>
    </message>
</context>
</TS>
