#include "mainwindow/maintenance_texts.h"

#include <charconv>
#include <string_view>

#include "platform/files.h"
#include "platform/fill_in.h"
#include "store/book_files.h"
#include "store/entry_record.h"
#include "store/record_file.h"

namespace qbk {
namespace {

constexpr std::size_t kRecord = entry_layout::kSize;
constexpr std::string_view kCrLf2 = "\r\n\r\n";

FileDescription describe(const std::string& path, std::string_view whose,
                         const std::string& dataFolder, const RegionalSettings& regional) {
    ensureFileExists(path);
    const RecordFileContent content = readRecordFile(path);
    FileDescription d;
    const std::uint64_t length = content.records.size() + content.partialTail.size();
    d.records = static_cast<double>(length) / kRecord;
    for (std::size_t i = 1; i <= content.count(); ++i)
        if (entry_bytes::isDeleted(content.at(i))) ++d.deleted;
    const FileTime modified = lastModified(path);
    d.text = "Your ";
    d.text += whose;
    d.text += " " + dataFolder + " data file contains " + recordCountText(length, regional) +
              " records, " + std::to_string(d.deleted) +
              " of which are marked for deletion. The file was last modified " +
              regional.dateTimeText(modified.day, modified.secondsOfDay);
    return d;
}

Message question(std::string text, std::string title) {
    return {std::move(text), std::move(title), Icon::Question, Buttons::YesNo, 1};
}

Message information(std::string text, std::string title) {
    return {std::move(text), std::move(title), Icon::Information, Buttons::Ok, 1};
}

}  // namespace

std::string sortingStatusText(const std::string& recordFilePath) {
    return fillIn(kSortingStatus, {recordFilePath});
}

Message purgeQuestion() {
    return question(
        "When records are deleted, they are not actually removed, but just marked for "
        "deletion. This function, however, actually removes all records which are so marked. "
        "Proceed?",
        "Confirm");
}

Message purgeFinishedMessage(std::size_t removed, const std::string& keptAs) {
    return information(fillIn(keptAs.empty() ? kPurgeFinished : kPurgeFinishedKeptAs,
                              {std::to_string(removed), keptAs}),
                       "Finished!");
}

Message restoreDeletedQuestion() {
    return question(
        "When records are deleted, they are not actually removed, but just marked for "
        "deletion. This function restores all records which are so marked. Proceed?",
        "Confirm");
}

Message restoreDeletedFinishedMessage(std::size_t restored) {
    return information(fillIn(kRestoreFinished, {std::to_string(restored)}), "Finished!");
}

BackupDescriptions describeBackupFiles(const std::string& dataFolder,
                                       const RegionalSettings& regional) {
    BackupDescriptions d;
    d.current = describe(joinPath(dataFolder, kRecordFileName), "current", dataFolder, regional);
    d.backup = describe(joinPath(dataFolder, kBackupFileName), "backup", dataFolder, regional);
    return d;
}

Message createBackupQuestion(const BackupDescriptions& d) {
    return question(
        d.current.text + std::string(kCrLf2) + d.backup.text + std::string(kCrLf2) +
            "Do you wish to replace the existing backup file with the current data? If you "
            "answer yes, you will be able to restore your current data in the event you are "
            "displeased with an import operation. Note, however, that this will over-write the "
            "existing backup set!",
        "Create backup data file?");
}

Message backupCreatedMessage() {
    return information("New backup file created!", "Finished");
}

Message nothingToRestoreMessage(const std::string& dataFolder) {
    return {"Your backup data file for " + dataFolder + "\r\ndoes not contain any records!",
            "Nothing to do!", Icon::Exclamation, Buttons::Ok, 1};
}

Message restoreBackupQuestion(const BackupDescriptions& d) {
    return question(d.current.text + std::string(kCrLf2) + d.backup.text + std::string(kCrLf2) +
                        "Do you wish to replace the current set with the backup?",
                    "Confirm");
}

Message backupRestoredMessage() {
    return information("Previous data restored!", "Finished");
}

std::string recordCountText(std::uint64_t length, const RegionalSettings& regional) {
    if (length % kRecord == 0) return std::to_string(length / kRecord);
    char buf[64];
    const double count = static_cast<double>(length) / kRecord;
    const auto end = std::to_chars(buf, buf + sizeof buf, count, std::chars_format::general, 15);
    std::string text(buf, end.ptr);
    const auto point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, regional.decimalSeparator);
    return text;
}

}  // namespace qbk
