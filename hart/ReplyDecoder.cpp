#include "hart/ReplyDecoder.h"
