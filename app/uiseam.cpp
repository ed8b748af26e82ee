#include "uiseam.h"

#include "options.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>

QString InitialBrowseFolder;

namespace {

QString PdfFilter()
{
    return QCoreApplication::translate("IUiSeam", "PDF Document(s) (*.pdf)");
}

// Like the system dialogs, each dialog starts where it was last left when the
// caller names no folder.
QString LastOpenFolder;
QString LastSaveFolder;

class TRealUiSeam : public IUiSeam
{
public:
    QMessageBox::StandardButton messageBox(QWidget* owner, QMessageBox::Icon icon, const QString& caption,
                                           const QString& text, QMessageBox::StandardButtons buttons) override
    {
        QMessageBox box(icon, caption, text, buttons, owner);
        // File names in the texts may look like markup; show them as they are.
        box.setTextFormat(Qt::PlainText);
        // The box waits for the person: no hourglass over it while files are added.
        const bool busy = QApplication::overrideCursor() != nullptr;
        if (busy)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
        const int pressed = box.exec();
        if (busy)
            QApplication::restoreOverrideCursor();
        return static_cast<QMessageBox::StandardButton>(pressed);
    }

    QStringList openFileNames(QWidget* owner, const QString& initialFolder, bool multiple) override
    {
        QFileDialog dialog(owner);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        dialog.setNameFilter(PdfFilter());
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        const QString folder = initialFolder.isEmpty() ? LastOpenFolder : initialFolder;
        if (!folder.isEmpty())
            dialog.setDirectory(folder);
        if (dialog.exec() != QDialog::Accepted)
            return {};
        LastOpenFolder = dialog.directory().absolutePath();
        return dialog.selectedFiles();
    }

    QString saveFileName(QWidget* owner, const QString& initialFolder, const QString& fileName) override
    {
        QFileDialog dialog(owner);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilter(PdfFilter());
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        const QString folder = initialFolder.isEmpty() ? LastSaveFolder : initialFolder;
        if (!folder.isEmpty())
            dialog.setDirectory(folder);
        dialog.selectFile(fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        LastSaveFolder = dialog.directory().absolutePath();
        return dialog.selectedFiles().constFirst();
    }

    QString browseForFolder(QWidget* owner, const QString& title, const QString& initialFolder) override
    {
        QString folder;
        return BrowseForFolder(owner, title, initialFolder, folder) ? folder : QString();
    }

    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }

    std::optional<TEngineKind> chooseEngine(QWidget* owner, TEngineKind current) override
    {
        TfrmOptions options(owner, current);
        if (options.exec() != QDialog::Accepted)
            return std::nullopt;
        return options.Engine();
    }

    std::optional<QString> askPassword(QWidget* owner, const QString& question) override
    {
        bool ok = false;
        const QString typed =
            QInputDialog::getText(owner, QCoreApplication::translate("TfrmMain", "Password"), question,
                                  QLineEdit::Password, QString(), &ok);
        return ok ? std::optional(typed) : std::nullopt;
    }
};

TRealUiSeam RealSeam;
IUiSeam* InstalledSeam = nullptr;

} // namespace

IUiSeam& uiSeam()
{
    return InstalledSeam ? *InstalledSeam : RealSeam;
}

void setUiSeam(IUiSeam* seam)
{
    InstalledSeam = seam;
}

bool BrowseForFolder(QWidget* owner, const QString& title, const QString& initialFolder, QString& folder)
{
    InitialBrowseFolder = initialFolder;
    QFileDialog dialog(
        owner, title.isEmpty() ? QCoreApplication::translate("IUiSeam", "Select a folder for output file(s)")
                               : title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    // Nothing is preselected without an initial folder.
    if (!initialFolder.isEmpty())
        FolderDialogCallback(&dialog, TFolderDialogEvent::Initialized);
    folder.clear();
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QFileInfo chosen(dialog.selectedFiles().constFirst());
    if (!chosen.isDir())
        return false;
    folder = chosen.absoluteFilePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return true;
}

int FolderDialogCallback(QFileDialog* dialog, TFolderDialogEvent event)
{
    if (event == TFolderDialogEvent::Initialized && dialog) {
        QDir dir(InitialBrowseFolder);
        // Open the parent and select the folder itself, as the shell picker does.
        if (dir.exists() && dir.cdUp()) {
            dialog->setDirectory(dir);
            dialog->selectFile(QDir::cleanPath(InitialBrowseFolder));
        } else {
            dialog->setDirectory(InitialBrowseFolder);
        }
    }
    return 0;
}
