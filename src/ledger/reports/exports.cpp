#include "reports/exports.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/windows1252.h"
#include "reports/category_totals.h"
#include "reports/report_lines.h"

namespace qbk {
namespace {

class LineWriter {
  public:
    LineWriter(std::string& out, ExportStyle style) : out_(out), style_(style) {}
    void field(std::string_view text) {
        out_ += first_ ? style_.quote : style_.separator;
        out_ += text;
        first_ = false;
    }
    // An amount with a decimal comma would be two fields of comma-separated values;
    // there it stands in double quotes, as spreadsheets read a quoted field.
    void amount(const std::string& text) {
        const bool split = style_.quote.empty() && text.find(',') != std::string::npos;
        field(split ? "\"" + text + "\"" : text);
    }
    void end() {
        out_ += style_.quote;
        out_ += kReportLineEnd;
        first_ = true;
    }

  private:
    std::string& out_;
    ExportStyle style_;
    bool first_ = true;
};

void writeEntries(std::string& out, const RecordFileContent& content,
                  const std::vector<CategoryRecord>& categories, ExportStyle style,
                  const RegionalSettings& regional) {
    const CategoryIndex index(content);
    LineWriter line(out, style);
    for (const CategoryRecord& category : categories) {
        const CategoryGroup* group = index.find(category);
        if (group == nullptr) continue;
        for (std::uint32_t i : *group) {
            const EntryRecord r = content.record(i);
            line.amount(regional.numberText(r.amount));
            line.field(r.categoryCode);
            line.field(StripQuoteAndComma(r.note));
            line.field(regional.shortDate(r.entryDate));
            line.field(StripQuoteAndComma(r.userField1));
            line.field(StripQuoteAndComma(r.userField2));
            line.end();
        }
    }
}

void writeTotals(std::string& out, const RecordFileContent& content,
                 const std::vector<CategoryRecord>& categories, ExportStyle style,
                 const RegionalSettings& regional) {
    const CategoryIndex index(content);
    LineWriter line(out, style);
    for (const CategoryRecord& category : categories) {
        const CategoryGroup* group = index.find(category);
        line.field(fitField(category.catCode, category_layout::kCatCodeWidth));
        line.field(fitField(category.catName, category_layout::kCatNameWidth));
        line.amount(regional.numberText(group ? index.sum(*group) : Money()));
        line.end();
    }
}

bool endsWithNoCase(std::string_view name, std::string_view suffix) {
    if (name.size() < suffix.size()) return false;
    return ansiUpper(name.substr(name.size() - suffix.size())) == ansiUpper(suffix);
}

}  // namespace

ExportStyle exportStyleFor(std::string_view fileName) {
    if (endsWithNoCase(fileName, "csv")) return kCommaSeparatedStyle;
    return kQuotedTextStyle;
}

std::string StripQuoteAndComma(std::string_view text) {
    std::string clean(text);
    std::replace(clean.begin(), clean.end(), '"', ' ');
    std::replace(clean.begin(), clean.end(), ',', ' ');
    return clean;
}

std::string exportText(ExportKind kind, const ReportSplit& split,
                       const std::vector<CategoryRecord>& categories, ExportStyle style,
                       const RegionalSettings& regional) {
    std::string out;
    const auto write = kind == ExportKind::Full ? writeEntries : writeTotals;
    write(out, split.expense, categories, style, regional);
    write(out, split.income, categories, style, regional);
    return out;
}

void writeExport(ExportKind kind, const ReportPaths& paths, const std::string& categoryFilePath,
                 const std::string& target, const RegionalSettings& regional) {
    const ReportSplit split = readReportFiles(paths);
    const std::string text =
        exportText(kind, split, readCategories(categoryFilePath), exportStyleFor(target), regional);
    appendToFile(target, text);
}

FileDialog exportFileDialog() {
    FileDialog dialog;
    dialog.title = "Provide a file name...";
    dialog.filter = "Comma-delimited text (*.txt)|*.txt|Comma-separated values (*.csv)|*.csv";
    return dialog;
}

Message exportAppendQuestion(const std::string& fileName) {
    return {fileName +
                " already exists! If you continue, the new data will be appended to the existing "
                "file. Proceed?",
            "Confirm", Icon::Exclamation, Buttons::OkCancel, 2};
}

Message exportCompleteMessage(ExportKind kind, const std::string& fileName) {
    const std::string what = kind == ExportKind::Full
                                 ? "The data contained in this report been exported to the file"
                                 : "The data (category summary only) contained in this report "
                                   "been exported to the file";
    return {what + "\r\n\r\n" + fileName +
                "\r\n\r\nThis file can be read by many different applications, including "
                "spreadsheets, etc.",
            "Export Complete", Icon::Information, Buttons::Ok, 1};
}

bool exportReport(Prompts& prompts, ExportKind kind, const ReportPaths& paths,
                  const std::string& categoryFilePath, const RegionalSettings& regional) {
    const std::string target = prompts.saveFile(exportFileDialog());
    if (target.empty()) return false;
    if (fileLength(target) > 0 && prompts.message(exportAppendQuestion(target)) != Answer::Ok)
        return false;
    writeExport(kind, paths, categoryFilePath, target, regional);
    prompts.message(exportCompleteMessage(kind, target));
    return true;
}

}  // namespace qbk
