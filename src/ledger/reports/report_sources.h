// Everything the sections of a report are written from, gathered once per report.
#ifndef QBK_REPORTS_REPORT_SOURCES_H_
#define QBK_REPORTS_REPORT_SOURCES_H_

#include <cstddef>
#include <vector>

#include "platform/regional.h"
#include "reports/category_totals.h"
#include "reports/money_text.h"
#include "reports/report_captions.h"
#include "reports/report_files.h"
#include "store/category_record.h"
#include "store/settings_record.h"

namespace qbk {

// The category file's records in file order, the split of the report list, the
// settings (OwnerName, GridOrder, UDF1Name, UDF2Name), the regional settings and the
// captions (English unless the user chose translated ones). Holds
// references: the arguments must outlive it.
class ReportSources {
  public:
    ReportSources(const std::vector<CategoryRecord>& categoryRecords, const ReportSplit& split,
                  const SettingsRecord& settingsRecord, const RegionalSettings& regionalSettings,
                  const ReportCaptions& reportCaptions = qbk::reportCaptions(""))
        : categories(categoryRecords),
          settings(settingsRecord),
          regional(regionalSettings),
          income(split.income),
          expense(split.expense),
          todo(split.todo),
          moneyWidth(qbk::moneyWidth(regionalSettings)),
          captions(reportCaptions) {}

    const std::vector<CategoryRecord>& categories;
    const SettingsRecord& settings;
    const RegionalSettings& regional;
    const CategoryIndex income, expense, todo;
    const std::size_t moneyWidth;  // w of MoneyRight
    const ReportCaptions& captions;

    std::string money(Money amount) const { return MoneyRight(amount, regional, moneyWidth); }
};

}  // namespace qbk

#endif  // QBK_REPORTS_REPORT_SOURCES_H_
