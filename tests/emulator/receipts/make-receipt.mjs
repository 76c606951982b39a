// Writes receipts made by a public ESC/POS encoder, one file each, into the
// folder given; the virtual printer's tests print and read them back.
import ReceiptPrinterEncoder from '@point-of-sale/receipt-printer-encoder';
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';

const folder = process.argv[2];
const options = { language: 'esc-pos', printerModel: 'epson-tm-t88vi', columns: 32 };

const styles = new ReceiptPrinterEncoder(options)
  .initialize()
  .codepage('cp437')
  .line('Plain line')
  .bold(true).line('Bold line').bold(false)
  .underline(true).line('Underlined').underline(false)
  .invert(true).line('Inverted').invert(false)
  .size(2, 2).line('Big').size(1, 1)
  .codepage('windows1252').line('Caf\u00e9 \u20ac 5')
  .codepage('cp866').line('\u041f\u0440\u0438\u0432\u0435\u0442')
  .cut()
  .encode();
writeFileSync(join(folder, 'styles.bin'), styles);

const codes = new ReceiptPrinterEncoder(options)
  .initialize()
  .align('center')
  .barcode('TALVANE-128', 'code128', { height: 60, width: 2, text: true })
  .newline()
  .barcode('4901234567894', 'ean13', { height: 60, width: 2, text: true })
  .newline()
  .qrcode('https://example.org/receipt/42', { model: 2, size: 6, errorlevel: 'm' })
  .newline()
  .pdf417('Talvane PDF417 test', { width: 2, height: 3, columns: 4, errorlevel: 1 })
  .newline()
  .cut()
  .encode();
writeFileSync(join(folder, 'codes.bin'), codes);
