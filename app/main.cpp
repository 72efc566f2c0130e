// Megatally: opens the calculator window; the program ends when it closes.
#include "about/FrmAbout.h"
#include "app/FrmCalc.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Megatally");
    QApplication::setDesktopFileName("megatally");
    QApplication::setWindowIcon(QIcon(about::AppPicture(64)));
    platform::qt::QtPlatform services;

    app::FrmCalc window;
    window.show();
    return QApplication::exec();
}
