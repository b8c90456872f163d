// The note and the two user-defined fields in the wide reports, in the column order of
// the record grid (GridOrder; a code that is none of the seven is taken as "-n12-").
//
// The headings are built from a long prefix (the date and amount headings and "Note"
// padded to the note's 60 characters), a short prefix (without "Note"), the two labels
// U1 and U2 (10 characters each) and N2 ("  Note" padded to 63 characters):
//
//   note first  "-n12-", "--n12", "-n21-":  long + A + "  " + B    items  NT + " " + a + "  " + b
//   note middle "-1n2-", "-2n1-":           short + A + N2 + B     items  a + "  " + NT + " " + b
//   note last   "-12n-", "-21n-":           short + A + "  " + B + N2  items  a + "  " + b + "  " +
//   NT
//
// where A, B (and a, b) are field 1 then field 2, or field 2 then field 1 when the code
// shows 2 before 1. NT is the 60-character note as stored, a and b the 10-character
// user fields as stored.
#ifndef QBK_REPORTS_USER_FIELD_COLUMNS_H_
#define QBK_REPORTS_USER_FIELD_COLUMNS_H_

#include <string>
#include <string_view>

namespace qbk {

class UserFieldColumns {
  public:
    explicit UserFieldColumns(std::string_view gridOrder);

    // The column heading after the given prefixes, with labels `udf1Name`, `udf2Name`.
    // `note` is the note's caption ("Note" in English).
    std::string heading(std::string_view longPrefix, std::string_view shortPrefix,
                        std::string_view udf1Name, std::string_view udf2Name,
                        std::string_view note = "Note") const;
    // The item's fields, appended to `out`.
    void appendItem(std::string& out, std::string_view note, std::string_view userField1,
                    std::string_view userField2) const;

  private:
    enum class NotePlace { First, Middle, Last };
    NotePlace notePlace_ = NotePlace::First;
    bool twoBeforeOne_ = false;
};

}  // namespace qbk

#endif  // QBK_REPORTS_USER_FIELD_COLUMNS_H_
