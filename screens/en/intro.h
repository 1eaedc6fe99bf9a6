#pragma once

#include <QDialog>

namespace Ui {
class Dialog8;
}

class Dialog8 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog8(QWidget *parent = nullptr);
    ~Dialog8() override;

private:
    Ui::Dialog8 *ui;
};
