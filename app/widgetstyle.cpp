#include "widgetstyle.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

double Luminance(const QColor& c)
{
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// WCAG's least contrast for normal text.
constexpr double ReadableContrast = 4.5;

// The logo's lettering, dark grey: made for light windows.
QColor LogoInk()
{
    return {0x37, 0x47, 0x4f};
}

} // namespace

void SetSmallerFont(QWidget* widget)
{
    QFont font = widget->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 0.9);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, font.pixelSize() * 9 / 10));
    widget->setFont(font);
}

void SetSharpPicture(QLabel* label, const QString& svg)
{
    label->setScaledContents(false);
    label->setPixmap(QIcon(svg).pixmap(label->size(), label->devicePixelRatioF()));
}

void SetLogoPicture(QLabel* label, const QString& svg)
{
    const QPalette& palette = label->palette();
    const QColor text = palette.color(label->foregroundRole());
    if (ContrastRatio(LogoInk(), palette.color(label->backgroundRole())) >= ReadableContrast) {
        SetSharpPicture(label, svg);
        return;
    }
    QFile file(svg);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // The ink is the lettering's only colour, so the rest of the picture keeps its own.
    QByteArray data = file.readAll();
    data.replace(LogoInk().name().toLatin1(), text.name().toLatin1());
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "svg");
    const qreal ratio = label->devicePixelRatioF();
    reader.setScaledSize(reader.size().scaled(label->size() * ratio, Qt::KeepAspectRatio));
    QPixmap picture = QPixmap::fromImage(reader.read());
    picture.setDevicePixelRatio(ratio);
    label->setPixmap(picture);
}

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void StyleLinkLabel(QLabel* label)
{
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    const QColor background = palette.color(label->backgroundRole());
    const QColor link = palette.color(QPalette::Link);
    // Disabled links keep the greyed text of their group.
    if (ContrastRatio(link, background) >= ReadableContrast) {
        palette.setColor(QPalette::Active, QPalette::WindowText, link);
        palette.setColor(QPalette::Inactive, QPalette::WindowText, link);
    }
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    label->adjustSize();
}

void TAnchors::Add(QWidget* part, int flags)
{
    m_parts.push_back({part, part->geometry(), flags});
}

void TAnchors::Follow(QSize grown) const
{
    const int dx = std::max(0, grown.width());
    const int dy = std::max(0, grown.height());
    for (const TPart& part : m_parts) {
        QRect r = part.Base;
        if (part.Flags & MoveRight)
            r.translate(dx, 0);
        if (part.Flags & MoveHalfRight)
            r.translate(dx / 2, 0);
        if (part.Flags & MoveDown)
            r.translate(0, dy);
        if (part.Flags & Widen)
            r.setWidth(r.width() + dx);
        if (part.Flags & Heighten)
            r.setHeight(r.height() + dy);
        part.Widget->setGeometry(r);
    }
}

TClickableLabel::TClickableLabel(QLabel* label) : QObject(label), m_label(label)
{
    label->installEventFilter(this);
}

bool TClickableLabel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_label && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && m_label->rect().contains(mouse->position().toPoint())) {
            emit clicked(m_label);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
