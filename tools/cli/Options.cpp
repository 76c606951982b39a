#include "tools/cli/Options.h"

#include "tools/cli/Texts.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdlib>

namespace cli {

std::string ParsedArgs::Get(const std::string& name, const std::string& fallback) const {
    const auto it = values.find(name);
    return it == values.end() ? fallback : it->second;
}

std::optional<ParsedArgs> ParseArgs(int argc, char** argv, int first,
                                    const std::vector<OptionSpec>& optionList, std::string& error) {
    ParsedArgs parsed;
    bool optionsEnded = false;
    for (int i = first; i < argc; ++i) {
        const std::string arg = argv[i];
        // Only "--" starts an option: data such as "-12-" for a barcode stays an operand.
        if (optionsEnded || arg.rfind("--", 0) != 0) {
            if (!optionsEnded && arg == "-h")
                parsed.help = true;
            else
                parsed.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help") {
            parsed.help = true;
            continue;
        }
        std::string name = arg.substr(2);
        std::optional<std::string> inlineValue;
        const size_t equals = name.find('=');
        if (equals != std::string::npos) {
            inlineValue = name.substr(equals + 1);
            name.resize(equals);
        }
        const OptionSpec* option = nullptr;
        for (const OptionSpec& s : optionList)
            if (name == s.name) option = &s;
        if (option == nullptr) {
            error = Fill(QCoreApplication::translate("cli", "unknown option --%1"), {name});
            return std::nullopt;
        }
        if (parsed.Has(name)) {
            error = Fill(QCoreApplication::translate("cli", "--%1 is given twice"), {name});
            return std::nullopt;
        }
        if (!option->takesValue) {
            if (inlineValue) {
                error = Fill(QCoreApplication::translate("cli", "--%1 takes no value"), {name});
                return std::nullopt;
            }
            parsed.values[name] = "";
            continue;
        }
        if (inlineValue) {
            parsed.values[name] = *inlineValue;
            continue;
        }
        // "--hex --port X": the next option is no value; "--" alone would not be one either.
        const bool nextIsOption = i + 1 < argc && std::string(argv[i + 1]).rfind("--", 0) == 0;
        if (i + 1 >= argc || nextIsOption) {
            error = Fill(QCoreApplication::translate("cli", "--%1 needs a value"), {name});
            return std::nullopt;
        }
        parsed.values[name] = argv[++i];
    }
    return parsed;
}

bool TakeLanguage(int& argc, char** argv, std::string& code, std::string& error) {
    static const std::string OPTION = "--lang";
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") { // what follows is operands only
            while (i < argc) argv[kept++] = argv[i++];
            break;
        }
        if (arg.rfind(OPTION + "=", 0) == 0) {
            code = arg.substr(OPTION.size() + 1);
        } else if (arg == OPTION) {
            if (i + 1 >= argc) {
                error = "--lang needs a value";
                return false;
            }
            code = argv[++i];
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return true;
}

std::optional<long> ParseInteger(const std::string& text) {
    if (text.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || end == text.c_str() || *end != '\0' || text[0] == ' ') return std::nullopt;
    return value;
}

} // namespace cli
