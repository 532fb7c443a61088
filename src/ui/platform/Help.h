// The program's help: HTML pages built into the program, one per help
// context number, shown in one help window. "&Help..." opens the contents,
// every "&Help" button and F1 open the page of their window or dialog.
#pragma once

#include <QString>
#include <QUrl>

#include <vector>

class QAbstractButton;
class QApplication;
class QWidget;

namespace rondaxa {

inline constexpr int kHelpNoCompetition = 1; // main window without a competition
inline constexpr int kHelpClassShown = 10;   // main window with a class shown

struct HelpTopic {
    int Context;
    const char *Title;
    const char *Section; // heading on the contents page
};

// Every help context of the program, in the order of the contents page.
const std::vector<HelpTopic> &HelpTopics();
bool HasHelpPage(int context);
QUrl HelpPageUrl(int context); // the contents page for an unknown context
QUrl HelpContentsUrl();

void ShowHelp(int context);
void ShowHelpContents();

// The window that owns the help window while no modal dialog runs (the main
// window). While a modal dialog runs the help window belongs to that dialog,
// so that it can be used next to it.
void SetHelpOwner(QWidget *owner);

// F1 opens the help context of the focused widget or of the nearest of its
// parents that has one (a tab page before its dialog); the contents when none.
void SetHelpContext(QWidget *widget, int context);
int HelpContextOf(const QWidget *widget);
void InstallHelpKey(QApplication &app);

// A "&Help" button that opens context.
void ConnectHelpButton(QAbstractButton *button, int context);

} // namespace rondaxa
