#include "mainwindow/searches.h"

#include "platform/windows1252.h"

namespace qbk {

std::string completeWordPrompt() {
    return "This search looks for the complete item you specify, not for the item \"buried\" "
           "in a larger word. For example, it will find \"fish\" in \"many fish\" but not in "
           "\"bluefish\"\r\n\r\nLook for what?";
}

std::string fragmentPrompt() {
    return "This search looks for the item you specify, even if it is only part of a longer "
           "word. For example, it will find \"fish\" in \"many fish\" and also in "
           "\"bluefish\"\r\n\r\nLook for what?";
}

std::string pickListSearchText(int field, std::string_view value) {
    return std::string(field == 1 ? "|udf1|" : "|udf2|") + ansiUpper(trimBlanks(value));
}

std::string pickerCaption(std::string_view fieldName) {
    return "Select " + std::string(fieldName);
}

}  // namespace qbk
