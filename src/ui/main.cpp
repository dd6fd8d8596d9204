#include "app/AppLaunch.h"
#include "ui/MainWindow.h"

#include <QApplication>

using namespace stowly;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stowly"));
    auto model = AppLaunch::makeModel();
    MainWindow window(*model);
    window.show();
    return app.exec();
}
