#ifndef QUADRIVO_EDITOR_SCREENSHOTS_SCREENSHOTTOUR_H
#define QUADRIVO_EDITOR_SCREENSHOTS_SCREENSHOTTOUR_H

#include <QString>
#include <functional>
#include <vector>

#include "editor/core/frame.h"

class QWidget;

namespace quadrivo::editor {

class MainWindow;

// A scripted visit of the editor's windows for the documentation: each step
// opens a window the way a user would, saves a picture of it and closes it.
// Run by the program quadrivo-screenshots, never by the editor itself.
struct TourStep {
    QString shot;  // the PNG's file name, e.g. "propertydialog.png"
    // Opens the window to shoot, usually through a menu action (it may run
    // a modal loop); empty for the main window itself.
    std::function<void(MainWindow&)> open;
    // For each modal window that comes up before the one to shoot (a kind
    // chooser that leads to it): acts on it, for example chooses and clicks
    // Ok, and returns true. Returns false for the window to shoot. Empty:
    // the first modal window is the one.
    std::function<bool(QWidget*)> passThrough;
    // Fills the window to shoot before the picture is taken; may be empty.
    std::function<void(QWidget*)> prepare;
};

// Every step, in order; the one list to extend for new windows.
const std::vector<TourStep>& TourSteps();

// Runs the steps over window from the event loop, writing into folder, and
// then quits the application (exit code 1 when a window never came up).
void StartScreenshotTour(MainWindow& window, const QString& folder);

// Helpers for steps.
std::function<void(MainWindow&)> TriggerCommand(Command command);
// Finds the first button of window whose text, without '&', is text, and
// clicks it from the event loop just after; false when there is none.
bool ClickButton(QWidget* window, const QString& text);

}  // namespace quadrivo::editor

#endif
