#include "core/MainForm.h"

TMainForm::TMainForm(QWidget* Parent) : QWidget(Parent)
{
    setObjectName("MainForm");
    setWindowTitle("Vorlix - 5.0");
    setAutoFillBackground(true);
    QPalette Farben = palette();
    Farben.setColor(QPalette::Window, Qt::black);
    setPalette(Farben);
    resize(1024, 700);
}
