// The Options window and the engine choice: what the window offers and answers,
// that the main window's "Options" link stores an accepted choice, that the next
// merge or split uses it, and that a new window reads it back.
#include "guitestutil.h"
#include "options.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>

using namespace testutil;

Q_DECLARE_METATYPE(TEngineKind)

class TestOptions : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

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
            QCOMPARE(w.Seam.BoxTexts(), QStringList{"Success|Merging PDF completed."});
            QCOMPARE(w.Main->JobParam().Engine, TEngineKind::Ghostscript);
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
