#include "demo_book.h"

#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/category_record.h"
#include "store/entry_record.h"
#include "store/settings_record.h"

namespace qbk::bench {
namespace {

struct Category {
    const char* code;
    const char* name;
};

constexpr std::array<Category, 16> kCategories = {{
    {"SALARY", "Salary"},
    {"INTEREST", "Interest"},
    {"RENT", "Rent"},
    {"FOOD", "Groceries"},
    {"DINING", "Eating out"},
    {"FUEL", "Fuel"},
    {"CAR", "Car upkeep"},
    {"POWER", "Electricity"},
    {"PHONE", "Phone & internet"},
    {"INSURE", "Insurance"},
    {"HEALTH", "Doctor & pharmacy"},
    {"CLOTHES", "Clothing"},
    {"GIFTS", "Gifts"},
    {"HOUSE", "House & garden"},
    {"SCHOOL", "School"},
    {"LEISURE", "Books & outings"},
}};

struct Entry {
    DaySerial day;
    const char* code;
    long cents;  // negative: money out
    const char* note;
    const char* paidWith;
    const char* who;
};

class Book {
  public:
    explicit Book(DaySerial newest) : newest_(newest) {}

    void add(DaySerial day, const char* code, long cents, const char* note, const char* paidWith,
             const char* who) {
        if (day <= newest_) entries_.push_back({day, code, cents, note, paidWith, who});
    }
    // Newest first; entries of one day in the order they were added, the last one on top.
    std::string records() {
        std::stable_sort(entries_.begin(), entries_.end(),
                         [](const Entry& a, const Entry& b) { return a.day < b.day; });
        std::string bytes;
        double last = 0;
        for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
            EntryRecord r;
            r.entryDate = it->day;
            r.categoryCode = fitField(it->code, 10);
            r.amount = Money::fromRaw(it->cents * 100);
            r.note = fitField(it->note, 60);
            r.userField1 = fitField(it->paidWith, 10);
            r.userField2 = fitField(it->who, 10);
            // A stamp of the day it was typed, later for the entries above.
            const double stamp = it->day + 0.75 - 0.001 * static_cast<double>(bytes.size() / 125);
            r.recordStamp = last == 0 || stamp < last ? stamp : last - 0.0001;
            last = r.recordStamp;
            bytes += encodeEntry(r);
        }
        return bytes;
    }

  private:
    DaySerial newest_;
    std::vector<Entry> entries_;
};

}  // namespace

void writeDemoBook(const std::string& folder, DaySerial newest) {
    std::mt19937 random(7);
    auto between = [&](long low, long high) {
        return low + static_cast<long>(random() % static_cast<unsigned>(high - low + 1));
    };
    Book book(newest);
    const CivilDate today = dateFromSerial(newest).value();
    for (int back = 8; back >= 0; --back) {
        int year = today.year, month = today.month - back;
        while (month < 1) {
            month += 12;
            --year;
        }
        auto on = [&](int day) { return serialFromDate(year, month, std::min(day, 28)); };
        book.add(on(1), "RENT", -115000, "Rent, Elm Street flat", "transfer", "Alex");
        book.add(on(3), "PHONE", -3990, "Mobile and broadband", "debit", "Alex");
        book.add(on(5), "POWER", -between(5800, 9400), "Electricity, monthly instalment", "debit",
                 "Sam");
        book.add(on(8), "INSURE", -4820, "Household and car insurance", "debit", "Alex");
        book.add(on(15), "SALARY", 184000, "Salary, city library (part-time)", "transfer", "Sam");
        book.add(on(25), "SALARY", 325000, "Salary, Brindle & Co.", "transfer", "Alex");
        if (month % 3 == 0)
            book.add(on(28), "INTEREST", 417, "Savings account interest", "transfer", "");
        book.add(on(between(9, 20)), "DINING", -between(1800, 7400),
                 random() % 2 ? "Pizza with the kids" : "Lunch with Sam at the café", "card",
                 "family");
        book.add(on(between(2, 27)), "LEISURE", -between(1200, 3900),
                 random() % 2 ? "Books for the holidays" : "Cinema tickets", "card", "Sam");
        if (month % 2 == 0)
            book.add(on(between(10, 22)), "HEALTH", -between(900, 4500),
                     random() % 2 ? "Pharmacy, cough syrup" : "Dentist check-up", "card", "Sam");
        if (month % 4 == 1)
            book.add(on(between(4, 12)), "CLOTHES", -between(4500, 12900), "Winter shoes for Jamie",
                     "card", "family");
        if (month % 5 == 2)
            book.add(on(between(12, 24)), "CAR", -18900, "Car service and oil change", "card",
                     "Alex");
        if (month % 3 == 1)
            book.add(on(between(6, 18)), "SCHOOL", -between(1500, 6000), "School trip deposit",
                     "cash", "family");
    }
    // Weekly shopping on Saturdays, fuel every ten days or so.
    for (DaySerial day = newest - 250; day <= newest; day += 1) {
        if (static_cast<long long>(day) % 7 == 0) {
            book.add(day, "FOOD", -between(8500, 16200), "Weekly shop, Green Grocer", "card",
                     "family");
            if (random() % 3 == 0)
                book.add(day, "FOOD", -between(1200, 2800), "Farmers' market, eggs and bread",
                         "cash", "Sam");
        }
        if (static_cast<long long>(day) % 10 == 3)
            book.add(day, "FUEL", -between(4500, 6500), "Fuel on the way to work", "card", "Alex");
    }
    book.add(newest - 40, "GIFTS", -3500, "Birthday present for Anna", "card", "Sam");
    book.add(newest - 19, "HOUSE", -2450, "Seeds and compost for the garden", "cash", "Alex");
    book.add(newest - 2, "HOUSE", 0, "Call the plumber about the kitchen tap", "", "Alex");
    writeFileAtomically(joinPath(folder, "quillbank.dat"), book.records());

    std::vector<CategoryRecord> categories;
    for (const Category& c : kCategories) {
        CategoryRecord r;
        r.catCode = fitField(c.code, 10);
        r.catName = fitField(c.name, 20);
        r.catDescription = fitField(c.name, 500);
        categories.push_back(r);
    }
    std::sort(
        categories.begin(), categories.end(),
        [](const CategoryRecord& a, const CategoryRecord& b) { return a.catCode < b.catCode; });
    writeCategories(joinPath(folder, "category.dat"), categories);
    writeFileAtomically(joinPath(folder, "udf1.dat"), "card\r\ncash\r\ndebit\r\ntransfer\r\n");
    writeFileAtomically(joinPath(folder, "udf2.dat"), "Alex\r\nSam\r\nfamily\r\n");

    SettingsRecord settings = SettingsRecord::defaults();
    settings.setOwnerName("Alex Morgan");
    settings.setUdf1Name("Paid with");
    settings.setUdf2Name("Who");
    settings.setStartupRange(90);
    writeFileAtomically(joinPath(folder, "qbk3.ini"), settings.bytes());
}

}  // namespace qbk::bench
