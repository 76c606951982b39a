#pragma once
// Every text the tool prints for a person goes through Qt's translation
// (QCoreApplication::translate, which gives the English source while no translator is
// installed). Fill puts the names and numbers into such a text, so a translation may
// order the words as its language does.

#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>

namespace cli {

// `pattern` with %1..%9 replaced by `args`, in one pass: an argument that holds "%2"
// stays as it is. The arguments' bytes are kept as they are (a path need not be UTF-8).
std::string Fill(const QString& pattern, std::initializer_list<std::string_view> args = {});

} // namespace cli
