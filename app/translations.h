// The window's languages: the core's shared texts shown translated.
#pragma once

#include "text/coretext.h"

#include <QString>

// A text the core marked, in the window's language: the template translated
// first, then the same arguments put in as the command line puts them.
QString CoreText(const TCoreText& text);
