#include "import/import_preview.h"

#include <algorithm>

#include "import/delimited_line.h"
#include "platform/files.h"
#include "platform/windows1252.h"

namespace qbk {

FileDialog importFileDialog() {
    FileDialog d;
    d.title = "Select a file...";
    d.filter =
        "Files to import (*.txt *.csv *.ofx *.qfx *.qif *.sta *.mt940 *.xml)|"
        "*.txt;*.csv;*.ofx;*.qfx;*.qif;*.sta;*.mt940;*.xml|"
        "Comma-delimited text (*.txt)|*.txt|Comma-separated values (*.csv)|*.csv|"
        "Bank statements (*.ofx *.qfx *.qif *.sta *.mt940 "
        "*.xml)|*.ofx;*.qfx;*.qif;*.sta;*.mt940;*.xml|"
        "All files (*.*)|*.*";
    return d;
}

const std::string_view kImportInstructions =
    "The \"Import File Data Fields\" list on the right shows the first five records from the "
    "data file you selected. You must match up the fields with the \"Quillbank Fields\" list in "
    "the middle. Highlight each item on the right in turn and then click on the correct field "
    "number box to make the field number appear. Quillbank fields which have no corresponding "
    "import file field number will simply be left empty. You MUST sort your data after "
    "importing!";

const std::string_view kStatementInstructions =
    "The table below shows the transactions of the statement you selected. Lines that are "
    "already in your book are marked as duplicates and left out; tick one to import it after "
    "all. Double-click a category to choose one: the payee is remembered for the next "
    "statement, and \"Payee Rules\" shows what has been learned. Lines left without a "
    "category can go to IMPORT. You MUST sort your data after importing!";

namespace {

void addFields(ImportPreview& preview, std::string_view line, DelimitedStyle style,
               char separator) {
    FieldReader reader(line, style, separator);
    std::size_t k = 0;
    while (const std::optional<std::string_view> field = reader.next()) {
        if (++k > kPreviewFields) continue;
        std::string shown = leftChars(*field, kPreviewFieldChars);
        if (shown.size() < field->size()) shown += "...";
        preview.lines.push_back(std::to_string(k) + " = " + shown);
    }
    if (k > kPreviewFields)
        preview.lines.push_back("(" + std::to_string(k - kPreviewFields) + " more fields)");
}

}  // namespace

std::optional<ImportPreview> previewImportFile(const std::string& path) {
    DelimitedLayout commas;
    commas.separator = ',';
    return previewImportFile(path, commas, DelimitedFooter());
}

std::optional<ImportPreview> previewImportFile(const std::string& path,
                                               const DelimitedLayout& layout,
                                               const DelimitedFooter& footer) {
    const std::optional<DelimitedStyle> style = delimitedStyleOf(path);
    if (!style) return std::nullopt;
    const std::string text = readImportText(path);
    const std::vector<std::string_view> lines = importLines(text);
    const char separator = *style == DelimitedStyle::Txt ? ',' : fileSeparator(lines, layout);

    ImportPreview preview;
    preview.lineCount = lines.size();
    preview.caption = std::string(trimBlanks(path)) + " appears to contain " +
                      std::to_string(lines.size()) + " records.";
    const std::size_t first = layout.skipLines + 1;
    for (std::size_t n = first; n < first + kPreviewLines && n <= lines.size(); ++n) {
        if (footer.first != 0 && n >= footer.first) break;
        preview.lines.push_back(previewHeaderLine(n));
        addFields(preview, lines[n - 1], *style, separator);
    }
    for (std::size_t n = footer.first, shown = 0;
         n != 0 && n <= lines.size() && shown < kPreviewLines; ++n) {
        if (trimBlanks(lines[n - 1]).empty()) continue;
        preview.lines.push_back(previewFooterLine(n, footer.leftOut));
        addFields(preview, lines[n - 1], *style, separator);
        ++shown;
    }
    return preview;
}

std::string previewFooterLine(std::size_t lineNumber, bool leftOut) {
    return "||||||||||| LINE " + std::to_string(lineNumber) +
           (leftOut ? ": LEFT OUT" : ": NO ENTRY") + " ||||||||||||";
}

std::string statementCaption(std::string_view path, std::size_t transactions) {
    return std::string(trimBlanks(path)) + " holds " + std::to_string(transactions) +
           " transactions.";
}

std::string previewSummary(const ImportBatch& batch) {
    std::size_t leftOut = 0, toImport = 0;
    for (const ImportRow& r : batch.rows) {
        if (r.included) ++toImport;
        if (!r.included && isDuplicate(r.duplicate)) ++leftOut;
    }
    std::string text = std::to_string(batch.rows.size()) +
                       (batch.rows.size() == 1 ? " line: " : " lines: ") +
                       std::to_string(toImport) + " to import";
    if (leftOut > 0)
        text += ", " + std::to_string(leftOut) +
                (leftOut == 1 ? " duplicate left out" : " duplicates left out");
    const std::size_t reused = static_cast<std::size_t>(
        std::count_if(batch.rows.begin(), batch.rows.end(),
                      [](const ImportRow& r) { return r.duplicate == Duplicate::IdReused; }));
    if (reused > 0)
        text += ", " + std::to_string(reused) +
                (reused == 1 ? " id seen before with another date or amount (imported)"
                             : " ids seen before with another date or amount (imported)");
    const std::size_t matched = static_cast<std::size_t>(
        std::count_if(batch.rows.begin(), batch.rows.end(),
                      [](const ImportRow& r) { return r.included && r.match && r.clearsMatch; }));
    if (matched > 0)
        text += ", " + std::to_string(matched) +
                (matched == 1 ? " of them an entry you typed (marked cleared, not added)"
                              : " of them entries you typed (marked cleared, not added)");
    const std::size_t uncategorized = batch.includedWithoutCategory();
    if (uncategorized > 0) text += ", " + std::to_string(uncategorized) + " without a category";
    return text + ".";
}

Message dateOrderQuestion(const AmbiguousQifDate& example, DateOrder regional) {
    return {
        "The dates of this file fit both orders, month first (MM/DD/YYYY) and day first "
        "(DD/MM/YYYY), such as \"" +
            example.text + "\" in line " + std::to_string(example.line) +
            ".\r\n\r\nRead them month first? (No reads them day first.)",
        "Order of the dates", Icon::Question, Buttons::YesNoCancel,
        regional == DateOrder::DayMonthYear ? 2 : 1};
}

Message noCategoryQuestion(std::size_t lines) {
    return {std::to_string(lines) + (lines == 1 ? " line to import has" : " lines to import have") +
                " no category. Import " + (lines == 1 ? "it" : "them") +
                " under the category IMPORT? (It is created when the category list lacks "
                "it.)\r\n\r\nChoose No to pick categories in the table first.",
            "Ready...", Icon::Question, Buttons::YesNo, 1};
}

std::string previewHeaderLine(std::size_t lineNumber) {
    return "||||||||||| RECORD " + std::to_string(lineNumber) + " ||||||||||||";
}

std::string GetLinkNo(std::string_view selectedLine) {
    std::string linkNo;
    std::size_t i = 0;  // position of the character at `byte`, from 1
    for (std::size_t byte = 0; byte < selectedLine.size() && i < 6; ++byte) {
        if ((static_cast<unsigned char>(selectedLine[byte]) & 0xC0) == 0x80) continue;
        ++i;
        if (selectedLine[byte] == '=') linkNo = leftChars(selectedLine, i < 2 ? 0 : i - 2);
    }
    return linkNo;
}

std::size_t linkNumber(std::string_view caption) {
    std::size_t number = 0;
    for (const char c : caption) {
        if (c == ' ') continue;
        if (c < '0' || c > '9') break;
        number = number * 10 + static_cast<std::size_t>(c - '0');
        if (number > 1000000000) break;  // no line has that many fields
    }
    return number;
}

}  // namespace qbk
