#include "guitestutil.h"

#include "nativepath.h"
#include "util/testtools.h"

#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QSettings>
#include <QTreeView>
#include <algorithm>

namespace testutil {

QMessageBox::StandardButton TFakeSeam::messageBox(QWidget* owner, QMessageBox::Icon icon,
                                                  const QString& caption, const QString& text,
                                                  QMessageBox::StandardButtons buttons)
{
    Boxes.append({owner, icon, caption, text, buttons});
    if (!Answers.isEmpty())
        return Answers.dequeue();
    return buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
}

QStringList TFakeSeam::openFileNames(QWidget*, const QString& initialFolder, bool multiple)
{
    DialogCalls.append({QString(), initialFolder, QString(), multiple});
    return OpenAnswers.isEmpty() ? QStringList() : OpenAnswers.dequeue();
}

QString TFakeSeam::saveFileName(QWidget*, const QString& initialFolder, const QString& fileName)
{
    DialogCalls.append({QString(), initialFolder, fileName, false});
    return SaveAnswers.isEmpty() ? QString() : SaveAnswers.dequeue();
}

QString TFakeSeam::browseForFolder(QWidget*, const QString& title, const QString& initialFolder)
{
    DialogCalls.append({title, initialFolder, QString(), false});
    return FolderAnswers.isEmpty() ? QString() : FolderAnswers.dequeue();
}

bool TFakeSeam::openUrl(const QUrl& url)
{
    Opened.append(url);
    return true;
}

std::optional<TEngineKind> TFakeSeam::chooseEngine(QWidget*, TEngineKind current)
{
    EngineCalls.append(current);
    return EngineAnswers.isEmpty() ? std::nullopt : EngineAnswers.dequeue();
}

std::optional<QString> TFakeSeam::askPassword(QWidget*, const QString& question)
{
    PasswordQuestions.append(question);
    return PasswordAnswers.isEmpty() ? std::nullopt : PasswordAnswers.dequeue();
}

QStringList TFakeSeam::BoxTexts() const
{
    QStringList texts;
    for (const TShownBox& box : Boxes)
        texts << box.Caption + QLatin1Char('|') + box.Text;
    return texts;
}

TWindows::TWindows()
{
    Main = std::make_unique<TfrmMain>();
    frmMain = Main.get();
    Progress = std::make_unique<TfrmProgress>();
    frmProgress = Progress.get();
}

TWindows::~TWindows()
{
    frmProgress = nullptr;
    frmMain = nullptr;
    Progress.reset();
    Main.reset();
}

bool MakePdf(const QString& path, const QStringList& pageTexts)
{
    std::vector<std::string> texts;
    for (const QString& text : pageTexts)
        texts.push_back(text.toStdString());
    return MakeTestPdf(toNative(path), texts) && QFile::exists(path);
}

bool MakeEncryptedPdf(const QString& source, const QString& path)
{
    return MakeEncryptedPdf(toNative(source), toNative(path));
}

int PdfPageCount(const QString& path)
{
    return PdfPageCount(toNative(path));
}

QString PdfText(const QString& path)
{
    QStringList pages;
    for (const std::string& text : PdfPageTexts(toNative(path)))
        pages << QString::fromStdString(text);
    return pages.join(QLatin1Char('\f'));
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

namespace {
QString HomeFolder;
}

QString TestHomeFolder()
{
    return HomeFolder;
}

void PrepareGuiTestEnvironment()
{
    // Default output names go under the documents folder: keep them in a
    // throw-away home.
    static QTemporaryDir home;
    HomeFolder = home.path();
    qputenv("HOME", QFile::encodeName(HomeFolder));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(HomeFolder + QStringLiteral("/.config")));
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
    // Windows keeps settings in the registry, which outlives the test: in a file
    // in the throw-away home instead, as on Linux.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, HomeFolder + QStringLiteral("/.config"));
#endif
}

QTreeView* MergeListView(const TWindows& w)
{
    return w.Find<QTreeView>("ListView1");
}

QStringList ListColumn(const TWindows& w, int column)
{
    const QAbstractItemModel* model = MergeListView(w)->model();
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

int ListRowCount(const TWindows& w)
{
    return MergeListView(w)->model()->rowCount();
}

QList<int> SelectedListRows(const TWindows& w)
{
    QList<int> rows;
    for (const QModelIndex& index : MergeListView(w)->selectionModel()->selectedIndexes()) {
        if (index.column() == 0)
            rows << index.row();
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void SelectListRows(const TWindows& w, const QList<int>& rows)
{
    QTreeView* list = MergeListView(w);
    list->clearSelection();
    for (int row : rows)
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (!rows.isEmpty())
        list->selectionModel()->setCurrentIndex(list->model()->index(rows.first(), 0),
                                                QItemSelectionModel::NoUpdate);
}

} // namespace testutil
