#pragma once
// The "Printer Setting" group and the cut and feed row below it: each control turns
// into one printer command, issued through the host's port and input checks and
// followed by its record row.

#include <QObject>
#include <QString>
#include <array>

class CTalvaneDlg;
class QAbstractButton;
class QComboBox;
class QLineEdit;
class QRadioButton;
class RememberedSettings;
class QWidget;
struct TextCodePage;

class SettingPanel : public QObject {
public:
    SettingPanel(CTalvaneDlg& dlg, QWidget* parent);

    QWidget* Widget() const { return box_; }

    // Fills the font, alignment, density and speed lists with their start-up items.
    void FillLists();
    // The edits' start-up texts and "Haft-Cut"; nothing is sent.
    void Start();
    // Wires the edits, lists, check boxes and buttons.
    void Connect();
    // The group's remembered settings, one line each (see the definition).
    void Remember(RememberedSettings& settings);

    // The code page chosen for typed text; null for the first item, the fixed mapping.
    const TextCodePage* CodePage() const;
    // The chosen item's text ("CP858", or the first item's), for remembering it.
    QString CodePageName() const;
    // Chooses the item of that text without sending anything; false (and no change)
    // for a text the list does not hold.
    bool SetCodePageName(const QString& name);

private:
    static constexpr int STYLE_COUNT = 7;

    void LineSpacingChange();
    void MarginChange(bool rightEdit);
    void StyleClick();
    void CoordinateSet();
    void Cut();
    void FeedOrBack(QLineEdit* edit, bool back);
    void CodePageChosen(int row);

    CTalvaneDlg& dlg_;
    QWidget* box_ = nullptr;
    QLineEdit* lineSpacing_ = nullptr;
    QLineEdit* leftMargin_ = nullptr;
    QLineEdit* rightMargin_ = nullptr;
    QComboBox* alignmentList_ = nullptr;
    QComboBox* densityList_ = nullptr;
    QLineEdit* coordinate_ = nullptr;
    QAbstractButton* coordinateSet_ = nullptr;
    QComboBox* fontList_ = nullptr;
    QComboBox* speedList_ = nullptr;
    QComboBox* codePageList_ = nullptr;
    std::array<QAbstractButton*, STYLE_COUNT> styles_ = {};
    QRadioButton* halfCut_ = nullptr;
    QLineEdit* cutFeed_ = nullptr;
    QAbstractButton* cut_ = nullptr;
    QAbstractButton* feed_ = nullptr;
    QLineEdit* feedDistance_ = nullptr;
    QAbstractButton* back_ = nullptr;
    QLineEdit* backDistance_ = nullptr;
};
