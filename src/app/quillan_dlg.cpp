#include "app/quillan_dlg.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/display.h"
#include "app/find_dlg.h"
#include "app/messages.h"
#include "app/wide_text.h"
#include "settings/espeak_speech.h"
#include "settings/options_dialog.h"
#include "store/data_builder.h"
#include "store/sentence_index.h"
#include "ui/dialog_units.h"

using namespace quillan;

namespace {

// The main window's client area and its font.
constexpr QSize kClientUnits(453, 258);
constexpr int kFontPoints = 12;

struct Placement {
    int left, top, width, height;
};

struct LabelItem {
    const char* text;
    Placement place;
};

constexpr LabelItem kLabels[] = {
    {"Input Word:", {6, 7, 52, 9}},
    {"Following Words:", {6, 35, 69, 8}},
    {"History", {332, 21, 24, 10}},
    {"First    Back    Next    Last", {360, 7, 87, 9}},
};

struct ButtonItem {
    int item;
    const char* caption;
    Placement place;
};

constexpr ButtonItem kButtons[] = {
    {items::kSearch, "Search", {79, 17, 49, 16}},    {items::kRead, "Read", {134, 17, 49, 16}},
    {items::kHistoryFirst, "|<", {359, 17, 22, 16}}, {items::kHistoryBack, "<", {381, 17, 22, 16}},
    {items::kHistoryNext, ">", {403, 17, 22, 16}},   {items::kHistoryLast, ">|", {425, 17, 22, 16}},
    {items::kDoData, "DoData", {286, 7, 29, 17}},
};

constexpr Placement kInputBoxPlace{6, 19, 64, 12};
constexpr Placement kFollowingListPlace{6, 48, 63, 203};
constexpr Placement kDisplayPlace{80, 35, 366, 215};

QString itemName(int item) { return QString::number(item); }

void place(QWidget* widget, const DialogUnits& units, Placement at) {
    widget->setGeometry(units.toPixels(at.left, at.top, at.width, at.height));
}

QString greetingText() {
    return QStringLiteral(
               "Thanks for choosing Chinese Quillan!\n\n"
               "This tool is for the persons who want to learn Chinese. However, learning "
               "Chinese is a very hard task. From our view, the best way is to learn Chinese "
               "words by reading some examples that are used in normal life. \n\n"
               "To learn how to use this software, please visit %1 \n\n"
               "WANT to see this message AGAIN, please choose YES, otherwise NO!!")
        .arg(QString::fromLatin1(messages::kUsageGuideUrl));
}

}  // namespace

CQuillanDlg::CQuillanDlg(WindowSystem& windowSystem, QWidget* parent)
    : QDialog(parent),
      windowSystem_(windowSystem),
      appIcon_(QStringLiteral(":/quillan/quillan.png")),
      speech_(std::make_unique<EspeakSpeech>()) {
    setWindowTitle(QStringLiteral("Quillan"));
    // A caption with system menu and minimise box; the window cannot be resized.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    buildControls();
    buildMenu();
    buildShortcuts();
    connectCommands();
}

CQuillanDlg::~CQuillanDlg() = default;

void CQuillanDlg::buildControls() {
    auto* client = new QWidget(this);
    client->setFont(dialogFont(kFontPoints));
    const DialogUnits units(client->font());
    client->setFixedSize(units.toPixels(kClientUnits));

    for (const LabelItem& label : kLabels) {
        place(new QLabel(QString::fromLatin1(label.text), client), units, label.place);
    }
    inputBox_ = new QLineEdit(client);
    inputBox_->setObjectName(itemName(items::kInputBox));
    place(inputBox_, units, kInputBoxPlace);

    for (const ButtonItem& item : kButtons) {
        auto* pushButton = new QPushButton(QString::fromLatin1(item.caption), client);
        pushButton->setObjectName(itemName(item.item));
        place(pushButton, units, item.place);
    }
    button(items::kSearch)->setDefault(true);
    // The developer's data builder has no visible button.
    button(items::kDoData)->hide();

    followingList_ = new QListWidget(client);
    followingList_->setObjectName(itemName(items::kFollowingList));
    followingList_->setSortingEnabled(false);
    place(followingList_, units, kFollowingListPlace);

    display_ = new CDisplay(client);
    display_->setObjectName(itemName(items::kDisplay));
    place(display_, units, kDisplayPlace);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client);
    inputBox_->setFocus();
}

void CQuillanDlg::buildMenu() {
    menuBar_ = new QMenuBar(this);
    auto addCommand = [](QMenu* menu, const char* text, int command) {
        QAction* action = menu->addAction(QString::fromLatin1(text));
        action->setData(command);
    };
    QMenu* options = menuBar_->addMenu(QStringLiteral("Options"));
    addCommand(options, "Change Options", items::kChangeOptions);
    QMenu* find = menuBar_->addMenu(QStringLiteral("Find"));
    addCommand(find, "Find Words...", items::kFindWords);
    menuCommand(items::kFindWords)->setShortcut(QKeySequence::Find);
    QMenu* help = menuBar_->addMenu(QStringLiteral("Help"));
    addCommand(help, "About Quillan", items::kAbout);
    addCommand(help, "Contents", items::kHelpContents);
    addCommand(help, "Report a Bug", items::kReportBug);
    layout()->setMenuBar(menuBar_);
}

// Ctrl+L takes the input box with its text selected; Alt+Left and Alt+Right step
// through the history as the Back and Next buttons do.
void CQuillanDlg::buildShortcuts() {
    auto* focusInput = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    connect(focusInput, &QShortcut::activated, this, [this] {
        inputBox_->setFocus(Qt::ShortcutFocusReason);
        inputBox_->selectAll();
    });
    auto* back = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this);
    connect(back, &QShortcut::activated, this, &CQuillanDlg::onHistoryBack);
    auto* next = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this);
    connect(next, &QShortcut::activated, this, &CQuillanDlg::onHistoryNext);
}

void CQuillanDlg::connectCommands() {
    auto onClick = [this](int item, void (CQuillanDlg::*handler)()) {
        connect(button(item), &QPushButton::clicked, this, handler);
    };
    onClick(items::kSearch, &CQuillanDlg::onSearch);
    onClick(items::kDoData, &CQuillanDlg::onDoData);
    onClick(items::kRead, &CQuillanDlg::onRead);
    onClick(items::kHistoryBack, &CQuillanDlg::onHistoryBack);
    onClick(items::kHistoryNext, &CQuillanDlg::onHistoryNext);
    onClick(items::kHistoryFirst, &CQuillanDlg::onHistoryFirst);
    onClick(items::kHistoryLast, &CQuillanDlg::onHistoryLast);
    connect(inputBox_, &QLineEdit::textChanged, this, &CQuillanDlg::onInputChanged);
    connect(followingList_, &QListWidget::itemSelectionChanged, this,
            &CQuillanDlg::onFollowingSelected);

    auto onCommand = [this](int command, void (CQuillanDlg::*handler)()) {
        connect(menuCommand(command), &QAction::triggered, this, handler);
    };
    onCommand(items::kChangeOptions, &CQuillanDlg::onChangeOptions);
    onCommand(items::kFindWords, &CQuillanDlg::onFindWords);
    onCommand(items::kAbout, &CQuillanDlg::onAbout);
    onCommand(items::kReportBug, &CQuillanDlg::onReportBug);
    onCommand(items::kHelpContents, &CQuillanDlg::onHelpContents);
}

QPushButton* CQuillanDlg::button(int item) const { return findChild<QPushButton*>(itemName(item)); }

QAction* CQuillanDlg::menuCommand(int command) const {
    for (QAction* action : menuBar_->findChildren<QAction*>()) {
        if (action->data().toInt() == command) return action;
    }
    return nullptr;
}

int32_t CQuillanDlg::DoModal() {
    if (!initialised_) OnInitDialog();
    return windowSystem_.runModal(*this);
}

bool CQuillanDlg::OnInitDialog() {
    initialised_ = true;
    currentDir_ = windowSystem_.currentDirectory();
    resultPagePath_ = currentDir_ + QStringLiteral("/data/displayResult.html");
    welcomePagePath_ = currentDir_ + QStringLiteral("/data/welcome.html");
    notFoundPagePath_ = currentDir_ + QStringLiteral("/data/cantfind.html");

    if (loadIndexes() < 0) {
        windowSystem_.messageBox(this, QString::fromLatin1(messages::kResourcesMissingAtStartup),
                                 QString::fromLatin1(messages::kErrorCaption), kStyleError);
    }
    const bool settingsRead = loadSettings(settings_) >= 0;
    if (!settingsRead) {
        windowSystem_.messageBox(this, QString::fromLatin1(messages::kConfigNotLoaded),
                                 QString::fromLatin1(messages::kErrorCaption), kStyleError);
    }
    // A file that is there but cannot be read still holds the user's settings:
    // the defaults must not replace it.
    if (settings_.startup) greetUser(settingsRead || !settingsFilePresent());
    showPage(welcomePagePath_);
    // The window manager owns the system menu and draws the minimised window on
    // this platform, so About lives in the Help menu and the icon is all we give.
    setWindowIcon(appIcon_);
    windowSystem_.initializeComponentRuntime();
    history_.historyLimit = items::kHistoryLimit;
    history_.historyPos = -1;
    return true;
}

// The chain stops at the first index that cannot be loaded; the later ones stay empty.
int32_t CQuillanDlg::loadIndexes() {
    // A data build that was stopped after its files were complete is finished
    // first, so the indexes and data files come from one build.
    completePendingDataUpdate();
    if (loadWordIndex(store_) < 0) return -1;
    if (loadFrequencyIndex(store_) < 0) return -1;
    if (loadSentenceIndex(store_) < 0) return -1;
    return 0;
}

void CQuillanDlg::greetUser(bool mayRewriteSettings) {
    windowSystem_.navigate(*display_, QString::fromLatin1(messages::kStartupPageUrl));
    const int32_t answer = windowSystem_.messageBox(
        this, greetingText(), QString::fromLatin1(messages::kGreetingCaption), kStyleYesNo);
    if (answer == kAnswerNo) {
        settings_.startup = false;
        // Not saving only means the greeting comes again next time.
        if (mayRewriteSettings) saveSettings(settings_);
    }
}

void CQuillanDlg::showPage(const QString& path) { windowSystem_.navigate(*display_, path); }

void CQuillanDlg::showError(const char* text) {
    windowSystem_.messageBox(this, QString::fromLatin1(text),
                             QString::fromLatin1(messages::kErrorCaption), kStyleError);
}

void CQuillanDlg::onDoData() {
    const QString caption = QString::fromLatin1(messages::kBuilderCaption);
    windowSystem_.messageBox(this, QString::fromLatin1(kDataBuilderReminder), caption,
                             kStyleInformation);
    if (buildDictionaryData() < 0) {
        showError(kDataBuilderFailed);
        return;
    }
    windowSystem_.messageBox(this, QString::fromLatin1(kDataBuilderFinished), caption,
                             kStyleInformation);
}

void CQuillanDlg::onChangeOptions() {
    cdlgOptions dialog(this);
    if (windowSystem_.runModal(dialog) != kAnswerOk) return;
    if (applyChosenOptions(settings_, dialog) < 0) showError(messages::kResourcesMissing);
}

const WordFinder& CQuillanDlg::wordFinder() {
    // A dictionary that could not be read is tried again at the next Find.
    if (!finder_ || !finder_->loaded()) {
        finder_ = std::make_unique<WordFinder>();
        // Reading the whole dictionary takes a moment, once.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (finder_->load(store_) < 0) showError(messages::kResourcesMissing);
        QApplication::restoreOverrideCursor();
    }
    return *finder_;
}

void CQuillanDlg::onFindWords() {
    CFindDlg dialog(wordFinder(), this);
    if (windowSystem_.runModal(dialog) != kAnswerOk || dialog.chosenWord().isEmpty()) return;
    showFoundWord(dialog.chosenWord());
}

void CQuillanDlg::showFoundWord(const QString& word) {
    setInputText(word);
    onSearch();
}

void CQuillanDlg::setSpeechBackend(std::unique_ptr<SpeechBackend> backend) {
    speech_ = std::move(backend);
}

void CQuillanDlg::onRead() {
    const QString input = inputBox_->text();
    std::u16string firstRow;
    const bool hasRow = followingList_->count() > 0;
    if (hasRow) firstRow = followingList_->item(0)->text().toStdU16String();
    const std::u16string text =
        chooseReadText(wideView(input), settings_.sortType, hasRow ? &firstRow : nullptr);
    if (text.empty() || !speech_) return;
    speakText(*speech_, text);
}
