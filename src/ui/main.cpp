// The desktop program: the main window over the one open competition.
#include "app/KZBmain.h"
#include "model/settings.h"

#include <QApplication>
#include <QMessageBox>

#include <string>
#include <vector>

namespace {

// Message boxes titled "Rondaxa".
class BoxPrompts : public rondaxa::Prompts {
public:
    void Message(std::string_view text, rondaxa::MessageIcon icon) override {
        QMessageBox box(icon == rondaxa::MessageIcon::Information ? QMessageBox::Information
                                                                  : QMessageBox::Warning,
                        QStringLiteral("Rondaxa"), QString::fromStdString(std::string(text)), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    }
    rondaxa::Answer Ask(std::string_view text, rondaxa::Buttons buttons) override {
        const auto standard = buttons == rondaxa::Buttons::YesNoCancel
                                  ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                  : QMessageBox::Yes | QMessageBox::No;
        QMessageBox box(QMessageBox::Question, QStringLiteral("Rondaxa"),
                        QString::fromStdString(std::string(text)), standard, QApplication::activeWindow());
        switch (box.exec()) {
        case QMessageBox::Yes:
            return rondaxa::Answer::Yes;
        case QMessageBox::No:
            return rondaxa::Answer::No;
        default:
            return rondaxa::Answer::Cancel;
        }
    }
    void Beep() override { QApplication::beep(); }
};

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rondaxa"));
    BoxPrompts prompts;
    rondaxa::MemorySettingsStore store;
    rondaxa::TMainForm window(prompts, store);
    std::vector<std::string> params;
    for (int i = 1; i < argc; ++i)
        params.emplace_back(QString::fromLocal8Bit(argv[i]).toStdString());
    window.SetCommandLine({}, params);
    window.show();
    return app.exec();
}
