// The messages of the small commands of the main window: about box and web visit.
// The windows show them through the Prompts port.
#ifndef QBK_TOOLS_ACCESSORY_TEXTS_H_
#define QBK_TOOLS_ACCESSORY_TEXTS_H_

#include <string_view>

#include "platform/ports.h"

namespace qbk {

// The maker's web site, opened by the web visit.
inline constexpr std::string_view kMakerWebAddress = "https://www.brindlefold.com/";

// mu_HelpAbout_Click.
Message aboutMessage();
// mu_HelpWeb_Click: the question first (anything but Yes ends the command), then one of
// the two failures.
Message webVisitQuestion();
Message browserNotFoundMessage();

}  // namespace qbk

#endif  // QBK_TOOLS_ACCESSORY_TEXTS_H_
