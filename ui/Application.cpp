#include "Application.h"

#include "DBGridSorter.h"
#include "ErrorHandler.h"
#include "Unit_Global.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QMetaEnum>
#include <QTranslator>

namespace
{

// "Tfrm_Afa „frm_Afa“, Ereignis KeyPress"
QString OperationOf(const QObject *receiver, const QEvent *event) noexcept
{
    try {
        QString text = QString::fromLatin1(receiver->metaObject()->className());
        if (!receiver->objectName().isEmpty())
            text += QStringLiteral(" „%1“").arg(receiver->objectName());
        const char *type = QMetaEnum::fromType<QEvent::Type>().valueToKey(event->type());
        return text + QStringLiteral(", Ereignis ") +
               (type ? QString::fromLatin1(type) : QString::number(int(event->type())));
    } catch (...) {
        return {};
    }
}

} // namespace

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // Qt's own dialogs (file, print, input) speak German like the rest of the program.
    auto *translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

TApplication::~TApplication()
{
    ReleaseGridSorter();
    ReleaseGlobal();
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    std::exception_ptr error;
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        error = std::current_exception();
    }
    TErrorHandler::Report(OperationOf(receiver, event), error);
    return false;
}
