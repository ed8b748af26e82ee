// What the main window remembers between runs: its size and the list's
// columns, the folders its dialogs last used, the output folders of the last
// jobs, and the files used last.
#include "application.h"
#include "formhelpers.h"
#include "mainform.h"
#include "mergelistmodel.h"
#include "nativepath.h"
#include "output/outputnames.h"
#include "platform/platform.h"
#include "text/filenames.h"
#include "text/strutil.h"
#include "ui_main.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QToolButton>
#include <algorithm>

void TfrmMain::RestoreWindowHabits()
{
    const QSize kept = LoadWindowSize();
    if (kept.isValid())
        resize(kept.expandedTo(minimumSize()));
    const QList<int> widths = LoadColumnWidths();
    QHeaderView* header = m_ui->ListView1->header();
    for (int column = 0; column < std::min<int>(widths.size(), header->count()); ++column) {
        if (widths[column] > 0)
            header->resizeSection(column, widths[column]);
    }
}

void TfrmMain::KeepWindowHabits()
{
    SaveWindowSize(size());
    QList<int> widths;
    const QHeaderView* header = m_ui->ListView1->header();
    for (int column = 0; column < header->count(); ++column)
        widths << header->sectionSize(column);
    SaveColumnWidths(widths);
}

QString TfrmMain::RecentFolder(TRecentFolder which) const
{
    const QString folder = LoadRecentFolder(which);
    // A folder since removed is no place to start.
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void TfrmMain::KeepRecentFolder(TRecentFolder which, const QString& fileOrFolder)
{
    const QFileInfo info(fileOrFolder);
    SaveRecentFolder(which, info.isDir() ? info.absoluteFilePath() : info.absolutePath());
}

std::string TfrmMain::ProposedMergeOutput(const std::string& listedPath) const
{
    const std::string proposal = DefaultMergeOutputName(m_defaultFolder, listedPath);
    const QString folder = RecentFolder(TRecentFolder::MergeOutput);
    if (folder.isEmpty())
        return proposal;
    return IncludeTrailingSeparator(toNative(QDir::toNativeSeparators(folder))) + ExtractFileName(proposal);
}

std::string TfrmMain::ProposedSplitLocation() const
{
    const QString folder = RecentFolder(TRecentFolder::SplitOutput);
    if (folder.isEmpty())
        return m_defaultFolder + "Tarvex" + plat::PathSeparator;
    return IncludeTrailingSeparator(toNative(QDir::toNativeSeparators(folder)));
}

void TfrmMain::KeepJobFolder(std::uint8_t kind)
{
    if (kind == JOB_MERGE)
        KeepRecentFolder(TRecentFolder::MergeOutput, fromNative(m_jobParam.OutputPath));
    else if (kind == JOB_SPLIT)
        KeepRecentFolder(TRecentFolder::SplitOutput, TrimmedText(m_ui->edtSplitLocation->text()));
}

void TfrmMain::AddRecentFilesMenu(QMenu& menu, bool toMergeList)
{
    const QStringList files = LoadRecentFiles();
    if (files.isEmpty()) {
        menu.addAction(tr("No recent files"))->setEnabled(false);
        return;
    }
    for (const QString& file : files) {
        QAction* action = menu.addAction(QDir::toNativeSeparators(file));
        connect(action, &QAction::triggered, this, [this, file, toMergeList] {
            RunGuarded([&] {
                if (toMergeList)
                    AddFilesToList({file});
                else
                    OpenSplitSource(file);
            });
        });
    }
}

void TfrmMain::SetUpRecentSourceMenu()
{
    auto* menu = new QMenu(m_ui->sbBrowseSrcFile);
    menu->setObjectName(QStringLiteral("RecentSourceMenu"));
    // Filled when it opens, so that it lists the files used until then.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        menu->clear();
        AddRecentFilesMenu(*menu, false);
    });
    m_ui->sbBrowseSrcFile->setMenu(menu);
    m_ui->sbBrowseSrcFile->setPopupMode(QToolButton::MenuButtonPopup);
}
