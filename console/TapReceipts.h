#pragma once
// The tap window's receipts saved as PNG pictures, one a receipt (the window draws them
// with ReceiptRollView, as the expected receipt window does).
#include "console/ExpectedReceiptRoll.h"
#include "console/FileAccess.h"

#include <QStringList>

// The files the receipts of `view` go to when the operator names `path`: that file for
// one receipt, NAME-0001.png, NAME-0002.png, ... beside it for several.
QStringList ReceiptFileNames(const QString& path, int receipts);
// Writes each receipt as a PNG picture to its file; false at the first that fails.
bool SaveReceiptPictures(const ExpectedReceiptRoll::View& view, const QStringList& names,
                         files::Failure& failure);
