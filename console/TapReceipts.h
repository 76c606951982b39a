#pragma once
// The tap window's receipts: the roll the program's bytes print (the virtual printer's
// renderer, as for the expected receipt), drawn beside the rows, and saved as PNG
// pictures, one a receipt.
#include "console/ExpectedReceiptRoll.h"
#include "console/FileAccess.h"

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <vector>


// The files the receipts of `view` go to when the operator names `path`: that file for
// one receipt, NAME-0001.png, NAME-0002.png, ... beside it for several.
QStringList ReceiptFileNames(const QString& path, int receipts);
// Writes each receipt as a PNG picture to its file; false at the first that fails.
bool SaveReceiptPictures(const ExpectedReceiptRoll::View& view, const QStringList& names,
                         files::Failure& failure);
