// The About window: names the product, shows the maker's notice line and offers the
// product page and the support address as links.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfrmAbout;
}

// The product's web page. The main window's web link opens the same address.
inline constexpr char ProductPageUrl[] = "https://www.example.com/plicora/";
// The maker's web address as the links show it.
inline constexpr char MakerWebAddress[] = "www.example.com";
inline constexpr char SupportAddress[] = "support@example.com";

class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* owner);
    ~TfrmAbout() override;

    // Click handlers of the two links; `from` is the label that was clicked.
    void Label6Click(QObject* from);
    void Label7Click(QObject* from);

private:
    void FormCreate();

    std::unique_ptr<Ui::TfrmAbout> m_ui;
};

// The open About window while the main window's About link shows it; null otherwise.
extern TfrmAbout* frmAbout;
