#include "settings.h"

#include <QSettings>
#include <QVariant>

namespace {

constexpr char LanguageKey[] = "Language";
constexpr char OpenResultKey[] = "OpenResultWhenDone";
constexpr char RecentGroup[] = "Recent";
constexpr char RecentFilesKey[] = "Recent/Files";
constexpr char WindowSizeKey[] = "Window/Size";
constexpr char ColumnWidthsKey[] = "Window/ColumnWidths";

QString FolderKey(TRecentFolder which)
{
    switch (which) {
    case TRecentFolder::AddFiles:
        return QStringLiteral("Recent/AddFilesFolder");
    case TRecentFolder::SplitSource:
        return QStringLiteral("Recent/SplitSourceFolder");
    case TRecentFolder::MergeOutput:
        return QStringLiteral("Recent/MergeOutputFolder");
    case TRecentFolder::SplitOutput:
        break;
    }
    return QStringLiteral("Recent/SplitOutputFolder");
}

} // namespace

QString LoadLanguageSetting()
{
    return QSettings().value(QLatin1String(LanguageKey)).toString();
}

void SaveLanguageSetting(const QString& language)
{
    QSettings().setValue(QLatin1String(LanguageKey), language);
}

bool LoadOpenResultSetting()
{
    return QSettings().value(QLatin1String(OpenResultKey), true).toBool();
}

void SaveOpenResultSetting(bool open)
{
    QSettings().setValue(QLatin1String(OpenResultKey), open);
}

QString LoadRecentFolder(TRecentFolder which)
{
    return QSettings().value(FolderKey(which)).toString();
}

void SaveRecentFolder(TRecentFolder which, const QString& folder)
{
    if (!folder.isEmpty())
        QSettings().setValue(FolderKey(which), folder);
}

QStringList LoadRecentFiles()
{
    return QSettings().value(QLatin1String(RecentFilesKey)).toStringList().mid(0, RecentFileLimit);
}

void AddRecentFile(const QString& file)
{
    QStringList files = LoadRecentFiles();
    files.removeAll(file);
    files.prepend(file);
    QSettings().setValue(QLatin1String(RecentFilesKey), files.mid(0, RecentFileLimit));
}

void ClearRecentFolders()
{
    QSettings().remove(QLatin1String(RecentGroup));
}

bool HasRecentFolders()
{
    QSettings settings;
    settings.beginGroup(QLatin1String(RecentGroup));
    return !settings.childKeys().isEmpty();
}

QSize LoadWindowSize()
{
    return QSettings().value(QLatin1String(WindowSizeKey)).toSize();
}

void SaveWindowSize(QSize size)
{
    QSettings().setValue(QLatin1String(WindowSizeKey), size);
}

QList<int> LoadColumnWidths()
{
    QList<int> widths;
    for (const QVariant& width : QSettings().value(QLatin1String(ColumnWidthsKey)).toList())
        widths << width.toInt();
    return widths;
}

void SaveColumnWidths(const QList<int>& widths)
{
    QVariantList list;
    for (const int width : widths)
        list << width;
    QSettings().setValue(QLatin1String(ColumnWidthsKey), list);
}
