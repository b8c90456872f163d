#include "store/settings_record.h"

#include <sys/stat.h>

#include <cstring>
#include <limits>

#include "platform/book_lock.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/windows1252.h"

namespace qbk {

using namespace settings_layout;

SettingsRecord::SettingsRecord() : bytes_(kSize, '\0') {}

SettingsRecord SettingsRecord::defaults() {
    SettingsRecord r;
    r.setUserPassword("");
    r.setFyDay(1);
    r.setFyMonth(1);
    r.setStartupRange(0);
    r.setTextAt(kReservedText1, 100, "");
    r.setTextAt(kReservedText2, 100, "");
    r.setTextAt(kReservedText3, 10, "");
    r.setOwnerName(kOwnerNamePlaceholder);
    r.setUdf1Name("user 1");
    r.setUdf2Name("user 2");
    r.setUdf1Save("Y");
    r.setUdf2Save("Y");
    r.setEditorName("");
    r.setGridOrder("-n12-");
    r.setToolTipsFlag("Y");
    r.setTextAt(kReservedBlank8, 8, "");
    return r;
}

SettingsRecord SettingsRecord::fromBytes(std::string_view bytes) {
    SettingsRecord r;
    std::memcpy(r.bytes_.data(), bytes.data(), bytes.size() < kSize ? bytes.size() : kSize);
    return r;
}

std::int16_t SettingsRecord::int16At(std::size_t offset) const {
    std::int16_t v;
    std::memcpy(&v, bytes_.data() + offset, sizeof v);
    return v;
}

void SettingsRecord::setInt16At(std::size_t offset, std::int16_t v) {
    std::memcpy(bytes_.data() + offset, &v, sizeof v);
}

std::string SettingsRecord::textAt(std::size_t offset, std::size_t width) const {
    return fromWindows1252(std::string_view(bytes_).substr(offset, width));
}

void SettingsRecord::setTextAt(std::size_t offset, std::size_t width, std::string_view utf8) {
    std::string encoded = toWindows1252(utf8);
    encoded.resize(std::min(encoded.size(), width));
    encoded.append(width - encoded.size(), ' ');
    bytes_.replace(offset, width, encoded);
}

std::string SettingsRecord::userPassword() const {
    return textAt(kUserPassword, kUserPasswordWidth);
}
std::string SettingsRecord::ownerName() const {
    return textAt(kOwnerName, kOwnerNameWidth);
}
std::string SettingsRecord::udf1Name() const {
    return textAt(kUDF1Name, kUDFNameWidth);
}
std::string SettingsRecord::udf2Name() const {
    return textAt(kUDF2Name, kUDFNameWidth);
}
std::string SettingsRecord::udf1Save() const {
    return textAt(kUDF1Save, 1);
}
std::string SettingsRecord::udf2Save() const {
    return textAt(kUDF2Save, 1);
}
std::string SettingsRecord::editorName() const {
    return textAt(kEditorName, kEditorNameWidth);
}
std::string SettingsRecord::altFolder1Path() const {
    return textAt(kAltFolder1Path, kAltFolderWidth);
}
std::string SettingsRecord::altFolder2Path() const {
    return textAt(kAltFolder2Path, kAltFolderWidth);
}
std::string SettingsRecord::gridOrder() const {
    return textAt(kGridOrder, kGridOrderWidth);
}
std::string SettingsRecord::toolTipsFlag() const {
    return textAt(kToolTipsFlag, 1);
}

void SettingsRecord::setUserPassword(std::string_view v) {
    setTextAt(kUserPassword, kUserPasswordWidth, v);
}
void SettingsRecord::setOwnerName(std::string_view v) {
    setTextAt(kOwnerName, kOwnerNameWidth, v);
}
void SettingsRecord::setUdf1Name(std::string_view v) {
    setTextAt(kUDF1Name, kUDFNameWidth, v);
}
void SettingsRecord::setUdf2Name(std::string_view v) {
    setTextAt(kUDF2Name, kUDFNameWidth, v);
}
void SettingsRecord::setUdf1Save(std::string_view v) {
    setTextAt(kUDF1Save, 1, v);
}
void SettingsRecord::setUdf2Save(std::string_view v) {
    setTextAt(kUDF2Save, 1, v);
}
void SettingsRecord::setEditorName(std::string_view v) {
    setTextAt(kEditorName, kEditorNameWidth, v);
}
void SettingsRecord::setAltFolder1Path(std::string_view v) {
    setTextAt(kAltFolder1Path, kAltFolderWidth, v);
}
void SettingsRecord::setAltFolder2Path(std::string_view v) {
    setTextAt(kAltFolder2Path, kAltFolderWidth, v);
}
void SettingsRecord::setGridOrder(std::string_view v) {
    setTextAt(kGridOrder, kGridOrderWidth, v);
}
void SettingsRecord::setToolTipsFlag(std::string_view v) {
    setTextAt(kToolTipsFlag, 1, v);
}

bool isEmptySetting(std::string_view asStored) {
    return trimField(asStored).empty();
}

void checkSettingsValues(const SettingsRecord& settings, const std::string& path) {
    const auto refuse = [&](const char* field, int value, int least, int most) {
        throw OperationError(errnum::kInvalidCall, std::string(field) + " " +
                                                       std::to_string(value) + " out of range " +
                                                       std::to_string(least) + " to " +
                                                       std::to_string(most) + " (" + path + ")");
    };
    const int month = settings.fyMonth();
    if (month < 1 || month > 12) refuse("FYMonth", month, 1, 12);
    // Any year's days: a fiscal year may start on 29 February.
    const int lastDay = daysInMonth(2000, month);
    if (settings.fyDay() < 1 || settings.fyDay() > lastDay)
        refuse("FYDay", settings.fyDay(), 1, lastDay);
    if (settings.startupRange() < 0)
        refuse("StartupRange", settings.startupRange(), 0,
               std::numeric_limits<std::int16_t>::max());
}

SettingsRecord readSettings(const std::string& path) {
    const std::string bytes = readFile(path);
    // Only a file that is not there at all is a first start. An empty file, or a link
    // to nothing, may stand where a password was kept: it is refused as damaged, so that
    // no one starts the program without the password check by emptying the file.
    struct stat st {};
    if (bytes.empty() && ::lstat(path.c_str(), &st) == 0)
        throw OperationError(errnum::kBadRecordLength, "Bad record length (" + path + ")");
    if (bytes.empty()) return SettingsRecord::defaults();
    if (bytes.size() < kSize)
        throw OperationError(errnum::kBadRecordLength, "Bad record length (" + path + ")");
    SettingsRecord settings = SettingsRecord::fromBytes(bytes);
    checkSettingsValues(settings, path);
    return settings;
}

SettingsLoad loadSettings(const std::string& path) {
    SettingsLoad load;
    load.settings = readSettings(path);
    if (fileLength(path) == 0) {
        const BookLock lock(parentFolder(path));
        load.created = true;
        writeFileAtomically(path, load.settings.bytes(), kPrivateFileMode);
    }
    return load;
}

void SaveConfig(const std::string& path, const SettingsRecord& settings) {
    const BookLock lock(parentFolder(path));
    std::string bytes = readFile(path);
    if (bytes.size() < kSize) bytes.resize(kSize, '\0');
    bytes.replace(0, kSize, settings.bytes());
    writeFileAtomically(path, bytes, kPrivateFileMode);
}

}  // namespace qbk
