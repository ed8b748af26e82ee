// The main window as it starts, its idle rules, and the merge list.
#include "about.h"
#include "guitestutil.h"
#include "mergelistmodel.h"
#include "options.h"
#include "platform/platform.h"
#include "widgetstyle.h"

#include <QAbstractButton>
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
        // The laid-out size is the smallest; the window grows and the list with it.
        QCOMPARE(w.Main->minimumSize(), QSize(692, 412));
        QCOMPARE(w.Main->size(), QSize(692, 412));
        QVERIFY(w.Main->windowFlags() & Qt::WindowMaximizeButtonHint);
        w.Main->show();
        // The list's place, which it shares with its page pane where pages are drawn.
        QWidget* area = w.Main->findChild<QWidget*>("MergeSplitter");
        if (!area)
            area = MergeListView(w);
        const QRect list = area->geometry();
        w.Main->resize(900, 600);
        QTRY_COMPARE(area->geometry(), list.adjusted(0, 0, 208, 188));
        QCOMPARE(w.Find<QToolButton>("sbMerge")->geometry().bottomRight(),
                 QPoint(670, 294) + QPoint(208, 188));
        auto* tabs = w.Find<QTabWidget>("PageControl1");
        QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("TabSheet2"));
        QCOMPARE(ListRowCount(w), 0);
        QVERIFY(w.Find<QLineEdit>("edtMergeFileLoc")->text().isEmpty());
        QCOMPARE(w.Main->SplitPageCount(), 0);
        QVERIFY(w.Main->DefaultFolder().ends_with(plat::PathSeparator));
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
        // Every row shows at once, saying it is being counted.
        QCOMPARE(ListColumn(w, 4), files);
        QVERIFY(ListColumn(w, 2).contains(QStringLiteral("counting...")));
        w.Main->sbMergeClick();
        QVERIFY(w.Seam.Boxes.isEmpty()); // not "There must have two...": it waits, then starts
        w.Main->ApplicationEvents1Idle();
        QVERIFY(w.Find<QLabel>("lblListTotal")->text().endsWith(QStringLiteral("when all are counted")));
        QTRY_COMPARE(w.Seam.BoxTexts(), QStringList{"Success|Merging PDF completed."});
        QCOMPARE(ListColumn(w, 4), files);
        QCOMPARE(ListColumn(w, 2), QStringList(12, QStringLiteral("1")));
        QCOMPARE(PdfPageCount(QString::fromStdString(w.Main->JobParam().OutputPath)), 12);
        w.Main->ApplicationEvents1Idle();
        QCOMPARE(w.Find<QLabel>("lblListTotal")->text(), QStringLiteral("12 files, 12 pages"));
        QVERIFY(!QApplication::overrideCursor());
    }

    // The same file is listed once whichever way its name reaches it; case
    // twins are two files where the file system tells them apart.
    void duplicatesAreTheSameFile()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Up")));
        const QString file = Path(QStringLiteral("Up/X.PDF"));
        const QString twin = Path(QStringLiteral("Up/x.pdf"));
        QVERIFY(QFile::copy(m_pdf[0], file) || QFile::exists(file));
        QVERIFY(QFile::copy(m_pdf[1], twin) || QFile::exists(twin));
        QStringList names{"Up/X.PDF", "Up/x.pdf", "Up/./X.PDF", "Up//x.pdf", "Up/../Up/X.PDF"};
#ifdef Q_OS_WIN
        // Names that differ only in case are one file there; QFile::link makes a
        // shortcut (.lnk), not a link the file system follows.
        const QStringList expected{file};
#else
        QVERIFY(QFile::link(Path(QStringLiteral("Up")), Path(QStringLiteral("Linked"))) ||
                QFile::exists(Path(QStringLiteral("Linked"))));
        names << QStringLiteral("Linked/x.pdf");
        const QStringList expected{file, twin};
#endif
        TWindows w;
        auto* list = MergeListView(w);
        for (const QString& name : names)
            w.Main->AddFileToList(Path(name), list);
        QCOMPARE(ListColumn(w, 4), expected);
        QVERIFY(w.Seam.Boxes.isEmpty());
    }

    // A listed file that is not a readable PDF says why in its row.
    void rowSaysWhyItIsLeftOut()
    {
        const QString text = Path(QStringLiteral("text.pdf"));
        QVERIFY(WriteFile(text, "just text\n"));
        TWindows w;
        w.Main->AddFileToList(text, MergeListView(w));
        AddAll(w, 2);
        QCOMPARE(ListColumn(w, 2), (QStringList{"0 (not a PDF)", "1", "1"}));
        const QModelIndex row = MergeListView(w)->model()->index(0, 1);
        QCOMPARE(row.data(Qt::ToolTipRole).toString(),
                 text + QStringLiteral("\nnot a PDF: a merge leaves it out"));
        QVERIFY(!row.data(Qt::DecorationRole).isNull());
        QCOMPARE(MergeListView(w)->textElideMode(), Qt::ElideMiddle);
        w.Main->ApplicationEvents1Idle();
        QCOMPARE(w.Find<QLabel>("lblListTotal")->text(), QStringLiteral("3 files, 2 pages"));
    }

    // A protected file asks its password; cancelled, it is refused as ever.
    void encryptedFileAsksItsPassword_data()
    {
        QTest::addColumn<QString>("answer"); // none: cancelled
        QTest::addColumn<QStringList>("boxes");
        const QString refused = QStringLiteral("Info|%1 is encrypted, cannot be merged!");
        QTest::newRow("cancelled") << QString() << QStringList{refused};
        QTest::newRow("its password") << QStringLiteral("user") << QStringList{};
        QTest::newRow("a wrong one") << QStringLiteral("x")
                                     << QStringList{refused +
                                                    QStringLiteral("\nThe password given does not open it.")};
    }

    void encryptedFileAsksItsPassword()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, boxes);
        const QString locked = Path(QStringLiteral("locked.pdf"));
        QVERIFY(MakeEncryptedPdf(m_pdf[0], locked));
        TWindows w;
        if (!answer.isEmpty())
            w.Seam.PasswordAnswers.enqueue(answer);
        w.Main->AddFileToList(locked, MergeListView(w));
        QCOMPARE(w.Seam.PasswordQuestions, QStringList{QStringLiteral("Password for ") + locked + ':'});
        for (QString& box : boxes)
            box = box.arg(locked);
        QCOMPARE(w.Seam.BoxTexts(), boxes);
        QCOMPARE(ListRowCount(w), boxes.isEmpty() ? 1 : 0);
        if (boxes.isEmpty()) {
            // Kept in the row for the job, and shown nowhere.
            const QModelIndex row = MergeListView(w)->model()->index(0, 0);
            QCOMPARE(row.data(TMergeListModel::PasswordRole).toString(), QStringLiteral("user"));
            QVERIFY(!ListColumn(w, 5).join(' ').contains(QStringLiteral("user")));
            return;
        }
        QCOMPARE(w.Seam.Boxes[0].Owner.data(), w.Main.get());
        QCOMPARE(w.Seam.Boxes[0].Icon, QMessageBox::Information);
        QVERIFY(w.Find<QLineEdit>("edtMergeFileLoc")->text().isEmpty());
    }

    // Under a dark desktop palette every text reads against its background, and
    // a row is tall enough for its font.
    void darkPaletteIsReadable()
    {
        const QPalette desktop = QApplication::palette();
        QPalette dark(QColor(53, 53, 53), QColor(45, 45, 45));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::ButtonText, Qt::white);
        dark.setColor(QPalette::Link, QColor(0, 0, 255)); // left as in a light theme
        QApplication::setPalette(dark);
        {
            TWindows w;
            TfrmAbout about(w.Main.get());
            TfrmOptions options(w.Main.get(), TEngineKind::Exact);
            for (QWidget* window :
                 std::initializer_list<QWidget*>{w.Main.get(), w.Progress.get(), &about, &options}) {
                for (QWidget* part : window->findChildren<QWidget*>()) {
                    if (!qobject_cast<QLabel*>(part) && !qobject_cast<QAbstractButton*>(part) &&
                        !qobject_cast<QGroupBox*>(part))
                        continue;
                    const QPalette& p = part->palette();
                    const double ratio =
                        ContrastRatio(p.color(part->foregroundRole()), p.color(part->backgroundRole()));
                    QVERIFY2(ratio >= 4.5,
                             qPrintable(part->objectName() + QStringLiteral(": %1").arg(ratio)));
                }
            }
            AddAll(w, 1);
            w.Main->show();
            QTreeView* list = MergeListView(w);
            QTRY_VERIFY(list->visualRect(list->model()->index(0, 1)).height() >=
                        list->fontMetrics().height() + 4);
            // The logo's lettering too: none of its dark grey ink is left.
            for (QWidget* window : std::initializer_list<QWidget*>{w.Main.get(), &about}) {
                const QImage logo = window->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().toImage();
                QVERIFY(!logo.isNull());
                int inked = 0;
                for (int y = 0; y < logo.height(); ++y)
                    for (int x = 0; x < logo.width(); ++x) {
                        const QRgb px = logo.pixel(x, y);
                        inked += qAlpha(px) > 200 && std::abs(qRed(px) - 0x37) + std::abs(qGreen(px) - 0x47) +
                                                             std::abs(qBlue(px) - 0x4f) <
                                                         12;
                    }
                QVERIFY2(inked < 10, qPrintable(QString::number(inked)));
            }
        }
        QApplication::setPalette(desktop);
    }

    void dropAddsFolderContentsAndReportsProbeErrors()
    {
        const QString missing = Path(QStringLiteral("gone.pdf"));
        const QString folder = Path(QStringLiteral("chapters"));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("chapters")));
        for (const char* name : {"ch10.pdf", "ch2.pdf"})
            QVERIFY(QFile::copy(m_pdf[0], folder + QLatin1Char('/') + QLatin1String(name)));
        QVERIFY(WriteFile(folder + QStringLiteral("/notes.txt"), "text"));
        TWindows w;
        Drop(w, {QUrl::fromLocalFile(folder), QUrl::fromLocalFile(m_pdf[2]), QUrl::fromLocalFile(missing),
                 QUrl(QStringLiteral("https://www.example.com/x.pdf")), QUrl::fromLocalFile(m_pdf[3])});
        QTRY_VERIFY(!w.Main->IsCountingFiles());
        // The folder's PDF files in natural order, then the files.
        QCOMPARE(ListColumn(w, 1), (QStringList{"ch2.pdf", "ch10.pdf", "c.pdf", "d.pdf"}));
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
        QCOMPARE(ListColumn(w, 2), QStringList{QStringLiteral("0 (not a PDF)")}); // listed, saying why
        QTEST(ListColumn(w, 3).value(0), "text");
    }

    void defaultOutputName()
    {
        TWindows w;
        auto* list = MergeListView(w);
        auto* output = w.Find<QLineEdit>("edtMergeFileLoc");
        w.Main->AddFileToList(m_pdf[1], list);
        const QString expected = QString::fromStdString(w.Main->DefaultFolder()) +
                                 QDir::toNativeSeparators(QStringLiteral("Tarvex/b_me.pdf"));
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
