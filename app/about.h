// The About window: names the product and its version, shows the maker's notice
// line and the licence, offers the product page, the support address and the
// licence's text as links, and credits the libraries Plicora is built with.
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
// The licence's text, which the licence line opens (the LICENSE file holds it too).
inline constexpr char LicenceUrl[] = "https://www.gnu.org/licenses/gpl-3.0.html";

class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* owner);
    ~TfrmAbout() override;

    // Click handlers of the two links; `from` is the label that was clicked.
    void Label6Click(QObject* from);
    void Label7Click(QObject* from);
    void OpenLicence();

private:
    void FormCreate();

    std::unique_ptr<Ui::TfrmAbout> m_ui;
};

// The open About window while the main window's About link shows it; null otherwise.
extern TfrmAbout* frmAbout;
