#include "reports/user_field_columns.h"

#include "mainwindow/grid_layout.h"
#include "reports/report_captions.h"

namespace qbk {
namespace {

// The note's column in a heading: its caption padded to the note's width and a blank.
constexpr std::size_t kNoteWidth = 61;

}  // namespace

UserFieldColumns::UserFieldColumns(std::string_view gridOrder) {
    const GridColumns columns = gridColumns(gridOrder).value_or(*gridColumns(kGridOrders[0]));
    // The order of note and user fields among the grid's columns; the category column
    // has no place in the reports.
    int place = 0;
    int notePlace = 0, user1Place = 0, user2Place = 0;
    for (GridColumn c : columns) {
        if (c == GridColumn::Note) notePlace = place++;
        if (c == GridColumn::UserField1) user1Place = place++;
        if (c == GridColumn::UserField2) user2Place = place++;
    }
    notePlace_ = notePlace == 0   ? NotePlace::First
                 : notePlace == 1 ? NotePlace::Middle
                                  : NotePlace::Last;
    twoBeforeOne_ = user2Place < user1Place;
}

std::string UserFieldColumns::heading(std::string_view longPrefix, std::string_view shortPrefix,
                                      std::string_view udf1Name, std::string_view udf2Name,
                                      std::string_view note) const {
    const std::string noteHeading = "  " + padCaption(note, kNoteWidth);
    const std::string_view a = twoBeforeOne_ ? udf2Name : udf1Name;
    const std::string_view b = twoBeforeOne_ ? udf1Name : udf2Name;
    std::string text;
    switch (notePlace_) {
        case NotePlace::First:
            text.append(longPrefix).append(a).append("  ").append(b);
            break;
        case NotePlace::Middle:
            text.append(shortPrefix).append(a).append(noteHeading).append(b);
            break;
        case NotePlace::Last:
            text.append(shortPrefix).append(a).append("  ").append(b).append(noteHeading);
            break;
    }
    return text;
}

void UserFieldColumns::appendItem(std::string& out, std::string_view note,
                                  std::string_view userField1, std::string_view userField2) const {
    const std::string_view a = twoBeforeOne_ ? userField2 : userField1;
    const std::string_view b = twoBeforeOne_ ? userField1 : userField2;
    switch (notePlace_) {
        case NotePlace::First:
            out.append(note).append(" ").append(a).append("  ").append(b);
            break;
        case NotePlace::Middle:
            out.append(a).append("  ").append(note).append(" ").append(b);
            break;
        case NotePlace::Last:
            out.append(a).append("  ").append(b).append("  ").append(note);
            break;
    }
}

}  // namespace qbk
