// chmview FILE [TOPIC] [--grab PNG]: shows a compiled help file in the help window, as the
// add-in does. With --grab it saves a picture of the window instead of staying open.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <exception>
#include <string>

#include "platform/help/chm_file.h"
#include "platform/help/help_viewer.h"
#include "platform/help/show_help.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::string file;
    std::string topic = "Contents.html";
    QString grabPath;
    int positional = 0;
    const QStringList args = QCoreApplication::arguments();
    for (auto i = decltype(args.size()){1}; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--grab") && i + 1 < args.size()) {
            grabPath = args[++i];
        } else if (positional == 0) {
            file = args[i].toStdString();
            ++positional;
        } else if (positional == 1) {
            topic = args[i].toStdString();
            ++positional;
        } else {
            positional = 3;
        }
    }
    if (file.empty() || positional > 2) {
        std::fprintf(stderr, "usage: chmview FILE [TOPIC] [--grab PNG]\n");
        return 2;
    }
    if (!quenmoor::help::showHelpTopic(file, topic)) {
        try {
            quenmoor::help::ChmFile(file).resolveTopic(topic);
            std::fprintf(stderr, "chmview: cannot show %s in %s\n", topic.c_str(), file.c_str());
        } catch (const std::exception& error) {
            std::fprintf(stderr, "chmview: %s\n", error.what());
        }
        return 1;
    }
    if (grabPath.isEmpty()) {
        return QApplication::exec();
    }
    int status = 0;
    QTimer::singleShot(0, [&] {
        if (!quenmoor::help::HelpViewer::existing()->grab().save(grabPath)) {
            std::fprintf(stderr, "chmview: cannot write %s\n", qPrintable(grabPath));
            status = 1;
        }
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
