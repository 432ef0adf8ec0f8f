#include <iostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "app/app_options.h"
#include "app/bridge/message_boxes.h"
#include "app/bridge/text.h"
#include "app/display_check.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "store/numbers.h"
#include "store/version.h"
#include "store/workspace.h"

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    // The icons live in the app library.
    Q_INIT_RESOURCE(listrider);
    using namespace listrider;
    // The number rules follow the user's numeric locale, read once at start.
    store::LocaleDecimalSeparator();
    const app::ParsedOptions parsed = app::ParseAppOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::cerr << "listrider: " << parsed.error << "\n" << app::AppUsage();
        return 2;
    }
    if (parsed.options.help) {
        std::cout << app::AppUsage();
        return 0;
    }
    if (parsed.options.version) {
        std::cout << "listrider " << store::kProgramVersion << "\n";
        return 0;
    }
    if (const std::string reason = app::MissingDisplayReason(); !reason.empty()) {
        std::cerr << reason << "\n";
        return 1;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(u"listrider"_s);
    QApplication::setApplicationDisplayName(u"Listrider"_s);
    QApplication::setApplicationVersion(app::FromUtf8(store::kProgramVersion));
    QApplication::setWindowIcon(QIcon(u":/icons/listrider.svg"_s));

    if (app::SingleInstance::RaiseRunning()) {
        return 0;
    }
    app::SingleInstance instance;
    instance.Listen();

    app::QtMessageBoxes boxes;
    store::Result<std::filesystem::path> workspace = store::OpenWorkspaceDir(parsed.options.workspace);
    if (!workspace) {
        boxes.Error(nullptr, app::FromUtf8(workspace.GetError().message));
        return 1;
    }
    app::MainWindow window(workspace.Value(), boxes);
    QObject::connect(
        &instance, &app::SingleInstance::RaiseRequested, &window, &app::MainWindow::RaiseFromOtherStart);
    window.show();
    QTimer::singleShot(0, &window, [&window] {
        if (!window.Start()) {
            QApplication::exit(1);
        }
    });
    return QApplication::exec();
}
