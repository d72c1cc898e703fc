#pragma once
#include <CLI/CLI.hpp>

#include <string>

// The parser's help, with each option's explanation starting at the same column whatever
// the language: the parser pads the option's name by bytes, and a translated "REQUIRED"
// in Japanese takes three bytes for every two columns.
class HelpFormatter : public CLI::Formatter {
  public:
    std::string make_option(const CLI::Option* option, bool positional) const override;
};
