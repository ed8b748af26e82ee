#include "guitestutil.h"

#include "util/testtools.h"

#include <QDir>
#include <QFile>
#include <cstdlib>

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

namespace {

std::string LocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

bool MakePdf(const QString& path, const QStringList& pageTexts)
{
    std::vector<std::string> texts;
    for (const QString& text : pageTexts)
        texts.push_back(text.toStdString());
    return MakeTestPdf(LocalPath(path), texts) && QFile::exists(path);
}

bool MakeEncryptedPdf(const QString& source, const QString& path)
{
    return MakeEncryptedPdf(LocalPath(source), LocalPath(path));
}

int PdfPageCount(const QString& path)
{
    return PdfPageCount(LocalPath(path));
}

QString PdfText(const QString& path)
{
    QStringList pages;
    for (const std::string& text : PdfPageTexts(LocalPath(path)))
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
    const QByteArray homeBytes = QFile::encodeName(HomeFolder);
    ::setenv("HOME", homeBytes.constData(), 1);
    ::setenv("XDG_CONFIG_HOME", (homeBytes + "/.config").constData(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
}

} // namespace testutil
