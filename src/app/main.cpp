// dorvik-light: the list viewer's window.
#include "app/CommandLine.h"
#include "app/LocaleTexts.h"
#include "app/Mainunit.h"
#include "app/UserPrompts.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(dk::ApplicationTitle);

    std::vector<std::string> args;
    for (const QString& arg : QApplication::arguments().mid(1))
        args.push_back(arg.toStdString());
    const dk::StartupOptions options = dk::ParseStartupOptions(args);
    if (!options.Error.empty()) {
        std::fprintf(stderr, "dorvik-light: %s\n"
                             "usage: dorvik-light [--lang rus|eng] [--encoding NAME] "
                             "[--screenshot FILE.png] [LIST]\n",
                     options.Error.c_str());
        return 2;
    }
    if (!options.Encoding.empty() && !dk::TextCodec::Create(options.Encoding)) {
        std::fprintf(stderr, "dorvik-light: unknown encoding %s\n", options.Encoding.c_str());
        return 2;
    }
    dk::currentLanguage = options.Language;

    dk::TInfoFileForm window(options);
    window.show();
    if (options.Screenshot.empty())
        return QApplication::exec();

    // Render the window once the list is open, and stop.
    QApplication::processEvents();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromStdString(options.Screenshot))) {
        std::fprintf(stderr, "dorvik-light: cannot write %s\n", options.Screenshot.c_str());
        return 1;
    }
    return 0;
}
