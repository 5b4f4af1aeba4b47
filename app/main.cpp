// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCoreApplication>
#include <QIcon>

#include "app/form1.h"
#include "app/program_options.h"
#include "app/whole_scale_factors.h"

namespace {

// The application id names the desktop file, the metainfo and the icons alike; it is the window's
// app id on Wayland, and on X11 the desktop file names the window's class "tessalin".
constexpr auto kApplicationId = "org.tessalin.Tessalin";
constexpr int kIconSizes[] = {16, 22, 32, 48, 64, 128, 256};

ProgramOptions TessalinOptions() {
    return ProgramOptions("tessalin", "A slide rule that multiplies and adds.");
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : kIconSizes) {
        icon.addFile(QString(":/icons/%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace

int main(int argc, char** argv) {
    // Help and the version need no window system, nor a display.
    if (ProgramOptions::AsksForHelpOrVersion(argc, argv)) {
        const QCoreApplication core(argc, argv);
        return TessalinOptions().Answer(QCoreApplication::arguments()).value_or(0);
    }
    UseWholeScaleFactors();
    QApplication application(argc, argv);
    if (const auto status = TessalinOptions().Answer(QCoreApplication::arguments())) {
        return *status;
    }
    QApplication::setApplicationName("tessalin");
    QApplication::setApplicationDisplayName("Tessalin");
    QApplication::setDesktopFileName(kApplicationId);
    QApplication::setWindowIcon(ApplicationIcon());
    TForm1 form1;
    form1.show();
    return QApplication::exec();
}
