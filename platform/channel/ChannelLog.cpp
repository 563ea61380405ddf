#include "platform/channel/ChannelLog.h"

namespace platform::channel {
Q_LOGGING_CATEGORY(lcChannel, "halvane.channel", QtWarningMsg)
}
