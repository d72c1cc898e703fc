#pragma once
#include <string>

#include "platform/os/Translation.h"
#include "ui/wizard/WizardStrings.h"

// Every text the wizard shows, once for both of its views: titles, labels, the page texts
// and the messages of its own boxes. The jobs' messages ("No Brinevane ADCPs were
// detected!", ...) belong to the jobs, which the command line shares. Each constant is the
// English text; Tr gives it in the user's language.
namespace wizard_text {

// The catalogs' context of every constant here.
inline constexpr char kContext[] = "WizardStrings";
// A constant of this file in the language in use.
std::string Tr(const char* text);

inline constexpr char kProgramName[] = WZ_PROGRAM_NAME;
// The About item of the system menu, or of the button row where there is no such menu.
inline constexpr char kAboutItem[] = WZ_ABOUT_ITEM;
inline constexpr char kAboutCaption[] = WZ_ABOUT_CAPTION;
inline constexpr char kAboutText[] = WZ_ABOUT_TEXT;
inline constexpr char kAboutCopyright[] = WZ_ABOUT_COPYRIGHT;
inline constexpr char kAboutLicence[] = WZ_ABOUT_LICENCE;
// Where the project lives, for the About box.
const char* HomePage();
inline constexpr char kOk[] = WZ_OK;
inline constexpr char kCancel[] = WZ_CANCEL;
// The wizard's own buttons, named from the same catalog as the pages that quote them ("Press
// 'Next'"), so that the two always agree.
inline constexpr char kBack[] = BV_NOOP("WizardStrings", "< &Back");
inline constexpr char kNext[] = BV_NOOP("WizardStrings", "&Next >");
//: 'Finish' in "Press 'Finish' to close the wizard." quotes this button.
inline constexpr char kFinish[] = BV_NOOP("WizardStrings", "&Finish");

inline constexpr char kIntroTitle[] = WZ_INTRO_TITLE;
inline constexpr char kIntroText[] = WZ_INTRO_TEXT;
inline constexpr char kDemoLead[] = WZ_DEMO_LEAD;
inline constexpr char kDemoText[] = WZ_DEMO_TEXT;
inline constexpr char kSpecifyPort[] = WZ_SPECIFY_PORT;
inline constexpr char kQuickSearch[] = WZ_QUICK_SEARCH;

inline constexpr char kCommTitle[] = WZ_COMM_TITLE;
inline constexpr char kSettingsGroup[] = WZ_SETTINGS_GROUP;
inline constexpr char kPortLabel[] = WZ_PORT_LABEL;
inline constexpr char kBaudLabel[] = WZ_BAUD_LABEL;
inline constexpr char kCommText[] = WZ_COMM_TEXT;
inline constexpr char kAddNetworkPort[] = WZ_ADD_NETWORK_PORT;
inline constexpr char kAddNetworkPortTitle[] = WZ_ADD_NETWORK_PORT_TITLE;
inline constexpr char kAddNetworkPortPrompt[] = WZ_ADD_NETWORK_PORT_PROMPT;
inline constexpr char kAddNetworkPortStart[] = WZ_ADD_NETWORK_PORT_START;
inline constexpr char kNetworkPortNotAdded[] = WZ_NETWORK_PORT_NOT_ADDED;

inline constexpr char kFinishTitle[] = WZ_FINISH_TITLE;

// " v. 1.05" for 1.5.x.x, " v. 2.10.003" for 2.10.3.x: the build number never shows.
std::string VersionSuffix(unsigned major, unsigned minor, unsigned patch, unsigned build);
// The suffix for this program's own version.
std::string ProductVersionSuffix();
// "no prompt at ..." reads better in a box as "No prompt at ...".
std::string Sentence(const std::string& text);

}  // namespace wizard_text
