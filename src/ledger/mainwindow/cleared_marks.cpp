#include "mainwindow/cleared_marks.h"

namespace qbk {
namespace {

char* recordAt(RecordFileContent& content, std::size_t number) {
    return content.records.data() + (number - 1) * entry_layout::kSize;
}

bool datedUpTo(const char* record, DaySerial lastDay) {
    return entry_bytes::entryDate(record) <= lastDay;  // false for a damaged date
}

}  // namespace

std::size_t setClearedMarks(RecordFileContent& content,
                            const std::function<bool(const char* record)>& chosen, bool unmark) {
    const ClearedState from = unmark ? ClearedState::Cleared : ClearedState::None;
    const ClearedState to = unmark ? ClearedState::None : ClearedState::Cleared;
    std::size_t changed = 0;
    for (std::size_t i = 1; i <= content.count(); ++i) {
        char* r = recordAt(content, i);
        if (entry_bytes::isDeleted(r) || entry_bytes::cleared(r) != from || !chosen(r)) continue;
        entry_bytes::setCleared(r, to);
        ++changed;
    }
    return changed;
}

std::size_t toggleClearedMarks(RecordFileContent& content,
                               const std::vector<std::size_t>& numbers) {
    bool anyUnmarked = false;
    for (const std::size_t n : numbers) {
        const char* r = recordAt(content, n);
        anyUnmarked |= !entry_bytes::isDeleted(r) && entry_bytes::cleared(r) == ClearedState::None;
    }
    std::size_t changed = 0;
    const ClearedState from = anyUnmarked ? ClearedState::None : ClearedState::Cleared;
    for (const std::size_t n : numbers) {
        char* r = recordAt(content, n);
        if (entry_bytes::isDeleted(r) || entry_bytes::cleared(r) != from) continue;
        entry_bytes::setCleared(r, anyUnmarked ? ClearedState::Cleared : ClearedState::None);
        ++changed;
    }
    return changed;
}

std::size_t unmarkReconciled(RecordFileContent& content, const std::vector<std::size_t>& numbers) {
    std::size_t changed = 0;
    for (const std::size_t n : numbers) {
        char* r = recordAt(content, n);
        if (entry_bytes::isDeleted(r) || entry_bytes::cleared(r) != ClearedState::Reconciled)
            continue;
        entry_bytes::setCleared(r, ClearedState::None);
        ++changed;
    }
    return changed;
}

Message unreconcileQuestion(std::size_t entries) {
    return {
        (entries == 1 ? std::string("This entry is reconciled") : "These entries are reconciled") +
            std::string(": the bank's statement and the book agreed on them.\r\n\r\nTake the "
                        "mark off, so that the next reconcile lists ") +
            (entries == 1 ? "it" : "them") + " again?",
        "Confirm", Icon::Question, Buttons::YesNo, 2};
}

ReconcileSums reconcileSums(const RecordFileContent& content, DaySerial lastDay, Money opening) {
    ReconcileSums sums;
    sums.opening = opening;
    for (std::size_t i = 1; i <= content.count(); ++i) {
        const char* r = content.at(i);
        if (entry_bytes::isDeleted(r)) continue;
        const ClearedState state = entry_bytes::cleared(r);
        if (state == ClearedState::Reconciled) {
            sums.reconciled += entry_bytes::amount(r);
        } else if (state == ClearedState::Cleared && datedUpTo(r, lastDay)) {
            sums.cleared += entry_bytes::amount(r);
            ++sums.clearedCount;
        }
    }
    return sums;
}

std::size_t markReconciled(RecordFileContent& content, DaySerial lastDay) {
    std::size_t marked = 0;
    for (std::size_t i = 1; i <= content.count(); ++i) {
        char* r = recordAt(content, i);
        if (entry_bytes::isDeleted(r) || entry_bytes::cleared(r) != ClearedState::Cleared ||
            !datedUpTo(r, lastDay))
            continue;
        entry_bytes::setCleared(r, ClearedState::Reconciled);
        ++marked;
    }
    return marked;
}

std::vector<std::size_t> reconcileCandidates(const RecordFileContent& content, DaySerial lastDay) {
    std::vector<std::size_t> numbers;
    for (std::size_t i = 1; i <= content.count(); ++i) {
        const char* r = content.at(i);
        if (!entry_bytes::isDeleted(r) && entry_bytes::cleared(r) != ClearedState::Reconciled &&
            datedUpTo(r, lastDay))
            numbers.push_back(i);
    }
    return numbers;
}

void finishReconcile(RecordFileContent& content, const std::vector<std::size_t>& numbers,
                     const std::vector<bool>& ticked) {
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        char* r = recordAt(content, numbers[k]);
        if (ticked[k])
            entry_bytes::setCleared(r, ClearedState::Reconciled);
        else if (entry_bytes::cleared(r) == ClearedState::Cleared)
            entry_bytes::setCleared(r, ClearedState::None);
    }
}

}  // namespace qbk
