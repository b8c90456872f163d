// The two small books of the report tests: one in United States settings, one in a
// comma-decimal (German) setting. The golden texts in golden/ are their four reports.
#ifndef QBK_TESTS_REPORTS_TEST_BOOKS_H_
#define QBK_TESTS_REPORTS_TEST_BOOKS_H_

#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/regional.h"
#include "reports/report_command.h"
#include "store/category_record.h"
#include "store/entry_record.h"
#include "store/settings_record.h"
#include "support/records.h"

namespace qbk::testing {

inline CategoryRecord category(const std::string& code, const std::string& name) {
    CategoryRecord c;
    c.catCode = fitField(code, 10);
    c.catName = fitField(name, 20);
    return c;
}

inline std::string categoryFileOf(const std::vector<CategoryRecord>& categories) {
    std::string bytes;
    for (const CategoryRecord& c : categories)
        bytes += encodeCategory(c);
    return bytes;
}

struct TestBook {
    std::string name;
    std::vector<CategoryRecord> categories;
    std::vector<EntryRecord> reportList;  // report.tmp in order of appending
    std::vector<double> rowStamps;        // the rows kept on the list
    SettingsRecord settings = SettingsRecord::defaults();
    RegionalSettings regional;
    std::string rangeStart, rangeEnd;
    DaySerial today = 0;

    // Writes report.tmp into `programFolder` and category.dat into `dataFolder`.
    void write(const std::string& programFolder, const std::string& dataFolder) const {
        writeFileAtomically(joinPath(programFolder, "report.tmp"), fileOf(reportList));
        writeFileAtomically(joinPath(dataFolder, "category.dat"), categoryFileOf(categories));
    }
    ReportRequest request(ReportKind kind, const std::string& dataFolder) const {
        return {kind,     rowStamps, joinPath(dataFolder, "category.dat"),
                settings, regional,  rangeStart,
                rangeEnd, today,     ""};
    }
};

// Money out with shares of a third and an eighth, a tiny category with an empty narrow
// bar, a category listed twice, an entry of a category that is not in the category
// file; money in with halves in the bars and amounts wider than the money column; a
// surplus; open items in two categories and one without a category; a row removed from
// the list (the earliest entry) and an entry dated after the day of printing.
inline TestBook unitedStatesBook() {
    TestBook b;
    b.name = "us";
    b.categories = {category("BONUS", "Bonus"),    category("CAR", "Car upkeep"),
                    category("FEES", "Bank fees"), category("FOOD", "Groceries"),
                    category("GIFT", "Gifts"),     category("HOUSE", "House jobs"),
                    category("RENT", "Rent"),      category("RENT", "Rent"),
                    category("SALARY", "Salary")};
    b.reportList = {
        entry(2001, 2, 27, "FOOD", -500, "removed from the list", 1),
        entry(2001, 3, 1, "SALARY", 1000000000, "salary March", 2, "transfer", "work"),
        entry(2001, 3, 2, "FOOD", -1250, "bread, milk", 3, "card", "shop"),
        entry(2001, 3, 3, "HOUSE", 0, "fix the gate", 4, "", "garden"),
        entry(2001, 3, 4, "FOOD", 0, "buy flour", 5),
        entry(2001, 3, 5, "CAR", -8000, "new \"tyres\"", 6, "cash", "garage"),
        entry(2001, 3, 6, "HOUSE", 0, "paint the door", 7, "brush", ""),
        entry(2001, 3, 7, "XYZ", 0, "open item without category", 8),
        entry(2001, 3, 9, "RENT", -12000, "March rent", 9, "transfer", "home"),
        entry(2001, 3, 11, "FOOD", -1750, "market", 10, "cash"),
        entry(2001, 3, 12, "PETS", -800, "cat food", 11, "card"),
        entry(2001, 3, 15, "FEES", -200, "bank fee", 12),
        entry(2001, 3, 20, "GIFT", 500000000, "gift from aunt", 13, "", "home"),
        entry(2001, 4, 5, "BONUS", 300000000, "bonus, paid early", 14),
    };
    for (double stamp = 2; stamp <= 14; ++stamp)
        b.rowStamps.push_back(stamp);
    b.settings.setOwnerName("Ann Example");
    b.settings.setUdf1Name("Method");
    b.settings.setUdf2Name("Place");
    b.settings.setGridOrder("-n12-");
    b.regional = RegionalSettings::unitedStates();
    b.rangeStart = "03/01/2001";
    b.rangeEnd = "03/31/2001";
    b.today = serialFromDate(2001, 4, 2);
    return b;
}

// One category of money out (a share of 100), shares of an eighth and a half-and-a-
// quarter in money in, a deficit, open items with letters beyond ASCII, the column
// order "-21n-", entries out of date order.
inline TestBook germanBook() {
    TestBook b;
    b.name = "de";
    b.categories = {category("GESCHENK", "Geschenke"), category("LOHN", "Lohn"),
                    category("MIETE", "Miete"), category("REPARATUR", "Reparaturen"),
                    category("ZINS", "Zinsen")};
    b.reportList = {
        entry(2002, 1, 31, "LOHN", 50000, "Januar", 101, "Giro", "Firma"),
        entry(2002, 1, 2, "MIETE", -90000, "Miete Januar, \"warm\"", 102, "Giro", "Wohnung"),
        entry(2002, 1, 15, "ZINS", 10000, "Zinsen Sparbuch", 103, "Spar", ""),
        entry(2002, 1, 20, "GESCHENK", 20000, "Oma", 104, "", "Besuch"),
        entry(2002, 1, 3, "MIETE", -30000, "Nebenkosten", 105, "Giro", ""),
        entry(2002, 1, 12, "REPARATUR", 0, "Fenster abdichten", 106, "", "Küche"),
        entry(2002, 1, 25, "REPARATUR", 0, "Heizung entlüften", 107, "Bar", "Keller"),
    };
    for (const EntryRecord& r : b.reportList)
        b.rowStamps.push_back(r.recordStamp);
    b.settings.setOwnerName("Jörg Müller");
    b.settings.setUdf1Name("Konto");
    b.settings.setUdf2Name("Ort");
    b.settings.setGridOrder("-21n-");
    b.regional = RegionalSettings::germany();
    b.rangeStart = "01.01.2002";
    b.rangeEnd = "31.01.2002";
    b.today = serialFromDate(2002, 2, 1);
    return b;
}

}  // namespace qbk::testing

#endif  // QBK_TESTS_REPORTS_TEST_BOOKS_H_
