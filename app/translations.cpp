#include "translations.h"

#include "nativepath.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {

// Replaced as a whole when the language changes.
std::unique_ptr<QTranslator> OwnCatalogue;
std::unique_ptr<QTranslator> QtCatalogue;

std::unique_ptr<QTranslator> LoadCatalogue(const QLocale& locale, const QString& name, const QString& folder)
{
    auto catalogue = std::make_unique<QTranslator>();
    if (!catalogue->load(locale, name, QStringLiteral("_"), folder))
        return nullptr;
    QCoreApplication::installTranslator(catalogue.get());
    return catalogue;
}

} // namespace

QString CoreText(const TCoreText& text)
{
    const QString pattern = QCoreApplication::translate(CoreTextContext, text.Template);
    if (text.Args.empty())
        return pattern;
    return fromNative(FillTemplate(toNative(pattern), text.Args));
}

QStringList WindowLanguages()
{
    return QString::fromLatin1(PLICORA_LANGUAGE_LIST).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString LanguageOwnName(const QString& language)
{
    const QLocale locale(language);
    QString name = locale.nativeLanguageName();
    // Only where one language has several catalogues does the country matter.
    if (language.contains(QLatin1Char('_')) && locale.language() != QLocale::Chinese)
        name += QStringLiteral(" (%1)").arg(locale.nativeTerritoryName());
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

QString InstallTranslations(const QString& language)
{
#ifdef PLICORA_TRANSLATIONS
    Q_INIT_RESOURCE(translations);
#endif
    OwnCatalogue.reset();
    QtCatalogue.reset();
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    if (!language.isEmpty())
        QLocale::setDefault(locale);
    OwnCatalogue = LoadCatalogue(locale, QStringLiteral("plicora"), QStringLiteral(":/i18n"));
    // Qt's own words: file dialogs, Yes and No.
    QtCatalogue =
        LoadCatalogue(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return OwnCatalogue ? OwnCatalogue->language() : QString();
}
