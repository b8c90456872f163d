#include "tools/accessory_texts.h"

#include "version.h"

namespace qbk {

Message aboutMessage() {
    return {
        "Quillbank v.3.0 - release 2, January 20, 2000\r\nMade by Brindlefold\r\n\r\n"
        "This is Quillbank 3 for Linux, version " +
            std::string(kVersion) + ".",
        "Quillbank", Icon::Information, Buttons::Ok, 1};
}

Message webVisitQuestion() {
    return {"Please make sure your internet connection is active!\r\nContinue?",
            "Visit Brindlefold on the Web", Icon::Question, Buttons::YesNo, 1};
}

Message browserNotFoundMessage() {
    return {"Could not find your Browser", "Browser Not Found", Icon::Exclamation, Buttons::Ok, 1};
}

}  // namespace qbk
