#include <QApplication>
#include <QIcon>

#include "app/form1.h"
#include "app/whole_scale_factors.h"

int main(int argc, char** argv) {
    UseWholeScaleFactors();
    QApplication application(argc, argv);
    QApplication::setApplicationName("tessalin");
    QApplication::setApplicationDisplayName("Tessalin");
    QApplication::setWindowIcon(QIcon(":/tessalin.png"));
    TForm1 form1;
    form1.show();
    return QApplication::exec();
}
