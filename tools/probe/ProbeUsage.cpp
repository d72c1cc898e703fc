#include "tools/probe/ProbeUsage.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <nlohmann/json.hpp>

#include "platform/os/Translation.h"

using platform::FillText;

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitUsage = 2;

// The number of letters left out, added, changed or swapped with a neighbour between a and b.
std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) {
        d[i][0] = i;
    }
    for (std::size_t j = 0; j <= b.size(); ++j) {
        d[0][j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

bool IsOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

// After the program's own help: how it is used, and what the environment changes.
//: The end of brinevane-probe --help. Keep the commands, the options, BRINEVANE_PORTS and its
//: value as they are, and the explanations starting at the 38th column.
constexpr char kHelpEnd[] = BV_NOOP(
    "ProbeUsage",
    "\nExamples:\n"
    "  brinevane-probe search             Find the instrument; prints the port and rate: "
    "COM2 19200\n"
    "  brinevane-probe search --fast --parallel\n"
    "                                     The same, every port at once, likeliest rate first\n"
    "  brinevane-probe connect COM2 19200 Check that it answers there\n"
    "  brinevane-probe connect rfc2217://portserver:4001 9600\n"
    "                                     The same through a serial device server\n"
    "  brinevane-probe --json ports       The ports and their devices, as JSON\n"
    "  brinevane-probe help connect       A command's usage\n"
    "\nEnvironment:\n"
    "  BRINEVANE_PORTS                    The ports to use instead of the computer's own:\n"
    "                                     COM1=/dev/ttyUSB0,COM2=rfc2217://HOST:PORT (set and\n"
    "                                     empty: no ports at all)\n"
    "  LANGUAGE, LC_ALL, LC_MESSAGES, LANG\n"
    "                                     The language of the messages (with --json: English)\n");

void PrintHelp(const CLI::App& app, const CLI::App& command) {
    // A command's usage names the program too, as it is typed.
    const bool whole = &command == &app;
    std::fputs(command.help(whole ? std::string() : app.get_name()).c_str(), stdout);
    if (whole) {
        std::fputs(TrText("ProbeUsage", kHelpEnd).c_str(), stdout);
    }
}

}  // namespace

ProbeUsage::ProbeUsage(const CLI::App& app, int argc, const char* const* argv)
    : m_args(argv + 1, argv + argc) {
    std::vector<const CLI::App*> scopes{&app};
    for (const CLI::App* command : app.get_subcommands({})) {
        m_commands.emplace_back(command->get_name(), command->get_description());
        m_commandNames.push_back(command->get_name());
        scopes.push_back(command);
    }
    for (const CLI::App* scope : scopes) {
        for (const CLI::Option* option : scope->get_options()) {
            for (const std::string& name : option->get_lnames()) {
                m_options.push_back("--" + name);
            }
        }
    }
    m_json = AsksForJson(argc, argv);
    // The usage line says COMMAND, as the errors and the man page do.
    const auto formatter = app.get_formatter();
    //: The word for a command in the usage line: Usage: brinevane-probe [OPTIONS] COMMAND
    formatter->label("SUBCOMMAND", TrText("ProbeUsage", "COMMAND"));
    // The rest of the parser's own words.
    //: The usage line: Usage: brinevane-probe [OPTIONS] COMMAND
    formatter->label("Usage", TrText("ProbeUsage", "Usage"));
    //: The usage line: Usage: brinevane-probe [OPTIONS] COMMAND
    formatter->label("OPTIONS", TrText("ProbeUsage", "OPTIONS"));
    //: The heading of a command's arguments (connect's port and baud).
    formatter->label("Positionals", TrText("ProbeUsage", "Positionals"));
    //: Said of an argument that must be given: port TEXT REQUIRED
    formatter->label("REQUIRED", TrText("ProbeUsage", "REQUIRED"));
    //: The kind of value an argument takes: port TEXT REQUIRED
    formatter->label("TEXT", TrText("ProbeUsage", "TEXT"));
}

void ProbeUsage::NameGroups(CLI::App& app) {
    //: The heading of the options in --help.
    const std::string options = TrText("ProbeUsage", "Options");
    //: The heading of the commands in --help.
    const std::string commands = TrText("ProbeUsage", "Subcommands");
    std::vector<CLI::App*> scopes{&app};
    for (CLI::App* command : app.get_subcommands({})) {
        command->group(commands);
        scopes.push_back(command);
    }
    for (CLI::App* scope : scopes) {
        for (CLI::Option* option : scope->get_options()) {
            option->group(options);
        }
    }
}

bool ProbeUsage::AsksForJson(int argc, const char* const* argv) {
    const auto named = [](const char* name) {
        return [name](const char* arg) { return std::strcmp(arg, name) == 0; };
    };
    const char* const* const options = std::find_if(argv + 1, argv + argc, named("--"));
    return std::find_if(argv + 1, options, named("--json")) != options;
}

std::optional<int> ProbeUsage::Answer(const CLI::App& app) const {
    bool commandSeen = false;
    for (std::size_t i = 0; i < m_args.size() && m_args[i] != "--"; ++i) {
        const std::string& arg = m_args[i];
        if (!commandSeen && (arg == "--help" || arg == "-h")) {
            PrintHelp(app, app);
            return kExitSuccess;
        }
        if (arg.compare(0, 2, "--") == 0) {
            // No option here takes its value as a word of its own: each word is judged.
            const std::string name = arg.substr(0, arg.find('='));
            if (std::find(m_options.begin(), m_options.end(), name) == m_options.end()) {
                return Error(NotA(Word::Option, name, m_options));
            }
            continue;
        }
        if (commandSeen || IsOption(arg)) {
            continue;  // a command's own words, and short options, are the parser's to judge
        }
        commandSeen = true;
        if (arg == "help") {
            const std::string topic = i + 1 < m_args.size() ? m_args[i + 1] : std::string();
            const CLI::App* command = topic.empty() ? &app : nullptr;
            for (const CLI::App* named : app.get_subcommands({})) {
                command = named->get_name() == topic ? named : command;
            }
            if (command == nullptr) {
                return Error(NotA(Word::Command, topic, m_commandNames), true);
            }
            PrintHelp(app, *command);
            return kExitSuccess;
        }
        if (std::find(m_commandNames.begin(), m_commandNames.end(), arg) == m_commandNames.end()) {
            return Error(NotA(Word::Command, arg, m_commandNames), true);
        }
    }
    return std::nullopt;
}

std::string ProbeUsage::NotA(Word what, const std::string& word,
                             const std::vector<std::string>& choices) const {
    const std::string near = Nearest(word, choices);
    if (what == Word::Option) {
        //: %1 is what the user typed.
        return near.empty() ? FillText(TrText("ProbeUsage", "'%1' is not an option"), {word})
                            //: %1 is what the user typed, %2 the option it is nearest to.
                            : FillText(TrText("ProbeUsage",
                                              "'%1' is not an option; did you "
                                              "mean %2?"),
                                       {word, near});
    }
    //: %1 is what the user typed.
    return near.empty() ? FillText(TrText("ProbeUsage", "'%1' is not a command"), {word})
                        //: %1 is what the user typed, %2 the command it is nearest to.
                        : FillText(TrText("ProbeUsage", "'%1' is not a command; did you mean %2?"),
                                   {word, near});
}

int ProbeUsage::Error(const std::string& problem, bool withCommands) const {
    std::string usage = "brinevane-probe: " + problem + "\n";
    if (withCommands) {
        //: Keep it as the usage line of --help reads: Usage: brinevane-probe [OPTIONS] COMMAND
        usage += TrText("ProbeUsage", "Usage: brinevane-probe [OPTIONS] COMMAND") + "\n";
        std::size_t width = 0;
        for (const auto& command : m_commands) {
            width = std::max(width, command.first.size());
        }
        for (const auto& command : m_commands) {
            usage += "  " + command.first + std::string(width + 2 - command.first.size(), ' ') +
                     command.second + "\n";
        }
    }
    usage += TrText("ProbeUsage", "Run 'brinevane-probe --help' for usage.") + "\n";
    std::fputs(usage.c_str(), stderr);
    if (m_json) {
        const nlohmann::json object = {{"ok", false},
                                       {"error", "Usage error."},
                                       {"reason", problem},
                                       {"reason_code", "usage"}};
        std::printf("%s\n",
                    object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
    }
    return kExitUsage;
}

std::string ProbeUsage::Nearest(const std::string& word, const std::vector<std::string>& choices) {
    const std::string typed = Lower(word);
    std::string best;
    std::size_t bestDistance = 0;
    std::vector<std::string> starts;
    for (const std::string& choice : choices) {
        const std::string option = Lower(choice);
        const std::size_t distance = EditDistance(typed, option);
        // Within two slips any two short words are near: one slip for them.
        const std::size_t allowed = std::max(option.size(), typed.size()) <= 4 ? 1 : 2;
        if (distance <= allowed && (best.empty() || distance < bestDistance)) {
            best = choice;
            bestDistance = distance;
        }
        if (typed.size() >= 3 && typed.size() < option.size() &&
            option.compare(0, typed.size(), typed) == 0) {
            starts.push_back(choice);
        }
    }
    if (best.empty() && starts.size() == 1) {
        best = starts.front();
    }
    return best;
}
