#include "about.h"

#include "ui_about.h"
#include "uiseam.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QStyle>
#include <QUrl>

TfrmAbout* frmAbout = nullptr;

namespace {

// Designer files cannot give fonts in pixels, and the window's sizes assume pixel
// heights of 13 (the window) and 11 (the link lines).
void setPixelHeight(QWidget* widget, int pixels)
{
    QFont font = widget->font();
    font.setPixelSize(pixels);
    widget->setFont(font);
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* owner) : QDialog(owner), m_ui(std::make_unique<Ui::TfrmAbout>())
{
    m_ui->setupUi(this);

    QFont font = this->font();
    if (QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif")))
        font.setFamily(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(13);
    setFont(font);
    for (QWidget* label : {m_ui->Label4, m_ui->Label5, m_ui->Label6, m_ui->Label7})
        setPixelHeight(label, 11);

    m_ui->Label6->setText(QString::fromLatin1(MakerWebAddress));
    m_ui->Label7->setText(QString::fromLatin1(SupportAddress));
    m_ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));

    for (QLabel* label : {m_ui->Label1, m_ui->Label2, m_ui->Label4, m_ui->Label5, m_ui->Label6, m_ui->Label7})
        label->adjustSize();
    setFixedSize(369, 177);

    connect(m_ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    m_ui->Label6->installEventFilter(this);
    m_ui->Label7->installEventFilter(this);

    FormCreate();
}

TfrmAbout::~TfrmAbout() = default;

void TfrmAbout::FormCreate()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(240, 240, 240));
    setPalette(palette);
    setAutoFillBackground(true);
}

void TfrmAbout::Label6Click(QObject* /*from*/)
{
    uiSeam().openUrl(QUrl(QString::fromLatin1(ProductPageUrl)));
}

void TfrmAbout::Label7Click(QObject* from)
{
    if (auto* label = qobject_cast<QLabel*>(from))
        uiSeam().openUrl(QUrl(QStringLiteral("mailto:") + label->text()));
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event)
{
    // A click is a left-button release over the label, as for a push button.
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = qobject_cast<QLabel*>(watched);
        if (mouse->button() == Qt::LeftButton && label &&
            label->rect().contains(mouse->position().toPoint())) {
            if (watched == m_ui->Label6)
                Label6Click(watched);
            else if (watched == m_ui->Label7)
                Label7Click(watched);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
