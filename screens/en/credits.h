#pragma once

#include <QDialog>

namespace Ui {
class Dialog5;
}

// Credits: the terms under which the application is distributed. CLOSE closes it silently.
class Dialog5 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog5(QWidget *parent = nullptr);
    ~Dialog5() override;

private:
    Ui::Dialog5 *ui;
};
