// The look the windows share: the desktop's own font and colours (light, dark or
// high contrast), labels that act as links, and parts that follow a window's size.
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <vector>

class QColor;
class QEvent;
class QLabel;
class QString;
class QWidget;

// The widget's own font a step smaller, for notes and link lines.
void SetSmallerFont(QWidget* widget);
// Underlined in the palette's link colour (its text colour where the link colour
// would be hard to read on the window), the pointing hand over it, sized to its text.
void StyleLinkLabel(QLabel* label);
// Shows an SVG picture drawn for the label's size at the screen's pixel density,
// sharp at any scale (a picture from the .ui file is drawn once, at 1x).
void SetSharpPicture(QLabel* label, const QString& svg);
// The same for the logo, whose dark lettering is drawn in the label's text colour
// where it would be hard to read (a dark theme).
void SetLogoPicture(QLabel* label, const QString& svg);
// How far apart two colours are for reading, 1 to 21, as WCAG 2 measures it.
double ContrastRatio(const QColor& a, const QColor& b);

// Keeps a window's parts where they were laid out for its smallest size as it
// grows: each part moves with the right or bottom edge, or stretches with it.
class TAnchors
{
public:
    enum TFlag
    {
        MoveRight = 1,
        MoveDown = 2,
        Widen = 4,
        Heighten = 8,
        MoveHalfRight = 16 // stays centred
    };

    // Remembers the part's geometry as it is now, for a window at its base size.
    void Add(QWidget* part, int flags);
    // The window is `grown` larger than its base size.
    void Follow(QSize grown) const;

private:
    struct TPart
    {
        QWidget* Widget;
        QRect Base;
        int Flags;
    };
    std::vector<TPart> m_parts;
};

// Turns a label into a link: a left-button release inside the label emits
// clicked, as a push button does, and is not passed on. A child of the label,
// so it lives as long as the label does.
class TClickableLabel : public QObject
{
    Q_OBJECT

public:
    explicit TClickableLabel(QLabel* label);

signals:
    void clicked(QLabel* label);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_label;
};
