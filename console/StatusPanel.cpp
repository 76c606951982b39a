// The "Printer status" group: "Read status" and "Clear-Buf", the five condition lamps
// that follow the status parser's notifications, and the sensor-value response, which
// goes to the label page's "AD:" box.

#include "ControlIds.h"
#include "LampButton.h"
#include "LayOut.h"
#include "TalvaneDlg.h"

#include <QPushButton>
#include <chrono>
#include <thread>

using namespace ids;

namespace {

// Lets the printer take the request at the quiet settings before they are put back.
constexpr auto STATUS_WAIT = std::chrono::milliseconds(100);
// Automatic status back for every condition the lamps show.
constexpr uint8_t AUTO_STATUS_ALL = 0x2F;

struct ConditionLamp {
    int id;
    uint32_t onMessage;
    uint32_t offMessage;
};
constexpr ConditionLamp CONDITION_LAMPS[] = {
    {IDC_LAMP_PAPER_END, PRN_MSG_PAPER_END, PRN_MSG_PAPER_END_CLEAR},
    {IDC_LAMP_OVERHEAT, PRN_MSG_OVERHEAT, PRN_MSG_OVERHEAT_CLEAR},
    {IDC_LAMP_CUTTER, PRN_MSG_CUTTER, PRN_MSG_CUTTER_CLEAR},
    {IDC_LAMP_OVERVOLTAGE, PRN_MSG_OVERVOLTAGE, PRN_MSG_OVERVOLTAGE_CLEAR},
    {IDC_LAMP_PLATEN_UP, PRN_MSG_PLATEN_UP, PRN_MSG_PLATEN_UP_CLEAR},
};

} // namespace

void CTalvaneDlg::ConnectStatusHandlers() {
    connect(qobject_cast<QPushButton*>(DialogControl(IDC_READ_STATUS)), &QPushButton::clicked, this,
            &CTalvaneDlg::OnReadStatus);
    connect(qobject_cast<QPushButton*>(DialogControl(IDC_CLEAR_BUFFER)), &QPushButton::clicked,
            this, &CTalvaneDlg::OnClearBuffer);
    for (const ConditionLamp& c : CONDITION_LAMPS) {
        auto* lamp = qobject_cast<CLampButton*>(DialogControl(c.id));
        OnMessage(c.onMessage, [lamp](uintptr_t, intptr_t) { lamp->SetLamp(true); });
        OnMessage(c.offMessage, [lamp](uintptr_t, intptr_t) { lamp->SetLamp(false); });
    }
    OnMessage(PRN_MSG_RESPONSE, [this](uintptr_t, intptr_t) { OnResponse(); });
}

void CTalvaneDlg::OnReadStatus() {
    // The lamps go dark first, even with the port closed; the answer lights them again.
    for (const ConditionLamp& c : CONDITION_LAMPS)
        qobject_cast<CLampButton*>(DialogControl(c.id))->SetLamp(false);
    if (WarnIfPortClosed() || !IsOpen()) return;
    DCB kept;
    QuietLine(&kept);
    RequestStatus();
    RecordSent();
    SetAutoStatusBack(AUTO_STATUS_ALL);
    RecordSent();
    std::this_thread::sleep_for(STATUS_WAIT);
    DCB_ = kept;
    SetState();
}

void CTalvaneDlg::OnClearBuffer() {
    if (WarnIfPortClosed() || !IsOpen()) return;
    DCB kept;
    QuietLine(&kept);
    ClearBuffer();
    RecordSent();
    std::this_thread::sleep_for(STATUS_WAIT);
    DCB_ = kept;
    SetState();
}

void CTalvaneDlg::OnResponse() {
    // Only the sensor value has a place to go; other responses are ignored.
    if (GetResponseId() != PRN_RESPONSE_SENSOR || !labelPage_) return;
    labelPage_->ShowSensorValue(QString::fromLatin1(GetResponseText()));
}
