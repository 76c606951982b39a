#pragma once
// A page hosted as the main dialog would host it, driven with the operator's hands.

#include "printer/HexText.h"
#include "tests/support/OperatorHands.h"
#include "tests/support/PageHostStandIn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>

using PageFixture = PageHostStandIn;
using hands::Click;
using hands::PasteOver;
using hands::Retype;

template <typename Control = QWidget> Control* Ctl(QWidget* page, int id) {
    auto* control = qobject_cast<Control*>(hands::ControlIn(page, id));
    EXPECT_NE(control, nullptr) << "no control " << id;
    return control;
}

// The pages' lists are chosen with the arrow keys, so each row passed is sent too.
inline void Choose(QComboBox* list, int row) {
    hands::StepTo(list, row);
}

inline std::string Hex(const std::string& bytes) {
    return HexOf(bytes);
}
