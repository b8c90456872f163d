#include "import/entry_matches.h"

#include <cmath>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "platform/windows1252.h"

namespace qbk {
namespace {

struct Candidate {
    std::size_t record;  // from 1
    DaySerial date;
};

// The words of a text worth comparing: letters and digits, upper-cased, three or more.
std::unordered_set<std::string> wordsOf(std::string_view text) {
    std::unordered_set<std::string> words;
    std::string word;
    const auto flush = [&] {
        if (word.size() >= 3) words.insert(word);
        word.clear();
    };
    for (const char c : ansiUpper(text)) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) || u >= 0x80)
            word += c;
        else
            flush();
    }
    flush();
    return words;
}

bool categoryKnown(CategorySource s) {
    return s == CategorySource::Rule || s == CategorySource::File || s == CategorySource::User ||
           s == CategorySource::Link;
}

}  // namespace

void matchTypedEntries(ImportBatch& batch, std::string_view records) {
    using entry_layout::kSize;
    if (!isStatement(batch.format)) {
        for (ImportRow& row : batch.rows)
            row.match.reset();
        return;
    }
    // Only the amounts and days the batch holds are looked at.
    std::unordered_set<std::int64_t> amounts;
    DaySerial first = 0, last = 0;
    bool any = false;
    for (ImportRow& row : batch.rows) {
        row.match.reset();
        if (isDuplicate(row.duplicate) || !std::isfinite(row.entry.entryDate)) continue;
        amounts.insert(row.entry.amount.raw());
        first = any ? std::min(first, row.entry.entryDate) : row.entry.entryDate;
        last = any ? std::max(last, row.entry.entryDate) : row.entry.entryDate;
        any = true;
    }
    if (!any) return;
    std::unordered_map<std::int64_t, std::vector<Candidate>> byAmount;
    const std::size_t count = records.size() / kSize;
    for (std::size_t n = 0; n < count; ++n) {
        const char* r = records.data() + n * kSize;
        if (entry_bytes::isDeleted(r) || entry_bytes::cleared(r) != ClearedState::None) continue;
        const DaySerial day = entry_bytes::entryDate(r);
        if (!(day >= first - kMatchDays && day <= last + kMatchDays)) continue;
        const std::int64_t amount = entry_bytes::amount(r).raw();
        if (amounts.count(amount) > 0) byAmount[amount].push_back({n + 1, day});
    }

    std::unordered_set<std::size_t> taken;
    // A duplicate line is an entry of the book already: the one of its date, amount and
    // note is no typed entry for another line.
    char bytes[kSize];
    for (const ImportRow& row : batch.rows) {
        if (!isDuplicate(row.duplicate)) continue;
        const auto found = byAmount.find(row.entry.amount.raw());
        if (found == byAmount.end()) continue;
        encodeEntry(row.entry, bytes);
        const auto field = [](const char* r, std::size_t at, std::size_t width) {
            return trimBlanks(std::string_view(r + at, width));
        };
        // The entry of the line's own user field first (its check number), then any.
        const Candidate* same = nullptr;
        for (const Candidate& c : found->second) {
            const char* r = records.data() + (c.record - 1) * kSize;
            if (c.date != row.entry.entryDate || taken.count(c.record) > 0 ||
                field(r, entry_layout::kNote, entry_layout::kNoteWidth) !=
                    field(bytes, entry_layout::kNote, entry_layout::kNoteWidth))
                continue;
            if (field(r, entry_layout::kUserField1, entry_layout::kUserFieldWidth) ==
                field(bytes, entry_layout::kUserField1, entry_layout::kUserFieldWidth)) {
                same = &c;
                break;
            }
            if (!same) same = &c;
        }
        if (same) taken.insert(same->record);
    }
    for (ImportRow& row : batch.rows) {
        if (isDuplicate(row.duplicate) || !std::isfinite(row.entry.entryDate)) continue;
        const auto found = byAmount.find(row.entry.amount.raw());
        if (found == byAmount.end()) continue;
        const std::unordered_set<std::string> lineWords = wordsOf(row.matchText + " " + row.payee);
        const std::string code(trimBlanks(row.entry.categoryCode));
        const Candidate* best = nullptr;
        int bestScore = -1;
        double bestGap = 0;
        for (const Candidate& c : found->second) {
            const double gap = std::fabs(c.date - row.entry.entryDate);
            if (gap > kMatchDays || taken.count(c.record) > 0) continue;
            const char* r = records.data() + (c.record - 1) * kSize;
            // A check is the entry of its number, or of none.
            const std::string_view user1 = trimBlanks(
                std::string_view(r + entry_layout::kUserField1, entry_layout::kUserFieldWidth));
            if (row.checkNumber && !user1.empty() && user1 != trimBlanks(row.entry.userField1))
                continue;
            int score = 0;
            if (categoryKnown(row.categorySource) && !code.empty() &&
                trimBlanks(entry_bytes::categoryCode(r)) == code)
                score += 2;
            const std::string note = fromWindows1252(
                trimBlanks(std::string_view(r + entry_layout::kNote, entry_layout::kNoteWidth)));
            for (const std::string& w : wordsOf(note))
                if (lineWords.count(w) > 0) {
                    score += 1;
                    break;
                }
            if (score > bestScore || (score == bestScore && gap < bestGap)) {
                best = &c;
                bestScore = score;
                bestGap = gap;
            }
        }
        if (best == nullptr) continue;
        taken.insert(best->record);
        const char* r = records.data() + (best->record - 1) * kSize;
        row.match = EntryMatch{best->record, entry_bytes::recordStamp(r), best->date,
                               fromWindows1252(trimBlanks(std::string_view(
                                   r + entry_layout::kNote, entry_layout::kNoteWidth)))};
    }
}

std::string matchText(const EntryMatch& match, const RegionalSettings& regional) {
    return "matches your entry of " + regional.shortDate(match.date) +
           (match.note.empty() ? "" : ": " + match.note);
}

}  // namespace qbk
