// The About window: its texts, its look, its version, and that each link reaches
// the desktop through the seam with the right address.
#include "about.h"
#include "guitestutil.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

using namespace testutil;

namespace {

// A desktop without a browser or mail program.
class TFailingOpenSeam : public TFakeSeam
{
public:
    bool openUrl(const QUrl& url) override
    {
        TFakeSeam::openUrl(url);
        return false;
    }
};

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void window();
    void textsFitTheWindow();
    void linkClicks_data();
    void linkClicks();
    void failedOpenKeepsWindowQuiet();
    void okAccepts();
    void aboutLinkShowsModalWindowAndFreesIt();

private:
    std::unique_ptr<TFakeSeam> m_seam;
    std::unique_ptr<QWidget> m_owner;
    TfrmAbout* m_about = nullptr;
};

void TestAbout::init()
{
    m_seam = std::make_unique<TFakeSeam>();
    m_owner = std::make_unique<QWidget>();
    m_owner->resize(692, 412);
    m_owner->show();
    m_about = new TfrmAbout(m_owner.get());
    m_about->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_about));
}

void TestAbout::cleanup()
{
    m_owner.reset(); // deletes the dialog it owns
    m_about = nullptr;
    m_seam.reset();
}

void TestAbout::window()
{
    QCOMPARE(m_about->minimumSize(), m_about->maximumSize());
    QCOMPARE(m_about->parentWidget(), m_owner.get());
    const QPoint offCentre = m_about->frameGeometry().center() - m_owner->frameGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 2, "not centred on its owner");
    // The desktop's colours, not a fixed grey.
    QCOMPARE(m_about->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));

    auto* logo = m_about->findChild<QLabel*>("Image1");
    QVERIFY(logo);
    QVERIFY2(!logo->pixmap().isNull(), "the logo picture did not load (resource or SVG plugin missing)");

    QVERIFY(m_about->findChild<QPushButton*>("BitBtn1"));
    // The version the build was made as, as --version gives it.
    QCOMPARE(m_about->findChild<QLabel*>("versionLabel")->text(), QStringLiteral(PLICORA_VERSION));
}

// The texts are laid out for a narrower font than this platform's default; none
// may be cut off at the window's edge, run into another or under the OK button.
void TestAbout::textsFitTheWindow()
{
    const QRect ok = m_about->findChild<QPushButton*>("BitBtn1")->geometry();
    QList<QPair<const char*, QRect>> placed;
    for (const char* name : {"Label1", "versionLabel", "Label2", "licenceCaption", "licenceLabel", "Label4",
                             "Label5", "Label6", "Label7", "creditsLabel"}) {
        auto* label = m_about->findChild<QLabel*>(name);
        QVERIFY2(label, name);
        const QSize size = label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width()))
                                             : label->fontMetrics().size(0, label->text());
        const QRect needed(label->pos(), size);
        QVERIFY2(label->geometry().contains(needed), name);
        QVERIFY2(m_about->rect().contains(needed), name);
        QVERIFY2(!needed.intersects(ok), name);
        for (const auto& [other, rect] : placed)
            QVERIFY2(!needed.intersects(rect),
                     qPrintable(QStringLiteral("%1 runs into %2").arg(name, other)));
        placed.append({name, needed});
    }
}

void TestAbout::linkClicks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("url");
    // clang-format off
    QTest::newRow("product page, not the caption")
        << "Label6" << Qt::LeftButton << "https://www.example.com/plicora/";
    QTest::newRow("support mail") << "Label7" << Qt::LeftButton << "mailto:support@example.com";
    QTest::newRow("licence text") << "licenceLabel" << Qt::LeftButton << "https://www.gnu.org/licenses/gpl-3.0.html";
    QTest::newRow("right button opens nothing") << "Label6" << Qt::RightButton << QString();
    QTest::newRow("caption is not a link") << "Label4" << Qt::LeftButton << QString();
    // clang-format on
}

void TestAbout::linkClicks()
{
    QFETCH(QString, name);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, url);
    auto* label = m_about->findChild<QLabel*>(name);
    QVERIFY(label);
    QTest::mouseClick(label, button);
    QCOMPARE(m_seam->Opened, url.isEmpty() ? QList<QUrl>{} : QList<QUrl>{QUrl(url)});
    QVERIFY(m_about->isVisible());
}

void TestAbout::failedOpenKeepsWindowQuiet()
{
    m_seam.reset(); // the old seam uninstalls itself on destruction, so before the new one
    m_seam = std::make_unique<TFailingOpenSeam>();
    QTest::mouseClick(m_about->findChild<QLabel*>("Label6"), Qt::LeftButton);
    QTest::mouseClick(m_about->findChild<QLabel*>("Label7"), Qt::LeftButton);
    QCOMPARE(m_seam->Opened.size(), 2);
    QVERIFY(m_seam->Boxes.isEmpty());
    QVERIFY(m_about->isVisible());
}

void TestAbout::okAccepts()
{
    QSignalSpy accepted(m_about, &QDialog::accepted);
    QTest::mouseClick(m_about->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    QCOMPARE(accepted.size(), 1);
    QCOMPARE(m_about->result(), int(QDialog::Accepted));
    QVERIFY(!m_about->isVisible());
}

// The main window's "About" link: a modal window owned by the main window, known
// as frmAbout while it is open, freed when it closes.
void TestAbout::aboutLinkShowsModalWindowAndFreesIt()
{
    TWindows windows;
    windows.Main->show();
    QVERIFY(QTest::qWaitForWindowExposed(windows.Main.get()));

    QPointer<TfrmAbout> shown;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        shown = frmAbout;
        if (shown) {
            modal = shown->isModal() && shown->isVisible() && shown->parentWidget() == windows.Main.get();
            shown->findChild<QPushButton*>("BitBtn1")->click();
        }
    });
    QTest::mouseClick(windows.Find<QLabel>("Label10"), Qt::LeftButton);

    QVERIFY(modal);
    QVERIFY(frmAbout == nullptr);
    QTRY_VERIFY(shown.isNull());
}

PLICORA_GUI_TEST_MAIN(TestAbout)
#include "tst_about.moc"
