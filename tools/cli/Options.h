#pragma once
// The command line of talvane-cli: a subcommand, its options (--name VALUE,
// --name=VALUE or --flag) and its operands. Each subcommand says which options it
// takes; anything else is a usage error with a message that names it.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace cli {

struct OptionSpec {
    const char* name;  // without the leading "--"
    bool takesValue;
};

struct ParsedArgs {
    std::map<std::string, std::string> values; // option name -> value ("" for flags)
    std::vector<std::string> operands;
    bool help = false;

    bool Has(const std::string& name) const { return values.count(name) != 0; }
    std::string Get(const std::string& name, const std::string& fallback = {}) const;
};

// Parses argv[first..argc) against `optionList`. On a usage error returns nothing and sets
// `error` to the message.
std::optional<ParsedArgs> ParseArgs(int argc, char** argv, int first,
                                    const std::vector<OptionSpec>& optionList, std::string& error);

// Takes "--lang CODE" (or "--lang=CODE") out of argv wherever it stands, as --verbose
// is: the language of every subcommand. False with `error` set when it has no value.
bool TakeLanguage(int& argc, char** argv, std::string& code, std::string& error);

// A decimal integer with an optional sign and nothing else; nothing otherwise.
std::optional<long> ParseInteger(const std::string& text);

} // namespace cli
