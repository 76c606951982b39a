#pragma once
// The three tab pages of the main dialog, for the dialog to include in one line.

#include "pages/Barcode.h"
#include "pages/LayOut.h"
#include "pages/TwoDCode.h"
