#include "reports/report_files.h"

#include <unordered_map>

#include "platform/errors.h"
#include "platform/files.h"

namespace qbk {
namespace {

RecordFileContent contentOf(const std::string& bytes) {
    RecordFileContent content;
    const std::size_t whole = bytes.size() / entry_layout::kSize * entry_layout::kSize;
    content.records = bytes.substr(0, whole);
    content.partialTail = bytes.substr(whole);
    return content;
}

RecordFileContent readIfPresent(const std::string& path) {
    return fileExists(path) ? contentOf(readFile(path)) : RecordFileContent{};
}

}  // namespace

ReportPaths::ReportPaths(std::string_view folder)
    : reportList(joinPath(folder, report_files::kReportList)),
      income(joinPath(folder, report_files::kIncome)),
      expense(joinPath(folder, report_files::kExpense)),
      todo(joinPath(folder, report_files::kTodo)),
      reportText(joinPath(folder, report_files::kReportText)) {}

ReportSplit splitReportList(const RecordFileContent& reportList,
                            const std::vector<double>& rowStamps) {
    // The first record of each stamp, found once instead of one scan per row.
    std::unordered_map<double, std::size_t> firstOfStamp;
    firstOfStamp.reserve(reportList.count());
    for (std::size_t i = reportList.count(); i >= 1; --i)
        firstOfStamp[entry_bytes::recordStamp(reportList.at(i))] = i;

    ReportSplit split;
    for (double stamp : rowStamps) {
        const auto found = firstOfStamp.find(stamp);
        if (found == firstOfStamp.end()) continue;
        addToSplit(split, reportList.at(found->second));
    }
    return split;
}

void addToSplit(ReportSplit& split, const char* record) {
    const Money amount = entry_bytes::amount(record);
    RecordFileContent& to = amount.isZero()       ? split.todo
                            : amount.isNegative() ? split.expense
                                                  : split.income;
    to.records.append(record, entry_layout::kSize);
}

std::vector<std::pair<std::string, std::string>> splitFiles(const ReportPaths& paths,
                                                            const ReportSplit& split) {
    return {{paths.income, split.income.records},
            {paths.expense, split.expense.records},
            {paths.todo, split.todo.records}};
}

ReportSplit MakeReportFiles(const ReportPaths& paths, const std::vector<double>& rowStamps) {
    ReportSplit split = splitReportList(readIfPresent(paths.reportList), rowStamps);
    writeFilesTogether(splitFiles(paths, split));
    return split;
}

ReportSplit readReportFiles(const ReportPaths& paths) {
    return {readIfPresent(paths.income), readIfPresent(paths.expense), readIfPresent(paths.todo)};
}

void discardReportList(const ReportPaths& paths) {
    removeFile(paths.reportList);
}

void writeFilesTogether(const std::vector<std::pair<std::string, std::string>>& files) {
    std::vector<StagedFile> staged;
    try {
        for (const auto& [path, bytes] : files)
            staged.push_back(stageFile(path, bytes));
    } catch (const OperationError&) {
        for (const StagedFile& next : staged)
            discardStagedFile(next);
        throw;
    }
    for (const StagedFile& next : staged)
        commitStagedFile(next);
}

}  // namespace qbk
