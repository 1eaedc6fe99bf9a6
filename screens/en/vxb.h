#pragma once

#include <QDialog>

namespace Ui {
class Dialog9;
}

class Dialog9 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog9(QWidget *parent = nullptr);
    ~Dialog9() override;

private:
    Ui::Dialog9 *ui;
};
