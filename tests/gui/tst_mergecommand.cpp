// The merge command: how it shows its refusals, and merges through the window with the
// default engine (exact copy).
#include "guitestutil.h"
#include "mergelistmodel.h"
#include "nativepath.h"
#include "platform/platform.h"
#include "util/testtools.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>

using namespace testutil;

class TestMergeCommand : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_a, m_b, m_c; // 3, 2 and 1 pages

    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString Expand(QString text) const { return text.replace(QStringLiteral("%D"), m_dir.path()); }

    void Add(TWindows& w, const QStringList& files)
    {
        for (const QString& f : files)
            w.Main->AddFileToList(f, MergeListView(w));
    }

    static void ClickMerge(TWindows& w) { QTest::mouseClick(w.Find<QToolButton>("sbMerge"), Qt::LeftButton); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_a = Path(QStringLiteral("alpha.pdf"));
        m_b = Path(QStringLiteral("beta.pdf"));
        m_c = Path(QStringLiteral("gamma.pdf"));
        QVERIFY(MakePdf(m_a, {"Alpha one", "Alpha two", "Alpha three"}));
        QVERIFY(MakePdf(m_b, {"Beta one", "Beta two"}));
        QVERIFY(MakePdf(m_c, {"Gamma one"}));
        QVERIFY(WriteFile(Path(QStringLiteral("exists.pdf")), "keep"));
        QVERIFY(WriteFile(Path(QStringLiteral("plain")), "keep"));
        QVERIFY(WriteFile(Path(QStringLiteral("upper.PDF")), "keep"));
    }

    // The checks themselves are tested in the core; here one row shows that the
    // window shows a refusal, the others what the window adds: the typed length,
    // names without a folder, the name completed with .pdf, the overwrite question.
    void refusals_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QList<int>>("icons");
        const int info = QMessageBox::Information, warn = QMessageBox::Warning, ask = QMessageBox::Question;
        QTest::newRow("one row")
            << 1 << "%D/out.pdf"
            << QStringList{"less file|There must have two or more pdf documents in the list."}
            << QList<int>{info};
        QTest::newRow("blanks pass the length check")
            << 2 << "   "
            << QStringList{"create folder failed|cannot create folder \"\"\nA folder must be given as a full "
                           "path."}
            << QList<int>{warn};
        QTest::newRow("no folder") << 2 << "merged.pdf"
                                   << QStringList{"create folder failed|cannot create folder \"\"\nA folder "
                                                  "must be given as a full path."}
                                   << QList<int>{warn};
        const QString tooLong = QString(300, QLatin1Char('n')) + QStringLiteral(".pdf");
        QTest::newRow("the creation test says why")
            << 2 << "%D/" + tooLong
            << QStringList{"Warning|Cannot create output file.\nThe name is longer than the file system "
                           "allows (255 " +
                           QString::fromLatin1(plat::LengthUnit) + "): " + tooLong}
            << QList<int>{warn};
        // The same file whatever way the name reaches it.
        QTest::newRow("a listed input once .pdf is added")
            << 2 << " %D//alpha "
            << QStringList{"invalid output file|The output file cannot be one of the files to merge."}
            << QList<int>{warn};
        QTest::newRow("a listed input through ..")
            << 2 << "%D/nowhere/../beta.pdf"
            << QStringList{"invalid output file|The output file cannot be one of the files to merge."}
            << QList<int>{warn};
        QTest::newRow("exists, answered No")
            << 2 << "%D/exists.pdf" << QStringList{"overwrite?|\"%D/exists.pdf\" aleady exists, overwrite?"}
            << QList<int>{ask};
        QTest::newRow(".pdf appended before the question")
            << 2 << "%D/exists" << QStringList{"overwrite?|\"%D/exists.pdf\" aleady exists, overwrite?"}
            << QList<int>{ask};
        QTest::newRow("upper-case extension kept")
            << 2 << "%D/upper.PDF" << QStringList{"overwrite?|\"%D/upper.PDF\" aleady exists, overwrite?"}
            << QList<int>{ask};
    }

    void refusals()
    {
        QFETCH(int, rows);
        QFETCH(QString, output);
        QFETCH(QStringList, boxes);
        QFETCH(QList<int>, icons);
        TWindows w;
        Add(w, QStringList{m_a, m_b}.mid(0, rows));
        w.Find<QLineEdit>("edtMergeFileLoc")->setText(Expand(output));
        w.Seam.Answers.enqueue(QMessageBox::No);
        GS_Job_Kind = 0;
        ClickMerge(w);
        for (QString& b : boxes)
            b = Expand(b);
        QCOMPARE(w.Seam.BoxTexts(), boxes);
        for (int i = 0; i < icons.size(); ++i) {
            QCOMPARE(int(w.Seam.Boxes[i].Icon), icons[i]);
            QCOMPARE(w.Seam.Boxes[i].Owner.data(), w.Main.get());
        }
        if (icons.value(0) == QMessageBox::Question)
            QCOMPARE(w.Seam.Boxes[0].Buttons, QMessageBox::Yes | QMessageBox::No);
        // Nothing started, nothing written, the field as typed.
        QCOMPARE(int(w.Main->JobParam().Kind), 0);
        QCOMPARE(int(GS_Job_Kind), 0);
        QCOMPARE(w.Find<QLineEdit>("edtMergeFileLoc")->text(), Expand(output));
        QVERIFY(w.Seam.Opened.isEmpty());
        for (const char* kept : {"exists.pdf", "plain", "upper.PDF"}) {
            QFile f(Path(QString::fromLatin1(kept)));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), QByteArray("keep"));
        }
        QVERIFY(!QFile::exists(Path(QStringLiteral("exists.pdf.pdf"))));
    }

    void mergeInListOrder()
    {
        TWindows w;
        w.Main->show();
        w.Seam.OpenAnswers.enqueue({m_a, m_b, m_c});
        QTest::mouseClick(w.Find<QToolButton>("sbAddFiles"), Qt::LeftButton);
        QTRY_VERIFY(!w.Main->IsCountingFiles());
        // Gamma to the top: gamma, alpha, beta.
        SelectListRows(w, {2});
        for (int i = 0; i < 2; ++i) {
            w.Main->ApplicationEvents1Idle();
            QTest::mouseClick(w.Find<QToolButton>("sbMoveUp"), Qt::LeftButton);
        }
        // A folder chain that does not exist yet, and no extension typed.
        const QString typed = Path(QStringLiteral("new/deeper/merged"));
        const QString out = typed + QStringLiteral(".pdf");
        w.Find<QLineEdit>("edtMergeFileLoc")->setText(typed);

        QList<int> positions;
        connect(w.Progress->ProgressBar1(), &QProgressBar::valueChanged, this,
                [&](int v) { positions << v; });
        ClickMerge(w);

        QCOMPARE(w.Seam.BoxTexts(), QStringList{"Success|Merging PDF completed."});
        QCOMPARE(w.Seam.Boxes[0].Owner.data(), w.Progress.get());
        QVERIFY(!w.Progress->isVisible());
        QCOMPARE(w.Seam.Opened, QList<QUrl>{QUrl::fromLocalFile(out)});
        QCOMPARE(w.Progress->ProgressBar1()->maximum(), 6);
        QCOMPARE(w.Progress->ProgressBar1()->value(), 6);
        // The bar moves with copying and writing, never back.
        QVERIFY(std::is_sorted(positions.begin(), positions.end()));
        QVERIFY(positions.size() > 3);
        QCOMPARE(w.Progress->Label1()->text(), QStringLiteral("100%"));
        QCOMPARE(PdfPageCount(out), 6);
        const QString text = PdfText(out).simplified();
        const QRegularExpression order(
            QStringLiteral("Gamma one.*Alpha one.*Alpha two.*Alpha three.*Beta one.*Beta two"));
        QVERIFY2(order.match(text).hasMatch(), qPrintable(text));
        // The list and the field stay as they were.
        QCOMPARE(ListRowCount(w), 3);
        QCOMPARE(w.Find<QLineEdit>("edtMergeFileLoc")->text(), typed);
        QCOMPARE(QString::fromStdString(w.Main->JobParam().OutputPath), out);
    }

    // The list's page choices reach the job: a selection (a refused one is kept,
    // says why in its row and stops the merge), a turn, a blank page after an
    // odd count and the bookmark choice; the total counts the pages chosen.
    void pageChoicesReachTheJob()
    {
        TWindows w;
        Add(w, {m_a, m_b, m_c});
        QAbstractItemModel* model = MergeListView(w)->model();
        const QModelIndex alphaPages = model->index(0, TMergeListModel::ColSelection);
        const QString beyond =
            m_a + QStringLiteral(": pages \"3,9\" cannot be chosen: the file has pages 1 to 3.");
        QVERIFY(model->setData(alphaPages, QStringLiteral("3,9"), Qt::EditRole));
        QVERIFY(model->index(0, 1).data(Qt::ToolTipRole).toString().endsWith(beyond));
        const QString out = Path(QStringLiteral("chosen.pdf"));
        w.Find<QLineEdit>("edtMergeFileLoc")->setText(out);
        ClickMerge(w);
        QCOMPARE(w.Seam.BoxTexts(), QStringList{QStringLiteral("invalid page range|") + beyond});

        QVERIFY(model->setData(alphaPages, QStringLiteral(" 3, 1 "), Qt::EditRole));
        QCOMPARE(ListColumn(w, 2), (QStringList{"2 of 3", "2", "1"}));
        SelectListRows(w, {1});
        w.Main->ApplicationEvents1Idle();
        w.Main->findChild<QAction*>(QStringLiteral("actTurnClockwise"))->trigger();
        QCOMPARE(ListColumn(w, TMergeListModel::ColSelection),
                 (QStringList{"3, 1", QString::fromUtf8("all, turned 90°"), "all"}));
        w.Main->findChild<QAction*>(QStringLiteral("actBlankAfterOdd"))->setChecked(true);
        w.Main->findChild<QAction*>(QStringLiteral("actBookmarks_none"))->setChecked(true);
        w.Seam.Boxes.clear();
        ClickMerge(w);
        QCOMPARE(w.Seam.BoxTexts(), QStringList{"Success|Merging PDF completed."});
        QCOMPARE(w.Progress->ProgressBar1()->maximum(), 6); // the blank page after gamma too
        QCOMPARE(PdfPageCount(out), 6);
        const QRegularExpression order(
            QStringLiteral("Alpha three.*Alpha one.*Beta one.*Beta two.*Gamma one"));
        QVERIFY(order.match(PdfText(out).simplified()).hasMatch());
        QCOMPARE(w.Main->JobParam().Bookmarks, TBookmarkPolicy::None);
        if (!HaveProgram("pdfinfo"))
            QSKIP("the turned pages are read by pdfinfo (poppler-utils), a Linux program");
        const std::string pages = RunProgram({"pdfinfo", "-f", "1", "-l", "6", toNative(out)}).Out;
        QCOMPARE(QString::fromStdString(pages).count(QRegularExpression(QStringLiteral("rot:\\s+90"))), 2);
    }

    void overwriteConfirmedReplacesFile()
    {
        const QString out = Path(QStringLiteral("again.pdf"));
        QVERIFY(WriteFile(out, "old"));
        TWindows w;
        Add(w, {m_b, m_c});
        w.Find<QLineEdit>("edtMergeFileLoc")->setText(out);
        w.Seam.Answers << QMessageBox::Yes;
        ClickMerge(w);
        QCOMPARE(w.Seam.BoxTexts(), (QStringList{"overwrite?|\"" + out + "\" aleady exists, overwrite?",
                                                 "Success|Merging PDF completed."}));
        QCOMPARE(PdfPageCount(out), 3);
    }

    void failedMergeOpensNothing()
    {
        const QString doomed = Path(QStringLiteral("doomed.pdf"));
        QVERIFY(QFile::copy(m_c, doomed));
        TWindows w;
        Add(w, {m_a, doomed});
        QVERIFY(QFile::remove(doomed));
        const QString out = Path(QStringLiteral("failed.pdf"));
        w.Find<QLineEdit>("edtMergeFileLoc")->setText(out);
        ClickMerge(w);
        // The specified text, then why on a line of its own.
        QCOMPARE(w.Seam.BoxTexts().size(), 1);
        QCOMPARE(w.Seam.BoxTexts()[0].section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("Failure|Merging PDF failed."));
        QVERIFY(w.Seam.BoxTexts()[0]
                    .section(QLatin1Char('\n'), 1)
                    .startsWith(doomed + QStringLiteral(": cannot be read")));
        QCOMPARE(w.Seam.Boxes[0].Icon, QMessageBox::Information);
        QVERIFY(w.Seam.Opened.isEmpty());
        QVERIFY(!w.Progress->isVisible());
        QCOMPARE(ListRowCount(w), 2);
    }

    // Listed files that are not readable PDFs: the merge asks, names them, and
    // its result names them again.
    void unreadableRowsLeftOutOnlyWhenAgreed_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("pages");
        const QString question =
            QStringLiteral("files left out|These files cannot be read and will be left out:\n"
                           "%D/text.pdf (not a PDF)\nMerge the other files?");
        QTest::newRow("No") << int(QMessageBox::No) << QStringList{question} << -1;
        QTest::newRow("Yes") << int(QMessageBox::Yes)
                             << QStringList{question,
                                            "Success|Merging PDF completed.\n%D/text.pdf: left out, it "
                                            "cannot be read as a PDF document"}
                             << 5;
    }

    void unreadableRowsLeftOutOnlyWhenAgreed()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, boxes);
        const QString text = Path(QStringLiteral("text.pdf"));
        const QString out = Path(QStringLiteral("left-out.pdf"));
        QFile::remove(out);
        QVERIFY(WriteFile(text, "not a PDF"));
        TWindows w;
        Add(w, {m_a, text, m_b});
        w.Find<QLineEdit>("edtMergeFileLoc")->setText(out);
        w.Seam.Answers.enqueue(QMessageBox::StandardButton(answer));
        ClickMerge(w);
        for (QString& b : boxes)
            b = Expand(b);
        QCOMPARE(w.Seam.BoxTexts(), boxes);
        QTEST(PdfPageCount(out), "pages");
        QCOMPARE(ListRowCount(w), 3);
    }

    void browseOutputFile()
    {
        TWindows w;
        auto* field = w.Find<QLineEdit>("edtMergeFileLoc");
        field->setText(QStringLiteral("  ") + Path(QStringLiteral("pick.pdf")) + QStringLiteral(" "));
        w.Seam.SaveAnswers.enqueue(Path(QStringLiteral("chosen.pdf")));
        QTest::mouseClick(w.Find<QToolButton>("mbBrowseMergeLoc"), Qt::LeftButton);
        QCOMPARE(w.Seam.DialogCalls.size(), 1);
        QCOMPARE(w.Seam.DialogCalls[0].InitialFolder, m_dir.path() + QStringLiteral("/"));
        QCOMPARE(w.Seam.DialogCalls[0].FileName, QStringLiteral("pick.pdf"));
        QCOMPARE(field->text(), Path(QStringLiteral("chosen.pdf")));
        // A folder that does not exist is not proposed; cancelling changes nothing.
        field->setText(QStringLiteral("/no/such/folder/x.pdf"));
        QTest::mouseClick(w.Find<QToolButton>("mbBrowseMergeLoc"), Qt::LeftButton);
        QVERIFY(w.Seam.DialogCalls[1].InitialFolder.isEmpty());
        QCOMPARE(w.Seam.DialogCalls[1].FileName, QStringLiteral("x.pdf"));
        QCOMPARE(field->text(), QStringLiteral("/no/such/folder/x.pdf"));
    }
};

PLICORA_GUI_TEST_MAIN(TestMergeCommand)
#include "tst_mergecommand.moc"
