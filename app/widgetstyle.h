// The look the windows share: the classic font at pixel heights, the light grey
// face, and labels that act as links.
#pragma once

#include <QObject>

class QEvent;
class QLabel;
class QWidget;

// The classic family where it is installed, `pixels` high. Designer files cannot
// give fonts in pixels, and the windows' sizes assume pixel heights.
void ApplyWindowFont(QWidget* widget, int pixels);
// The widget's own font at `pixels` high, family as inherited.
void SetPixelHeight(QWidget* widget, int pixels);
// The light grey face, filled behind the window's controls.
void ApplyWindowPalette(QWidget* window);
// Blue and underlined at 11 pixels, the pointing hand over it, sized to its text.
void StyleLinkLabel(QLabel* label);

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
