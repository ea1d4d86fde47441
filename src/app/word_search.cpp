// The main window's search flow: the following-word list that every change of
// the input box refills, the choice of a row, Search with its result page, and
// the history steps that put an earlier word back into the input box.

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <string>
#include <vector>

#include "app/messages.h"
#include "app/quillan_dlg.h"
#include "app/rank_query.h"
#include "app/wide_text.h"
#include "examples/alignment_graph.h"
#include "examples/sentence_store.h"
#include "pages/result_page.h"

using namespace quillan;

namespace {

// The position of the first tag equal to code; 0 when there is none.
size_t selectedTagPosition(const WordRecord& record, const std::string& code) {
    for (size_t k = 0; k < record.tagList.size(); ++k) {
        if (record.tagList[k] == code) return k;
    }
    return 0;
}

// The line read at a word's offset must be that word's: an index from another
// build points at other lines, or past the end of the data file.
bool holdsHeadword(const std::vector<WordRecord>& records, const std::string& word) {
    return !records.empty() && records.front().word == word;
}

}  // namespace

void CQuillanDlg::onInputChanged() {
    const std::string input = toGbkText(inputBox_->text());
    if (isRankQuery(settings_.sortType, input)) {
        refillByRank(input);
    } else {
        refillByWord(input);
    }
}

// Lists the words from the typed position of the tag's stretch onward, numbered
// from the stretch's start. A position that names no known word keeps the rows.
void CQuillanDlg::refillByRank(const std::string& input) {
    const RankRange range = rankRangeFor(store_, tagCodeFor(settings_.tagType));
    int64_t position = listStartPosition(range, readRank(input));
    if (!isListedPosition(store_, position)) return;
    if (findWordOffset(store_, store_.frequencyList[position]) < 0) return;
    followingList_->clear();
    for (int rows = 0;
         rows < kFollowingRows && isListedPosition(store_, position) && position <= range.last;
         ++rows, ++position) {
        const std::string row =
            std::to_string(position - range.first) + ":" + store_.frequencyList[position];
        followingList_->addItem(fromGbkText(row));
    }
}

// Lists the word and the dictionary entries after it that pass the tag filter.
// A word that is not in the index keeps the rows.
void CQuillanDlg::refillByWord(const std::string& input) {
    const int32_t offset = findWordOffset(store_, input);
    if (offset < 0) return;
    followingList_->clear();
    std::vector<WordRecord> records;
    if (readWordRecords(offset, kFollowingRows, records) < 0 || !holdsHeadword(records, input)) {
        showError(messages::kResourcesMissing);
        return;
    }
    for (const WordRecord& record : records) {
        if (record.status == -1) break;
        if (passesTagFilter(record.tags, settings_.tagType)) {
            followingList_->addItem(fromGbkText(record.word));
        }
    }
}

void CQuillanDlg::onFollowingSelected() {
    const QList<QListWidgetItem*> selected = followingList_->selectedItems();
    if (selected.isEmpty()) return;
    QString text = selected.first()->text();
    if (settings_.sortType == "Frequency") {
        // A numbered row ("12:" and its word) stands for its rank.
        const std::string digits = leadingDigits(toGbkText(text));
        if (!digits.empty()) text = QString::fromLatin1(digits);
    }
    setInputText(text);
}

// Setting an edit box's text always refills the list, even when the text stays
// the same; QLineEdit announces only real changes, so the refill is run here then.
void CQuillanDlg::setInputText(const QString& text) {
    if (inputBox_->text() == text) {
        onInputChanged();
        return;
    }
    inputBox_->setText(text);
}

void CQuillanDlg::onSearch() { lookUpAndShow(inputBox_->text()); }

// The word at the typed position of the tag's stretch, or "NULL" (a word no
// dictionary holds) when the position lies outside the frequency list.
std::string CQuillanDlg::resolveSearchWord(const std::string& digits) const {
    const RankRange range = rankRangeFor(store_, tagCodeFor(settings_.tagType));
    const int64_t position = searchPosition(range, readRank(digits));
    return isListedPosition(store_, position) ? store_.frequencyList[position] : "NULL";
}

void CQuillanDlg::lookUpAndShow(const QString& text) {
    std::string word = toGbkText(text);
    if (word.empty()) return;
    if (isRankQuery(settings_.sortType, word)) word = resolveSearchWord(word);

    const int32_t offset = findWordOffset(store_, word);
    if (offset < 0) {
        showPage(notFoundPagePath_);
        return;
    }
    std::vector<WordRecord> records;
    if (readWordRecords(offset, 1, records) < 0 || !holdsHeadword(records, word)) {
        showError(messages::kResourcesMissing);
        showPage(notFoundPagePath_);
        return;
    }
    WordRecord record = records.front();
    if (!passesTagFilter(record.tags, settings_.tagType)) {
        showPage(notFoundPagePath_);
        return;
    }

    const size_t k = selectedTagPosition(record, tagCodeFor(settings_.tagType));
    record.selectedExamples.clear();
    int32_t pictureCount = 0;
    if (!record.exampleGroups.empty()) {
        // A record with fewer example groups than tags has no examples for the
        // tags beyond its groups.
        if (k < record.exampleGroups.size()) record.selectedExamples = record.exampleGroups[k];
        ExampleSet examples;
        if (retrieveExamples(examples, record.selectedExamples, store_, items::kExampleLimit) < 0) {
            showError(messages::kResourcesMissing);
            return;
        }
        pictureCount = drawAlignmentGraphs(examples, word);
    }

    const std::string pageText = buildResultPage(record, pictureCount);
    if (writeResultPage(QFile::encodeName(resultPagePath_).toStdString(), pageText) < 0) {
        showError(messages::kResourcesMissing);
        return;
    }
    showPage(resultPagePath_);
    recordHistoryWord(fromGbkText(word));
}

void CQuillanDlg::recordHistoryWord(const QString& word) { history_.recordHistoryWord(word); }

void CQuillanDlg::onHistoryFirst() {
    if (auto word = history_.stepFirst()) showHistoryEntry(*word);
}

void CQuillanDlg::onHistoryBack() {
    if (auto word = history_.stepBack()) showHistoryEntry(*word);
}

void CQuillanDlg::onHistoryNext() {
    if (auto word = history_.stepNext()) showHistoryEntry(*word);
}

void CQuillanDlg::onHistoryLast() {
    if (auto word = history_.stepLast()) showHistoryEntry(*word);
}

void CQuillanDlg::showHistoryEntry(const QString& word) { setInputText(word); }
