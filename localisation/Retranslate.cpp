#include "localisation/Retranslate.h"

#include <QCoreApplication>
#include <QEvent>

namespace localisation {

void RetranslateWindows() {
    // The application passes the event on to each of its windows, shown or hidden, as posted
    // events; delivering them at once lets start-up go on with translated windows. A window
    // passes the event on to its controls.
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

}  // namespace localisation
