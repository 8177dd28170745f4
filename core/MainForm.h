#pragma once

#include <QWidget>

// The machine's main window. It owns the machine: its controls, its state and its timers.
class TMainForm : public QWidget
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget* Parent = nullptr);
};
