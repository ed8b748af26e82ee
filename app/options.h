// The Options window: which engine writes merged and split files, whether a
// finished job opens its result, the language, and forgetting the recent
// folders. The choices are kept in the user's settings and read again when the
// main window starts.
#pragma once

#include "engines/pdfengine.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TfrmOptions;
}

class TfrmOptions : public QDialog
{
    Q_OBJECT

public:
    // Opens with `engine` chosen.
    TfrmOptions(QWidget* owner, TEngineKind engine);
    ~TfrmOptions() override;

    // The engine chosen now (whether or not the window was accepted).
    TEngineKind Engine() const;

private:
    // The remembered habits shown, and stored when OK is pressed.
    void ShowHabits();
    void SaveHabits();

    std::unique_ptr<Ui::TfrmOptions> m_ui;
};

// The engine stored in the user's settings; DefaultEngine when none is stored
// or the stored name is not an engine's.
TEngineKind LoadEngineSetting();
// Stores the engine for later runs.
void SaveEngineSetting(TEngineKind engine);
