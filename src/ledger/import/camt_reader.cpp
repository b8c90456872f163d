#include "import/camt_reader.h"

#include "import/xml_tree.h"
#include "platform/dates.h"

namespace qbk {
namespace {

constexpr std::string_view kKind = "CAMT";

// YYYY-MM-DD, the start of an ISODate or an ISODateTime.
std::optional<DaySerial> isoDay(std::string_view text) {
    if (text.size() < 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int parts[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p)
        for (std::size_t i = starts[p]; i < starts[p] + lengths[p]; ++i) {
            if (text[i] < '0' || text[i] > '9') return std::nullopt;
            parts[p] = parts[p] * 10 + (text[i] - '0');
        }
    if (!isValidDate(parts[0], parts[1], parts[2])) return std::nullopt;
    return serialFromDate(parts[0], parts[1], parts[2]);
}

std::string dateText(const XmlElement& entry, std::string_view element) {
    const std::string day = entry.textAt(std::string(element) + "/Dt");
    return day.empty() ? entry.textAt(std::string(element) + "/DtTm") : day;
}

// The account's IBAN or other identification.
std::string accountOf(const XmlElement& statement) {
    const std::string iban = statement.textAt("Acct/Id/IBAN");
    return iban.empty() ? statement.textAt("Acct/Id/Othr/Id") : iban;
}

// A party's name, directly or in its Pty (the 2019 versions).
std::string partyName(const XmlElement* parties, std::string_view role) {
    if (parties == nullptr) return {};
    const XmlElement* party = parties->child(role);
    if (party == nullptr) return {};
    const std::string name = party->textAt("Nm");
    return name.empty() ? party->textAt("Pty/Nm") : name;
}

bool isBooked(const XmlElement& entry) {
    const XmlElement* status = entry.child("Sts");
    if (status == nullptr) return true;
    const std::string code =
        status->child("Cd") != nullptr ? status->textAt("Cd") : status->trimmedText();
    return code.empty() || code == "BOOK";
}

void readEntry(const XmlElement& entry, const std::string& account, StatementTransaction& t) {
    t.line = entry.line;
    std::string day = dateText(entry, "BookgDt");
    if (day.empty()) day = dateText(entry, "ValDt");
    const std::optional<DaySerial> date = isoDay(day);
    if (!date)
        failStatement(kKind, entry.line,
                      day.empty() ? "an entry has no date" : "\"" + day + "\" is not a date");
    t.date = *date;

    const std::string figures = entry.textAt("Amt");
    const std::optional<Money> amount =
        figures.find_first_not_of("0123456789.") == std::string::npos
            ? Money::parseFigures(figures, DecimalMark::Point, false)
            : std::nullopt;
    if (!amount) failStatement(kKind, entry.line, "\"" + figures + "\" is not an amount");
    const std::string mark = entry.textAt("CdtDbtInd");
    if (mark != "CRDT" && mark != "DBIT")
        failStatement(kKind, entry.line, "\"" + mark + "\" is no credit or debit mark");
    const bool debit = mark == "DBIT";
    t.amount = debit ? -*amount : *amount;

    const XmlElement* details = entry.find("NtryDtls/TxDtls");
    if (details != nullptr) {
        const XmlElement* parties = details->child("RltdPties");
        t.payee = partyName(parties, debit ? "Cdtr" : "Dbtr");
        if (t.payee.empty()) t.payee = partyName(parties, debit ? "UltmtCdtr" : "UltmtDbtr");
        if (const XmlElement* remittance = details->child("RmtInf"))
            for (const auto& part : remittance->children)
                if (part->name == "Ustrd" && !part->trimmedText().empty())
                    t.memo += (t.memo.empty() ? "" : " ") + part->trimmedText();
        if (t.memo.empty()) t.memo = details->textAt("AddtlTxInf");
    }
    if (t.memo.empty()) t.memo = entry.textAt("AddtlNtryInf");

    std::string reference = entry.textAt("AcctSvcrRef");
    if (reference.empty() && details != nullptr) reference = details->textAt("Refs/AcctSvcrRef");
    if (reference.empty()) reference = entry.textAt("NtryRef");
    if (reference.empty() && details != nullptr) {
        reference = details->textAt("Refs/EndToEndId");
        if (reference == "NOTPROVIDED") reference.clear();
    }
    if (!reference.empty()) t.id = account + ":" + reference;
    t.number = entry.textAt("BkTxCd/Prtry/Cd");
    if (t.number.empty()) t.number = entry.textAt("BkTxCd/Domn/Fmly/SubFmlyCd");
}

// Bal/Tp/CdOrPrtry/Cd CLBD with its amount, mark and date.
std::optional<StatementBalance> closingBalanceOf(const XmlElement& statement) {
    for (const auto& balance : statement.children) {
        if (balance->name != "Bal" || balance->textAt("Tp/CdOrPrtry/Cd") != "CLBD") continue;
        const std::string figures = balance->textAt("Amt");
        const std::string mark = balance->textAt("CdtDbtInd");
        const std::optional<Money> amount =
            figures.find_first_not_of("0123456789.") == std::string::npos
                ? Money::parseFigures(figures, DecimalMark::Point, false)
                : std::nullopt;
        std::string day = balance->textAt("Dt/Dt");
        if (day.empty()) day = balance->textAt("Dt/DtTm");
        const std::optional<DaySerial> date = isoDay(day);
        if (!amount || !date || (mark != "CRDT" && mark != "DBIT")) return std::nullopt;
        return StatementBalance{mark == "DBIT" ? -*amount : *amount, *date};
    }
    return std::nullopt;
}

}  // namespace

CamtStatement readCamt(std::string_view text) {
    const std::unique_ptr<XmlElement> document = readXmlTree(text, kKind);
    const XmlElement* message = document->child("BkToCstmrStmt");
    const char* statementName = "Stmt";
    if (message == nullptr) {
        message = document->child("BkToCstmrAcctRpt");
        statementName = "Rpt";
    }
    if (message == nullptr)
        failStatement(kKind, document->line, "the file holds no bank-to-customer statement");
    CamtStatement out;
    bool anyStatement = false;
    for (const auto& statement : message->children) {
        if (statement->name != statementName) continue;
        anyStatement = true;
        const std::string account = accountOf(*statement);
        if (auto closing = closingBalanceOf(*statement)) out.closingBalance = closing;
        for (const auto& entry : statement->children) {
            if (entry->name != "Ntry") continue;
            if (!isBooked(*entry)) {
                ++out.notBooked;
                continue;
            }
            readEntry(*entry, account, out.transactions.emplace_back());
        }
    }
    if (!anyStatement) failStatement(kKind, message->line, "the file holds no statement");
    return out;
}

}  // namespace qbk
