#include "cli/import_run.h"

#include "import/amount_column.h"
#include "import/camt_reader.h"
#include "import/import_batch.h"
#include "import/mt940_reader.h"
#include "import/ofx_reader.h"
#include "import/payee_rules.h"
#include "import/qif_reader.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "store/amount.h"
#include "store/book_files.h"
#include "store/category_record.h"
#include "store/maintenance.h"

namespace qbk {

std::string importRequestProblem(const ImportRequest& request) {
    const std::optional<ImportFormat> format = importFormatOf(request.importPath);
    if (!format)
        return "FILE must end in .txt, .csv, .ofx, .qfx, .qif, .sta, .mt940 or .xml: " +
               request.importPath;
    const bool twoColumns = request.layout.debit != 0 || request.layout.credit != 0;
    if (!isStatement(*format) && !importLinksComplete(request.links) &&
        !(twoColumns && !request.links.date.empty()))
        return importNeedsDateAndAmountMessage().text;
    if (twoColumns && !request.links.amount.empty())
        return "An amount field and debit and credit fields exclude each other.";
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
    std::vector<std::string> accounts;
    if (!isStatement(format)) {
        const DelimitedStyle style =
            format == ImportFormat::QuotedText ? DelimitedStyle::Txt : DelimitedStyle::Csv;
        DelimitedLayout layout = request.layout;
        layout.skipHeader = layout.skipHeader || request.skipHeader;
        if (request.links.category.empty()) {
            // No category field: the lines are placed by the payee rules, as a
            // statement's are, and the others go to IMPORT.
            DelimitedLayout asRead;
            const ImportBatch batch = delimitedBatch(
                readImportText(request.importPath), style, request.links, regional, layout,
                readPayeeRules(joinPath(request.dataFolder, kPayeeRulesFileName)),
                readCategories(target.categoryFilePath), &asRead);
            const ImportCommit commit = commitImport(batch, target, kDefaultImportCategory, stamps,
                                                     request.keepDuplicates, request.sortAfter);
            summary.added = commit.added;
            summary.duplicatesSkipped = commit.duplicatesLeftOut;
            summary.createdCategories = commit.createdCategories;
            summary.layout = asRead;
        } else {
            // A linked category field is taken as it stands: the streamed import, for
            // files of millions of lines.
            const DelimitedImportResult result = importDelimitedFile(
                request.importPath, style, target.recordFilePath, request.links, regional, layout,
                request.keepDuplicates, stamps, request.sortAfter);
            summary.added = result.added;
            summary.duplicatesSkipped = result.duplicates;
            layout.separator = result.separator;
            layout.decimalMark = result.mark;
            layout.dateFormat = result.dateFormat;
            summary.layout = layout;
        }
    } else {
        const std::string text = readImportText(request.importPath);
        const PayeeRules rules = readPayeeRules(joinPath(request.dataFolder, kPayeeRulesFileName));
        Statement statement;
        if (format == ImportFormat::Ofx) {
            statement = readOfx(text, &summary.investmentsLeftOut, &summary.ledgerBalance);
            if (statement.empty() && summary.investmentsLeftOut > 0)
                throw OperationError(
                    errnum::kTypeMismatch,
                    "This file holds only investment transactions (" +
                        std::to_string(summary.investmentsLeftOut) +
                        "): buys, sells and the like of securities are not entries of a "
                        "cashflow book, and nothing was imported.");
        } else if (format == ImportFormat::Mt940) {
            statement = readMt940(text);
        } else if (format == ImportFormat::Camt) {
            CamtStatement camt = readCamt(text);
            summary.notBookedLeftOut = camt.notBooked;
            summary.ledgerBalance = camt.closingBalance;
            statement = std::move(camt.transactions);
        } else {
            QifStatement qif = readQif(text, request.ambiguousDateOrder);
            ambiguousDates = qif.ambiguous.has_value();
            statement = std::move(qif.transactions);
        }
        accounts = statementAccounts(statement);
        ImportBatch batch =
            statementBatch(statement, format, rules, readCategories(target.categoryFilePath));
        // Every row is offered: the duplicates are found under the book lock, so that
        // imports of one statement side by side add it once.
        const ImportCommit commit =
            commitImport(batch, target, kDefaultImportCategory, stamps, request.keepDuplicates);
        summary.added = commit.added;
        summary.cleared = commit.cleared;
        summary.duplicatesSkipped = commit.duplicatesLeftOut;
        summary.createdCategories = commit.createdCategories;
    }

    summary.text = std::to_string(summary.added) + " records have been imported.\n";
    if (summary.cleared > 0)
        summary.text += std::to_string(summary.cleared) +
                        (summary.cleared == 1 ? " entry you typed matches a line and was"
                                              : " entries you typed match lines and were") +
                        " marked cleared instead.\n";
    if (summary.ledgerBalance)
        summary.text += "The statement's ending balance is " +
                        regional.currencyText(summary.ledgerBalance->amount) + " on " +
                        regional.shortDate(summary.ledgerBalance->date) +
                        " (qbk3-cli reconcile --to " +
                        regional.shortDate(summary.ledgerBalance->date) + " --balance " +
                        decimalAmountText(summary.ledgerBalance->amount) + ").\n";
    if (summary.duplicatesSkipped > 0)
        summary.text += std::to_string(summary.duplicatesSkipped) +
                        (summary.duplicatesSkipped == 1 ? " duplicate was" : " duplicates were") +
                        " skipped (--keep-duplicates imports them).\n";
    if (summary.investmentsLeftOut > 0)
        summary.text += std::to_string(summary.investmentsLeftOut) +
                        " investment transactions (buys, sells and the like of securities) "
                        "were left out: only the cash lines are entries.\n";
    if (summary.notBookedLeftOut > 0)
        summary.text += std::to_string(summary.notBookedLeftOut) +
                        " entries not yet booked by the bank were left out.\n";
    for (const std::string& code : summary.createdCategories)
        summary.text += "Category " + code + " was created.\n";
    if (ambiguousDates)
        summary.text +=
            std::string("The dates read either way; they were read ") +
            (request.ambiguousDateOrder == DateOrder::DayMonthYear ? "day first (DD/MM/YYYY).\n"
                                                                   : "month first (MM/DD/YYYY).\n");
    if (const std::string named = severalAccountsText(accounts); !named.empty())
        summary.text += named + "\n";
    if (summary.layout)
        summary.text += readLayoutText(*summary.layout, format == ImportFormat::QuotedText
                                                            ? DelimitedStyle::Txt
                                                            : DelimitedStyle::Csv) +
                        "\n";
    if (summary.added > 0 && request.sortAfter)
        summary.text += "The record file was sorted by date.\n";
    else if (summary.added > 0)
        summary.text +=
            "They stand at the end of the record file: sort it before you use the book.\n";
    return summary;
}

}  // namespace qbk
