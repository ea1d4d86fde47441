#pragma once
// cdlgOptions: the "System Options" dialog. It shows what data/config.data holds
// in three editable drop-down boxes and, on Save, keeps their three texts for the
// main window, which stores them and rewrites the file.

#include <QDialog>
#include <QString>
#include <string>

#include "settings/settings.h"

class QComboBox;

class cdlgOptions : public QDialog {
    Q_OBJECT
  public:
    // Fills the boxes and reads the configuration file afresh.
    explicit cdlgOptions(QWidget* parent = nullptr);

    QComboBox* dictBox() const { return dictBox_; }
    QComboBox* sortBox() const { return sortBox_; }
    QComboBox* tagBox() const { return tagBox_; }

    // The three texts as they stood when Save was pressed; empty before that.
    QString chosenDict;
    QString chosenSort;
    QString chosenTags;

  private:
    void onSave();

    QComboBox* dictBox_ = nullptr;
    QComboBox* sortBox_ = nullptr;
    QComboBox* tagBox_ = nullptr;
};

namespace quillan {

// Keeps the low 8 bits of each UTF-16 unit, one byte per unit.
std::string narrowToLowBytes(const QString& text);

// Stores the dialog's three texts, narrowed, in settings (startup untouched) and
// saves them (storeChosenOptions). Returns saveSettings' result.
int32_t applyChosenOptions(Settings& settings, const cdlgOptions& dialog);

}  // namespace quillan
