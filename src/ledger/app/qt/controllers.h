// Attaches the commands of every subsystem to the main window. The program and the
// window tests both use it, so tests run the real wiring.
#ifndef QBK_APP_QT_CONTROLLERS_H_
#define QBK_APP_QT_CONTROLLERS_H_

namespace qbk {

class QBK_3_Main;

// Creates the subsystems' commands (owned by the window) and attaches them.
void installControllers(QBK_3_Main& window);

}  // namespace qbk

#endif  // QBK_APP_QT_CONTROLLERS_H_
