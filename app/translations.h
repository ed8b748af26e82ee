// The window's languages: Plicora's catalogues (embedded, :/i18n/) and Qt's own,
// chosen by the system's locale or the language picked in Options, and the
// core's shared texts shown translated.
#pragma once

#include "text/coretext.h"

#include <QString>
#include <QStringList>

class QToolButton;

// A text the core marked, in the window's language: the template translated
// first, then the same arguments put in as the command line puts them.
QString CoreText(const TCoreText& text);

// The languages the window speaks besides English, as catalogue suffixes
// ("de", "pt_BR"...), in the order Options lists them.
QStringList WindowLanguages();

// A language's name in that language ("Deutsch", "日本語").
QString LanguageOwnName(const QString& language);

// The Merge and Split buttons carry their caption in their picture (`svg`, whose
// caption reads `english`): drawn again with `caption` when the language has
// other words, on a plate as wide as they need, up to the picture's width.
void SetCaptionedPicture(QToolButton* button, const QString& svg, const QString& english,
                         const QString& caption);

// Loads the catalogues of `language` ("" follows the system's locale) into the
// application, replacing those loaded before, and makes it the locale numbers
// are shown in when it was chosen. Call before the windows are made: their
// texts are set when they are built. Returns the language found ("" for English).
QString InstallTranslations(const QString& language);
