// The window's languages: each catalogue translates every text, keeps its
// placeholders and shortcut markers, and its labels and buttons fit their
// controls in the main window at its default size and in the Options window
// (no wider than the main one), measured with the font the test runs with.
#include "guitestutil.h"
#include "options.h"
#include "translations.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTabWidget>
#include <QXmlStreamReader>

using namespace testutil;

namespace {

// The placeholders and shortcut markers of a text, in a form that compares.
QStringList Markers(const QString& text)
{
    QStringList markers;
    static const QRegularExpression placeholder(QStringLiteral("%(?:L?n|\\d)"));
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        markers << match.captured();
    markers.sort();
    QString plain = text;
    plain.remove(QStringLiteral("&&"));
    markers << QStringLiteral("&x%1").arg(plain.count(QLatin1Char('&')));
    return markers;
}

// What is wrong with a catalogue, one line per message: no finished
// translation, or other placeholders or shortcut markers than its source.
QStringList CatalogueProblems(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + path};
    QStringList problems;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            if (!type.isEmpty() && type != QLatin1String("vanished") && type != QLatin1String("obsolete"))
                problems << QStringLiteral("%1: %2").arg(type, source);
            // Plural forms are checked one by one below.
            if (source.contains(QLatin1String("%n")))
                continue;
            const QString text = xml.readElementText();
            if (type.isEmpty() && text.isEmpty())
                problems << QStringLiteral("empty: ") + source;
            else if (type.isEmpty() && Markers(text) != Markers(source))
                problems << QStringLiteral("markers differ: %1 -> %2").arg(source, text);
        } else if (xml.name() == QLatin1String("numerusform")) {
            const QString form = xml.readElementText();
            if (form.isEmpty() || Markers(form) != Markers(source))
                problems << QStringLiteral("plural form: %1 -> %2").arg(source, form);
        }
    }
    if (xml.hasError())
        problems << xml.errorString();
    return problems;
}

// The labels and buttons whose text is wider than they are, or who stand
// partly outside the window.
QStringList TooNarrow(const QWidget* window)
{
    QStringList narrow;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        if ((!label && !button) || !widget->isVisibleTo(window) || (label && label->wordWrap()))
            continue;
        const QString text = label ? label->text() : button->text();
        if (text.isEmpty())
            continue;
        const QRect shown(widget->mapTo(window, QPoint(0, 0)), widget->size());
        if (!window->rect().contains(shown))
            narrow << QStringLiteral("%1 \"%2\" leaves the window").arg(widget->objectName(), text);
        else if (widget->sizeHint().width() > widget->width())
            narrow << QStringLiteral("%1 \"%2\": %3 > %4")
                          .arg(widget->objectName(), text)
                          .arg(widget->sizeHint().width())
                          .arg(widget->width());
    }
    return narrow;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { InstallTranslations(QStringLiteral("en")); }

    void eachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        if (WindowLanguages().isEmpty())
            QSKIP("built without Qt's Linguist tools: English only");
        for (const QString& language : WindowLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void eachLanguage()
    {
        QFETCH(QString, language);
        const QStringList problems =
            CatalogueProblems(QStringLiteral(PLICORA_TRANSLATION_SOURCES "/plicora_%1.ts").arg(language));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));

        QVERIFY(!InstallTranslations(language).isEmpty());
        // Qt's own words follow where Qt's catalogues are installed (qt6-translations-l10n)
        // or carried (Windows).
        const QString qtCatalogue = QStringLiteral("/qtbase_%1.qm").arg(language);
        if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + qtCatalogue) ||
            QFile::exists(QStringLiteral(":/i18n") + qtCatalogue))
            QVERIFY(QCoreApplication::translate("QPlatformTheme", "&Yes") != QStringLiteral("&Yes"));
        TWindows w;
        w.Main->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.Main.get()));
        // The tabs' texts are translated: the catalogue is in force.
        QVERIFY(w.Find<QTabWidget>("PageControl1")->tabText(0) != QStringLiteral("PDF Merge"));
        for (int tab = 0; tab < 2; ++tab) {
            w.Find<QTabWidget>("PageControl1")->setCurrentIndex(tab);
            const QStringList narrow = TooNarrow(w.Main.get());
            QVERIFY2(narrow.isEmpty(), qPrintable(narrow.join(QLatin1Char('\n'))));
        }
        TfrmOptions options(w.Main.get(), TEngineKind::Exact);
        options.show();
        QVERIFY(QTest::qWaitForWindowExposed(&options));
        const QStringList narrow = TooNarrow(&options);
        QVERIFY2(narrow.isEmpty(), qPrintable(narrow.join(QLatin1Char('\n'))));
        QVERIFY(options.width() <= w.Main->width());
    }
};

PLICORA_GUI_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
