// The progress window: a borderless window with a bar and a percentage, shown
// modally while a job runs. It offers no way to cancel or close it; the main
// window's completion handling closes it.
#pragma once

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

    // Ends the modal display; the only way the window closes.
    void CloseJobWindow();
    // The percentage label's text; the label sizes itself to it.
    void SetLabelText(const QString& text);

    // Bar position when the current merged file or split piece began.
    int BasePosition = 0;
    // First page number of the current split piece.
    int FirstPage = 0;

    // Escape and window-manager close requests are ignored while a job runs.
    void reject() override {}

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    std::unique_ptr<Ui::TfrmProgress> m_ui;
};

// Created hidden at start-up, right after the main window.
extern TfrmProgress* frmProgress;
