#include "import/payee_rules.h"

#include <algorithm>

#include "import/delimited_line.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/entry_record.h"

namespace qbk {
namespace {

constexpr std::string_view kArrow = "->";

std::optional<std::string> ruleProblem(const PayeeRule& rule) {
    if (rule.fragment.empty()) return "has no payee fragment";
    if (rule.code.empty()) return "has no category code";
    if (charCount(rule.code) > entry_layout::kCategoryCodeWidth)
        return "has a category code longer than 10 characters";
    if (rule.fragment.find(kArrow) != std::string::npos) return "has \"->\" in its fragment";
    return std::nullopt;
}

}  // namespace

PayeeRules readPayeeRules(const std::string& path) {
    PayeeRules rules;
    if (!fileExists(path)) return rules;
    const std::string text = decodeImportBytes(readFile(path));
    const std::vector<std::string_view> lines = importLines(text);
    for (std::size_t n = 1; n <= lines.size(); ++n) {
        const std::string_view line = trimBlanks(lines[n - 1]);
        if (line.empty()) continue;
        const std::size_t arrow = line.rfind(kArrow);
        PayeeRule rule;
        if (arrow != std::string_view::npos) {
            rule.fragment = std::string(trimBlanks(line.substr(0, arrow)));
            rule.code = std::string(trimBlanks(line.substr(arrow + kArrow.size())));
        }
        const std::optional<std::string> problem =
            arrow == std::string_view::npos ? "is not \"fragment -> CODE\"" : ruleProblem(rule);
        if (problem)
            throw OperationError(errnum::kTypeMismatch, "Line " + std::to_string(n) + " of " +
                                                            path + " " + *problem + ": " +
                                                            std::string(line));
        rules.push_back(std::move(rule));
    }
    return rules;
}

std::string payeeRulesText(const PayeeRules& rules) {
    std::string text;
    for (const PayeeRule& r : rules)
        text += r.fragment + " " + std::string(kArrow) + " " + r.code + "\r\n";
    return text;
}

void writePayeeRules(const std::string& path, const PayeeRules& rules) {
    writeFileAtomically(path, toWindows1252(payeeRulesText(rules)));
}

PayeeMatcher::PayeeMatcher(const PayeeRules& rules) {
    for (const PayeeRule& r : rules)
        upperRules_.push_back({ansiUpper(r.fragment), r.code});
    std::stable_sort(upperRules_.begin(), upperRules_.end(),
                     [](const PayeeRule& a, const PayeeRule& b) {
                         return a.fragment.size() > b.fragment.size();
                     });
}

std::optional<std::string> PayeeMatcher::match(std::string_view text) const {
    if (upperRules_.empty()) return std::nullopt;
    const std::string upper = ansiUpper(text);
    for (const PayeeRule& r : upperRules_)
        if (upper.find(r.fragment) != std::string::npos) return r.code;
    return std::nullopt;
}

bool learnPayeeRule(PayeeRules& rules, std::string_view fragment, std::string_view code) {
    const std::string f(trimBlanks(fragment)), c(trimBlanks(code));
    if (f.empty() || c.empty() || f.find(kArrow) != std::string::npos) return false;
    const std::string upper = ansiUpper(f);
    for (PayeeRule& r : rules) {
        if (ansiUpper(r.fragment) == upper) {
            if (r.code == c) return false;
            r.code = c;
            return true;
        }
    }
    rules.push_back({f, c});
    return true;
}

std::optional<std::string> payeeRulesProblem(const PayeeRules& rules) {
    for (std::size_t i = 0; i < rules.size(); ++i)
        if (const std::optional<std::string> problem = ruleProblem(rules[i]))
            return "Rule " + std::to_string(i + 1) + " " + *problem + ".";
    return std::nullopt;
}

}  // namespace qbk
