#include "widgetstyle.h"

#include <QFontDatabase>
#include <QLabel>
#include <QMouseEvent>

void ApplyWindowFont(QWidget* widget, int pixels)
{
    QFont font = widget->font();
    if (QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif")))
        font.setFamily(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixels);
    widget->setFont(font);
}

void SetPixelHeight(QWidget* widget, int pixels)
{
    QFont font = widget->font();
    font.setPixelSize(pixels);
    widget->setFont(font);
}

void ApplyWindowPalette(QWidget* window)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(240, 240, 240));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void StyleLinkLabel(QLabel* label)
{
    QFont font = label->font();
    font.setPixelSize(11);
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    label->adjustSize();
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
