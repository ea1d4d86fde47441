#include "settings/options_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <algorithm>
#include <span>

#include "ui/dialog_units.h"

namespace {

// Template 134, in dialog units.
constexpr QRect kDialogSize{0, 0, 187, 102};
constexpr QRect kSaveRect{7, 81, 50, 14};
constexpr QRect kCancelRect{112, 81, 50, 14};
constexpr QRect kDictLabelRect{41, 13, 16, 12};
constexpr QRect kSortLabelRect{32, 32, 28, 12};
constexpr QRect kTagLabelRect{8, 52, 50, 12};
constexpr QRect kDictBoxRect{59, 11, 88, 16};
constexpr QRect kSortBoxRect{59, 31, 89, 15};
constexpr QRect kTagBoxRect{58, 51, 91, 15};
constexpr int kFontPointSize = 10;

constexpr const char* kDictEntries[] = {"FULL"};
constexpr const char* kSortEntries[] = {"Frequency", "Pinyin"};
constexpr const char* kTagEntries[] = {
    "ALL",          "Common verbs",   "Predicative adjectives", "Other verbs",
    "Common nouns", "Temporal nouns", "Measure word",           "Localizer",
};

using quillan::DialogUnits;

QComboBox* makeBox(QWidget* parent, const DialogUnits& units, const QRect& rect) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    // Enter in the edit field presses Save; it must not add the text to the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    // No completion: a typed beginning of an entry ("Common") must stay as typed
    // instead of turning into the entry ("Common verbs") on Save.
    box->setCompleter(nullptr);
    box->setFocusPolicy(Qt::StrongFocus);
    QRect geometry = units.toPixels(rect);
    // A drop-down box's template height includes its list; the closed box is
    // drawn at its own height.
    geometry.setHeight(std::min(geometry.height(), box->sizeHint().height()));
    box->setGeometry(geometry);
    return box;
}

void addLabel(QWidget* parent, const DialogUnits& units, const char* text, const QRect& rect) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setGeometry(units.toPixels(rect));
}

// Keeps the list in order as each entry arrives, the way a sorted drop-down does
// (case-insensitively).
void addSorted(QComboBox* box, std::span<const char* const> entries) {
    for (const char* entry : entries) {
        const QString text = QString::fromLatin1(entry);
        int position = 0;
        while (position < box->count() &&
               QString::compare(box->itemText(position), text, Qt::CaseInsensitive) <= 0) {
            ++position;
        }
        box->insertItem(position, text);
    }
}

void addInOrder(QComboBox* box, std::span<const char* const> entries) {
    for (const char* entry : entries) box->addItem(QString::fromLatin1(entry));
}

// Shows text in the edit field without selecting a list entry, so a value that
// is not in the list shows as well. Each byte becomes the character of the same
// code, the exact inverse of narrowToLowBytes: Save without changes writes back
// the bytes the file held, whatever they were.
void showText(QComboBox* box, const std::string& text) {
    box->setCurrentIndex(-1);
    box->setEditText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace

cdlgOptions::cdlgOptions(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("System Options"));
    setFont(quillan::dialogFont(kFontPointSize));
    const DialogUnits units(font());
    setFixedSize(units.toPixels(kDialogSize.size()));

    // Created in the template's order, which is also the tab order.
    auto* save = new QPushButton(QStringLiteral("Save"), this);
    save->setGeometry(units.toPixels(kSaveRect));
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &cdlgOptions::onSave);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(units.toPixels(kCancelRect));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    addLabel(this, units, "Dict:", kDictLabelRect);
    addLabel(this, units, "Sort By:", kSortLabelRect);
    addLabel(this, units, "Selected Tags:", kTagLabelRect);
    dictBox_ = makeBox(this, units, kDictBoxRect);
    sortBox_ = makeBox(this, units, kSortBoxRect);
    tagBox_ = makeBox(this, units, kTagBoxRect);

    addSorted(dictBox_, kDictEntries);
    addSorted(sortBox_, kSortEntries);
    addInOrder(tagBox_, kTagEntries);

    // The file as it is now, not the values the main window runs with; the
    // defaults when it cannot be read.
    quillan::Settings stored;
    quillan::loadSettings(stored);
    showText(dictBox_, stored.dictType);
    showText(sortBox_, stored.sortType);
    showText(tagBox_, stored.tagType);
}

void cdlgOptions::onSave() {
    chosenDict = dictBox_->currentText();
    chosenSort = sortBox_->currentText();
    chosenTags = tagBox_->currentText();
    accept();
}

namespace quillan {

namespace {

std::u16string_view unitsOf(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size())};
}

}  // namespace

std::string narrowToLowBytes(const QString& text) { return narrowToLowBytes(unitsOf(text)); }

int32_t applyChosenOptions(Settings& settings, const cdlgOptions& dialog) {
    return storeChosenOptions(settings, unitsOf(dialog.chosenDict), unitsOf(dialog.chosenSort),
                              unitsOf(dialog.chosenTags));
}

}  // namespace quillan
