#pragma once

#include <QDialog>

namespace Ui {
class Dialogr13;
}

// Romanian twin of the page of cascade-profile graphs.
class Dialogr13 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr13(QWidget *parent = nullptr);
    ~Dialogr13() override;

private:
    Ui::Dialogr13 *ui;
};
