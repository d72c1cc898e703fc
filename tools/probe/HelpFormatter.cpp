#include "tools/probe/HelpFormatter.h"

#include "tools/probe/ProgressLine.h"

std::string HelpFormatter::make_option(const CLI::Option* option, bool positional) const {
    const std::string name = "  " + make_option_name(option, positional) + make_option_opts(option);
    const std::string description = make_option_desc(option);
    const auto width = static_cast<int>(get_column_width());
    const int columns = ProgressLine::Columns(name);
    std::string line = name;
    const auto pad = [&line](int count) {
        if (count > 0)
            line.append(static_cast<std::size_t>(count), ' ');
    };
    pad(width - columns);
    if (!description.empty()) {
        if (columns >= width) {
            line += '\n';
            pad(width);
        }
        for (const char c : description) {
            line += c;
            if (c == '\n')
                pad(width);
        }
    }
    return line + '\n';
}
