#include "about.h"

#include "ui_about.h"
#include "uiseam.h"
#include "widgetstyle.h"

#include <QStyle>
#include <QUrl>

TfrmAbout* frmAbout = nullptr;

TfrmAbout::TfrmAbout(QWidget* owner) : QDialog(owner), m_ui(std::make_unique<Ui::TfrmAbout>())
{
    m_ui->setupUi(this);

    // The window at 13 pixels, the link lines at 11.
    ApplyWindowFont(this, 13);
    for (QWidget* label : {m_ui->Label4, m_ui->Label5, m_ui->Label6, m_ui->Label7})
        SetPixelHeight(label, 11);

    m_ui->Label6->setText(QString::fromLatin1(MakerWebAddress));
    m_ui->Label7->setText(QString::fromLatin1(SupportAddress));
    m_ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));

    for (QLabel* label : {m_ui->Label1, m_ui->Label2, m_ui->Label4, m_ui->Label5, m_ui->Label6, m_ui->Label7})
        label->adjustSize();
    setFixedSize(369, 177);

    connect(m_ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(new TClickableLabel(m_ui->Label6), &TClickableLabel::clicked, this, &TfrmAbout::Label6Click);
    connect(new TClickableLabel(m_ui->Label7), &TClickableLabel::clicked, this, &TfrmAbout::Label7Click);

    FormCreate();
}

TfrmAbout::~TfrmAbout() = default;

void TfrmAbout::FormCreate()
{
    ApplyWindowPalette(this);
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
