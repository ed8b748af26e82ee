// What the window remembers between runs, in the user's settings where the
// Options window keeps the engine (QSettings under the maker's and program's
// names: ~/.config/Tarvex/ on Linux, the registry on Windows).
#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

// The language chosen in Options; "" follows the system.
QString LoadLanguageSetting();
void SaveLanguageSetting(const QString& language);

// Whether a finished job shows its result (on until switched off).
bool LoadOpenResultSetting();
void SaveOpenResultSetting(bool open);

// The folders last used, each for its own dialog.
enum class TRecentFolder
{
    AddFiles,    // files added to the merge list
    SplitSource, // the document to split
    MergeOutput, // the merged file's folder
    SplitOutput  // the split files' folder
};

// "" when none is remembered (or it was cleared).
QString LoadRecentFolder(TRecentFolder which);
void SaveRecentFolder(TRecentFolder which, const QString& folder);

// The files last added or split, newest first, at most RecentFileLimit.
inline constexpr int RecentFileLimit = 10;
QStringList LoadRecentFiles();
// Puts `file` first, once.
void AddRecentFile(const QString& file);

// Forgets the remembered folders and files.
void ClearRecentFolders();
bool HasRecentFolders();

// The main window's size and its list's column widths; empty when none is kept.
QSize LoadWindowSize();
void SaveWindowSize(QSize size);
QList<int> LoadColumnWidths();
void SaveColumnWidths(const QList<int>& widths);
