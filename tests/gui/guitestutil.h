// Shared by the window tests: a seam that answers boxes and dialogs without a
// person, PDFs generated with the gs command, the two checkers, and a Qt Test main
// that runs under the program's own application object.
#pragma once

#include "application.h"
#include "uiseam.h"

#include <QList>
#include <QPointer>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>

class QTreeView;
class TfrmMain;
class TfrmProgress;

namespace testutil {

struct TShownBox
{
    QPointer<QWidget> Owner;
    QMessageBox::Icon Icon;
    QString Caption;
    QString Text;
    QMessageBox::StandardButtons Buttons;
};

class TFakeSeam : public IUiSeam
{
public:
    TFakeSeam() { setUiSeam(this); }
    ~TFakeSeam() override { setUiSeam(nullptr); }

    // Answers, taken in order; a box without a queued answer gets Yes when it
    // offers Yes, else OK. Dialogs without a queued answer are cancelled.
    QQueue<QMessageBox::StandardButton> Answers;
    QQueue<QStringList> OpenAnswers;
    QQueue<QString> SaveAnswers;
    QQueue<QString> FolderAnswers;

    QList<TShownBox> Boxes;
    QList<QUrl> Opened;
    struct TDialogCall
    {
        QString Title;
        QString InitialFolder;
        QString FileName;
        bool Multiple = false;
    };
    QList<TDialogCall> DialogCalls;

    QMessageBox::StandardButton messageBox(QWidget* owner, QMessageBox::Icon icon, const QString& caption,
                                           const QString& text,
                                           QMessageBox::StandardButtons buttons) override;
    QStringList openFileNames(QWidget* owner, const QString& initialFolder, bool multiple) override;
    QString saveFileName(QWidget* owner, const QString& initialFolder, const QString& fileName) override;
    QString browseForFolder(QWidget* owner, const QString& title, const QString& initialFolder) override;
    bool openUrl(const QUrl& url) override;
    // Answers the Options window: the queued answer, else cancelled. Records the
    // engine it was opened with.
    QQueue<std::optional<TEngineKind>> EngineAnswers;
    QList<TEngineKind> EngineCalls;
    std::optional<TEngineKind> chooseEngine(QWidget* owner, TEngineKind current) override;
    // Answers password questions: the queued answer, else cancelled. Records each question.
    QQueue<std::optional<QString>> PasswordAnswers;
    QStringList PasswordQuestions;
    std::optional<QString> askPassword(QWidget* owner, const QString& question) override;

    // "caption|text" of every box shown, for compact comparisons.
    QStringList BoxTexts() const;
};

// A main window and a progress window as start-up makes them, plus a fake seam.
struct TWindows
{
    TWindows();
    ~TWindows();

    TFakeSeam Seam;
    std::unique_ptr<TfrmMain> Main;
    std::unique_ptr<TfrmProgress> Progress;

    template <typename T> T* Find(const char* name) const;
};

// The merge list (ListView1): its view, the texts of one column top to bottom
// (0 "ID" to 4, the hidden full path), its row count, the selected rows, and a
// selection made as a click would (the first row current).
QTreeView* MergeListView(const TWindows& w);
QStringList ListColumn(const TWindows& w, int column);
int ListRowCount(const TWindows& w);
QList<int> SelectedListRows(const TWindows& w);
void SelectListRows(const TWindows& w, const QList<int>& rows);

// The shared PDF tools of util/testtools.h for QString paths.
// A PDF with one page per text (ASCII); false when gs fails.
bool MakePdf(const QString& path, const QStringList& pageTexts);
// An encrypted copy by qpdf; false when qpdf fails.
bool MakeEncryptedPdf(const QString& source, const QString& path);
// The checkers: page count by qpdf (-1 when refused), each page's text by
// pdftotext, trimmed, pages separated by \f.
int PdfPageCount(const QString& path);
QString PdfText(const QString& path);
// Writes arbitrary bytes to a file.
bool WriteFile(const QString& path, const QByteArray& bytes);

// The folder HOME points to while the tests run (default output names go there).
QString TestHomeFolder();
void PrepareGuiTestEnvironment();

#define PLICORA_GUI_TEST_MAIN(TestClass)                                                                     \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        testutil::PrepareGuiTestEnvironment();                                                               \
        TPlicoraApplication app(argc, argv);                                                                 \
        Q_INIT_RESOURCE(plicora);                                                                            \
        TestClass test;                                                                                      \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&test, argc, argv);                                                              \
    }

} // namespace testutil

#include "mainform.h"
#include "pgbar.h"

namespace testutil {

template <typename T> T* TWindows::Find(const char* name) const
{
    T* widget = Main->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

} // namespace testutil
