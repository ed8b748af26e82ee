// Page pictures: a drawn page against pdftoppm's picture of it, and the
// placeholder a file that cannot be drawn gets instead.
#include "guitestutil.h"
#include "mainform.h"
#include "mergelistmodel.h"
#include "mergethumbs.h"
#include "pagepreview.h"
#include "pagerenderer.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>

using namespace testutil;

class TestPagePictures : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    // Waits for the renderer's picture of a page.
    static std::optional<TPagePicture> Drawn(TPageRenderer& renderer, const QString& path, int page,
                                             QSize box, const TPageLook& look = {})
    {
        QSignalSpy ready(&renderer, &TPageRenderer::pageReady);
        if (auto cached = renderer.Picture(path, page, box, look))
            return cached;
        if (!ready.wait(20000))
            return std::nullopt;
        return renderer.Picture(path, page, box, look);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(MakePdf(Path("three.pdf"), {"First", "Second", "Third"}));
        QVERIFY(WriteFile(Path("notpdf.pdf"), "just text\n"));
        // Page lines the light probe counts, in no file a reader can read.
        QVERIFY(WriteFile(Path("damaged.pdf"), "%PDF-1.4\n/Type /Page\n/Type /Page\n%%EOF\n"));
        QVERIFY(MakeEncryptedPdf(Path("three.pdf"), Path("locked.pdf")));
    }

    void init() { ClearPageCache(); }

    void pageMatchesPdftoppm()
    {
        if (!PagePicturesAvailable())
            QSKIP("built without Qt's PDF module");
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        TPageRenderer renderer;
        const auto picture = Drawn(renderer, Path("three.pdf"), 1, QSize(96, 128));
        QVERIFY(picture);
        QVERIFY2(picture->Reason.isEmpty(), qPrintable(picture->Reason));
        const QImage ours = picture->Image.convertToFormat(QImage::Format_RGB32);
        QVERIFY(ours.width() <= 96 && ours.height() <= 128);
        QVERIFY(ours.width() == 96 || ours.height() == 128);

        QProcess run;
        run.start(pdftoppm,
                  {QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"), QStringLiteral("2"),
                   QStringLiteral("-singlefile"), QStringLiteral("-png"), QStringLiteral("-scale-to-x"),
                   QString::number(ours.width()), QStringLiteral("-scale-to-y"),
                   QString::number(ours.height()), Path("three.pdf"), Path("theirs")});
        QVERIFY(run.waitForFinished(30000) && run.exitCode() == 0);
        const QImage theirs = QImage(Path("theirs.png")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(theirs.size(), ours.size());

        // Anti-aliasing differs between the two; a blank, black, shifted or
        // transparent-on-black page does not come near.
        qint64 difference = 0;
        int dark = 0;
        for (int y = 0; y < ours.height(); ++y)
            for (int x = 0; x < ours.width(); ++x) {
                const QRgb a = ours.pixel(x, y);
                const QRgb b = theirs.pixel(x, y);
                difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                              std::abs(qBlue(a) - qBlue(b));
                dark += qGray(a) < 128;
            }
        const double mean = double(difference) / (3.0 * ours.width() * ours.height());
        QVERIFY2(mean < 6.0, qPrintable(QStringLiteral("mean difference %1 of 255").arg(mean)));
        QVERIFY2(dark > 20, "the page drawn is (nearly) blank");
    }

    // A page that cannot be drawn gets a placeholder that says why; a protected
    // file's pages come once its password is given, and a page turned as the
    // merge turns it. The cache holds each look apart: asked first as plain.
    void placeholderSaysWhy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("turn");
        QTest::addColumn<QString>("reason"); // "": the page itself
        QTest::newRow("encrypted") << "locked.pdf" << 0 << "" << 0
                                   << "locked.pdf is encrypted: its pages cannot be shown.";
        QTest::newRow("encrypted, its password given") << "locked.pdf" << 0 << "user" << 0 << "";
        QTest::newRow("turned a quarter") << "three.pdf" << 1 << "" << 90 << "";
        QTest::newRow("not a PDF") << "notpdf.pdf" << 0 << "" << 0
                                   << "notpdf.pdf is not a PDF document: its pages cannot be shown.";
        QTest::newRow("missing") << "gone.pdf" << 0 << "" << 0 << "Cannot open file";
        QTest::newRow("damaged") << "damaged.pdf" << 0 << "" << 0
                                 << Path("damaged.pdf") + ": damaged, cannot be read (";
        QTest::newRow("beyond the last page") << "three.pdf" << 7 << "" << 0 << "Page 8 cannot be drawn.";
    }

    void placeholderSaysWhy()
    {
        QFETCH(QString, name);
        QFETCH(int, page);
        QFETCH(QString, password);
        QFETCH(int, turn);
        QFETCH(QString, reason);
        TPageRenderer renderer;
        const QSize box(60, 80);
        QVERIFY(Drawn(renderer, Path(name), page, box, {}));
        const auto picture = Drawn(renderer, Path(name), page, box, {password, turn});
        QVERIFY(picture);
        if (!PagePicturesAvailable())
            reason = QStringLiteral("Page pictures are not part of this build.");
        if (!reason.isEmpty()) {
            QVERIFY2(picture->Reason.startsWith(reason), qPrintable(picture->Reason));
            QCOMPARE(picture->Image.size(), box); // a placeholder, never nothing
            return;
        }
        QVERIFY2(picture->Reason.isEmpty(), qPrintable(picture->Reason));
        const QSize drawn = picture->Image.size();
        QVERIFY(drawn.width() == box.width() || drawn.height() == box.height());
        // The portrait page lies on its side when turned a quarter, and still fits.
        QCOMPARE(drawn.width() > drawn.height(), turn % 180 != 0);
        QVERIFY(drawn.width() <= box.width() && drawn.height() <= box.height());
    }

    // A changed selection drops the pages still waiting; the grid draws only
    // what it shows.
    void cancelDropsWaitingPages()
    {
        TPageRenderer renderer;
        for (int page = 0; page < 3; ++page)
            for (int size = 10; size < 60; ++size)
                renderer.Picture(Path("three.pdf"), page, QSize(size, size));
        renderer.Cancel();
        // Of 150, the few drawn meanwhile are on their way back to this thread;
        // without page pictures each placeholder is made at once, and many may be.
        if (PagePicturesAvailable())
            QVERIFY2(renderer.Pending() < 20, qPrintable(QString::number(renderer.Pending())));
        QTRY_COMPARE(renderer.Pending(), 0);
    }

    // The window's merge pane shows the current row's pages once its toggle is
    // on; a row a merge leaves out shows one placeholder that says why, a
    // protected one its pages once its password is given. The row's pages
    // chosen show as picked, and pages picked there become the row's text.
    void mergePaneShowsCurrentRow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password"); // the answer when it is asked
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("typed");  // into Pages chosen first
        QTest::addColumn<int>("clicked");    // the page clicked then (0-based), -1 none
        QTest::addColumn<QString>("picked"); // the pane's pages: x picked, . not
        QTest::addColumn<QString>("chosen"); // the row's pages chosen after
        const QString notPdf = QStringLiteral("notpdf.pdf is not a PDF document: its pages cannot be shown.");
        // clang-format off
        QTest::newRow("three pages") << "three.pdf" << "" << 3 << "" << "" << -1 << "xxx" << "";
        QTest::newRow("not a PDF") << "notpdf.pdf" << "" << 1 << notPdf << "" << -1 << "" << "";
        QTest::newRow("protected, its password given")
            << "locked.pdf" << "user" << 3 << "" << "" << -1 << "xxx" << "";
        QTest::newRow("typed pages show as picked") << "three.pdf" << "" << 3 << "" << "3,1" << -1 << "x.x" << "3,1";
        QTest::newRow("Ctrl-click leaves a page out")
            << "three.pdf" << "" << 3 << "" << "" << 1 << "x.x" << "1,3";
        // clang-format on
    }

    void mergePaneShowsCurrentRow()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(int, pages);
        QFETCH(QString, reason);
        QFETCH(QString, typed);
        QFETCH(int, clicked);
        TWindows w;
        auto* pane = w.Main->findChild<TPagePreview*>("MergePages");
        if (!pane)
            QSKIP("built without Qt's PDF module");
        w.Find<QTabWidget>("PageControl1")->setCurrentIndex(0);
        w.Main->show();
        QVERIFY(!pane->isVisible()); // no room at the first size
        w.Find<QToolButton>("sbMergePages")->click();
        QVERIFY(pane->isVisible());
        if (!password.isEmpty())
            w.Seam.PasswordAnswers.enqueue(password);
        w.Main->AddFilesToList({Path(name)});
        QTRY_VERIFY(!w.Main->IsCountingFiles());
        SelectListRows(w, {0});
        const TPageGridModel* grid = pane->Pages();
        QTRY_COMPARE(grid->rowCount(), pages);
        // Drawn before it is read: a placeholder would say why.
        grid->index(0).data(Qt::DecorationRole);
        QTRY_COMPARE(pane->Renderer()->Pending(), 0);
        QCOMPARE(grid->index(0).data(Qt::ToolTipRole).toString(), reason);

        const QModelIndex row = MergeListView(w)->model()->index(0, TMergeListModel::ColSelection);
        if (!typed.isEmpty())
            QVERIFY(MergeListView(w)->model()->setData(row, typed));
        if (clicked >= 0)
            QTest::mouseClick(pane->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              pane->visualRect(grid->index(clicked)).center());
        QString picked; // none where nothing can be picked
        for (const bool page : pane->Picked())
            if (pane->selectionMode() != QAbstractItemView::NoSelection)
                picked += page ? QLatin1Char('x') : QLatin1Char('.');
        QTEST(picked, "picked");
        QTEST(row.data(TMergeListModel::SelectionRole).toString(), "chosen");
        // Left out in words too, not by colour alone.
        for (int page = 0; page < picked.size(); ++page)
            QCOMPARE(grid->index(page).data().toString().contains(QStringLiteral("not chosen")),
                     picked[page] == QLatin1Char('.'));
    }

    // A merge row shows at once; its first page's picture follows beside the name,
    // and the preview shows the current row's pages.
    void mergeRowGetsItsFirstPage()
    {
        if (!PagePicturesAvailable())
            QSKIP("built without Qt's PDF module");
        QStandardItemModel model(1, 3);
        model.setItem(0, 0, new QStandardItem(QStringLiteral("three.pdf")));
        model.setItem(0, 1, new QStandardItem(Path("three.pdf")));
        QTreeView view;
        view.setModel(&model);
        TPagePreview preview;
        BindMergePreview(&preview, &view, 1, 2);
        view.setCurrentIndex(model.index(0, 0));
        QCOMPARE(preview.Pages()->rowCount(), 0); // not counted yet
        model.setData(model.index(0, 2), 3, Qt::UserRole);
        QCOMPARE(preview.Pages()->rowCount(), 3);
        view.setItemDelegateForColumn(0, new TMergeThumbDelegate(&view, 1, QSize(24, 32)));
        view.resize(300, 120);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QRect row = view.visualRect(model.index(0, 0));
        QVERIFY(row.height() >= 32);
        auto darkInPicture = [&] {
            const QImage shot = view.viewport()->grab().toImage();
            int dark = 0;
            for (int y = row.top(); y <= row.bottom(); ++y)
                for (int x = row.left(); x < row.left() + 28; ++x)
                    dark += qGray(shot.pixel(x, y)) < 100;
            return dark;
        };
        QTRY_VERIFY_WITH_TIMEOUT(darkInPicture() > 3, 20000);
    }
};

PLICORA_GUI_TEST_MAIN(TestPagePictures)
#include "tst_pagepictures.moc"
