#include "AppIdentity.h"

#include <QApplication>
#include <QIcon>

#include "HelpDialog.h"

// The resource of a static library is registered by name, outside any namespace.
static void RegisterIconResource() {
    Q_INIT_RESOURCE(icons);
}

namespace tidewell::window {

void SetApplicationNames() {
    QCoreApplication::setApplicationName(QStringLiteral("tidewell"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tidewell"));
    QCoreApplication::setApplicationVersion(ProgramVersion());
}

void SetApplicationIcon() {
    RegisterIconResource();
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    // The installed icon first, so a theme's own rendering of it wins.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QString::fromLatin1(kAppId), QIcon(QString::fromLatin1(kBuiltInIcon))));
}

}  // namespace tidewell::window
