// The commands that meet the bank: clear (mark entries the bank has) and reconcile (agree
// the book with a statement's ending balance), on the core the window's Records menu uses.
#include "cli/command.h"
#include "mainwindow/cleared_marks.h"
#include "mainwindow/list_refresh.h"
#include "platform/files.h"
#include "platform/stamps.h"
#include "platform/windows1252.h"
#include "store/book_files.h"
#include "store/category_record.h"
#include "store/opening_balance.h"
#include "store/record_file.h"

namespace qbk {
namespace {

struct ClearArguments {
    std::string folder;
    bool undo = false;
    std::optional<std::string> stamp, from, to, search, category;
};

Money amountOption(const CliContext& cx, const std::string& text) {
    const std::optional<Money> amount = cx.regional.parseAmount(text);
    if (!amount) throw UsageError{"not an amount: " + text};
    return *amount;
}

std::string entriesText(std::size_t n) {
    return std::to_string(n) + (n == 1 ? " entry" : " entries");
}

int clear(const ClearArguments& a, const std::string& folder, CliContext& cx) {
    const std::string path = joinPath(folder, kRecordFileName);
    std::function<bool(const char*)> chosen;
    std::optional<ListFilter> filter;
    double stamp = 0;
    if (a.stamp) {
        const std::optional<double> typed = parseStamp(*a.stamp);
        if (!typed) throw UsageError{"not a stamp: " + *a.stamp};
        stamp = *typed;
        chosen = [&](const char* r) {
            const double s = entry_bytes::recordStamp(r);
            return s == stamp || (isStamp(s) && stampText(s) == stampText(stamp));
        };
    } else {
        ListQuery query;
        query.rangeStart = dateOption(cx, *a.from);
        query.rangeEnd = dateOption(cx, *a.to);
        if (query.rangeEnd < query.rangeStart)
            throw UsageError{"the --to date is older than the --from date"};
        query.categoryFilterCode =
            fitField(a.category.value_or(""), category_layout::kCatCodeWidth);
        if (a.search) query.searchArgument = ansiUpper(*a.search);
        filter.emplace(query, programSettings(cx));
        chosen = [&](const char* r) { return filter->keeps(r); };
    }
    RecordFileContent content = readRecordFile(path);
    const std::size_t changed = setClearedMarks(content, chosen, a.undo);
    if (changed > 0) writeRecordFile(path, content);
    cx.out << entriesText(changed)
           << (a.undo ? " no longer marked cleared.\n" : " marked cleared.\n");
    return kExitDone;
}

struct ReconcileArguments {
    std::string folder, to, balance;
    std::optional<std::string> opening;
};

int reconcile(const ReconcileArguments& a, const std::string& folder, CliContext& cx) {
    const DaySerial lastDay = dateOption(cx, a.to);
    const Money statement = amountOption(cx, a.balance);
    const std::optional<Money> newOpening =
        a.opening ? std::optional(amountOption(cx, *a.opening)) : std::nullopt;
    const std::string path = joinPath(folder, kRecordFileName);
    RecordFileContent content = readRecordFile(path);
    const Money opening = newOpening ? *newOpening : readOpeningBalance(folder);
    const ReconcileSums sums = reconcileSums(content, lastDay, opening);
    const Money balance = sums.clearedBalance();
    const Money difference = statement - balance;
    cx.out << "Opening balance: " << cx.regional.currencyText(opening) << '\n'
           << "Cleared balance: " << cx.regional.currencyText(balance) << '\n'
           << "Statement balance: " << cx.regional.currencyText(statement) << '\n'
           << "Difference: " << cx.regional.currencyText(difference) << '\n';
    if (!difference.isZero())
        return refuse(cx,
                      "The difference is not 0: nothing was reconciled. Mark what the "
                      "statement shows cleared (qbk3-cli clear), or check the balances.");
    if (newOpening && *newOpening != readOpeningBalance(folder))
        writeOpeningBalance(folder, *newOpening);
    const std::size_t marked = markReconciled(content, lastDay);
    if (marked > 0) writeRecordFile(path, content);
    cx.out << entriesText(marked) << " reconciled up to " << cx.regional.shortDate(lastDay)
           << ".\n";
    return kExitDone;
}

}  // namespace

Subcommand makeClearCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand(
        "clear", "Mark entries cleared (the bank has them), or with --undo take the mark off.");
    auto a = std::make_shared<ClearArguments>();
    addFolder(*c, a->folder);
    c->add_flag("--undo", a->undo, "take the cleared mark off (reconciled entries keep theirs)");
    auto* stamp = c->add_option("--stamp", a->stamp, "the entry of the stamp S")->type_name("S");
    auto* from = c->add_option("--from", a->from, "the entries from DATE on")->type_name("DATE");
    auto* to = c->add_option("--to", a->to, "the entries up to DATE")->type_name("DATE");
    auto* search =
        c->add_option("--search", a->search, "only the entries whose note or user fields hold TEXT")
            ->type_name("TEXT");
    auto* category =
        c->add_option("--category", a->category, "only the entries of the category CODE")
            ->type_name("CODE");
    stamp->excludes(from)->excludes(to)->excludes(search)->excludes(category);
    from->needs(to);
    to->needs(from);
    return {c, [a, stamp, from, &cx] {
                if (stamp->count() == 0 && from->count() == 0)
                    throw UsageError{"clear needs --stamp S, or --from DATE and --to DATE"};
                const std::string data = dataFolder(a->folder);
                return asOneChange(cx, data, [&](CliContext& in) { return clear(*a, data, in); });
            }};
}

Subcommand makeReconcileCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand(
        "reconcile",
        "Agree the book with a bank statement: at a difference of 0, the cleared entries up "
        "to DATE become reconciled.");
    auto a = std::make_shared<ReconcileArguments>();
    addFolder(*c, a->folder);
    c->add_option("--to", a->to, "the statement's end date")->type_name("DATE")->required();
    c->add_option("--balance", a->balance, "the statement's ending balance")
        ->type_name("AMOUNT")
        ->required();
    c->add_option("--opening", a->opening,
                  "the account's balance before the first cleared entry (remembered)")
        ->type_name("AMOUNT");
    return {c, [a, &cx] {
                const std::string data = dataFolder(a->folder);
                return asOneChange(cx, data,
                                   [&](CliContext& in) { return reconcile(*a, data, in); });
            }};
}

}  // namespace qbk
