#pragma once
// WindowSystem: the few window-system operations the main window's logic calls,
// so that the logic never reaches Qt directly for them: modal message boxes with
// the classic styles and answers, pointing the browser control at a page, the
// current directory, running a dialog modally and the component runtime.
// QtWindowSystem is the product; tests may replace the message boxes and the
// navigation with recording versions.

#include <QString>
#include <cstdint>

class CDisplay;
class QDialog;
class QWidget;

namespace quillan {

// Message box styles and the answers they return.
inline constexpr int32_t kStyleError = 16;        // error icon, OK
inline constexpr int32_t kStyleInformation = 64;  // information icon, OK
inline constexpr int32_t kStyleYesNo = 4;         // Yes and No
inline constexpr int32_t kAnswerOk = 1;
inline constexpr int32_t kAnswerCancel = 2;
inline constexpr int32_t kAnswerYes = 6;
inline constexpr int32_t kAnswerNo = 7;

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    // Shows a modal box over owner and returns the button pressed (kAnswerOk,
    // kAnswerYes or kAnswerNo).
    virtual int32_t messageBox(QWidget* owner, const QString& text, const QString& caption,
                               int32_t style) = 0;
    // Starts showing a local file path or a URL; does not wait and reports nothing.
    virtual void navigate(CDisplay& display, const QString& address) = 0;
    // The process's current directory, without a trailing separator.
    virtual QString currentDirectory() = 0;
    // Runs the dialog modally; kAnswerOk when it was accepted, kAnswerCancel otherwise.
    virtual int32_t runModal(QDialog& dialog) = 0;
    // Prepares the component runtime for the window's thread. Nothing needs it on
    // this platform, so the step does nothing.
    virtual void initializeComponentRuntime() {}
};

class QtWindowSystem : public WindowSystem {
  public:
    int32_t messageBox(QWidget* owner, const QString& text, const QString& caption,
                       int32_t style) override;
    void navigate(CDisplay& display, const QString& address) override;
    QString currentDirectory() override;
    int32_t runModal(QDialog& dialog) override;
};

// For runs without a user (a smoke test of an installed package, the screenshot
// tool): every message box is answered with its default button (Yes or OK) and
// printed on standard error as its caption and text, and every page the browser
// finishes is reported there as "page loaded: URL" or "page failed: URL".
class UnattendedWindowSystem : public QtWindowSystem {
  public:
    int32_t messageBox(QWidget* owner, const QString& text, const QString& caption,
                       int32_t style) override;
    void navigate(CDisplay& display, const QString& address) override;
};

// True when the environment variable QUILLAN_UNATTENDED is "1": the program then
// runs on an UnattendedWindowSystem.
bool runsUnattended();

}  // namespace quillan
