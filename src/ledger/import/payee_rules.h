// Payee rules: which category a statement transaction goes to, by a word or fragment
// of its payee or memo. The rules of a book live in the data folder in the plain text
// file kPayeeRulesFileName, one rule a line, "fragment -> CODE", Windows-1252 like the
// other text files there, so that users can also keep them with a text editor.
#ifndef QBK_IMPORT_PAYEE_RULES_H_
#define QBK_IMPORT_PAYEE_RULES_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/book_files.h"

namespace qbk {

struct PayeeRule {
    std::string fragment;  // UTF-8, without surrounding blanks
    std::string code;      // a category code, at most 10 characters
    friend bool operator==(const PayeeRule&, const PayeeRule&) = default;
};

using PayeeRules = std::vector<PayeeRule>;

// The rules of the file at `path`; none when it is missing. Blank lines are passed
// over. Throws OperationError (type mismatch) naming the file and the line when a line
// is not "fragment -> CODE" with both parts present and a code of at most 10
// characters, so that a mistyped rule is fixed rather than lost.
PayeeRules readPayeeRules(const std::string& path);

// The text of the rules file: one "fragment -> CODE" line each, CR LF.
std::string payeeRulesText(const PayeeRules& rules);

// Replaces the rules file at `path` (atomically, Windows-1252).
void writePayeeRules(const std::string& path, const PayeeRules& rules);

// Finds the rule of a payee or memo text: the rule whose fragment the text contains,
// compared without regard to case; the longest such fragment wins (AMAZON PRIME
// before AMAZON), and of two of one length the earlier.
class PayeeMatcher {
  public:
    explicit PayeeMatcher(const PayeeRules& rules);
    // The code of the matching rule, or nullopt.
    std::optional<std::string> match(std::string_view text) const;

  private:
    std::vector<PayeeRule> upperRules_;  // fragments upper-cased, longest first
};

// Adds the rule fragment -> code, or gives an existing rule of the same fragment (in
// any case) the new code. Blanks around both are dropped; an empty fragment or code, or
// a fragment holding "->", changes nothing. Returns whether the rules changed.
bool learnPayeeRule(PayeeRules& rules, std::string_view fragment, std::string_view code);

// Why `rules` cannot be saved (a blank fragment or code, a code over 10 characters,
// a fragment holding "->"), naming the rule by its number from 1; nullopt when they can.
std::optional<std::string> payeeRulesProblem(const PayeeRules& rules);

}  // namespace qbk

#endif  // QBK_IMPORT_PAYEE_RULES_H_
