#include "hart/RequestBuilder.h"
