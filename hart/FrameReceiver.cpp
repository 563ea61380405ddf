#include "hart/FrameReceiver.h"
