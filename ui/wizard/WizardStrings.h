// Every text the wizard shows that its dialog templates carry too, as plain preprocessor
// strings: the Win32 resource script reads this file as well as the C++ code. Everything
// else is in WizardTexts.h. An "&" marks the letter that Alt takes to the control, and is
// not shown: no two controls a page shows at once (its buttons included) share one.
//
// Each is marked for the translators' catalogs (BV_NOOP, which leaves the string as it is);
// the views look it up with wizard_text::Tr, and the Win32 view puts the translation over
// what its templates say.
#pragma once

#ifndef BV_NOOP
#define BV_NOOP(context, source) source
#endif

#define WZ_PROGRAM_NAME "Brinevane Setup"
#define WZ_ABOUT_ITEM BV_NOOP("WizardStrings", "&About Brinevane Setup...")
#define WZ_ABOUT_CAPTION BV_NOOP("WizardStrings", "About Brinevane Setup")
#define WZ_ABOUT_TEXT BV_NOOP("WizardStrings", "Finds a Brinevane ADCP on a serial port.")
#define WZ_ABOUT_COPYRIGHT BV_NOOP("WizardStrings", "Copyright 2026 the Brinevane Setup authors")
#define WZ_ABOUT_LICENCE \
    BV_NOOP("WizardStrings", "Free software under the MIT licence: see the LICENSE file.")
#define WZ_OK BV_NOOP("WizardStrings", "OK")
#define WZ_CANCEL BV_NOOP("WizardStrings", "Cancel")
#define WZ_INTRO_TITLE BV_NOOP("WizardStrings", "Welcome to Brinevane Setup")
//: 'Next' is the wizard's button "&Next >": quote it as the button reads in your language,
//: without its "&" and ">".
#define WZ_INTRO_TEXT                                                                            \
    BV_NOOP("WizardStrings",                                                                     \
            "This wizard finds your Brinevane ADCP on a serial port and checks that it "         \
            "answers.\n\nPress 'Next' to let the wizard search every serial port at every baud " \
            "rate, or tick the box below to give the port settings yourself.")
#define WZ_DEMO_LEAD BV_NOOP("WizardStrings", "Demo:")
//: Follows "Demo:" in bold.
#define WZ_DEMO_TEXT                                                                      \
    BV_NOOP("WizardStrings",                                                              \
            "the instrument is simulated by brinevane-sim on a pseudo-terminal; no real " \
            "Brinevane ADCP is used.")
#define WZ_SPECIFY_PORT BV_NOOP("WizardStrings", "I would like to &specify the port settings.")
#define WZ_QUICK_SEARCH \
    BV_NOOP("WizardStrings", "&Quick search: all ports at once, the likeliest baud rate first")
#define WZ_COMM_TITLE BV_NOOP("WizardStrings", "Communication Settings")
#define WZ_SETTINGS_GROUP BV_NOOP("WizardStrings", "Settings")
#define WZ_PORT_LABEL BV_NOOP("WizardStrings", "Serial &Port:")
#define WZ_BAUD_LABEL BV_NOOP("WizardStrings", "Baud &Rate:")
//: 'Next' is the wizard's button "&Next >": quote it as the button reads in your language,
//: without its "&" and ">".
#define WZ_COMM_TEXT                                                                             \
    BV_NOOP("WizardStrings",                                                                     \
            "The settings shown at left will be used to communicate with the Brinevane.  Press " \
            "'Next' to continue.")
#define WZ_ADD_NETWORK_PORT BV_NOOP("WizardStrings", "A&dd network port...")
#define WZ_ADD_NETWORK_PORT_TITLE BV_NOOP("WizardStrings", "Add network port")
#define WZ_ADD_NETWORK_PORT_PROMPT                                                              \
    BV_NOOP("WizardStrings",                                                                    \
            "The port of the serial device server: rfc2217://HOST:PORT, or socket://HOST:PORT " \
            "for one that passes raw bytes. HOST:PORT alone is taken as rfc2217://HOST:PORT.")
#define WZ_ADD_NETWORK_PORT_START "rfc2217://"
#define WZ_NETWORK_PORT_NOT_ADDED BV_NOOP("WizardStrings", "The network port was not added.")
#define WZ_FINISH_TITLE BV_NOOP("WizardStrings", "Congratulations!")
