// Every text the converter shows, by key name and language. Keys and language names
// are compared exactly (case-sensitive). Texts are UTF-8; line breaks are CR LF.
#ifndef QBK_CONVERTER_LANGUAGE_STRINGS_H_
#define QBK_CONVERTER_LANGUAGE_STRINGS_H_

#include <array>
#include <string>
#include <string_view>

namespace qbk::converter {

inline constexpr std::array<std::string_view, 4> kLanguages = {"English", "French", "German",
                                                               "Spanish"};

// The text of `key` in `language`; empty for a key or a language not in the table.
std::string_view lookupString(std::string_view language, std::string_view key);

// The tool tip of the button `key` ("StartButton" or "HelpButton") in `language`;
// empty for every other key and language.
std::string_view lookupToolTip(std::string_view language, std::string_view key);

// The current language and the lookups in it.
class LanguageStrings {
  public:
    // One of kLanguages, "English" at start. Any other value makes every text empty.
    std::string CurrentLanguage = "English";

    std::string GetString(std::string_view key) const {
        return std::string(lookupString(CurrentLanguage, key));
    }
    std::string ToolTip(std::string_view key) const {
        return std::string(lookupToolTip(CurrentLanguage, key));
    }
};

}  // namespace qbk::converter

#endif  // QBK_CONVERTER_LANGUAGE_STRINGS_H_
