#include "mainwindow/window_texts.h"

namespace qbk {

Message toolTipsOnMessage() {
    return {"The Tool Tips will reappear the next time you start the program.", "Tool Tips On",
            Icon::Information, Buttons::Ok, 1};
}

}  // namespace qbk
