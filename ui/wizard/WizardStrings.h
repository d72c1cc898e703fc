// Every text the wizard shows that its dialog templates carry too, as plain preprocessor
// strings: the Win32 resource script reads this file as well as the C++ code. Everything
// else is in WizardTexts.h. An "&" marks the letter that Alt takes to the control, and is
// not shown: no two controls a page shows at once (its buttons included) share one.
#pragma once

#define WZ_PROGRAM_NAME "Brinevane Setup"
#define WZ_ABOUT_ITEM "&About Brinevane Setup..."
#define WZ_ABOUT_CAPTION "About Brinevane Setup"
#define WZ_ABOUT_TEXT "Finds a Brinevane ADCP on a serial port."
#define WZ_ABOUT_COPYRIGHT "Copyright 2026 the Brinevane Setup authors"
#define WZ_ABOUT_LICENCE "Free software under the MIT licence: see the LICENSE file."
#define WZ_OK "OK"
#define WZ_CANCEL "Cancel"
#define WZ_INTRO_TITLE "Welcome to Brinevane Setup"
#define WZ_INTRO_TEXT                                                                              \
    "This wizard finds your Brinevane ADCP on a serial port and checks that it answers.\n\nPress " \
    "'Next' to let the wizard search every serial port at every baud rate, or tick the box below " \
    "to give the port settings yourself."
#define WZ_DEMO_LEAD "Demo:"
#define WZ_DEMO_TEXT                                                                             \
    "the instrument is simulated by brinevane-sim on a pseudo-terminal; no real Brinevane ADCP " \
    "is used."
#define WZ_SPECIFY_PORT "I would like to &specify the port settings."
#define WZ_QUICK_SEARCH "&Quick search: all ports at once, the likeliest baud rate first"
#define WZ_COMM_TITLE "Communication Settings"
#define WZ_SETTINGS_GROUP "Settings"
#define WZ_PORT_LABEL "Serial &Port:"
#define WZ_BAUD_LABEL "Baud &Rate:"
#define WZ_COMM_TEXT                                                                               \
    "The settings shown at left will be used to communicate with the Brinevane.  Press 'Next' to " \
    "continue."
#define WZ_ADD_NETWORK_PORT "A&dd network port..."
#define WZ_ADD_NETWORK_PORT_TITLE "Add network port"
#define WZ_ADD_NETWORK_PORT_PROMPT                                                              \
    "The port of the serial device server: rfc2217://HOST:PORT, or socket://HOST:PORT for one " \
    "that passes raw bytes. HOST:PORT alone is taken as rfc2217://HOST:PORT."
#define WZ_ADD_NETWORK_PORT_START "rfc2217://"
#define WZ_NETWORK_PORT_NOT_ADDED "The network port was not added."
#define WZ_FINISH_TITLE "Congratulations!"
