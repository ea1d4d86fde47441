#pragma once
// ResultHistory: the words that Search has shown, oldest first, with no two
// equal, at most historyLimit of them, and the position of the current one.
// A step only moves historyPos and names the word to put back into the input
// box; it never changes the entries.
//
// Invariant: historyPos is -1 while historyWords is empty, otherwise an index
// into it.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace quillan {

struct ResultHistory {
    QStringList historyWords;
    int32_t historyLimit = 0;  // set to 20 when the main window starts
    int32_t historyPos = -1;

    // Makes word the newest entry: an equal entry moves to the end, and the
    // oldest entry goes when the history is full.
    void recordHistoryWord(const QString& word);

    // The four steps. Each gives the word of the new current entry, or nothing
    // when it does nothing (an empty history, Back at the oldest, Next at the newest).
    std::optional<QString> stepFirst();
    std::optional<QString> stepBack();
    std::optional<QString> stepNext();
    std::optional<QString> stepLast();

  private:
    std::optional<QString> moveTo(qsizetype position);
};

}  // namespace quillan
