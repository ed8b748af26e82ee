// The main window on a desktop: keys, the list's context menu, dragging rows,
// sorting by name, files from the command line, icons that draw, tab order and
// what a screen reader is told.
#include "guitestutil.h"
#include "pagerenderer.h"

#include <QAccessible>
#include <QDir>
#include <QEventLoop>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

using namespace testutil;

namespace {

enum TColumn
{
    ColId = 0,
    ColFileName = 1,
    ColSize = 3,
    ColPath = 4,
    ColSelection = 5
};

// Some pixel of the picture is not transparent.
bool Draws(const QPixmap& pixmap)
{
    if (pixmap.isNull())
        return false;
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
        }
    }
    return false;
}

// Lets the event loop wait once, as between a person's actions: the idle rules run.
void Idle()
{
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    // The window shown and active (shortcuts need that), with the files listed.
    void Show(TWindows& w, const QString& files)
    {
        w.Main->show();
        w.Main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.Main.get()));
        for (const QChar c : files)
            w.Main->AddFileToList(Path(QString(c) + QStringLiteral(".pdf")), MergeListView(w));
    }

    static QString Order(const TWindows& w)
    {
        QString order;
        for (const QString& name : ListColumn(w, ColFileName))
            order += name.left(1);
        return order;
    }

    static QStringList Numbers(int count)
    {
        QStringList ids;
        for (int i = 1; i <= count; ++i)
            ids << QString::number(i);
        return ids;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        for (const char* name : {"a", "b", "c", "d", "e"})
            QVERIFY(MakePdf(Path(QString::fromLatin1(name) + QStringLiteral(".pdf")),
                            {QStringLiteral("Page ") + QString::fromLatin1(name)}));
        QVERIFY(MakePdf(Path(QStringLiteral("three.pdf")), {"1", "2", "3"}));
    }

    // ---- Icons ----------------------------------------------------------------

    void buttonIconsDraw_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"sbAddFiles", "sbRemoveFiles", "sbMoveUp", "sbMoveDown", "mbBrowseMergeLoc",
                                 "sbMerge", "sbBrowseSrcFile", "sbBrowseSplitLoc", "sbSplit"})
            QTest::newRow(name) << QString::fromLatin1(name);
        if (PagePicturesAvailable())
            for (const char* name : {"sbMergePages", "sbSplitPages"})
                QTest::newRow(name) << QString::fromLatin1(name);
    }

    void buttonIconsDraw()
    {
        QFETCH(QString, name);
        TWindows w;
        auto* button = w.Find<QToolButton>(name.toLatin1().constData());
        QVERIFY2(Draws(button->icon().pixmap(button->iconSize())),
                 "the icon did not draw (resource or Qt's SVG plugin missing)");
    }

    // No button of the window is left out of the table above, and the logo and
    // the window icon draw too.
    void everyPictureDraws()
    {
        TWindows w;
        int buttons = 0;
        for (QToolButton* button : w.Main->findChildren<QToolButton*>()) {
            if (qobject_cast<QTabBar*>(button->parentWidget()))
                continue; // the tab row's own scroll arrows
            ++buttons;
            QVERIFY2(Draws(button->icon().pixmap(button->iconSize())), qPrintable(button->objectName()));
        }
        QCOMPARE(buttons, PagePicturesAvailable() ? 11 : 9);
        QVERIFY2(Draws(w.Find<QLabel>("Image1")->pixmap()), "the logo did not draw");
        QVERIFY2(Draws(QIcon(QStringLiteral(":/icons/plicora.svg")).pixmap(48, 48)),
                 "the window icon did not draw");
    }

    // ---- Keys -----------------------------------------------------------------

    void listKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QList<int>>("after");
        QTest::addColumn<QString>("chosen"); // the pages-chosen column, "|" between rows; "": not checked
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        // clang-format off
        QTest::newRow("Delete removes the selected rows")
            << int(Qt::Key_Delete) << none << "ListView1" << QList<int>{1, 3} << "ace" << QList<int>{} << "";
        QTest::newRow("Alt+Up moves up") << int(Qt::Key_Up) << Qt::KeyboardModifiers(Qt::AltModifier)
            << "ListView1" << QList<int>{2} << "acbde" << QList<int>{1} << "";
        QTest::newRow("Alt+Down moves down") << int(Qt::Key_Down) << Qt::KeyboardModifiers(Qt::AltModifier)
            << "ListView1" << QList<int>{0} << "bacde" << QList<int>{1} << "";
        QTest::newRow("Alt+Up on the first row") << int(Qt::Key_Up) << Qt::KeyboardModifiers(Qt::AltModifier)
            << "ListView1" << QList<int>{0} << "abcde" << QList<int>{0} << "";
        QTest::newRow("Delete in the output field edits the field")
            << int(Qt::Key_Delete) << none << "edtMergeFileLoc" << QList<int>{1} << "abcde" << QList<int>{1} << "";
        QTest::newRow("Ctrl+D duplicates the selected rows, the copies selected")
            << int(Qt::Key_D) << ctrl << "ListView1" << QList<int>{1, 3} << "abbcdde" << QList<int>{2, 5} << "";
        QTest::newRow("Ctrl+R turns clockwise") << int(Qt::Key_R) << ctrl << "ListView1" << QList<int>{1}
            << "abcde" << QList<int>{1} << QString::fromUtf8("all|all, turned 90°|all|all|all");
        QTest::newRow("Ctrl+Shift+R turns anticlockwise")
            << int(Qt::Key_R) << (ctrl | Qt::ShiftModifier) << "ListView1" << QList<int>{0} << "abcde"
            << QList<int>{0} << QString::fromUtf8("all, turned 270°|all|all|all|all");
        // clang-format on
    }

    void listKeys()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, focus);
        QFETCH(QList<int>, selected);
        TWindows w;
        w.Find<QTabWidget>("PageControl1")->setCurrentIndex(0);
        Show(w, QStringLiteral("abcde"));
        auto* target = w.Find<QWidget>(focus.toLatin1().constData());
        target->setFocus();
        SelectListRows(w, selected);
        Idle();
        QTest::keyClick(target, Qt::Key(key), modifiers);
        QTEST(Order(w), "order");
        QCOMPARE(ListColumn(w, ColId), Numbers(Order(w).size()));
        QTEST(SelectedListRows(w), "after");
        QFETCH(QString, chosen);
        if (!chosen.isEmpty())
            QCOMPARE(ListColumn(w, ColSelection).join(QLatin1Char('|')), chosen);
        QVERIFY(w.Seam.Boxes.isEmpty());
    }

    void tabKeys_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("dialog"); // "" none, "many" files to add, "one" the split source
        QTest::addColumn<QStringList>("boxes");
        // clang-format off
        QTest::newRow("Ctrl+O adds files") << 0 << int(Qt::Key_O) << "many" << QStringList{};
        QTest::newRow("Ctrl+O on the split side chooses the source")
            << 1 << int(Qt::Key_O) << "one" << QStringList{};
        QTest::newRow("Ctrl+Return merges") << 0 << int(Qt::Key_Return) << ""
            << QStringList{"less file|There must have two or more pdf documents in the list."};
        QTest::newRow("Ctrl+Enter merges") << 0 << int(Qt::Key_Enter) << ""
            << QStringList{"less file|There must have two or more pdf documents in the list."};
        QTest::newRow("Ctrl+Return splits") << 1 << int(Qt::Key_Return) << ""
            << QStringList{"missed source file|Please select a PDF document to split."};
        // clang-format on
    }

    void tabKeys()
    {
        QFETCH(int, tab);
        QFETCH(int, key);
        QFETCH(QString, dialog);
        TWindows w;
        w.Find<QTabWidget>("PageControl1")->setCurrentIndex(tab);
        Show(w, QString());
        w.Seam.OpenAnswers.enqueue({Path(QStringLiteral("three.pdf"))});
        QTest::keyClick(w.Main.get(), Qt::Key(key), Qt::ControlModifier);
        QTRY_VERIFY(!w.Main->IsCountingFiles());
        QTEST(w.Seam.BoxTexts(), "boxes");
        QCOMPARE(w.Seam.DialogCalls.size(), dialog.isEmpty() ? 0 : 1);
        if (dialog == QStringLiteral("many")) {
            QVERIFY(w.Seam.DialogCalls[0].Multiple);
            QCOMPARE(ListColumn(w, ColFileName), QStringList{"three.pdf"});
        } else if (dialog == QStringLiteral("one")) {
            QVERIFY(!w.Seam.DialogCalls[0].Multiple);
            QCOMPARE(w.Find<QLineEdit>("edtSplitSrc")->text(), Path(QStringLiteral("three.pdf")));
            QCOMPARE(w.Main->SplitPageCount(), 3);
        }
    }

    // Ctrl+Return leaves the field being typed in first, as a click on the button
    // does: a name it refuses keeps the focus and nothing else is asked.
    void ctrlReturnChecksTheTypedSourceFirst()
    {
        TWindows w;
        Show(w, QString());
        auto* source = w.Find<QLineEdit>("edtSplitSrc");
        source->setFocus();
        QTest::keyClicks(source, Path(QStringLiteral("gone.pdf")));
        QTest::keyClick(source, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(w.Seam.BoxTexts(), QStringList{"Tip|Specified file not exists."});
        QCOMPARE(QApplication::focusWidget(), source);

        // A good name is taken on the way: the split goes on to its next question.
        w.Seam.Boxes.clear();
        source->setText(Path(QStringLiteral("three.pdf")));
        w.Seam.Answers.enqueue(QMessageBox::No); // "continue?"
        QTest::keyClick(source, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(w.Main->SplitPageCount(), 3);
        QCOMPARE(w.Seam.Boxes.value(0).Caption, QStringLiteral("continue?"));
    }

    // ---- Context menu ---------------------------------------------------------

    void contextMenuOffersTheListActions()
    {
        TWindows w;
        w.Find<QTabWidget>("PageControl1")->setCurrentIndex(0);
        Show(w, QStringLiteral("abc"));
        SelectListRows(w, {0});
        QStringList shown;
        QTimer::singleShot(0, this, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions()) {
                    shown << (action->isSeparator()
                                  ? QStringLiteral("-")
                                  : action->text() + (action->isEnabled() ? "" : " (off)") +
                                        (action->shortcut().isEmpty()
                                             ? QString()
                                             : QLatin1Char(' ') + action->shortcut().toString()));
                }
                menu->close();
            }
        });
        auto* viewport = MergeListView(w)->viewport();
        const QPoint at = MergeListView(w)->visualRect(MergeListView(w)->model()->index(0, 1)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &event);
        QCOMPARE(shown, (QStringList{"Add file(s) Ctrl+O", "Remove selected file(s) Del",
                                     "Move selected item up (off) Alt+Up", "Move selected item down Alt+Down",
                                     "-", "Sort by name", "-", "Choose pages F2", "Duplicate row Ctrl+D",
                                     "Rotate clockwise Ctrl+R", "Rotate anticlockwise Ctrl+Shift+R", "-",
                                     "Bookmarks", "Add a blank page after files with an odd number of pages",
                                     "-", "Recent files"}));
    }

    void sortByName_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("sorted");
        // clang-format off
        QTest::newRow("numbers as read")
            << QStringList{"chapter10.pdf", "chapter2.pdf", "chapter1.pdf"}
            << QStringList{"chapter1.pdf", "chapter2.pdf", "chapter10.pdf"};
        QTest::newRow("case does not come first")
            << QStringList{"b.pdf", "Chapter3.pdf", "a.pdf", "chapter12.pdf"}
            << QStringList{"a.pdf", "b.pdf", "Chapter3.pdf", "chapter12.pdf"};
        QTest::newRow("same name, other folders: by folder")
            << QStringList{"sub10/x.pdf", "sub9/x.pdf", "sub9/a.pdf"}
            << QStringList{"a.pdf", "x.pdf", "x.pdf"};
        // clang-format on
    }

    void sortByName()
    {
        QFETCH(QStringList, added);
        QFETCH(QStringList, sorted);
        TWindows w;
        Show(w, QString());
        for (const QString& name : added) {
            const QString path = Path(QStringLiteral("sort/") + name);
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QVERIFY(QFile::exists(path) || QFile::copy(Path(QStringLiteral("a.pdf")), path));
            w.Main->AddFileToList(path, MergeListView(w));
        }
        SelectListRows(w, {0});
        const QString selectedPath = ListColumn(w, ColPath)[0];
        w.Main->findChild<QAction*>(QStringLiteral("actSortByName"))->trigger();
        QCOMPARE(ListColumn(w, ColFileName), sorted);
        QCOMPARE(ListColumn(w, ColId), Numbers(sorted.size()));
        QCOMPARE(SelectedListRows(w).size(), 1);
        QCOMPARE(ListColumn(w, ColPath)[SelectedListRows(w)[0]], selectedPath);
        if (sorted.size() == 3 && sorted[1] == sorted[2]) // folders in reading order too
            QVERIFY(ListColumn(w, ColPath)[1].contains(QStringLiteral("/sub9/")));
    }

    // ---- Dragging rows ----------------------------------------------------------

    void dragReorder_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("pressed");
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("lowerHalf");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QList<int>>("after");
        // clang-format off
        QTest::newRow("first row below the fourth") << QList<int>{0} << 0 << 3 << true << "bcdae" << QList<int>{3};
        QTest::newRow("last row above the first") << QList<int>{4} << 4 << 0 << false << "eabcd" << QList<int>{0};
        QTest::newRow("two rows, kept in order") << QList<int>{1, 3} << 3 << 4 << true << "acebd" << QList<int>{3, 4};
        QTest::newRow("onto itself: no change") << QList<int>{2} << 2 << 2 << false << "abcde" << QList<int>{2};
        // clang-format on
    }

    // A real drag with the mouse: the rows land where dropped, IDs follow, and
    // the list does not delete what it takes for moved elsewhere.
    void dragReorder()
    {
        QFETCH(QList<int>, selected);
        QFETCH(int, pressed);
        QFETCH(int, target);
        QFETCH(bool, lowerHalf);
        QFETCH(QString, order);
        if (QGuiApplication::platformName() == QStringLiteral("offscreen"))
            QSKIP("the offscreen platform ends every drag at once; on Linux ctest runs this on a virtual X "
                  "server");
        TWindows w;
        w.Find<QTabWidget>("PageControl1")->setCurrentIndex(0);
        Show(w, QStringLiteral("abcde"));
        SelectListRows(w, selected);
        QTreeView* list = MergeListView(w);
        QWidget* viewport = list->viewport();
        const QPoint from = list->visualRect(list->model()->index(pressed, 1)).center();
        const QRect targetRect = list->visualRect(list->model()->index(target, 1));
        const QPoint to = targetRect.center() + QPoint(0, lowerHalf ? 3 : -3);

        bool dropped = false;
        QObject scope;                      // the timers end with this test
        QTimer::singleShot(0, &scope, [&] { // inside the drag's own event loop
            QTest::mouseMove(viewport, to - QPoint(0, 1));
            QTest::mouseMove(viewport, to);
            QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
            dropped = true;
        });
        QTimer::singleShot(5000, &scope, [&] { // never hang: Escape ends any drag
            if (!dropped)
                QTest::keyClick(viewport, Qt::Key_Escape);
        });
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(viewport, from + QPoint(0, 2));
        QTest::mouseMove(viewport, from + QPoint(0, 2 + 2 * QApplication::startDragDistance()));
        QVERIFY(dropped);
        QTEST(Order(w), "order");
        QCOMPARE(ListColumn(w, ColId), Numbers(5));
        QTEST(SelectedListRows(w), "after");
        QVERIFY(w.Seam.Boxes.isEmpty());
    }

    // ---- Files from the command line ------------------------------------------

    void commandLineFiles_data()
    {
        QTest::addColumn<QStringList>("arguments"); // relative to the test folder
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("boxes");
        // clang-format off
        QTest::newRow("several go to the merge list")
            << QStringList{"b.pdf", "a.pdf", "c.pdf"} << "TabSheet1" << QStringList{"b.pdf", "a.pdf", "c.pdf"}
            << "" << QStringList{};
        QTest::newRow("one opens on the split side")
            << QStringList{"three.pdf"} << "TabSheet2" << QStringList{} << "three.pdf" << QStringList{};
        QTest::newRow("names cleaned, duplicates folded")
            << QStringList{"./x/../a.pdf", "a.pdf", "b.pdf"} << "TabSheet1" << QStringList{"a.pdf", "b.pdf"}
            << "" << QStringList{};
        QTest::newRow("a missing file as from a drop")
            << QStringList{"a.pdf", "gone.pdf", "b.pdf"} << "TabSheet1" << QStringList{"a.pdf", "b.pdf"}
            << "" << QStringList{"error"};
        QTest::newRow("a missing source as from the browse button")
            << QStringList{"gone.pdf"} << "TabSheet2" << QStringList{} << "gone.pdf"
            << QStringList{"Tip|Invalid PDF document."};
        // clang-format on
    }

    void commandLineFiles()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, listed);
        QFETCH(QString, source);
        QFETCH(QStringList, boxes);
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        TWindows w;
        w.Main->show();
        w.Main->OpenFiles(arguments);
        QDir::setCurrent(previous);
        QTRY_VERIFY(!w.Main->IsCountingFiles());

        QTEST(w.Find<QTabWidget>("PageControl1")->currentWidget()->objectName(), "tab");
        QCOMPARE(ListColumn(w, ColFileName), listed);
        QStringList paths;
        for (const QString& name : listed)
            paths << Path(name);
        QCOMPARE(ListColumn(w, ColPath), paths);
        QCOMPARE(w.Find<QLineEdit>("edtSplitSrc")->text(), source.isEmpty() ? QString() : Path(source));
        QCOMPARE(w.Main->SplitPageCount(), source == QStringLiteral("three.pdf") ? 3 : 0);
        QCOMPARE(w.Seam.Boxes.size(), boxes.size());
        for (int i = 0; i < boxes.size(); ++i) {
            const QString shown = w.Seam.Boxes[i].Caption + QLatin1Char('|') + w.Seam.Boxes[i].Text;
            QVERIFY2(shown.startsWith(boxes[i]), qPrintable(shown));
        }
        QVERIFY(!QApplication::overrideCursor());
    }

    // ---- Layout: tab order, screen readers, the Size column -----------------------

    void tabOrder_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("order");
        // clang-format off
        QStringList merge{"qt_tabwidget_tabbar", "ListView1", "sbAddFiles", "sbRemoveFiles", "sbMoveUp",
            "sbMoveDown", "edtMergeFileLoc", "mbBrowseMergeLoc", "sbMerge"};
        QStringList split{"qt_tabwidget_tabbar", "edtSplitSrc", "sbBrowseSrcFile", "RadioButton1", "UpDown1",
            "RadioButton2", "edtSplitPageRange", "rbSplitBookmarks", "spnSplitLevel", "rbSplitSize", "spnSplitSize",
            "edtSplitLocation", "sbBrowseSplitLoc", "sbSplit"};
        // The page panes' toggles; the panes are hidden at the window's first size.
        if (PagePicturesAvailable()) {
            merge.insert(6, "sbMergePages");
            split << "sbSplitPages";
        }
        QTest::newRow("merge") << 0 << merge;
        QTest::newRow("split") << 1 << split;
        // clang-format on
    }

    void tabOrder()
    {
        QFETCH(int, tab);
        TWindows w;
        w.Find<QTabWidget>("PageControl1")->setCurrentIndex(tab);
        w.Main->show();
        QStringList order;
        QWidget* widget = w.Main.get();
        while ((widget = widget->nextInFocusChain()) != w.Main.get()) {
            if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() &&
                widget->isVisibleTo(w.Main.get()))
                order << widget->objectName();
        }
        QTEST(order, "order");
    }

    // Every control a person can reach, by class, tells a screen reader its name
    // and what it does.
    void everyControlIsNamedAndDescribed()
    {
        TWindows w;
        w.Main->show();
        QStringList controls;
        for (QWidget* widget : w.Main->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                                 qobject_cast<QAbstractSpinBox*>(widget) ||
                                 qobject_cast<QAbstractItemView*>(widget) ||
                                 qobject_cast<QTabWidget*>(widget);
            // Parts of a control speak for it: the spin box's field, the list's
            // header, the tab row's arrows.
            QWidget* parent = widget->parentWidget();
            if (!control || qobject_cast<QAbstractSpinBox*>(parent) || qobject_cast<QTabBar*>(parent) ||
                qobject_cast<QHeaderView*>(widget))
                continue;
            controls << widget->objectName();
        }
        controls << "Label10"
                 << "linkOptions"
                 << "Label11"
                 << "Image1";
        // Two toggles and two panes of page pictures where the build draws them.
        QCOMPARE(controls.size(), PagePicturesAvailable() ? 30 : 26);
        for (const QString& name : controls) {
            QWidget* widget = w.Main->findChild<QWidget*>(name);
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(accessible, qPrintable(name));
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(name));
            QCOMPARE(accessible->text(QAccessible::Name), widget->accessibleName());
            QVERIFY2(!accessible->text(QAccessible::Description).isEmpty(), qPrintable(name));
        }
        // The tabs themselves are read by their captions.
        QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(w.Main->findChild<QTabBar*>());
        QCOMPARE(tabs->child(0)->text(QAccessible::Name), QStringLiteral("PDF Merge"));
        QCOMPARE(tabs->child(1)->text(QAccessible::Name), QStringLiteral("PDF Split"));
    }

    // Right-aligned, the sizes' digits and units line up; the texts stay as made.
    void sizeColumnRightAligned()
    {
        TWindows w;
        Show(w, QStringLiteral("ab"));
        const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
        const QAbstractItemModel* model = MergeListView(w)->model();
        QCOMPARE(model->headerData(ColSize, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 right);
        for (int i = 0; i < 2; ++i) {
            const QModelIndex size = model->index(i, ColSize);
            QCOMPARE(size.data(Qt::TextAlignmentRole).value<Qt::Alignment>(), right);
            QVERIFY(size.data().toString().endsWith(QStringLiteral(" K")) ||
                    size.data().toString().endsWith(QStringLiteral(" B")));
        }
    }
};

PLICORA_GUI_TEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
