#pragma once
// Helpers for driving the real main dialog headless, as a person would.

#include "ControlIds.h"
#include "PortMap.h"
#include "Prompts.h"
#include "TalvaneDlg.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class QAbstractButton;

// A dialog started on a port map of its own (so tests do not see each other's
// ports), with a scripted prompt seam installed before start-up.
struct DialogFixture {
    explicit DialogFixture(bool withPort = true);
    ~DialogFixture();

    PortMap ports;
    ScriptedPrompts prompts;
    std::unique_ptr<CTalvaneDlg> dlg;

    void Click(int id);
    void ClickButton(QAbstractButton* button);
    // Toggles the check box of a records row by clicking on it.
    void ClickRowCheck(int row);
    QString CellText(int row, int column) const;
    int RowCount() const;
    // Lets posted events (window messages, deferred scrolling) run.
    static void ProcessEvents();
};

QString WriteTempFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content);
QByteArray ReadFile(const QString& path);
