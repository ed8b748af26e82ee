// The split command: the source field, the page ranges, how it shows its refusals, and
// splits through the window with the default engine (exact copy).
#include "guitestutil.h"
#include "pagepreview.h"
#include "text/strutil.h"
#include "util/systemtexts.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>

using namespace testutil;

class TestSplitCommand : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString Expand(QString text) const { return text.replace(QStringLiteral("%D"), m_dir.path()); }

    static void SetSource(TWindows& w, const QString& path)
    {
        w.Find<QLineEdit>("edtSplitSrc")->setText(path);
        w.Main->edtSplitSrcExit();
    }

    static void ClickSplit(TWindows& w) { QTest::mouseClick(w.Find<QToolButton>("sbSplit"), Qt::LeftButton); }

    static const QString Confirmation;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(MakePdf(Path("five.pdf"), {"Leaf 1", "Leaf 2", "Leaf 3", "Leaf 4", "Leaf 5"}));
        QVERIFY(MakePdf(Path("six.pdf"), {"S1", "S2", "S3", "S4", "S5", "S6"}));
        QVERIFY(MakeEncryptedPdf(Path("six.pdf"), Path("sixlocked.pdf")));
        QVERIFY(MakePdf(Path("two.pdf"), {"T1", "T2"}));
        QVERIFY(MakePdf(Path("one.pdf"), {"O1"}));
        QVERIFY(WriteFile(Path("notpdf.txt"), "just text\n"));
        QVERIFY(MakeEncryptedPdf(Path("two.pdf"), Path("locked.pdf")));
    }

    void pageRanges_data()
    {
        // The parser itself is tested in the core; here: the window parses against
        // the page count it read from the source.
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("error");
        QTest::newRow("example") << "1,2-5,4,6"
                                 << "1;2-5;4;6;" << 7 << "";
        QTest::newRow("beyond the end") << "2-7"
                                        << "" << 0 << "";
        QTest::newRow("lone dash") << "3 - 7"
                                   << "" << 0 << "'-' is not a valid integer value";
    }

    void pageRanges()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        TWindows w;
        SetSource(w, Path("six.pdf"));
        QCOMPARE(w.Main->SplitPageCount(), 6);
        std::int32_t total = -1;
        try {
            const std::string list = w.Main->ParsePageRanges(text, total);
            QVERIFY2(error.isEmpty(), "no conversion error raised");
            QTEST(QString::fromStdString(list), "list");
            if (!list.empty())
                QTEST(int(total), "total");
        } catch (const EConvertError& e) {
            QCOMPARE(QString::fromLatin1(e.what()), error);
        }
    }

    // The checks themselves are tested in the core; here one row shows that the
    // window feeds its probe to them, the others what the window adds: the page
    // count of a file that is no PDF, the selected ranges, the location as typed,
    // the confirmation.
    void refusals_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("byRanges");
        QTest::addColumn<QString>("ranges");
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("icon");
        const int warn = QMessageBox::Warning;
        QTest::newRow("encrypted") << "%D/locked.pdf" << false << ""
                                   << "%D/out"
                                   << "Info|%D/locked.pdf is encrypted, cannot be split." << warn;
        QTest::newRow("not a PDF")
            << "%D/notpdf.txt" << false << ""
            << "%D/out"
            << "pages less|Pages must be greate then 2.\n%D/notpdf.txt: not a PDF document" << warn;
        QTest::newRow("bad ranges")
            << "%D/six.pdf" << true << "1, 2-7"
            << "%D/out"
            << "invalid page range|Page ranges is invalid or page number exceed total pages." << warn;
        QTest::newRow("blank location")
            << "%D/six.pdf" << true << "1-2"
            << "   "
            << "create folder failed|cannot create folder \"   \"\nA folder must be given as a full path."
            << warn;
        QTest::newRow("relative location")
            << "%D/six.pdf" << false << ""
            << "out"
            << "create folder failed|cannot create folder \"out\"\nA folder must be given as a full path."
            << warn;
        QTest::newRow("answered No") << "%D/six.pdf" << true << "2"
                                     << "%D/out"
                                     << "continue?|" + Confirmation << int(QMessageBox::Question);
    }

    void refusals()
    {
        QFETCH(QString, source);
        QFETCH(bool, byRanges);
        QFETCH(QString, ranges);
        QFETCH(QString, location);
        QFETCH(QString, box);
        QFETCH(int, icon);
        TWindows w;
        w.Main->show();
        SetSource(w, Expand(source));
        w.Find<QRadioButton>(byRanges ? "RadioButton2" : "RadioButton1")->setChecked(true);
        w.Find<QLineEdit>("edtSplitPageRange")->setText(ranges);
        w.Find<QLineEdit>("edtSplitLocation")->setText(Expand(location));
        w.Seam.Boxes.clear();
        w.Seam.Answers.enqueue(QMessageBox::No);
        GS_Job_Kind = 0;
        ClickSplit(w);
        QCOMPARE(w.Seam.BoxTexts(), QStringList{Expand(box)});
        QCOMPARE(int(w.Seam.Boxes[0].Icon), icon);
        QCOMPARE(w.Seam.Boxes[0].Owner.data(), w.Main.get());
        QCOMPARE(w.Seam.Boxes[0].Buttons, icon == QMessageBox::Question
                                              ? QMessageBox::Yes | QMessageBox::No
                                              : QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(int(w.Main->JobParam().Kind), 0);
        QCOMPARE(int(GS_Job_Kind), 0);
        QCOMPARE(w.Find<QLineEdit>("edtSplitSrc")->text(), Expand(source).trimmed());
        QVERIFY(!QDir(Path("out")).exists() || QDir(Path("out")).isEmpty());
        if (QTest::currentDataTag() == QByteArray("bad ranges"))
            QCOMPARE(w.Find<QLineEdit>("edtSplitPageRange")->selectedText(), ranges);
    }

    void rangeTotalPostedBeforeLaterChecks()
    {
        TWindows w;
        SetSource(w, Path("six.pdf"));
        w.Find<QRadioButton>("RadioButton2")->setChecked(true);
        w.Find<QLineEdit>("edtSplitPageRange")->setText("1,2-5");
        w.Find<QLineEdit>("edtSplitLocation")->clear();
        ClickSplit(w);
        QCOMPARE(w.Seam.BoxTexts(),
                 QStringList{"missed output location|Please specify a location for spliting."});
        QCoreApplication::sendPostedEvents(w.Main.get());
        QCOMPARE(w.Progress->ProgressBar1()->maximum(), 5);
        QCOMPARE(w.Progress->ProgressBar1()->value(), 0);
    }

    void conversionErrorReachesTheErrorHandler()
    {
        TWindows w;
        SetSource(w, Path("six.pdf"));
        w.Find<QRadioButton>("RadioButton2")->setChecked(true);
        w.Find<QLineEdit>("edtSplitPageRange")->setText("3 - 7");
        ClickSplit(w);
        QCOMPARE(w.Seam.BoxTexts(), QStringList{"Tarvex Plicora|'-' is not a valid integer value."});
        QCOMPARE(w.Seam.Boxes[0].Icon, QMessageBox::Critical);
        QCoreApplication::sendPostedEvents(w.Main.get());
        QCOMPARE(w.Progress->ProgressBar1()->maximum(), 100); // no total posted
        QCOMPARE(int(w.Main->JobParam().Kind), 0);
    }

    void upDownMaximum()
    {
        TWindows w;
        auto* upDown = w.Find<QSpinBox>("UpDown1");
        QCOMPARE(upDown->maximum(), 100);
        const QList<QPair<const char*, int>> steps = {
            {"two.pdf", 1}, {"one.pdf", 1}, {"six.pdf", 5}, {"notpdf.txt", 5}, {"", 5}};
        for (const auto& [file, maximum] : steps) {
            SetSource(w, *file ? Path(file) : QString());
            QCOMPARE(upDown->maximum(), maximum);
        }
    }

    void leavingTheSourceField()
    {
        TWindows w;
        auto* source = w.Find<QLineEdit>("edtSplitSrc");
        SetSource(w, QStringLiteral("  ") + Path("six.pdf") + QStringLiteral(" "));
        QCOMPARE(source->text(), Path("six.pdf"));
        QCOMPARE(w.Main->SplitPageCount(), 6);
        const QString defaultLocation =
            QString::fromStdString(w.Main->DefaultFolder()) + QDir::toNativeSeparators("Tarvex/");
        QCOMPARE(w.Find<QLineEdit>("edtSplitLocation")->text(), defaultLocation);
        QVERIFY(w.Seam.Boxes.isEmpty());

        // A refused source takes the old count with it, and says why at once.
        SetSource(w, Path("missing.pdf"));
        QCOMPARE(w.Seam.BoxTexts(), QStringList{"Tip|Specified file not exists."});
        QCOMPARE(w.Seam.Boxes[0].Icon, QMessageBox::Warning);
        QCOMPARE(w.Main->SplitPageCount(), 0);
        QCOMPARE(source->selectedText(), Path("missing.pdf"));

        const QStringList refusals{
            "Tip|Specified file not exists.\n" + m_dir.path() + " is a folder, not a PDF document.",
            "pages less|Pages must be greate then 2.\n" + Path("notpdf.txt") + ": not a PDF document",
            "Info|" + Path("locked.pdf") + " is encrypted, cannot be split."};
        const QStringList sources{m_dir.path(), Path("notpdf.txt"), Path("locked.pdf")};
        for (int i = 0; i < sources.size(); ++i) {
            SetSource(w, Path("six.pdf"));
            w.Seam.Boxes.clear();
            SetSource(w, sources[i]);
            QCOMPARE(w.Seam.BoxTexts(), QStringList{refusals[i]});
            QCOMPARE(w.Main->SplitPageCount(), 0);
        }

        w.Seam.Boxes.clear();
        SetSource(w, Path("two.pdf"));
        SetSource(w, "   ");
        QCOMPARE(source->text(), QString());
        QCOMPARE(w.Main->SplitPageCount(), 0);
        QVERIFY(w.Seam.Boxes.isEmpty());
    }

    void focusLeavingTheFieldProbes()
    {
        TWindows w;
        w.Main->show();
        w.Main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.Main.get()));
        auto* source = w.Find<QLineEdit>("edtSplitSrc");
        source->setFocus();
        QTest::keyClicks(source, Path("five.pdf"));
        w.Find<QLineEdit>("edtSplitLocation")->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.Main->SplitPageCount(), 5);
    }

    // Leaving the field with a name that is refused: the field gets the focus back
    // with its whole text selected, and the click that moved the focus away does
    // nothing else. A good name lets that click go on.
    void refusedSourceTakesTheFocusBack_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("byClick"); // on sbSplit, else the Tab key
        QTest::addColumn<QStringList>("boxes");
        const QString missing = QStringLiteral("Tip|Specified file not exists.");
        QTest::newRow("missing, Tab") << "missing.pdf" << false << QStringList{missing};
        QTest::newRow("missing, click") << "missing.pdf" << true << QStringList{missing};
        QTest::newRow("good, click") << "six.pdf" << true << QStringList{"continue?|" + Confirmation};
    }

    void refusedSourceTakesTheFocusBack()
    {
        QFETCH(QString, file);
        QFETCH(bool, byClick);
        TWindows w;
        w.Main->show();
        w.Main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.Main.get()));
        auto* source = w.Find<QLineEdit>("edtSplitSrc");
        source->setFocus();
        QTest::keyClicks(source, Path(file));
        w.Seam.Answers.enqueue(QMessageBox::No);
        if (byClick)
            ClickSplit(w);
        else
            QTest::keyClick(source, Qt::Key_Tab);
        QTEST(w.Seam.BoxTexts(), "boxes");
        if (file != "six.pdf") {
            QVERIFY(source->hasFocus());
            QCOMPARE(source->selectedText(), Path(file));
        }
    }

    void chooseSourceByDialog()
    {
        TWindows w;
        w.Seam.OpenAnswers << QStringList{Path("six.pdf")} << QStringList{Path("gone.pdf")};
        auto* browse = w.Find<QToolButton>("sbBrowseSrcFile");
        QTest::mouseClick(browse, Qt::LeftButton);
        QCOMPARE(w.Seam.DialogCalls.size(), 1);
        QVERIFY(!w.Seam.DialogCalls[0].Multiple);
        QCOMPARE(w.Find<QLineEdit>("edtSplitSrc")->text(), Path("six.pdf"));
        QCOMPARE(w.Main->SplitPageCount(), 6);
        QCOMPARE(w.Find<QSpinBox>("UpDown1")->maximum(), 5);
        w.Main->ApplicationEvents1Idle();
        QCOMPARE(w.Find<QLabel>("Label3")->text(), QStringLiteral("Pages: 6"));

        QTest::mouseClick(browse,
                          Qt::LeftButton); // a file that cannot be opened: the system's reason follows
        QCOMPARE(w.Seam.BoxTexts().size(), 1);
        QVERIFY2(w.Seam.BoxTexts()[0].startsWith("Tip|Invalid PDF document.\nCannot open file"),
                 qPrintable(w.Seam.BoxTexts()[0]));
        QCOMPARE(w.Main->SplitPageCount(), 0);
        QCOMPARE(w.Find<QLineEdit>("edtSplitSrc")->text(), Path("gone.pdf"));
        QCOMPARE(w.Find<QSpinBox>("UpDown1")->maximum(), 5);

        QTest::mouseClick(browse, Qt::LeftButton); // cancelled
        QCOMPARE(w.Find<QLineEdit>("edtSplitSrc")->text(), Path("gone.pdf"));

        // A file dropped on the split side is taken as the browse button takes it.
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(Path("five.pdf"))});
        auto* field = w.Find<QLineEdit>("edtSplitSrc");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &drop);
        QCoreApplication::sendPostedEvents(w.Main.get());
        QCOMPARE(field->text(), Path("five.pdf"));
        QCOMPARE(w.Main->SplitPageCount(), 5);
    }

    void idleSplitFields_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("byRanges");
        QTest::addColumn<bool>("perPage");
        QTest::addColumn<bool>("rangeField");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("labelShown");
        QTest::newRow("no source") << "" << false << false << false << "Pages: 0" << false;
        QTest::newRow("one page, every N") << "one.pdf" << false << false << false << "Pages: 1" << true;
        QTest::newRow("one page, ranges") << "one.pdf" << true << false << false << "Pages: 1" << true;
        QTest::newRow("two pages, every N") << "two.pdf" << false << true << false << "Pages: 2" << true;
        QTest::newRow("six pages, ranges") << "six.pdf" << true << false << true << "Pages: 6" << true;
    }

    void idleSplitFields()
    {
        QFETCH(QString, file);
        QFETCH(bool, byRanges);
        TWindows w;
        if (!file.isEmpty())
            SetSource(w, Path(file));
        w.Find<QRadioButton>(byRanges ? "RadioButton2" : "RadioButton1")->setChecked(true);
        w.Main->ApplicationEvents1Idle();
        QTEST(w.Find<QSpinBox>("UpDown1")->isEnabled(), "perPage");
        QTEST(w.Find<QLineEdit>("edtSplitPerPage")->isEnabled(), "perPage");
        QTEST(w.Find<QLineEdit>("edtSplitPageRange")->isEnabled(), "rangeField");
        QTEST(w.Find<QLabel>("Label3")->text(), "label");
        QTEST(w.Find<QLabel>("Label3")->isVisibleTo(w.Main.get()), "labelShown");
    }

    void chooseOutputFolder()
    {
        TWindows w;
        auto* location = w.Find<QLineEdit>("edtSplitLocation");
        auto* browse = w.Find<QToolButton>("sbBrowseSplitLoc");
        w.Seam.FolderAnswers << QStringLiteral("/picked/folder/");
        QTest::mouseClick(browse, Qt::LeftButton);
        QCOMPARE(w.Seam.DialogCalls[0].Title, QStringLiteral("select destination location"));
        QCOMPARE(w.Seam.DialogCalls[0].InitialFolder, QString::fromStdString(w.Main->DefaultFolder()));
        QCOMPARE(location->text(), QStringLiteral("/picked/folder/"));
        location->setText(QStringLiteral("  /typed/ "));
        QTest::mouseClick(browse, Qt::LeftButton); // cancelled
        QCOMPARE(w.Seam.DialogCalls[1].InitialFolder, QStringLiteral("/typed/"));
        QCOMPARE(location->text(), QStringLiteral("  /typed/ "));
    }

    void splitEveryTwoPages()
    {
        TWindows w;
        w.Main->show();
        SetSource(w, Path("five.pdf"));
        w.Find<QSpinBox>("UpDown1")->setValue(2);
        QCOMPARE(w.Find<QLineEdit>("edtSplitPerPage")->text(), QStringLiteral("2"));
        const QString typed = Path("every2");
        w.Find<QLineEdit>("edtSplitLocation")->setText(typed);
        QList<int> positions;
        connect(w.Progress->ProgressBar1(), &QProgressBar::valueChanged, this,
                [&](int v) { positions << v; });
        ClickSplit(w);
        QCOMPARE(w.Seam.BoxTexts(),
                 (QStringList{"continue?|" + Confirmation, "Success|Splitting PDF completed."}));
        QCOMPARE(w.Seam.Opened, QList<QUrl>{QUrl::fromLocalFile(typed)});
        QCOMPARE(w.Progress->ProgressBar1()->maximum(), 5);
        // Up page by page to the end; reading the source has a share of the bar too.
        const QList<int> moved = positions.mid(positions.indexOf(0));
        QVERIFY(std::is_sorted(moved.begin(), moved.end()));
        QVERIFY(moved.size() >= 4);
        QCOMPARE(moved.last(), 5);
        QCOMPARE(w.Progress->Label1()->text(), QStringLiteral("100%"));
        QCOMPARE(QDir::fromNativeSeparators(QString::fromStdString(w.Main->JobParam().OutputPath)),
                 typed + "/");
        QCOMPARE(QString::fromStdString(w.Main->JobParam().BaseName), QStringLiteral("five"));
        const QList<QPair<const char*, QStringList>> pieces = {{"five1-2.pdf", {"Leaf 1", "Leaf 2"}},
                                                               {"five3-4.pdf", {"Leaf 3", "Leaf 4"}},
                                                               {"five5-5.pdf", {"Leaf 5"}}};
        for (const auto& [name, texts] : pieces) {
            const QString piece = typed + "/" + name;
            QCOMPARE(PdfPageCount(piece), int(texts.size()));
            const QString text = PdfText(piece).simplified();
            QCOMPARE(text, texts.join(' '));
        }
        QCOMPARE(QDir(typed).entryList(QDir::Files).size(), 3);
    }

    // A protected source asks its password once, and the split goes on with it.
    void protectedSourceSplitsWithItsPassword()
    {
        TWindows w;
        const QString locked = Path("locked.pdf");
        w.Seam.PasswordAnswers.enqueue(QStringLiteral("user"));
        SetSource(w, locked);
        SetSource(w, locked); // the focus left the field again: not asked again
        QCOMPARE(w.Seam.PasswordQuestions, QStringList{"Password for " + locked + ":"});
        QCOMPARE(w.Main->SplitPageCount(), 2);
        const QString typed = Path("unlocked");
        w.Find<QLineEdit>("edtSplitLocation")->setText(typed);
        ClickSplit(w);
        QCOMPARE(w.Seam.BoxTexts(),
                 (QStringList{"continue?|" + Confirmation,
                              "Success|Splitting PDF completed.\n" + locked +
                                  ": opened with its password; the result is written without encryption."}));
        QCOMPARE(PdfText(typed + "/locked1-1.pdf"), QStringLiteral("T1"));
    }

    void splitByRangesInTypedOrder()
    {
        TWindows w;
        SetSource(w, Path("five.pdf"));
        w.Find<QRadioButton>("RadioButton2")->setChecked(true);
        w.Find<QLineEdit>("edtSplitPageRange")->setText(" 3,1-2 ");
        const QString folder = Path("ranges/");
        w.Find<QLineEdit>("edtSplitLocation")->setText(folder);
        ClickSplit(w);
        QCOMPARE(w.Seam.BoxTexts(),
                 (QStringList{"continue?|" + Confirmation, "Success|Splitting PDF completed."}));
        QCOMPARE(w.Progress->ProgressBar1()->maximum(), 3);
        QCOMPARE(w.Progress->ProgressBar1()->value(), 3);
        QCOMPARE(PdfPageCount(folder + "five3.pdf"), 1);
        QCOMPARE(PdfText(folder + "five3.pdf").simplified(), QStringLiteral("Leaf 3"));
        QCOMPARE(PdfPageCount(folder + "five1-2.pdf"), 2);
        QCOMPARE(PdfText(folder + "five1-2.pdf").simplified(), QStringLiteral("Leaf 1 Leaf 2"));
        QCOMPARE(w.Seam.Opened, QList<QUrl>{QUrl::fromLocalFile(folder)});
    }

    // The methods beside the specified two, one wiring row each: the window's
    // value reaches the job (the rules are the core's).
    void splitByBookmarksOrSize_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("by size") << "rbSplitSize" << 0.1 << "Success|Splitting PDF completed."
                                 << QStringList{"five1-5.pdf"};
        QTest::newRow("by bookmarks")
            << "rbSplitBookmarks" << 2.0
            << "Failure|Splitting PDF failed.\n%D/five.pdf: no bookmark at level 2 leads to a page."
            << QStringList{};
    }

    void splitByBookmarksOrSize()
    {
        QFETCH(QString, method);
        QFETCH(double, value);
        TWindows w;
        SetSource(w, Path("five.pdf"));
        QTest::mouseClick(w.Find<QRadioButton>(method.toLatin1().constData()), Qt::LeftButton);
        w.Main->ApplicationEvents1Idle();
        if (method == QStringLiteral("rbSplitSize"))
            w.Find<QDoubleSpinBox>("spnSplitSize")->setValue(value);
        else
            w.Find<QSpinBox>("spnSplitLevel")->setValue(static_cast<int>(value));
        QVERIFY(w.Find<QWidget>(method == QStringLiteral("rbSplitSize") ? "spnSplitSize" : "spnSplitLevel")
                    ->isEnabled());
        QVERIFY(!w.Find<QSpinBox>("UpDown1")->isEnabled());
        const QString folder = Path(method + "/");
        w.Find<QLineEdit>("edtSplitLocation")->setText(folder);
        ClickSplit(w);
        QFETCH(QString, box);
        QCOMPARE(w.Seam.BoxTexts(), (QStringList{"continue?|" + Confirmation, Expand(box)}));
        QTEST(QDir(folder).entryList(QDir::Files), "files");
    }

    void failedSplitOpensNothing()
    {
        const QString doomed = Path("doomed.pdf");
        QVERIFY(QFile::copy(Path("six.pdf"), doomed));
        TWindows w;
        SetSource(w, doomed);
        QVERIFY(QFile::remove(doomed));
        w.Find<QLineEdit>("edtSplitLocation")->setText(Path("failed"));
        ClickSplit(w);
        QCOMPARE(w.Seam.BoxTexts(),
                 (QStringList{"continue?|" + Confirmation,
                              "Failure|Splitting PDF failed.\n" + doomed + ": cannot be read (" +
                                  QString::fromStdString(NotFoundText()) + ")"}));
        QCOMPARE(w.Seam.Boxes[1].Icon, QMessageBox::Information);
        QVERIFY(w.Seam.Opened.isEmpty());
        QVERIFY(!w.Progress->isVisible());
    }

    // The page view's marks follow what is typed, page by page: "" in no piece,
    // "2" piece 2, "2+3" pieces 2 and 3. The rule itself is tested in the core.
    // A protected source's pages are drawn with the password it was opened with.
    void previewMarksFollowTyping_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("marks");
        QTest::newRow("ranges") << "six.pdf"
                                << "1,2-5,4" << QStringList{"1", "2", "2", "2+3", "2", ""};
        QTest::newRow("half typed") << "six.pdf"
                                    << "1,2-" << QStringList{"", "", "", "", "", ""};
        QTest::newRow("every 4") << "six.pdf"
                                 << "" << QStringList{"1", "1", "1", "1", "2", "2"};
        QTest::newRow("protected, its password given") << "sixlocked.pdf"
                                                       << "" << QStringList{"1", "1", "1", "1", "2", "2"};
        // Pieces known only as the split cuts them: none marked.
        QTest::newRow("by size") << "six.pdf"
                                 << "@rbSplitSize" << QStringList{"", "", "", "", "", ""};
    }

    void previewMarksFollowTyping()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        TWindows w;
        // The window's own page view.
        const auto* preview = w.Main->findChild<TPagePreview*>("SplitPages");
        if (!preview)
            QSKIP("built without Qt's PDF module");
        w.Seam.PasswordAnswers.enqueue(QStringLiteral("user"));
        w.Main->OpenSplitSource(Path(source));
        if (typed.isEmpty()) {
            w.Find<QSpinBox>("UpDown1")->setValue(4);
        } else if (typed.startsWith(QLatin1Char('@'))) {
            QTest::mouseClick(w.Find<QRadioButton>(typed.mid(1).toLatin1().constData()), Qt::LeftButton);
        } else {
            QTest::mouseClick(w.Find<QRadioButton>("RadioButton2"), Qt::LeftButton);
            QTest::keyClicks(w.Find<QLineEdit>("edtSplitPageRange"), typed);
        }
        const TPageGridModel* pages = preview->Pages();
        QTRY_COMPARE(pages->rowCount(), 6);
        QStringList marks;
        for (int row = 0; row < pages->rowCount(); ++row) {
            QString text = pages->index(row).data().toString().section(QLatin1Char('\n'), 1);
            marks << text.remove(QStringLiteral("in no piece"))
                         .remove(QRegularExpression(QStringLiteral("pieces? ")))
                         .replace(QStringLiteral(", "), QStringLiteral("+"));
        }
        QTEST(marks, "marks");
        // Drawn before it is read: a placeholder would say why.
        pages->index(0).data(Qt::DecorationRole);
        QTRY_COMPARE(preview->Renderer()->Pending(), 0);
        QVERIFY(!pages->index(0).data(Qt::ToolTipRole).toString().contains(QStringLiteral("cannot")));
    }
};

const QString TestSplitCommand::Confirmation = QStringLiteral(
    "Files with the same name of the output file will be overwritten.\nDo you want to continue?");

PLICORA_GUI_TEST_MAIN(TestSplitCommand)
#include "tst_splitcommand.moc"
