#include <QApplication>
#include <QIcon>

#include "app/form1.h"

int main(int argc, char** argv) {
    // The layout is in fixed pixels; only the strip texts follow the screen's resolution.
    if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING")) {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("tessalin");
    QApplication::setApplicationDisplayName("Tessalin");
    QApplication::setWindowIcon(QIcon(":/tessalin.png"));
    TForm1 form1;
    form1.show();
    return QApplication::exec();
}
