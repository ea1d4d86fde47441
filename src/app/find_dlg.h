#pragma once
// CFindDlg: "Find Words": a query box and a list of the words it finds, refilled
// as the user types (pinyin, English, traditional or simplified characters, told
// apart by the WordFinder). Enter, or a double click on a row, chooses that word
// (Enter the current row, or the first) and closes the dialog with OK; the main
// window then looks the word up.

#include <QDialog>
#include <QString>

#include "store/word_finder.h"

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

class CFindDlg : public QDialog {
    Q_OBJECT
  public:
    CFindDlg(const quillan::WordFinder& finder, QWidget* parent = nullptr);

    QLineEdit* queryBox() const { return queryBox_; }
    QTreeWidget* results() const { return results_; }
    // The headword chosen, empty until a row is chosen.
    const QString& chosenWord() const { return chosenWord_; }

  private:
    void refill();
    void chooseCurrent();
    void choose(const QTreeWidgetItem* item);

    const quillan::WordFinder& finder_;
    QLineEdit* queryBox_ = nullptr;
    QTreeWidget* results_ = nullptr;
    QString chosenWord_;
};
