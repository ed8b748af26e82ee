#include "pgbar.h"

#include "ui_pgbar.h"

#include <QFontDatabase>

TfrmProgress* frmProgress = nullptr;

TfrmProgress::TfrmProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_ui(std::make_unique<Ui::TfrmProgress>())
{
    m_ui->setupUi(this);
    // The window never fills its background: only the bar and the label show.
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setModal(true);
    setFixedSize(314, 221);

    QFont labelFont = m_ui->Label1->font();
    if (QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif")))
        labelFont.setFamily(QStringLiteral("MS Sans Serif"));
    labelFont.setPixelSize(11);
    m_ui->Label1->setFont(labelFont);
    m_ui->Label1->setAutoFillBackground(true);
    QPalette labelPalette = m_ui->Label1->palette();
    labelPalette.setColor(QPalette::Window, palette().color(QPalette::Button));
    m_ui->Label1->setPalette(labelPalette);
    m_ui->Label1->setTextFormat(Qt::PlainText);
    m_ui->Label1->adjustSize();
    UpdateMask();
}

TfrmProgress::~TfrmProgress() = default;

QProgressBar* TfrmProgress::ProgressBar1() const
{
    return m_ui->ProgressBar1;
}

QLabel* TfrmProgress::Label1() const
{
    return m_ui->Label1;
}

void TfrmProgress::CloseJobWindow()
{
    done(QDialog::Accepted);
}

void TfrmProgress::SetLabelText(const QString& text)
{
    m_ui->Label1->setText(text);
    m_ui->Label1->adjustSize();
    UpdateMask();
}

void TfrmProgress::UpdateMask()
{
    // Without a compositor an unpainted translucent area shows black; the mask
    // leaves exactly what the window draws, so the rest stays see-through.
    setMask(QRegion(m_ui->ProgressBar1->geometry()) + QRegion(m_ui->Label1->geometry()));
}

void TfrmProgress::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmProgress::FormShow()
{
    SetLabelText(QStringLiteral("  0%"));
}
