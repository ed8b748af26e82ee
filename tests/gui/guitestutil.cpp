#include "guitestutil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <cstdlib>

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

QString PostScriptString(const QString& text)
{
    QString escaped;
    for (const QChar c : text) {
        if (c == QLatin1Char('(') || c == QLatin1Char(')') || c == QLatin1Char('\\'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return QLatin1Char('(') + escaped + QLatin1Char(')');
}

QString Run(const QString& program, const QStringList& arguments, int* exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

bool MakePdf(const QString& path, const QStringList& pageTexts)
{
    QString program = QStringLiteral("/Helvetica findfont 24 scalefont setfont\n");
    for (const QString& text : pageTexts)
        program += QStringLiteral("72 700 moveto %1 show showpage\n").arg(PostScriptString(text));
    const QString psPath = path + QStringLiteral(".ps");
    if (!WriteFile(psPath, program.toLatin1()))
        return false;
    int code = -1;
    Run(QStringLiteral("gs"),
        {QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
         QStringLiteral("-dSAFER"), QStringLiteral("-sDEVICE=pdfwrite"),
         QStringLiteral("-sOutputFile=") + path, psPath},
        &code);
    QFile::remove(psPath);
    return code == 0 && QFile::exists(path);
}

int PdfPageCount(const QString& path)
{
    int code = -1;
    const QString out = Run(QStringLiteral("qpdf"), {QStringLiteral("--show-npages"), path}, &code);
    bool ok = false;
    const int pages = out.trimmed().toInt(&ok);
    return code == 0 && ok ? pages : -1;
}

QString PdfText(const QString& path)
{
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
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
