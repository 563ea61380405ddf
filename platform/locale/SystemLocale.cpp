#include "platform/locale/SystemLocale.h"

#include <QLocale>

namespace platform {

std::string numericShortDateFormat(const std::string& qtFormat) {
    std::string out;
    for (std::size_t i = 0; i < qtFormat.size();) {
        const char c = qtFormat[i];
        std::size_t run = 1;
        while (i + run < qtFormat.size() && qtFormat[i + run] == c)
            ++run;
        if (c == 'M') {
            out += run >= 2 ? "MM" : "M";
        } else if (c == 'y') {
            out += "yyyy";
        } else if (c == 'd') {
            out += run >= 2 ? "dd" : "d";  // weekday names (ddd, dddd) do not belong in a date
        } else if (c != '\'') {
            out.append(run, c);
        }
        i += run;
    }
    return out;
}

std::string clockTimeFormat(const std::string& qtFormat) {
    std::string out;
    for (char c : qtFormat) {
        if (c == 't' || c == 'z') {
            while (!out.empty() && (out.back() == ' ' || out.back() == '.' || out.back() == 'z'))
                out.pop_back();
        } else if (c != '\'') {
            out.push_back(c);
        }
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

UserLocale systemUserLocale() {
    const QLocale system = QLocale::system();
    UserLocale locale;
    const QString point = system.decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80) {
        locale.decimalSeparator = point.at(0).toLatin1();
    }
    locale.shortDateFormat =
        system.language() == QLocale::C
            ? "yyyy-MM-dd"
            : numericShortDateFormat(system.dateFormat(QLocale::ShortFormat).toStdString());
    locale.longTimeFormat =
        system.language() == QLocale::C
            ? "HH:mm:ss"
            : clockTimeFormat(system.timeFormat(QLocale::LongFormat).toStdString());
    return locale;
}

}  // namespace platform
