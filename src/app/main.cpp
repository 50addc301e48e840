#include "app/frmdedication.h"
#include "app/frmmain.h"
#include "platform/qtplatform.h"
#include "platform/safefile.h"
#include "screens/frmpageconfig.h"
#include "screens/screencontext.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QScreen>
#include <QStandardPaths>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    // Settings and recovery copies are kept in one folder named after the program; versions
    // that also set an organization name kept them one level deeper.
    for (const auto location :
         {QStandardPaths::AppConfigLocation, QStandardPaths::AppDataLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (!folder.isEmpty())
            safefile::adoptFolder(folder + QStringLiteral("/Quillmark"), folder);
    }
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
