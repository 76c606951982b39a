#pragma once
// Marks a text of these rules for translation without needing Qt: the text stays the
// English source here, lupdate finds it by this macro (an alias of its no-op marker), and
// the Qt side that shows the text translates it in the same `context`.
#define TPC_TRANSLATE_NOOP(context, text) text
