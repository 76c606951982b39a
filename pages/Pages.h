#pragma once
// The three tab pages of the main dialog, for the dialog to include in one line.

#include "Barcode.h"
#include "LayOut.h"
#include "TwoDCode.h"
