#pragma once

// Logging category of the conversation channel ("halvane.channel"): clients refused or
// disconnected by the server, server programs started by the client. Quiet unless enabled
// (QT_LOGGING_RULES="halvane.channel.info=true").

#include <QLoggingCategory>

namespace platform::channel {
Q_DECLARE_LOGGING_CATEGORY(lcChannel)
}
