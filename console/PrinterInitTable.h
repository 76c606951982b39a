#pragma once
// What "Printer Init" (ESC @) does to the setting each control of the window shows, on
// this printer: the settings it puts back to their power-on values and those it keeps.
// After the console has sent ESC @ (the button, or a quick test, which ends with it), the
// window shows the power-on values in the controls of the settings it resets, without
// sending anything, so that what the window says is what the printer does.

#include <span>

class CTalvaneDlg;

namespace printer_init {

// Where a control lives: its id is looked up there, as ids repeat between pages.
enum class Group { Dialog, BarcodePage, PDF417Page, QRCodePage, DataMatrixPage, LabelPage };

enum class AtInit { Reset, Keep };

struct Row {
    Group group;
    int id; // 0 for a whole page
    AtInit effect;
    int powerOn;     // edit: the number shown; list: the item; check box: 1 ticked, 0 clear
    const char* why; // the setting, and for a kept one why it stays
};

std::span<const Row> Rows();

// Shows the power-on value in every control of a setting ESC @ resets. Sends nothing.
void ShowPowerOnState(CTalvaneDlg& dlg);

} // namespace printer_init
