#include "charts/balance_chart.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "store/entry_record.h"

namespace qbk {

std::vector<BalancePoint> runningBalance(const ReportSplit& entries, DaySerial first,
                                         DaySerial last) {
    std::vector<std::pair<DaySerial, Money>> moves;
    moves.reserve(entries.income.count() + entries.expense.count());
    for (const RecordFileContent* file : {&entries.income, &entries.expense}) {
        for (std::size_t i = 1; i <= file->count(); ++i) {
            const char* r = file->at(i);
            moves.emplace_back(std::floor(entry_bytes::entryDate(r)), entry_bytes::amount(r));
        }
    }
    std::sort(moves.begin(), moves.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    if (!moves.empty()) {
        first = std::min(first, moves.front().first);
        last = std::max(last, moves.back().first);
    }
    std::vector<BalancePoint> points;
    if (first > last) return points;
    points.push_back({first, Money()});
    Money balance;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        balance += moves[i].second;
        if (i + 1 == moves.size() || moves[i + 1].first != moves[i].first)
            points.push_back({moves[i].first, balance});
    }
    if (points.back().day < last) points.push_back({last, balance});
    return points;
}

}  // namespace qbk
