#include "app/ui/TVezizivuApplication.h"

#include "common/Errors.h"

TVezizivuApplication::TVezizivuApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TVezizivuApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const EAbort&) {
        return true;
    } catch (const std::exception& e) {
        if (m_errorHandler)
            m_errorHandler(e);
        return true;
    }
}
