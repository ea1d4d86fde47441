#include "settings/options_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <filesystem>
#include <string>

#include "settings/settings.h"
#include "testing/scratch_dir.h"

namespace quillan {
namespace {

using testing::readFile;
using testing::writeFile;

const char* const kConfig = "data/config.data";

std::string configText(const std::string& dict, const std::string& sort, const std::string& tags,
                       const std::string& startup) {
    return "DICTTYPE\r\n" + dict + "\r\nSORTTYPE\r\n" + sort + "\r\nTAGTYPE\r\n" + tags +
           "\r\nSTARTUP\r\n" + startup + "\r\n";
}

QStringList entriesOf(const QComboBox* box) {
    QStringList entries;
    for (int i = 0; i < box->count(); ++i) entries << box->itemText(i);
    return entries;
}

QPushButton* button(const cdlgOptions& dialog, const QString& text) {
    for (QPushButton* candidate : dialog.findChildren<QPushButton*>()) {
        if (candidate->text() == text) return candidate;
    }
    return nullptr;
}

void pressSave(cdlgOptions& dialog) {
    QPushButton* save = button(dialog, "Save");
    ASSERT_NE(save, nullptr);
    QTest::mouseClick(save, Qt::LeftButton);
}

// Replaces a box's text the way the user does: select all, then key presses
// (Delete for an empty text). A character without a key of its own comes as
// the text of a key event, as an input method delivers it.
void typeInto(QComboBox* box, const QString& text) {
    QLineEdit* edit = box->lineEdit();
    edit->selectAll();
    if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(edit, static_cast<char>(character.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
        }
    }
}

// Makes the next saveSettings fail: its temporary file cannot be created.
void blockSaving() { std::filesystem::create_directories("data/config.data.tmp/blocked"); }

class OptionsDialog : public testing::ScratchDirTest {};

TEST_F(OptionsDialog, OffersTheEntriesInTheirOrder) {
    cdlgOptions dialog;
    EXPECT_EQ(dialog.windowTitle(), "System Options");
    EXPECT_EQ(entriesOf(dialog.dictBox()), QStringList({"FULL"}));
    EXPECT_EQ(entriesOf(dialog.sortBox()), QStringList({"Frequency", "Pinyin"}));
    EXPECT_EQ(entriesOf(dialog.tagBox()),
              QStringList({"ALL", "Common verbs", "Predicative adjectives", "Other verbs",
                           "Common nouns", "Temporal nouns", "Measure word", "Localizer"}));
    for (QComboBox* box : {dialog.dictBox(), dialog.sortBox(), dialog.tagBox()}) {
        EXPECT_TRUE(box->isEditable());
    }
    QPushButton* save = button(dialog, "Save");
    ASSERT_NE(save, nullptr);
    EXPECT_TRUE(save->isDefault());
    EXPECT_NE(button(dialog, "Cancel"), nullptr);
}

TEST_F(OptionsDialog, ShowsTheFileValuesWithoutSelectingAnEntry) {
    writeFile(kConfig, configText("withExample", "Pinyin", "Common nouns", "FALSE"));
    cdlgOptions dialog;
    EXPECT_EQ(dialog.dictBox()->currentText(), "withExample");
    EXPECT_EQ(dialog.sortBox()->currentText(), "Pinyin");
    EXPECT_EQ(dialog.tagBox()->currentText(), "Common nouns");
    for (QComboBox* box : {dialog.dictBox(), dialog.sortBox(), dialog.tagBox()}) {
        EXPECT_EQ(box->currentIndex(), -1);
    }
    EXPECT_TRUE(dialog.chosenDict.isEmpty());
    EXPECT_TRUE(dialog.chosenSort.isEmpty());
    EXPECT_TRUE(dialog.chosenTags.isEmpty());
}

TEST_F(OptionsDialog, ShowsTheDefaultsWhenTheFileIsMissing) {
    cdlgOptions dialog;
    EXPECT_EQ(dialog.dictBox()->currentText(), "withExample");
    EXPECT_EQ(dialog.sortBox()->currentText(), "Frequency");
    EXPECT_EQ(dialog.tagBox()->currentText(), "ALL");
}

TEST_F(OptionsDialog, SaveWithoutChangesRewritesTheSameFourValues) {
    const std::string original = configText("FULL", "Pinyin", "Measure word", "FALSE");
    writeFile(kConfig, original);
    Settings settings;
    ASSERT_EQ(loadSettings(settings), 0);
    cdlgOptions dialog;
    pressSave(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(applyChosenOptions(settings, dialog), 0);
    EXPECT_EQ(readFile(kConfig), original);
}

TEST_F(OptionsDialog, SaveKeepsBytesThatAreNotAscii) {
    // A value written by hand in GBK shows as Latin-1 and goes back unchanged.
    const std::string original = configText("FULL", "Frequency", "\xC3\xFB\xB4\xCA", "TRUE");
    writeFile(kConfig, original);
    Settings settings;
    ASSERT_EQ(loadSettings(settings), 0);
    cdlgOptions dialog;
    pressSave(dialog);
    ASSERT_EQ(applyChosenOptions(settings, dialog), 0);
    EXPECT_EQ(readFile(kConfig), original);
}

TEST_F(OptionsDialog, ATypedTagNameIsStoredAndMapsToAll) {
    writeFile(kConfig, configText("withExample", "Frequency", "ALL", "TRUE"));
    Settings settings;
    ASSERT_EQ(loadSettings(settings), 0);
    cdlgOptions dialog;
    typeInto(dialog.tagBox(), "My own tags");
    dialog.sortBox()->setCurrentIndex(1);  // "Pinyin" chosen from the list
    pressSave(dialog);
    EXPECT_EQ(dialog.chosenTags, "My own tags");
    ASSERT_EQ(applyChosenOptions(settings, dialog), 0);
    EXPECT_EQ(settings.tagType, "My own tags");
    EXPECT_EQ(settings.sortType, "Pinyin");
    EXPECT_TRUE(settings.startup);

    Settings reloaded;
    ASSERT_EQ(loadSettings(reloaded), 0);
    EXPECT_EQ(reloaded.tagType, "My own tags");
    EXPECT_EQ(tagCodeFor(reloaded.tagType), "ALL");
}

TEST_F(OptionsDialog, ATypedBeginningOfAnEntryIsStoredAsTyped) {
    cdlgOptions dialog;
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    // The boxes complete nothing by themselves: "Common" stays "Common", not
    // "Common verbs", and "p" stays "p".
    dialog.tagBox()->setFocus();
    typeInto(dialog.tagBox(), "Common");
    dialog.sortBox()->setFocus();
    typeInto(dialog.sortBox(), "p");
    pressSave(dialog);
    EXPECT_EQ(dialog.chosenTags, "Common");
    EXPECT_EQ(dialog.chosenSort, "p");
}

TEST_F(OptionsDialog, EnterInABoxPressesSaveWithoutAddingAnEntry) {
    cdlgOptions dialog;
    dialog.show();
    typeInto(dialog.sortBox(), "Stroke");
    QTest::keyClick(dialog.sortBox()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.chosenSort, "Stroke");
    EXPECT_EQ(entriesOf(dialog.sortBox()), QStringList({"Frequency", "Pinyin"}));
}

TEST_F(OptionsDialog, CancelChangesNothing) {
    const std::string original = configText("FULL", "Pinyin", "Localizer", "TRUE");
    writeFile(kConfig, original);
    cdlgOptions dialog;
    dialog.show();
    typeInto(dialog.dictBox(), "Other");
    typeInto(dialog.tagBox(), "Common verbs");
    QPushButton* cancel = button(dialog, "Cancel");
    ASSERT_NE(cancel, nullptr);
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.chosenDict.isEmpty());
    EXPECT_TRUE(dialog.chosenSort.isEmpty());
    EXPECT_TRUE(dialog.chosenTags.isEmpty());
    EXPECT_EQ(readFile(kConfig), original);
}

TEST_F(OptionsDialog, AfterAFailedSaveTheNextOpeningShowsTheFilesOldValues) {
    const std::string original = configText("FULL", "Pinyin", "Common nouns", "TRUE");
    writeFile(kConfig, original);
    Settings settings;
    ASSERT_EQ(loadSettings(settings), 0);
    {
        cdlgOptions dialog;
        typeInto(dialog.sortBox(), "Frequency");
        typeInto(dialog.tagBox(), "Localizer");
        pressSave(dialog);
        blockSaving();
        EXPECT_EQ(applyChosenOptions(settings, dialog), -1);
    }
    // The main window keeps the new values; the file keeps the old ones.
    EXPECT_EQ(settings.sortType, "Frequency");
    EXPECT_EQ(settings.tagType, "Localizer");
    EXPECT_EQ(readFile(kConfig), original);

    cdlgOptions next;
    EXPECT_EQ(next.dictBox()->currentText(), "FULL");
    EXPECT_EQ(next.sortBox()->currentText(), "Pinyin");
    EXPECT_EQ(next.tagBox()->currentText(), "Common nouns");
}

TEST_F(OptionsDialog, ACharacterOutsideLatin1IsStoredAsItsLowByte) {
    Settings settings;
    cdlgOptions dialog;
    typeInto(dialog.tagBox(), QString::fromUtf16(u"a\u4e2d\u00e9"));
    pressSave(dialog);
    ASSERT_EQ(applyChosenOptions(settings, dialog), 0);
    // U+4E2D keeps 0x2D, U+00E9 keeps 0xE9.
    EXPECT_EQ(settings.tagType, "a-\xE9");
    EXPECT_EQ(readFile(kConfig), configText("withExample", "Frequency", "a-\xE9", "TRUE"));
}

TEST_F(OptionsDialog, ACharacterWhoseLowByteBreaksALineIsNotSaved) {
    const std::string original = configText("FULL", "Pinyin", "Common nouns", "FALSE");
    // U+4E0A keeps 0x0A (LF), U+4E0D keeps 0x0D (CR), U+4E00 keeps 0x00.
    for (const char16_t* typed : {u"\u4e0a", u"x\u4e0d", u"\u4e00y"}) {
        writeFile(kConfig, original);
        Settings settings;
        ASSERT_EQ(loadSettings(settings), 0);
        cdlgOptions dialog;
        typeInto(dialog.tagBox(), QString::fromUtf16(typed));
        pressSave(dialog);
        EXPECT_EQ(applyChosenOptions(settings, dialog), -1);
        EXPECT_EQ(readFile(kConfig), original);
        ASSERT_EQ(loadSettings(settings), 0);
        EXPECT_FALSE(settings.startup);
        EXPECT_EQ(settings.tagType, "Common nouns");
    }
}

TEST_F(OptionsDialog, AnEmptyFieldStoresAnEmptyValue) {
    writeFile(kConfig, configText("FULL", "Pinyin", "ALL", "FALSE"));
    Settings settings;
    ASSERT_EQ(loadSettings(settings), 0);
    cdlgOptions dialog;
    typeInto(dialog.dictBox(), "");
    pressSave(dialog);
    ASSERT_EQ(applyChosenOptions(settings, dialog), 0);
    EXPECT_EQ(settings.dictType, "");
    EXPECT_EQ(readFile(kConfig), configText("", "Pinyin", "ALL", "FALSE"));
}

TEST_F(OptionsDialog, ControlsLieInsideTheDialogInTheirPlaces) {
    cdlgOptions dialog;
    const QRect client(QPoint(0, 0), dialog.size());
    const auto children = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(children.size(), 8);  // two buttons, three labels, three boxes
    for (const QWidget* child : children) {
        EXPECT_TRUE(client.contains(child->geometry())) << child->metaObject()->className();
    }
    QPushButton* save = button(dialog, "Save");
    QPushButton* cancel = button(dialog, "Cancel");
    ASSERT_NE(save, nullptr);
    ASSERT_NE(cancel, nullptr);
    // The buttons share a row below the boxes, Save on the left.
    EXPECT_EQ(save->geometry().top(), cancel->geometry().top());
    EXPECT_LT(save->geometry().right(), cancel->geometry().left());
    const QComboBox* boxes[] = {dialog.dictBox(), dialog.sortBox(), dialog.tagBox()};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_LT(boxes[i]->geometry().bottom(), save->geometry().top()) << i;
        if (i > 0) {
            EXPECT_LT(boxes[i - 1]->geometry().bottom(), boxes[i]->geometry().top()) << i;
        }
    }
    // Each label starts left of its box, on the same line.
    const std::pair<QString, const QComboBox*> rows[] = {
        {"Dict:", dialog.dictBox()},
        {"Sort By:", dialog.sortBox()},
        {"Selected Tags:", dialog.tagBox()},
    };
    for (const auto& [text, box] : rows) {
        const QLabel* label = nullptr;
        for (const QLabel* candidate : dialog.findChildren<QLabel*>()) {
            if (candidate->text() == text) label = candidate;
        }
        ASSERT_NE(label, nullptr) << text.toStdString();
        EXPECT_LT(label->geometry().left(), box->geometry().left()) << text.toStdString();
        EXPECT_LT(box->geometry().top(), label->geometry().bottom()) << text.toStdString();
        EXPECT_GT(box->geometry().bottom(), label->geometry().top()) << text.toStdString();
    }
}

TEST(NarrowToLowBytes, KeepsTheLowByteOfEachUnit) {
    EXPECT_EQ(narrowToLowBytes("Common nouns"), "Common nouns");
    EXPECT_EQ(narrowToLowBytes(QString()), "");
    EXPECT_EQ(narrowToLowBytes(QString::fromUtf16(u"\u00ff\u0100\u4e2d")),
              std::string("\xFF\x00\x2D", 3));
    // A character beyond the first plane is two units (D83D DE00), two bytes.
    EXPECT_EQ(narrowToLowBytes(QString::fromUtf16(u"\U0001F600")), std::string("\x3D\x00", 2));
}

}  // namespace
}  // namespace quillan
