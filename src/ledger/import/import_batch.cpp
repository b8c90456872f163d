#include "import/import_batch.h"

#include <algorithm>
#include <cstring>

#include "import/entry_matches.h"
#include "import/imported_ids.h"
#include "platform/book_lock.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/category_file.h"
#include "store/maintenance.h"
#include "store/record_file.h"

namespace qbk {
namespace {

// Date, amount and note of an encoded entry record, as the duplicate check compares
// them: the bytes as stored, the note without its surrounding blanks.
std::string_view keyNote(const char* record) {
    return trimBlanks(std::string_view(record + entry_layout::kNote, entry_layout::kNoteWidth));
}
std::string entryKey(const char* record) {
    std::string key(record + entry_layout::kEntryDate, 8);
    key.append(record + entry_layout::kAmount, 8);
    key.append(keyNote(record));
    return key;
}
// The user field 1 of an encoded record, without surrounding blanks.
std::string userField1Of(const char* record) {
    return "\n" + std::string(trimBlanks(std::string_view(record + entry_layout::kUserField1,
                                                          entry_layout::kUserFieldWidth)));
}
std::string dateAndAmount(const char* record) {
    std::string key(record + entry_layout::kEntryDate, 8);
    key.append(record + entry_layout::kAmount, 8);
    return key;
}
// The id under which a transaction is kept whose id the book already holds for another
// date or amount (the bank reused it): the id with its date and amount.
std::string reusedIdOf(const std::string& id, const char* record) {
    return id + "@" + std::to_string(entry_bytes::entryDate(record)) + "/" +
           std::to_string(entry_bytes::amount(record).raw());
}
bool sameKey(const char* a, const char* b) {
    return std::memcmp(a + entry_layout::kEntryDate, b + entry_layout::kEntryDate, 8) == 0 &&
           std::memcmp(a + entry_layout::kAmount, b + entry_layout::kAmount, 8) == 0 &&
           keyNote(a) == keyNote(b);
}
std::uint64_t keyHash(const char* record) {
    std::uint64_t date = 0, amount = 0;
    std::memcpy(&date, record + entry_layout::kEntryDate, 8);
    std::memcpy(&amount, record + entry_layout::kAmount, 8);
    std::uint64_t h = std::hash<std::string_view>{}(keyNote(record));
    // splitmix64's finaliser spreads the bits of the two numbers over the whole hash.
    for (const std::uint64_t part : {date, amount}) {
        h ^= part + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
        h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;
        h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
        h ^= h >> 31;
    }
    return h;
}

std::string trimmedCode(std::string_view code) {
    return std::string(trimBlanks(code));
}

std::optional<std::string> categoryNamed(const std::vector<CategoryRecord>& categories,
                                         std::string_view named) {
    const std::string wanted = ansiUpper(trimBlanks(named));
    if (wanted.empty()) return std::nullopt;
    for (const CategoryRecord& c : categories)
        if (ansiUpper(trimBlanks(c.catCode)) == wanted ||
            ansiUpper(trimBlanks(c.catName)) == wanted)
            return trimmedCode(c.catCode);
    return std::nullopt;
}

// The category a QIF line names: the whole text, else its part before ":" (Food in
// Food:Groceries). Transfers ("[Savings]") name an account, not a category.
std::optional<std::string> fileCategoryCode(const std::vector<CategoryRecord>& categories,
                                            std::string_view named) {
    if (named.starts_with('[')) return std::nullopt;
    if (const auto code = categoryNamed(categories, named)) return code;
    const std::size_t colon = named.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    return categoryNamed(categories, named.substr(0, colon));
}

void placeCategory(ImportRow& row, const PayeeMatcher& matcher,
                   const std::vector<CategoryRecord>& categories) {
    if (row.categorySource == CategorySource::User || row.categorySource == CategorySource::Link)
        return;
    std::optional<std::string> code = matcher.match(row.matchText);
    CategorySource source = CategorySource::Rule;
    if (!code) {
        code = fileCategoryCode(categories, row.fileCategory);
        source = CategorySource::File;
    }
    row.entry.categoryCode = fitField(code.value_or(""), entry_layout::kCategoryCodeWidth);
    row.categorySource = code ? source : CategorySource::None;
}

// Whether the book holds `id` for a cleared entry of the line's amount dated within
// kMatchDays of the line (`record`, the line encoded): the line matched it before.
bool clearedNear(const BookIndex& book, const std::string& id, const char* record) {
    const auto at = book.clearedIds.find(id);
    if (at == book.clearedIds.end()) return false;
    const std::string& da = at->second;
    if (std::memcmp(da.data() + 8, record + entry_layout::kAmount, 8) != 0) return false;
    double typed = 0;
    std::memcpy(&typed, da.data(), 8);
    const double gap = typed - entry_bytes::entryDate(record);
    return gap >= -kMatchDays && gap <= kMatchDays;
}

}  // namespace

std::optional<ImportFormat> importFormatOf(std::string_view fileName) {
    if (const std::optional<DelimitedStyle> style = delimitedStyleOf(fileName))
        return *style == DelimitedStyle::Txt ? ImportFormat::QuotedText
                                             : ImportFormat::SeparatedValues;
    const std::string ending = nameEnding(fileName);
    if (ending == "OFX" || ending == "QFX") return ImportFormat::Ofx;
    if (ending == "QIF") return ImportFormat::Qif;
    if (ending == "STA" || ending == "940") return ImportFormat::Mt940;
    if (ending == "XML") return ImportFormat::Camt;
    return std::nullopt;
}

std::size_t ImportBatch::duplicates() const {
    return static_cast<std::size_t>(std::count_if(
        rows.begin(), rows.end(), [](const ImportRow& r) { return isDuplicate(r.duplicate); }));
}

std::size_t ImportBatch::includedCount() const {
    return static_cast<std::size_t>(
        std::count_if(rows.begin(), rows.end(), [](const ImportRow& r) { return r.included; }));
}

std::size_t ImportBatch::includedWithoutCategory() const {
    return static_cast<std::size_t>(std::count_if(rows.begin(), rows.end(), [](const ImportRow& r) {
        return r.included && r.categorySource == CategorySource::None;
    }));
}

ImportBatch delimitedBatch(std::string_view text, DelimitedStyle style, const ImportLinks& links,
                           const RegionalSettings& regional, bool skipHeader) {
    DelimitedLayout layout;
    layout.skipHeader = skipHeader;
    return delimitedBatch(text, style, links, regional, layout);
}

ImportBatch delimitedBatch(std::string_view text, DelimitedStyle style, const ImportLinks& links,
                           const RegionalSettings& regional, const DelimitedLayout& layout,
                           const PayeeRules& rules, const std::vector<CategoryRecord>& categories,
                           DelimitedLayout* asRead) {
    ImportBatch batch;
    batch.format =
        style == DelimitedStyle::Txt ? ImportFormat::QuotedText : ImportFormat::SeparatedValues;
    ConvertedText converted = convertImportText(text, style, links, regional, layout);
    if (asRead) {
        *asRead = layout;
        asRead->separator = converted.separator;
        asRead->decimalMark = converted.mark;
        asRead->dateFormat = converted.dateFormat;
    }
    const bool linked = !links.category.empty();
    batch.rows.resize(converted.entries.size());
    for (std::size_t i = 0; i < converted.entries.size(); ++i) {
        ImportRow& row = batch.rows[i];
        row.entry = std::move(converted.entries[i]);
        row.categorySource = linked ? CategorySource::Link : CategorySource::None;
        if (!linked) {
            row.payee = std::string(trimBlanks(row.entry.note));
            row.matchText = row.payee;
        }
    }
    if (!linked) applyPayeeRules(batch, rules, categories);
    return batch;
}

ImportBatch statementBatch(const Statement& statement, ImportFormat format, const PayeeRules& rules,
                           const std::vector<CategoryRecord>& categories) {
    ImportBatch batch;
    batch.format = format;
    batch.rows.resize(statement.size());
    for (std::size_t i = 0; i < statement.size(); ++i) {
        const StatementTransaction& t = statement[i];
        ImportRow& row = batch.rows[i];
        row.entry.entryDate = t.date;
        row.entry.amount = t.amount;
        row.entry.note = fitField(statementNote(t), entry_layout::kNoteWidth);
        row.entry.userField1 = fitField(t.number, entry_layout::kUserFieldWidth);
        row.line = t.line;
        row.id = cleanImportedId(t.id);
        // Check numbers are figures; the kind of a transaction (DEBIT, POS) is not one.
        row.checkNumber =
            !t.number.empty() && t.number.find_first_not_of("0123456789") == std::string::npos;
        row.payee = t.payee.empty() ? t.memo : t.payee;
        row.matchText = t.payee + "\n" + t.memo;
        row.fileCategory = t.category;
    }
    applyPayeeRules(batch, rules, categories);
    return batch;
}

void applyPayeeRules(ImportBatch& batch, const PayeeRules& rules,
                     const std::vector<CategoryRecord>& categories) {
    const PayeeMatcher matcher(rules);
    for (ImportRow& row : batch.rows)
        placeCategory(row, matcher, categories);
}

bool chooseCategory(ImportBatch& batch, std::size_t index, std::string_view code, PayeeRules& rules,
                    const std::vector<CategoryRecord>& categories) {
    ImportRow& row = batch.rows.at(index);
    const bool learn = row.categorySource != CategorySource::Rule &&
                       row.categorySource != CategorySource::Link && !row.payee.empty();
    row.entry.categoryCode = fitField(trimBlanks(code), entry_layout::kCategoryCodeWidth);
    row.categorySource = CategorySource::User;
    if (!learn) return false;
    if (!learnPayeeRule(rules, row.payee, code)) return false;
    applyPayeeRules(batch, rules, categories);
    return true;
}

BookIndex bookIndexOf(std::string_view records, const ImportedIds& ids) {
    using entry_layout::kSize;
    BookIndex index;
    const std::size_t count = records.size() / kSize;
    std::unordered_map<double, const char*> byStamp;
    index.entryKeys.reserve(count);
    byStamp.reserve(count);
    for (std::size_t n = 0; n < count; ++n) {
        const char* r = records.data() + n * kSize;
        std::string key = entryKey(r);
        ++index.checkKeys[key + userField1Of(r)];
        ++index.entryKeys[std::move(key)];
        byStamp.emplace(entry_bytes::recordStamp(r), r);
    }
    for (const auto& [id, stamp] : ids.stampOf) {
        const auto at = byStamp.find(stamp);
        if (at == byStamp.end()) continue;
        index.ids.emplace(id, dateAndAmount(at->second));
        if (entry_bytes::cleared(at->second) != ClearedState::None)
            index.clearedIds.emplace(id, dateAndAmount(at->second));
    }
    index.records = records;
    return index;
}

BookIndex readBookIndex(const std::string& recordFilePath) {
    auto records = std::make_shared<std::string>(readRecordFile(recordFilePath).records);
    BookIndex index = bookIndexOf(*records, readImportedIds(importedIdsPath(recordFilePath)));
    index.ownedRecords = std::move(records);
    return index;
}

void markDuplicates(ImportBatch& batch, const BookIndex& book) {
    // What earlier lines of the file matched.
    std::unordered_map<std::string, std::size_t> taken, takenWithCheck;
    std::unordered_set<std::string> takenIds;
    std::unordered_set<std::string> listed;  // ids of the file with their date and amount
    char bytes[entry_layout::kSize];
    for (ImportRow& row : batch.rows) {
        encodeEntry(row.entry, bytes);
        row.duplicate = Duplicate::None;
        if (!row.id.empty()) {
            const std::string da = dateAndAmount(bytes);
            const std::string reusedId = reusedIdOf(row.id, bytes);
            const auto id = book.ids.find(row.id);
            const auto reused = book.ids.find(reusedId);
            // A line of an id, date and amount that an earlier line of the file has is
            // the bank's repeat, whichever other lines share the id.
            if (!listed.insert(row.id + '\n' + da).second)
                row.duplicate = Duplicate::SameIdInFile;
            else if (id != book.ids.end() && id->second == da && takenIds.insert(row.id).second)
                row.duplicate = Duplicate::InBook;
            else if (reused != book.ids.end() && reused->second == da &&
                     takenIds.insert(reusedId).second)
                row.duplicate = Duplicate::InBook;
            else if (clearedNear(book, row.id, bytes) && takenIds.insert(row.id).second)
                row.duplicate = Duplicate::InBook;
            else if (id != book.ids.end() && id->second != da)
                row.duplicate = Duplicate::IdReused;
        } else {
            const std::string key = entryKey(bytes);
            const auto count = [](const auto& map, const std::string& k) {
                const auto at = map.find(k);
                return at == map.end() ? std::size_t{0} : at->second;
            };
            const std::string checkKey = key + userField1Of(bytes);
            const bool left = count(book.entryKeys, key) > count(taken, key) &&
                              (!row.checkNumber ||
                               count(book.checkKeys, checkKey) > count(takenWithCheck, checkKey));
            if (left) {
                row.duplicate = Duplicate::InBook;
                ++taken[key];
                if (row.checkNumber) ++takenWithCheck[checkKey];
            }
        }
        row.included = !isDuplicate(row.duplicate);
    }
    matchTypedEntries(batch, book.records);
}

DuplicateFinder::DuplicateFinder(std::string_view book) {
    const std::size_t count = book.size() / entry_layout::kSize;
    // At most half full, so that a search ends after a probe or two.
    std::size_t slots = 16;
    while (slots < 2 * count)
        slots *= 2;
    records_.assign(slots, nullptr);
    hashes_.assign(slots, 0);
    left_.assign(slots, 0);
    mask_ = slots - 1;
    for (std::size_t n = 0; n < count; ++n) {
        const char* record = book.data() + n * entry_layout::kSize;
        const std::uint64_t h = keyHash(record);
        const auto tag = static_cast<std::uint32_t>(h >> 32);
        for (std::size_t i = h & mask_;; i = (i + 1) & mask_) {
            if (!records_[i]) {
                records_[i] = record;
                hashes_[i] = tag;
                left_[i] = 1;
                break;
            }
            if (hashes_[i] == tag && sameKey(records_[i], record)) {
                ++left_[i];
                break;
            }
        }
    }
}

bool DuplicateFinder::take(const char* record) {
    const std::uint64_t h = keyHash(record);
    const auto tag = static_cast<std::uint32_t>(h >> 32);
    for (std::size_t i = h & mask_;; i = (i + 1) & mask_) {
        if (!records_[i]) return false;
        if (hashes_[i] == tag && sameKey(records_[i], record)) {
            if (left_[i] == 0) return false;
            --left_[i];
            return true;
        }
    }
}

namespace {

// Gives a line the book's category as a statement line gets it: no category makes it
// `defaultCategory`, and a code the category file lacks is added to `categories`.
void placeCategory(EntryRecord& r, const ImportRow& row, std::string_view defaultCategory,
                   std::vector<CategoryRecord>& categories, std::vector<std::string>& created) {
    if (row.categorySource == CategorySource::Link) return;
    if (row.categorySource == CategorySource::None)
        r.categoryCode = fitField(defaultCategory, entry_layout::kCategoryCodeWidth);
    const std::string code = trimmedCode(r.categoryCode);
    const bool known = std::any_of(categories.begin(), categories.end(),
                                   [&](const auto& c) { return trimmedCode(c.catCode) == code; });
    if (known || code.empty()) return;
    CategoryRecord added;
    added.catCode = fitField(code, category_layout::kCatCodeWidth);
    added.catName = fitField(
        code == trimmedCode(defaultCategory) ? kDefaultImportCategoryName : std::string_view(code),
        category_layout::kCatNameWidth);
    categories.push_back(std::move(added));
    created.push_back(code);
}

// The imported ids of the book and the ones this import adds.
class IdKeeper {
  public:
    IdKeeper(ImportedIds& ids, const BookIndex& index) : ids_(ids), index_(index) {}

    // A line that cleared the entry of `stamp` names it, unless its id names one already.
    void keepCleared(const std::string& id, double stamp) {
        if (id.empty() || index_.ids.find(id) != index_.ids.end()) return;
        ids_.stampOf[id] = stamp;
        changed_ = true;
    }

    // A new entry, `encoded` with `stamp`, keeps the id of its line. A reused id keeps the
    // entry it names; this one is kept with its date and amount, so that a second import
    // finds it too.
    void keepNew(const std::string& id, const char* encoded, double stamp) {
        if (id.empty()) return;
        const std::string da = dateAndAmount(encoded);
        const auto known = index_.ids.find(id);
        const auto before = written_.find(id);
        const bool reused = (known != index_.ids.end() && known->second != da) ||
                            (before != written_.end() && before->second != da);
        ids_.stampOf[reused ? reusedIdOf(id, encoded) : id] = stamp;
        if (!reused) written_.emplace(id, da);
        changed_ = true;
    }

    bool changed() const { return changed_; }

  private:
    ImportedIds& ids_;
    const BookIndex& index_;
    std::unordered_map<std::string, std::string> written_;  // ids of this import: date, amount
    bool changed_ = false;
};

}  // namespace

ImportCommit commitImport(const ImportBatch& batch, const ImportTarget& target,
                          std::string_view defaultCategory, StampSource& stamps,
                          bool keepDuplicates, bool sortAfter) {
    ImportCommit commit;
    const BookLock lock(parentFolder(target.recordFilePath));
    RecordFileContent content = readRecordFile(target.recordFilePath);
    std::unordered_set<double> bookStamps;
    bookStamps.reserve(content.count() + batch.rows.size());
    stamps.noteExisting(largestStamp(content));
    for (std::size_t n = 1; n <= content.count(); ++n)
        bookStamps.insert(entry_bytes::recordStamp(content.at(n)));

    const std::string idsPath = importedIdsPath(target.recordFilePath);
    ImportedIds ids = readImportedIds(idsPath);
    // The duplicates as the book stands now, another import may have come in since the
    // preview.
    ImportBatch now = batch;
    const BookIndex index = bookIndexOf(content.records, ids);
    IdKeeper keeper(ids, index);
    // Every line, duplicates too, is added when the user keeps duplicates: none clears.
    if (keepDuplicates)
        for (ImportRow& row : now.rows)
            row.match.reset();
    else
        markDuplicates(now, index);
    // A linked category field is kept as it stands, so only lines placed otherwise need
    // the category file.
    std::vector<CategoryRecord> categories;
    std::string categoryBytes;
    const bool placed = std::any_of(batch.rows.begin(), batch.rows.end(), [](const ImportRow& r) {
        return r.included && r.categorySource != CategorySource::Link;
    });
    if (placed) {
        categories = readCategories(target.categoryFilePath);
        categoryBytes = readFile(target.categoryFilePath);
    }

    std::string appended;
    for (std::size_t i = 0; i < batch.rows.size(); ++i) {
        const ImportRow& row = batch.rows[i];
        if (!row.included) continue;
        if (!keepDuplicates && !isDuplicate(row.duplicate) && isDuplicate(now.rows[i].duplicate)) {
            ++commit.duplicatesLeftOut;
            continue;
        }
        if (row.clearsMatch && now.rows[i].match) {
            const EntryMatch& m = *now.rows[i].match;
            entry_bytes::setCleared(content.records.data() + (m.record - 1) * entry_layout::kSize,
                                    ClearedState::Cleared);
            keeper.keepCleared(row.id, m.stamp);
            ++commit.cleared;
            continue;
        }
        EntryRecord r = row.entry;
        placeCategory(r, row, defaultCategory, categories, commit.createdCategories);
        r.recordStamp = stamps.next();
        bookStamps.insert(r.recordStamp);
        const std::string encoded = encodeEntry(r);
        keeper.keepNew(row.id, encoded.data(), r.recordStamp);
        appended += encoded;
        ++commit.added;
    }
    if (commit.added == 0 && commit.cleared == 0) return commit;
    checkTotalsFit(content.records, appended);

    if (!commit.createdCategories.empty()) {
        sortCategories(categories);
        writeCategories(target.categoryFilePath, categories);
    }
    try {
        if (keeper.changed()) writeFileAtomically(idsPath, importedIdsText(ids, bookStamps));
        content.records += appended;
        if (sortAfter) sortRecords(content);
        writeRecordFile(target.recordFilePath, content);
    } catch (const OperationError&) {
        if (!commit.createdCategories.empty())
            writeFileAtomically(target.categoryFilePath, categoryBytes);
        throw;
    }
    return commit;
}

}  // namespace qbk
