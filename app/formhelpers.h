// What the main window's parts share (mainform.cpp, mergeside.cpp, splitside.cpp).
#pragma once

#include "job/jobchecks.h"

#include <QString>
#include <optional>
#include <string>

class QWidget;

// Shows a refusal of the core in a message box owned by `owner`: its caption,
// icon and message (the text, then its cause on a second line). True when there
// was one.
bool ShowRefusal(QWidget* owner, const std::optional<TRefusal>& refusal);

// A field's text without leading and trailing blanks and control characters.
QString TrimmedText(const QString& text);

// An existing file that is not a folder.
bool FileExists(const std::string& path);
