#include "main_window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <filesystem>

#include "store/data_builder.h"
#include "store/text_conversion.h"

namespace quillan::testing {

namespace fs = std::filesystem;

int32_t RecordingWindowSystem::messageBox(QWidget*, const QString& text, const QString& caption,
                                          int32_t style) {
    boxes.push_back({text, caption, style});
    if (style != kStyleYesNo) return kAnswerOk;
    if (yesNoAnswers.empty()) return kAnswerYes;
    const int32_t answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

void RecordingWindowSystem::navigate(CDisplay& display, const QString& address) {
    navigations.append(address);
    QtWindowSystem::navigate(display, address);
}

std::string gbk(const char* utf8) { return toGbk(QString::fromUtf8(utf8).toStdU16String()); }

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

void installSampleSources() {
    for (const char* name : {"word.dict.finalGBK", "freq.dictGBK", "bisent.dataGBK"}) {
        fs::copy_file(fs::path(QUILLAN_SOURCE_DIR) / "data/sample" / name,
                      fs::path("Orig_resources") / name, fs::copy_options::overwrite_existing);
    }
}

void installFixedPages() {
    for (const char* name : {"welcome.html", "cantfind.html", "Help.html"}) {
        fs::copy_file(fs::path(QUILLAN_SOURCE_DIR) / "data" / name, fs::path("data") / name,
                      fs::copy_options::overwrite_existing);
    }
}

void writeConfig(const std::string& sortType, const std::string& tagType, bool startup) {
    writeFile("data/config.data", "DICTTYPE\r\nwithExample\r\nSORTTYPE\r\n" + sortType +
                                      "\r\nTAGTYPE\r\n" + tagType + "\r\nSTARTUP\r\n" +
                                      (startup ? "TRUE" : "FALSE") + "\r\n");
}

void MainWindowTest::SetUp() {
    ScratchDirTest::SetUp();
    installSampleSources();
    installFixedPages();
    writeConfig("Frequency", "ALL", false);
    ASSERT_EQ(buildDictionaryData(), 0);
}

std::unique_ptr<CQuillanDlg> MainWindowTest::openWindow() {
    auto window = std::make_unique<CQuillanDlg>(windowSystem);
    window->OnInitDialog();
    window->show();
    return window;
}

void MainWindowTest::typeText(CQuillanDlg& window, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(window.inputBox(), &commit);
}

void MainWindowTest::typeAndSearch(CQuillanDlg& window, const QString& word) {
    window.inputBox()->clear();
    typeText(window, word);
    QTest::keyClick(window.inputBox(), Qt::Key_Return);
}

QStringList MainWindowTest::listRows(const CQuillanDlg& window) const {
    QStringList rows;
    for (int row = 0; row < window.followingList()->count(); ++row) {
        rows.append(window.followingList()->item(row)->text());
    }
    return rows;
}

QString MainWindowTest::path(const char* relative) const {
    return QDir::currentPath() + QLatin1Char('/') + QString::fromLatin1(relative);
}

}  // namespace quillan::testing
