#pragma once
#include <QString>

// The wizard's catalog and Qt's own (the wizard's buttons, the boxes' buttons, the context
// menus) in the user's language, for Qt's texts and, through a lookup that asks Qt, for
// the code without Qt too (TrText).
class QtCatalog {
  public:
    // Loads the language's catalogs ("" for English: none) and installs them in the
    // application object, if there is one yet. Qt's own come from the system's translations
    // where it has them (Debian: qt6-translations-l10n). False when the wizard has no
    // catalog for the language.
    static bool Use(const QString& language);
    // Installs the catalogs in use in the application object made since.
    static void Install();
    // One of the wizard's own texts (wizard_text) in the language in use.
    static QString Wizard(const char* text);

  private:
    static const char* Lookup(const char* context, const char* source);
};
