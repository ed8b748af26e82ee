#include "pgbar.h"

#include "ui_pgbar.h"
#include "widgetstyle.h"

#include <QFontMetrics>
#include <algorithm>

TfrmProgress* frmProgress = nullptr;

TfrmProgress::TfrmProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_ui(std::make_unique<Ui::TfrmProgress>())
{
    m_ui->setupUi(this);
    setModal(true);
    setFixedSize(314, 221);

    ApplyWindowFont(m_ui->Label1, 11);
    m_ui->Label1->setAutoFillBackground(true);
    QPalette labelPalette = m_ui->Label1->palette();
    labelPalette.setColor(QPalette::Window, palette().color(QPalette::Button));
    m_ui->Label1->setPalette(labelPalette);
    m_ui->Label1->setTextFormat(Qt::PlainText);
    m_ui->Label1->adjustSize();

    // Only the bar and the percentage are seen: the rest of the window's area is
    // not part of it, so the windows beneath show through, with or without a
    // compositor. The mask is made once, wide enough for "100%", because reshaping
    // a shown window on every report is not reliable on every X server.
    const QFontMetrics metrics(m_ui->Label1->font());
    const QRect label(m_ui->Label1->pos(), QSize(metrics.horizontalAdvance(QStringLiteral("100%")) + 4,
                                                 std::max(metrics.height(), m_ui->Label1->height())));
    setMask(QRegion(m_ui->ProgressBar1->geometry()) + QRegion(label));
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
