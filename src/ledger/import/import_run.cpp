#include "import/import_run.h"

#include "import/import_batch.h"
#include "import/ofx_reader.h"
#include "import/payee_rules.h"
#include "import/qif_reader.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "store/category_record.h"
#include "store/maintenance.h"
#include "store/book_files.h"

namespace qbk {

std::string importRequestProblem(const ImportRequest& request) {
    const std::optional<ImportFormat> format = importFormatOf(request.importPath);
    if (!format) return "FILE must end in .txt, .csv, .ofx, .qfx or .qif: " + request.importPath;
    if (!isStatement(*format) && !importLinksComplete(request.links))
        return importNeedsDateAndAmountMessage().text;
    return {};
}

ImportSummary runImport(const ImportRequest& request, const RegionalSettings& regional,
                        StampSource& stamps) {
    const std::string problem = importRequestProblem(request);
    if (!problem.empty()) throw OperationError(errnum::kInvalidCall, problem);
    const ImportFormat format = *importFormatOf(request.importPath);
    const ImportTarget target{joinPath(request.dataFolder, kRecordFileName),
                              joinPath(request.dataFolder, std::string(kCategoryFileName))};
    ImportSummary summary;
    bool ambiguousDates = false;
    if (!isStatement(format)) {
        const DelimitedStyle style =
            format == ImportFormat::QuotedText ? DelimitedStyle::Txt : DelimitedStyle::Csv;
        const DelimitedImportResult result =
            importDelimitedFile(request.importPath, style, target.recordFilePath, request.links,
                                regional, request.skipHeader, request.keepDuplicates, stamps);
        summary.added = result.added;
        summary.duplicatesSkipped = result.duplicates;
    } else {
        const std::string text = readImportText(request.importPath);
        const PayeeRules rules = readPayeeRules(joinPath(request.dataFolder, kPayeeRulesFileName));
        Statement statement;
        if (format == ImportFormat::Ofx) {
            statement = readOfx(text);
        } else {
            QifStatement qif = readQif(text, request.ambiguousDateOrder);
            ambiguousDates = qif.ambiguous.has_value();
            statement = std::move(qif.transactions);
        }
        ImportBatch batch =
            statementBatch(statement, format, rules, readCategories(target.categoryFilePath));
        markDuplicates(batch, readBookIndex(target.recordFilePath));
        summary.duplicatesSkipped = request.keepDuplicates ? 0 : batch.duplicates();
        if (request.keepDuplicates)
            for (ImportRow& row : batch.rows)
                row.included = true;
        const ImportCommit commit = commitImport(batch, target, kDefaultImportCategory, stamps);
        summary.added = commit.added;
        summary.createdCategories = commit.createdCategories;
    }

    summary.text = std::to_string(summary.added) + " records have been imported.\n";
    if (summary.duplicatesSkipped > 0)
        summary.text += std::to_string(summary.duplicatesSkipped) +
                        (summary.duplicatesSkipped == 1 ? " duplicate was" : " duplicates were") +
                        " skipped (--keep-duplicates imports them).\n";
    for (const std::string& code : summary.createdCategories)
        summary.text += "Category " + code + " was created.\n";
    if (ambiguousDates)
        summary.text +=
            std::string("The dates read either way; they were read ") +
            (request.ambiguousDateOrder == DateOrder::DayMonthYear ? "day first (DD/MM/YYYY).\n"
                                                                   : "month first (MM/DD/YYYY).\n");
    if (summary.added > 0)
        summary.text +=
            "They stand at the end of the record file: sort it before you use the book.\n";
    return summary;
}

}  // namespace qbk
