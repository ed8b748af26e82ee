// The one seam through which the windows reach the person and the desktop: every
// message box, file dialog, folder picker and desktop "open" passes here, so tests
// can answer them without a person. The real implementation shows Qt dialogs.
#pragma once

#include "engines/pdfengine.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

class QFileDialog;
class QWidget;

class IUiSeam
{
public:
    virtual ~IUiSeam() = default;

    // A modal message box with exactly this owner, icon, caption, text and buttons;
    // returns the button pressed.
    virtual QMessageBox::StandardButton messageBox(QWidget* owner, QMessageBox::Icon icon,
                                                   const QString& caption, const QString& text,
                                                   QMessageBox::StandardButtons buttons) = 0;

    // File-open dialog ("PDF Document(s) (*.pdf)"); empty list when cancelled.
    virtual QStringList openFileNames(QWidget* owner, const QString& initialFolder, bool multiple) = 0;

    // File-save dialog (asks before overwriting); empty when cancelled.
    virtual QString saveFileName(QWidget* owner, const QString& initialFolder, const QString& fileName) = 0;

    // Folder picker; empty when cancelled. A chosen folder ends with a separator.
    virtual QString browseForFolder(QWidget* owner, const QString& title, const QString& initialFolder) = 0;

    // Desktop "open" of a file, folder, web page or mailto: address. Result ignored
    // by callers.
    virtual bool openUrl(const QUrl& url) = 0;

    // The Options window, modal to `owner`, opened with `current` chosen; the
    // chosen engine when OK was pressed, empty when cancelled.
    virtual std::optional<TEngineKind> chooseEngine(QWidget* owner, TEngineKind current) = 0;

    // Asks for a protected file's password in a field that hides what is typed;
    // empty when cancelled. `question` names the file.
    virtual std::optional<QString> askPassword(QWidget* owner, const QString& question) = 0;
};

// The seam in force: the real one unless a test installed its own.
IUiSeam& uiSeam();
// Installs a seam (tests); nullptr restores the real one. Not owned.
void setUiSeam(IUiSeam* seam);

// The folder picker behind the real seam. InitialBrowseFolder carries the folder to
// preselect from BrowseForFolder to FolderDialogCallback; it is overwritten by
// every call.
extern QString InitialBrowseFolder;

enum class TFolderDialogEvent
{
    Initialized
};

// Shows the folder picker modal to `owner` with `title` ("Select a folder for
// output file(s)" when empty). True with `folder` set (ending in a separator) when
// the user chose a folder; false with `folder` emptied otherwise.
bool BrowseForFolder(QWidget* owner, const QString& title, const QString& initialFolder, QString& folder);

// The picker's event callback: on Initialized it selects InitialBrowseFolder.
// Always returns 0.
int FolderDialogCallback(QFileDialog* dialog, TFolderDialogEvent event);
