#include "AppPaths.h"
#include "Application.h"
#include "CloseSignals.h"
#include "DMod_Afa.h"
#include "Form_Afa.h"

#include <QMessageBox>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace
{
bool HasDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        return true;
    return !qgetenv("DISPLAY").isEmpty() || !qgetenv("WAYLAND_DISPLAY").isEmpty();
}
} // namespace

int main(int argc, char *argv[])
{
    if (!HasDisplay()) {
        std::fputs("norbekAfa: Kein Bildschirm gefunden (DISPLAY ist nicht gesetzt); das "
                   "Programm braucht eine grafische Oberfläche.\n",
                   stderr);
        return EXIT_FAILURE;
    }
    TCloseSignals::BlockInAllThreads(); // before the toolkit and the database start threads
    TApplication app(argc, argv);
    // The program's name in task lists (WM_CLASS) and the error messages' title; window
    // captions stay as they are set.
    QApplication::setApplicationName(QStringLiteral("norbek  DoV-Ivevera"));
    QApplication::setApplicationVersion(QStringLiteral(NORBEK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("de.norbek.norbekAfa"));

    // Installed: the first start gives the user an empty database in the data folder.
    QString error;
    if (!ProvideUserDatabase(error))
        QMessageBox::critical(nullptr, QApplication::applicationName(), error);

    // The data module before the window; the window opens the database. Torn down in
    // reverse: the window first, then the data module, which commits and detaches.
    auto dm = std::make_unique<Tdm_Afa>();
    int result = EXIT_FAILURE;
    {
        Tfrm_Afa frm_Afa(*dm);
        if (QScreen *screen = QGuiApplication::primaryScreen())
            frm_Afa.move(screen->availableGeometry().center() - frm_Afa.rect().center());
        frm_Afa.show();
        result = app.exec();
    }
    dm.reset();
    return result;
}
