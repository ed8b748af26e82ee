#include "translations.h"

#include "nativepath.h"

#include <QCoreApplication>

QString CoreText(const TCoreText& text)
{
    const QString pattern = QCoreApplication::translate(CoreTextContext, text.Template);
    if (text.Args.empty())
        return pattern;
    return fromNative(FillTemplate(toNative(pattern), text.Args));
}
