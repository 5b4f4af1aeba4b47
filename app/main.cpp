#include <QApplication>
#include <QIcon>

#include "app/form1.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("tessalin");
    QApplication::setApplicationDisplayName("Tessalin");
    QApplication::setWindowIcon(QIcon(":/tessalin.png"));
    TForm1 form1;
    form1.show();
    return QApplication::exec();
}
