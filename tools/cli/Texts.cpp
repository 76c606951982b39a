#include "tools/cli/Texts.h"

#include <vector>

namespace cli {

std::string Fill(const QString& pattern, std::initializer_list<std::string_view> args) {
    const std::string text = pattern.toStdString();
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const size_t number = next >= '1' && next <= '9' ? static_cast<size_t>(next - '0') : 0;
        if (text[i] == '%' && number != 0 && number <= values.size()) {
            out += values[number - 1];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace cli
