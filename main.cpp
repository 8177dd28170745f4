#include "core/MainForm.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication Anwendung(argc, argv);
    TMainForm MainForm;
    MainForm.show();
    return Anwendung.exec();
}
