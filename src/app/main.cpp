#include "app/frmdedication.h"
#include "app/frmmain.h"
#include "platform/qtplatform.h"
#include "screens/frmpageconfig.h"
#include "screens/screencontext.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QScreen>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quillmark.png")));

    LessonPlanModule module;
    // The program's folder, always ending in a separator.
    module.strAppPath = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!module.strAppPath.endsWith(QDir::separator()))
        module.strAppPath += QDir::separator();

    QtPlatform platform;
    SettingsStore store;
    frmMain mainWindow(module, platform, &store);
    QObject::connect(&mainWindow, &frmMain::unloaded, &app, &QApplication::quit);

    // The document setup screen is made the first time Change Settings is pressed and kept.
    ScreenContext screens{module, platform, &store, &mainWindow};
    frmPageConfig *pageConfig = nullptr;
    mainWindow.settingsScreen = [&screens, &pageConfig, &mainWindow]() -> QDialog * {
        if (!pageConfig)
            pageConfig = new frmPageConfig(screens, &mainWindow);
        return pageConfig;
    };

    frmDedication splash(mainWindow);
    splash.show();
    if (const QScreen *screen = splash.screen())
        splash.move(screen->availableGeometry().center() - splash.rect().center());
    splash.Form_Load();
    return app.exec();
}
