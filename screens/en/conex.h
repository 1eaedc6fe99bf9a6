#pragma once

#include <QDialog>

namespace Ui {
class Dialog13;
}

// A scrolling page of fourteen cascade-profile graphs for proton and iron showers, placed once
// when the screen is built; Close is its only control.
class Dialog13 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog13(QWidget *parent = nullptr);
    ~Dialog13() override;

private:
    Ui::Dialog13 *ui;
};
