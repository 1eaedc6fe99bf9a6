#pragma once

#include <QDialog>

namespace Ui {
class Dialog10;
}

class Dialog10 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog10(QWidget *parent = nullptr);
    ~Dialog10() override;

private:
    Ui::Dialog10 *ui;
};
