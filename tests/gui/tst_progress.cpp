// The progress window and the handling of job notices.
#include "guitestutil.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

using namespace testutil;

using TNotice = QPair<qint64, qint64>; // wParam, lParam

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void windowAsStarted()
    {
        TWindows w;
        QCOMPARE(w.Progress->ProgressBar1()->value(), 50);
        w.Progress->StartJob(false, QString());
        QCOMPARE(w.Progress->windowTitle(), QStringLiteral("Splitting PDF"));
        w.Progress->StartJob(true, QStringLiteral("book.pdf"));
        QCOMPARE(w.Progress->windowTitle(), QStringLiteral("Merging PDF"));
        QCOMPARE(w.Progress->CurrentText(), QStringLiteral("Writing book.pdf"));
    }

    // Cancel, Escape and the close button ask the job to stop, once; the window
    // stays until the job has ended.
    void showResetsLabelAndCancelAsks_data()
    {
        QTest::addColumn<int>("how"); // 0 the button, 1 Escape, 2 close
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close") << 2;
    }

    void showResetsLabelAndCancelAsks()
    {
        QFETCH(int, how);
        TWindows w;
        w.Progress->SetLabelText(QStringLiteral(" 42%"));
        w.Progress->show();
        QCOMPARE(w.Progress->Label1()->text(), QStringLiteral("  0%"));
        int asked = 0;
        connect(w.Progress.get(), &TfrmProgress::cancelRequested, this, [&] { ++asked; });
        auto* cancel = w.Progress->findChild<QAbstractButton*>(QStringLiteral("btnCancel"));
        for (int i = 0; i < 2; ++i) {
            if (how == 0)
                cancel->click();
            else if (how == 1)
                QTest::keyClick(w.Progress.get(), Qt::Key_Escape);
            else
                QVERIFY(!w.Progress->close());
        }
        QCOMPARE(asked, 1);
        QVERIFY(!cancel->isEnabled());
        QVERIFY(w.Progress->CancelRequested());
        QVERIFY(w.Progress->isVisible());
        w.Progress->CloseJobWindow();
        QVERIFY(!w.Progress->isVisible());
    }

    void notices_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<TNotice>>("notices");
        QTest::addColumn<QList<int>>("positions"); // after each page or writing notice
        QTest::addColumn<QStringList>("labels");
        // The arithmetic itself is the core's (progressmeter_test); these rows
        // check that the window shows it.
        QTest::newRow("merge of 3 and 2 pages")
            << 1 << QList<TNotice>{{5, GSN_TOTAL}, {1, GSN_PAGE}, {2, GSN_PAGE},
                                   {3, GSN_PAGE},  {1, GSN_PAGE}, {2, GSN_PAGE}}
            << QList<int>{1, 2, 3, 4, 5} << QStringList{" 20%", " 40%", " 60%", " 80%", "100%"};
        QTest::newRow("split by ranges 4-5,1")
            << 2 << QList<TNotice>{{3, GSN_TOTAL}, {4, GSN_PIECE}, {4, GSN_PAGE},
                                   {5, GSN_PAGE},  {1, GSN_PIECE}, {1, GSN_PAGE}}
            << QList<int>{1, 2, 3} << QStringList{" 33%", " 66%", "100%"};
        // Writing the merged file out moves the bar too.
        QTest::newRow("merge written after copying")
            << 1 << QList<TNotice>{{4, GSN_TOTAL}, {50, GSN_WRITESHARE}, {1, GSN_PAGE},   {2, GSN_PAGE},
                                   {3, GSN_PAGE},  {4, GSN_PAGE},        {50, GSN_WRITE}, {100, GSN_WRITE}}
            << QList<int>{0, 1, 1, 2, 3, 4} << QStringList{"  0%", " 25%", " 25%", " 50%", " 75%", "100%"};
        QTest::newRow("split source read and let go")
            << 2 << QList<TNotice>{{10, GSN_TOTAL}, {40, GSN_SOURCESHARE}, {1, GSN_PIECE}, {5, GSN_PAGE},
                                   {6, GSN_PIECE},  {10, GSN_PAGE},        {0, GSN_CLOSED}}
            << QList<int>{1, 5, 9, 10} << QStringList{" 10%", " 50%", " 90%", "100%"};
        QTest::newRow("report while the maximum is 0")
            << 1 << QList<TNotice>{{0, GSN_TOTAL}, {1, GSN_PAGE}} << QList<int>{0} << QStringList{"  0%"};
    }

    void notices()
    {
        QFETCH(int, kind);
        QFETCH(QList<TNotice>, notices);
        TWindows w;
        GS_Job_Kind = static_cast<std::uint8_t>(kind);
        w.Progress->FirstPage = 0;
        QList<int> positions;
        QStringList labels;
        for (const TNotice& n : notices) {
            // Through the event queue, as the job posts them.
            QCoreApplication::postEvent(w.Main.get(), new TGsNotifyEvent(n.first, n.second));
            QCoreApplication::sendPostedEvents(w.Main.get());
            if (n.second == GSN_TOTAL)
                QVERIFY(w.Progress->Label1()->text().isEmpty());
            if (n.second == GSN_PAGE || n.second == GSN_WRITE || n.second == GSN_SOURCESHARE ||
                n.second == GSN_CLOSED) {
                positions << w.Progress->ProgressBar1()->value();
                labels << w.Progress->Label1()->text();
            }
        }
        QTEST(positions, "positions");
        QTEST(labels, "labels");
        QVERIFY(w.Seam.Boxes.isEmpty());
    }

    void done_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("opened");
        QTest::newRow("merge ok") << 1 << 0 << "Success|Merging PDF completed." << true;
        QTest::newRow("merge failed") << 1 << 1 << "Failure|Merging PDF failed." << false;
        QTest::newRow("split ok") << 2 << 0 << "Success|Splitting PDF completed." << true;
        QTest::newRow("split error") << 2 << -1 << "Failure|Splitting PDF failed." << false;
        QTest::newRow("no job kind") << 0 << 0 << "Success|" << false;
        QTest::newRow("merge cancelled") << 1 << 2 << "Cancelled|Merging PDF cancelled." << false;
        QTest::newRow("split cancelled") << 2 << 2 << "Cancelled|Splitting PDF cancelled." << false;
    }

    void done()
    {
        QFETCH(int, kind);
        QFETCH(int, result);
        QFETCH(bool, opened);
        TWindows w;
        w.Find<QLineEdit>("edtSplitLocation")->setText(QStringLiteral("/tmp/Out"));
        GS_Job_Kind = static_cast<std::uint8_t>(kind);
        w.Progress->show();
        w.Main->WMGSNotify(result, GSN_DONE);
        QFETCH(QString, box);
        QCOMPARE(w.Seam.BoxTexts(), QStringList{box});
        QCOMPARE(w.Seam.Boxes[0].Owner.data(), w.Progress.get());
        QCOMPARE(w.Seam.Boxes[0].Icon, QMessageBox::Information);
        QCOMPARE(w.Seam.Boxes[0].Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!w.Progress->isVisible());
        QCOMPARE(w.Seam.Opened.size(), opened ? 1 : 0);
        if (opened && kind == 2)
            QCOMPARE(w.Seam.Opened[0], QUrl::fromLocalFile(QStringLiteral("/tmp/Out")));
    }
};

PLICORA_GUI_TEST_MAIN(TestProgress)
#include "tst_progress.moc"
