#include "app/find_dlg.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/wide_text.h"

namespace {

enum Column { kWordColumn = 0, kPinyinColumn = 1, kSenseColumn = 2 };

}  // namespace

CFindDlg::CFindDlg(const quillan::WordFinder& finder, QWidget* parent)
    : QDialog(parent), finder_(finder) {
    setWindowTitle(QStringLiteral("Find Words"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral(
            "Pinyin (xuexi, xue2 xi2, xu\u00e9x\u00ed), English, or Chinese characters:"),
        this));
    queryBox_ = new QLineEdit(this);
    layout->addWidget(queryBox_);
    results_ = new QTreeWidget(this);
    results_->setColumnCount(3);
    results_->setHeaderLabels(
        {QStringLiteral("Word"), QStringLiteral("Pinyin"), QStringLiteral("English")});
    results_->setRootIsDecorated(false);
    results_->setUniformRowHeights(true);
    results_->header()->setStretchLastSection(true);
    layout->addWidget(results_);
    resize(560, 420);

    connect(queryBox_, &QLineEdit::textChanged, this, &CFindDlg::refill);
    connect(queryBox_, &QLineEdit::returnPressed, this, &CFindDlg::chooseCurrent);
    connect(results_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { choose(item); });
    connect(results_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { choose(item); });
    queryBox_->setFocus();
}

void CFindDlg::refill() {
    results_->clear();
    const std::string query = queryBox_->text().toStdString();
    QList<QTreeWidgetItem*> rows;
    for (const quillan::FoundWord& found : finder_.find(query)) {
        auto* row = new QTreeWidgetItem;
        row->setText(kWordColumn, quillan::fromGbkText(found.word));
        row->setText(kPinyinColumn, quillan::fromGbkText(found.pinyin));
        row->setText(kSenseColumn, quillan::fromGbkText(found.firstSense));
        rows.append(row);
    }
    results_->addTopLevelItems(rows);
    if (!rows.isEmpty()) results_->setCurrentItem(rows.front());
    results_->resizeColumnToContents(kWordColumn);
    results_->resizeColumnToContents(kPinyinColumn);
}

void CFindDlg::chooseCurrent() {
    const QTreeWidgetItem* current = results_->currentItem();
    choose(current != nullptr ? current : results_->topLevelItem(0));
}

void CFindDlg::choose(const QTreeWidgetItem* item) {
    if (item == nullptr) return;
    chosenWord_ = item->text(kWordColumn);
    accept();
}
