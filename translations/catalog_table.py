#!/usr/bin/env python3
"""Writes the C++ table of the translators' catalogs, for the programs without Qt.

    catalog_table.py OUT.cpp brinevane_de.ts brinevane_fr.ts ...

Each catalog's finished translations, as lrelease -nounfinished keeps them and Qt finds
them by context and source: a message whose translation is unfinished, vanished or obsolete,
or empty, is left out, so that the table and the .qm files give the same text for every
message. Entries are sorted by context, then
source, in byte order, for a binary search.
"""
import sys
import xml.etree.ElementTree as ET

SKIPPED = {"unfinished", "vanished", "obsolete"}


def finished_messages(path):
    root = ET.parse(path).getroot()
    # brinevane_pt_BR.ts: the name the programs ask for ("pt_BR"), whatever lupdate wrote.
    language = path.rsplit("/", 1)[-1][len("brinevane_"):-len(".ts")]
    entries = {}
    for context in root.iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            if message.get("numerus") == "yes":
                continue  # the programs look texts up by context and source alone
            # Qt finds a message with a comment when asked without one, unless a message
            # without one has the same source.
            commented = message.find("comment") is not None
            translation = message.find("translation")
            if translation is None or translation.get("type") in SKIPPED:
                continue
            text = translation.text or ""
            key = (name.encode(), (message.findtext("source") or "").encode())
            if text and not (commented and key in entries):
                entries[key] = text.encode()
    return language, sorted(entries.items())


def literal(data):
    # Octal escapes (at most three digits) never run into the character after them.
    out = []
    for byte in data:
        char = chr(byte)
        if char in '"\\':
            out.append("\\" + char)
        elif 0x20 <= byte < 0x7F and char != "?":
            out.append(char)
        else:
            out.append("\\%03o" % byte)
    return '"' + "".join(out) + '"'


def main(out_path, ts_paths):
    lines = ["// Made by translations/catalog_table.py from the catalogs; not to be edited.",
             '#include "translations/Catalog.h"', "", "namespace {", ""]
    tables = []
    for index, path in enumerate(ts_paths):
        language, entries = finished_messages(path)
        name = "kEntries%d" % index
        if entries:
            lines.append("constexpr Catalog::Entry %s[] = {" % name)
            for (context, source), translation in entries:
                lines.append("    {%s, %s, %s}," % (literal(context), literal(source),
                                                    literal(translation)))
            lines.append("};")
            tables.append('    {"%s", %s, %d},' % (language, name, len(entries)))
        else:
            tables.append('    {"%s", nullptr, 0},' % language)
    lines += ["", "constexpr Catalog::Table kTables[] = {"] + tables + ["};", "",
              "}  // namespace", "",
              "std::pair<const Catalog::Table*, std::size_t> Catalog::Tables() {",
              "    return {kTables, sizeof kTables / sizeof kTables[0]};", "}", ""]
    with open(out_path, "w", encoding="ascii") as out:
        out.write("\n".join(lines))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
