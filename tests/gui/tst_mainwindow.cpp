// The main window as it starts, its idle rules, and the merge list.
#include "about.h"
#include "guitestutil.h"

#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

using namespace testutil;

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_pdf[5]; // a.pdf .. e.pdf, one page each

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    void AddAll(TWindows& w, int count)
    {
        for (int i = 0; i < count; ++i)
            w.Main->AddFileToList(m_pdf[i], MergeListView(w));
    }

    static void Drop(TWindows& w, const QList<QUrl>& urls)
    {
        auto* viewport = MergeListView(w)->viewport();
        QMimeData mime;
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        QVERIFY(drop.isAccepted());
        // The drop itself ends before any file is probed or any message shown,
        // so that the file manager is not held meanwhile.
        QCOMPARE(ListRowCount(w), 0);
        QVERIFY(w.Seam.Boxes.isEmpty());
        QCoreApplication::sendPostedEvents(w.Main.get());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const char* names[] = {"a", "b", "c", "d", "e"};
        for (int i = 0; i < 5; ++i) {
            m_pdf[i] = Path(QString::fromLatin1(names[i]) + QStringLiteral(".pdf"));
            QVERIFY(MakePdf(m_pdf[i], {QStringLiteral("Page %1").arg(QLatin1String(names[i]))}));
        }
    }

    void startState()
    {
        TWindows w;
        QCOMPARE(w.Main->minimumSize(), w.Main->maximumSize());
        QVERIFY(!(w.Main->windowFlags() & Qt::WindowMaximizeButtonHint));
        auto* tabs = w.Find<QTabWidget>("PageControl1");
        QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("TabSheet2"));
        QCOMPARE(ListRowCount(w), 0);
        QVERIFY(w.Find<QLineEdit>("edtMergeFileLoc")->text().isEmpty());
        QCOMPARE(w.Main->SplitPageCount(), 0);
        QVERIFY(w.Main->DefaultFolder().ends_with('/'));
        auto* upDown = w.Find<QSpinBox>("UpDown1");
        QCOMPARE(upDown->minimum(), 1);
        QCOMPARE(upDown->maximum(), 100);
        QCOMPARE(w.Find<QLineEdit>("edtSplitPerPage")->text(), QStringLiteral("1"));
        QVERIFY(w.Find<QRadioButton>("RadioButton1")->isChecked());
        w.Main->ApplicationEvents1Idle();
        QVERIFY(!w.Find<QLabel>("Label3")->isVisibleTo(w.Main.get()));
    }

    void idleListButtons_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<bool>("remove");
        QTest::addColumn<bool>("up");
        QTest::addColumn<bool>("down");
        QTest::newRow("empty list") << 0 << QList<int>{} << false << false << false;
        QTest::newRow("nothing selected") << 3 << QList<int>{} << false << false << false;
        QTest::newRow("only row selected") << 1 << QList<int>{0} << true << false << false;
        QTest::newRow("first of several") << 3 << QList<int>{0, 2} << true << false << true;
        QTest::newRow("middle") << 3 << QList<int>{1} << true << true << true;
        QTest::newRow("last") << 3 << QList<int>{2} << true << true << false;
    }

    void idleListButtons()
    {
        QFETCH(int, rows);
        QFETCH(QList<int>, selected);
        TWindows w;
        AddAll(w, rows);
        SelectListRows(w, selected);
        w.Main->ApplicationEvents1Idle();
        QTEST(w.Find<QToolButton>("sbRemoveFiles")->isEnabled(), "remove");
        QTEST(w.Find<QToolButton>("sbMoveUp")->isEnabled(), "up");
        QTEST(w.Find<QToolButton>("sbMoveDown")->isEnabled(), "down");
    }

    void idleRunsWhenTheLoopWaits()
    {
        TWindows w;
        AddAll(w, 2);
        w.Main->ApplicationEvents1Idle();
        QVERIFY(!w.Find<QToolButton>("sbRemoveFiles")->isEnabled());
        SelectListRows(w, {1});
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
        QVERIFY(w.Find<QToolButton>("sbRemoveFiles")->isEnabled());
        QVERIFY(w.Find<QToolButton>("sbMoveUp")->isEnabled());
    }

    void addByDialogFillsRows()
    {
        TWindows w;
        w.Seam.OpenAnswers.enqueue({m_pdf[1], m_pdf[0]});
        QTest::mouseClick(w.Find<QToolButton>("sbAddFiles"), Qt::LeftButton);
        QTRY_VERIFY(!w.Main->IsCountingFiles());
        QCOMPARE(w.Seam.DialogCalls.size(), 1);
        QVERIFY(w.Seam.DialogCalls[0].Multiple);
        QCOMPARE(ListColumn(w, 0), (QStringList{"1", "2"}));
        QCOMPARE(ListColumn(w, 1), (QStringList{"b.pdf", "a.pdf"}));
        QCOMPARE(ListColumn(w, 2), (QStringList{"1", "1"}));
        QCOMPARE(ListColumn(w, 4), (QStringList{m_pdf[1], m_pdf[0]}));
        QVERIFY(!QApplication::overrideCursor());
        // Cancelling adds nothing.
        QTest::mouseClick(w.Find<QToolButton>("sbAddFiles"), Qt::LeftButton);
        QCOMPARE(ListColumn(w, 0).size(), 2);
    }

    // Counting runs off the window thread: rows come in the order chosen, and a
    // merge waits for them.
    void manyFilesCountedInOrderBeforeMerge()
    {
        QStringList files;
        for (int i = 0; i < 12; ++i) {
            const QString copy = Path(QStringLiteral("many%1.pdf").arg(i));
            QVERIFY(QFile::copy(m_pdf[i % 4], copy) || QFile::exists(copy));
            files << copy;
        }
        TWindows w;
        w.Seam.OpenAnswers.enqueue(files);
        QTest::mouseClick(w.Find<QToolButton>("sbAddFiles"), Qt::LeftButton);
        QVERIFY(w.Main->IsCountingFiles());
        QVERIFY(QApplication::overrideCursor());
        w.Main->sbMergeClick();
        QVERIFY(w.Seam.Boxes.isEmpty()); // not "There must have two...": it waits
        QTRY_VERIFY(!w.Main->IsCountingFiles());
        QCOMPARE(ListColumn(w, 4), files);
        QStringList pages;
        for (int i = 0; i < 12; ++i)
            pages << ListColumn(w, 2)[i % 4];
        QCOMPARE(ListColumn(w, 2), pages);
        QVERIFY(!QApplication::overrideCursor());
    }

    void duplicatesFoldOnlyAsciiCase()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Up")));
        const QString file = Path(QStringLiteral("Up/X.PDF"));
        QVERIFY(QFile::copy(m_pdf[0], file) || QFile::exists(file));
        TWindows w;
        auto* list = MergeListView(w);
        w.Main->AddFileToList(file, list);
        w.Main->AddFileToList(file.toLower(), list);
        QCOMPARE(ListRowCount(w), 1);
        // Another way of writing the same file is a different text: listed again.
        w.Main->AddFileToList(Path(QStringLiteral("Up/./X.PDF")), list);
        QCOMPARE(ListRowCount(w), 2);
        QVERIFY(w.Seam.Boxes.isEmpty());
    }

    void encryptedFileRefused()
    {
        const QString locked = Path(QStringLiteral("locked.pdf"));
        QVERIFY(MakeEncryptedPdf(m_pdf[0], locked));
        TWindows w;
        w.Main->AddFileToList(locked, MergeListView(w));
        QCOMPARE(ListRowCount(w), 0);
        QCOMPARE(w.Seam.Boxes.size(), 1);
        QCOMPARE(w.Seam.Boxes[0].Owner.data(), w.Main.get());
        QCOMPARE(w.Seam.Boxes[0].Icon, QMessageBox::Information);
        QCOMPARE(w.Seam.BoxTexts(), QStringList{QStringLiteral("Info|") + locked +
                                                QStringLiteral(" is encrypted, cannot be merged!")});
        QVERIFY(w.Find<QLineEdit>("edtMergeFileLoc")->text().isEmpty());
    }

    void dropSkipsFoldersAndReportsProbeErrors()
    {
        const QString missing = Path(QStringLiteral("gone.pdf"));
        TWindows w;
        Drop(w,
             {QUrl::fromLocalFile(m_dir.path()), QUrl::fromLocalFile(m_pdf[2]), QUrl::fromLocalFile(missing),
              QUrl(QStringLiteral("https://www.example.com/x.pdf")), QUrl::fromLocalFile(m_pdf[3])});
        QTRY_VERIFY(!w.Main->IsCountingFiles());
        QCOMPARE(ListColumn(w, 1), (QStringList{"c.pdf", "d.pdf"}));
        QCOMPARE(w.Seam.Boxes.size(), 1);
        QCOMPARE(w.Seam.Boxes[0].Caption, QStringLiteral("error"));
        QCOMPARE(w.Seam.Boxes[0].Icon, QMessageBox::Critical);
        QVERIFY2(w.Seam.Boxes[0].Text.contains(missing), qPrintable(w.Seam.Boxes[0].Text));
        QVERIFY(!QApplication::overrideCursor());
    }

    void dragOfNonFilesIgnored()
    {
        TWindows w;
        QMimeData mime;
        mime.setText(QStringLiteral("hello"));
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(MergeListView(w)->viewport(), &enter);
        QVERIFY(!enter.isAccepted());
    }

    void sizeTexts_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("bytes") << qint64(512) << "C"
                               << "   512 B";
        QTest::newRow("comma locale") << qint64(1536) << "de_DE"
                                      << "  1,50 K";
    }

    void sizeTexts()
    {
        QFETCH(qint64, size);
        QFETCH(QString, locale);
        const QString file = Path(QStringLiteral("size-%1.bin").arg(size));
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QVERIFY(f.resize(size));
        }
        QLocale::setDefault(QLocale(locale));
        TWindows w;
        w.Main->AddFileToList(file, MergeListView(w));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(ListColumn(w, 2), QStringList{QStringLiteral("0")});
        QTEST(ListColumn(w, 3).value(0), "text");
    }

    void defaultOutputName()
    {
        TWindows w;
        auto* list = MergeListView(w);
        auto* output = w.Find<QLineEdit>("edtMergeFileLoc");
        w.Main->AddFileToList(m_pdf[1], list);
        const QString expected =
            QString::fromStdString(w.Main->DefaultFolder()) + QStringLiteral("Tarvex/b_me.pdf");
        QCOMPARE(output->text(), expected);
        w.Main->AddFileToList(m_pdf[2], list);
        QCOMPARE(output->text(), expected);
    }

    void outputMovedAwayFromListedInputs()
    {
        TWindows w;
        auto* list = MergeListView(w);
        auto* output = w.Find<QLineEdit>("edtMergeFileLoc");
        const QString c1 = Path(QStringLiteral("c1.pdf"));
        QVERIFY(QFile::copy(m_pdf[2], c1) || QFile::exists(c1));
        w.Main->AddFileToList(c1, list);
        output->setText(m_pdf[2]);
        w.Main->AddFileToList(m_pdf[2], list);
        QCOMPARE(output->text(), Path(QStringLiteral("c2.pdf")));
        output->setText(m_pdf[0]);
        w.Main->AddFileToList(m_pdf[0], list);
        QCOMPARE(output->text(), Path(QStringLiteral("a1.pdf")));
    }

    void removeRenumbers()
    {
        TWindows w;
        w.Main->show();
        AddAll(w, 5);
        SelectListRows(w, {1, 3});
        w.Main->ApplicationEvents1Idle();
        QTest::mouseClick(w.Find<QToolButton>("sbRemoveFiles"), Qt::LeftButton);
        QCOMPARE(ListColumn(w, 0), (QStringList{"1", "2", "3"}));
        QCOMPARE(ListColumn(w, 1), (QStringList{"a.pdf", "c.pdf", "e.pdf"}));
    }

    void moveRows_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QList<int>>("after");
        QTest::newRow("up, rows 3 and 5") << QList<int>{2, 4} << "sbMoveUp"
                                          << "acbde" << QList<int>{1};
        QTest::newRow("down, rows 1 and 4") << QList<int>{0, 3} << "sbMoveDown"
                                            << "bacde" << QList<int>{1};
        QTest::newRow("down, row 4") << QList<int>{3} << "sbMoveDown"
                                     << "abced" << QList<int>{4};
    }

    void moveRows()
    {
        QFETCH(QList<int>, selected);
        QFETCH(QString, button);
        QFETCH(QString, order);
        TWindows w;
        w.Main->show();
        AddAll(w, 5);
        SelectListRows(w, selected);
        w.Main->ApplicationEvents1Idle();
        QTest::mouseClick(w.Find<QToolButton>(button.toLatin1().constData()), Qt::LeftButton);
        QStringList expected;
        for (const QChar c : order)
            expected << QString(c) + QStringLiteral(".pdf");
        QCOMPARE(ListColumn(w, 1), expected);
        QCOMPARE(ListColumn(w, 0), (QStringList{"1", "2", "3", "4", "5"}));
        QStringList paths;
        for (const QString& name : expected)
            paths << Path(name);
        QCOMPARE(ListColumn(w, 4), paths);
        QTEST(SelectedListRows(w), "after");
    }

    void webLinkOpensProductPage()
    {
        TWindows w;
        w.Main->show();
        QTest::mouseClick(w.Find<QLabel>("Label11"), Qt::LeftButton);
        QCOMPARE(w.Seam.Opened.size(), 1);
        QCOMPARE(w.Seam.Opened[0].host(), QStringLiteral("www.example.com"));
    }

    void aboutLinkShowsAboutWindow()
    {
        TWindows w;
        w.Main->show();
        QPointer<QWidget> shown;
        bool sawAbout = false;
        QTimer::singleShot(0, [&] {
            shown = QApplication::activeModalWidget();
            sawAbout = shown && shown->inherits("TfrmAbout") && shown->parentWidget() == w.Main.get() &&
                       frmAbout == shown;
            if (shown)
                static_cast<QDialog*>(shown.data())->accept();
        });
        QTest::mouseClick(w.Find<QLabel>("Label10"), Qt::LeftButton);
        QVERIFY(sawAbout);
        QVERIFY(shown.isNull()); // deleted once closed
        QVERIFY(frmAbout == nullptr);
    }

    void folderPickerPreselectsInitialFolder()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Out")));
        InitialBrowseFolder = Path(QStringLiteral("Out/"));
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::Directory);
        QCOMPARE(FolderDialogCallback(&dialog, TFolderDialogEvent::Initialized), 0);
        QCOMPARE(dialog.directory().absolutePath(), QDir(m_dir.path()).absolutePath());
        QCOMPARE(dialog.selectedFiles().value(0), Path(QStringLiteral("Out")));
    }

    // Messages carry file names, which may hold anything that looks like markup.
    void realMessageBoxShowsTextAsTyped()
    {
        const QString text = QStringLiteral("/tmp/<b>x</b>.pdf is encrypted, cannot be merged!");
        Qt::TextFormat format = Qt::AutoText;
        QString shown;
        QTimer::singleShot(0, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
                    format = label->textFormat();
                    shown = label->text();
                }
                box->done(QMessageBox::Ok);
            }
        });
        QCOMPARE(uiSeam().messageBox(nullptr, QMessageBox::Information, QStringLiteral("Info"), text,
                                     QMessageBox::Ok),
                 QMessageBox::Ok);
        QCOMPARE(shown, text);
        QCOMPARE(format, Qt::PlainText);
    }

    // A box waits for the person: no hourglass over it, even while files are added.
    void realMessageBoxShowsNoHourglass()
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        Qt::CursorShape shape = Qt::WaitCursor;
        QTimer::singleShot(0, this, [&] {
            if (const QCursor* cursor = QApplication::overrideCursor())
                shape = cursor->shape();
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->done(QMessageBox::Ok);
        });
        uiSeam().messageBox(nullptr, QMessageBox::Critical, QStringLiteral("error"), QStringLiteral("x"),
                            QMessageBox::Ok);
        QCOMPARE(shape, Qt::ArrowCursor);
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QApplication::restoreOverrideCursor();
        QVERIFY(!QApplication::overrideCursor());
    }

    void escapingErrorIsShown()
    {
        TWindows w;
        class TThrower : public QObject
        {
        public:
            const char* Text = "";
            bool event(QEvent* e) override
            {
                if (e->type() == QEvent::User)
                    throw std::runtime_error(Text);
                return QObject::event(e);
            }
        } thrower;
        QEvent event(QEvent::User);
        thrower.Text = "'x' is not a valid integer value";
        QApplication::sendEvent(&thrower, &event);
        thrower.Text = "Ends already.";
        QApplication::sendEvent(&thrower, &event);
        QCOMPARE(w.Seam.BoxTexts(), (QStringList{"Tarvex Plicora|'x' is not a valid integer value.",
                                                 "Tarvex Plicora|Ends already."}));
        QCOMPARE(w.Seam.Boxes[0].Icon, QMessageBox::Critical);
    }
};

PLICORA_GUI_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
