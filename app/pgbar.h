// The progress window shown while a job runs: what is being written, a bar and
// a percentage, and Cancel. Cancel, Escape and the window's close button ask the
// job to stop; the window stays until the job has ended, and the main window's
// completion handling closes it.
#pragma once

#include "job/progressmeter.h"

#include <QDialog>
#include <memory>

class QLabel;
class QProgressBar;

namespace Ui {
class TfrmProgress;
}

class TfrmProgress : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmProgress(QWidget* parent = nullptr);
    ~TfrmProgress() override;

    QProgressBar* ProgressBar1() const;
    QLabel* Label1() const;

    // Ends the display; the only way the window closes.
    void CloseJobWindow();
    // The percentage label's text.
    void SetLabelText(const QString& text);

    // Before a job: its title ("Merging PDF", "Splitting PDF") and the output's name.
    void StartJob(bool merge, const QString& outputName);
    // What is written now: the input whose pages are copied (1-based of `count`),
    // the split piece (1-based) and its first page, or the output being written out.
    void ShowInput(const QString& name, int number, int count);
    void ShowPiece(int number, std::int64_t firstPage);
    void ShowWriting();
    QString CurrentText() const;
    bool CancelRequested() const { return m_cancelling; }

    // Bar position when the current merged file or split piece began.
    int BasePosition = 0;
    // First page number of the current split piece.
    int FirstPage = 0;
    // The running job's progress as the core's rules keep it.
    TProgressState Meter;

    // Escape and the close button: the job is asked to stop, the window stays.
    void reject() override;

signals:
    void cancelRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void SetCurrentText(const QString& text);

    std::unique_ptr<Ui::TfrmProgress> m_ui;
    bool m_merge = true;
    QString m_output;
    int m_piece = 0;
    bool m_cancelling = false;
};

// Created hidden at start-up, right after the main window.
extern TfrmProgress* frmProgress;
