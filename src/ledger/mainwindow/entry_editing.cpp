#include "mainwindow/entry_editing.h"

#include <cstdint>

#include "platform/windows1252.h"
#include "store/amount.h"
#include "store/pick_list.h"
#include "store/record_file.h"

namespace qbk {
namespace {

constexpr std::string_view kNothingToDo = "Nothing to do!";
constexpr std::string_view kConfirm = "Confirm";

std::string failedLine(EntryCommand command) {
    return command == EntryCommand::New ? "New record entry failed."
                                        : "The record was not replaced.";
}

Message refusal(std::string text) {
    return {std::move(text), std::string(kNothingToDo), Icon::Information, Buttons::Ok, 1};
}

Message question(std::string text) {
    return {std::move(text), std::string(kConfirm), Icon::Question, Buttons::YesNo, 1};
}

// Figures whose separators fit, whatever the digits: a number, whatever its size.
bool holdsOneNumber(std::string_view amountText, const RegionalSettings& regional) {
    std::string filtered;
    FixNumberString(amountText, filtered);
    for (char& c : filtered)
        if (c >= '0' && c <= '9') c = '0';
    return regional.readFigures(filtered).value.has_value();
}

}  // namespace

EntryReading readEntryForm(const EntryFormText& form, bool income, EntryCommand command,
                           std::optional<DaySerial> fixedDate, const RegionalSettings& regional) {
    EntryReading reading;
    if (command == EntryCommand::New && trimBlanks(form.categoryCode).empty()) {
        reading.refusal = missingCategoryMessage();
        return reading;
    }
    const std::optional<DaySerial> date = fixedDate ? fixedDate : regional.parseDate(form.date);
    if (!date) {
        reading.refusal = dateRefusal(form.date, command);
        return reading;
    }
    const AmountReading amount = typedAmountReading(form.amount, regional, income);
    if (!amount.value) {
        reading.refusal = amount.twoWays ? amountTwoWaysRefusal(amount, command)
                          : holdsOneNumber(form.amount, regional)
                              ? amountTooLargeRefusal(form.amount, command, regional)
                              : amountRefusal(form.amount, command);
        return reading;
    }
    EntryRecord& r = reading.record;
    r.entryDate = *date;
    r.note = fitField(form.note, entry_layout::kNoteWidth);
    r.userField1 = fitField(form.user1, entry_layout::kUserFieldWidth);
    r.userField2 = fitField(form.user2, entry_layout::kUserFieldWidth);
    r.deletedMark = "N";
    r.reserved = std::string(entry_layout::kReservedWidth, ' ');
    r.categoryCode = fitField(form.categoryCode, entry_layout::kCategoryCodeWidth);
    r.amount = *amount.value;
    r.recordStamp = 0;
    return reading;
}

void keepClearedMark(const EntryRecord& replaced, EntryRecord& replacement) {
    replacement.reserved = replaced.reserved;
    if (replacement.amount != replaced.amount || replacement.entryDate != replaced.entryDate)
        replacement.setCleared(ClearedState::None);
}

std::string pickListPath(const std::string& dataFolder, int field) {
    return dataFolder + std::string(field == 1 ? kUdf1FileName : kUdf2FileName);
}

void AddToUserFields(const std::string& dataFolder, const SettingsRecord& settings,
                     std::string_view user1, std::string_view user2) {
    if (settings.udf1Save() == "Y") rememberPickListValue(pickListPath(dataFolder, 1), user1);
    if (settings.udf2Save() == "Y") rememberPickListValue(pickListPath(dataFolder, 2), user2);
}

NewEntry saveNewEntry(const std::string& recordFilePath, const std::string& dataFolder,
                      const SettingsRecord& settings, const EntryFormText& form, bool income,
                      const RegionalSettings& regional, StampSource& stamps,
                      SortKeyMemory& sortKeys, const std::function<void()>& beforeWrite) {
    NewEntry result;
    EntryReading reading = readEntryForm(form, income, EntryCommand::New, std::nullopt, regional);
    if (reading.refusal) {
        result.refusal = std::move(reading.refusal);
        return result;
    }
    if (beforeWrite) beforeWrite();
    AddToUserFields(dataFolder, settings, form.user1, form.user2);
    result.record = std::move(reading.record);
    result.position = FileNewEntry(recordFilePath, result.record, sortKeys, stamps);
    return result;
}

std::string amountBoxText(Money amount, const RegionalSettings& regional) {
    return regional.numberText(amount.abs());
}

Message missingCategoryMessage() {
    return refusal(
        "You must specify a category for the new record - click the category list on the "
        "right.\r\n\r\nNew record entry failed.");
}

Message amountRefusal(std::string_view amountText, EntryCommand command) {
    return refusal("The amount \"" + std::string(amountText) +
                   "\" is not a number - please type the amount in figures.\r\n\r\n" +
                   failedLine(command));
}

Message amountTwoWaysRefusal(const AmountReading& reading, EntryCommand command) {
    return refusal("The amount " + reading.problem +
                   " - please type it with the decimal mark of your regional settings.\r\n\r\n" +
                   failedLine(command));
}

Message amountTooLargeRefusal(std::string_view amountText, EntryCommand command,
                              const RegionalSettings& regional) {
    return refusal(
        "The amount \"" + std::string(amountText) + "\" is too large - amounts go up to " +
        regional.currencyText(Money::fromRaw(INT64_MAX)) + ".\r\n\r\n" + failedLine(command));
}

Message dateRefusal(std::string_view dateText, EntryCommand command) {
    return refusal("The date \"" + std::string(dateText) + "\" is not a date.\r\n\r\n" +
                   failedLine(command));
}

Message entryGoneMessage() {
    return refusal(
        "This record is no longer in the record file - the file was changed outside the "
        "program.\r\n\r\nThe list has been refreshed.");
}

Message replaceQuestion() {
    return question("Replace record?");
}

Message deleteQuestion() {
    return question("Delete record?");
}

Message removePickValueQuestion(std::string_view value) {
    return question("Remove item " + std::string(value) + " from pick list?");
}

}  // namespace qbk
