#include "options.h"

#include "settings.h"
#include "translations.h"
#include "ui_options.h"
#include "widgetstyle.h"

#include <QSettings>
#include <algorithm>

namespace {

constexpr char EngineKey[] = "Engine";
// Room for the notes in a window no wider than the main one (692 pixels).
constexpr int MaxNoteWidth = 600;

// The core's one-line effect as a sentence under its choice.
QString NoteText(TEngineKind engine)
{
    QString text = CoreText(EngineEffect(engine));
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text + QLatin1Char('.');
}

} // namespace

TfrmOptions::TfrmOptions(QWidget* owner, TEngineKind engine)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::TfrmOptions>())
{
    m_ui->setupUi(this);

    // The desktop's font and colours; the notes a step smaller, as the links are.
    for (QLabel* note : {m_ui->lblExactNote, m_ui->lblGhostscriptNote})
        SetSmallerFont(note);

    const QString exactNote = NoteText(TEngineKind::Exact);
    const QString gsNote = NoteText(TEngineKind::Ghostscript);
    m_ui->lblExactNote->setText(exactNote);
    m_ui->lblGhostscriptNote->setText(gsNote);
    // A screen reader reads each choice with what it means.
    m_ui->rbExact->setAccessibleDescription(exactNote);
    m_ui->rbGhostscript->setAccessibleDescription(gsNote);
    m_ui->lblExactNote->setBuddy(m_ui->rbExact);
    m_ui->lblGhostscriptNote->setBuddy(m_ui->rbGhostscript);
    // A language with longer words breaks a note rather than grow the window
    // past the main one's width.
    for (QLabel* note : {m_ui->lblExactNote, m_ui->lblGhostscriptNote}) {
        if (note->sizeHint().width() > MaxNoteWidth) {
            note->setWordWrap(true);
            note->setFixedWidth(MaxNoteWidth);
            note->setFixedHeight(note->heightForWidth(MaxNoteWidth));
        }
    }

    (engine == TEngineKind::Ghostscript ? m_ui->rbGhostscript : m_ui->rbExact)->setChecked(true);
    ShowHabits();

    connect(m_ui->btnOK, &QPushButton::clicked, this, &TfrmOptions::SaveHabits);
    connect(m_ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->btnClearRecent, &QPushButton::clicked, this, [this] {
        ClearRecentFolders();
        m_ui->btnClearRecent->setEnabled(false);
    });
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmOptions::~TfrmOptions() = default;

TEngineKind TfrmOptions::Engine() const
{
    return m_ui->rbGhostscript->isChecked() ? TEngineKind::Ghostscript : TEngineKind::Exact;
}

void TfrmOptions::ShowHabits()
{
    SetSmallerFont(m_ui->lblLanguageNote);
    m_ui->chkOpenResult->setChecked(LoadOpenResultSetting());
    m_ui->cbLanguage->addItem(tr("System default"), QString());
    for (const QString& language : WindowLanguages())
        m_ui->cbLanguage->addItem(LanguageOwnName(language), language);
    m_ui->cbLanguage->setCurrentIndex(std::max(0, m_ui->cbLanguage->findData(LoadLanguageSetting())));
    m_ui->btnClearRecent->setEnabled(HasRecentFolders());
}

void TfrmOptions::SaveHabits()
{
    SaveOpenResultSetting(m_ui->chkOpenResult->isChecked());
    SaveLanguageSetting(m_ui->cbLanguage->currentData().toString());
}

TEngineKind LoadEngineSetting()
{
    const QString name = QSettings().value(QLatin1String(EngineKey)).toString();
    return ParseEngineName(name.toStdString()).value_or(DefaultEngine);
}

void SaveEngineSetting(TEngineKind engine)
{
    QSettings settings;
    settings.setValue(QLatin1String(EngineKey), QString::fromLatin1(EngineName(engine)));
    settings.sync();
}
