#pragma once
// The real main dialog for the start-up and records tests, and their file helpers.

#include "tests/support/ConsoleDialog.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A dialog whose only port is a device that does not exist (or none at all).
struct DialogFixture : ConsoleDialog {
    static constexpr const char* NO_DEVICE = "/dev/null-test-port";
    explicit DialogFixture(bool withPort = true) : ConsoleDialog(withPort ? NO_DEVICE : "") {}

    // Toggles the check box of a records row by clicking on it.
    void ClickRowCheck(int row);
    QString CellText(int row, int column) const;
};

QString WriteTempFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content);
QByteArray ReadFile(const QString& path);
