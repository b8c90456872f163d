// The settings record: qbk3.ini in the program folder holds one binary record of
// 1276 bytes, read at start-up, kept in memory as ProgramSettings, written whole.
//
// Layout (little-endian, no padding; text is Windows-1252 padded with blanks, zero
// bytes where a field was never stored):
//
//   offset  width  field           type / value in a new file
//        0      2  FYMonth         int16: month the fiscal year starts (1)
//        2      2  FYDay           int16: day of that month (1)
//        4      2  StartupRange    int16: 0 = fiscal year, else days back (0)
//        6     10  UserPassword    text: blank = none
//       16    100  reserved        text (blank)
//      116    100  reserved        text (blank)
//      216     10  reserved        text (blank)
//      226     10  reserved        bytes (zero)
//      236     40  OwnerName       text ("Your Name Here")
//      276     10  UDF1Name        text ("user 1")
//      286     10  UDF2Name        text ("user 2")
//      296      1  UDF1Save        "Y" keeps the pick list of field 1 ("Y")
//      297      1  UDF2Save        the same for field 2 ("Y")
//      298     80  EditorName      text: blank = the desktop's program (blank)
//      378    100  AltFolder1Path  text (zero bytes)
//      478    100  AltFolder2Path  text (zero bytes)
//      578      5  GridOrder       text: column order code ("-n12-")
//      583      1  ToolTipsFlag    "Y" shown, "N" hidden ("Y")
//      584      8  reserved        text (8 blanks)
//      592    184  reserved        bytes (zero)
//      776    500  reserved        bytes (zero)
//
// Reserved bytes are kept exactly as read.
#ifndef QBK_STORE_SETTINGS_RECORD_H_
#define QBK_STORE_SETTINGS_RECORD_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qbk {

namespace settings_layout {
inline constexpr std::size_t kSize = 1276;
inline constexpr std::size_t kFYMonth = 0, kFYDay = 2, kStartupRange = 4;
inline constexpr std::size_t kUserPassword = 6, kUserPasswordWidth = 10;
inline constexpr std::size_t kReservedText1 = 16, kReservedText2 = 116, kReservedText3 = 216;
inline constexpr std::size_t kOwnerName = 236, kOwnerNameWidth = 40;
inline constexpr std::size_t kUDF1Name = 276, kUDF2Name = 286, kUDFNameWidth = 10;
inline constexpr std::size_t kUDF1Save = 296, kUDF2Save = 297;
inline constexpr std::size_t kEditorName = 298, kEditorNameWidth = 80;
inline constexpr std::size_t kAltFolder1Path = 378, kAltFolder2Path = 478, kAltFolderWidth = 100;
inline constexpr std::size_t kGridOrder = 578, kGridOrderWidth = 5;
inline constexpr std::size_t kToolTipsFlag = 583;
inline constexpr std::size_t kReservedBlank8 = 584;
}  // namespace settings_layout

inline constexpr std::string_view kOwnerNamePlaceholder = "Your Name Here";

class SettingsRecord {
  public:
    // A record of zero bytes (the content of a file that was never written).
    SettingsRecord();
    // The values of a new settings file.
    static SettingsRecord defaults();
    // Record 1 of a file's bytes; bytes missing at the end read as zero.
    static SettingsRecord fromBytes(std::string_view bytes);
    const std::string& bytes() const { return bytes_; }

    std::int16_t fyMonth() const { return int16At(settings_layout::kFYMonth); }
    std::int16_t fyDay() const { return int16At(settings_layout::kFYDay); }
    std::int16_t startupRange() const { return int16At(settings_layout::kStartupRange); }
    void setFyMonth(std::int16_t v) { setInt16At(settings_layout::kFYMonth, v); }
    void setFyDay(std::int16_t v) { setInt16At(settings_layout::kFYDay, v); }
    void setStartupRange(std::int16_t v) { setInt16At(settings_layout::kStartupRange, v); }

    // Text fields as stored: UTF-8, padded to the field width, zero bytes kept. The
    // setters cut or pad with blanks.
    std::string userPassword() const;
    std::string ownerName() const;
    std::string udf1Name() const;
    std::string udf2Name() const;
    std::string udf1Save() const;
    std::string udf2Save() const;
    std::string editorName() const;
    std::string altFolder1Path() const;
    std::string altFolder2Path() const;
    std::string gridOrder() const;
    std::string toolTipsFlag() const;
    void setUserPassword(std::string_view v);
    void setOwnerName(std::string_view v);
    void setUdf1Name(std::string_view v);
    void setUdf2Name(std::string_view v);
    void setUdf1Save(std::string_view v);
    void setUdf2Save(std::string_view v);
    void setEditorName(std::string_view v);
    void setAltFolder1Path(std::string_view v);
    void setAltFolder2Path(std::string_view v);
    void setGridOrder(std::string_view v);
    void setToolTipsFlag(std::string_view v);

    friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;

  private:
    std::int16_t int16At(std::size_t offset) const;
    void setInt16At(std::size_t offset, std::int16_t v);
    std::string textAt(std::size_t offset, std::size_t width) const;
    void setTextAt(std::size_t offset, std::size_t width, std::string_view utf8);

    std::string bytes_;
};

// True when a text field holds nothing but blanks and zero bytes.
bool isEmptySetting(std::string_view asStored);

// Refuses values the programs cannot work with: FYMonth outside 1..12, FYDay outside
// the days of that month (29 February included), a negative StartupRange. Throws
// OperationError (invalid call, 5) naming the field, its value, its range and `path`,
// the same for the window and the command-line tool.
void checkSettingsValues(const SettingsRecord& settings, const std::string& path);

// Record 1 of `path`, nothing written: a missing file gives the defaults; an empty file
// or a link to nothing throws as a short one does.
// Throws OperationError when the file cannot be read, when it is shorter than one
// record (bad record length, 59: a damaged file, whose password cannot be trusted), or
// when checkSettingsValues refuses it. The description names the file.
SettingsRecord readSettings(const std::string& path);

struct SettingsLoad {
    SettingsRecord settings;
    bool created = false;  // the file was missing and got the defaults
};

// The start-up load: readSettings, and a missing file gets the defaults
// written at once (`created` is then true), readable by the user alone. Throws as
// readSettings, or when the defaults cannot be written.
SettingsLoad loadSettings(const std::string& path);

// SaveConfig: writes `settings` as record 1 of `path`, atomically; bytes after record 1
// (if any) are kept. A new file is readable by the user alone.
void SaveConfig(const std::string& path, const SettingsRecord& settings);

}  // namespace qbk

#endif  // QBK_STORE_SETTINGS_RECORD_H_
