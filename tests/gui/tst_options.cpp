// The Options window and the engine choice: what the window offers and answers,
// that the main window's "Options" link stores an accepted choice, that the next
// merge or split uses it, and that a new window reads it back.
#include "guitestutil.h"
#include "options.h"
#include "settings.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

using namespace testutil;

Q_DECLARE_METATYPE(TEngineKind)

namespace {

// What a window remembers for the next one.
enum class THabit
{
    AddFilesFolder,
    SplitSourceFolder,
    MergeOutputFolder,
    SplitOutputFolder,
    WindowSize,
    ColumnWidths,
    OpenResultByDefault,
    OpenResultSwitchedOff,
    RecentFiles,
    ClearedFolders
};

} // namespace

Q_DECLARE_METATYPE(THabit)

class TestOptions : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    void LeaveHabit(TWindows& w, THabit habit, const QString& sub)
    {
        switch (habit) {
        case THabit::AddFilesFolder:
        case THabit::ClearedFolders:
            w.Seam.OpenAnswers << QStringList{sub + "/alpha.pdf"};
            w.Main->sbAddFilesClick();
            QTRY_VERIFY(!w.Main->IsCountingFiles());
            if (habit == THabit::ClearedFolders) {
                TfrmOptions options(w.Main.get(), TEngineKind::Exact);
                QTest::mouseClick(options.findChild<QPushButton*>("btnClearRecent"), Qt::LeftButton);
            }
            break;
        case THabit::SplitSourceFolder:
            w.Seam.OpenAnswers << QStringList{sub + "/alpha.pdf"};
            w.Main->sbBrowseSrcFileClick();
            break;
        case THabit::MergeOutputFolder:
            Merge(w, QStringLiteral("habits/merged.pdf"));
            break;
        case THabit::SplitOutputFolder:
            w.Main->OpenSplitSource(Path("alpha.pdf"));
            w.Find<QLineEdit>("edtSplitLocation")->setText(sub + "/");
            QTest::mouseClick(w.Find<QToolButton>("sbSplit"), Qt::LeftButton);
            break;
        case THabit::WindowSize:
            w.Main->resize(800, 500);
            break;
        case THabit::ColumnWidths:
            MergeListView(w)->header()->resizeSection(3, 123);
            break;
        case THabit::OpenResultByDefault:
            break;
        case THabit::OpenResultSwitchedOff: {
            TfrmOptions options(w.Main.get(), TEngineKind::Exact);
            QVERIFY(options.findChild<QCheckBox*>("chkOpenResult")->isChecked());
            options.findChild<QCheckBox*>("chkOpenResult")->setChecked(false);
            QTest::mouseClick(options.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
            break;
        }
        case THabit::RecentFiles:
            w.Main->AddFileToList(sub + "/alpha.pdf", MergeListView(w));
            break;
        }
    }

    void CheckHabit(TWindows& w, THabit habit, const QString& sub)
    {
        switch (habit) {
        case THabit::AddFilesFolder:
        case THabit::ClearedFolders:
            w.Main->sbAddFilesClick();
            QCOMPARE(w.Seam.DialogCalls.value(0).InitialFolder,
                     habit == THabit::ClearedFolders ? QString() : sub);
            QCOMPARE(LoadRecentFiles().isEmpty(), habit == THabit::ClearedFolders);
            break;
        case THabit::SplitSourceFolder:
            w.Main->sbBrowseSrcFileClick();
            QCOMPARE(w.Seam.DialogCalls.value(0).InitialFolder, sub);
            break;
        case THabit::MergeOutputFolder:
            w.Main->AddFileToList(Path("bravo.pdf"), MergeListView(w));
            QCOMPARE(w.Find<QLineEdit>("edtMergeFileLoc")->text(),
                     QDir::toNativeSeparators(sub + "/bravo_me.pdf"));
            break;
        case THabit::SplitOutputFolder:
            w.Main->OpenSplitSource(Path("bravo.pdf"));
            QCOMPARE(w.Find<QLineEdit>("edtSplitLocation")->text(), QDir::toNativeSeparators(sub + "/"));
            break;
        case THabit::WindowSize:
            QCOMPARE(w.Main->size(), QSize(800, 500));
            break;
        case THabit::ColumnWidths:
            QCOMPARE(MergeListView(w)->header()->sectionSize(3), 123);
            break;
        case THabit::OpenResultByDefault:
        case THabit::OpenResultSwitchedOff:
            Merge(w, habit == THabit::OpenResultByDefault ? QStringLiteral("opened.pdf")
                                                          : QStringLiteral("not-opened.pdf"));
            QCOMPARE(w.Seam.BoxTexts(), QStringList{"Success|Merging PDF completed."});
            QCOMPARE(w.Seam.Opened.size(), habit == THabit::OpenResultByDefault ? 1 : 0);
            break;
        case THabit::RecentFiles: {
            // The split source's drop-down offers it; chosen, it is counted as a source.
            QMenu* menu = w.Find<QToolButton>("sbBrowseSrcFile")->menu();
            QVERIFY(menu);
            emit menu->aboutToShow();
            QCOMPARE(menu->actions().value(0)->text(), QDir::toNativeSeparators(sub + "/alpha.pdf"));
            menu->actions().value(0)->trigger();
            QCOMPARE(w.Main->SplitPageCount(), 2);
            break;
        }
        }
    }

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    static void ClickOptions(TWindows& w)
    {
        QTest::mouseClick(w.Find<QLabel>("linkOptions"), Qt::LeftButton);
    }

    // Runs a merge of alpha and bravo through the window into `name`.
    void Merge(TWindows& w, const QString& name)
    {
        for (const char* f : {"alpha.pdf", "bravo.pdf"})
            w.Main->AddFileToList(Path(QString::fromLatin1(f)), MergeListView(w));
        w.Find<QLineEdit>("edtMergeFileLoc")->setText(Path(name));
        QTest::mouseClick(w.Find<QToolButton>("sbMerge"), Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        // Settings of this run only, never the person's.
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        QVERIFY(MakePdf(Path("alpha.pdf"), {"A1", "A2"}));
        QVERIFY(MakePdf(Path("bravo.pdf"), {"B1"}));
    }

    void init() { QSettings().clear(); }

    void windowOffersBothWithWhatTheyMean_data()
    {
        QTest::addColumn<TEngineKind>("opened");
        QTest::newRow("exact") << TEngineKind::Exact;
        QTest::newRow("ghostscript") << TEngineKind::Ghostscript;
    }

    void windowOffersBothWithWhatTheyMean()
    {
        QFETCH(TEngineKind, opened);
        QWidget owner;
        TfrmOptions options(&owner, opened);
        options.show();
        QVERIFY(QTest::qWaitForWindowExposed(&options));
        auto* exact = options.findChild<QRadioButton*>("rbExact");
        auto* gs = options.findChild<QRadioButton*>("rbGhostscript");
        QCOMPARE(exact->text(), QStringLiteral("Copy pages exactly (recommended)"));
        QCOMPARE(gs->text(), QStringLiteral("Rewrite with Ghostscript"));
        QCOMPARE(exact->isChecked(), opened == TEngineKind::Exact);
        QCOMPARE(gs->isChecked(), opened == TEngineKind::Ghostscript);
        QCOMPARE(options.Engine(), opened);
        QCOMPARE(options.findChild<QLabel*>("lblExactNote")->text(),
                 QStringLiteral("Keeps text, bookmarks, links and forms as they are."));
        QCOMPARE(options.findChild<QLabel*>("lblGhostscriptNote")->text(),
                 QStringLiteral("May change text and drop bookmarks, links and forms; repairs some damaged "
                                "files; smaller split pieces."));
        // Each note on one line inside the window, which is no wider than the main one.
        for (const char* name : {"lblExactNote", "lblGhostscriptNote"}) {
            auto* note = options.findChild<QLabel*>(name);
            const QRect needed(note->geometry().topLeft(),
                               note->fontMetrics().size(Qt::TextSingleLine, note->text()));
            QVERIFY2(options.rect().contains(needed), name);
        }
        QVERIFY(options.width() <= 692);
        QVERIFY(options.isModal());
        for (QWidget* control : QList<QWidget*>{exact, gs, options.findChild<QPushButton*>("btnOK"),
                                                options.findChild<QPushButton*>("btnCancel")}) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
            QVERIFY2(!accessible->text(QAccessible::Description).isEmpty(),
                     qPrintable(control->objectName()));
        }
    }

    // The real seam shows the window modal to the main window: the other choice
    // and OK is taken, stored and used; Cancel leaves everything as it was.
    void linkShowsWindowAndStoresAcceptedChoice_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<TEngineKind>("after");
        QTest::newRow("OK") << true << TEngineKind::Ghostscript;
        QTest::newRow("Cancel") << false << TEngineKind::Exact;
    }

    void linkShowsWindowAndStoresAcceptedChoice()
    {
        QFETCH(bool, accept);
        QFETCH(TEngineKind, after);
        TWindows w;
        w.Main->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.Main.get()));
        QCOMPARE(w.Main->Engine(), TEngineKind::Exact);
        setUiSeam(nullptr); // the real window this time
        bool sawOptions = false;
        QTimer::singleShot(0, [&] {
            QWidget* shown = QApplication::activeModalWidget();
            sawOptions = shown && shown->inherits("TfrmOptions") && shown->parentWidget() == w.Main.get();
            if (!sawOptions)
                return;
            // On the button's circle: the row is wider than its caption.
            auto* gs = shown->findChild<QRadioButton*>("rbGhostscript");
            QTest::mouseClick(gs, Qt::LeftButton, {}, QPoint(6, gs->height() / 2));
            QTest::mouseClick(shown->findChild<QPushButton*>(accept ? "btnOK" : "btnCancel"), Qt::LeftButton);
        });
        ClickOptions(w);
        setUiSeam(&w.Seam);
        QVERIFY(sawOptions);
        QCOMPARE(w.Main->Engine(), after);
        QCOMPARE(LoadEngineSetting(), after);
        QCOMPARE(QSettings().contains(QStringLiteral("Engine")), accept);
    }

    // The next job takes the window's choice, and a window started later reads it.
    void choiceReachesTheJobAndTheNextRun()
    {
        {
            TWindows w;
            w.Seam.EngineAnswers << TEngineKind::Ghostscript;
            ClickOptions(w);
            QCOMPARE(w.Seam.EngineCalls, QList<TEngineKind>{TEngineKind::Exact});
            Merge(w, QStringLiteral("rewritten.pdf"));
            QCOMPARE(w.Main->JobParam().Engine, TEngineKind::Ghostscript);
#ifdef Q_OS_WIN
            // Windows checks run under Wine, without a Ghostscript for Windows: the
            // job says so, and that shows the choice reached it all the same.
            const QString noLibrary =
                QStringLiteral("Failure|Merging PDF failed.\nThe Ghostscript library could not be loaded.");
            if (!w.Seam.BoxTexts().value(0).startsWith(noLibrary))
#endif
                QCOMPARE(w.Seam.BoxTexts(), QStringList{"Success|Merging PDF completed."});
        }
        TWindows next;
        QCOMPARE(next.Main->Engine(), TEngineKind::Ghostscript);
        // A cancelled window changes nothing; choosing exact again is used by a split.
        ClickOptions(next);
        QCOMPARE(next.Main->Engine(), TEngineKind::Ghostscript);
        next.Seam.EngineAnswers << TEngineKind::Exact;
        ClickOptions(next);
        QCOMPARE(next.Seam.EngineCalls,
                 (QList<TEngineKind>{TEngineKind::Ghostscript, TEngineKind::Ghostscript}));
        next.Find<QLineEdit>("edtSplitSrc")->setText(Path("alpha.pdf"));
        next.Main->edtSplitSrcExit();
        next.Find<QRadioButton>("RadioButton1")->setChecked(true);
        next.Find<QLineEdit>("edtSplitLocation")->setText(Path("pieces"));
        QTest::mouseClick(next.Find<QToolButton>("sbSplit"), Qt::LeftButton);
        QCOMPARE(next.Seam.BoxTexts().value(1), QStringLiteral("Success|Splitting PDF completed."));
        QCOMPARE(next.Main->JobParam().Engine, TEngineKind::Exact);
        QCOMPARE(PdfText(Path("pieces/alpha1-1.pdf")), QStringLiteral("A1"));
        QCOMPARE(TWindows().Main->Engine(), TEngineKind::Exact);
    }

    // A window started after another one finds what the first was left with.
    void habitsSurviveARestart_data()
    {
        QTest::addColumn<THabit>("habit");
        QTest::newRow("add-files folder") << THabit::AddFilesFolder;
        QTest::newRow("split source folder") << THabit::SplitSourceFolder;
        QTest::newRow("merge output folder") << THabit::MergeOutputFolder;
        QTest::newRow("split output folder") << THabit::SplitOutputFolder;
        QTest::newRow("window size") << THabit::WindowSize;
        QTest::newRow("column widths") << THabit::ColumnWidths;
        QTest::newRow("result opened by default") << THabit::OpenResultByDefault;
        QTest::newRow("result not opened when off") << THabit::OpenResultSwitchedOff;
        QTest::newRow("recent files") << THabit::RecentFiles;
        QTest::newRow("cleared folders") << THabit::ClearedFolders;
    }

    void habitsSurviveARestart()
    {
        QFETCH(THabit, habit);
        const QString sub = Path("habits");
        QVERIFY(QDir().mkpath(sub));
        QVERIFY(QFile::copy(Path("alpha.pdf"), sub + "/alpha.pdf") || QFile::exists(sub + "/alpha.pdf"));
        {
            TWindows w;
            w.Main->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.Main.get()));
            LeaveHabit(w, habit, sub);
            w.Main->close();
        }
        TWindows next;
        next.Main->show();
        QVERIFY(QTest::qWaitForWindowExposed(next.Main.get()));
        CheckHabit(next, habit, sub);
    }

    // Without a stored choice, or with one this version does not know, jobs copy exactly.
    void unknownStoredNameMeansTheDefault()
    {
        QSettings().setValue(QStringLiteral("Engine"), QStringLiteral("laser"));
        TWindows w;
        QCOMPARE(w.Main->Engine(), TEngineKind::Exact);
        Merge(w, QStringLiteral("exact.pdf"));
        QCOMPARE(w.Seam.BoxTexts(), QStringList{"Success|Merging PDF completed."});
        QCOMPARE(w.Main->JobParam().Engine, TEngineKind::Exact);
        QCOMPARE(PdfText(Path("exact.pdf")), QStringLiteral("A1\fA2\fB1"));
    }
};

PLICORA_GUI_TEST_MAIN(TestOptions)
#include "tst_options.moc"
