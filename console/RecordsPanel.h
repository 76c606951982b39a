#pragma once
// The "Operational records" group: the list of decoded rows, one for every command
// sent, and its Clear, Save, Import and Resend buttons.

#include <QObject>

class CRecordsModel;
class CRecordsView;
class CTalvaneDlg;
class QAbstractButton;
class QWidget;

class RecordsPanel : public QObject {
public:
    RecordsPanel(CTalvaneDlg& dlg, CRecordsModel& model, QWidget* parent);

    QWidget* Widget() const { return box_; }

    // Shows the rows and wires the buttons.
    void Connect();

    void Clear();
    void Save();
    void Import();
    void Resend();

private:
    CTalvaneDlg& dlg_;
    CRecordsModel& model_;
    QWidget* box_ = nullptr;
    CRecordsView* view_ = nullptr;
    QAbstractButton* clear_ = nullptr;
    QAbstractButton* import_ = nullptr;
    QAbstractButton* save_ = nullptr;
    QAbstractButton* resend_ = nullptr;
};
