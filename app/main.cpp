// The desktop program: the main menu, until it closes.
#include <QApplication>

#include "app/Mainsource.h"
#include "app/startup.h"
#include "loan/fault.h"

int main(int argc, char* argv[])
{
    qm::initFloatingPoint();
    QApplication app(argc, argv);
    qm::prepareApplication(app);
    qm::TMainForm menu;
    menu.show();
    return QApplication::exec();
}
