// 惑星の動き: a teaching program about the motion of the planets.

#include "main_window/frmwe.h"
#include "qt/backend.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("wakusei"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.wakusei.Wakusei"));
    qtb::InstallFontSubstitutions();
    qtb::InstallAccessibility();
    qtb::QtBackend backend;

    frmWE w;
    w.Show();
    return QApplication::exec();
}
