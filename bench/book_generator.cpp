#include "book_generator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/category_record.h"
#include "store/entry_record.h"

namespace qbk::bench {
namespace {

struct Category {
    const char* code;
    const char* name;
    bool income;
};

constexpr std::array<Category, 36> kCategories = {{
    {"SALARY", "Salary", true},
    {"BONUS", "Bonus", true},
    {"INTEREST", "Interest", true},
    {"DIVIDEND", "Dividends", true},
    {"REFUND", "Refunds", true},
    {"GIFTIN", "Gifts received", true},
    {"RENT", "Rent", false},
    {"MORTGAGE", "Mortgage", false},
    {"FOOD", "Groceries", false},
    {"DINING", "Restaurants", false},
    {"FUEL", "Fuel", false},
    {"CAR", "Car upkeep", false},
    {"INSURE", "Insurance", false},
    {"POWER", "Electricity", false},
    {"GAS", "Heating gas", false},
    {"WATER", "Water", false},
    {"PHONE", "Telephone", false},
    {"NET", "Internet", false},
    {"CLOTHES", "Clothing", false},
    {"HEALTH", "Doctor & pharmacy", false},
    {"SCHOOL", "School", false},
    {"BOOKS", "Books", false},
    {"TRAVEL", "Travel", false},
    {"HOTEL", "Hotels", false},
    {"GIFTS", "Gifts given", false},
    {"CHARITY", "Charity", false},
    {"PETS", "Pets", false},
    {"GARDEN", "Garden", false},
    {"REPAIRS", "House repairs", false},
    {"FURNITURE", "Furniture", false},
    {"TAX", "Taxes", false},
    {"BANK", "Bank fees", false},
    {"SPORT", "Sport", false},
    {"MUSIC", "Music", false},
    {"OFFICE", "Office supplies", false},
    {"MISC", "Miscellaneous", false},
}};

constexpr std::array<const char*, 16> kNotes = {"weekly shopping at the market",
                                                "monthly payment",
                                                "fish and chips with the family",
                                                "bluefish from the harbour",
                                                "fuel on the way home",
                                                "annual renewal",
                                                "repair of the garden gate",
                                                "birthday present for Anna",
                                                "train tickets to the coast",
                                                "new winter coat",
                                                "pharmacy, cough syrup",
                                                "standing order",
                                                "café au lait and croissant",
                                                "school trip deposit",
                                                "interest credited",
                                                "refund of overpaid bill"};
constexpr std::array<const char*, 8> kUser1 = {"card", "cash",  "cheque", "transfer",
                                               "card", "debit", "card",   "cash"};
constexpr std::array<const char*, 6> kUser2 = {"home", "work", "holiday", "", "shop", "home"};

}  // namespace

void writeBook(const std::string& folder, const BookOptions& options) {
    std::mt19937 random(options.seed);
    std::string records;
    records.reserve(options.entries * entry_layout::kSize);
    DaySerial day = options.newest;
    double stamp = options.newest + 30000;
    for (std::size_t i = 0; i < options.entries; ++i) {
        if (options.years > 0)
            day = options.newest - std::floor(static_cast<double>(i) * options.years * 365.25 /
                                              static_cast<double>(options.entries));
        else if (random() % 12 == 0)
            day -= 1;  // about a dozen entries a day, newest first
        const Category& c = kCategories[random() % kCategories.size()];
        EntryRecord r;
        r.entryDate = day;
        r.categoryCode = fitField(c.code, 10);
        const long cents = static_cast<long>(random() % (c.income ? 300000 : 25000)) + 1;
        r.amount = Money::fromRaw((c.income ? cents : -cents) * 100);
        if (random() % 97 == 0) r.amount = Money();
        r.note = fitField(kNotes[random() % kNotes.size()], 60);
        r.userField1 = fitField(kUser1[random() % kUser1.size()], 10);
        r.userField2 = fitField(kUser2[random() % kUser2.size()], 10);
        r.recordStamp = stamp -= 0.5;
        records += encodeEntry(r);
    }
    writeFileAtomically(joinPath(folder, "quillbank.dat"), records);

    std::vector<CategoryRecord> categories;
    for (const Category& c : kCategories) {
        CategoryRecord r;
        r.catCode = fitField(c.code, 10);
        r.catName = fitField(c.name, 20);
        r.catDescription =
            fitField(std::string(c.income ? "Money in: " : "Money out: ") + c.name, 500);
        categories.push_back(r);
    }
    std::sort(
        categories.begin(), categories.end(),
        [](const CategoryRecord& a, const CategoryRecord& b) { return a.catCode < b.catCode; });
    writeCategories(joinPath(folder, "category.dat"), categories);
    writeFileAtomically(joinPath(folder, "udf1.dat"),
                        "card\r\ncash\r\ncheque\r\ntransfer\r\ndebit\r\n");
    writeFileAtomically(joinPath(folder, "udf2.dat"), "home\r\nwork\r\nholiday\r\nshop\r\n");
}

}  // namespace qbk::bench
