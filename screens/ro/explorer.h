#pragma once

#include <QDialog>

namespace Ui {
class Dialogr14;
}
namespace explorer {
class ShowerExplorer;
}

// The live explorer of one air shower: controls, the profile, the ground footprint, the pulse
// at a chosen antenna and a panel of numbers, all following every change at once.
class Dialogr14 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr14(QWidget *parent = nullptr);
    ~Dialogr14() override;

    explorer::ShowerExplorer *showerExplorer() const { return m_explorer; }

private slots:
    void on_pushButton_clicked();

private:
    Ui::Dialogr14 *ui;
    explorer::ShowerExplorer *m_explorer;
};
