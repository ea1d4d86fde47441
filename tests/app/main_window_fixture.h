#pragma once
// The main window under test: a scratch directory with the fixed pages and the
// sample dictionary built into data/, and a recording stand-in for the message
// boxes and the browser's navigation. Everything else is the real window.

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/quillan_dlg.h"
#include "app/window_system.h"
#include "testing/scratch_dir.h"

namespace quillan::testing {

struct RecordedBox {
    QString text;
    QString caption;
    int32_t style = 0;
};

// Records message boxes (answering from a script, OK and Yes by default) and
// navigations (and still navigates the real browser).
class RecordingWindowSystem : public QtWindowSystem {
  public:
    int32_t messageBox(QWidget* owner, const QString& text, const QString& caption,
                       int32_t style) override;
    void navigate(CDisplay& display, const QString& address) override;

    std::vector<RecordedBox> boxes;
    QStringList navigations;
    std::deque<int32_t> yesNoAnswers;  // kAnswerYes once they run out
};

// The GBK bytes of a UTF-8 text, through the program's own conversion.
std::string gbk(const char* utf8);
// A UTF-8 literal as a QString.
QString text(const char* utf8);

// Copies the three sample dictionary sources into Orig_resources/.
void installSampleSources();
// Copies the fixed pages (welcome, not found, help) into data/.
void installFixedPages();
// Writes data/config.data with the four values, CR LF line ends.
void writeConfig(const std::string& sortType, const std::string& tagType, bool startup);

class MainWindowTest : public ScratchDirTest {
  protected:
    // The sample dictionary built into data/, the fixed pages, and a configuration
    // with the greeting turned off.
    void SetUp() override;

    // A window after OnInitDialog, shown (offscreen).
    std::unique_ptr<CQuillanDlg> openWindow();

    // Types text at the input box's cursor the way an input method commits
    // Chinese: one committed string.
    void typeText(CQuillanDlg& window, const QString& text);
    // Empties the input box, types the word and presses Enter.
    void typeAndSearch(CQuillanDlg& window, const QString& word);

    QStringList listRows(const CQuillanDlg& window) const;
    QString path(const char* relative) const;

    RecordingWindowSystem windowSystem;
};

}  // namespace quillan::testing
