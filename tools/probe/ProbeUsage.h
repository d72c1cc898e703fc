#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace CLI {
class App;
}

// What brinevane-probe says about a command line it cannot take: the problem, the word it
// may have meant, the commands, and with --json the same as a JSON object on stdout (reason
// code "usage"), so that a script that reads only stdout is told too.
class ProbeUsage {
  public:
    // Learns the commands and options from the parser; --json is read from the arguments
    // before they are parsed, since a usage error must come in the form asked for.
    ProbeUsage(const CLI::App& app, int argc, const char* const* argv);

    // What comes before the parser: "help [COMMAND]" prints that help (the program's with
    // examples and its environment, as --help does); a first word that
    // is no command, or an option that no command has, is a usage error with the nearest
    // one. The exit status when it answered, else nothing.
    std::optional<int> Answer(const CLI::App& app) const;

    // Writes the problem (and, asked to, the commands); returns a usage error's status, 2.
    int Error(const std::string& problem, bool withCommands = false) const;

    // The choice nearest to word when it looks like a slip of the keyboard (a letter left
    // out, added, changed or two swapped, or the start of just one choice); else empty.
    static std::string Nearest(const std::string& word, const std::vector<std::string>& choices);

    // The parser names the groups of its help itself ("Options", "Subcommands"): these
    // headings read in the user's language too. After every option and command is added.
    static void NameGroups(CLI::App& app);

    // True when --json is among the options (before any "--"): a program reads the output.
    static bool AsksForJson(int argc, const char* const* argv);

  private:
    enum class Word { Option, Command };
    // "'conect' is not a command; did you mean connect?"
    std::string NotA(Word what, const std::string& word,
                     const std::vector<std::string>& choices) const;

    std::vector<std::string> m_args;
    std::vector<std::pair<std::string, std::string>> m_commands;  // name, description
    std::vector<std::string> m_commandNames;
    std::vector<std::string> m_options;  // every command's long options: "--json"
    bool m_json = false;
};
