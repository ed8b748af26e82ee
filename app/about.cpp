#include "about.h"

#include "pagerenderer.h"
#include "ui_about.h"
#include "uiseam.h"
#include "widgetstyle.h"

#include <QCoreApplication>
#include <QStyle>
#include <QUrl>
#include <algorithm>

TfrmAbout* frmAbout = nullptr;

TfrmAbout::TfrmAbout(QWidget* owner) : QDialog(owner), m_ui(std::make_unique<Ui::TfrmAbout>())
{
    m_ui->setupUi(this);

    // The desktop's font; the link lines and the credits a step smaller.
    for (QWidget* label : {m_ui->Label4, m_ui->Label5, m_ui->Label6, m_ui->Label7, m_ui->licenceCaption,
                           m_ui->licenceLabel, m_ui->creditsLabel})
        SetSmallerFont(label);
    for (QLabel* link : {m_ui->Label6, m_ui->Label7, m_ui->licenceLabel})
        StyleLinkLabel(link);

    m_ui->Label6->setText(QString::fromLatin1(MakerWebAddress));
    m_ui->Label7->setText(QString::fromLatin1(SupportAddress));
    m_ui->versionLabel->setText(QCoreApplication::applicationVersion());
    SetLogoPicture(m_ui->Image1, QStringLiteral(":/icons/logo.svg"));
    m_ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));

    for (QLabel* label : {m_ui->Label1, m_ui->Label2, m_ui->Label4, m_ui->Label5, m_ui->Label6, m_ui->Label7,
                          m_ui->versionLabel, m_ui->licenceCaption, m_ui->licenceLabel})
        label->adjustSize();
    // The version follows the product's name on its line.
    m_ui->versionLabel->move(m_ui->Label1->x() + m_ui->Label1->width() +
                                 fontMetrics().horizontalAdvance(QLatin1Char(' ')),
                             m_ui->Label1->y());
    if (!PagePicturesAvailable()) {
        // One line more, beneath the credits.
        QLabel* credits = m_ui->creditsLabel;
        credits->setText(credits->text() + QLatin1Char('\n') +
                         tr("No page pictures: built without Qt's PDF module."));
        const int line = credits->fontMetrics().lineSpacing();
        credits->resize(credits->width(), credits->height() + line);
    }
    // Grown from the classic 177 pixels by the credits beneath the links, and
    // further where the desktop's font is larger.
    const QRect used = childrenRect();
    setFixedSize(std::max(369, used.right() + 12), std::max(208, used.bottom() + 12));

    connect(m_ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(new TClickableLabel(m_ui->Label6), &TClickableLabel::clicked, this, &TfrmAbout::Label6Click);
    connect(new TClickableLabel(m_ui->Label7), &TClickableLabel::clicked, this, &TfrmAbout::Label7Click);
    connect(new TClickableLabel(m_ui->licenceLabel), &TClickableLabel::clicked, this,
            &TfrmAbout::OpenLicence);

    FormCreate();
}

TfrmAbout::~TfrmAbout() = default;

void TfrmAbout::FormCreate()
{
    // The desktop's colours, as every window here.
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

void TfrmAbout::OpenLicence()
{
    uiSeam().openUrl(QUrl(QString::fromLatin1(LicenceUrl)));
}
