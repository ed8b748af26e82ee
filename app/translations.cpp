#include "translations.h"

#include "nativepath.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QToolButton>
#include <QTranslator>
#include <algorithm>
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

void SetCaptionedPicture(QToolButton* button, const QString& svg, const QString& english,
                         const QString& caption)
{
    QFile file(svg);
    if (caption == english || !file.open(QIODevice::ReadOnly))
        return;
    QString text = QString::fromUtf8(file.readAll());
    // The plate is centred at x 42 of an 84-wide picture, 51 wide for the English words.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(14);
    const qreal needed = QFontMetricsF(font).horizontalAdvance(caption);
    const qreal plate = std::clamp(needed + 10, 51.0, 82.0);
    const qreal fontSize = 14 * std::min(1.0, (plate - 8) / needed);
    text.replace(QStringLiteral("x=\"16.5\" y=\"52.5\" width=\"51\""),
                 QStringLiteral("x=\"%1\" y=\"52.5\" width=\"%2\"").arg(42 - plate / 2).arg(plate));
    text.replace(QStringLiteral("font-size=\"14\""),
                 QStringLiteral("font-size=\"%1\"").arg(fontSize, 0, 'f', 1));
    text.replace(QLatin1Char('>') + english + QStringLiteral("</text>"),
                 QLatin1Char('>') + caption.toHtmlEscaped() + QStringLiteral("</text>"));
    QByteArray bytes = text.toUtf8();
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "svg");
    const qreal ratio = button->devicePixelRatioF();
    reader.setScaledSize(button->iconSize() * ratio);
    QImage picture = reader.read();
    if (picture.isNull())
        return;
    picture.setDevicePixelRatio(ratio);
    button->setIcon(QIcon(QPixmap::fromImage(picture)));
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
    // Qt's own words: file dialogs, Yes and No; the Windows build carries them.
    QtCatalogue =
        LoadCatalogue(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!QtCatalogue)
        QtCatalogue = LoadCatalogue(locale, QStringLiteral("qtbase"), QStringLiteral(":/i18n"));
    return OwnCatalogue ? OwnCatalogue->language() : QString();
}
