#pragma once
// CQuillanDlg: Quillan's main window. It owns everything the running program
// holds: the page paths, the loaded dictionary indexes, the user's settings, the
// result history and the controls. OnInitDialog loads the indexes and the
// settings once; from then on every change happens in a command handler, on the
// window's one thread. Window-system operations go through the WindowSystem it
// is given.
//
// The handlers are public so that the menu, the buttons and tests reach the same
// code.

#include <QDialog>
#include <QIcon>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "app/history.h"
#include "app/window_system.h"
#include "settings/settings.h"
#include "settings/speech.h"
#include "store/dictionary_store.h"
#include "store/word_finder.h"

class CDisplay;
class QAction;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPushButton;

// Dialog items and menu commands of the main window.
namespace quillan::items {
inline constexpr int kDisplay = 1001;
inline constexpr int kInputBox = 1002;
inline constexpr int kSearch = 1003;
inline constexpr int kFollowingList = 1004;
inline constexpr int kDoData = 1005;
inline constexpr int kRead = 1012;
inline constexpr int kHistoryLast = 1013;
inline constexpr int kHistoryNext = 1014;
inline constexpr int kHistoryBack = 1015;
inline constexpr int kHistoryFirst = 1016;

inline constexpr int kChangeOptions = 32791;
inline constexpr int kFindWords = 32800;
inline constexpr int kAbout = 32771;
inline constexpr int kHelpContents = 32772;
inline constexpr int kReportBug = 32773;

inline constexpr int32_t kHistoryLimit = 20;
// Search reads at most this many examples of a word.
inline constexpr int32_t kExampleLimit = 100;
}  // namespace quillan::items

class CQuillanDlg : public QDialog {
    Q_OBJECT
  public:
    // Builds the controls and the menu and loads the application icon; reads no file.
    explicit CQuillanDlg(quillan::WindowSystem& windowSystem, QWidget* parent = nullptr);
    ~CQuillanDlg() override;

    // Runs OnInitDialog, then the window modally; returns kAnswerOk or kAnswerCancel.
    int32_t DoModal();

    // Start-up: current directory and page paths, the three indexes (one error
    // box at the first failure), the settings, the greeting when the settings ask
    // for it, the welcome page, the window icon, the history limit.
    bool OnInitDialog();

    // Word search and the following-word list.
    void onInputChanged();
    void onFollowingSelected();
    void onSearch();
    void lookUpAndShow(const QString& text);

    // History.
    void recordHistoryWord(const QString& word);
    void onHistoryFirst();
    void onHistoryBack();
    void onHistoryNext();
    void onHistoryLast();
    void showHistoryEntry(const QString& word);

    // Find: the Find Words dialog; the word chosen there is looked up as if typed.
    void onFindWords();
    void showFoundWord(const QString& word);

    // The other commands.
    void onDoData();
    void onChangeOptions();
    void onRead();
    void onAbout();
    void onHelpContents();
    void onReportBug();

    // Points the browser control at a local HTML file.
    void showPage(const QString& path);

    // Replaces the speech back end that Read uses.
    void setSpeechBackend(std::unique_ptr<quillan::SpeechBackend> backend);

    const QIcon& appIcon() const { return appIcon_; }
    const QString& currentDir() const { return currentDir_; }
    const QString& resultPagePath() const { return resultPagePath_; }
    const QString& welcomePagePath() const { return welcomePagePath_; }
    const QString& notFoundPagePath() const { return notFoundPagePath_; }
    const quillan::DictionaryStore& store() const { return store_; }
    const quillan::Settings& settings() const { return settings_; }
    const quillan::ResultHistory& history() const { return history_; }
    CDisplay* display() const { return display_; }
    QLineEdit* inputBox() const { return inputBox_; }
    QListWidget* followingList() const { return followingList_; }
    // The push button of a dialog item (kSearch, kRead, kDoData, the history buttons).
    QPushButton* button(int item) const;
    // The words Find searches, read at the first Find.
    const quillan::WordFinder& wordFinder();

    // The menu entry of a command (kChangeOptions, kFindWords, kAbout, kHelpContents,
    // kReportBug).
    QAction* menuCommand(int command) const;

  private:
    void buildControls();
    void buildMenu();
    void buildShortcuts();
    void connectCommands();
    int32_t loadIndexes();
    void greetUser(bool mayRewriteSettings);
    void setInputText(const QString& text);
    void refillByRank(const std::string& input);
    void refillByWord(const std::string& input);
    std::string resolveSearchWord(const std::string& input) const;
    void showError(const char* text);

    quillan::WindowSystem& windowSystem_;
    QIcon appIcon_;
    QString currentDir_;
    QString resultPagePath_;
    QString welcomePagePath_;
    QString notFoundPagePath_;
    quillan::DictionaryStore store_;
    quillan::Settings settings_;
    quillan::ResultHistory history_;
    CDisplay* display_ = nullptr;
    QLineEdit* inputBox_ = nullptr;
    QListWidget* followingList_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    std::unique_ptr<quillan::SpeechBackend> speech_;
    std::unique_ptr<quillan::WordFinder> finder_;
    bool initialised_ = false;
};
