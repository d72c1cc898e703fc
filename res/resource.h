#pragma once

// What the wizard's windows say about the program itself.
inline constexpr char kProgramName[] = "Brinevane Setup";
// String 101: the About item of the wizard's button row.
inline constexpr char IDS_ABOUTBOX[] = "&About Brinevane Setup...";
