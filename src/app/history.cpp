#include "app/history.h"

namespace quillan {

void ResultHistory::recordHistoryWord(const QString& word) {
    const qsizetype earlier = historyWords.indexOf(word);
    if (earlier >= 0) historyWords.removeAt(earlier);
    if (!historyWords.isEmpty() && historyWords.size() >= historyLimit) historyWords.removeFirst();
    historyWords.append(word);
    historyPos = static_cast<int32_t>(historyWords.size() - 1);
}

std::optional<QString> ResultHistory::moveTo(qsizetype position) {
    if (position < 0 || position >= historyWords.size()) return std::nullopt;
    historyPos = static_cast<int32_t>(position);
    return historyWords[position];
}

std::optional<QString> ResultHistory::stepFirst() { return moveTo(0); }

std::optional<QString> ResultHistory::stepBack() {
    if (historyPos <= 0) return std::nullopt;
    return moveTo(historyPos - 1);
}

std::optional<QString> ResultHistory::stepNext() {
    if (historyPos + 1 >= historyWords.size()) return std::nullopt;
    return moveTo(historyPos + 1);
}

std::optional<QString> ResultHistory::stepLast() { return moveTo(historyWords.size() - 1); }

}  // namespace quillan
