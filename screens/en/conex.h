#pragma once

#include <QDialog>

namespace Ui {
class Dialog13;
}

class Dialog13 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog13(QWidget *parent = nullptr);
    ~Dialog13() override;

private:
    Ui::Dialog13 *ui;
};
